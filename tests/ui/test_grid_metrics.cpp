#include <QImage>
#include <QTest>

#include <vector>

#include "grid_metrics.h"
#include "picture_maker.h"
#include "pixel_convert.h"

// The grid geometry, the scaling rule and the pixel conversions, checked without a window.
class TestGridMetrics : public QObject {
    Q_OBJECT

private slots:
    void thumbColumns_data();
    void thumbColumns();
    void imageScrollRange_data();
    void imageScrollRange();
    void fontColumnsAndRange_data();
    void fontColumnsAndRange();
    void imagePositions_data();
    void imagePositions();
    void fontPositions_data();
    void fontPositions();
    void focusFrame();
    void scaledSize_data();
    void scaledSize();
    void convertRGB_data();
    void convertRGB();
    void convertBWtoRGB();
    void sampleNearestPixels();
    void sampleStopsAtLoadedPixels();
    void sampleAlphaView();
    void fontSheetPicture();
    void thumbnailOfImageWithoutPixels();
};

void TestGridMetrics::thumbColumns_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("thumbSize");
    QTest::addColumn<int>("columns");
    QTest::newRow("580 at 100") << 580 << 100 << 5;
    QTest::newRow("580 at 120") << 580 << 120 << 4;
    QTest::newRow("580 at 600") << 580 << 600 << 1;
    QTest::newRow("900 at 100") << 900 << 100 << 7;
    QTest::newRow("narrower than a column") << 100 << 600 << 1;
    QTest::newRow("narrower than the allowance") << 10 << 40 << 1;
    QTest::newRow("before the size is known") << 580 << 0 << 55;
}

void TestGridMetrics::thumbColumns()
{
    QFETCH(int, width);
    QFETCH(int, thumbSize);
    QFETCH(int, columns);
    QCOMPARE(GridMetrics::thumbColumns(width, thumbSize), columns);
}

void TestGridMetrics::imageScrollRange_data()
{
    QTest::addColumn<int>("imageCount");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("thumbSize");
    QTest::addColumn<int>("range");
    QTest::newRow("300 slots, 5 columns") << 300 << 5 << 100 << 60 * 130;
    QTest::newRow("301 slots, 5 columns") << 301 << 5 << 100 << 61 * 130;
    QTest::newRow("one slot") << 1 << 5 << 100 << 130;
    QTest::newRow("no slots") << 0 << 5 << 100 << 0;
    QTest::newRow("one column at 600") << 3 << 1 << 600 << 3 * 630;
    QTest::newRow("beyond any widget height") << 2000000000 << 1 << 600 << 16777215;
}

void TestGridMetrics::imageScrollRange()
{
    QFETCH(int, imageCount);
    QFETCH(int, columns);
    QFETCH(int, thumbSize);
    QFETCH(int, range);
    QCOMPARE(GridMetrics::imageScrollRange(imageCount, columns, thumbSize), range);
}

void TestGridMetrics::fontColumnsAndRange_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("range");
    QTest::newRow("580 wide") << 580 << 2 << 858;
    QTest::newRow("900 wide") << 900 << 3 << 572;
    QTest::newRow("four columns") << 26 + 4 * 266 << 4 << 572;
    QTest::newRow("five columns") << 26 + 5 * 266 << 5 << 572;
    QTest::newRow("six columns") << 26 + 6 * 266 << 6 << 286;
    QTest::newRow("eight columns") << 26 + 8 * 266 << 8 << 286;
    QTest::newRow("narrower than a sheet") << 200 << 1 << 6 * 286;
}

void TestGridMetrics::fontColumnsAndRange()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, range);
    QCOMPARE(GridMetrics::fontColumns(width), columns);
    QCOMPARE(GridMetrics::fontScrollRange(columns), range);
}

void TestGridMetrics::imagePositions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("thumbSize");
    QTest::addColumn<QPoint>("picture");
    QTest::addColumn<QPoint>("caption");
    QTest::newRow("image 1") << 1 << 5 << 100 << QPoint(10, 20) << QPoint(44, 5);
    QTest::newRow("image 7") << 7 << 5 << 100 << QPoint(120, 150) << QPoint(154, 135);
    QTest::newRow("image 5, end of the first row") << 5 << 5 << 100 << QPoint(450, 20) << QPoint(484, 5);
    QTest::newRow("image 6, start of the second row") << 6 << 5 << 100 << QPoint(10, 150) << QPoint(44, 135);
    QTest::newRow("image 3 at 40, one column") << 3 << 1 << 40 << QPoint(10, 160) << QPoint(14, 145);
}

void TestGridMetrics::imagePositions()
{
    QFETCH(int, n);
    QFETCH(int, columns);
    QFETCH(int, thumbSize);
    QFETCH(QPoint, picture);
    QFETCH(QPoint, caption);
    QCOMPARE(GridMetrics::imagePicturePos(n, columns, thumbSize), picture);
    QCOMPARE(GridMetrics::imageCaptionPos(n, columns, thumbSize), caption);
}

void TestGridMetrics::fontPositions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QPoint>("picture");
    QTest::addColumn<QPoint>("caption");
    QTest::newRow("sheet 0") << 0 << 2 << QPoint(10, 20) << QPoint(10, 5);
    QTest::newRow("sheet 3, two columns") << 3 << 2 << QPoint(276, 306) << QPoint(276, 291);
    QTest::newRow("sheet 5, three columns") << 5 << 3 << QPoint(542, 306) << QPoint(542, 291);
    QTest::newRow("sheet 5, one column") << 5 << 1 << QPoint(10, 1450) << QPoint(10, 1435);
}

void TestGridMetrics::fontPositions()
{
    QFETCH(int, n);
    QFETCH(int, columns);
    QFETCH(QPoint, picture);
    QFETCH(QPoint, caption);
    QCOMPARE(GridMetrics::fontPicturePos(n, columns), picture);
    QCOMPARE(GridMetrics::fontCaptionPos(n, columns), caption);
}

void TestGridMetrics::focusFrame()
{
    QCOMPARE(GridMetrics::imageFocusSize(100), QSize(106, 121));
    QCOMPARE(GridMetrics::imageFocusSize(40), QSize(46, 61));
    QCOMPARE(GridMetrics::focusPos(QPoint(120, 150)), QPoint(117, 132));
    QCOMPARE(GridMetrics::focusPos(QPoint(10, 20)), QPoint(7, 2));
}

void TestGridMetrics::scaledSize_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<int>("box");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("64x32 at 100: natural") << QSize(64, 32) << 100 << QSize(64, 32);
    QTest::newRow("64x32 at 40") << QSize(64, 32) << 40 << QSize(40, 20);
    QTest::newRow("300x600 at 100") << QSize(300, 600) << 100 << QSize(50, 100);
    QTest::newRow("exactly the box") << QSize(100, 100) << 100 << QSize(100, 100);
    QTest::newRow("square, larger") << QSize(640, 640) << 100 << QSize(100, 100);
    QTest::newRow("truncated to whole pixels") << QSize(640, 479) << 100 << QSize(100, 74);
    QTest::newRow("a line too thin to show") << QSize(1000, 1) << 100 << QSize(100, 0);
    QTest::newRow("no width") << QSize(0, 50) << 100 << QSize(0, 0);
    QTest::newRow("negative height") << QSize(50, -3) << 100 << QSize(0, 0);
    QTest::newRow("huge width, no overflow") << QSize(2000000000, 1000000000) << 600 << QSize(600, 300);
}

void TestGridMetrics::scaledSize()
{
    QFETCH(QSize, image);
    QFETCH(int, box);
    QFETCH(QSize, shown);
    QCOMPARE(GridMetrics::scaledSize(image.width(), image.height(), box), shown);
}

void TestGridMetrics::convertRGB_data()
{
    QTest::addColumn<quint32>("pixel");
    QTest::addColumn<bool>("alphaView");
    QTest::addColumn<quint32>("shown");
    QTest::newRow("colour view keeps the pixel") << quint32(0x80123456) << false << quint32(0x80123456);
    QTest::newRow("alpha 0 is black") << quint32(0x00FFFFFF) << true << quint32(0x00000000);
    QTest::newRow("alpha 255 is white") << quint32(0xFF000000) << true << quint32(0x00FFFFFF);
    QTest::newRow("alpha 128 is mid grey") << quint32(0x80123456) << true << quint32(0x00808080);
}

void TestGridMetrics::convertRGB()
{
    QFETCH(quint32, pixel);
    QFETCH(bool, alphaView);
    QFETCH(quint32, shown);
    QCOMPARE(PixelConvert::ConvertRGB(pixel, alphaView), shown);
}

void TestGridMetrics::convertBWtoRGB()
{
    QCOMPARE(PixelConvert::ConvertBWtoRGB(0), 0x00000000u);
    QCOMPARE(PixelConvert::ConvertBWtoRGB(255), 0x00FFFFFFu);
    QCOMPARE(PixelConvert::ConvertBWtoRGB(0x7F), 0x007F7F7Fu);
}

void TestGridMetrics::sampleNearestPixels()
{
    // A 4 by 2 picture shown at 2 by 1 takes columns 0 and 2 of row 0.
    const std::vector<std::uint32_t> pixels = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004,
                                               0xFF000005, 0xFF000006, 0xFF000007, 0xFF000008};
    const QImage picture = PictureMaker::sample(pixels.data(), pixels.size(), 4, 2, QSize(2, 1), false);
    QCOMPARE(picture.size(), QSize(2, 1));
    QCOMPARE(picture.pixel(0, 0), 0xFF000001u);
    QCOMPARE(picture.pixel(1, 0), 0xFF000003u);

    const QImage natural = PictureMaker::sample(pixels.data(), pixels.size(), 4, 2, QSize(4, 2), false);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            QCOMPARE(natural.pixel(x, y), pixels[std::size_t(y * 4 + x)]);
}

void TestGridMetrics::sampleStopsAtLoadedPixels()
{
    // Only the first 5 of 8 pixels are held: the rest show transparent, and nothing past them is read.
    std::vector<std::uint32_t> pixels(5, 0xFF102030);
    const QImage picture = PictureMaker::sample(pixels.data(), pixels.size(), 4, 2, QSize(4, 2), false);
    QCOMPARE(picture.size(), QSize(4, 2));
    QCOMPARE(picture.pixel(3, 0), 0xFF102030u);
    QCOMPARE(picture.pixel(0, 1), 0xFF102030u);
    QCOMPARE(qAlpha(picture.pixel(1, 1)), 0);
    QCOMPARE(qAlpha(picture.pixel(3, 1)), 0);

    const QImage none = PictureMaker::sample(pixels.data(), 0, 4, 2, QSize(2, 1), false);
    QCOMPARE(qAlpha(none.pixel(0, 0)), 0);
}

void TestGridMetrics::sampleAlphaView()
{
    const std::vector<std::uint32_t> pixels = {0x00FF0000, 0x80FF0000, 0xFFFF0000};
    const QImage colour = PictureMaker::sample(pixels.data(), pixels.size(), 3, 1, QSize(3, 1), false);
    const QImage alpha = PictureMaker::sample(pixels.data(), pixels.size(), 3, 1, QSize(3, 1), true);
    QCOMPARE(colour.pixel(0, 0), 0xFFFF0000u);
    QCOMPARE(alpha.pixel(0, 0), 0xFF000000u);
    QCOMPARE(alpha.pixel(1, 0), 0xFF808080u);
    QCOMPARE(alpha.pixel(2, 0), 0xFFFFFFFFu);
}

void TestGridMetrics::fontSheetPicture()
{
    FontSheet sheet(FontSheetBytes, 0);
    sheet[0] = 255;
    sheet[256 * 255 + 255] = 0x40;
    const QImage picture = PictureMaker::fontSheet(sheet);
    QCOMPARE(picture.size(), QSize(256, 256));
    QCOMPARE(picture.pixel(0, 0), 0xFFFFFFFFu);
    QCOMPARE(picture.pixel(255, 255), 0xFF404040u);
    QCOMPARE(picture.pixel(1, 0), 0xFF000000u);
    QVERIFY(PictureMaker::fontSheet(FontSheet(100, 0)).isNull());
}

void TestGridMetrics::thumbnailOfImageWithoutPixels()
{
    Catalogue c;
    c.ImageCount = 3;
    c.ImageDetails.resize(3);
    c.ImagePixels.resize(3);
    c.ImageSizes.resize(3);
    c.ImageDetails[1].Width = 10;
    c.ImageDetails[1].Height = 10;
    c.ImageDetails[2].Width = 0;
    c.ImageDetails[2].Height = 10;
    c.ImagePixels[2].assign(10, 0xFFFFFFFF);
    c.ImageSizes[2] = 40;
    QVERIFY(PictureMaker::thumbnail(c, 1, 100, false).isNull());
    QVERIFY(PictureMaker::thumbnail(c, 2, 100, false).isNull());
    QVERIFY(PictureMaker::thumbnail(c, 3, 100, false).isNull());
    QVERIFY(PictureMaker::preview(c, 0, false).shown.isNull());
    QVERIFY(PictureMaker::preview(c, 2, false).shown.isNull());
}

QTEST_GUILESS_MAIN(TestGridMetrics)
#include "test_grid_metrics.moc"
