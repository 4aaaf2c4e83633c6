#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <atomic>
#include <functional>
#include <thread>

#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "message_dialog.h"
#include "picture_control.h"
#include "preview_window.h"
#include "push_button.h"
#include "qt_dialogs.h"
#include "scroll_box.h"
#include "size_spin_box.h"
#include "window_fixture.h"
#include "window_work.h"

namespace {

// Counts, while the window is busy, the timer's shots and the thumbnails painted.
class WhileBusy : public QObject {
public:
    explicit WhileBusy(TForm1 &form) : m_form(form)
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (!m_form.isBusy())
                return;
            if (shots++ == 0 && onceBusy)
                onceBusy();
            commandsEnabled = commandsEnabled || m_form.parts().LMDApplyAll->isEnabled() || m_form.parts().LMDSaveAll->isEnabled()
                || m_form.parts().LMDChangePath->isEnabled() || m_form.parts().Undo1->isEnabled();
            m_form.parts().ScrollBox1->content()->update();
        });
        m_timer.start();
        qApp->installEventFilter(this);
    }
    std::atomic<int> shots{0};
    int paints = 0;
    std::function<void()> onceBusy;
    bool commandsEnabled = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_form.isBusy() && qobject_cast<TPicture *>(watched))
            ++paints;
        return false;
    }

private:
    TForm1 &m_form;
    QTimer m_timer;
};

// Holds the worker until the window thread has answered a few times.
void waitForTheWindow(const WhileBusy &busy)
{
    for (int k = 0; k < 500 && busy.shots < 3; ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

} // namespace

// A window that always answers: its event loop runs during long work, which disables the
// commands that change pictures, closing waits for it, and its end is said on the progress
// bar. Also the grid's keyboard and tooltips, and what a new user found wrong.
class TestWindowAnswers : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadingLetsTheWindowAnswer();
    void applyingLetsTheWindowAnswer();
    void closingWaitsForTheWork();
    void successIsNeverSilent();
    void keyboard_data();
    void keyboard();
    void tooltips_data();
    void tooltips();
    void messagesNameFilesWithOneSeparator();
    void openDialogShowsBothKinds();
    void saveAllAsksTheFormatAfterTheFolder_data();
    void saveAllAsksTheFormatAfterTheFolder();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void launch();
    std::unique_ptr<WindowFixture> m_fixture;
    QString m_game;
};

void TestWindowAnswers::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_game = m_fixture->makeGame(QStringLiteral("game"), UiTestSupport::catalogue(12));
    m_fixture->recordGameFolder(m_game);
}

void TestWindowAnswers::cleanup()
{
    WindowWork::setWorkerStartHook({});
    m_fixture.reset();
}

void TestWindowAnswers::launch()
{
    QVERIFY(form().Launch());
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
}

void TestWindowAnswers::loadingLetsTheWindowAnswer()
{
    WhileBusy busy(form());
    launch();
    QVERIFY(busy.shots > 0);
    QVERIFY(busy.paints > 0);
    QVERIFY(!busy.commandsEnabled);
    QVERIFY(form().parts().LMDApplyAll->isEnabled());
}

void TestWindowAnswers::applyingLetsTheWindowAnswer()
{
    launch();
    m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    form().Showpreview();
    TFormPreview &preview = m_fixture->preview();
    WhileBusy busy(form());
    // Space in the preview reads nothing of the game folder while it is written.
    PreviewSource shownMeanwhile = PreviewSource::GameFolder;
    busy.onceBusy = [&] {
        QTest::keyPress(&preview, Qt::Key_Space);
        shownMeanwhile = preview.source();
        QTest::keyRelease(&preview, Qt::Key_Space);
    };
    WindowWork::setWorkerStartHook([&busy] { waitForTheWindow(busy); });
    form().LMDApplyAllClick();
    QCOMPARE(shownMeanwhile, PreviewSource::Tessary);
    QVERIFY(busy.shots >= 3);
    QVERIFY(busy.paints > 0);
    QVERIFY(!busy.commandsEnabled);
    QVERIFY(!form().catalogue().imageChanged(5));
    QVERIFY(form().parts().LMDApplyAll->isEnabled() && form().parts().Undo1->isEnabled());
}

void TestWindowAnswers::closingWaitsForTheWork()
{
    launch();
    m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    const QByteArray imported(reinterpret_cast<const char *>(form().catalogue().ImagePixels[5].data()), form().catalogue().ImageSizes[5]);
    // The user closes the window while the changes are written.
    WindowWork::setWorkerStartHook([this] {
        QMetaObject::invokeMethod(&form(), &QWidget::close, Qt::QueuedConnection);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    form().LMDApplyAllClick();
    QVERIFY(form().isVisible());
    QTRY_VERIFY(!form().isVisible());
    QFile file(UiTestSupport::imageFile(m_game, 5));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), imported);
    QVERIFY(dialogs().asked.isEmpty());
}

void TestWindowAnswers::successIsNeverSilent()
{
    launch();
    QCOMPARE(form().work().shownText(), QStringLiteral("11 images and 6 font sheets loaded"));
    const QString all = m_fixture->path(QStringLiteral("all"));
    QDir().mkpath(all);
    dialogs().folderAnswers << all;
    form().SaveAlltga();
    QCOMPARE(form().work().shownText(), QStringLiteral("11 images saved"));
    m_fixture->importInto(0, 2, m_fixture->invertedFile(2));
    form().LMDApplyAllClick();
    QCOMPARE(form().work().shownText(), QStringLiteral("1 file written to the game folder"));
    QTRY_COMPARE_WITH_TIMEOUT(form().work().shownText(), QString(), WindowWork::DoneTextMs + 2000);
}

void TestWindowAnswers::keyboard_data()
{
    // Thumbnails of 200: two columns, one row in view; image 1 is selected after loading.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("selected");
    QTest::newRow("Right") << "Right" << 2;
    QTest::newRow("Right, Down") << "Right Down" << 4;
    QTest::newRow("Down, Down, Up, Left") << "Down Down Up Left" << 2;
    QTest::newRow("Left at the first") << "Left" << 1;
    QTest::newRow("End") << "End" << 11;
    QTest::newRow("End, Home") << "End Home" << 1;
    QTest::newRow("Page Down") << "PgDown" << 3;
    QTest::newRow("typed 10") << "1 0" << 10;
    QTest::newRow("typed 10, Enter opens the preview") << "1 0 Enter" << 10;
    QTest::newRow("Shift+F10 opens the menu") << "Right ShiftF10" << 2;
    QTest::newRow("the menu key opens the menu") << "Menu" << 1;
}

void TestWindowAnswers::keyboard()
{
    QFETCH(QString, keys);
    QFETCH(int, selected);
    launch();
    form().parts().SpinSize->setValue(200);
    TScrollBox *page = form().parts().ScrollBox1;
    const QMap<QString, Qt::Key> named{{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}, {"Up", Qt::Key_Up},
                                       {"Down", Qt::Key_Down}, {"Home", Qt::Key_Home}, {"End", Qt::Key_End},
                                       {"PgDown", Qt::Key_PageDown}, {"Enter", Qt::Key_Return}, {"Menu", Qt::Key_Menu},
                                       {"ShiftF10", Qt::Key_F10}, {"1", Qt::Key_1}, {"0", Qt::Key_0}};
    for (const QString &key : keys.split(QLatin1Char(' ')))
        QTest::keyClick(page, named.value(key), key == "ShiftF10" ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(form().SelectedIndex(), selected);
    // The selected picture is in view.
    const QRect cell = form().grids().imageCell(selected)->geometry();
    QVERIFY(cell.top() >= page->position() && cell.bottom() < page->position() + page->viewport()->height());
    QCOMPARE(m_fixture->preview().isVisible(), keys.endsWith("Enter"));
    if (keys.endsWith("Enter"))
        QCOMPARE(m_fixture->preview().windowTitle(), QStringLiteral("10.gpi"));
    QCOMPARE(form().parts().Popup1->isVisible(), keys.contains("F10") || keys.contains("Menu"));
    form().parts().Popup1->hide();
}

void TestWindowAnswers::tooltips_data()
{
    // Image n is (n + 1) x (n + 2) pixels: image 5 is 6 x 7, 168 bytes.
    QTest::addColumn<bool>("imported");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QString>("state");
    QTest::newRow("as loaded") << false << false << "As the game folder holds it\nThe game's original";
    QTest::newRow("imported") << true << false << "Changed in Tessary, not yet applied\nDiffers from the game's original";
    QTest::newRow("applied") << true << true << "As the game folder holds it\nDiffers from the game's original";
}

void TestWindowAnswers::tooltips()
{
    QFETCH(bool, imported);
    QFETCH(bool, applied);
    QFETCH(QString, state);
    launch();
    if (imported)
        m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    if (applied)
        form().LMDApplyAllClick();
    TPicture *cell = form().grids().imageCell(5);
    const QPoint at = cell->rect().center();
    QHelpEvent ask(QEvent::ToolTip, at, cell->mapToGlobal(at));
    QCoreApplication::sendEvent(cell, &ask);
    QCOMPARE(QToolTip::text(), QStringLiteral("Image 5 (5.gpi)\n6 \u00d7 7 pixels, 168 bytes\n") + state);
    QToolTip::hideText();
}

void TestWindowAnswers::messagesNameFilesWithOneSeparator()
{
    launch();
    // "Change GP4 Path" records the folder with a trailing separator.
    const QString other = m_fixture->makeGame(QStringLiteral("other"), UiTestSupport::catalogue(12));
    dialogs().executableAnswers << QDir(other).filePath(QStringLiteral("gp4.exe"));
    form().LMDChangePathClick();
    QVERIFY(m_fixture->recordedGameFolder().endsWith(QDir::separator()));
    m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    // Another program changes the file meanwhile: the question names it.
    QFile changed(UiTestSupport::imageFile(other, 5));
    QVERIFY(changed.open(QIODevice::Append));
    changed.write("x");
    changed.close();
    dialogs().askAnswers << 1;
    form().LMDApplyAllClick();
    QCOMPARE(dialogs().asked.size(), 1);
    const QString expected = QDir::toNativeSeparators(other + QStringLiteral("/MenuData/PC/GP2001/images/5.gpi"));
    QVERIFY2(dialogs().asked.first().contains(expected + QLatin1Char('\n')), qPrintable(dialogs().asked.first()));
}

void TestWindowAnswers::openDialogShowsBothKinds()
{
    QStringList filters;
    QString chosen;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        chosen = dialog->selectedNameFilter();
        dialog->reject();
    });
    QtDialogs(nullptr).openTgaFile(QString());
    QCOMPARE(filters, (QStringList{"Pictures (*.tga *.png)", "*.tga (*.tga)", "*.png (*.png)"}));
    QCOMPARE(chosen, QStringLiteral("Pictures (*.tga *.png)"));
}

void TestWindowAnswers::saveAllAsksTheFormatAfterTheFolder_data()
{
    QTest::addColumn<bool>("offered"); // .png offered first
    QTest::addColumn<QString>("press"); // the button pressed in the question; empty: Return
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("png");
    QTest::newRow(".png pressed") << false << ".png" << true << true;
    QTest::newRow(".tga pressed") << true << ".tga" << true << false;
    QTest::newRow("Return on .png offered") << true << "" << true << true;
    QTest::newRow("Return on .tga offered") << false << "" << true << false;
    QTest::newRow("Cancel") << true << "Cancel" << false << false;
}

// The real folder picker, answered as a user would, then the question of the format, drawn with
// its buttons, the format chosen last preset.
void TestWindowAnswers::saveAllAsksTheFormatAfterTheFolder()
{
    QFETCH(bool, offered);
    QFETCH(QString, press);
    QFETCH(bool, saved);
    QFETCH(bool, png);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("exports"));
    QVERIFY(QDir().mkpath(folder));
    QStringList buttons;
    QString question;
    QImage drawn;
    const std::function<void()> answerQuestion = [&] {
        auto *box = dynamic_cast<MessageDialog *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, this, answerQuestion);
            return;
        }
        question = box->textField()->toPlainText();
        drawn = box->grab().toImage();
        QPushButton *target = nullptr;
        for (QPushButton *button : box->findChildren<QPushButton *>()) {
            buttons << button->text();
            if (button->text() == press || (press.isEmpty() && button->isDefault()))
                target = button;
        }
        QVERIFY(target);
        target->click();
    };
    QTimer::singleShot(0, this, [&] {
        auto *picker = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(picker);
        auto *name = picker->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(folder);
        QTimer::singleShot(0, this, answerQuestion);
        QTest::keyClick(name, Qt::Key_Return);
    });
    const FolderChoice choice = QtDialogs(nullptr).chooseFolder(QString(), offered);

    QCOMPARE(buttons, (QStringList{".tga", ".png", "Cancel"}));
    QVERIFY2(question.contains(QDir::toNativeSeparators(folder)), qPrintable(question));
    QCOMPARE(choice.folder, saved ? QDir::toNativeSeparators(folder) : QString());
    QCOMPARE(choice.png, png);
    // The question was drawn with ink in it, not as an empty box.
    QVERIFY(!drawn.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); y += 2)
        for (int x = 0; x < drawn.width(); x += 2)
            colours.insert(drawn.pixel(x, y));
    QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
}

QTEST_MAIN(TestWindowAnswers)
#include "test_window_answers.moc"
