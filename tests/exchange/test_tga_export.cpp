#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "tga_export.h"
#include "tga_fixtures.h"

using namespace TgaFixtures;

namespace {

Bytes hexBytes(const char *hex)
{
    Bytes bytes;
    for (const QByteArray &part : QByteArray(hex).split(' '))
        bytes.push_back(std::uint8_t(part.toUInt(nullptr, 16)));
    return bytes;
}

Bytes concat(Bytes head, const Bytes &tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TgaExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FileOps::injectFault(0, FileOps::FaultKind::NotFound); }

    void threeDigitNames_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "000";
        QTest::newRow("7") << 7 << "007";
        QTest::newRow("9") << 9 << "009";
        QTest::newRow("10") << 10 << "010";
        QTest::newRow("42") << 42 << "042";
        QTest::newRow("99") << 99 << "099";
        QTest::newRow("100") << 100 << "100";
        QTest::newRow("123") << 123 << "123";
        QTest::newRow("1234") << 1234 << "1234";
    }
    void threeDigitNames()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(threeDigitName(number)), name);
    }

    void imageHeaderBytes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("37 x 19") << 37 << 19 << QByteArray("00 00 02 00 00 00 00 00 00 00 00 00 25 00 13 00 20 20");
        QTest::newRow("640 x 480") << 640 << 480 << QByteArray("00 00 02 00 00 00 00 00 00 00 00 00 80 02 e0 01 20 20");
        QTest::newRow("65535 x 1") << 65535 << 1 << QByteArray("00 00 02 00 00 00 00 00 00 00 00 00 ff ff 01 00 20 20");
        QTest::newRow("0 x 0") << 0 << 0 << QByteArray("00 00 02 00 00 00 00 00 00 00 00 00 00 00 00 00 20 20");
    }
    void imageHeaderBytes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QByteArray, hex);
        const Bytes expected = hexBytes(hex.constData());
        const TgaHeaderBytes header = imageTgaHeader(std::uint16_t(width), std::uint16_t(height));
        QCOMPARE(Bytes(header.begin(), header.end()), expected);

        // The saved file starts with the same bytes, taken from the index entry.
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{1, 1}});
        c.ImageDetails[1].Width = width;
        c.ImageDetails[1].Height = height;
        const std::string name = dir.filePath("picture").toStdString();
        saveImageTga(c, 1, name);
        const Bytes file = readFile(name + ".tga");
        QVERIFY(file.size() >= 18);
        QCOMPARE(Bytes(file.begin(), file.begin() + 18), expected);
    }

    void fontFiles_data()
    {
        QTest::addColumn<int>("font");
        for (int i = 0; i < FontCount; ++i)
            QTest::newRow(FontNames[std::size_t(i)]) << i;
    }
    void fontFiles()
    {
        QFETCH(int, font);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 2}});
        // The font file's own header must not leak into the .tga header.
        c.FontDetails[std::size_t(font)].TableCount = 77;
        c.FontDetails[std::size_t(font)].HeaderWord = 0xFFFF;
        const std::string name = dir.filePath(FontNames[std::size_t(font)]).toStdString();
        saveFontTga(c, font, name);
        const Bytes expected = concat(hexBytes("00 00 03 00 00 00 00 00 00 00 00 00 00 01 00 01 08 20"), c.FontBitmaps[std::size_t(font)]);
        QCOMPARE(readFile(name + ".tga"), expected);
        const TgaHeaderBytes header = fontTgaHeader();
        QCOMPARE(Bytes(header.begin(), header.end()), Bytes(expected.begin(), expected.begin() + 18));
    }

    void imageFileIsHeaderThenPixels_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("37 x 19") << 37 << 19;
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("256 x 3") << 256 << 3;
        QTest::newRow("empty") << 0 << 0;
    }
    void imageFileIsHeaderThenPixels()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{3, 3}, {width, height}});
        const std::string name = dir.filePath("002").toStdString();
        saveImageTga(c, 2, name);
        const TgaHeaderBytes header = imageTgaHeader(std::uint16_t(width), std::uint16_t(height));
        QCOMPARE(readFile(name + ".tga"), concat(Bytes(header.begin(), header.end()), patternBgra(width, height, 2)));
    }

    // The byte count, not Width x Height x 4 nor the buffer's length, decides how much is written.
    void byteCountDecidesPixelData_data()
    {
        QTest::addColumn<int>("byteCount");
        QTest::addColumn<int>("bufferElements");
        QTest::newRow("three bytes of a last pixel") << 63 << 16;
        QTest::newRow("two bytes of a last pixel") << 62 << 16;
        QTest::newRow("one byte of a last pixel") << 61 << 16;
        QTest::newRow("fewer pixels than the size says") << 20 << 5;
        QTest::newRow("more pixels than the size says") << 80 << 20;
        QTest::newRow("buffer shorter than the byte count") << 66 << 16;
        QTest::newRow("no pixel data") << 0 << 0;
    }
    void byteCountDecidesPixelData()
    {
        QFETCH(int, byteCount);
        QFETCH(int, bufferElements);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{4, 4}});
        const Bytes all = patternBgra(8, 8, 9);
        c.ImagePixels[1] = bufferOf(Bytes(all.begin(), all.begin() + bufferElements * 4));
        c.ImageSizes[1] = byteCount;
        const std::string name = dir.filePath("odd").toStdString();
        saveImageTga(c, 1, name);

        Bytes pixels(all.begin(), all.begin() + std::min(byteCount, bufferElements * 4));
        pixels.resize(std::size_t(byteCount), 0);
        const TgaHeaderBytes header = imageTgaHeader(4, 4);
        QCOMPARE(readFile(name + ".tga"), concat(Bytes(header.begin(), header.end()), pixels));
    }

    void sidesATgaCannotHoldAreRefused_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("why");
        QTest::newRow("negative width") << -1 << 10 << "is -1 pixels wide";
        QTest::newRow("width 65536") << 65536 << 10 << "is 65536 pixels wide";
        QTest::newRow("negative height") << 10 << -480 << "is -480 pixels high";
        QTest::newRow("height 70000") << 10 << 70000 << "is 70000 pixels high";
    }
    void sidesATgaCannotHoldAreRefused()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, why);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 2}, {2, 2}});
        c.ImageDetails[2].Width = width;
        c.ImageDetails[2].Height = height;
        const std::string name = dir.filePath("big").toStdString();
        try {
            saveImageTga(c, 2, name);
            QFAIL("the export was not refused");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.path()), QString::fromStdString(name + ".tga"));
            const QString reason = QString::fromStdString(error.reason());
            QVERIFY2(reason.startsWith("image 2 " + why), qPrintable(reason));
            QVERIFY2(reason.contains("65535"), qPrintable(reason));
        }
        QVERIFY(filesIn(dir.path()).isEmpty());
    }

    void extensionIsAlwaysAppended_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << "car" << "car.tga";
        QTest::newRow("name with .tga") << "car.tga" << "car.tga.tga";
        QTest::newRow("font file name") << "badfont1000.gpf" << "badfont1000.gpf.tga";
    }
    void extensionIsAlwaysAppended()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{5, 3}});
        saveImageTga(c, 1, dir.filePath(typed).toStdString());
        QCOMPARE(filesIn(dir.path()), QStringList{written});
    }

    void exportReplacesAnExistingFileWithTheSameBytes()
    {
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{37, 19}});
        const std::string name = dir.filePath("again").toStdString();
        writeFile(name + ".tga", Bytes(100000, 0xEE));
        saveImageTga(c, 1, name);
        const Bytes first = readFile(name + ".tga");
        saveImageTga(c, 1, name);
        QCOMPARE(readFile(name + ".tga"), first);
        QCOMPARE(first.size(), std::size_t(18 + 37 * 19 * 4));
        QCOMPARE(filesIn(dir.path()), QStringList{"again.tga"});
    }

    void saveAllWritesEveryImageInOrder_data()
    {
        QTest::addColumn<int>("images");
        QTest::newRow("no image slots") << 0;
        QTest::newRow("one image") << 1;
        QTest::newRow("twelve images") << 12;
    }
    void saveAllWritesEveryImageInOrder()
    {
        QFETCH(int, images);
        QTemporaryDir dir;
        std::vector<std::pair<int, int>> sizes;
        for (int n = 1; n <= images; ++n)
            sizes.push_back({n, 13 - n});
        const Catalogue c = makeCatalogue(sizes);
        std::vector<int> steps;
        saveAllImagesTga(c, dir.path().toStdString() + "/", [&](int n) { steps.push_back(n); });

        QStringList expectedNames;
        std::vector<int> expectedSteps;
        for (int n = 1; n <= images; ++n) {
            expectedNames << QString::fromStdString(threeDigitName(n) + ".tga");
            expectedSteps.push_back(n);
            const TgaHeaderBytes header = imageTgaHeader(std::uint16_t(n), std::uint16_t(13 - n));
            QCOMPARE(readFile(dir.filePath(expectedNames.last()).toStdString()),
                     concat(Bytes(header.begin(), header.end()), patternBgra(n, 13 - n, n)));
        }
        QCOMPARE(filesIn(dir.path()), expectedNames);
        QCOMPARE(steps, expectedSteps);
    }

    void saveAllStopsAtTheFirstFailure()
    {
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 2}, {3, 3}, {4, 4}});
        c.ImageDetails[2].Width = 70000;
        std::vector<int> steps;
        QVERIFY_THROWS_EXCEPTION(GameFileError, saveAllImagesTga(c, dir.path().toStdString() + "/", [&](int n) { steps.push_back(n); }));
        QCOMPARE(filesIn(dir.path()), QStringList{"001.tga"});
        QCOMPARE(steps, (std::vector<int>{1, 2}));
    }

    void missingFolderIsReportedWithTheFileName()
    {
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{2, 2}});
        const std::string name = dir.filePath("no-such-folder/001").toStdString();
        try {
            saveImageTga(c, 1, name);
            QFAIL("writing into a missing folder succeeded");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.path()), QString::fromStdString(name + ".tga"));
            QCOMPARE(QString::fromStdString(error.reason()), QString(FailureText::NotFound));
        }
    }

    // Whichever step fails (create, header, pixels, close, move), the chosen name holds either
    // nothing or the file it held before, and no temporary file is left behind.
    void failureLeavesNoPartialFile_data()
    {
        QTest::addColumn<int>("failingStep");
        QTest::addColumn<bool>("fileExisted");
        QTest::addColumn<bool>("font");
        for (int step = 1; step <= 5; ++step) {
            for (bool existed : {false, true}) {
                QTest::addRow("image, step %d%s", step, existed ? ", replacing" : "") << step << existed << false;
                QTest::addRow("font, step %d%s", step, existed ? ", replacing" : "") << step << existed << true;
            }
        }
    }
    void failureLeavesNoPartialFile()
    {
        QFETCH(int, failingStep);
        QFETCH(bool, fileExisted);
        QFETCH(bool, font);
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{37, 19}});
        const std::string name = dir.filePath("pic").toStdString();
        const auto save = [&] { font ? saveFontTga(c, 3, name) : saveImageTga(c, 1, name); };

        FileOps::resetCount();
        save();
        QCOMPARE(FileOps::operationCount(), 5L);
        const Bytes whole = readFile(name + ".tga");
        QVERIFY(QFile::remove(QString::fromStdString(name + ".tga")));

        const Bytes before(321, 0x5A);
        if (fileExisted)
            writeFile(name + ".tga", before);
        FileOps::injectFault(failingStep, FileOps::FaultKind::DiskFull);
        try {
            save();
            QFAIL("the injected failure was not reported");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.path()), QString::fromStdString(name + ".tga"));
            QCOMPARE(QString::fromStdString(error.reason()), QString(FailureText::DiskFull));
        }
        FileOps::injectFault(0, FileOps::FaultKind::NotFound);
        QCOMPARE(filesIn(dir.path()), fileExisted ? QStringList{"pic.tga"} : QStringList{});
        if (fileExisted)
            QCOMPARE(readFile(name + ".tga"), before);

        save();
        QCOMPARE(readFile(name + ".tga"), whole);
    }

    void numbersWithoutAPictureAreRefused_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("font");
        QTest::newRow("image slot 0") << 0 << false;
        QTest::newRow("image past the last") << 3 << false;
        QTest::newRow("negative image") << -1 << false;
        QTest::newRow("font 6") << 6 << true;
        QTest::newRow("font -1") << -1 << true;
    }
    void numbersWithoutAPictureAreRefused()
    {
        QFETCH(int, number);
        QFETCH(bool, font);
        QTemporaryDir dir;
        const Catalogue c = makeCatalogue({{2, 2}, {2, 2}});
        const std::string name = dir.filePath("x").toStdString();
        if (font)
            QVERIFY_THROWS_EXCEPTION(GameFileError, saveFontTga(c, number, name));
        else
            QVERIFY_THROWS_EXCEPTION(GameFileError, saveImageTga(c, number, name));
        QVERIFY(filesIn(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TgaExportTest)
#include "test_tga_export.moc"
