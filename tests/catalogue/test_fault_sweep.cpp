#include <QtTest>

#include <filesystem>
#include <map>

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
    for (int n = 1; n < c.ImageCount; ++n)
        c.ImagePixels[std::size_t(n)][0] ^= 0x00FFFFFFu;
    c.ImageDetails[2].Width += 1;
    for (FontSheet &sheet : c.FontBitmaps)
        sheet[100] ^= 0xFF;
    return c;
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
    const Catalogue c = changedCatalogue(root);
    addSweepRows(countOperations([&] { applyAllChanges(c); }));
}

void FaultSweepTest::writeBack()
{
    QFETCH(FaultKind, kind);
    QFETCH(int, failAt);
    const std::string root = freshFolder();
    const Catalogue c = changedCatalogue(root);
    const auto newFiles = expectedFiles(c);
    std::map<std::string, std::vector<std::uint8_t>> oldFiles;
    for (const auto &[path, bytes] : newFiles)
        oldFiles[path] = readFile(path);

    FaultOff off;
    FileOps::injectFault(failAt, kind);
    QString message;
    try {
        applyAllChanges(c);
    } catch (const GameFileError &error) {
        message = QString::fromUtf8(error.what());
        QVERIFY2(newFiles.count(error.path()) == 1, error.what()); // names a game file, not a scratch file
        QVERIFY(!error.reason().empty());
    }
    FileOps::injectFault(0, kind);

    const bool succeeded = message.isEmpty();
    const qsizetype listAt = message.indexOf("already replaced");
    for (const auto &[path, bytes] : newFiles) {
        const auto now = readFile(path);
        const bool listed = listAt >= 0 && message.indexOf(QString::fromStdString(path), listAt) >= 0;
        if (succeeded || listed)
            QVERIFY2(now == bytes, qPrintable(QString::fromStdString(path) + " is not the whole new file"));
        else
            QVERIFY2(now == oldFiles[path], qPrintable(QString::fromStdString(path) + " changed: " + message));
    }
    for (const auto &entry : fs::recursive_directory_iterator(root))
        QVERIFY2(!entry.path().string().ends_with(".tessary-new"), qPrintable(QString::fromStdString(entry.path().string())));
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
