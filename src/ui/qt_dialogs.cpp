#include "qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "install_preview_dialog.h"
#include "installed_mods_dialog.h"
#include "mod_package_dialog.h"
#include "program_texts.h"

namespace {

// The width a message box gives its text before it wraps a line (about what Qt allows).
constexpr int TextWidth = 420;

// A box never grows taller than the screen: a text that would make it so is cut to what fits,
// and shown whole, in a scrolling field, under the box's "Show Details..." button.
void fitToScreen(QMessageBox &box, const QString &text)
{
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() / 2 : 300;
    const QFontMetrics metrics(box.font());
    const int linesThatFit = std::max(3, room / metrics.lineSpacing());
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList shown;
    int used = 0;
    for (const QString &line : lines) {
        used += 1 + metrics.horizontalAdvance(line) / TextWidth;
        if (used > linesThatFit) {
            box.setText(shown.join(QLatin1Char('\n')) + QStringLiteral("\n\u2026"));
            box.setDetailedText(text);
            return;
        }
        shown << line;
    }
}

QString pictureFilters()
{
    return ProgramTexts::TgaFilter + QLatin1String(";;") + ProgramTexts::PngFilter;
}

} // namespace

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ProgramTexts::AppTitle, text, QMessageBox::Ok, m_parent);
    fitToScreen(box, text);
    box.exec();
}

int QtDialogs::ask(const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, ProgramTexts::AppTitle, text, QMessageBox::NoButton, m_parent);
    fitToScreen(box, text);
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
    QString chosenFilter;
    QString chosen = QFileDialog::getSaveFileName(m_parent, QString(), start, pictureFilters(), &chosenFilter);
    // The .png filter writes a .png file under the name typed, its extension added when missing.
    if (!chosen.isEmpty() && chosenFilter == ProgramTexts::PngFilter && !chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        chosen += QLatin1String(".png");
    return QDir::toNativeSeparators(chosen);
}

QString QtDialogs::openTgaFile(const QString &presetFile)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(m_parent, QString(), presetFile, pictureFilters()));
}

FolderChoice QtDialogs::chooseFolder(const QString &startFolder)
{
    QFileDialog dialog(m_parent, ProgramTexts::FolderTitle, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({ProgramTexts::TgaFilter, ProgramTexts::PngFilter});
    dialog.setLabelText(QFileDialog::FileName, ProgramTexts::FolderPrompt);
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Save as:"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {QDir::toNativeSeparators(dialog.selectedFiles().constFirst()), dialog.selectedNameFilter() == ProgramTexts::PngFilter};
}

QString QtDialogs::chooseImportFolder(const QString &startFolder)
{
    QFileDialog dialog(m_parent, ProgramTexts::FolderTitle, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::FileName, ProgramTexts::ImportFolderPrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

ModPackageChoice QtDialogs::askModPackage(const QString &startFolder, const QString &presetName)
{
    TFormModPackage details(presetName, m_parent);
    if (details.exec() != QDialog::Accepted)
        return {};
    const QString start = QDir(startFolder.isEmpty() ? QDir::homePath() : startFolder).filePath(details.name() + QStringLiteral(".zip"));
    QString file = QFileDialog::getSaveFileName(m_parent, ProgramTexts::SaveModItem, start, ProgramTexts::PackageFilter);
    if (file.isEmpty())
        return {};
    if (!file.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        file += QLatin1String(".zip");
    return {QDir::toNativeSeparators(file), details.name(), details.author(), details.description()};
}

QString QtDialogs::openModFile(const QString &startFolder)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(m_parent, ProgramTexts::InstallModItem, startFolder, ProgramTexts::ModFilter));
}

bool QtDialogs::confirmInstall(const InstallPreviewModel &preview)
{
    TFormInstallPreview dialog(preview, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::manageInstalledMods(const InstalledModsModel &mods)
{
    TFormInstalledMods dialog(mods, m_parent);
    dialog.exec();
    return dialog.chosen();
}
