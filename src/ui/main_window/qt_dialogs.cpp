#include "qt_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "message_dialog.h"
#include "install_preview_dialog.h"
#include "installed_mods_dialog.h"
#include "mod_package_dialog.h"
#include "program_texts.h"
#include "start_folder.h"

namespace {

QString pictureFilters()
{
    return ProgramTexts::TgaFilter() + QLatin1String(";;") + ProgramTexts::PngFilter();
}

} // namespace

void QtDialogs::message(const QString &text)
{
    MessageDialog box(text, false, {QCoreApplication::translate("QtDialogs", "OK")}, m_parent);
    box.exec();
}

int QtDialogs::ask(const QString &text, const QStringList &buttons)
{
    MessageDialog box(text, true, buttons, m_parent);
    box.exec();
    return box.chosen();
}

QString QtDialogs::chooseGameExecutable(const QString &startFolder, const QString &filter)
{
    QFileDialog dialog(m_parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(StartFolder::orStandard(startFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtDialogs::saveTgaFile(const QString &startFolder, const QString &presetName)
{
    const QString start = QDir(StartFolder::orStandard(startFolder)).filePath(presetName);
    QString chosenFilter;
    QString chosen = QFileDialog::getSaveFileName(m_parent, ProgramTexts::SavePictureTitle(), start, pictureFilters(), &chosenFilter);
    // The .png filter writes a .png file under the name typed, its extension added when missing.
    if (!chosen.isEmpty() && chosenFilter == ProgramTexts::PngFilter() && !chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        chosen += QLatin1String(".png");
    return QDir::toNativeSeparators(chosen);
}

QString QtDialogs::openTgaFile(const QString &presetFile)
{
    // Both kinds are listed at first, so that no picture is hidden behind the wrong filter.
    const QString filters = ProgramTexts::PicturesFilter() + QLatin1String(";;") + pictureFilters();
    const QString start = StartFolder::orStandard(presetFile);
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(m_parent, ProgramTexts::LoadPictureTitle(), start, filters));
}

FolderChoice QtDialogs::chooseFolder(const QString &startFolder, bool png)
{
    // A folder picker greys out its list of file types, so the format is asked once the folder
    // is chosen. The prompt is the title: as the label of the name field it would squeeze
    // "Look in" away.
    QFileDialog dialog(m_parent, ProgramTexts::FolderPrompt(), StartFolder::orStandard(startFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString folder = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    MessageDialog format(QCoreApplication::translate("QtDialogs", "Save the images in %1 as .tga or as .png files?").arg(folder), true,
                         {QStringLiteral(".tga"), QStringLiteral(".png"), ProgramTexts::CancelAnswer()}, m_parent, png ? 1 : 0);
    format.exec();
    if (format.chosen() != 0 && format.chosen() != 1)
        return {};
    return {folder, format.chosen() == 1};
}

QString QtDialogs::chooseImportFolder(const QString &startFolder)
{
    QFileDialog dialog(m_parent, ProgramTexts::ImportFolderPrompt(), StartFolder::orStandard(startFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtDialogs::chooseProgram(const QString &current)
{
#ifdef Q_OS_WIN
    const QString filters = QCoreApplication::translate("QtDialogs", "Programs (*.exe);;All files (*)");
#else
    const QString filters = QCoreApplication::translate("QtDialogs", "All files (*)");
#endif
    return QDir::toNativeSeparators(
        QFileDialog::getOpenFileName(m_parent, QCoreApplication::translate("QtDialogs", "Choose the image editor"), current, filters));
}

ModPackageChoice QtDialogs::askModPackage(const QString &startFolder, const QString &presetName, int modPictures)
{
    TFormModPackage details(presetName, modPictures, m_parent);
    if (details.exec() != QDialog::Accepted)
        return {};
    const QString start = QDir(StartFolder::orStandard(startFolder)).filePath(details.name() + QStringLiteral(".zip"));
    QString file = QFileDialog::getSaveFileName(m_parent, ProgramTexts::SaveModItem(), start, ProgramTexts::PackageFilter());
    if (file.isEmpty())
        return {};
    if (!file.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        file += QLatin1String(".zip");
    return {QDir::toNativeSeparators(file), details.name(), details.author(), details.description(), details.includeMods()};
}

QString QtDialogs::openModFile(const QString &startFolder)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(m_parent, ProgramTexts::InstallModItem(), StartFolder::orStandard(startFolder), ProgramTexts::ModFilter()));
}

QString QtDialogs::openModFolder(const QString &startFolder)
{
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(m_parent, ProgramTexts::InstallModFolderTitle(), StartFolder::orStandard(startFolder)));
}

bool QtDialogs::confirmInstall(const InstallPreviewModel &preview)
{
    TFormInstallPreview dialog(preview, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

ModAction QtDialogs::manageInstalledMods(const InstalledModsModel &mods)
{
    TFormInstalledMods dialog(mods, m_parent);
    dialog.exec();
    return dialog.action();
}
