#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTest>

#include "channel_toggle.h"
#include "filled_rect.h"
#include "grid_pages.h"
#include "main_window.h"
#include "page_control.h"
#include "picture_control.h"
#include "preview_canvas.h"
#include "preview_window.h"
#include "scroll_box.h"
#include "size_spin_box.h"
#include "window_fixture.h"

namespace {
constexpr int Slots = 31;
constexpr std::uint32_t Red = 0x00FF0000u;

// Image 1 is 64 x 32, image 2 300 x 600, image 3 a row of one colour at alpha 0, 128 and 255,
// image 4 has no pixel data, image 5 only half of its 20 x 20 pixels, image 6 64 x 32.
Catalogue gridCatalogue()
{
    Catalogue c = UiTestSupport::catalogue(Slots);
    UiTestSupport::setImage(c, 1, 64, 32, [](int x, int y) { return 0xFF000000u | std::uint32_t(x << 8 | y); });
    UiTestSupport::setImage(c, 2, 300, 600, [](int x, int y) { return 0xFF000000u | std::uint32_t(x + y); });
    UiTestSupport::setImage(c, 3, 3, 1, [](int x, int) { return Red | (x == 0 ? 0u : x == 1 ? 0x80000000u : 0xFF000000u); });
    c.ImageDetails[4].Width = 16;
    c.ImageDetails[4].Height = 16;
    c.ImagePixels[4].clear();
    c.ImageSizes[4] = 0;
    UiTestSupport::setImage(c, 5, 20, 10, [](int, int) { return 0xFF00FF00u; });
    c.ImageDetails[5].Height = 20;
    UiTestSupport::setImage(c, 6, 64, 32, [](int x, int) { return (x % 2 ? 0x40000000u : 0xC0000000u) | 0x0000FFu; });
    return c;
}
}

// The thumbnail grids of a loaded window: cells, positions, scaling, channel view, selection, preview.
class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cellsAfterLoading();
    void imagePositions();
    void fontPositions();
    void scaling_data();
    void scaling();
    void relayoutKeepsScrollOffset();
    void cellsOutOfViewAreMadeWhenSeen();
    void resizeRelaysOnlyWhenColumnsChange();
    void alphaView();
    void fontSheetsIgnoreTheView();
    void imagesWithoutWholeData();
    void selection_data();
    void selection();
    void selectingAFontSheet();
    void fontFrameStaysOnSheet0UntilClicked();
    void pageChangeEmptiesSizeLabel();
    void relayoutFollowsSelection();
    void preview();
    void previewReopensWhereItStood();
    void previewInAlphaView();
    void doubleClickOnFontOpensNothing();

private:
    TForm1 &form() { return m_fixture->form(); }
    GridPages &grids() { return m_fixture->form().grids(); }
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestGrids::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->recordGameFolder(m_fixture->makeGame(QStringLiteral("game"), gridCatalogue()));
    QVERIFY(form().Launch());
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    QVERIFY(m_fixture->dialogs.messages.isEmpty());
}

void TestGrids::cleanup()
{
    m_fixture.reset();
}

void TestGrids::cellsAfterLoading()
{
    QCOMPARE(form().catalogue().ImageCount, Slots);
    for (int n = 1; n < Slots; ++n) {
        auto *picture = form().findChild<TPicture *>(QStringLiteral("Image%1").arg(n));
        auto *caption = form().findChild<QLabel *>(QStringLiteral("Labeld%1").arg(n));
        QVERIFY(picture && caption);
        QCOMPARE(grids().imageCell(n), picture);
        QCOMPARE(caption->text(), QStringLiteral("%1.gpi").arg(n));
        QCOMPARE(picture->size(), QSize(100, 100));
    }
    QVERIFY(!form().findChild<TPicture *>(QStringLiteral("Image0")));
    QVERIFY(!form().findChild<TPicture *>(QStringLiteral("Image%1").arg(Slots)));
    QVERIFY(!grids().imageCell(Slots));
    for (int i = 0; i < FontCount; ++i) {
        auto *caption = form().findChild<QLabel *>(QStringLiteral("Labelf%1").arg(i));
        QVERIFY(caption);
        QCOMPARE(caption->text(), QString::fromLatin1(FontNames[std::size_t(i)]));
        QCOMPARE(caption->width(), 256);
        QCOMPARE(grids().fontCell(i)->picture().size(), QSize(256, 256));
    }
    // Loading ends with image 1 selected and the bar empty.
    QCOMPARE(form().SelectedIndex(), 1);
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("64*32"));
    // At its designed place, or right of "Image Size :" where that text needs more room.
    QVERIFY(form().parts().SizeLabel->x() >= 208);
    QVERIFY(form().parts().SizeLabel->x() > form().parts().LabelSize->geometry().right());
    QCOMPARE(form().parts().ProgressBar1->value(), 0);
    QCOMPARE(form().windowTitle(), QStringLiteral("Tessary 1.2[*]"));
    QVERIFY(!form().isWindowModified());
}

void TestGrids::imagePositions()
{
    QCOMPARE(grids().ThumbSize, 100);
    QCOMPARE(grids().ThumbColumns, 5);
    QCOMPARE(grids().imageCell(1)->pos(), QPoint(10, 20));
    QCOMPARE(grids().imageCaption(1)->pos(), QPoint(44, 5));
    QCOMPARE(grids().imageCell(7)->pos(), QPoint(120, 150));
    QCOMPARE(grids().imageCaption(7)->pos(), QPoint(154, 135));
    // 31 slots in rows of 5: 7 rows of 130.
    QCOMPARE(form().parts().ScrollBox1->range(), 7 * 130);
    QCOMPARE(form().parts().Focusrect->size(), QSize(106, 121));
}

void TestGrids::fontPositions()
{
    form().parts().PageControl1->setCurrentIndex(1);
    QCOMPARE(grids().FontColumns, 2);
    QCOMPARE(grids().fontCell(3)->pos(), QPoint(276, 306));
    QCOMPARE(grids().fontCaption(3)->pos(), QPoint(276, 291));
    QCOMPARE(grids().fontCell(0)->pos(), QPoint(10, 20));
    QCOMPARE(form().parts().ScrollBox2->range(), 858);
    form().resize(900, form().height());
    QCOMPARE(grids().FontColumns, (form().parts().ScrollBox2->width() - 26) / 266);
    QCOMPARE(form().parts().ScrollBox2->range(), grids().FontColumns >= 6 ? 286 : grids().FontColumns >= 3 ? 572 : 858);
    QCOMPARE(grids().fontCell(3)->pos(), QPoint(3 % grids().FontColumns * 266 + 10, 3 / grids().FontColumns * 286 + 20));
}

void TestGrids::scaling_data()
{
    QTest::addColumn<int>("thumbSize");
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("64x32 at 100: natural") << 100 << 1 << QSize(64, 32);
    QTest::newRow("64x32 at 40") << 40 << 1 << QSize(40, 20);
    QTest::newRow("300x600 at 100") << 100 << 2 << QSize(50, 100);
    QTest::newRow("300x600 at 600: natural") << 600 << 2 << QSize(300, 600);
    QTest::newRow("300x600 at 40") << 40 << 2 << QSize(20, 40);
}

void TestGrids::scaling()
{
    QFETCH(int, thumbSize);
    QFETCH(int, n);
    QFETCH(QSize, drawn);
    form().parts().SpinSize->setValue(thumbSize);
    QCOMPARE(grids().ThumbSize, thumbSize);
    TPicture *cell = grids().imageCell(n);
    QCOMPARE(cell->size(), QSize(thumbSize, thumbSize));
    QCOMPARE(cell->picture().size(), drawn);
    // Nearest-pixel sampling: the top-left pixel is the image's own.
    QCOMPARE(cell->picture().pixel(0, 0), 0xFF000000u | form().catalogue().ImagePixels[std::size_t(n)][0]);
}

void TestGrids::relayoutKeepsScrollOffset()
{
    TScrollBox *box = form().parts().ScrollBox1;
    form().parts().SpinSize->setValue(200);
    box->setPosition(box->range() / 2);
    const int before = box->position();
    QVERIFY(before > 0);
    form().parts().SpinSize->setValue(180);
    QCOMPARE(box->position(), before);
    QCOMPARE(grids().ImageScrollPos, before);
    form().parts().SpinSize->setValue(40);
    QCOMPARE(box->position(), std::max(0, std::min(before, box->range() - box->viewport()->height())));
}

void TestGrids::cellsOutOfViewAreMadeWhenSeen()
{
    QCoreApplication::processEvents();
    TPicture *first = grids().imageCell(1);
    TPicture *last = grids().imageCell(Slots - 1);
    QVERIFY(!first->picturePending());
    QVERIFY(last->picturePending());
    form().parts().ScrollBox1->setPosition(form().parts().ScrollBox1->range());
    QTRY_VERIFY(!last->picturePending());
    QCOMPARE(last->picture().size(), QSize(Slots, Slots + 1));
}

void TestGrids::resizeRelaysOnlyWhenColumnsChange()
{
    const qint64 drawn = grids().imageCell(7)->picture().cacheKey();
    form().resize(form().width() + 4, form().height());
    QCOMPARE(grids().ThumbColumns, 5);
    QCOMPARE(grids().imageCell(7)->picture().cacheKey(), drawn);
    form().resize(form().width() + 200, form().height());
    QCOMPARE(grids().ThumbColumns, (form().parts().ScrollBox1->width() - 26) / 110);
    QVERIFY(grids().ThumbColumns > 5);
    QVERIFY(grids().imageCell(7)->picture().cacheKey() != drawn);
    QCOMPARE(grids().imageCell(7)->pos(), QPoint(6 % grids().ThumbColumns * 110 + 10, 6 / grids().ThumbColumns * 130 + 20));
}

void TestGrids::alphaView()
{
    const QImage colour = grids().imageCell(3)->picture();
    QCOMPARE(colour.pixel(0, 0), 0xFFFF0000u);
    QTest::mouseClick(form().parts().PanelChannels, Qt::LeftButton);
    const QImage alpha = grids().imageCell(3)->picture();
    QCOMPARE(alpha.pixel(0, 0), 0xFF000000u);
    QCOMPARE(alpha.pixel(1, 0), 0xFF808080u);
    QCOMPARE(alpha.pixel(2, 0), 0xFFFFFFFFu);
    QTest::mouseClick(form().parts().PanelChannels, Qt::LeftButton);
    QCOMPARE(grids().imageCell(3)->picture().pixel(0, 0), 0xFFFF0000u);
}

void TestGrids::fontSheetsIgnoreTheView()
{
    const QImage before = grids().fontCell(2)->picture();
    QTest::mouseClick(form().parts().PanelChannels, Qt::LeftButton);
    form().parts().PageControl1->setCurrentIndex(1);
    grids().SpinEdit1Change();
    QCOMPARE(grids().fontCell(2)->picture(), before);
    const std::uint8_t grey = form().catalogue().FontBitmaps[2][256 * 3 + 5];
    QCOMPARE(before.pixel(5, 3), qRgb(grey, grey, grey));
}

void TestGrids::imagesWithoutWholeData()
{
    // No pixel data: placed and captioned, nothing drawn.
    QVERIFY(grids().imageCell(4)->picture().isNull());
    QCOMPARE(grids().imageCaption(4)->text(), QStringLiteral("4.gpi"));
    QCOMPARE(grids().imageCell(4)->pos(), QPoint(340, 20));
    // Half the data: the loaded rows are drawn, the rest stays transparent.
    const QImage half = grids().imageCell(5)->picture();
    QCOMPARE(half.size(), QSize(20, 20));
    QCOMPARE(half.pixel(19, 9), 0xFF00FF00u);
    QCOMPARE(qAlpha(half.pixel(0, 10)), 0);
    QCOMPARE(qAlpha(half.pixel(19, 19)), 0);
}

void TestGrids::selection_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left button") << int(Qt::LeftButton);
    QTest::newRow("right button") << int(Qt::RightButton);
    QTest::newRow("middle button") << int(Qt::MiddleButton);
}

void TestGrids::selection()
{
    QFETCH(int, button);
    TPicture *cell = grids().imageCell(7);
    QTest::mousePress(cell, Qt::MouseButton(button), {}, QPoint(5, 5));
    QTest::mouseRelease(cell, Qt::MouseButton(button), {}, QPoint(5, 5));
    form().parts().Popup1->hide();
    QCOMPARE(form().SelectedIndex(), 7);
    const TGPHDetails &details = form().catalogue().ImageDetails[7];
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("%1*%2").arg(details.Width).arg(details.Height));
    QCOMPARE(form().parts().Focusrect->pos(), QPoint(117, 132));
}

void TestGrids::selectingAFontSheet()
{
    form().parts().PageControl1->setCurrentIndex(1);
    QTest::mousePress(grids().fontCell(2), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(form().SelectedIndex(), 2);
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("256*256"));
    QCOMPARE(form().parts().Focus2->pos(), QPoint(7, 288));
    QCOMPARE(form().parts().Focus2->size(), QSize(262, 277));
}

void TestGrids::fontFrameStaysOnSheet0UntilClicked()
{
    // Loading selected image 1 while the fonts page was hidden; showing that page moves nothing.
    QCOMPARE(form().SelectedIndex(), 1);
    const qint64 drawn = grids().fontCell(1)->picture().cacheKey();
    form().parts().PageControl1->setCurrentIndex(1);
    QCOMPARE(grids().FontColumns, (form().parts().ScrollBox2->width() - 26) / 266);
    QCOMPARE(grids().fontCell(1)->picture().cacheKey(), drawn);
    QCOMPARE(form().parts().Focus2->pos(), QPoint(7, 2));
    // As seen: the frame's fill beside sheet 0, the page's white beside sheet 1.
    const QImage shot = form().grab().toImage();
    const auto beside = [&](int n) {
        return shot.pixelColor(grids().fontCell(n)->mapTo(&form(), QPoint(-2, 100)));
    };
    QCOMPARE(beside(0), QColor(224, 237, 224));
    QCOMPARE(beside(1), form().parts().ScrollBox2->viewport()->palette().color(QPalette::Window));
}

void TestGrids::pageChangeEmptiesSizeLabel()
{
    QTest::mousePress(grids().imageCell(2), Qt::LeftButton);
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("300*600"));
    form().parts().PageControl1->setCurrentIndex(1);
    QCOMPARE(form().parts().SizeLabel->text(), QString());
    form().parts().PageControl1->setCurrentIndex(0);
    QCOMPARE(form().parts().SizeLabel->text(), QString());
    QCOMPARE(form().SelectedIndex(), 2);
}

void TestGrids::relayoutFollowsSelection()
{
    QTest::mousePress(grids().imageCell(9), Qt::LeftButton);
    form().parts().SpinSize->setValue(200);
    QCOMPARE(form().parts().Focusrect->pos(), grids().imageCell(9)->pos() - QPoint(3, 18));
    QCOMPARE(form().parts().Focusrect->size(), QSize(206, 221));
    QCOMPARE(form().parts().SizeLabel->text(),
             QStringLiteral("%1*%2").arg(form().catalogue().ImageDetails[9].Width).arg(form().catalogue().ImageDetails[9].Height));
}

void TestGrids::preview()
{
    TFormPreview &preview = m_fixture->preview();
    QVERIFY(!preview.isVisible());
    QTest::mouseDClick(grids().imageCell(6), Qt::LeftButton);
    QCOMPARE(form().SelectedIndex(), 6);
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.windowTitle(), QStringLiteral("6.gpi"));
    // The picture at its natural size, the read-out line under it.
    QCOMPARE(preview.Preview()->size(), QSize(64, 32));
    QCOMPARE(preview.size(), QSize(preview.lineMinWidth(), 32 + TFormPreview::LineHeight));
    QCOMPARE(preview.Preview()->picture().size(), QSize(64, 32));
    QCOMPARE(preview.Preview()->picture().pixel(1, 0), 0xFF0000FFu);
    QVERIFY(preview.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(preview.windowFlags() & Qt::Tool);

    // A second double-click replaces picture, size and caption without moving the window.
    const QPoint where = preview.pos();
    QTest::mouseDClick(grids().imageCell(2), Qt::LeftButton);
    QCOMPARE(preview.windowTitle(), QStringLiteral("2.gpi"));
    QCOMPARE(preview.Preview()->size(), QSize(300, 600));
    QCOMPARE(preview.pos(), where);

    QTest::mouseClick(preview.Preview(), Qt::LeftButton);
    QVERIFY(!preview.isVisible());
}

void TestGrids::previewReopensWhereItStood()
{
    TFormPreview &preview = m_fixture->preview();
    QTest::mouseDClick(grids().imageCell(1), Qt::LeftButton);
    QVERIFY(preview.isVisible());
    preview.move(preview.pos() + QPoint(37, 23));
    const QPoint moved = preview.pos();
    preview.close();
    QVERIFY(!preview.isVisible());
    QTest::mouseDClick(grids().imageCell(6), Qt::LeftButton);
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.pos(), moved);
}

void TestGrids::previewInAlphaView()
{
    QTest::mouseClick(form().parts().PanelChannels, Qt::LeftButton);
    QTest::mouseDClick(grids().imageCell(6), Qt::LeftButton);
    const QImage shown = m_fixture->preview().Preview()->picture();
    QCOMPARE(shown.pixel(0, 0), 0xFFC0C0C0u);
    QCOMPARE(shown.pixel(1, 0), 0xFF404040u);
    // An open preview keeps its content when the view changes.
    QTest::mouseClick(form().parts().PanelChannels, Qt::LeftButton);
    QCOMPARE(m_fixture->preview().Preview()->picture().pixel(0, 0), 0xFFC0C0C0u);
}

void TestGrids::doubleClickOnFontOpensNothing()
{
    form().parts().PageControl1->setCurrentIndex(1);
    QTest::mouseDClick(grids().fontCell(4), Qt::LeftButton);
    QCOMPARE(form().SelectedIndex(), 4);
    QVERIFY(!m_fixture->preview().isVisible());
}

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
