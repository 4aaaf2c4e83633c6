#include <QtTest>

#include <filesystem>

#include "catalogue.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"

namespace fs = std::filesystem;
using namespace GameFolderBuilder;

namespace {

enum class Damage { Truncate, Patch, Remove, MakeFolder };

const char *const IndexFile = "Gp2001.gph";

bool sameCatalogue(const Catalogue &a, const Catalogue &b)
{
    if (a.GP4Path != b.GP4Path || a.ImageCount != b.ImageCount || a.ImageSizes != b.ImageSizes || a.FontBitmaps != b.FontBitmaps)
        return false;
    for (std::size_t n = 1; n < a.ImagePixels.size(); ++n)
        if (a.ImagePixels[n] != b.ImagePixels[n] || a.ImageDetails[n].Width != b.ImageDetails[n].Width)
            return false;
    for (int i = 0; i < FontCount; ++i)
        if (a.FontDetails[std::size_t(i)].Table != b.FontDetails[std::size_t(i)].Table)
            return false;
    return true;
}

QByteArray le32(std::int32_t v)
{
    QByteArray b(4, 0);
    for (int k = 0; k < 4; ++k)
        b[k] = char(std::uint32_t(v) >> (8 * k));
    return b;
}

} // namespace

Q_DECLARE_METATYPE(Damage)

// Every way a game folder can be damaged that a user may meet, loaded the way the program loads
// it: a clear message naming the file, the catalogue in memory unchanged, nothing on disk changed.
class BadGameFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void damagedFolder_data();
    void damagedFolder();

private:
    QTemporaryDir m_dir;
    std::string m_good;
    std::string m_template;
    int m_case = 0;
};

void BadGameFoldersTest::initTestCase()
{
    m_good = m_dir.path().toStdString() + "/good";
    m_template = m_dir.path().toStdString() + "/template";
    make(m_good, 4);
    make(m_template, 3); // entries: image 1 has 1 block, image 2 has 2
}

void BadGameFoldersTest::damagedFolder_data()
{
    QTest::addColumn<QString>("file");   // relative to MenuData/PC/GP2001
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QString beyond = "reading beyond the end of the file";
    // Field boundaries of the template's index: header, then entry 1 (1 block), entry 2 (2 blocks).
    const int boundaries[] = {0, 4, 8, 12, 14, 18, 22, 38, 70 - 1, 70, 74, 76, 80, 84, 100, 116, 148 - 1};
    for (int at : boundaries)
        QTest::addRow("index cut at byte %d", at) << IndexFile << Damage::Truncate << at << QByteArray() << beyond;
    QTest::newRow("image count -1") << IndexFile << Damage::Patch << 0 << le32(-1) << "is negative";
    QTest::newRow("image count -2147483648") << IndexFile << Damage::Patch << 0 << le32(INT32_MIN) << "is negative";
    QTest::newRow("image count 2147483647") << IndexFile << Damage::Patch << 0 << le32(INT32_MAX) << "2147483647 image slots";
    QTest::newRow("image count 1048576") << IndexFile << Damage::Patch << 0 << le32(1 << 20) << "1048576 image slots";
    QTest::newRow("65535 blocks in a short index") << IndexFile << Damage::Patch << 12 << QByteArray("\xFF\xFF", 2)
                                                   << "entry 1 runs past the end";
    QTest::newRow("index is a folder") << IndexFile << Damage::MakeFolder << 0 << QByteArray() << "folder";
    QTest::newRow("index missing") << IndexFile << Damage::Remove << 0 << QByteArray() << "file not found";

    const QString font = "fonts/style_font1250.gpf";
    QTest::newRow("table count -1") << font << Damage::Patch << 0 << le32(-1) << "is negative";
    QTest::newRow("table count -2147483648") << font << Damage::Patch << 0 << le32(INT32_MIN) << "is negative";
    QTest::newRow("table count 2147483647") << font << Damage::Patch << 0 << le32(INT32_MAX) << beyond;
    QTest::newRow("table count 16777216") << font << Damage::Patch << 0 << le32(1 << 24) << beyond;
    QTest::newRow("font header cut") << font << Damage::Truncate << 9 << QByteArray() << beyond;
    QTest::newRow("font sheet cut") << font << Damage::Truncate << 14 + 12 + 65535 << QByteArray() << beyond;
    QTest::newRow("font missing") << "fonts/texttest1250.gpf" << Damage::Remove << 0 << QByteArray() << "file not found";
    QTest::newRow("font is a folder") << "fonts/badfont1000.gpf" << Damage::MakeFolder << 0 << QByteArray() << "folder";
    QTest::newRow("first image missing") << "images/1.gpi" << Damage::Remove << 0 << QByteArray() << "file not found";
    QTest::newRow("last image missing") << "images/2.gpi" << Damage::Remove << 0 << QByteArray() << "file not found";
    QTest::newRow("image is a folder") << "images/2.gpi" << Damage::MakeFolder << 0 << QByteArray() << "folder";
}

void BadGameFoldersTest::damagedFolder()
{
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const std::string root = m_dir.path().toStdString() + "/case" + std::to_string(++m_case);
    fs::copy(m_template, root, fs::copy_options::recursive);
    const std::string target = GamePaths::underData(root, file.toStdString());
    switch (damage) {
    case Damage::Truncate:
        fs::resize_file(target, std::uintmax_t(offset));
        break;
    case Damage::Patch: {
        auto content = readFile(target);
        std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
        writeFile(target, content);
        break;
    }
    case Damage::Remove:
        fs::remove(target);
        break;
    case Damage::MakeFolder:
        fs::remove(target);
        fs::create_directory(target);
        break;
    }

    Catalogue live = loadGameFolder(m_good);
    const Catalogue before = live;
    const auto onDisk = snapshot(root);
    try {
        live = loadGameFolder(root);
        QFAIL("a damaged game folder loaded");
    } catch (const GameFileError &error) {
        QCOMPARE(QString::fromStdString(error.path()), QString::fromStdString(target));
        QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        QVERIFY(QString::fromUtf8(error.what()).startsWith(QString::fromStdString(target) + ": "));
    }
    QVERIFY(sameCatalogue(live, before));
    QVERIFY(snapshot(root) == onDisk);
}

QTEST_GUILESS_MAIN(BadGameFoldersTest)
#include "test_bad_game_folders.moc"
