#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTextEdit>
#include <QTest>
#include <QTimer>

#include "channel_toggle.h"
#include "filled_rect.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "page_control.h"
#include "push_button.h"
#include "message_dialog.h"
#include "scroll_box.h"
#include "size_spin_box.h"
#include "window_fixture.h"

// The main window's components before any folder is loaded, and the rules of the spin box.
class TestMainWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void componentGeometry_data();
    void componentGeometry();
    void texts_data();
    void texts();
    void buttonTextsShowWhole_data();
    void buttonTextsShowWhole();
    void windowSizeAndMinimumWidth();
    void wideningKeepsControlsInPlace();
    void pagesAndTabs();
    void scrollAreas();
    void focusFrames();
    void popupItems();
    void channelToggleFlips();
    void spinTyping_data();
    void spinTyping();
    void spinSteps_data();
    void spinSteps();
    void spinSetByProgram_data();
    void spinSetByProgram();
    void spinReportsEveryTextChange();
    void spinBelowMinimumLaysNothingOut();
    void messageBoxesFitTheScreen_data();
    void messageBoxesFitTheScreen();

private:
    void typeInto(TSpinSize *spin, const QString &text);
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestMainWindowLayout::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_fixture->form()));
}

void TestMainWindowLayout::cleanup()
{
    m_fixture.reset();
}

void TestMainWindowLayout::componentGeometry_data()
{
    // Each component at its designed place, unless a text needs more room than the 96-dpi
    // layout gives it: then the text's control widens ("own"), the controls after it move right
    // ("pushed"), a button at the right end grows to the left ("leftwards"), and the progress bar
    // gives way ("bar"). The designed rectangle is always the least a component gets.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("rule");
    QTest::newRow("LMDApplyAll") << "LMDApplyAll" << QRect(6, 4, 117, 20) << "own";
    QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(130, 5, 347, 18) << "bar";
    QTest::newRow("LMDChangePath") << "LMDChangePath" << QRect(484, 4, 97, 20) << "leftwards";
    QTest::newRow("LMDSaveAll") << "LMDSaveAll" << QRect(2, 2, 117, 20) << "own";
    QTest::newRow("PanelChannels") << "PanelChannels" << QRect(286, 2, 81, 20) << "pushed";
    QTest::newRow("SpinSize") << "SpinSize" << QRect(458, 1, 49, 22) << "pushed";
    QTest::newRow("TopPanel") << "TopPanel" << QRect(0, 0, 588, 29) << "exact";
    QTest::newRow("PageControl1") << "PageControl1" << QRect(0, 29, 588, 467) << "exact";
    QTest::newRow("Focus2") << "Focus2" << QRect(7, 2, 262, 277) << "exact";
}

void TestMainWindowLayout::componentGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, rule);
    auto *widget = m_fixture->form().findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    const QRect shown = widget->geometry();
    if (rule == QLatin1String("exact")) {
        QCOMPARE(shown, geometry);
        return;
    }
    QCOMPARE(shown.y(), geometry.y());
    QCOMPARE(shown.height(), geometry.height());
    int needed = geometry.width();
    if (auto *button = qobject_cast<TPushButton *>(widget))
        needed = std::max(needed, button->fittingWidth());
    if (auto *toggle = qobject_cast<TChannelToggle *>(widget))
        needed = std::max(needed, toggle->fittingWidth());
    if (rule == QLatin1String("bar")) {
        QCOMPARE(shown.x(), m_fixture->form().parts().LMDApplyAll->geometry().right() + 8);
        QVERIFY(shown.right() <= geometry.right());
        return;
    }
    QCOMPARE(shown.width(), needed);
    if (rule == QLatin1String("leftwards"))
        QCOMPARE(shown.right(), geometry.right());
    else if (rule == QLatin1String("own"))
        QCOMPARE(shown.x(), geometry.x());
    else
        QVERIFY2(shown.x() >= geometry.x(), qPrintable(QStringLiteral("at %1").arg(shown.x())));
}

void TestMainWindowLayout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("LMDApplyAll") << "LMDApplyAll" << "Apply All Changes";
    QTest::newRow("LMDChangePath") << "LMDChangePath" << "Change GP4 Path";
    QTest::newRow("LMDSaveAll") << "LMDSaveAll" << "Save all images to .tga";
    QTest::newRow("LabelSize") << "LabelSize" << "Image Size :";
    QTest::newRow("SizeLabel") << "SizeLabel" << "-";
    QTest::newRow("PanelChannels") << "PanelChannels" << "RGB Layers";
    QTest::newRow("LabelThumb") << "LabelThumb" << "Thumbnail Size:";
}

void TestMainWindowLayout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *widget = m_fixture->form().findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), text);
}

void TestMainWindowLayout::buttonTextsShowWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("LMDApplyAll") << "LMDApplyAll";
    QTest::newRow("LMDChangePath") << "LMDChangePath";
    QTest::newRow("LMDSaveAll") << "LMDSaveAll";
}

void TestMainWindowLayout::buttonTextsShowWhole()
{
    QFETCH(QString, name);
    auto *button = m_fixture->form().findChild<TPushButton *>(name);
    QVERIFY2(button, qPrintable(name));
    const QRect room = button->textRect();
    const QFont shown = button->textFont();
    const int advance = QFontMetrics(shown).horizontalAdvance(button->text());
    QVERIFY2(advance <= room.width(), qPrintable(QStringLiteral("%1 pixels of text in %2 (%3)")
                                                     .arg(advance).arg(room.width()).arg(shown.toString())));

    // As seen: the button shows the text's ink as wide as the text drawn alone in the same font,
    // and not up to an edge of the room, where the text would be cut.
    auto inkedColumns = [](const QImage &image, const QRect &area) {
        QList<int> columns;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (qGray(image.pixel(x, y)) < 96) {
                    columns << x;
                    break;
                }
            }
        }
        return columns;
    };
    QImage alone(advance + 8, button->height(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        painter.setFont(shown);
        painter.setPen(Qt::black);
        painter.drawText(alone.rect(), Qt::AlignCenter, button->text());
    }
    const QList<int> wanted = inkedColumns(alone, alone.rect());
    const QList<int> seen = inkedColumns(button->grab().toImage(), room);
    QVERIFY(!wanted.isEmpty() && !seen.isEmpty());
    const int wantedWidth = wanted.constLast() - wanted.constFirst() + 1;
    const int seenWidth = seen.constLast() - seen.constFirst() + 1;
    QVERIFY2(seenWidth >= wantedWidth - 1,
             qPrintable(QStringLiteral("%1 of %2 pixels").arg(seenWidth).arg(wantedWidth)));
    QVERIFY(seen.constFirst() > room.left() && seen.constLast() < room.right());
}

void TestMainWindowLayout::windowSizeAndMinimumWidth()
{
    TForm1 &form = m_fixture->form();
    // The line naming the game folder comes below the pages' designed height.
    QCOMPARE(form.size(), MainWindowLayout::InitialClientSize + QSize(0, form.folderLine()->sizeHint().height()));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tessary"));
    QCOMPARE(form.minimumWidth(), MainWindowLayout::MinimumClientWidth);
    // No minimum height: the window goes down to its top bar and below.
    for (int height : {300, 29, 10}) {
        form.resize(400, height);
        QCOMPARE(form.width(), MainWindowLayout::MinimumClientWidth);
        QCOMPARE(form.height(), height);
    }
    QCOMPARE(form.minimumHeight(), 0);
}

void TestMainWindowLayout::wideningKeepsControlsInPlace()
{
    TForm1 &form = m_fixture->form();
    const MainWindowParts &parts = form.parts();
    const QRect apply = parts.LMDApplyAll->geometry();
    const QRect change = parts.LMDChangePath->geometry();
    const QRect bar = parts.ProgressBar1->geometry();
    const QRect spin = parts.SpinSize->geometry();
    const int scrollWidth = parts.ScrollBox1->width();
    form.resize(900, 600);
    QCOMPARE(parts.TopPanel->width(), 900);
    QCOMPARE(parts.PageControl1->width(), 900);
    QCOMPARE(parts.Panel1->width(), parts.TabSheet1->width());
    QCOMPARE(parts.ScrollBox1->width(), scrollWidth + 900 - 588);
    QCOMPARE(parts.LMDApplyAll->geometry(), apply);
    QCOMPARE(parts.LMDChangePath->geometry(), change);
    QCOMPARE(parts.ProgressBar1->geometry(), bar);
    QCOMPARE(parts.SpinSize->geometry(), spin);
}

void TestMainWindowLayout::pagesAndTabs()
{
    const MainWindowParts &parts = m_fixture->form().parts();
    QCOMPARE(parts.PageControl1->count(), 2);
    QCOMPARE(parts.PageControl1->tabText(0), QStringLiteral("Images Workshop"));
    QCOMPARE(parts.PageControl1->tabText(1), QStringLiteral("Fonts Workshop"));
    QCOMPARE(parts.PageControl1->currentIndex(), 0);
    QVERIFY(parts.PageControl1->tabBar()->tabRect(0).width() >= TPageControl::TabWidth);
    QCOMPARE(parts.PageControl1->tabBar()->tabRect(0).width(), parts.PageControl1->tabBar()->tabRect(1).width());
    QCOMPARE(parts.Panel1->geometry(), QRect(0, 0, parts.TabSheet1->width(), 24));
    QCOMPARE(parts.Panel1->parentWidget(), parts.TabSheet1);
    // The fonts page has no tool bar: its scroll area starts at the top of the page.
    parts.PageControl1->setCurrentIndex(1);
    QCOMPARE(parts.TabSheet2->size(), parts.TabSheet1->size());
    QCOMPARE(parts.ScrollBox2->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(parts.ScrollBox2->size(), parts.TabSheet2->size());
}

void TestMainWindowLayout::scrollAreas()
{
    const MainWindowParts &parts = m_fixture->form().parts();
    QCOMPARE(parts.ScrollBox1->geometry().topLeft(), QPoint(0, 24));
    QCOMPARE(parts.ScrollBox1->width(), parts.TabSheet1->width());
    QCOMPARE(parts.ScrollBox1->height(), parts.TabSheet1->height() - 24);
    QVERIFY(parts.ScrollBox1->width() >= 580 && parts.ScrollBox1->width() <= 588);
    for (TScrollBox *box : {parts.ScrollBox1, parts.ScrollBox2}) {
        parts.PageControl1->setCurrentWidget(box->parentWidget());
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->content()->width(), box->viewport()->width());
        box->setRange(5000);
        QCOMPARE(box->content()->height(), 5000);
        box->setPosition(100000);
        QCOMPARE(box->position(), 5000 - box->viewport()->height());
        QCOMPARE(box->content()->y(), -box->position());
        box->setRange(10);
        QCOMPARE(box->position(), 0);
        QCOMPARE(box->viewport()->palette().color(QPalette::Window), box->palette().color(QPalette::Light));
    }
}

void TestMainWindowLayout::focusFrames()
{
    const MainWindowParts &parts = m_fixture->form().parts();
    QCOMPARE(parts.Focusrect->parentWidget(), parts.ScrollBox1->content());
    QCOMPARE(parts.Focus2->parentWidget(), parts.ScrollBox2->content());
    QCOMPARE(parts.ScrollBox1->content()->children().constFirst(), parts.Focusrect);
    QCOMPARE(parts.ScrollBox2->content()->children().constFirst(), parts.Focus2);
    QCOMPARE(parts.Focusrect->pos().x(), 2000);
    QCOMPARE(parts.Focusrect->outline(), QColor(166, 202, 240));
    QCOMPARE(parts.Focus2->fill(), QColor(224, 237, 224));
    QCOMPARE(parts.Focus2->outline(), QColor(192, 220, 192));
}

void TestMainWindowLayout::popupItems()
{
    const MainWindowParts &parts = m_fixture->form().parts();
    const QList<QAction *> items = parts.Popup1->actions();
    // The two TGA items first, then the folder import, revert and restore, the image editor,
    // undo and redo, and the mods.
    QCOMPARE(items.size(), 17);
    QCOMPARE(items[0]->objectName(), QStringLiteral("Loadimagefromatgafile1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Load image from a .tga file"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("Savetoatgafile1"));
    QCOMPARE(items[1]->text(), QStringLiteral("Save image to a .tga file"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("Load all images from a folder\u2026"));
    QVERIFY(items[4]->isSeparator());
    QCOMPARE(items[5]->text(), QStringLiteral("Revert to the game folder's file"));
    QCOMPARE(items[6]->text(), QStringLiteral("Restore the game's original"));
    QCOMPARE(items[8]->text(), QStringLiteral("Edit in image editor\u2026"));
    QCOMPARE(items[9]->text(), QStringLiteral("Choose image editor\u2026"));
    QCOMPARE(items[11]->text(), QStringLiteral("Undo"));
    QCOMPARE(items[11]->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QCOMPARE(items[12]->text(), QStringLiteral("Redo"));
    QCOMPARE(items[12]->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    QVERIFY(!items[11]->isEnabled() && !items[12]->isEnabled());
    QVERIFY(items[13]->isSeparator());
    QCOMPARE(items[14]->objectName(), QStringLiteral("Savemodpackage1"));
    QCOMPARE(items[15]->objectName(), QStringLiteral("Installmod1"));
    QCOMPARE(items[16]->objectName(), QStringLiteral("Installedmods1"));
}

// The channel toggle as the window shows it: the fill inside its edge, left of its caption, and
// whether its edge is lowered (darker on the left than on the right).
struct ToggleSeen {
    QColor fill;
    bool lowered;
};

ToggleSeen toggleSeen(QWidget &form)
{
    const QWidget *toggle = form.findChild<QWidget *>(QStringLiteral("PanelChannels"));
    const QImage shot = form.grab().toImage();
    const auto at = [&](int x) { return shot.pixelColor(toggle->mapTo(&form, QPoint(x, toggle->height() / 2))); };
    return {at(4), at(0).lightness() < at(toggle->width() - 1).lightness()};
}

void TestMainWindowLayout::channelToggleFlips()
{
    TForm1 &form = m_fixture->form();
    TChannelToggle *toggle = form.parts().PanelChannels;
    QCOMPARE(toggle->tag(), 0);
    QCOMPARE(toggle->frameShadow(), QFrame::Raised);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->tag(), 1);
    QCOMPARE(toggle->text(), QStringLiteral("Alpha Layer"));
    QCOMPARE(toggle->frameShadow(), QFrame::Sunken);
    QCOMPARE(toggle->palette().color(QPalette::Window), QColor(166, 202, 240));
    QCOMPARE(toggleSeen(form).fill, QColor(166, 202, 240));
    QVERIFY(toggleSeen(form).lowered);
    QVERIFY(form.grids().alphaView());
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->tag(), 0);
    QCOMPARE(toggle->text(), QStringLiteral("RGB Layers"));
    QCOMPARE(toggle->frameShadow(), QFrame::Raised);
    QCOMPARE(toggle->palette().color(QPalette::Window), toggle->palette().color(QPalette::Button));
    QCOMPARE(toggleSeen(form).fill, toggle->palette().color(QPalette::Button));
    QVERIFY(!toggleSeen(form).lowered);
    QVERIFY(!form.grids().alphaView());
}

void TestMainWindowLayout::typeInto(TSpinSize *spin, const QString &text)
{
    spin->editor()->clear();
    QTest::keyClicks(spin, text);
}

void TestMainWindowLayout::spinTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("afterFocusLeaves");
    QTest::newRow("in range") << "240" << "240" << "240";
    QTest::newRow("above the maximum stands, then 600") << "700" << "700" << "600";
    QTest::newRow("below the minimum stands, then 40") << "3" << "3" << "40";
    QTest::newRow("letters are refused") << "1a2b0" << "120" << "120";
    QTest::newRow("only letters") << "xyz" << "" << "";
    QTest::newRow("a lone minus") << "-" << "-" << "-";
    QTest::newRow("a negative number") << "-20" << "-20" << "40";
    QTest::newRow("a plus sign") << "+80" << "+80" << "+80";
}

void TestMainWindowLayout::spinTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, afterFocusLeaves);
    TSpinSize *spin = m_fixture->form().parts().SpinSize;
    typeInto(spin, typed);
    QCOMPARE(spin->text(), shown);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &leave);
    QCOMPARE(spin->text(), afterFocusLeaves);
}

void TestMainWindowLayout::spinSteps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("after");
    QTest::newRow("up from 100") << 100 << int(Qt::Key_Up) << 120;
    QTest::newRow("down from 100") << 100 << int(Qt::Key_Down) << 80;
    QTest::newRow("up at the maximum") << 600 << int(Qt::Key_Up) << 600;
    QTest::newRow("down at the minimum") << 40 << int(Qt::Key_Down) << 40;
    QTest::newRow("down from 50") << 50 << int(Qt::Key_Down) << 40;
}

void TestMainWindowLayout::spinSteps()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, after);
    TSpinSize *spin = m_fixture->form().parts().SpinSize;
    spin->editor()->setText(QString::number(start));
    QTest::keyClick(spin, Qt::Key(key));
    QCOMPARE(spin->value(), after);
    spin->editor()->setText(QString::number(start));
    spin->stepBy(key == Qt::Key_Up ? 1 : -1);
    QCOMPARE(spin->value(), after);
}

void TestMainWindowLayout::spinSetByProgram_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("20 becomes 40") << 20 << "40";
    QTest::newRow("900 becomes 600") << 900 << "600";
    QTest::newRow("260 stays") << 260 << "260";
}

void TestMainWindowLayout::spinSetByProgram()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    TSpinSize *spin = m_fixture->form().parts().SpinSize;
    spin->setValue(value);
    QCOMPARE(spin->text(), text);
}

void TestMainWindowLayout::spinReportsEveryTextChange()
{
    TSpinSize *spin = m_fixture->form().parts().SpinSize;
    QSignalSpy changes(spin, &TSpinSize::textChanged);
    QTest::keyClick(spin, Qt::Key_End);
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClicks(spin, "40");
    QCOMPARE(changes.count(), 4);
    QCOMPARE(spin->text(), QStringLiteral("140"));
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(changes.count(), 5);
    spin->setValue(160);
    QCOMPARE(changes.count(), 5);
    spin->setValue(300);
    QCOMPARE(changes.count(), 6);
    // Enter and letters beep and change nothing.
    QTest::keyClick(spin, Qt::Key_Return);
    QTest::keyClick(spin, Qt::Key_Q);
    QCOMPARE(changes.count(), 6);
    QCOMPARE(spin->text(), QStringLiteral("300"));
}

void TestMainWindowLayout::spinBelowMinimumLaysNothingOut()
{
    TForm1 &form = m_fixture->form();
    TSpinSize *spin = form.parts().SpinSize;
    spin->setValue(200);
    QCOMPARE(form.grids().ThumbSize, 200);
    typeInto(spin, "3");
    QCOMPARE(form.grids().ThumbSize, 200);
    spin->editor()->clear();
    QCOMPARE(form.grids().ThumbSize, 200);
    QTest::keyClicks(spin, "300");
    QCOMPARE(form.grids().ThumbSize, 300);
    QCOMPARE(form.parts().Focusrect->size(), QSize(306, 321));
}

void TestMainWindowLayout::messageBoxesFitTheScreen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scrolls");
    const QString path = QStringLiteral("/home/someone/Games/Grand Prix 4/MenuData/PC/GP2001/images/123.gpi");
    QStringList many;
    for (int k = 0; k < 400; ++k)
        many << path;
    // A game folder of 240 characters with no space to wrap at, as Windows writes it.
    QString folder = QStringLiteral("C:\\");
    for (int k = 0; folder.size() < 240; ++k)
        folder += QStringLiteral("LongFolderName%1\\").arg(k);
    folder.truncate(240);
    QTest::newRow("one line") << QStringLiteral("disk full") << false;
    QTest::newRow("ten long names") << many.mid(0, 10).join(QStringLiteral(", ")) << false;
    QTest::newRow("a 240-character game folder")
        << folder + QStringLiteral("\\MenuData\\PC\\GP2001\\images\\12.gpi: the file is in use by another program") << false;
    QTest::newRow("400 lines") << many.join(QLatin1Char('\n')) << true;
    QTest::newRow("one line of 400 names") << many.join(QStringLiteral(", ")) << true;
}

// As the user sees it: the box within the screen, every line within the box (the end of the
// text, the file's name and the reason, drawn inside it unless the text scrolls), and the
// whole text selectable and copied as it was given.
void TestMainWindowLayout::messageBoxesFitTheScreen()
{
    QFETCH(QString, text);
    QFETCH(bool, scrolls);
    MessageDialog box(text, false, {QStringLiteral("OK")}, &m_fixture->form());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect screen = m_fixture->form().screen()->availableGeometry();
    QVERIFY2(box.frameGeometry().width() <= screen.width(), qPrintable(QString::number(box.frameGeometry().width())));
    QVERIFY2(box.frameGeometry().height() <= screen.height(), qPrintable(QString::number(box.frameGeometry().height())));
    QTextEdit *field = box.textField();
    QCOMPARE(field->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(field->verticalScrollBar()->isVisible(), scrolls);
    if (!scrolls) {
        QTextCursor end(field->document());
        end.movePosition(QTextCursor::End);
        const QRect caret = field->cursorRect(end);
        QVERIFY2(field->viewport()->rect().contains(caret), "the end of the text lies outside the box");
        // Ink where the last characters are drawn.
        const int back = std::min(caret.x(), field->fontMetrics().horizontalAdvance(text.right(6)));
        const QRect last(field->viewport()->mapTo(&box, caret.topLeft() - QPoint(back, 0)), QSize(back, caret.height()));
        const QImage shot = box.grab().toImage();
        int ink = 0;
        for (int y = last.top(); y <= last.bottom(); ++y)
            for (int x = last.left(); x <= last.right(); ++x)
                ink += qGray(shot.pixel(x, y)) < 128;
        QVERIFY2(ink > 20, qPrintable(QStringLiteral("%1 dark pixels at the end of the text").arg(ink)));
    }
    field->selectAll();
    QTest::keySequence(&box, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    box.done(0);
}

QTEST_MAIN(TestMainWindowLayout)
#include "test_main_window_layout.moc"
