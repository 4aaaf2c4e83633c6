#include "installed_mods_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "local_format.h"
#include "program_texts.h"

namespace {

enum Column { NameColumn, AuthorColumn, PicturesColumn, CoveredColumn, InstalledColumn, StateColumn };

} // namespace

TFormInstalledMods::TFormInstalledMods(const InstalledModsModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("FormInstalledMods"));
    setWindowTitle(ProgramTexts::AppTitle());
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(m_model.mods.empty() && m_model.problem.isEmpty()
                                     ? tr("No mod is installed in this game folder.")
                                     : tr("The mods of this game folder: where two set a picture, the lower one in the list shows."),
                                 this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ModList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Mod"), tr("Author"), tr("Pictures"), tr("Covered"), tr("Installed"), tr("State")});
    for (const InstalledModRow &mod : m_model.mods) {
        auto *item = new QTreeWidgetItem(m_list, {mod.name, mod.author, QString::number(mod.pictures), QString::number(mod.covered.size()),
                                                  LocalFormat::date(mod.installed), mod.pending ? tr("to apply") : tr("applied")});
        // The check box switches the mod on or off.
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(NameColumn, mod.enabled ? Qt::Checked : Qt::Unchecked);
    }
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    column->addWidget(m_list, 1);
    m_details = new QLabel(m_model.problem, this);
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_details);
    // The profile chooser: choosing one switches to it; the mods on now can be kept as one.
    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(new QLabel(tr("Profile:"), this));
    m_profiles = new QComboBox(this);
    m_profiles->setObjectName(QStringLiteral("ProfileChooser"));
    m_profiles->addItem(tr("(none in use)"));
    m_profiles->addItems(m_model.profiles);
    m_profiles->setCurrentIndex(m_model.profileInUse + 1);
    m_profiles->setEnabled(!m_model.profiles.isEmpty());
    profileRow->addWidget(m_profiles, 1);
    auto *saveProfile = new QPushButton(tr("Save as profile\u2026"), this);
    saveProfile->setObjectName(QStringLiteral("SaveProfile"));
    saveProfile->setEnabled(!m_model.mods.empty());
    profileRow->addWidget(saveProfile);
    column->addLayout(profileRow);
    connect(m_profiles, &QComboBox::activated, this, [this](int index) {
        if (index > 0 && index - 1 != m_model.profileInUse)
            choose(ModAction::Kind::UseProfile, -1, m_model.profiles.value(index - 1));
    });
    connect(saveProfile, &QPushButton::clicked, this, [this] {
        const QString preset = m_model.profileInUse >= 0 ? m_model.profiles.value(m_model.profileInUse) : QString();
        const QString name = QInputDialog::getText(this, ProgramTexts::AppTitle(), tr("Keep the mods on now, in their order, as the profile:"),
                                                   QLineEdit::Normal, preset).trimmed();
        if (!name.isEmpty())
            choose(ModAction::Kind::SaveProfile, -1, name);
    });
    if (m_model.pending)
        column->addWidget(new QLabel(tr("Changes not yet applied: \"Apply All Changes\" writes them into the game folder."), this));

    auto *buttons = new QDialogButtonBox(this);
    // An archive and a folder need pickers of their own.
    m_install = buttons->addButton(tr("Install\u2026"), QDialogButtonBox::ActionRole);
    auto *installMenu = new QMenu(m_install);
    connect(installMenu->addAction(tr("From an archive\u2026")), &QAction::triggered, this, [this] { choose(ModAction::Kind::InstallArchive, -1); });
    connect(installMenu->addAction(tr("From a folder\u2026")), &QAction::triggered, this, [this] { choose(ModAction::Kind::InstallFolder, -1); });
    m_install->setMenu(installMenu);
    m_up = buttons->addButton(tr("Move up"), QDialogButtonBox::ActionRole);
    m_down = buttons->addButton(tr("Move down"), QDialogButtonBox::ActionRole);
    m_uninstall = buttons->addButton(tr("Uninstall"), QDialogButtonBox::ActionRole);
    buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto current = [this] { return m_list->indexOfTopLevelItem(m_list->currentItem()); };
    connect(m_uninstall, &QPushButton::clicked, this, [this, current] { choose(ModAction::Kind::Uninstall, current()); });
    connect(m_up, &QPushButton::clicked, this, [this, current] { choose(ModAction::Kind::MoveUp, current()); });
    connect(m_down, &QPushButton::clicked, this, [this, current] { choose(ModAction::Kind::MoveDown, current()); });
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int changed) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (changed != NameColumn || row < 0 || std::size_t(row) >= m_model.mods.size())
            return;
        const bool on = item->checkState(NameColumn) == Qt::Checked;
        if (on != m_model.mods[std::size_t(row)].enabled)
            choose(on ? ModAction::Kind::Enable : ModAction::Kind::Disable, row);
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &TFormInstalledMods::showDetails);
    column->addWidget(buttons);
    if (m_model.current >= 0 && m_model.current < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(m_model.current));
    showDetails();
    resize(600, 400);
}

void TFormInstalledMods::choose(ModAction::Kind kind, int mod, const QString &profile)
{
    const bool forNoMod = kind == ModAction::Kind::InstallArchive || kind == ModAction::Kind::InstallFolder
                          || kind == ModAction::Kind::UseProfile || kind == ModAction::Kind::SaveProfile;
    if (mod < 0 && !forNoMod)
        return;
    m_action = ModAction{kind, mod, profile};
    accept();
}

void TFormInstalledMods::showDetails()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    const int count = int(m_model.mods.size());
    m_uninstall->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < count);
    if (row < 0 || row >= count)
        return;
    const InstalledModRow &mod = m_model.mods[std::size_t(row)];
    QStringList lines;
    if (!mod.description.isEmpty())
        lines << mod.description;
    lines << tr("Installed %1 from %2.").arg(LocalFormat::dateTime(mod.installed), mod.source);
    if (!mod.enabled)
        lines << tr("Switched off: its pictures don't show; switch it on to show them again.");
    else
        lines << (mod.covered.isEmpty() ? tr("None of its pictures is covered by a later mod or an edit.")
                                        : tr("Covered since: %1. Uninstalling leaves these as they are.").arg(mod.covered.join(QStringLiteral(", "))));
    if (!mod.shared.isEmpty())
        lines << tr("Set by other mods too: %1").arg(mod.shared.join(QStringLiteral(", ")));
    m_details->setText(lines.join(QLatin1Char('\n')));
}
