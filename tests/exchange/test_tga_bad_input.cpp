#include <QtTest>

#include "game_file_error.h"
#include "tga_fixtures.h"
#include "tga_import.h"
#include "tga_rle_refused.h"

using namespace TgaFixtures;

namespace {

const std::string RleText = "Sorry but Tessary can't read RLE encoded .tga files.";

TgaHeader header(int type, int width, int height, int depth)
{
    TgaHeader h;
    h.ImageType = std::uint8_t(type);
    h.Width = std::uint16_t(width);
    h.Height = std::uint16_t(height);
    h.PixelDepth = std::uint8_t(depth);
    h.Descriptor = 0x20;
    return h;
}

// What importing a file did: empty when it was taken, else the message, with the picture checked unchanged.
QString importInto(bool font, const std::string &file)
{
    Catalogue c = makeCatalogue({{3, 2}, {5, 4}});
    const Catalogue before = c;
    try {
        if (font)
            importFontTga(c, 4, file);
        else
            importImageTga(c, 2, file);
    } catch (const GameFileError &error) {
        if (c.ImageSizes != before.ImageSizes || c.ImagePixels[2] != before.ImagePixels[2]
            || c.ImageDetails[2].Width != before.ImageDetails[2].Width || c.ImageDetails[2].Height != before.ImageDetails[2].Height
            || c.FontBitmaps != before.FontBitmaps)
            return QStringLiteral("CHANGED BY A REFUSED FILE");
        if (error.path() != file)
            return QStringLiteral("WRONG FILE NAMED: ") + QString::fromStdString(error.path());
        return QString::fromStdString(error.reason());
    }
    return QString();
}

} // namespace

// Every image type byte, and the extreme sizes, through the import a user runs from the
// context menu: each file is either taken whole or refused with a message, the picture unchanged.
class TgaBadInputTest : public QObject {
    Q_OBJECT

private slots:
    void everyImageType_data();
    void everyImageType();
    void extremeSizes_data();
    void extremeSizes();

private:
    QTemporaryDir m_dir;
    std::string file(const QString &name) const { return (m_dir.path() + "/" + name).toStdString(); }
};

void TgaBadInputTest::everyImageType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("font");
    for (int type = 0; type <= 255; ++type) {
        QTest::addRow("image, type %d", type) << type << false;
        QTest::addRow("font sheet, type %d", type) << type << true;
    }
}

void TgaBadInputTest::everyImageType()
{
    QFETCH(int, type);
    QFETCH(bool, font);
    const std::string path = file(QStringLiteral("type%1%2.tga").arg(type).arg(font ? "f" : "i"));
    // A header and pixels that would be read correctly under the right type.
    if (font)
        writeFile(path, buildTga(header(type, 256, 256, 8), {}, {}, Bytes(FontSheetBytes, 0x77)));
    else
        writeFile(path, buildTga(header(type, 2, 2, 32), {}, {}, Bytes(16, 0x77)));

    const QString outcome = importInto(font, path);
    const int accepted = font ? 3 : 2;
    if (type == accepted)
        QCOMPARE(outcome, QString());
    else if (type >= 9 && type <= 11)
        QCOMPARE(outcome, QString::fromStdString(RleText));
    else if (!font && type == 3)
        QVERIFY2(outcome.contains("32-bit grey-scale"), qPrintable(outcome));
    else if (font && type == 2)
        QVERIFY2(outcome.contains("8-bit true-colour"), qPrintable(outcome));
    else
        QVERIFY2(outcome.contains(QStringLiteral("image type %1").arg(type)), qPrintable(outcome));
}

void TgaBadInputTest::extremeSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pixelBytes");
    QTest::addColumn<QString>("expected"); // empty: taken
    QTest::newRow("0 x 0") << 0 << 0 << 0 << QString();
    QTest::newRow("0 x 65535") << 0 << 65535 << 0 << QString();
    QTest::newRow("65535 x 65535, 16 bytes of pixels") << 65535 << 65535 << 16 << "more than the 2147483647 a menu image can hold";
    QTest::newRow("65535 x 1, one pixel short") << 65535 << 1 << 65535 * 4 - 4 << "reading beyond the end of the file";
}

void TgaBadInputTest::extremeSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, pixelBytes);
    QFETCH(QString, expected);
    const std::string path = file(QStringLiteral("size%1x%2.tga").arg(width).arg(height));
    writeFile(path, buildTga(header(2, width, height, 32), {}, {}, Bytes(std::size_t(pixelBytes), 0x11)));
    const QString outcome = importInto(false, path);
    if (expected.isEmpty())
        QCOMPARE(outcome, QString());
    else
        QVERIFY2(outcome.contains(expected), qPrintable(outcome));

    if (expected.isEmpty()) {
        Catalogue c = makeCatalogue({{3, 2}, {5, 4}});
        importImageTga(c, 2, path);
        QCOMPARE(c.ImageDetails[2].Width, width);
        QCOMPARE(c.ImageDetails[2].Height, height);
        QCOMPARE(c.ImageSizes[2], width * height * 4);
    }
}

QTEST_GUILESS_MAIN(TgaBadInputTest)
#include "test_tga_bad_input.moc"
