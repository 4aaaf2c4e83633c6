#include <QBuffer>
#include <QImage>
#include <QImageWriter>
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

// A valid PNG of the given size made by Qt, whose IHDR then claims width x height.
Bytes pngClaiming(int width, int height)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QImageWriter(&buffer, "png").write(image);
    Bytes png(encoded.begin(), encoded.end());
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

// .png through Qt's reader and writer: byte-exact round trips, files written by Pillow, refusals.
class PngExchangeTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pillow;

    std::string path(const QString &name) const { return m_dir.filePath(name).toStdString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_pillow = QStringLiteral(PILLOW_PNGS);
        QVERIFY2(QFileInfo::exists(m_pillow + QStringLiteral("/manifest.txt")), "Pillow's files are made by the test pngs_written_by_pillow");
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

    void filesWrittenByPillow_data()
    {
        QTest::addColumn<bool>("font");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QFile manifest(m_pillow + QStringLiteral("/manifest.txt"));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        for (const QByteArray &line : manifest.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 4)
                QTest::newRow(fields[1].constData()) << (fields[0] == "font") << QString::fromLatin1(fields[1]) << fields[2].toInt()
                                                     << fields[3].toInt();
        }
    }

    void filesWrittenByPillow()
    {
        QFETCH(bool, font);
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        const std::string base = (m_pillow + QLatin1Char('/') + name).toStdString();
        if (font) {
            QVERIFY(PictureFiles::reader().readFont(base + ".png") == readFile(base + ".grey"));
            return;
        }
        const DecodedImage read = PictureFiles::reader().readImage(base + ".png");
        QCOMPARE(read.Width, width);
        QCOMPARE(read.Height, height);
        const Bytes got = bytesOf(read.Pixels, std::size_t(read.ByteCount));
        const Bytes wanted = readFile(base + ".bgra");
        QCOMPARE(got.size(), wanted.size());
        for (std::size_t k = 0; k < got.size(); ++k)
            if (got[k] != wanted[k])
                QFAIL(qPrintable(QStringLiteral("pixel %1, byte %2: read %3, Pillow's picture holds %4").arg(k / 4).arg(k % 4).arg(got[k]).arg(wanted[k])));
    }

    // Named .tga but holding a PNG: read by what it is.
    void pngUnderATgaName()
    {
        const std::string file = path(QStringLiteral("disguised.tga"));
        writeFile(file, readFile((m_pillow + QStringLiteral("/rgba.png")).toStdString()));
        QCOMPARE(PictureFiles::reader().readImage(file).Width, 37);
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("font");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const Bytes valid = pngClaiming(2, 2);
        const auto bytes = [](const Bytes &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())); };
        QTest::newRow("no PNG signature") << false << QByteArray("GIF89a....") << "PNG signature";
        QTest::newRow("empty file") << false << QByteArray() << "PNG signature";
        QTest::newRow("cut after the header") << false << bytes(Bytes(valid.begin(), valid.begin() + 40)) << "damaged or cut short";
        QTest::newRow("cut in the pixels") << false << bytes(Bytes(valid.begin(), valid.end() - 20)) << "damaged or cut short";
        QTest::newRow("larger than a menu image") << false << bytes(pngClaiming(40000, 40000)) << "2147483647";
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
        QVERIFY_THROWS_EXCEPTION(GameFileError, PngExport::saveImage(c, 1, file));
        try {
            PngExport::saveImage(c, 1, file);
        } catch (const GameFileError &error) {
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        }
        QVERIFY(!FileOps::exists(file));
    }
};

QTEST_GUILESS_MAIN(PngExchangeTest)
#include "test_png_exchange.moc"
