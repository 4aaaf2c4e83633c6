#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "tga_decode.h"
#include "tga_export.h"
#include "tga_fixtures.h"
#include "tga_import.h"
#include "tga_rle_refused.h"

using namespace TgaFixtures;

namespace {

QByteArray toQt(const Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

Bytes fromQt(const QByteArray &bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

TgaHeader header(std::uint8_t type, int width, int height, std::uint8_t depth, std::uint8_t descriptor)
{
    TgaHeader h;
    h.ImageType = type;
    h.Width = std::uint16_t(width);
    h.Height = std::uint16_t(height);
    h.PixelDepth = depth;
    h.Descriptor = descriptor;
    return h;
}

TgaHeader mappedHeader(int width, int height, std::uint16_t first, std::uint16_t length, std::uint8_t entryBits, std::uint8_t descriptor)
{
    TgaHeader h = header(TgaColourMapped, width, height, 8, descriptor);
    h.ColourMapType = 1;
    h.ColourMapFirst = first;
    h.ColourMapLength = length;
    h.ColourMapEntryBits = entryBits;
    return h;
}

Bytes withoutAlpha(const Bytes &bgra)
{
    Bytes bgr;
    for (std::size_t k = 0; k < bgra.size(); k += 4)
        bgr.insert(bgr.end(), bgra.begin() + std::ptrdiff_t(k), bgra.begin() + std::ptrdiff_t(k + 3));
    return bgr;
}

Bytes opaque(Bytes bgra)
{
    for (std::size_t k = 3; k < bgra.size(); k += 4)
        bgra[k] = 255;
    return bgra;
}

// What a menu image is made of, for checking that a failed import changed nothing.
struct ImageState {
    Bytes Pixels;
    std::size_t Elements = 0;
    std::int32_t Size = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint32_t Lead = 0;
    std::uint16_t BlockCount = 0;
    std::array<std::uint8_t, 32> Trailer{};

    static ImageState of(const Catalogue &c, int n)
    {
        const auto s = std::size_t(n);
        return {bytesOf(c.ImagePixels[s], c.ImagePixels[s].size() * 4), c.ImagePixels[s].size(), c.ImageSizes[s],
                c.ImageDetails[s].Width, c.ImageDetails[s].Height, c.ImageDetails[s].Lead, c.ImageDetails[s].BlockCount,
                c.ImageDetails[s].Trailer};
    }
    bool operator==(const ImageState &) const = default;
};

std::string writeTemp(const QTemporaryDir &dir, const char *name, const Bytes &bytes)
{
    const std::string path = dir.filePath(name).toStdString();
    writeFile(path, bytes);
    return path;
}

} // namespace

class TgaImportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FileOps::injectFault(0, FileOps::FaultKind::NotFound); }

    void trueColourInEveryOrientation_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("descriptor");
        for (int depth : {24, 32}) {
            for (int descriptor : {0x00, 0x08, 0x10, 0x18, 0x20, 0x28, 0x30, 0x38})
                QTest::addRow("%d-bit, descriptor 0x%02x", depth, descriptor) << depth << descriptor;
        }
    }
    void trueColourInEveryOrientation()
    {
        QFETCH(int, depth);
        QFETCH(int, descriptor);
        const int width = 5;
        const int height = 3;
        const Bytes picture = patternBgra(width, height, 4);
        const Bytes stored = depth == 32 ? picture : withoutAlpha(picture);
        const Bytes file = buildTga(header(TgaTrueColour, width, height, std::uint8_t(depth), std::uint8_t(descriptor)), {}, {},
                                    inFileOrder(stored, width, height, depth / 8, std::uint8_t(descriptor)));
        const DecodedImage image = decodeImageTga("foreign.tga", file.data(), file.size());
        QCOMPARE(image.Width, width);
        QCOMPARE(image.Height, height);
        QCOMPARE(image.ByteCount, width * height * 4);
        QCOMPARE(bytesOf(image.Pixels, std::size_t(image.ByteCount)), depth == 32 ? picture : opaque(picture));
    }

    // The identification field and a colour map that true-colour pixels don't use lie before the pixels.
    void fieldsBeforeThePixelsAreSkipped_data()
    {
        QTest::addColumn<int>("idLength");
        QTest::addColumn<int>("mapEntries");
        QTest::addColumn<int>("mapBits");
        QTest::newRow("one-byte ID") << 1 << 0 << 0;
        QTest::newRow("longest ID") << 255 << 0 << 0;
        QTest::newRow("unused 24-bit map") << 0 << 7 << 24;
        QTest::newRow("ID and unused 16-bit map") << 26 << 3 << 16;
        QTest::newRow("ID and unused 32-bit map") << 9 << 256 << 32;
    }
    void fieldsBeforeThePixelsAreSkipped()
    {
        QFETCH(int, idLength);
        QFETCH(int, mapEntries);
        QFETCH(int, mapBits);
        const Bytes picture = patternBgra(6, 4, 8);
        TgaHeader h = header(TgaTrueColour, 6, 4, 32, 0x28);
        h.IdLength = std::uint8_t(idLength);
        h.ColourMapType = mapEntries > 0 ? 1 : 0;
        h.ColourMapLength = std::uint16_t(mapEntries);
        h.ColourMapEntryBits = std::uint8_t(mapBits);
        const Bytes file = buildTga(h, Bytes(std::size_t(idLength), 0x49), Bytes(std::size_t(mapEntries * mapBits / 8), 0xC3), picture);
        const DecodedImage image = decodeImageTga("with-id.tga", file.data(), file.size());
        QCOMPARE(bytesOf(image.Pixels, std::size_t(image.ByteCount)), picture);
    }

    void colourMappedFilesAreExpanded_data()
    {
        QTest::addColumn<int>("entryBits");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<int>("idLength");
        QTest::newRow("24-bit map, bottom row first") << 24 << 0 << 0x00 << 0;
        QTest::newRow("24-bit map, top row first, ID") << 24 << 0 << 0x20 << 12;
        QTest::newRow("32-bit map, bottom row first") << 32 << 0 << 0x08 << 0;
        QTest::newRow("32-bit map, right to left") << 32 << 0 << 0x30 << 3;
        QTest::newRow("24-bit map starting at entry 40") << 24 << 40 << 0x20 << 0;
        QTest::newRow("32-bit map starting at entry 200") << 32 << 200 << 0x00 << 0;
    }
    void colourMappedFilesAreExpanded()
    {
        QFETCH(int, entryBits);
        QFETCH(int, first);
        QFETCH(int, descriptor);
        QFETCH(int, idLength);
        const int width = 7;
        const int height = 5;
        const int entries = 56;
        const Bytes palette = patternBgra(entries, 1, 3); // entry k: the k-th pixel of a pattern
        Bytes map = entryBits == 32 ? palette : withoutAlpha(palette);

        Bytes indices;
        Bytes expected;
        for (int p = 0; p < width * height; ++p) {
            const int entry = (p * 5) % entries;
            indices.push_back(std::uint8_t(first + entry));
            expected.insert(expected.end(), palette.begin() + entry * 4, palette.begin() + entry * 4 + 4);
            if (entryBits == 24)
                expected.back() = 255;
        }
        TgaHeader h = mappedHeader(width, height, std::uint16_t(first), std::uint16_t(entries), std::uint8_t(entryBits),
                                   std::uint8_t(descriptor));
        h.IdLength = std::uint8_t(idLength);
        const Bytes file = buildTga(h, Bytes(std::size_t(idLength), 0x21), map,
                                    inFileOrder(indices, width, height, 1, std::uint8_t(descriptor)));
        const DecodedImage image = decodeImageTga("mapped.tga", file.data(), file.size());
        QCOMPARE(image.Width, width);
        QCOMPARE(image.Height, height);
        QCOMPARE(bytesOf(image.Pixels, std::size_t(image.ByteCount)), expected);
    }

    void greyScaleImagesBecomeOpaqueGrey_data()
    {
        QTest::addColumn<int>("descriptor");
        QTest::newRow("top row first") << 0x20;
        QTest::newRow("bottom row first") << 0x00;
        QTest::newRow("right to left") << 0x10;
    }
    void greyScaleImagesBecomeOpaqueGrey()
    {
        QFETCH(int, descriptor);
        Bytes grey;
        Bytes expected;
        for (int p = 0; p < 9 * 4; ++p) {
            grey.push_back(std::uint8_t(p * 7));
            expected.insert(expected.end(), {std::uint8_t(p * 7), std::uint8_t(p * 7), std::uint8_t(p * 7), 255});
        }
        const Bytes file = buildTga(header(TgaGreyScale, 9, 4, 8, std::uint8_t(descriptor)), {}, {},
                                    inFileOrder(grey, 9, 4, 1, std::uint8_t(descriptor)));
        const DecodedImage image = decodeImageTga("grey.tga", file.data(), file.size());
        QCOMPARE(bytesOf(image.Pixels, std::size_t(image.ByteCount)), expected);
    }

    void refusedImageFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const Bytes pixels16 = Bytes(4 * 4 * 2, 0x11);
        const Bytes pixels32 = patternBgra(4, 4, 1);
        const auto row = [](const char *name, const Bytes &file, const QString &reason) { QTest::newRow(name) << toQt(file) << reason; };

        row("RLE true-colour (10)", buildTga(header(10, 4, 4, 32, 0x20), {}, {}, pixels32), TgaRleRefused::Text);
        row("RLE colour-mapped (9)", buildTga([] { TgaHeader h = mappedHeader(4, 4, 0, 2, 24, 0x20); h.ImageType = 9; return h; }(), {}, Bytes(6, 0), Bytes(16, 0)),
            TgaRleRefused::Text);
        row("RLE grey (11)", buildTga(header(11, 4, 4, 8, 0x20), {}, {}, Bytes(16, 0)), TgaRleRefused::Text);
        row("type 32", buildTga(header(32, 4, 4, 32, 0x20), {}, {}, pixels32),
            "image type 32 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file");
        row("16-bit true-colour", buildTga(header(TgaTrueColour, 4, 4, 16, 0x21), {}, {}, pixels16),
            "16-bit true-colour .tga files can't be read; save the picture with 24 or 32 bits per pixel");
        row("15-bit true-colour", buildTga(header(TgaTrueColour, 4, 4, 15, 0x20), {}, {}, pixels16),
            "15-bit true-colour .tga files can't be read; save the picture with 24 or 32 bits per pixel");
        row("8-bit true-colour", buildTga(header(TgaTrueColour, 4, 4, 8, 0x20), {}, {}, Bytes(16, 0)),
            "8-bit true-colour .tga files can't be read; save the picture with 24 or 32 bits per pixel");
        row("16-bit colour map", buildTga(mappedHeader(4, 4, 0, 2, 16, 0x20), {}, Bytes(4, 0), Bytes(16, 0)),
            "colour maps with 16-bit entries can't be read; save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour");
        row("16-bit colour indices", buildTga([] { TgaHeader h = mappedHeader(4, 4, 0, 2, 24, 0x20); h.PixelDepth = 16; return h; }(), {}, Bytes(6, 0), Bytes(32, 0)),
            "colour-mapped .tga files with 16-bit colour indices can't be read; only 8-bit indices can");
        row("colour-mapped without a map", buildTga(header(TgaColourMapped, 4, 4, 8, 0x20), {}, {}, Bytes(16, 0)),
            "the file is colour-mapped (image type 1) but holds no colour map");
        row("colour index outside the map", buildTga(mappedHeader(4, 4, 0, 2, 24, 0x20), {}, Bytes(6, 0), Bytes{0, 1, 0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
            "pixel (0, 1) uses colour 2, which the file's colour map does not hold");
        row("colour index below the map's first entry", buildTga(mappedHeader(4, 4, 10, 2, 32, 0x00), {}, Bytes(8, 0), Bytes(16, 9)),
            "pixel (0, 0) uses colour 9, which the file's colour map does not hold");
        row("16-bit grey", buildTga(header(TgaGreyScale, 4, 4, 16, 0x20), {}, {}, pixels16),
            "16-bit grey-scale .tga files can't be read; only 8-bit grey-scale can");
        row("no image data (type 0)", buildTga(header(TgaNoImage, 4, 4, 32, 0x20), {}, {}, {}), "the file holds no picture (image type 0)");
        row("type 5", buildTga(header(5, 4, 4, 32, 0x20), {}, {}, pixels32),
            "image type 5 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file");
        row("colour map type 2", buildTga([] { TgaHeader h = header(TgaTrueColour, 4, 4, 32, 0x20); h.ColourMapType = 2; return h; }(), {}, {}, pixels32),
            "colour map type 2 is not one the .tga format defines; this is not a .tga file Tessary can read");
        row("empty file", {}, "reading beyond the end of the file (the file has only 0 bytes, a .tga header needs 18)");
        // Text saved under a .tga name: its second byte ('h') is read as the colour map type.
        const std::string text = "This is no picture: seventy bytes of plain text saved as 009.tga ...\r\n";
        row("text file", Bytes(text.begin(), text.end()),
            "colour map type 104 is not one the .tga format defines; this is not a .tga file Tessary can read");
        row("half a header", Bytes(9, 0), "reading beyond the end of the file (the file has only 9 bytes, a .tga header needs 18)");
        const Bytes whole = buildTga(header(TgaTrueColour, 4, 4, 32, 0x20), {}, {}, pixels32);
        row("one byte short", Bytes(whole.begin(), whole.end() - 1),
            "reading beyond the end of the file (the header announces a 4 x 4 picture of 32 bits per pixel, which needs 82 bytes, "
            "but the file has only 81)");
        row("24-bit read as if 32-bit would fit", buildTga(header(TgaTrueColour, 4, 4, 32, 0x20), {}, {}, Bytes(48, 0)),
            "reading beyond the end of the file (the header announces a 4 x 4 picture of 32 bits per pixel, which needs 82 bytes, "
            "but the file has only 66)");
        row("ID field beyond the end", buildTga([] { TgaHeader h = header(TgaTrueColour, 1, 1, 32, 0x20); h.IdLength = 200; return h; }(), {}, {}, Bytes(4, 0)),
            "reading beyond the end of the file (the header announces a 1 x 1 picture of 32 bits per pixel, which needs 222 bytes, "
            "but the file has only 22)");
        row("colour map beyond the end", buildTga(mappedHeader(2, 2, 0, 256, 24, 0x20), {}, Bytes(30, 0), Bytes(4, 0)),
            "reading beyond the end of the file (the header announces a 2 x 2 picture of 8 bits per pixel, which needs 790 bytes, "
            "but the file has only 52)");
        row("huge header, tiny file", buildTga(header(TgaTrueColour, 65535, 8191, 32, 0x20), {}, {}, pixels32),
            "reading beyond the end of the file (the header announces a 65535 x 8191 picture of 32 bits per pixel, which needs "
            "2147188758 bytes, but the file has only 82)");
        row("65535 x 65535", buildTga(header(TgaTrueColour, 65535, 65535, 32, 0x20), {}, {}, pixels32),
            "a 65535 x 65535 picture needs 17179344900 bytes, more than the 2147483647 a menu image can hold");
        row("exactly 2 GiB", buildTga(header(TgaTrueColour, 32768, 16384, 24, 0x20), {}, {}, pixels32),
            "a 32768 x 16384 picture needs 2147483648 bytes, more than the 2147483647 a menu image can hold");
    }
    void refusedImageFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const Bytes bytes = fromQt(file);
        try {
            decodeImageTga("refused.tga", bytes.data(), bytes.size());
            QFAIL("the file was read");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.path()), QString("refused.tga"));
            QCOMPARE(QString::fromStdString(error.reason()), reason);
            QCOMPARE(dynamic_cast<const TgaRleRefused *>(&error) != nullptr, reason == TgaRleRefused::Text);
        }

        // Through the catalogue, the image keeps everything it had.
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{3, 2}, {37, 19}});
        const ImageState before = ImageState::of(c, 2);
        const std::string path = writeTemp(dir, "refused.tga", bytes);
        try {
            importImageTga(c, 2, path);
            QFAIL("the file was imported");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.what()), QString::fromStdString(path) + ": " + reason);
        }
        QVERIFY(ImageState::of(c, 2) == before);
    }

    void rleRefusalCarriesTheBareMessage()
    {
        const Bytes file = buildTga(header(10, 2, 2, 32, 0x20), {}, {}, Bytes(16, 0));
        QVERIFY_THROWS_EXCEPTION(TgaRleRefused, decodeImageTga("x.tga", file.data(), file.size()));
        try {
            decodeFontTga("x.tga", file.data(), file.size());
            QFAIL("an RLE font sheet was read");
        } catch (const TgaRleRefused &error) {
            QCOMPARE(QString::fromStdString(error.reason()), QString("Sorry but Tessary can't read RLE encoded .tga files."));
        }
    }

    void importReplacesPixelsSizeAndDimensions_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("larger") << 37 << 19;
        QTest::newRow("smaller") << 1 << 1;
        QTest::newRow("one row") << 300 << 1;
        QTest::newRow("no width") << 0 << 12;
        QTest::newRow("empty") << 0 << 0;
    }
    void importReplacesPixelsSizeAndDimensions()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{4, 4}, {6, 6}});
        const ImageState other = ImageState::of(c, 1);
        const ImageState before = ImageState::of(c, 2);
        const Bytes picture = patternBgra(width, height, 5);
        const std::string path = writeTemp(dir, "in.tga",
                                           buildTga(header(TgaTrueColour, width, height, 32, 0x00), {}, {},
                                                    inFileOrder(picture, width, height, 4, 0x00)));
        importImageTga(c, 2, path);
        QCOMPARE(c.ImageSizes[2], width * height * 4);
        QCOMPARE(c.ImageDetails[2].Width, width);
        QCOMPARE(c.ImageDetails[2].Height, height);
        QCOMPARE(c.ImagePixels[2].size(), std::size_t(width * height));
        QCOMPARE(bytesOf(c.ImagePixels[2], std::size_t(c.ImageSizes[2])), picture);
        QCOMPARE(c.ImageDetails[2].Lead, before.Lead);
        QCOMPARE(c.ImageDetails[2].BlockCount, before.BlockCount);
        QVERIFY(c.ImageDetails[2].Trailer == before.Trailer);
        QVERIFY(ImageState::of(c, 1) == other);
    }

    // A picture exported by the program and imported again is the same picture.
    void exportedImagesComeBackUnchanged_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("37 x 19") << 37 << 19;
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("512 x 2") << 512 << 2;
        QTest::newRow("1 x 300") << 1 << 300;
        QTest::newRow("empty") << 0 << 0;
    }
    void exportedImagesComeBackUnchanged()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 3}, {width, height}});
        const ImageState before = ImageState::of(c, 2);
        const std::string name = dir.filePath("002").toStdString();
        saveImageTga(c, 2, name);
        importImageTga(c, 2, name + ".tga");
        QVERIFY(ImageState::of(c, 2) == before);

        // And into another slot, which takes the picture's width, height and bytes.
        importImageTga(c, 1, name + ".tga");
        QCOMPARE(c.ImageDetails[1].Width, width);
        QCOMPARE(c.ImageDetails[1].Height, height);
        QCOMPARE(c.ImageSizes[1], before.Size);
        QCOMPARE(bytesOf(c.ImagePixels[1], std::size_t(c.ImageSizes[1])), bytesOf(c.ImagePixels[2], std::size_t(before.Size)));
    }

    void exportedFontSheetsComeBackUnchanged_data()
    {
        QTest::addColumn<int>("font");
        for (int i = 0; i < FontCount; ++i)
            QTest::newRow(FontNames[std::size_t(i)]) << i;
    }
    void exportedFontSheetsComeBackUnchanged()
    {
        QFETCH(int, font);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 2}});
        const FontSheet before = c.FontBitmaps[std::size_t(font)];
        const std::string name = dir.filePath(FontNames[std::size_t(font)]).toStdString();
        saveFontTga(c, font, name);
        importFontTga(c, font, name + ".tga");
        QVERIFY(c.FontBitmaps[std::size_t(font)] == before);

        const int other = (font + 1) % FontCount;
        importFontTga(c, other, name + ".tga");
        QVERIFY(c.FontBitmaps[std::size_t(other)] == before);
    }

    void fontSheetsInEveryOrientation_data()
    {
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<int>("idLength");
        for (int descriptor : {0x00, 0x08, 0x10, 0x20, 0x28, 0x30})
            QTest::addRow("descriptor 0x%02x", descriptor) << descriptor << 0;
        QTest::newRow("with an ID field") << 0x00 << 30;
    }
    void fontSheetsInEveryOrientation()
    {
        QFETCH(int, descriptor);
        QFETCH(int, idLength);
        const FontSheet sheet = patternSheet(11);
        TgaHeader h = header(TgaGreyScale, 256, 256, 8, std::uint8_t(descriptor));
        h.IdLength = std::uint8_t(idLength);
        const Bytes file = buildTga(h, Bytes(std::size_t(idLength), 0x7E), {}, inFileOrder(sheet, 256, 256, 1, std::uint8_t(descriptor)));
        QVERIFY(decodeFontTga("sheet.tga", file.data(), file.size()) == sheet);
    }

    // A sheet saved in colour, as a paint program saves an RGB picture, becomes grey by its
    // luminance, as a .png sheet does; a grey pixel keeps its level.
    void colourFontSheetsBecomeGrey_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("depth");
        QTest::newRow("24-bit") << int(TgaTrueColour) << 24;
        QTest::newRow("32-bit") << int(TgaTrueColour) << 32;
        QTest::newRow("colour-mapped") << int(TgaColourMapped) << 8;
    }
    void colourFontSheetsBecomeGrey()
    {
        QFETCH(int, type);
        QFETCH(int, depth);
        const Bytes bgra = patternBgra(256, 256, 6);
        Bytes pixels, map;
        TgaHeader h = header(std::uint8_t(type), 256, 256, std::uint8_t(depth), 0x20);
        if (type == TgaColourMapped) {
            h.ColourMapType = 1;
            h.ColourMapLength = 256;
            h.ColourMapEntryBits = 24;
            for (int k = 0; k < 256; ++k)
                map.insert(map.end(), {std::uint8_t(k), std::uint8_t(255 - k), std::uint8_t(k * 7)});
            for (std::size_t k = 0; k < 65536; ++k)
                pixels.push_back(bgra[k * 4]);
        } else {
            for (std::size_t k = 0; k < 65536; ++k)
                pixels.insert(pixels.end(), bgra.begin() + std::ptrdiff_t(k * 4), bgra.begin() + std::ptrdiff_t(k * 4 + std::size_t(depth / 8)));
        }
        const Bytes file = buildTga(h, {}, map, pixels);
        const FontSheet sheet = decodeFontTga("colour.tga", file.data(), file.size());
        for (std::size_t k : {std::size_t(0), std::size_t(1), std::size_t(257), std::size_t(65535)}) {
            const std::uint8_t *bgr = type == TgaColourMapped ? &map[std::size_t(bgra[k * 4]) * 3] : &bgra[k * 4];
            const double luminance = 0.299 * bgr[2] + 0.587 * bgr[1] + 0.114 * bgr[0];
            QVERIFY2(std::abs(sheet[k] - luminance) <= 0.51, qPrintable(QString::number(k)));
        }
        const Bytes grey = buildTga(header(TgaTrueColour, 256, 256, 24, 0x20), {}, {}, Bytes(65536 * 3, 0x9C));
        QVERIFY(decodeFontTga("grey.tga", grey.data(), grey.size()) == FontSheet(65536, 0x9C));
    }

    void refusedFontFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, const Bytes &file, const QString &reason) { QTest::newRow(name) << toQt(file) << reason; };
        row("128 x 64", buildTga(header(TgaGreyScale, 128, 64, 8, 0x20), {}, {}, Bytes(65536, 0)),
            "the picture is 128 x 64 pixels; a font sheet must be 256 x 256");
        row("256 x 255", buildTga(header(TgaGreyScale, 256, 255, 8, 0x20), {}, {}, Bytes(65536, 0)),
            "the picture is 256 x 255 pixels; a font sheet must be 256 x 256");
        row("512 x 512", buildTga(header(TgaGreyScale, 512, 512, 8, 0x20), {}, {}, Bytes(65536, 0)),
            "the picture is 512 x 512 pixels; a font sheet must be 256 x 256");
        row("32-bit colour, 128 x 128", buildTga(header(TgaTrueColour, 128, 128, 32, 0x20), {}, {}, Bytes(65536, 0)),
            "the picture is 128 x 128 pixels; a font sheet must be 256 x 256");
        row("16-bit grey", buildTga(header(TgaGreyScale, 256, 256, 16, 0x20), {}, {}, Bytes(131072, 0)),
            "16-bit grey-scale .tga files can't be read; only 8-bit grey-scale can");
        row("RLE grey", buildTga(header(11, 256, 256, 8, 0x20), {}, {}, Bytes(100, 0)), TgaRleRefused::Text);
        row("one byte short", buildTga(header(TgaGreyScale, 256, 256, 8, 0x20), {}, {}, Bytes(65535, 0)),
            "reading beyond the end of the file (the header announces a 256 x 256 picture of 8 bits per pixel, which needs 65554 bytes, "
            "but the file has only 65553)");
        row("short header", Bytes(17, 0), "reading beyond the end of the file (the file has only 17 bytes, a .tga header needs 18)");
    }
    void refusedFontFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const Bytes bytes = fromQt(file);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{2, 2}});
        const FontSheet before = c.FontBitmaps[4];
        const std::string path = writeTemp(dir, "font.tga", bytes);
        try {
            importFontTga(c, 4, path);
            QFAIL("the file was imported");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.path()), QString::fromStdString(path));
            QCOMPARE(QString::fromStdString(error.reason()), reason);
        }
        QVERIFY(c.FontBitmaps[4] == before);
    }

    void bytesAfterThePictureAreIgnored()
    {
        const Bytes picture = patternBgra(3, 3, 2);
        Bytes file = buildTga(header(TgaTrueColour, 3, 3, 32, 0x20), {}, {}, picture);
        const Bytes footer = fromQt(QByteArray(26, '\0') + "TRUEVISION-XFILE.");
        file.insert(file.end(), footer.begin(), footer.end());
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{1, 1}});
        importImageTga(c, 1, writeTemp(dir, "footer.tga", file));
        QCOMPARE(c.ImageSizes[1], 36);
        QCOMPARE(bytesOf(c.ImagePixels[1], 36), picture);
    }

    // A failing open, header read, pixel read or close leaves the picture as it was.
    void failedFileOperationsChangeNothing_data()
    {
        QTest::addColumn<int>("failingStep");
        QTest::addColumn<bool>("font");
        for (int step = 1; step <= 4; ++step) {
            QTest::addRow("image, step %d", step) << step << false;
            QTest::addRow("font, step %d", step) << step << true;
        }
    }
    void failedFileOperationsChangeNothing()
    {
        QFETCH(int, failingStep);
        QFETCH(bool, font);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{3, 3}});
        const ImageState image = ImageState::of(c, 1);
        const FontSheet sheet = c.FontBitmaps[2];
        const Bytes file = font ? buildTga(header(TgaGreyScale, 256, 256, 8, 0x20), {}, {}, patternSheet(40))
                                : buildTga(header(TgaTrueColour, 8, 8, 32, 0x20), {}, {}, patternBgra(8, 8, 40));
        const std::string path = writeTemp(dir, "in.tga", file);
        const auto load = [&] { font ? importFontTga(c, 2, path) : importImageTga(c, 1, path); };

        FileOps::injectFault(failingStep, FileOps::FaultKind::ShortRead);
        QVERIFY_THROWS_EXCEPTION(GameFileError, load());
        QVERIFY(ImageState::of(c, 1) == image);
        QVERIFY(c.FontBitmaps[2] == sheet);

        FileOps::injectFault(0, FileOps::FaultKind::NotFound);
        FileOps::resetCount();
        load();
        QCOMPARE(FileOps::operationCount(), 4L);
        QVERIFY(font ? !(c.FontBitmaps[2] == sheet) : !(ImageState::of(c, 1) == image));
    }

    void missingFileIsReported()
    {
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{3, 3}});
        const ImageState before = ImageState::of(c, 1);
        const std::string path = dir.filePath("absent.tga").toStdString();
        try {
            importImageTga(c, 1, path);
            QFAIL("a missing file was imported");
        } catch (const GameFileError &error) {
            QCOMPARE(QString::fromStdString(error.what()), QString::fromStdString(path) + ": file not found");
        }
        QVERIFY(ImageState::of(c, 1) == before);
    }

    void slotsWithoutAPictureAreRefused_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("font");
        QTest::newRow("image slot 0") << 0 << false;
        QTest::newRow("image past the last") << 2 << false;
        QTest::newRow("font 6") << 6 << true;
        QTest::newRow("font -1") << -1 << true;
    }
    void slotsWithoutAPictureAreRefused()
    {
        QFETCH(int, number);
        QFETCH(bool, font);
        QTemporaryDir dir;
        Catalogue c = makeCatalogue({{3, 3}});
        const ImageState image = ImageState::of(c, 1);
        const std::vector<FontSheet> sheets = c.FontBitmaps;
        const std::string path = writeTemp(dir, "in.tga", buildTga(header(TgaGreyScale, 256, 256, 8, 0x20), {}, {}, patternSheet(1)));
        if (font)
            QVERIFY_THROWS_EXCEPTION(GameFileError, importFontTga(c, number, path));
        else
            QVERIFY_THROWS_EXCEPTION(GameFileError, importImageTga(c, number, path));
        QVERIFY(ImageState::of(c, 1) == image);
        QVERIFY(c.FontBitmaps == sheets);
        QCOMPARE(c.ImagePixels[0].size(), std::size_t(0));
    }
};

QTEST_GUILESS_MAIN(TgaImportTest)
#include "test_tga_import.moc"
