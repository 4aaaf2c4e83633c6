#include "main_window.h"

#include <QDir>

#include "core_messages.h"
#include "core_path.h"
#include "dialogs.h"
#include "game_folder.h"
#include "grid_pages.h"
#include "page_control.h"
#include "picture_files.h"
#include "picture_step.h"
#include "tga_export.h"
#include "tga_rle_refused.h"
#include "window_work.h"

bool TForm1::onImagesPage() const
{
    return m_parts.PageControl1->currentIndex() == 0;
}

// True when n names a picture of the active page that the catalogue holds.
bool TForm1::hasPicture(int n) const
{
    if (onImagesPage())
        return m_catalogue.isImage(n) && std::size_t(n) < m_catalogue.ImageSizes.size();
    return n >= 0 && n < FontCount && std::size_t(n) < m_catalogue.FontBitmaps.size()
        && m_catalogue.FontBitmaps[std::size_t(n)].size() == FontSheetBytes;
}

void TForm1::SaveTGA(int n, const QString &name)
{
    if (!hasPicture(n))
        return;
    // Only a name chosen as .png ends in ".png"; a name with neither ending gets ".tga", one that
    // has it already (as the Windows dialog adds it, or as typed) keeps its name.
    const bool png = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool tga = name.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive);
    const std::string target = CorePath::fromQt(png || tga ? name : name + QLatin1String(".tga"));
    const PictureFiles::Format format = png ? PictureFiles::Format::Png : PictureFiles::Format::Tga;
    if (onImagesPage())
        PictureFiles::saveImage(m_catalogue, n, target, format);
    else
        PictureFiles::saveFont(m_catalogue, n, target, format);
}

void TForm1::SavetoTga()
{
    const int n = SelectedIndex();
    if (isBusy() || !m_settings || !hasPicture(n))
        return;
    runCommand([this, n] {
        const QString preset = onImagesPage() ? QString::fromStdString(threeDigitName(n))
                                              : QString::fromLatin1(FontNames[std::size_t(n)]);
        const QString chosen = m_dialogs.saveTgaFile(m_settings->readSaveTgaPath(), preset);
        if (chosen.isEmpty())
            return;
        m_settings->writeText(SettingsStore::SaveTGAPath, GameFolder::Path(chosen));
        SaveTGA(n, chosen);
    });
}

void TForm1::SaveAlltga()
{
    if (isBusy() || !m_settings)
        return;
    runCommand([this] {
        const FolderChoice chosen = m_dialogs.chooseFolder(m_settings->readSaveAllTgaPath(), m_settings->readSaveAllPng());
        if (chosen.folder.isEmpty())
            return;
        // The separator is always appended, as the stored folder has always ended in one.
        const QString folder = chosen.folder + QDir::separator();
        m_settings->writeText(SettingsStore::SaveAllTGAPath, folder);
        m_settings->writeSaveAllPng(chosen.png);
        if (!onImagesPage())
            return;
        const std::vector<int> numbers = PictureFiles::allImages(m_catalogue);
        const int count = int(numbers.size());
        // The images are written beside the window thread; the bar stays at an image that failed.
        m_work->runBeside(
            [&](WindowWork::Progress &progress) {
                progress.set(0, count);
                PictureFiles::exportImages(m_catalogue, CorePath::fromQt(folder), numbers,
                                           chosen.png ? PictureFiles::Format::Png : PictureFiles::Format::Tga,
                                           [&progress, count](int n) { progress.set(n, count); });
            },
            true);
        m_work->showDone(tr("%n images saved", nullptr, count));
    });
}

void TForm1::LoadFromTga()
{
    if (isBusy())
        return;
    const int n = SelectedIndex();
    if (onImagesPage()) {
        if (n != 0)
            LoadTGA(n);
    } else {
        LoadTGA2(n);
    }
}

// The open dialog, preset with the file last chosen, whose choice is stored before it is read;
// then the import.
void TForm1::importTga(const std::function<void(const std::string &file)> &import)
{
    runCommand([&] {
        const QString chosen = m_dialogs.openTgaFile(m_settings->readLoadTgaFile());
        if (chosen.isEmpty())
            return;
        m_settings->writeText(SettingsStore::LoadTGAFile, chosen);
        import(CorePath::fromQt(chosen));
    });
}

// One file, .tga or .png, into image or font sheet n, then the redraw. A run-length encoded
// file gets its own plain message.
void TForm1::importFile(bool font, int n, const std::string &file)
{
    PictureStep step(tr("import of %1").arg(pictureName(font, n)).toStdString());
    try {
        if (font)
            importFont(m_catalogue, n, file, PictureFiles::reader(), &step);
        else
            importImage(m_catalogue, n, file, PictureFiles::reader(), &step);
    } catch (const TgaRleRefused &refusal) {
        m_dialogs.message(CoreMessages::said(refusal.why()));
        return;
    }
    recordChange(std::move(step));
}

void TForm1::LoadTGA(int n)
{
    if (!m_settings || !m_catalogue.isImage(n))
        return;
    importTga([this, n](const std::string &file) { importFile(false, n, file); });
}

void TForm1::LoadTGA2(int n)
{
    if (!m_settings || n < 0 || n >= FontCount || std::size_t(n) >= m_catalogue.FontBitmaps.size())
        return;
    importTga([this, n](const std::string &file) { importFile(true, n, file); });
}
