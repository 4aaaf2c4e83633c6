#include <QtTest>

#include <filesystem>
#include <sys/stat.h>

#include "catalogue.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;

namespace {

bool samePictures(const Catalogue &a, const Catalogue &b)
{
    if (a.ImageCount != b.ImageCount || a.IndexExtra != b.IndexExtra || a.ImageSizes != b.ImageSizes)
        return false;
    for (int n = 1; n < a.ImageCount; ++n) {
        const auto bytes = std::size_t(a.ImageSizes[std::size_t(n)]);
        if (std::memcmp(a.ImagePixels[std::size_t(n)].data(), b.ImagePixels[std::size_t(n)].data(), bytes) != 0
            || a.ImageDetails[std::size_t(n)].Width != b.ImageDetails[std::size_t(n)].Width
            || a.ImageDetails[std::size_t(n)].Height != b.ImageDetails[std::size_t(n)].Height)
            return false;
    }
    for (int i = 0; i < FontCount; ++i)
        if (a.FontBitmaps[std::size_t(i)] != b.FontBitmaps[std::size_t(i)]
            || a.FontDetails[std::size_t(i)].Table != b.FontDetails[std::size_t(i)].Table)
            return false;
    return true;
}

mode_t modeOf(const std::string &path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode;
}

} // namespace

class GameFolderLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void loadsWhatWasWritten();
    void trailingSeparatorReachesSameFiles();
    void imageFileNames_data();
    void imageFileNames();
    void emptyAndOddLengthImages();
    void foldersWithoutImages_data();
    void foldersWithoutImages();
    void clearsAttributesOnLoad();
    void progressFor200Slots();
    void failedIndexReadKeepsCatalogue();

private:
    QTemporaryDir m_dir;
    std::string folder(const char *name) const { return (m_dir.path() + "/" + name).toStdString(); }
};

void GameFolderLoadingTest::loadsWhatWasWritten()
{
    const Catalogue made = make(folder("plain"), 9);
    const Catalogue loaded = loadGameFolder(folder("plain"));
    QVERIFY(samePictures(made, loaded));
    QCOMPARE(loaded.ImageDetails[4].Lead, made.ImageDetails[4].Lead);
    QCOMPARE(loaded.totalBytes(), made.totalBytes());
}

void GameFolderLoadingTest::trailingSeparatorReachesSameFiles()
{
    make(folder("sep"), 5);
    const Catalogue plain = loadGameFolder(folder("sep"));
    const Catalogue trailing = loadGameFolder(folder("sep") + "/");
    QVERIFY(samePictures(plain, trailing));
    QCOMPARE(trailing.GP4Path, folder("sep") + "/");
}

void GameFolderLoadingTest::imageFileNames_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("7") << 7 << "/MenuData/PC/GP2001/images/7.gpi";
    QTest::newRow("10") << 10 << "/MenuData/PC/GP2001/images/10.gpi";
    QTest::newRow("27") << 27 << "/MenuData/PC/GP2001/images/27.gpi";
}

void GameFolderLoadingTest::imageFileNames()
{
    QFETCH(int, n);
    QFETCH(QString, suffix);
    // Below the folder as recorded, the names use the system's separator.
    const auto below = [](QString path) { return path.replace('/', QDir::separator()); };
    QCOMPARE(QString::fromStdString(GamePaths::image("/g", n)), "/g" + below(suffix));
    QCOMPARE(QString::fromStdString(GamePaths::index("/g/")), "/g/" + below("/MenuData/PC/GP2001/Gp2001.gph"));
    QCOMPARE(QString::fromStdString(GamePaths::font("/g", 3)), "/g" + below("/MenuData/PC/GP2001/fonts/style_font_large1250.gpf"));
}

void GameFolderLoadingTest::emptyAndOddLengthImages()
{
    make(folder("odd"), 5);
    writeFile(GamePaths::image(folder("odd"), 2), {});
    writeFile(GamePaths::image(folder("odd"), 3), {1, 2, 3, 4, 5, 6, 7});
    const Catalogue c = loadGameFolder(folder("odd"));
    QCOMPARE(c.ImageSizes[2], 0);
    QCOMPARE(c.loadedPixels(2), std::size_t(0));
    QCOMPARE(c.ImageSizes[3], 7);
    QCOMPARE(c.loadedPixels(3), std::size_t(1));
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(c.ImagePixels[3].data());
    QCOMPARE(bytes[6], std::uint8_t(7));
    QCOMPARE(bytes[7], std::uint8_t(0));
}

void GameFolderLoadingTest::foldersWithoutImages_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::newRow("count 0") << 0;
    QTest::newRow("count 1") << 1;
}

void GameFolderLoadingTest::foldersWithoutImages()
{
    QFETCH(int, slotCount);
    const std::string root = folder(slotCount ? "one" : "zero");
    make(root, slotCount);
    QCOMPARE(fs::file_size(GamePaths::index(root)), std::uintmax_t(8));
    const Catalogue c = loadGameFolder(root);
    QCOMPARE(c.ImageCount, slotCount);
    QCOMPARE(int(c.ImageSizes.size()), slotCount);
    QCOMPARE(c.FontBitmaps.size(), std::size_t(FontCount));
    QCOMPARE(c.FontDetails[5].TableCount, 256);
}

void GameFolderLoadingTest::clearsAttributesOnLoad()
{
    const std::string root = folder("readonly");
    make(root, 4);
    const std::string image = GamePaths::image(root, 2), font = GamePaths::font(root, 1);
    fs::permissions(image, fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(font, fs::perms::owner_read);
    QVERIFY((modeOf(image) & S_IWUSR) == 0);
    loadGameFolder(root);
    QVERIFY(modeOf(image) & S_IWUSR);
    QVERIFY(modeOf(font) & S_IWUSR);
}

void GameFolderLoadingTest::progressFor200Slots()
{
    const std::string root = folder("two-hundred");
    make(root, 200);
    std::vector<std::pair<char, int>> events;
    LoadProgress report;
    report.progress = [&](int v) { events.emplace_back('p', v); };
    report.imageLoaded = [&](int n) { events.emplace_back('i', n); };
    report.fontLoaded = [&](int i) { events.emplace_back('f', i); };
    loadGameFolder(root, report);

    std::vector<std::pair<char, int>> expected;
    for (int n = 1; n <= 199; ++n)
        expected.insert(expected.end(), {{'p', n}, {'i', n}});
    for (int i = 0; i < 6; ++i)
        expected.insert(expected.end(), {{'p', 199 + i}, {'f', i}});
    QCOMPARE(events.size(), expected.size());
    QVERIFY(events == expected);
}

void GameFolderLoadingTest::failedIndexReadKeepsCatalogue()
{
    const std::string root = folder("reread");
    make(root, 5);
    Catalogue c = loadGameFolder(root);
    auto index = readFile(GamePaths::index(root));
    index.resize(index.size() - 3);
    writeFile(GamePaths::index(root), index);
    QVERIFY_THROWS_EXCEPTION(GameFileError, c.Readsizes());
    QCOMPARE(c.ImageCount, 5);
    QCOMPARE(c.ImageDetails.size(), std::size_t(5));
    QCOMPARE(c.ImageDetails[4].Width, 5);
}

QTEST_GUILESS_MAIN(GameFolderLoadingTest)
#include "test_game_folder_loading.moc"
