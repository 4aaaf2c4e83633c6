#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

#include "catalogue.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "picture_files.h"
#include "picture_import.h"
#include "png_export.h"
#include "tga_fixtures.h"

using namespace TgaFixtures;

namespace {

// Colour type and bit depth from a PNG's IHDR chunk.
std::pair<int, int> pngKind(const Bytes &png)
{
    return png.size() < 26 ? std::pair(-1, -1) : std::pair(int(png[25]), int(png[24]));
}

std::uint32_t crc32(const Bytes &bytes, std::size_t from, std::size_t count)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t k = from; k < from + count; ++k) {
        crc ^= bytes[k];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A valid PNG of 2 x 2 pixels made by the export, whose IHDR then claims width x height.
Bytes pngClaiming(const std::string &scratch, int width, int height)
{
    saveImagePng(makeCatalogue({{2, 2}}), 1, scratch);
    Bytes png = readFile(scratch);
    for (int k = 0; k < 4; ++k) {
        png[16 + std::size_t(k)] = std::uint8_t(std::uint32_t(width) >> (24 - 8 * k));
        png[20 + std::size_t(k)] = std::uint8_t(std::uint32_t(height) >> (24 - 8 * k));
    }
    const std::uint32_t crc = crc32(png, 12, 17);
    for (int k = 0; k < 4; ++k)
        png[29 + std::size_t(k)] = std::uint8_t(crc >> (24 - 8 * k));
    return png;
}

} // namespace

// .png files: byte-exact round trips, files of every kind written by Pillow and by hand read
// exactly, and refusals that say why.
class PngExchangeTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pngs;

    std::string path(const QString &name) const { return m_dir.filePath(name).toStdString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_pngs = QStringLiteral(TEST_PNGS);
        QVERIFY2(QFileInfo::exists(m_pngs + QStringLiteral("/manifest.txt")), "the files are made by the test pngs_for_reading");
    }

    void imagesRoundTripByteForByte_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const auto &[w, h] : std::vector<std::pair<int, int>>{{1, 1}, {37, 19}, {64, 32}, {300, 2}, {2, 300}, {256, 256}})
            QTest::addRow("%d x %d", w, h) << w << h;
    }

    void imagesRoundTripByteForByte()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        Catalogue c = makeCatalogue({{width, height}});
        const std::string file = path(QStringLiteral("round.png"));
        PictureFiles::saveImage(c, 1, file, PictureFiles::Format::Png);
        QCOMPARE(pngKind(readFile(file)), std::pair(6, 8)); // RGBA, 8 bits a channel

        const DecodedImage read = PictureFiles::reader().readImage(file);
        QCOMPARE(read.Width, width);
        QCOMPARE(read.Height, height);
        QCOMPARE(read.ByteCount, width * height * 4);
        // Alpha 0 and partial alpha under bright colours: nothing premultiplied away.
        QVERIFY(bytesOf(read.Pixels, std::size_t(read.ByteCount)) == patternBgra(width, height, 1));
        QVERIFY(!importImage(c, 1, file, PictureFiles::reader()));
        QVERIFY(!c.imageChanged(1));
    }

    void fontSheetsRoundTripAsGrey()
    {
        Catalogue c = makeCatalogue({{1, 1}});
        for (int i = 0; i < FontCount; ++i) {
            const std::string file = path(QStringLiteral("sheet%1.png").arg(i));
            PictureFiles::saveFont(c, i, file, PictureFiles::Format::Png);
            QCOMPARE(pngKind(readFile(file)), std::pair(0, 8)); // grey, 8 bits
            QVERIFY(PictureFiles::reader().readFont(file) == c.FontBitmaps[std::size_t(i)]);
        }
    }

    // Every colour type x bit depth x transparency, plain and interlaced: each file is read with
    // the pixels the PNG standard defines, or refused with the reason.
    void filesOfEveryKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // "width height", or the reason of a refusal
        QFile manifest(m_pngs + QStringLiteral("/manifest.txt"));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        for (const QByteArray &line : manifest.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() >= 3)
                QTest::newRow(fields[1].constData()) << QString::fromLatin1(fields[0]) << QString::fromLatin1(fields[1])
                                                     << QString::fromUtf8(line.mid(fields[0].size() + fields[1].size() + 2));
        }
    }

    void filesOfEveryKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const std::string base = (m_pngs + QLatin1Char('/') + name).toStdString();
        if (kind == QLatin1String("font")) {
            QVERIFY(PictureFiles::reader().readFont(base + ".png") == readFile(base + ".grey"));
            return;
        }
        if (kind == QLatin1String("refused")) {
            try {
                PictureFiles::reader().readImage(base + ".png");
                QFAIL("the file was taken");
            } catch (const GameFileError &error) {
                QCOMPARE(error.path(), base + ".png");
                QVERIFY2(QString::fromStdString(error.reason()).contains(expected), error.what());
            }
            return;
        }
        const DecodedImage read = PictureFiles::reader().readImage(base + ".png");
        QCOMPARE(QStringLiteral("%1 %2").arg(read.Width).arg(read.Height), expected);
        const Bytes got = bytesOf(read.Pixels, std::size_t(read.ByteCount));
        const Bytes wanted = readFile(base + ".bgra");
        QCOMPARE(got.size(), wanted.size());
        for (std::size_t k = 0; k < got.size(); ++k)
            if (got[k] != wanted[k])
                QFAIL(qPrintable(QStringLiteral("pixel %1, byte %2: read %3, the file holds %4").arg(k / 4).arg(k % 4).arg(got[k]).arg(wanted[k])));
    }

    // Named .tga but holding a PNG: read by what it is.
    void pngUnderATgaName()
    {
        const std::string file = path(QStringLiteral("disguised.tga"));
        writeFile(file, readFile((m_pngs + QStringLiteral("/rgba.png")).toStdString()));
        QCOMPARE(PictureFiles::reader().readImage(file).Width, 37);
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("font");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const Bytes valid = pngClaiming(path(QStringLiteral("valid.png")), 2, 2);
        const auto bytes = [](const Bytes &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())); };
        QTest::newRow("no PNG signature") << false << QByteArray("GIF89a....") << "PNG signature";
        QTest::newRow("empty file") << false << QByteArray() << "PNG signature";
        QTest::newRow("cut after the header") << false << bytes(Bytes(valid.begin(), valid.begin() + 40)) << "damaged or cut short";
        QTest::newRow("cut in the pixels") << false << bytes(Bytes(valid.begin(), valid.end() - 20)) << "damaged or cut short";
        QTest::newRow("larger than a menu image") << false << bytes(pngClaiming(path(QStringLiteral("huge.png")), 40000, 40000)) << "2147483647";
        QTest::newRow("font sheet not 256 x 256") << true << bytes(valid) << "a font sheet must be 256 x 256";
    }

    void refusals()
    {
        QFETCH(bool, font);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const std::string file = path(QStringLiteral("bad.png"));
        writeFile(file, Bytes(bytes.begin(), bytes.end()));
        Catalogue c = makeCatalogue({{3, 3}});
        const Catalogue before = c;
        try {
            if (font)
                importFont(c, 2, file, PictureFiles::reader());
            else
                importImage(c, 1, file, PictureFiles::reader());
            QFAIL("the file was taken");
        } catch (const GameFileError &error) {
            QCOMPARE(error.path(), file);
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        }
        QVERIFY(c.ImagePixels[1] == before.ImagePixels[1] && c.FontBitmaps == before.FontBitmaps);
        QVERIFY(!c.imageChanged(1) && !c.fontChanged(2));
    }

    void exportRefusals_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("byteCount");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no pixels") << 0 << 0 << 0 << "holds no picture";
        QTest::newRow("fewer bytes than width x height x 4") << 4 << 4 << 60 << "instead of 64";
    }

    void exportRefusals()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, byteCount);
        QFETCH(QString, reason);
        Catalogue c = makeCatalogue({{4, 4}});
        c.ImageDetails[1].Width = width;
        c.ImageDetails[1].Height = height;
        c.ImageSizes[1] = byteCount;
        const std::string file = path(QStringLiteral("refused.png"));
        QVERIFY_THROWS_EXCEPTION(GameFileError, saveImagePng(c, 1, file));
        try {
            saveImagePng(c, 1, file);
        } catch (const GameFileError &error) {
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        }
        QVERIFY(!FileOps::exists(file));
    }
};

QTEST_GUILESS_MAIN(PngExchangeTest)
#include "test_png_exchange.moc"
