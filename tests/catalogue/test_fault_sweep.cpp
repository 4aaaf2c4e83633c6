#include <QtTest>

#include <filesystem>
#include <map>
#include <QRegularExpression>

#include "catalogue.h"
#include "file_ops.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "index_file.h"
#include "write_back.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;
using FileOps::FaultKind;

Q_DECLARE_METATYPE(FaultKind)

namespace {

constexpr int Slots = 4;

struct FaultOff {
    ~FaultOff() { FileOps::injectFault(0, FaultKind::NotFound); }
};

// The bytes each game file should hold once the catalogue is written back.
std::map<std::string, std::vector<std::uint8_t>> expectedFiles(const Catalogue &c)
{
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (int n = 1; n < c.ImageCount; ++n) {
        const auto *p = reinterpret_cast<const std::uint8_t *>(c.ImagePixels[std::size_t(n)].data());
        files[GamePaths::image(c.GP4Path, n)].assign(p, p + c.ImageSizes[std::size_t(n)]);
    }
    files[GamePaths::index(c.GP4Path)] = IndexFile::encode(c);
    for (int i = 0; i < FontCount; ++i)
        files[GamePaths::font(c.GP4Path, i)] = FontFile::encode(c.FontDetails[std::size_t(i)], c.FontBitmaps[std::size_t(i)]);
    return files;
}

// A loaded catalogue with every file's content changed, so that old and new can be told apart.
Catalogue changedCatalogue(const std::string &root)
{
    Catalogue c = loadGameFolder(root);
    for (int n = 1; n < c.ImageCount; ++n) {
        c.ImagePixels[std::size_t(n)][0] ^= 0x00FFFFFFu;
        c.markImageChanged(n);
    }
    c.ImageDetails[2].Width += 1;
    for (int i = 0; i < FontCount; ++i) {
        c.FontBitmaps[std::size_t(i)][100] ^= 0xFF;
        c.markFontChanged(i);
    }
    return c;
}

// What the files named in expected hold now.
std::map<std::string, std::vector<std::uint8_t>> filesNow(const std::map<std::string, std::vector<std::uint8_t>> &expected)
{
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto &entry : expected)
        files[entry.first] = readFile(entry.first);
    return files;
}

// True when the game folder holds exactly the old files or exactly the new ones.
bool allOldOrAllNew(const std::map<std::string, std::vector<std::uint8_t>> &oldFiles,
                    const std::map<std::string, std::vector<std::uint8_t>> &newFiles, QString &state)
{
    bool allOld = true, allNew = true;
    for (const auto &[path, bytes] : newFiles) {
        const auto now = readFile(path);
        allOld = allOld && now == oldFiles.at(path);
        allNew = allNew && now == bytes;
    }
    state = allNew ? "all new" : allOld ? "all old" : "mixed";
    return allOld || allNew;
}

// Files of a write-back left in the folder: unfinished files, originals moved aside, the journal.
QStringList leftovers(const std::string &root)
{
    QStringList left;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tessary-") != std::string::npos || name == "tessary-write-back.journal")
            left << QString::fromStdString(entry.path().string());
    }
    return left;
}

long countOperations(const std::function<void()> &run)
{
    FaultOff off;
    FileOps::injectFault(0, FaultKind::NotFound);
    run();
    return FileOps::operationCount();
}

void addSweepRows(long total)
{
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<int>("failAt");
    const std::pair<const char *, FaultKind> kinds[] = {{"not found", FaultKind::NotFound},
                                                         {"access denied", FaultKind::AccessDenied},
                                                         {"disk full", FaultKind::DiskFull},
                                                         {"short read", FaultKind::ShortRead}};
    for (const auto &[name, kind] : kinds)
        for (int k = 1; k <= total; ++k)
            QTest::addRow("%s at operation %d", name, k) << kind << k;
}

bool sameCatalogue(const Catalogue &a, const Catalogue &b)
{
    if (a.GP4Path != b.GP4Path || a.ImageCount != b.ImageCount || a.ImageSizes != b.ImageSizes || a.FontBitmaps != b.FontBitmaps)
        return false;
    for (int n = 1; n < a.ImageCount; ++n)
        if (a.ImagePixels[std::size_t(n)] != b.ImagePixels[std::size_t(n)])
            return false;
    return true;
}

} // namespace

class FaultSweepTest : public QObject {
    Q_OBJECT

private slots:
    void writeBack_data();
    void writeBack();
    void crashAtEveryStep_data();
    void crashAtEveryStep();
    void loading_data();
    void loading();

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    // A new copy of one game folder made once, so that every case starts from the same files.
    std::string freshFolder()
    {
        const std::string original = m_dir.path().toStdString() + "/original";
        if (!fs::exists(original))
            make(original, Slots);
        const std::string root = m_dir.path().toStdString() + "/case" + std::to_string(++m_case);
        fs::copy(original, root, fs::copy_options::recursive);
        return root;
    }
};

void FaultSweepTest::writeBack_data()
{
    const std::string root = freshFolder();
    Catalogue c = changedCatalogue(root);
    addSweepRows(countOperations([&] { applyAllChanges(c); }));
}

void FaultSweepTest::writeBack()
{
    QFETCH(FaultKind, kind);
    QFETCH(int, failAt);
    const std::string root = freshFolder();
    Catalogue c = changedCatalogue(root);
    const auto newFiles = expectedFiles(c);
    const auto oldFiles = filesNow(newFiles);

    FaultOff off;
    FileOps::injectFault(failAt, kind);
    bool succeeded = true;
    try {
        applyAllChanges(c);
    } catch (const GameFileError &error) {
        succeeded = false;
        QVERIFY2(QString::fromUtf8(error.what()).contains("nothing was changed"), error.what());
        QVERIFY(!error.reason().empty());
    }
    FileOps::injectFault(0, kind);

    QString state;
    QVERIFY2(allOldOrAllNew(oldFiles, newFiles, state), qPrintable(state));
    QCOMPARE(state, QString(succeeded ? "all new" : "all old"));
    QCOMPARE(c.hasChanges(), !succeeded);
    if (!succeeded)
        QCOMPARE(leftovers(root), QStringList());
    // An original a failed tidying left beside a finished write-back is kept at the next opening.
    loadGameFolder(root);
    QCOMPARE(leftovers(root), QStringList());
    const std::string data = GamePaths::dataFolder(root) + "/";
    for (const auto &[path, bytes] : oldFiles)
        QVERIFY2(!succeeded || readFile(GamePaths::original(root, path.substr(data.size()))) == bytes, path.c_str());
}

void FaultSweepTest::crashAtEveryStep_data()
{
    const std::string root = freshFolder();
    Catalogue c = changedCatalogue(root);
    const long total = countOperations([&] { applyAllChanges(c); });
    QTest::addColumn<int>("crashAt");
    QTest::addColumn<bool>("loseFinishedFile");
    for (int k = 1; k <= total; ++k) {
        QTest::addRow("crash at operation %d", k) << k << false;
        QTest::addRow("crash at operation %d, a finished file lost", k) << k << true;
    }
}

void FaultSweepTest::crashAtEveryStep()
{
    QFETCH(int, crashAt);
    QFETCH(bool, loseFinishedFile);
    const std::string root = freshFolder();
    Catalogue c = changedCatalogue(root);
    const auto newFiles = expectedFiles(c);
    const auto oldFiles = filesNow(newFiles);

    {
        FaultOff off;
        FileOps::injectFault(crashAt, FaultKind::Crash);
        try {
            applyAllChanges(c);
        } catch (const FileOps::SimulatedCrash &) {
        }
    }
    const bool journalLeft = fs::exists(GamePaths::journal(root));
    if (loseFinishedFile) {
        const QStringList left = leftovers(root).filter(QRegularExpression("\\.new$"));
        if (!journalLeft || left.isEmpty())
            QSKIP("no finished file waits at this step");
        fs::remove(left.constFirst().toStdString());
    }

    // The next opening settles what the write-back left.
    QString notice;
    LoadProgress report;
    report.notice = [&](const Message &said) { notice = QString::fromStdString(said.english()); };
    const Catalogue reloaded = loadGameFolder(root, report);
    QString state;
    QVERIFY2(allOldOrAllNew(oldFiles, newFiles, state), qPrintable(state));
    if (loseFinishedFile)
        QCOMPARE(state, QString("all old"));
    QCOMPARE(journalLeft, notice.contains("cut short"));
    QVERIFY2(!journalLeft || notice.contains(state == "all new" ? "finished" : "put the earlier files back"), qPrintable(notice));
    QCOMPARE(leftovers(root), QStringList());
    QCOMPARE(reloaded.FontBitmaps == c.FontBitmaps, state == "all new");
}

void FaultSweepTest::loading_data()
{
    const std::string root = freshFolder();
    addSweepRows(countOperations([&] { loadGameFolder(root); }));
}

void FaultSweepTest::loading()
{
    QFETCH(FaultKind, kind);
    QFETCH(int, failAt);
    const std::string previous = freshFolder(), next = freshFolder();
    Catalogue live = loadGameFolder(previous);
    const Catalogue before = live;

    FaultOff off;
    FileOps::injectFault(failAt, kind);
    try {
        live = loadGameFolder(next);
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromStdString(error.path()).startsWith(QString::fromStdString(next)), error.what());
        QVERIFY(sameCatalogue(live, before));
        return;
    }
    // Only a failed attribute change is ignored; everything else must have been reported.
    FileOps::injectFault(0, kind);
    QCOMPARE(live.GP4Path, next);
    Catalogue reference = loadGameFolder(next);
    QVERIFY(sameCatalogue(live, reference));
}

QTEST_GUILESS_MAIN(FaultSweepTest)
#include "test_fault_sweep.moc"
