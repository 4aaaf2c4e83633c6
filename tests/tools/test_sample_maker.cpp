#include <QtTest>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include "catalogue.h"
#include "game_paths.h"
#include "index_file.h"
#include "sample_font_painter.h"
#include "sample_plan.h"
#include "seven_segment.h"
#include "tool_runs.h"

namespace {

const QString Maker = QStringLiteral(SAMPLE_MAKER_PATH);

std::uint8_t sheetAt(const FontSheet &sheet, int x, int y) { return sheet[std::size_t(y * FontSheetSide + x)]; }

std::uint8_t alphaOf(std::uint32_t pixel) { return std::uint8_t(pixel >> 24); }

} // namespace

class SampleMakerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_first, m_second;
    QMap<QString, QByteArray> m_firstFiles;
    Catalogue m_loaded;

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_first = m_work.filePath("first");
        // Made below a folder that is not there yet, under a name outside any code page.
        m_second = m_work.filePath(QStringLiteral("Spiele/GP4 \u0141\u00f3d\u017a \u0414"));
        for (const QString &folder : {m_first, m_second}) {
            const ToolRun made = ToolRuns::run(Maker, {"--small", folder});
            QVERIFY2(made.exitCode == 0, made.err.constData());
        }
        m_firstFiles = ToolRuns::snapshot(m_first);
        m_loaded = loadGameFolder(m_first.toStdString());
    }

    void makesEveryGameFile()
    {
        QCOMPARE(m_firstFiles.size(), 1 + 1 + 40 + FontCount);
        QVERIFY(m_firstFiles.contains("gp4.exe"));
        QVERIFY(m_firstFiles.contains("MenuData/PC/GP2001/Gp2001.gph"));
        QVERIFY(m_firstFiles.contains("MenuData/PC/GP2001/images/1.gpi"));
        QVERIFY(m_firstFiles.contains("MenuData/PC/GP2001/images/40.gpi"));
        QVERIFY(!m_firstFiles.contains("MenuData/PC/GP2001/images/0.gpi"));
        for (const char *name : FontNames)
            QVERIFY2(m_firstFiles.contains(QStringLiteral("MenuData/PC/GP2001/fonts/") + name), name);
    }

    void twoRunsGiveIdenticalBytes_data()
    {
        QTest::addColumn<QString>("file");
        for (auto it = m_firstFiles.cbegin(); it != m_firstFiles.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key();
    }

    void twoRunsGiveIdenticalBytes()
    {
        QFETCH(QString, file);
        const QMap<QString, QByteArray> second = ToolRuns::snapshot(m_second);
        QCOMPARE(second.keys(), m_firstFiles.keys());
        QVERIFY(second.value(file) == m_firstFiles.value(file));
    }

    void runningAgainRemakesTheSameFolder()
    {
        const ToolRun again = ToolRuns::run(Maker, {"--small", m_first});
        QVERIFY2(again.exitCode == 0, again.err.constData());
        QVERIFY(ToolRuns::snapshot(m_first) == m_firstFiles);
    }

    void refusesARealGameFolder_data()
    {
        QTest::addColumn<bool>("exeIsFolder");
        QTest::addColumn<QByteArray>("exeBytes");
        QTest::newRow("a real gp4.exe") << false << QByteArray("MZ\x90\0\3\0\0\0", 8);
        QTest::newRow("an empty gp4.exe") << false << QByteArray();
        QTest::newRow("gp4.exe is a folder") << true << QByteArray();
    }

    void refusesARealGameFolder()
    {
        QFETCH(bool, exeIsFolder);
        QFETCH(QByteArray, exeBytes);
        QTemporaryDir game;
        const QString exe = game.filePath("gp4.exe");
        if (exeIsFolder) {
            QVERIFY(QDir(game.path()).mkdir("gp4.exe"));
        } else {
            QFile file(exe);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(exeBytes), qint64(exeBytes.size()));
        }
        const auto before = ToolRuns::snapshot(game.path());

        const ToolRun refused = ToolRuns::run(Maker, {"--small", QDir::toNativeSeparators(game.path())});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QDir::toNativeSeparators(exe).toUtf8()), refused.err.constData());
        QVERIFY(ToolRuns::snapshot(game.path()) == before);
        QVERIFY(!QDir(game.filePath("MenuData")).exists());
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("none") << QStringList();
        QTest::newRow("size without folder") << QStringList{"--small"};
        QTest::newRow("unknown size") << QStringList{"--medium", "x"};
        QTest::newRow("folder first") << QStringList{"x", "--large"};
        QTest::newRow("two folders") << QStringList{"--small", "x", "y"};
        QTest::newRow("empty folder name") << QStringList{"--small", ""};
        QTest::newRow("option for a folder") << QStringList{"--small", "--x"};
    }

    void badArguments()
    {
        QFETCH(QStringList, args);
        QTemporaryDir cwd;
        QProcess process;
        process.setWorkingDirectory(cwd.path());
        process.start(Maker, args);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("Usage"));
        QVERIFY(QDir(cwd.path()).isEmpty());
    }

    void loadsAsPlanned()
    {
        const Catalogue plan = SamplePlan::skeleton(SampleKind::Small);
        QCOMPARE(m_loaded.ImageCount, 41);
        QCOMPARE(m_loaded.IndexExtra, plan.IndexExtra);
        std::uint64_t pixelBytes = 0;
        for (int n = 1; n < plan.ImageCount; ++n) {
            const auto at = std::size_t(n);
            const TGPHDetails &want = plan.ImageDetails[at], &got = m_loaded.ImageDetails[at];
            QCOMPARE(got.Width, want.Width);
            QCOMPARE(got.Height, want.Height);
            QCOMPARE(got.Lead, want.Lead);
            QCOMPARE(got.BlockCount, want.BlockCount);
            QVERIFY(got.Trailer == want.Trailer);
            QCOMPARE(m_loaded.ImageBlocks[at].size(), plan.ImageBlocks[at].size());
            for (std::size_t b = 0; b < plan.ImageBlocks[at].size(); ++b)
                QVERIFY(m_loaded.ImageBlocks[at][b].Bytes == plan.ImageBlocks[at][b].Bytes);
            QCOMPARE(m_loaded.ImageSizes[at], want.Width * want.Height * 4);
            pixelBytes += std::uint64_t(m_loaded.ImageSizes[at]);
        }
        QCOMPARE(m_loaded.totalBytes(), pixelBytes + FontCount * FontSheetBytes);
        const std::vector<std::uint8_t> index = IndexFile::encode(m_loaded);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(index.data()), qsizetype(index.size())),
                 m_firstFiles.value("MenuData/PC/GP2001/Gp2001.gph"));
    }

    void fontTables_data()
    {
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("tableCount");
        const int counts[FontCount] = {0, 1, 16, 95, 256, 224};
        for (int i = 0; i < FontCount; ++i)
            QTest::newRow(FontNames[std::size_t(i)]) << i << counts[i];
    }

    void fontTables()
    {
        QFETCH(int, font);
        QFETCH(int, tableCount);
        const TGPFDetails &details = m_loaded.FontDetails[std::size_t(font)];
        QCOMPARE(details.TableCount, tableCount);
        QCOMPARE(details.Table.size(), std::size_t(tableCount));
        const QString file = QStringLiteral("MenuData/PC/GP2001/fonts/") + FontNames[std::size_t(font)];
        QCOMPARE(m_firstFiles.value(file).size(), qsizetype(65550 + 4 * tableCount));
    }

    void imageSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("square icon") << 32 << 32;
        QTest::newRow("wide icon") << 64 << 32;
        QTest::newRow("odd small") << 37 << 19;
        QTest::newRow("odd wide") << 333 << 77;
        QTest::newRow("odd square") << 255 << 255;
        QTest::newRow("full screen") << 1024 << 768;
    }

    void imageSizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        int found = 0;
        for (int n = 1; n < m_loaded.ImageCount; ++n) {
            const TGPHDetails &entry = m_loaded.ImageDetails[std::size_t(n)];
            if (entry.Width == width && entry.Height == height) {
                ++found;
                const QString file = QStringLiteral("MenuData/PC/GP2001/images/%1.gpi").arg(n);
                QCOMPARE(m_firstFiles.value(file).size(), qsizetype(width) * height * 4);
            }
        }
        QVERIFY(found > 0);
    }

    void opaqueFieldsCarryVariedBytes()
    {
        bool trailerAllOnesByte = false, noBlocks = false, someBlocks = false;
        for (int n = 1; n < m_loaded.ImageCount; ++n) {
            const TGPHDetails &entry = m_loaded.ImageDetails[std::size_t(n)];
            trailerAllOnesByte |= std::find(entry.Trailer.begin(), entry.Trailer.end(), 0xFF) != entry.Trailer.end();
            noBlocks |= entry.BlockCount == 0;
            someBlocks |= entry.BlockCount > 1;
        }
        QVERIFY(trailerAllOnesByte);
        QVERIFY(noBlocks);
        QVERIFY(someBlocks);
        QSet<std::uint32_t> headers;
        bool headerAllOnes = false;
        for (const TGPFDetails &font : m_loaded.FontDetails) {
            headers.insert(font.HeaderIntB);
            headerAllOnes |= font.HeaderWord == 0xFFFF || font.HeaderIntA == 0xFFFFFFFFu;
        }
        QVERIFY(headerAllOnes);
        QCOMPARE(headers.size(), FontCount);
    }

    void picturesHaveGradedAlpha()
    {
        bool opaque = false, partial = false, clear = false;
        for (int n = 1; n < m_loaded.ImageCount; ++n)
            for (std::size_t p = 0; p < m_loaded.loadedPixels(n); ++p) {
                const std::uint8_t a = alphaOf(m_loaded.ImagePixels[std::size_t(n)][p]);
                opaque |= a == 255;
                partial |= a > 0 && a < 255;
                clear |= a == 0;
            }
        QVERIFY(opaque);
        QVERIFY(partial);
        QVERIFY(clear);
    }

    void picturesAreNotFlat()
    {
        for (int n = 1; n < m_loaded.ImageCount; ++n) {
            const PixelBuffer &pixels = m_loaded.ImagePixels[std::size_t(n)];
            QSet<std::uint32_t> colours(pixels.begin(), pixels.begin() + qsizetype(m_loaded.loadedPixels(n)));
            QVERIFY2(colours.size() >= std::min<qsizetype>(10, qsizetype(m_loaded.loadedPixels(n)) / 4),
                     qPrintable(QStringLiteral("image %1 has %2 colours").arg(n).arg(colours.size())));
        }
    }

    void digitsLightTheirSegments_data()
    {
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("lit");
        QTest::newRow("0") << "0" << "abcdef";
        QTest::newRow("1") << "1" << "bc";
        QTest::newRow("2") << "2" << "abdeg";
        QTest::newRow("3") << "3" << "abcdg";
        QTest::newRow("4") << "4" << "bcfg";
        QTest::newRow("5") << "5" << "acdfg";
        QTest::newRow("6") << "6" << "acdefg";
        QTest::newRow("7") << "7" << "abc";
        QTest::newRow("8") << "8" << "abcdefg";
        QTest::newRow("9") << "9" << "abcdfg";
    }

    void digitsLightTheirSegments()
    {
        QFETCH(QString, digit);
        QFETCH(QString, lit);
        // A box of exactly one digit's proportions (1 x 2) makes the digit fill it.
        const QPainterPath path = SevenSegment::number(digit, QRectF(0, 0, 100, 200));
        const QMap<QChar, QPointF> centres = {{'a', {50, 11}},  {'b', {89, 55}},  {'c', {89, 145}}, {'d', {50, 189}},
                                              {'e', {11, 145}}, {'f', {11, 55}}, {'g', {50, 100}}};
        for (auto it = centres.cbegin(); it != centres.cend(); ++it)
            QVERIFY2(path.contains(it.value()) == lit.contains(it.key()), qPrintable(QString("segment ") + it.key()));
    }

    void numbersFitTheirBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("one digit") << "8" << true;
        QTest::newRow("three digits") << "450" << true;
        QTest::newRow("no digits") << "x" << false;
        QTest::newRow("empty") << "" << false;
    }

    void numbersFitTheirBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, drawn);
        const QRectF box(10, 20, 300, 90);
        const QPainterPath path = SevenSegment::number(text, box);
        QCOMPARE(!path.isEmpty(), drawn);
        if (drawn) {
            QVERIFY(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(path.boundingRect()));
            QVERIFY(qAbs(path.boundingRect().center().x() - box.center().x()) < 1);
        }
    }

    void fontSheetsHoldGlyphs_data()
    {
        QTest::addColumn<int>("font");
        for (int i = 0; i < FontCount; ++i)
            QTest::newRow(FontNames[std::size_t(i)]) << i;
    }

    void fontSheetsHoldGlyphs()
    {
        QFETCH(int, font);
        const FontSheet &sheet = m_loaded.FontBitmaps[std::size_t(font)];
        QCOMPARE(SampleFontPainter::characterAt(0, 0), U' ');
        QCOMPARE(SampleFontPainter::characterAt(1, 2), U'A');
        QCOMPARE(SampleFontPainter::characterAt(0, 6), char32_t(0));
        const auto cellPeak = [&](int column, int row, int inset) {
            int peak = 0;
            for (int y = row * 16 + inset; y < row * 16 + 16 - inset; ++y)
                for (int x = column * 16 + inset; x < column * 16 + 16 - inset; ++x)
                    peak = std::max<int>(peak, sheetAt(sheet, x, y));
            return peak;
        };
        QCOMPARE(cellPeak(0, 0, 2), 0); // space
        QCOMPARE(cellPeak(0, 6, 2), 0); // control code 128
        QVERIFY(cellPeak(1, 2, 0) >= 200); // 'A'
        int greys = 0;
        for (int y = 32; y < 48; ++y)
            for (int x = 16; x < 32; ++x)
                greys += sheetAt(sheet, x, y) > 20 && sheetAt(sheet, x, y) < 200;
        QVERIFY2(greys >= 4, "the edges of 'A' are not anti-aliased");
        for (int other = 0; other < font; ++other)
            QVERIFY(m_loaded.FontBitmaps[std::size_t(other)] != sheet);
    }
};

QTEST_GUILESS_MAIN(SampleMakerTest)
#include "test_sample_maker.moc"
