#include <QDir>
#include <QFileInfo>

#include "archive_reader.h"
#include "core_messages.h"
#include "core_path.h"
#include "dialogs.h"
#include "folder_import.h"
#include "grid_pages.h"
#include "main_window.h"
#include "picture_control.h"
#include "picture_files.h"
#include "picture_step.h"
#include "window_work.h"

void TForm1::LoadAllFromFolder()
{
    if (isBusy() || !m_settings || m_catalogue.GP4Path.empty())
        return;
    runCommand([this] {
        const QString chosen = m_dialogs.chooseImportFolder(m_settings->readLoadAllTgaPath());
        if (chosen.isEmpty())
            return;
        m_settings->writeText(SettingsStore::LoadAllTGAPath, chosen);
        const std::string folder = CorePath::fromQt(chosen);
        const PictureKinds kinds = onImagesPage() ? PictureKinds::Images : PictureKinds::Fonts;
        importPictures(planFolderImport(listPicturesFolder(folder), m_catalogue, kinds), chosen);
    });
}

namespace {

// An archive, or a folder that holds a mod package or game files rather than pictures alone.
bool looksLikeMod(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return ArchiveReader::hasArchiveName(CorePath::fromQt(info.fileName()));
    if (!info.isDir())
        return false;
    for (const QString &name : QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString folded = name.toLower();
        if (folded == QLatin1String("tessary-mod.json") || folded == QLatin1String("menudata") || folded == QLatin1String("gp2001.gph")
            || folded == QLatin1String("images") || folded == QLatin1String("fonts"))
            return true;
    }
    return false;
}

} // namespace

void TForm1::importDropped(const QStringList &paths, TPicture *onto)
{
    if (isBusy() || m_catalogue.GP4Path.empty() || paths.isEmpty())
        return;
    // A mod dropped anywhere on the window is installed, with its preview first.
    if (paths.size() == 1 && looksLikeMod(paths.constFirst())) {
        installModFrom(paths.constFirst());
        return;
    }
    runCommand([&] {
        // One file on a picture goes into that picture, whatever its name.
        if (onto && paths.size() == 1 && QFileInfo(paths.constFirst()).isFile()) {
            m_grids->ShowSize(onto);
            importFile(!onImagesPage(), onto->number(), CorePath::fromQt(paths.constFirst()));
            return;
        }
        FolderListing dropped;
        for (const QString &path : paths) {
            const std::string corePath = CorePath::fromQt(path);
            if (QFileInfo(path).isDir()) {
                const FolderListing inFolder = listPicturesFolder(corePath);
                dropped.files.insert(dropped.files.end(), inFolder.files.begin(), inFolder.files.end());
                dropped.skipped.insert(dropped.skipped.end(), inFolder.skipped.begin(), inFolder.skipped.end());
            } else {
                dropped.files.push_back(corePath);
            }
        }
        const PictureKinds kinds = onImagesPage() ? PictureKinds::Images : PictureKinds::Fonts;
        const bool oneFolder = paths.size() == 1 && QFileInfo(paths.constFirst()).isDir();
        importPictures(planFolderImport(dropped, m_catalogue, kinds), oneFolder ? paths.constFirst() : QString());
    });
}

// Every file is decoded first, beside the window thread; then the pictures that decoded replace
// theirs as one undoable step, are redrawn, and one summary says what happened to each file.
void TForm1::importPictures(const FolderImportPlan &plan, const QString &source)
{
    std::vector<DecodedPicture> decoded;
    m_work->runBeside([&](WindowWork::Progress &progress) {
        decoded = decodeFolderImport(plan, PictureFiles::reader(), [&progress](int done, int total) { progress.set(done, total); });
    });
    PictureStep step(tr("import").toStdString());
    const FolderImportSummary summary = replaceFromFolder(m_catalogue, plan, std::move(decoded), &step);
    const std::size_t count = summary.imported.size();
    if (count == 1) {
        const bool font = summary.images.empty();
        step.setName(tr("import of %1").arg(pictureName(font, font ? summary.fonts.front() : summary.images.front())).toStdString());
    } else {
        step.setName(tr("import of %n pictures", nullptr, int(count)).toStdString());
    }
    recordChange(std::move(step));
    m_work->showDone(count == 0 ? tr("No picture imported") : tr("%n pictures imported", nullptr, int(count)));
    m_dialogs.message(CoreMessages::said(summary.message(CorePath::fromQt(source))));
}
