#include "mod_package_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "program_texts.h"

TFormModPackage::TFormModPackage(const QString &presetName, int modPictures, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormModPackage"));
    setWindowTitle(ProgramTexts::AppTitle());
    auto *column = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Every picture of your own that differs from the game's original goes into the package, "
                                "with your changes not yet applied."),
                             this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    auto *form = new QFormLayout;
    m_name = new QLineEdit(presetName, this);
    m_name->setMaxLength(200);
    m_author = new QLineEdit(this);
    m_author->setMaxLength(200);
    m_description = new QPlainTextEdit(this);
    m_description->setTabChangesFocus(true);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Author:"), m_author);
    form->addRow(tr("Description:"), m_description);
    column->addLayout(form);
    m_includeMods = new QCheckBox(tr("Include %n pictures of installed mods, crediting their mods", nullptr, modPictures),
                                  this);
    m_includeMods->setToolTip(tr("Pictures that installed mods set are their authors' work: without this they stay out of the "
                                 "package; with it, the manifest names each one's mod and author."));
    m_includeMods->setObjectName(QStringLiteral("IncludeMods"));
    m_includeMods->setVisible(modPictures > 0);
    column->addWidget(m_includeMods);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(tr("Save\u2026"), QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    buttons->addButton(ProgramTexts::CancelAnswer(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, save, [save](const QString &text) { save->setEnabled(!text.trimmed().isEmpty()); });
    column->addWidget(buttons);
}

QString TFormModPackage::name() const { return m_name->text().trimmed(); }
QString TFormModPackage::author() const { return m_author->text().trimmed(); }
QString TFormModPackage::description() const { return m_description->toPlainText().trimmed(); }
bool TFormModPackage::includeMods() const { return m_includeMods->isChecked(); }
