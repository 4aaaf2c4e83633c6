#include "installed_mods_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "local_format.h"
#include "program_texts.h"

TFormInstalledMods::TFormInstalledMods(const InstalledModsModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("FormInstalledMods"));
    setWindowTitle(ProgramTexts::AppTitle());
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(m_model.mods.empty() && m_model.problem.isEmpty()
                                     ? tr("No mod is installed in this game folder.")
                                     : tr("Installed mods, the last installed at the bottom:"),
                                 this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ModList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Mod"), tr("Author"), tr("Pictures"), tr("Covered"),
                             tr("Installed")});
    for (const InstalledModRow &mod : m_model.mods)
        new QTreeWidgetItem(m_list, {mod.name, mod.author, QString::number(mod.pictures), QString::number(mod.covered.size()),
                                     LocalFormat::date(mod.installed)});
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    column->addWidget(m_list, 1);
    m_details = new QLabel(m_model.problem, this);
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_details);

    auto *buttons = new QDialogButtonBox(this);
    m_uninstall = buttons->addButton(tr("Uninstall"), QDialogButtonBox::ActionRole);
    m_uninstall->setEnabled(false);
    buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_uninstall, &QPushButton::clicked, this, [this] {
        m_chosen = m_list->indexOfTopLevelItem(m_list->currentItem());
        accept();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &TFormInstalledMods::showDetails);
    column->addWidget(buttons);
    resize(560, 400);
}

void TFormInstalledMods::showDetails()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    m_uninstall->setEnabled(row >= 0);
    if (row < 0 || std::size_t(row) >= m_model.mods.size())
        return;
    const InstalledModRow &mod = m_model.mods[std::size_t(row)];
    QStringList lines;
    if (!mod.description.isEmpty())
        lines << mod.description;
    lines << tr("Installed %1 from %2.").arg(LocalFormat::dateTime(mod.installed), mod.source);
    lines << (mod.covered.isEmpty() ? tr("None of its pictures is covered by a later mod or an edit.")
                                    : tr("Covered since: %1. Uninstalling leaves these as they are.").arg(mod.covered.join(QStringLiteral(", "))));
    m_details->setText(lines.join(QLatin1Char('\n')));
}
