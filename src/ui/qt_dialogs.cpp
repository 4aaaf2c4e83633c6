#include "qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "program_texts.h"

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ProgramTexts::AppTitle, text, QMessageBox::Ok, m_parent);
    box.exec();
}

int QtDialogs::ask(const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, ProgramTexts::AppTitle, text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton *> added;
    for (const QString &caption : buttons)
        added << box.addButton(caption, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (!added.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton *>(added.constFirst()));
        box.setEscapeButton(added.constLast());
    }
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

QString QtDialogs::chooseGameExecutable(const QString &startFolder, const QString &filter)
{
    QFileDialog dialog(m_parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(startFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtDialogs::saveTgaFile(const QString &startFolder, const QString &presetName)
{
    const QString start = startFolder.isEmpty() ? presetName : QDir(startFolder).filePath(presetName);
    return QDir::toNativeSeparators(QFileDialog::getSaveFileName(m_parent, QString(), start, ProgramTexts::TgaFilter));
}

QString QtDialogs::openTgaFile(const QString &presetFile)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(m_parent, QString(), presetFile, ProgramTexts::TgaFilter));
}

QString QtDialogs::chooseFolder(const QString &startFolder)
{
    QFileDialog dialog(m_parent, ProgramTexts::FolderTitle, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::FileName, ProgramTexts::FolderPrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}
