#include <QtTest>

#include <filesystem>
#include <sys/mount.h>

#include "catalogue.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "write_back.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;

namespace {

int stagedFilesLeft(const std::string &root)
{
    int left = 0;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        left += entry.path().string().ends_with(".tessary-new");
    return left;
}

} // namespace

class WriteBackTest : public QObject {
    Q_OBJECT

private slots:
    void unchangedFolderStaysIdentical_data();
    void unchangedFolderStaysIdentical();
    void changedImageReachesIndexAndFile();
    void deletedImageIsCreatedAgain();
    void readOnlyIndexIsOverwritten();
    void failureBeforeMovingChangesNothing_data();
    void failureBeforeMovingChangesNothing();
    void fullDiskChangesNothing();
    void failureWhileMovingNamesReplacedFiles();
    void progressFor200Slots();
    void refusesIncompleteCatalogue();

private:
    QTemporaryDir m_dir;
    std::string folder(const std::string &name) const { return m_dir.path().toStdString() + "/" + name; }
};

void WriteBackTest::unchangedFolderStaysIdentical_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<bool>("oddImages");
    QTest::newRow("no slots") << 0 << false;
    QTest::newRow("slot 0 only") << 1 << false;
    QTest::newRow("eight images") << 9 << false;
    QTest::newRow("empty and odd-length images") << 6 << true;
}

void WriteBackTest::unchangedFolderStaysIdentical()
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
    const Catalogue c = loadGameFolder(root);
    applyAllChanges(c);
    QVERIFY(snapshot(root) == before);
    applyAllChanges(c);
    QVERIFY(snapshot(root) == before);
    QCOMPARE(stagedFilesLeft(root), 0);
}

void WriteBackTest::changedImageReachesIndexAndFile()
{
    const std::string root = folder("changed");
    make(root, 5);
    const auto indexBefore = readFile(GamePaths::index(root));
    Catalogue c = loadGameFolder(root);
    c.ImageDetails[2].Width = 64;
    c.ImageDetails[2].Height = 32;
    c.ImagePixels[2].assign(64 * 32, 0x80FF0000u);
    c.ImageSizes[2] = 64 * 32 * 4;
    applyAllChanges(c);

    QCOMPARE(fs::file_size(GamePaths::image(root, 2)), std::uintmax_t(8192));
    const auto index = readFile(GamePaths::index(root));
    QCOMPARE(index.size(), indexBefore.size());
    // Entry 1 has 1 block (62 bytes); entry 2 starts at 8 + 62 and its Width at +6, Height at +10.
    const std::size_t entry2 = 8 + 46 + 16;
    std::vector<std::size_t> differing;
    for (std::size_t k = 0; k < index.size(); ++k)
        if (index[k] != indexBefore[k])
            differing.push_back(k);
    QVERIFY(!differing.empty());
    for (std::size_t k : differing)
        QVERIFY2(k >= entry2 + 6 && k < entry2 + 14, qPrintable(QString::number(k)));
    QCOMPARE(index[entry2 + 6], std::uint8_t(64));
    QCOMPARE(index[entry2 + 10], std::uint8_t(32));
}

void WriteBackTest::deletedImageIsCreatedAgain()
{
    const std::string root = folder("deleted");
    make(root, 4);
    const auto before = snapshot(root);
    const Catalogue c = loadGameFolder(root);
    fs::remove(GamePaths::image(root, 3));
    applyAllChanges(c);
    QVERIFY(snapshot(root) == before);
}

void WriteBackTest::readOnlyIndexIsOverwritten()
{
    const std::string root = folder("ro-index");
    make(root, 4);
    Catalogue c = loadGameFolder(root);
    fs::permissions(GamePaths::index(root), fs::perms::owner_read);
    c.ImageDetails[1].Width = 99;
    applyAllChanges(c);
    QCOMPARE(loadGameFolder(root).ImageDetails[1].Width, 99);
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
    c.ImageDetails[1].Width = 1234; // a change that must not reach the disk
    c.ImagePixels[1].assign(c.ImagePixels[1].size(), 0);
    const std::string data = root + "/MenuData/PC/GP2001/";
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
    int lastProgress = -1;
    try {
        applyAllChanges(c, [&](int v) { lastProgress = v; });
        QFAIL("the write-back reported success");
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromStdString(error.path()).endsWith(file), error.what());
        QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
    }
    QVERIFY(snapshot(root) == before);
    QCOMPARE(stagedFilesLeft(root), 0);
    if (damage == "no-fonts")
        QCOMPARE(lastProgress, 6); // every image had been written when the first font failed
}

void WriteBackTest::fullDiskChangesNothing()
{
    const std::string mountPoint = folder("small-disk");
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
        std::fill(c.FontBitmaps[std::size_t(i)].begin(), c.FontBitmaps[std::size_t(i)].end(), 0);
    const auto before = snapshot(root);
    try {
        applyAllChanges(c);
        QFAIL("a write-back to a full disk reported success");
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromStdString(error.reason()).contains("disk full"), error.what());
        QVERIFY2(QString::fromStdString(error.path()).contains(".gpf"), error.what());
    }
    QVERIFY(snapshot(root) == before);
    QCOMPARE(stagedFilesLeft(root), 0);
}

void WriteBackTest::failureWhileMovingNamesReplacedFiles()
{
    const std::string root = folder("moving");
    make(root, 3);
    Catalogue c = loadGameFolder(root);
    FileOps::injectFault(0, FileOps::FaultKind::AccessDenied);
    applyAllChanges(c);
    const long total = FileOps::operationCount();

    // The last operation is moving the last font into place.
    for (int i = 0; i < FontCount; ++i)
        std::fill(c.FontBitmaps[std::size_t(i)].begin(), c.FontBitmaps[std::size_t(i)].end(), std::uint8_t(100 + i));
    FileOps::injectFault(total, FileOps::FaultKind::AccessDenied);
    try {
        applyAllChanges(c);
        QFAIL("an injected failure went unreported");
    } catch (const GameFileError &error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(QString::fromStdString(error.path()).endsWith("texttest1250.gpf"), error.what());
        QVERIFY2(message.contains("already replaced"), error.what());
        QVERIFY2(message.contains("style_font_low_blur1250.gpf") && message.contains("images/2.gpi")
                     && message.contains("Gp2001.gph"),
                 error.what());
    }
    FileOps::injectFault(0, FileOps::FaultKind::AccessDenied);
    const Catalogue after = loadGameFolder(root);
    QCOMPARE(after.FontBitmaps[4].front(), std::uint8_t(104));
    QCOMPARE(after.FontBitmaps[5], makeCatalogue(3).FontBitmaps[5]); // the old texttest sheet is whole and unchanged
    QCOMPARE(stagedFilesLeft(root), 0);
}

void WriteBackTest::progressFor200Slots()
{
    const std::string root = folder("progress");
    make(root, 200);
    const Catalogue c = loadGameFolder(root);
    std::vector<int> values;
    applyAllChanges(c, [&](int v) { values.push_back(v); });
    std::vector<int> expected;
    for (int v = 1; v <= 205; ++v)
        expected.push_back(v);
    QVERIFY(values == expected);
}

void WriteBackTest::refusesIncompleteCatalogue()
{
    const std::string root = folder("incomplete");
    make(root, 4);
    const auto before = snapshot(root);
    Catalogue c;
    c.GP4Path = root;
    c.Readsizes(); // index read, images never loaded
    QVERIFY_THROWS_EXCEPTION(GameFileError, applyAllChanges(c));
    QVERIFY(snapshot(root) == before);
}

QTEST_GUILESS_MAIN(WriteBackTest)
#include "test_write_back.moc"
