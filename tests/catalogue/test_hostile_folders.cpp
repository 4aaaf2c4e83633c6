#include <QtTest>

#include <filesystem>
#include <map>

#include "catalogue.h"
#include "folder_recovery.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "kept_originals.h"
#include "write_back.h"
#include "write_journal.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;

namespace {

const std::string Staged = ".tessary-1-0123456789abcdef.new";
const std::string Aside = ".tessary-1-fedcba9876543210.old";
const std::vector<std::uint8_t> NewBytes{'n', 'e', 'w', '!', 'n', 'e', 'w', '!'};

// Everything below root as it stands: each entry's kind, permission bits, link target and bytes.
std::map<std::string, std::string> stateOf(const std::string &root)
{
    std::map<std::string, std::string> state;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        const fs::file_status status = entry.symlink_status();
        std::string what = std::to_string(int(status.type())) + " " + std::to_string(int(status.permissions()));
        if (fs::is_symlink(status))
            what += " -> " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status)) {
            const std::vector<std::uint8_t> bytes = readFile(entry.path().string());
            what += " " + std::string(bytes.begin(), bytes.end());
        }
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        if (!relative.ends_with("tessary.lock"))
            state[relative] = what;
    }
    return state;
}

} // namespace

class HostileFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void nothingOutsideIsTouched_data();
    void nothingOutsideIsTouched();
    void craftedJournals_data();
    void craftedJournals();

private:
    QTemporaryDir m_dir;
    int m_case = 0;
};

void HostileFoldersTest::nothingOutsideIsTouched_data()
{
    QTest::addColumn<QString>("plant");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("reason"); // empty when the action succeeds
    QTest::newRow("a game file links outside") << "link images/2.gpi" << "apply" << "images/2.gpi: is a symbolic link";
    QTest::newRow("the index links outside") << "link Gp2001.gph" << "apply" << "Gp2001.gph: is a symbolic link";
    QTest::newRow("checked through a linked game file") << "link images/2.gpi" << "check" << "";
    QTest::newRow("a stray original aside links outside") << QString::fromStdString("link images/2.gpi" + Aside) << "open" << "";
    QTest::newRow("a stray new file links outside") << QString::fromStdString("link images/2.gpi" + Staged) << "open" << "";
    QTest::newRow("the images folder links outside") << "link images" << "open" << "";
    QTest::newRow("the originals folder links outside") << "link tessary-originals" << "apply"
                                                         << "tessary-originals: is a symbolic link";
    QTest::newRow("the originals' image folder links outside") << "link tessary-originals/images" << "apply"
                                                                << "tessary-originals/images: is a symbolic link";
    QTest::newRow("a kept original links outside") << "link tessary-originals/images/2.gpi" << "apply" << "is a symbolic link";
    QTest::newRow("a kept original links outside, restored") << "link tessary-originals/images/2.gpi" << "restore image"
                                                             << "is a symbolic link";
    QTest::newRow("the originals folder is a file") << "file tessary-originals" << "apply" << "is a file, not a folder";
    QTest::newRow("a truncated kept original") << "file tessary-originals/images/2.gpi" << "restore image"
                                               << "holds 10 bytes, but the game's index gives image 2 3 \u00d7 4 pixels";
    QTest::newRow("a damaged kept font") << "file tessary-originals/fonts/badfont1000.gpf" << "restore font"
                                         << "tessary-originals/fonts/badfont1000.gpf";
    QTest::newRow("read-only files, checked") << "read-only images/3.gpi" << "check" << "";
}

void HostileFoldersTest::nothingOutsideIsTouched()
{
    QFETCH(QString, plant);
    QFETCH(QString, action);
    QFETCH(QString, reason);
#ifdef _WIN32
    if (plant.startsWith("link") || plant.startsWith("read-only"))
        QSKIP("links need administrator rights on Windows, and permission bits are POSIX's");
#endif
    const std::string base = m_dir.path().toStdString() + "/case-" + std::to_string(++m_case);
    const std::string root = base + "/game", outside = base + "/outside";
    make(root, 6);
    const std::string data = GamePaths::dataFolder(root);
    const std::string name = plant.section(' ', 1).toStdString(), at = data + "/" + name;
    fs::create_directories(outside);
    writeFile(outside + "/victim", readFile(fs::is_regular_file(at) ? at : GamePaths::image(root, 2)));
    fs::permissions(outside + "/victim", fs::perms::owner_read | fs::perms::group_read);
    const std::vector<std::uint8_t> oldImage = readFile(GamePaths::image(root, 2));
    fs::create_directories(fs::path(at).parent_path());
    if (plant == "link images") {
        // The user's own folder link: the images and a few look-alike names live outside.
        fs::rename(at, outside + "/images");
        for (const std::string &stray : {std::string("notes.txt.tessary-new"), "report" + Aside, "5.gpi" + Aside})
            writeFile(outside + "/images/" + stray, {'x'});
        fs::create_directory_symlink(outside + "/images", at);
    } else if (plant.startsWith("link tessary-originals") && !name.ends_with(".gpi")) {
        fs::create_directory_symlink(outside, at);
    } else if (plant.startsWith("link")) {
        fs::remove(at);
        fs::create_symlink(outside + "/victim", at);
        if (name.ends_with(Aside)) // with the original kept already, an original aside is only removed
            writeFile(GamePaths::original(root, GamePaths::relativeImage(2)), oldImage);
    } else if (plant.startsWith("file")) {
        writeFile(at, std::vector<std::uint8_t>(10, 'k'));
    } else {
        fs::permissions(at, fs::perms::owner_read);
    }
    const auto outsideBefore = stateOf(outside), folderBefore = stateOf(root);

    try {
        if (action == "check") {
            loadGameFolder(root, {}, LoadPurpose::Reading);
        } else if (action == "open") {
            loadGameFolder(root);
        } else if (action == "apply") {
            Catalogue c = loadGameFolder(root);
            c.replaceImage(2, 2, 2, 16, PixelBuffer(4, 0x01020304u));
            applyAllChanges(c);
            QVERIFY(readFile(GamePaths::original(root, GamePaths::relativeImage(2))) == oldImage);
        } else {
            Catalogue c = loadGameFolder(root);
            const Catalogue loaded = c;
            if (action == "restore image")
                KeptOriginals::restoreImage(c, 2);
            else
                KeptOriginals::restoreFont(c, 0);
            QVERIFY(!c.hasChanges() && c.ImagePixels == loaded.ImagePixels && c.FontBitmaps == loaded.FontBitmaps);
        }
        QVERIFY2(reason.isEmpty(), "the action went ahead");
    } catch (const GameFileError &error) {
        QVERIFY2(!reason.isEmpty() && QString::fromUtf8(error.what()).contains(QDir::toNativeSeparators(reason)), error.what());
    }
    QVERIFY(stateOf(outside) == outsideBefore);
    if (action != "apply" || !reason.isEmpty())
        QVERIFY(action == "open" || stateOf(root) == folderBefore);
}

void HostileFoldersTest::craftedJournals_data()
{
    QTest::addColumn<QStringList>("entries"); // "<image> <state of its files>"
    QTest::addColumn<QString>("outcome");     // refused, finished or undone
    QTest::addColumn<QString>("reason");
    QTest::newRow("five files in place and one missing, none set aside")
        << QStringList{"1 new", "2 new", "3 new", "4 new", "5 new", "6 missing"} << "refused"
        << "images/6.gpi and its new file are both missing";
    QTest::newRow("originals named but never moved") << QStringList{"1 undone", "2 undone", "3 undone"} << "undone" << "";
    QTest::newRow("a game file gone with its original") << QStringList{"1 moved", "2 gone"} << "refused"
                                                        << "images/2.gpi and the original the record moved aside are both missing";
    QTest::newRow("a new file that links outside") << QStringList{"1 staged link"} << "refused" << "is not a plain file";
    QTest::newRow("a game file in the way of a new one") << QStringList{"1 in the way"} << "refused"
                                                         << "images/1.gpi exists, though the record says it did not";
    QTest::newRow("an original set aside, its new file gone") << QStringList{"1 aside only"} << "undone" << "";
    QTest::newRow("cut short during the moves") << QStringList{"1 moved", "2 not begun"} << "finished" << "";
    QTest::newRow("cut short with a torn new file") << QStringList{"1 moved", "2 torn"} << "undone" << "";
    QTest::newRow("a record of 70 MB") << QStringList{"70 MB"} << "refused" << "far more than any record";
}

void HostileFoldersTest::craftedJournals()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, outcome);
    QFETCH(QString, reason);
    const std::string base = m_dir.path().toStdString() + "/journal-" + std::to_string(++m_case);
    const std::string root = base + "/game", outside = base + "/outside";
    make(root, 7);
    writeFile(outside + "/victim", {'m', 'i', 'n', 'e'});
    std::map<std::string, std::vector<std::uint8_t>> oldFiles;
    std::vector<JournalEntry> journal;
    for (const QString &line : entries) {
        if (line == "70 MB") {
            writeFile(GamePaths::journal(root), {});
            fs::resize_file(GamePaths::journal(root), 70u << 20);
            continue;
        }
        const std::string target = GamePaths::relativeImage(line.section(' ', 0, 0).toInt());
        const std::string state = line.section(' ', 1).toStdString();
        const std::string game = GamePaths::underData(root, target);
        const bool withAside = state != "new" && state != "missing" && state != "in the way";
        JournalEntry entry{target, target + Staged, withAside ? target + Aside : "", NewBytes.size()};
        oldFiles[game] = readFile(game);
        if (state == "missing" || state == "gone" || state == "aside only")
            fs::remove(game);
        if (state == "moved" || state == "aside only")
            writeFile(GamePaths::underData(root, entry.aside), oldFiles[game]);
        if (state == "moved")
            writeFile(game, NewBytes);
        if (state == "not begun" || state == "in the way" || state == "torn")
            writeFile(GamePaths::underData(root, entry.staged), state == "torn" ? std::vector<std::uint8_t>{'t'} : NewBytes);
#ifndef _WIN32
        if (state == "staged link")
            fs::create_symlink(outside + "/victim", GamePaths::underData(root, entry.staged));
#else
        if (state == "staged link")
            QSKIP("links need administrator rights on Windows");
#endif
        journal.push_back(entry);
    }
    if (!journal.empty())
        writeFile(GamePaths::journal(root), [&] { const std::string t = WriteJournal::encode(journal); return std::vector<std::uint8_t>(t.begin(), t.end()); }());
    const auto before = stateOf(root), outsideBefore = stateOf(outside);

    try {
        const std::string sentence = FolderRecovery::settle(root).english();
        QVERIFY2(outcome != "refused", "a record that does not match the disk was acted on");
        QVERIFY2(QString::fromStdString(sentence).contains(outcome == "finished" ? "has finished it" : "has put the earlier files back, so the folder is as it was"),
                 sentence.c_str());
        QVERIFY(!fs::exists(GamePaths::journal(root)));
        for (const auto &[game, bytes] : oldFiles)
            QVERIFY(readFile(game) == (outcome == "finished" ? NewBytes : bytes));
    } catch (const GameFileError &error) {
        QVERIFY2(outcome == "refused" && QString::fromUtf8(error.what()).contains(reason), error.what());
        QVERIFY(stateOf(root) == before);
    }
    QVERIFY(stateOf(outside) == outsideBefore);
}

QTEST_GUILESS_MAIN(HostileFoldersTest)
#include "test_hostile_folders.moc"
