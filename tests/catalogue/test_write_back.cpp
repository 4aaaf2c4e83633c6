#include <QtTest>

#include <filesystem>
#include <set>
#ifdef __linux__
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "catalogue.h"
#include "file_ops.h"
#include "folder_lock.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "write_back.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;
using Scope = WriteBackOptions::Scope;

namespace {

const fs::file_time_type LongAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);

// Files a write-back leaves beside the game files when it goes wrong.
int scratchFilesLeft(const std::string &root)
{
    int left = 0;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        left += entry.path().filename().string().find(".tessary-") != std::string::npos
            || entry.path().filename() == "tessary-write-back.journal";
    return left;
}

// Dates every file back, so that a file the write-back replaces shows by its new time.
void ageFiles(const std::string &root)
{
    for (const auto &entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            fs::last_write_time(entry.path(), LongAgo);
}

std::set<std::string> touchedFiles(const std::string &root)
{
    std::set<std::string> touched;
    const std::string data = GamePaths::dataFolder(root);
    for (const auto &entry : fs::recursive_directory_iterator(data))
        // An hour's margin: Windows keeps file times more coarsely than the clock gives them.
        if (entry.is_regular_file() && fs::last_write_time(entry.path()) > LongAgo + std::chrono::hours(1)
            && entry.path().filename() != "tessary.lock" && entry.path().string().find("tessary-originals") == std::string::npos)
            touched.insert(fs::relative(entry.path(), data).generic_string());
    return touched;
}

WriteBackOptions everything()
{
    WriteBackOptions options;
    options.scope = Scope::Everything;
    return options;
}

} // namespace

class WriteBackTest : public QObject {
    Q_OBJECT

private slots:
    void rewriteKeepsEveryFile_data();
    void rewriteKeepsEveryFile();
    void onlyChangedFilesAreTouched_data();
    void onlyChangedFilesAreTouched();
    void permissionsAndOwnerAreKept_data();
    void permissionsAndOwnerAreKept();
    void changesByAnotherProgram_data();
    void changesByAnotherProgram();
    void secondWriterIsRefused();
    void failureBeforeMovingChangesNothing_data();
    void failureBeforeMovingChangesNothing();
    void fullOrReadOnlyDiskChangesNothing_data();
    void fullOrReadOnlyDiskChangesNothing();
    void readOnlyIndexIsOverwritten();
    void forcedWriteKeepsOtherEntries_data();
    void forcedWriteKeepsOtherEntries();
    void progressStepsOverWrittenFiles();
    void refusesIncompleteCatalogue();
    void longListsAreShortened_data();
    void longListsAreShortened();

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    std::string folder(const std::string &name) const { return m_dir.path().toStdString() + "/" + name; }
};

void WriteBackTest::rewriteKeepsEveryFile_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<bool>("oddImages");
    QTest::newRow("no slots") << 0 << false;
    QTest::newRow("slot 0 only") << 1 << false;
    QTest::newRow("eight images") << 9 << false;
    QTest::newRow("empty and odd-length images") << 6 << true;
}

void WriteBackTest::rewriteKeepsEveryFile()
{
    QFETCH(int, slotCount);
    QFETCH(bool, oddImages);
    const std::string root = folder("same-" + std::to_string(slotCount) + (oddImages ? "-odd" : ""));
    make(root, slotCount);
    if (oddImages) {
        writeFile(GamePaths::image(root, 1), {});
        writeFile(GamePaths::image(root, 2), {9, 8, 7, 6, 5});
        writeFile(GamePaths::image(root, 3), {0xFF, 0xFE, 0xFD});
    }
    const auto before = snapshot(root);
    Catalogue c = loadGameFolder(root);
    const WriteBackReport report = applyAllChanges(c, everything());
    QCOMPARE(report.written.size(), std::size_t(std::max(slotCount - 1, 0) + 1 + FontCount));
    QVERIFY(snapshot(root) == before);
    applyAllChanges(c, everything());
    QVERIFY(snapshot(root) == before);
    QCOMPARE(scratchFilesLeft(root), 0);
    // The first replacement kept the game's own files; the second did not overwrite them.
    QVERIFY(readFile(GamePaths::original(root, GamePaths::relativeIndex())) == readFile(GamePaths::index(root)));
}

void WriteBackTest::onlyChangedFilesAreTouched_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("touched");
    QTest::newRow("nothing") << "none" << QStringList{};
    QTest::newRow("pixels of image 2") << "pixels" << QStringList{"images/2.gpi"};
    QTest::newRow("size of image 3") << "size" << QStringList{"Gp2001.gph", "images/3.gpi"};
    QTest::newRow("font sheet 4") << "font" << QStringList{"fonts/style_font_low_blur1250.gpf"};
    QTest::newRow("identical picture") << "same" << QStringList{};
}

void WriteBackTest::onlyChangedFilesAreTouched()
{
    QFETCH(QString, change);
    QFETCH(QStringList, touched);
    const std::string root = folder("touch-" + change.toStdString());
    make(root, 6);
    ageFiles(root);
    Catalogue c = loadGameFolder(root);
    const Catalogue before = c;
    if (change == "pixels") {
        PixelBuffer pixels = c.ImagePixels[2];
        pixels[0] ^= 0xFFu;
        QVERIFY(c.replaceImage(2, c.ImageDetails[2].Width, c.ImageDetails[2].Height, c.ImageSizes[2], std::move(pixels)));
    } else if (change == "size") {
        QVERIFY(c.replaceImage(3, 2, 2, 16, PixelBuffer(4, 0x80402010u)));
    } else if (change == "font") {
        FontSheet sheet(FontSheetBytes, 7);
        QVERIFY(c.replaceFontSheet(4, sheet));
    } else if (change == "same") {
        QVERIFY(!c.replaceImage(1, c.ImageDetails[1].Width, c.ImageDetails[1].Height, c.ImageSizes[1], PixelBuffer(c.ImagePixels[1])));
    }
    QCOMPARE(c.hasChanges(), !touched.isEmpty());
    const WriteBackReport report = applyAllChanges(c);
    QCOMPARE(report.written.size(), std::size_t(touched.size()));
    QVERIFY(!c.hasChanges());

    std::set<std::string> expected;
    for (const QString &name : touched)
        expected.insert(name.toStdString());
    QCOMPARE(touchedFiles(root), expected);
    const Catalogue after = loadGameFolder(root);
    QVERIFY(after.ImageDetails[3].Width == c.ImageDetails[3].Width && after.ImagePixels[2] == c.ImagePixels[2]);
    QVERIFY(after.FontBitmaps == c.FontBitmaps && after.ImageSizes == c.ImageSizes);
    // Applied once, nothing is left to write.
    QVERIFY(applyAllChanges(c).written.empty());
}

void WriteBackTest::permissionsAndOwnerAreKept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("otherOwner");
    QTest::newRow("600") << 0600 << false;
    QTest::newRow("640") << 0640 << false;
    QTest::newRow("664") << 0664 << false;
    QTest::newRow("owned by another user") << 0644 << true;
}

void WriteBackTest::permissionsAndOwnerAreKept()
{
#ifdef __linux__
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    if (otherOwner && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    const std::string root = folder("mode-" + std::to_string(mode) + (otherOwner ? "-owner" : ""));
    make(root, 3);
    const std::string image = GamePaths::image(root, 2), font = GamePaths::font(root, 0);
    for (const std::string &path : {image, font}) {
        fs::permissions(path, fs::perms(mode));
        if (otherOwner)
            QCOMPARE(::chown(path.c_str(), 1234, 5678), 0);
    }
    Catalogue c = loadGameFolder(root);
    c.replaceImage(2, 1, 1, 4, PixelBuffer(1, 0xFF00FF00u));
    c.replaceFontSheet(0, FontSheet(FontSheetBytes, 1));
    applyAllChanges(c);
    for (const std::string &path : {image, font}) {
        struct stat info {};
        QCOMPARE(::stat(path.c_str(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
        if (otherOwner)
            QVERIFY(info.st_uid == 1234 && info.st_gid == 5678);
    }
    QCOMPARE(readFile(image).size(), std::size_t(4));
#else
    QSKIP("permission bits, owners and groups are POSIX's");
#endif
}

void WriteBackTest::changesByAnotherProgram_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("duringStaging");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("refused");
    QTest::newRow("file Tessary changed too") << "images/2.gpi" << "rewrite" << false << false << true;
    QTest::newRow("file Tessary changed too, overwritten") << "images/2.gpi" << "rewrite" << false << true << false;
    QTest::newRow("file deleted that Tessary changed") << "images/2.gpi" << "delete" << false << false << true;
    QTest::newRow("file Tessary did not change") << "images/3.gpi" << "rewrite" << false << false << false;
    QTest::newRow("same size, modification time set back") << "images/2.gpi" << "same size" << false << false << true;
    QTest::newRow("while staging, file Tessary changed too") << "images/2.gpi" << "rewrite" << true << false << true;
    QTest::newRow("while staging, same size and time") << "images/2.gpi" << "same size" << true << false << true;
    QTest::newRow("while staging, file Tessary did not change") << "images/3.gpi" << "rewrite" << true << false << false;
}

void WriteBackTest::changesByAnotherProgram()
{
    QFETCH(QString, file);
    QFETCH(QString, how);
    QFETCH(bool, duringStaging);
    QFETCH(bool, force);
    QFETCH(bool, refused);
    const std::string root = folder("external-" + std::to_string(++m_case));
    make(root, 5);
    Catalogue c = loadGameFolder(root);
    c.replaceImage(2, 1, 1, 4, PixelBuffer(1, 0x11223344u));
    c.replaceFontSheet(1, FontSheet(FontSheetBytes, 3)); // a second file, so that staging takes two steps
    const std::string relative = file.toStdString();
    const std::string changed = GamePaths::underData(root, relative);
    const std::vector<std::uint8_t> theirs(readFile(changed).size() + (how == "same size" ? 0 : 4), 0x5A);
    const auto change = [&] {
        const auto time = fs::last_write_time(changed);
        if (how == "delete")
            fs::remove(changed);
        else
            writeFile(changed, theirs);
        if (how == "same size")
            fs::last_write_time(changed, time);
    };
    WriteBackOptions options;
    options.overwriteChangedOnDisk = force;
    if (duringStaging)
        options.progress = [&](int done, int) { if (done == 1) change(); };
    else
        change();
    QCOMPARE(changedOnDisk(c).empty(), duringStaging || relative != "images/2.gpi");

    auto before = snapshot(root);
    try {
        const WriteBackReport report = applyAllChanges(c, options);
        QVERIFY2(!refused, "a file another program changed was overwritten without asking");
        if (relative == "images/3.gpi") {
            QCOMPARE(report.leftAlone, std::vector<std::string>{changed});
            QVERIFY(readFile(changed) == theirs);
        }
        QCOMPARE(readFile(GamePaths::image(root, 2)).size(), std::size_t(4));
    } catch (const ChangedOnDisk &error) {
        QVERIFY2(refused, error.what());
        QCOMPARE(error.files(), std::vector<std::string>{changed});
        QVERIFY2(QString::fromUtf8(error.what()).contains("nothing was changed"), error.what());
        for (auto &[name, bytes] : before)
            if (duringStaging && fs::path(root + "/" + name) == fs::path(changed))
                bytes = theirs; // their change stays, and nothing else moved
        QVERIFY(snapshot(root) == before);
        QCOMPARE(scratchFilesLeft(root), 0);
        QVERIFY(c.imageChanged(2));
    }
}

void WriteBackTest::secondWriterIsRefused()
{
    const std::string root = folder("two-writers");
    make(root, 4);
    Catalogue c = loadGameFolder(root);
    c.replaceImage(1, 1, 1, 4, PixelBuffer(1, 0u));
    const auto before = snapshot(root);
    {
        FolderLock first(root, FolderLock::Mode::Write);
        try {
            applyAllChanges(c);
            QFAIL("a second writer was let in");
        } catch (const GameFileError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains("another program is writing this game folder"), error.what());
            QVERIFY(error.path() == GamePaths::dataFolder(root));
        }
        QVERIFY(snapshot(root) == before);
        QVERIFY_THROWS_EXCEPTION(GameFileError, loadGameFolder(root).ImageCount);
    }
    QCOMPARE(applyAllChanges(c).written.size(), std::size_t(2)); // the image and the index
}

void WriteBackTest::failureBeforeMovingChangesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only image") << "ro-image" << "images/3.gpi" << "access denied";
    QTest::newRow("read-only font") << "ro-font" << "fonts/style_font1250.gpf" << "access denied";
    QTest::newRow("fonts folder vanished") << "no-fonts" << "fonts/badfont1000.gpf" << "file not found";
    QTest::newRow("image replaced by a folder") << "dir-image" << "images/2.gpi" << "folder";
}

void WriteBackTest::failureBeforeMovingChangesNothing()
{
    QFETCH(QString, damage);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const std::string root = folder("fail-" + damage.toStdString());
    make(root, 6);
    Catalogue c = loadGameFolder(root);
    c.replaceImage(1, 2, 1, 8, PixelBuffer(2, 0u)); // a change that must not reach the disk
    const std::string data = GamePaths::dataFolder(root) + "/";
    if (damage == "ro-image")
        fs::permissions(data + "images/3.gpi", fs::perms::owner_read | fs::perms::others_read);
    else if (damage == "ro-font")
        fs::permissions(data + "fonts/style_font1250.gpf", fs::perms::owner_read);
    else if (damage == "no-fonts")
        fs::remove_all(data + "fonts");
    else if (damage == "dir-image") {
        fs::remove(data + "images/2.gpi");
        fs::create_directory(data + "images/2.gpi");
    }
    const auto before = snapshot(root);
    WriteBackOptions options = everything();
    options.overwriteChangedOnDisk = true;
    try {
        applyAllChanges(c, options);
        QFAIL("the write-back reported success");
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromStdString(error.path()).endsWith(QString::fromStdString(GamePaths::underData("", file.toStdString()))), error.what());
        QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        QVERIFY2(QString::fromUtf8(error.what()).endsWith("nothing was changed"), error.what());
    }
    QVERIFY(snapshot(root) == before);
    QCOMPARE(scratchFilesLeft(root), 0);
}

void WriteBackTest::fullOrReadOnlyDiskChangesNothing_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("lockFileMade");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << false << true << "disk full";
    QTest::newRow("read-only file system") << true << true << "the file system is read-only";
    QTest::newRow("read-only file system, never locked") << true << false << "tessary.lock: the file system is read-only";
}

void WriteBackTest::fullOrReadOnlyDiskChangesNothing()
{
#ifdef __linux__
    QFETCH(bool, readOnly);
    QFETCH(bool, lockFileMade);
    QFETCH(QString, reason);
    const std::string mountPoint = folder("small-disk-" + std::to_string(++m_case));
    fs::create_directories(mountPoint);
    if (::mount("tessary-test", mountPoint.c_str(), "tmpfs", 0, "size=640k") != 0)
        QSKIP("mounting a small tmpfs needs root");
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{mountPoint};

    const std::string root = mountPoint + "/game";
    make(root, 3);
    Catalogue c = loadGameFolder(root);
    for (int i = 0; i < FontCount; ++i)
        c.replaceFontSheet(i, FontSheet(FontSheetBytes, std::uint8_t(i)));
    if (!lockFileMade)
        fs::remove(GamePaths::lockFile(root));
    if (readOnly)
        QCOMPARE(::mount("tessary-test", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=640k"), 0);
    const auto before = snapshot(root);
    try {
        applyAllChanges(c);
        QFAIL("a write-back to a full or read-only disk reported success");
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(reason), error.what());
        QVERIFY2(QString::fromUtf8(error.what()).endsWith("nothing was changed"), error.what());
    }
    QVERIFY(snapshot(root) == before);
    QCOMPARE(scratchFilesLeft(root), 0);
#else
    QSKIP("a small file system is mounted with Linux's tmpfs");
#endif
}

void WriteBackTest::readOnlyIndexIsOverwritten()
{
    const std::string root = folder("ro-index");
    make(root, 4);
    fs::permissions(GamePaths::index(root), fs::perms::owner_read);
    Catalogue c = loadGameFolder(root);
    c.ImageDetails[1].Width = 99;
    applyAllChanges(c);
    QCOMPARE(loadGameFolder(root).ImageDetails[1].Width, 99);
    // Made read-only after loading, its change time tells of another program: asked about first.
    fs::permissions(GamePaths::index(root), fs::perms::owner_read);
    c.ImageDetails[1].Width = 77;
    QVERIFY_THROWS_EXCEPTION(ChangedOnDisk, applyAllChanges(c));
    WriteBackOptions overwrite;
    overwrite.overwriteChangedOnDisk = true;
    applyAllChanges(c, overwrite);
    QCOMPARE(loadGameFolder(root).ImageDetails[1].Width, 77);
}

void WriteBackTest::progressStepsOverWrittenFiles()
{
    const std::string root = folder("progress");
    make(root, 200);
    Catalogue c = loadGameFolder(root);
    for (int n : {5, 150, 199})
        c.markImageChanged(n);
    c.markFontChanged(2);
    std::vector<std::pair<int, int>> steps;
    WriteBackOptions options;
    options.progress = [&](int done, int total) { steps.emplace_back(done, total); };
    applyAllChanges(c, options);
    QVERIFY((steps == std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

void WriteBackTest::refusesIncompleteCatalogue()
{
    const std::string root = folder("incomplete");
    make(root, 4);
    const auto before = snapshot(root);
    Catalogue c;
    c.GP4Path = root;
    c.Readsizes(); // index read, images never loaded
    QVERIFY_THROWS_EXCEPTION(GameFileError, applyAllChanges(c, everything()));
    QVERIFY(snapshot(root) == before);
}

void WriteBackTest::longListsAreShortened_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("ending");
    QTest::newRow("three") << 3 << "f2";
    QTest::newRow("ten") << 10 << "f9";
    QTest::newRow("eleven") << 11 << "f9 \u2026 and 1 more";
    QTest::newRow("447") << 447 << "f9 \u2026 and 437 more";
}

void WriteBackTest::longListsAreShortened()
{
    QFETCH(int, count);
    QFETCH(QString, ending);
    std::vector<std::string> names;
    for (int k = 0; k < count; ++k)
        names.push_back("f" + std::to_string(k));
    const QString text = QString::fromStdString(shortList(names));
    QVERIFY2(text.startsWith("f0, f1, f2") && text.endsWith(ending), qPrintable(text));
    QCOMPARE(text.count(','), std::min(count, 10) - 1);
}

QTEST_GUILESS_MAIN(WriteBackTest)
#include "test_write_back.moc"

void WriteBackTest::forcedWriteKeepsOtherEntries_data()
{
    QTest::addColumn<QList<int>>("ours"); // the images this catalogue changes, entry and pixels
    QTest::newRow("another image") << QList<int>{5};
    QTest::newRow("the same image too") << QList<int>{5, 2};
    QTest::newRow("the same image alone") << QList<int>{2};
}

// Overwriting at the user's word after another program wrote the index writes only the entries
// the user changed: the other program's entry stays with its file.
void WriteBackTest::forcedWriteKeepsOtherEntries()
{
    QFETCH(QList<int>, ours);
    const std::string root = folder("forced-" + std::to_string(++m_case));
    make(root, 8);
    auto change = [](Catalogue &c, int n, std::uint32_t lead, int width, int height) {
        TGPHDetails entry = c.ImageDetails[std::size_t(n)];
        entry.Lead = lead;
        entry.Width = width;
        entry.Height = height;
        QVERIFY(c.replaceIndexEntry(n, entry, c.ImageBlocks[std::size_t(n)]));
        QVERIFY(c.replaceImage(n, width, height, width * height * 4, PixelBuffer(std::size_t(width * height), lead)));
    };
    Catalogue window = loadGameFolder(root);
    for (int n : ours)
        change(window, n, 0x11110000u + std::uint32_t(n), 3, 2);
    Catalogue other = loadGameFolder(root);
    change(other, 2, 0x44444444u, 16, 8);
    applyAllChanges(other);

    WriteBackOptions overwrite;
    overwrite.overwriteChangedOnDisk = true;
    applyAllChanges(window, overwrite);
    const Catalogue now = loadGameFolder(root);
    const Catalogue shipped = makeCatalogue(8);
    for (int n = 1; n < 8; ++n) {
        const auto slot = std::size_t(n);
        const bool mine = ours.contains(n);
        const std::uint32_t lead = mine ? 0x11110000u + std::uint32_t(n) : n == 2 ? 0x44444444u : shipped.ImageDetails[slot].Lead;
        QCOMPARE(now.ImageDetails[slot].Lead, lead);
        QCOMPARE(std::int64_t(now.ImageSizes[slot]), std::int64_t(now.ImageDetails[slot].Width) * now.ImageDetails[slot].Height * 4);
        // The window's catalogue holds what the folder holds, and nothing marked changed.
        QVERIFY(window.ImageDetails[slot] == now.ImageDetails[slot] && window.ImageSizes[slot] == now.ImageSizes[slot]);
        QVERIFY(!window.imageChanged(n));
    }
    QVERIFY(!window.indexChanged());
}
