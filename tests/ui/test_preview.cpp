#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <QFile>

#include <ctime>

#include "channel_toggle.h"
#include "core_path.h"
#include "mod_package_writer.h"
#include "picture_value.h"
#include "png_codec.h"
#include "settings_store.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "pixel_convert.h"
#include "preview_canvas.h"
#include "preview_window.h"
#include "window_fixture.h"

namespace {

constexpr int Width = 64;
constexpr int Height = 32;

// Image 6's pixel (x, y): every pixel differs, alpha half-way.
std::uint32_t pattern(int x, int y)
{
    return 0x80000000u | std::uint32_t(x * 4) << 16 | std::uint32_t(y * 8) << 8 | std::uint32_t((x + y) * 3);
}

std::uint32_t shown(std::uint32_t pixel, bool alpha)
{
    return PixelConvert::ConvertRGB(pixel, alpha) | 0xFF000000u;
}

} // namespace

// The preview as a user sees it: zoomed by whole factors, the read-out of the pixel under the
// mouse, and the comparison with the game folder's file and the game's original.
class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void zoomDrawsWholeBlocks_data();
    void zoomDrawsWholeBlocks();
    void zeroFitsTheScreen();
    void readOutOfThePixelUnderTheMouse();
    void comparison_data();
    void comparison();
    void followsEveryChange_data();
    void followsEveryChange();

private:
    TForm1 &form() { return m_fixture->form(); }
    TFormPreview &preview() { return m_fixture->preview(); }
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestPreview::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    Catalogue c = UiTestSupport::catalogue(12);
    UiTestSupport::setImage(c, 6, Width, Height, pattern);
    m_fixture->recordGameFolder(m_fixture->makeGame(QStringLiteral("game"), c));
    QVERIFY(form().Launch());
    m_fixture->select(0, 6);
    form().Showpreview();
    QVERIFY(QTest::qWaitForWindowExposed(&preview()));
}

void TestPreview::cleanup()
{
    m_fixture.reset();
}

void TestPreview::zoomDrawsWholeBlocks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("factor");
    QTest::newRow("key 4") << "4" << 4;
    QTest::newRow("key 8") << "8" << 8;
    QTest::newRow("Ctrl + twice") << "Ctrl+" << 3;
    QTest::newRow("Ctrl + wheel") << "wheel" << 2;
}

void TestPreview::zoomDrawsWholeBlocks()
{
    QFETCH(QString, how);
    QFETCH(int, factor);
    TPreviewCanvas *canvas = preview().Preview();
    if (how == "Ctrl+") {
        QTest::keyClick(&preview(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&preview(), Qt::Key_Plus, Qt::ControlModifier);
    } else if (how == "wheel") {
        QWidget *view = preview().findChild<QScrollArea *>()->viewport();
        QWheelEvent wheel(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view, &wheel);
    } else {
        QTest::keyClick(&preview(), Qt::Key(Qt::Key_0 + how.toInt()));
    }
    QCOMPARE(preview().zoom(), double(factor));
    QCOMPARE(canvas->size(), QSize(Width * factor, Height * factor));
    // The window grows with the picture, the read-out line under it.
    QCOMPARE(preview().size(), QSize(std::max(Width * factor, preview().lineMinWidth()), Height * factor + TFormPreview::LineHeight));

    // As drawn: each source pixel a block of factor x factor pixels of its colour.
    const QImage grab = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint source : {QPoint(0, 0), QPoint(1, 0), QPoint(10, 7), QPoint(Width - 1, Height - 1)})
        for (int dy = 0; dy < factor; ++dy)
            for (int dx = 0; dx < factor; ++dx)
                QCOMPARE(grab.pixel(source.x() * factor + dx, source.y() * factor + dy), shown(pattern(source.x(), source.y()), false));
}

void TestPreview::zeroFitsTheScreen()
{
    QTest::keyClick(&preview(), Qt::Key_0);
    const double zoom = preview().zoom();
    QVERIFY2(zoom > 8 && zoom == std::floor(zoom), qPrintable(QString::number(zoom)));
    const QRect screen = preview().screen()->availableGeometry();
    QVERIFY(preview().width() <= screen.width() && preview().height() <= screen.height());
    // One factor more would not fit.
    QVERIFY(Width * (zoom + 1) > screen.width() || Height * (zoom + 1) + TFormPreview::LineHeight > screen.height() - 24);
}

void TestPreview::readOutOfThePixelUnderTheMouse()
{
    QTest::keyClick(&preview(), Qt::Key_4);
    QLabel *line = preview().readOutLine();
    QCOMPARE(line->text(), QStringLiteral("Tessary's picture \u00b7 4\u00d7"));
    const QPointF at(10 * 4 + 2, 7 * 4 + 3);
    QMouseEvent move(QEvent::MouseMove, at, preview().Preview()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(preview().Preview(), &move);
    const std::uint32_t pixel = pattern(10, 7);
    QCOMPARE(line->text(), QStringLiteral("Tessary's picture \u00b7 4\u00d7 \u00b7 x 10, y 7 \u00b7 R %1 G %2 B %3 A %4")
                               .arg(pixel >> 16 & 0xFF).arg(pixel >> 8 & 0xFF).arg(pixel & 0xFF).arg(pixel >> 24));
    // The line stands under the picture.
    QVERIFY(line->isVisible() && line->geometry().top() >= preview().Preview()->height());
}

void TestPreview::comparison_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("inverted"); // the picture shown is the imported one
    QTest::newRow("Space, before applying") << "Space" << false << false << "Game folder's file" << false;
    QTest::newRow("Shift+Space, before applying") << "Shift+Space" << false << false << "Game's original" << false;
    QTest::newRow("Space, after applying") << "Space" << true << false << "Game folder's file" << true;
    QTest::newRow("Shift+Space, after applying") << "Shift+Space" << true << false << "Game's original" << false;
    QTest::newRow("the button, after applying") << "Game folder" << true << false << "Game folder's file" << true;
    QTest::newRow("Space in the alpha view") << "Space" << false << true << "Game folder's file" << false;
}

void TestPreview::comparison()
{
    QFETCH(QString, how);
    QFETCH(bool, applied);
    QFETCH(bool, alpha);
    QFETCH(QString, source);
    QFETCH(bool, inverted);
    // Tessary's picture is image 6 with its colours inverted; the game folder's file is that too
    // once applied, when the game's original is kept.
    m_fixture->importInto(0, 6, m_fixture->invertedFile(6));
    if (applied)
        form().LMDApplyAllClick();
    if (alpha)
        form().PanelChannelsClick();
    m_fixture->select(0, 6);
    form().Showpreview();

    const auto expected = [alpha](bool invert, int x, int y) { return shown(pattern(x, y) ^ (invert ? 0x00FFFFFFu : 0u), alpha); };
    const auto showsPicture = [&](bool invert) {
        const QImage picture = preview().Preview()->picture();
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (picture.pixel(x, y) != expected(invert, x, y))
                    return false;
        return true;
    };
    QVERIFY(showsPicture(true));
    if (how == "Game folder") {
        preview().findChild<QToolButton *>(QString(), Qt::FindDirectChildrenOnly)->click();
    } else {
        QTest::keyPress(&preview(), Qt::Key_Space, how == "Space" ? Qt::NoModifier : Qt::ShiftModifier);
    }
    QVERIFY2(preview().readOutLine()->text().startsWith(source), qPrintable(preview().readOutLine()->text()));
    QVERIFY(showsPicture(inverted));
    // Letting go of Space (or the button) shows Tessary's picture again.
    if (how == "Game folder")
        preview().findChild<QToolButton *>(QString(), Qt::FindDirectChildrenOnly)->click();
    else
        QTest::keyRelease(&preview(), Qt::Key_Space);
    QVERIFY(preview().readOutLine()->text().startsWith(QStringLiteral("Tessary's picture")));
    QVERIFY(showsPicture(true));
}

void TestPreview::followsEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("inverted"); // what the catalogue holds afterwards
    QTest::newRow("import") << "import" << true;
    QTest::newRow("undo") << "undo" << false;
    QTest::newRow("redo") << "redo" << true;
    QTest::newRow("Ctrl+Z in the preview") << "Ctrl+Z" << false;
    QTest::newRow("Ctrl+Y in the preview") << "Ctrl+Y" << true;
    QTest::newRow("Ctrl+Shift+Z in the preview") << "Ctrl+Shift+Z" << true;
    QTest::newRow("revert") << "revert" << false;
    QTest::newRow("restore after applying") << "restore" << false;
    QTest::newRow("an image editor's save") << "editor" << true;
    QTest::newRow("a mod's installation") << "mod" << true;
}

void TestPreview::followsEveryChange()
{
    QFETCH(QString, change);
    QFETCH(bool, inverted);
    // The preview stays open at 2x while the picture changes under it.
    QTest::keyClick(&preview(), Qt::Key_2);
    const QPoint placed = preview().pos();
    const QString inverse = m_fixture->invertedFile(6);
    if (change == "editor") {
        form().settings()->writeText(SettingsStore::ImageEditor, QStringLiteral(FAKE_IMAGE_EDITOR));
        form().EditInImageEditor();
        QTRY_VERIFY_WITH_TIMEOUT(form().catalogue().imageChanged(6), 15000);
    } else if (change == "mod") {
        Catalogue theirs = loadGameFolder(form().catalogue().GP4Path);
        Catalogue picture = UiTestSupport::catalogue(12);
        UiTestSupport::setImage(picture, 6, Width, Height, [](int x, int y) { return pattern(x, y) ^ 0x00FFFFFFu; });
        QVERIFY(PictureValues::put(theirs, PictureValues::current(picture, {false, 6})));
        const PackedMod packed = ModPackageWriter::pack(theirs, {"Night", "Quenby", "", std::time(nullptr), {}, false}, PngCodec::make());
        QFile zip(m_fixture->path(QStringLiteral("night.zip")));
        QVERIFY(zip.open(QIODevice::WriteOnly));
        zip.write(reinterpret_cast<const char *>(packed.zip.data()), qint64(packed.zip.size()));
        zip.close();
        m_fixture->dialogs.installAnswers << true;
        form().installModFrom(zip.fileName());
    } else {
        m_fixture->importInto(0, 6, inverse);
        if (change == "restore")
            form().LMDApplyAllClick();
        m_fixture->select(0, 6);
        if (change == "undo" || change == "redo")
            form().Undo();
        if (change == "redo")
            form().Redo();
        if (change == "Ctrl+Z" || change == "Ctrl+Y" || change == "Ctrl+Shift+Z")
            QTest::keyClick(&preview(), Qt::Key_Z, Qt::ControlModifier);
        if (change == "Ctrl+Y")
            QTest::keyClick(&preview(), Qt::Key_Y, Qt::ControlModifier);
        if (change == "Ctrl+Shift+Z")
            QTest::keyClick(&preview(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        if (change == "revert")
            form().RevertToGameFile();
        if (change == "restore")
            form().RestoreOriginal();
    }
    const auto expected = [inverted](int x, int y) { return pattern(x, y) ^ (inverted ? 0x00FFFFFFu : 0u); };
    QCOMPARE(form().catalogue().ImagePixels[6][std::size_t(7 * Width + 10)], expected(10, 7));

    // As drawn, at the zoom it had, in the place it had.
    QVERIFY(preview().isVisible());
    QCOMPARE(preview().pos(), placed);
    QCOMPARE(preview().zoom(), 2.0);
    const QImage grab = preview().Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(10, 7), QPoint(Width - 1, Height - 1)})
        QCOMPARE(grab.pixel(at.x() * 2 + 1, at.y() * 2 + 1), shown(expected(at.x(), at.y()), false));
    // The read-out gives the pixels held now.
    const QPointF point(10 * 2 + 1, 7 * 2 + 1);
    QMouseEvent move(QEvent::MouseMove, point, preview().Preview()->mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(preview().Preview(), &move);
    const std::uint32_t pixel = expected(10, 7);
    QCOMPARE(preview().readOutLine()->text(), QStringLiteral("Tessary's picture \u00b7 2\u00d7 \u00b7 x 10, y 7 \u00b7 R %1 G %2 B %3 A %4")
                                                  .arg(pixel >> 16 & 0xFF).arg(pixel >> 8 & 0xFF).arg(pixel & 0xFF).arg(pixel >> 24));
    // The game folder's file is read again too: after a revert it is what Tessary shows.
    QTest::keyPress(&preview(), Qt::Key_Space);
    const QImage folder = preview().Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const bool folderInverted = change == "restore";
    QCOMPARE(folder.pixel(21, 15), shown(pattern(10, 7) ^ (folderInverted ? 0x00FFFFFFu : 0u), false));
    QTest::keyRelease(&preview(), Qt::Key_Space);
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
