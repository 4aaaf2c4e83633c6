#include "window_fixture.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

#include "chosen_folder_record.h"
#include "core_path.h"
#include "game_folder_builder.h"
#include "game_install_entry.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "page_control.h"
#include "picture_files.h"
#include "preview_window.h"
#include "program_language.h"
#include "settings_store.h"

void ScriptedDialogs::message(const QString &text)
{
    messages << text;
    if (!messagesRunEvents)
        return;
    ++m_messagesOpen;
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    --m_messagesOpen;
}

QString ScriptedDialogs::chooseGameExecutable(const QString &startFolder, const QString &)
{
    executableStartFolders << startFolder;
    return executableAnswers.isEmpty() ? QString() : executableAnswers.takeFirst();
}

QString ScriptedDialogs::saveTgaFile(const QString &startFolder, const QString &presetName)
{
    saveAsked << startFolder + QLatin1Char('|') + presetName;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QString ScriptedDialogs::openTgaFile(const QString &presetFile)
{
    openAsked << presetFile;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

FolderChoice ScriptedDialogs::chooseFolder(const QString &startFolder, bool png)
{
    folderAsked << startFolder;
    folderPngOffered << png;
    FolderChoice choice;
    choice.folder = folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    choice.png = !folderPngAnswers.isEmpty() && folderPngAnswers.takeFirst();
    return choice;
}

QString ScriptedDialogs::chooseImportFolder(const QString &startFolder)
{
    importFolderAsked << startFolder;
    return importFolderAnswers.isEmpty() ? QString() : importFolderAnswers.takeFirst();
}

namespace UiTestSupport {

Catalogue catalogue(int slotCount)
{
    return GameFolderBuilder::makeCatalogue(slotCount);
}

void setImage(Catalogue &c, int n, int w, int h, const std::function<std::uint32_t(int x, int y)> &pixel)
{
    const auto at = std::size_t(n);
    c.ImageDetails[at].Width = w;
    c.ImageDetails[at].Height = h;
    c.ImagePixels[at].assign(std::size_t(w) * std::size_t(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.ImagePixels[at][std::size_t(y) * std::size_t(w) + std::size_t(x)] = pixel(x, y);
    c.ImageSizes[at] = w * h * 4;
    c.markImageChanged(n);
}

void writeGameFolder(const QString &folder, const Catalogue &c)
{
    GameFolderBuilder::write(CorePath::fromQt(folder), c);
}

QString imageFile(const QString &folder, int n)
{
    return CorePath::toQt(GamePaths::image(CorePath::fromQt(folder), n));
}

} // namespace UiTestSupport

WindowFixture::WindowFixture()
{
    // The window's English: the sources' texts, and the plural forms of those with a count.
    static const bool english = ProgramLanguage::install(QCoreApplication::instance(), QStringLiteral("en"));
    Q_UNUSED(english);
}

WindowFixture::~WindowFixture()
{
    m_form.reset();
    m_preview.reset();
}

QString WindowFixture::path(const QString &name) const
{
    return m_dir.filePath(name);
}

void WindowFixture::recordGameFolder(const QString &folder)
{
    GameInstallEntry(entryFile()).writeDirectory(folder);
}

QString WindowFixture::recordedGameFolder() const
{
    return GameInstallEntry(entryFile()).readDirectory().value_or(QString());
}

void WindowFixture::storeSetting(const QString &name, const QString &value)
{
    SettingsStore(settingsFile()).writeText(name, value);
}

QString WindowFixture::storedSetting(const QString &name) const
{
    return SettingsStore(settingsFile()).readText(name, QString());
}

QString WindowFixture::makeGame(const QString &name, const Catalogue &c)
{
    const QString folder = path(name);
    UiTestSupport::writeGameFolder(folder, c);
    return folder;
}

void WindowFixture::select(int page, int n)
{
    form().parts().PageControl1->setCurrentIndex(page);
    form().grids().ShowSize(page == 0 ? form().grids().imageCell(n) : form().grids().fontCell(n));
}

QString WindowFixture::invertedFile(int n, bool font)
{
    Catalogue copy = form().catalogue();
    const QString file = path(QStringLiteral("inverted-%1%2.png").arg(font ? "font" : "image").arg(n));
    if (font) {
        for (std::uint8_t &level : copy.FontBitmaps[std::size_t(n)])
            level = std::uint8_t(~level);
        PictureFiles::saveFont(copy, n, CorePath::fromQt(file), PictureFiles::Format::Png);
    } else {
        for (std::uint32_t &pixel : copy.ImagePixels[std::size_t(n)])
            pixel ^= 0x00FFFFFFu;
        PictureFiles::saveImage(copy, n, CorePath::fromQt(file), PictureFiles::Format::Png);
    }
    return file;
}

void WindowFixture::importInto(int page, int n, const QString &file)
{
    select(page, n);
    dialogs.openAnswers << file;
    form().LoadFromTga();
}

TForm1 &WindowFixture::form()
{
    if (!m_form) {
        m_folder = std::make_unique<GameFolder>(GameInstallEntry(entryFile()), ChosenFolderRecord(settingsFile()));
        const QString settings = settingsFile();
        m_form = std::make_unique<TForm1>(dialogs, *m_folder,
                                          [settings] { return std::make_unique<SettingsStore>(settings); });
        m_preview = std::make_unique<TFormPreview>();
        m_form->setPreview(m_preview.get());
    }
    return *m_form;
}

TFormPreview &WindowFixture::preview()
{
    form();
    return *m_preview;
}
