#include <QtTest>

#include <filesystem>

#include "file_ops.h"
#include "game_file_error.h"
#include "tga_export.h"
#include "tga_fixtures.h"

namespace fs = std::filesystem;
using FileOps::FaultKind;
using namespace TgaFixtures;

Q_DECLARE_METATYPE(FaultKind)

namespace {

struct FaultOff {
    ~FaultOff() { FileOps::injectFault(0, FaultKind::NotFound); }
};

Catalogue sweepCatalogue() { return makeCatalogue({{5, 3}, {1, 1}, {37, 19}, {16, 16}}); }

} // namespace

// "Save all images to .tga" with each of its file operations failing in turn: the failure is
// reported naming the file, and no partial file is left under a final name or beside it.
class SaveAllFaultSweepTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sweep_data();
    void sweep();

private:
    QTemporaryDir m_dir;
    std::map<std::string, Bytes> m_whole; // file name -> the bytes of a complete export
    int m_case = 0;
};

void SaveAllFaultSweepTest::initTestCase()
{
    const std::string reference = m_dir.path().toStdString() + "/reference/";
    fs::create_directories(reference);
    saveAllImagesTga(sweepCatalogue(), reference);
    for (const auto &entry : fs::directory_iterator(reference))
        m_whole[entry.path().filename().string()] = readFile(entry.path().string());
    QCOMPARE(m_whole.size(), std::size_t(4));
}

void SaveAllFaultSweepTest::sweep_data()
{
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<int>("failAt");
    const std::string scratch = m_dir.path().toStdString() + "/count/";
    fs::create_directories(scratch);
    FileOps::injectFault(0, FaultKind::NotFound);
    saveAllImagesTga(sweepCatalogue(), scratch);
    const long total = FileOps::operationCount();
    const std::pair<const char *, FaultKind> kinds[] = {{"not found", FaultKind::NotFound},
                                                         {"access denied", FaultKind::AccessDenied},
                                                         {"disk full", FaultKind::DiskFull}};
    for (const auto &[name, kind] : kinds)
        for (int k = 1; k <= total; ++k)
            QTest::addRow("%s at operation %d", name, k) << kind << k;
}

void SaveAllFaultSweepTest::sweep()
{
    QFETCH(FaultKind, kind);
    QFETCH(int, failAt);
    const std::string folder = m_dir.path().toStdString() + "/case" + std::to_string(++m_case) + "/";
    fs::create_directories(folder);

    FaultOff off;
    FileOps::injectFault(failAt, kind);
    try {
        saveAllImagesTga(sweepCatalogue(), folder);
        QFAIL("an injected failure went unreported");
    } catch (const GameFileError &error) {
        QVERIFY2(QString::fromStdString(error.path()).endsWith(".tga"), error.what());
        QVERIFY2(fs::path(error.path()).parent_path() == fs::path(folder).parent_path(), error.what());
    }
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        QVERIFY2(m_whole.count(name) == 1, qPrintable(QString::fromStdString(name) + " should not be there"));
        QVERIFY2(readFile(entry.path().string()) == m_whole[name], qPrintable(QString::fromStdString(name) + " is partial"));
    }
}

QTEST_GUILESS_MAIN(SaveAllFaultSweepTest)
#include "test_save_all_fault_sweep.moc"
