#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QUrl>

#include "core_path.h"
#include "file_ops.h"
#include "write_journal.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "page_control.h"
#include "picture_control.h"
#include "picture_maker.h"
#include "preview_window.h"
#include "size_spin_box.h"
#include "start_folder.h"
#include "window_fixture.h"

namespace {
const QString Choose = GameFolder::ChooseFolderMessage();
const QString Refused = GameFolder::RefusedMessage();

QString executableIn(const QString &folder)
{
    return folder + QStringLiteral("/gp4.exe");
}

void touch(const QString &file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile made(file);
    QVERIFY(made.open(QIODevice::WriteOnly));
}
}

// Start-up with scripted dialogs, the settings kept between runs, and "Change GP4 Path".
class TestStartSequence : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noFolderCancelled();
    void noFolderThenChosen();
    void refusedFolderAskedAgain();
    void folderFound_data();
    void folderFound();
    void gameFolderShownAndOpened_data();
    void gameFolderShownAndOpened();
    void unreadableFolderAsksForAnother_data();
    void unreadableFolderAsksForAnother();
    void failedLoadLeavesNoThumbnails();
    void settingsAtStart_data();
    void settingsAtStart();
    void firstRunWritesSettingsAtClose();
    void closingWhileMinimised();
    void closingStoresTheAppliedSize();
    void changePathCancelKeepsImports();
    void changePathRefusedKeepsImports();
    void changePathToLargerAndSmallerFolders();
    void changePathFailureKeepsWhatWasShown();
    void changePathToFolderWithoutExecutable();
    void unwritableEntryKeepsTheChoiceInSettings();
    void applyAllWritesImports();
    void applyAllFailureIsShown();
    void applyAllAsksBeforeReplacingTheirChanges_data();
    void applyAllAsksBeforeReplacingTheirChanges();
    void applyAllNamesFilesLeftAlone();
    void startSettlesACutShortWriteBack();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    QString makeGame(const QString &name, int slotCount);
    // Launches on a fresh game folder and simulates an import into image 1.
    void launchWithImport();
    std::unique_ptr<WindowFixture> m_fixture;
    static constexpr std::uint32_t Imported = 0xFF123456u;
};

void TestStartSequence::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void TestStartSequence::cleanup()
{
    FileOps::injectFault(0, FileOps::FaultKind::NotFound);
    m_fixture.reset();
}

QString TestStartSequence::makeGame(const QString &name, int slotCount)
{
    return m_fixture->makeGame(name, UiTestSupport::catalogue(slotCount));
}

void TestStartSequence::noFolderCancelled()
{
    QVERIFY(!form().Launch());
    QCOMPARE(dialogs().messages, QStringList{Choose});
    QCOMPARE(dialogs().executableStartFolders, QStringList{StartFolder::games()});
    QVERIFY(form().isVisible());
    QCOMPARE(form().windowTitle(), QStringLiteral("Tessary 1.2[*]"));
    QVERIFY(!form().isWindowModified());
    QCOMPARE(form().catalogue().ImageCount, 0);
}

void TestStartSequence::noFolderThenChosen()
{
    const QString game = makeGame(QStringLiteral("game"), 6);
    dialogs().executableAnswers << executableIn(game);
    QVERIFY(form().Launch());
    QCOMPARE(dialogs().messages, QStringList{Choose});
    QCOMPARE(m_fixture->recordedGameFolder(), QDir::toNativeSeparators(game + QLatin1Char('/')));
    // The folder is recorded with a trailing separator; files are named below it with one.
    QCOMPARE(form().catalogue().GP4Path, QDir::toNativeSeparators(game).toStdString());
    QCOMPARE(form().catalogue().ImageCount, 6);
    QVERIFY(form().grids().imageCell(5));
}

void TestStartSequence::refusedFolderAskedAgain()
{
    const QString other = m_fixture->path(QStringLiteral("other"));
    touch(executableIn(other));
    dialogs().executableAnswers << executableIn(other);
    QVERIFY(!form().Launch());
    QCOMPARE(dialogs().messages, (QStringList{Choose, Refused, Choose}));
    QCOMPARE(dialogs().executableStartFolders.size(), 2);
    QCOMPARE(m_fixture->recordedGameFolder(), QString());
}

void TestStartSequence::folderFound_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("recorded without a separator") << "";
    QTest::newRow("recorded with a trailing separator") << "/";
}

void TestStartSequence::folderFound()
{
    QFETCH(QString, ending);
    const QString recorded = makeGame(QStringLiteral("game"), 8) + ending;
    m_fixture->recordGameFolder(recorded);
    QVERIFY(form().Launch());
    QVERIFY(dialogs().messages.isEmpty());
    QCOMPARE(form().gameFolder().GP4Path, recorded);
    // The catalogue names files with the system's separators, one between folder and name.
    QCOMPARE(form().catalogue().GP4Path, QDir::toNativeSeparators(recorded.chopped(ending.size())).toStdString());
    QCOMPARE(form().catalogue().ImageCount, 8);
    QCOMPARE(form().grids().imageCell(7)->picture().size(), QSize(8, 9));
}

namespace {
// Takes the URLs QDesktopServices is asked to open, in place of the file manager.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};
}

void TestStartSequence::gameFolderShownAndOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "game";
    QTest::newRow("spaces and letters beyond ASCII") << "Grand Prix 4 (Łódź) ü";
    // (Windows allows no "<" or ">" in a name.)
    QTest::newRow("characters of markup and URLs") << "a&amp;b &b #1 %20 ;x";
}

// The folder loaded is named below the pages, drawn there, and a click on it opens it.
void TestStartSequence::gameFolderShownAndOpened()
{
    QFETCH(QString, name);
    const QString game = makeGame(name, 4);
    // Chosen at the first question, as a new user does.
    dialogs().executableAnswers << executableIn(game);
    QVERIFY2(form().Launch(), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
    QCOMPARE(dialogs().messages, QStringList{Choose});
    dialogs().messages.clear();
    QLabel *line = form().folderLine();
    QTextDocument document;
    document.setHtml(line->text());
    // The folder as it was recorded: with a trailing separator.
    const QString shown = QDir::toNativeSeparators(game + QLatin1Char('/'));
    QCOMPARE(document.toPlainText(), QStringLiteral("Game folder: ") + shown);

    // Drawn: dark ink below the pages, as wide as the text about.
    form().resize(900, 500);
    QCoreApplication::processEvents();
    const QImage drawn = form().grab(line->geometry()).toImage();
    const int textWidth = line->fontMetrics().horizontalAdvance(document.toPlainText());
    int right = -1;
    for (int x = 0; x < drawn.width(); ++x)
        for (int y = 0; y < drawn.height(); ++y)
            if (qGray(drawn.pixel(x, y)) < 110 || qBlue(drawn.pixel(x, y)) > qRed(drawn.pixel(x, y)) + 60)
                right = x;
    QVERIFY2(right > textWidth * 3 / 4 && right < textWidth + 20, qPrintable(QStringLiteral("%1 of %2").arg(right).arg(textWidth)));
    QVERIFY(line->geometry().top() >= form().parts().PageControl1->geometry().bottom());

    // A click on the folder's name opens it.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    const int linkX = line->contentsMargins().left() + line->fontMetrics().horizontalAdvance(QStringLiteral("Game folder: ")) + 8;
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(linkX, line->height() / 2));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(QDir::toNativeSeparators(catcher.opened.first().toLocalFile()), shown);
    QVERIFY(dialogs().messages.isEmpty());
}

void TestStartSequence::unreadableFolderAsksForAnother_data()
{
    folderFound_data();
}

void TestStartSequence::unreadableFolderAsksForAnother()
{
    QFETCH(QString, ending);
    const QString broken = m_fixture->path(QStringLiteral("broken"));
    touch(executableIn(broken));
    m_fixture->recordGameFolder(QDir::toNativeSeparators(broken + ending));
    const QString game = makeGame(QStringLiteral("game"), 4);
    dialogs().executableAnswers << executableIn(game);
    QVERIFY(form().Launch());
    QCOMPARE(dialogs().messages.size(), 2);
    const QString index = QDir::toNativeSeparators(broken + QStringLiteral("/MenuData/PC/GP2001/Gp2001.gph"));
    QVERIFY2(dialogs().messages[0].startsWith(index + QStringLiteral(": ")), qPrintable(dialogs().messages[0]));
    QCOMPARE(dialogs().messages[1], Choose);
    QCOMPARE(form().catalogue().ImageCount, 4);
}

void TestStartSequence::failedLoadLeavesNoThumbnails()
{
    const QString game = makeGame(QStringLiteral("game"), 10);
    QVERIFY(QFile::remove(CorePath::toQt(GamePaths::font(CorePath::fromQt(game), 5))));
    m_fixture->recordGameFolder(game);
    QVERIFY(!form().Launch());
    QCOMPARE(dialogs().messages.size(), 2);
    QVERIFY2(dialogs().messages[0].contains(QStringLiteral("texttest1250.gpf")), qPrintable(dialogs().messages[0]));
    QCOMPARE(form().catalogue().ImageCount, 0);
    // The images read before the failure were drawn, then taken away with the failed load.
    auto *cell = form().findChild<TPicture *>(QStringLiteral("Image3"));
    QVERIFY(cell);
    QVERIFY(cell->isHidden());
    QVERIFY(!form().grids().imageCell(3));
    QVERIFY(form().grids().fontCell(0)->picture().isNull());
    QCOMPARE(form().parts().ProgressBar1->value(), 0);
}

void TestStartSequence::settingsAtStart_data()
{
    QTest::addColumn<QString>("windowState");
    QTest::addColumn<QString>("thumbSize");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<int>("applied");
    QTest::addColumn<int>("spinChanges");
    QTest::addColumn<QString>("storedAtClose");
    QTest::addColumn<QString>("geometry"); // "WindowGeometry", its screen named "%screen"
    QTest::addColumn<QRect>("opened");     // the window's normal geometry; null: in the screen's middle
    const QString kept = QStringLiteral("40,30,700,520,%screen");
    QTest::newRow("missing values") << QString() << QString() << false << 100 << 0 << "Normal" << QString() << QRect();
    QTest::newRow("Normal, 160") << "Normal" << "160" << false << 160 << 1 << "Normal" << kept << QRect(40, 30, 700, 520);
    QTest::newRow("Full") << "Full" << "100" << true << 100 << 0 << "Full" << kept << QRect(40, 30, 700, 520);
    QTest::newRow("full in lower case, 20") << "full" << "20" << false << 40 << 1 << "Normal" << QString() << QRect();
    QTest::newRow("another text, 900") << "Maximized" << "900" << false << 600 << 1 << "Normal" << QString() << QRect();
    QTest::newRow("size not a number") << "Normal" << "abc" << false << 100 << 0 << "Normal" << QString() << QRect();
    QTest::newRow("a place off the screen") << "Normal" << "100" << false << 100 << 0 << "Normal"
                                            << QStringLiteral("5000,4000,700,520,%screen") << QRect();
    QTest::newRow("a place that can't be read") << "Normal" << "100" << false << 100 << 0 << "Normal"
                                                << QStringLiteral("40;30;700;520") << QRect();
}

void TestStartSequence::settingsAtStart()
{
    QFETCH(QString, windowState);
    QFETCH(QString, thumbSize);
    QFETCH(bool, maximized);
    QFETCH(int, applied);
    QFETCH(int, spinChanges);
    QFETCH(QString, storedAtClose);
    QFETCH(QString, geometry);
    QFETCH(QRect, opened);
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    if (!geometry.isNull())
        m_fixture->storeSetting(QStringLiteral("WindowGeometry"), geometry.replace(QStringLiteral("%screen"), screen->name()));
    if (!windowState.isNull())
        m_fixture->storeSetting(QStringLiteral("WindowState"), windowState);
    if (!thumbSize.isNull())
        m_fixture->storeSetting(QStringLiteral("ThumbSize"), thumbSize);
    m_fixture->recordGameFolder(makeGame(QStringLiteral("game"), 5));
    QSignalSpy changes(form().parts().SpinSize, &TSpinSize::textChanged);
    QVERIFY(form().Launch());
    QCOMPARE(form().isMaximized(), maximized);
    QCOMPARE(form().parts().SpinSize->text(), QString::number(applied));
    QCOMPARE(form().grids().ThumbSize, applied);
    QCOMPARE(form().grids().imageCell(1)->size(), QSize(applied, applied));
    QCOMPARE(changes.count(), spinChanges);
    const QRect normal = form().normalGeometry();
    if (opened.isNull())
        QVERIFY2((normal.center() - screen->availableGeometry().center()).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(normal.x()).arg(normal.y()).arg(normal.width()).arg(normal.height())));
    else
        QCOMPARE(normal, opened.translated(screen->geometry().topLeft()));
    // The normal place is kept at close, with the size the user gave the window.
    QRect closed = normal;
    if (!maximized) {
        closed = QRect(screen->geometry().topLeft() + QPoint(64, 48), QSize(720, 540));
        form().setGeometry(closed);
    }
    QVERIFY(form().close());
    const QPoint at = closed.topLeft() - screen->geometry().topLeft();
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("WindowGeometry")),
             QStringLiteral("%1,%2,%3,%4,%5").arg(at.x()).arg(at.y()).arg(closed.width()).arg(closed.height()).arg(screen->name()));
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("WindowState")), storedAtClose);
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("ThumbSize")), QString::number(applied));
}

void TestStartSequence::firstRunWritesSettingsAtClose()
{
    m_fixture->recordGameFolder(makeGame(QStringLiteral("game"), 3));
    QVERIFY(form().Launch());
    // The store is there from the start; its values come at close.
    QVERIFY(QFile::exists(m_fixture->settingsFile()));
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("WindowState")), QString());
    QVERIFY(form().close());
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("WindowState")), QStringLiteral("Normal"));
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("ThumbSize")), QStringLiteral("100"));
}

void TestStartSequence::closingWhileMinimised()
{
    m_fixture->storeSetting(QStringLiteral("WindowState"), QStringLiteral("Full"));
    m_fixture->recordGameFolder(makeGame(QStringLiteral("game"), 3));
    QVERIFY(form().Launch());
    form().parts().SpinSize->setValue(140);
    form().setWindowState(Qt::WindowMinimized);
    QVERIFY(form().close());
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("WindowState")), QStringLiteral("Full"));
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("ThumbSize")), QStringLiteral("140"));
}

void TestStartSequence::closingStoresTheAppliedSize()
{
    m_fixture->recordGameFolder(makeGame(QStringLiteral("game"), 3));
    QVERIFY(form().Launch());
    form().parts().SpinSize->setValue(220);
    form().parts().SpinSize->editor()->setText(QStringLiteral("3"));
    QVERIFY(form().close());
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("ThumbSize")), QStringLiteral("220"));
}

void TestStartSequence::launchWithImport()
{
    // Recorded as the game's installer records it, in the system's spelling.
    m_fixture->recordGameFolder(QDir::toNativeSeparators(makeGame(QStringLiteral("game"), 6)));
    QVERIFY(form().Launch());
    Catalogue &live = form().catalogue();
    UiTestSupport::setImage(live, 1, 2, 2, [](int, int) { return Imported; });
    form().Display(1);
    QCOMPARE(form().grids().imageCell(1)->picture().pixel(0, 0), Imported);
    // Changing the folder first asks about the unapplied import: "Discard" lets it go ahead.
    dialogs().askAnswers << 1;
}

void TestStartSequence::changePathCancelKeepsImports()
{
    launchWithImport();
    form().LMDChangePathClick();
    QCOMPARE(dialogs().asked.size(), 1);
    QVERIFY(dialogs().messages.isEmpty());
    const QString game = QDir::toNativeSeparators(m_fixture->path(QStringLiteral("game")));
    QCOMPARE(dialogs().executableStartFolders, QStringList{game});
    QCOMPARE(form().catalogue().ImagePixels[1][0], Imported);
    QCOMPARE(form().grids().imageCell(1)->picture().pixel(0, 0), Imported);
}

void TestStartSequence::changePathRefusedKeepsImports()
{
    launchWithImport();
    const QString other = m_fixture->path(QStringLiteral("other"));
    touch(executableIn(other));
    dialogs().executableAnswers << executableIn(other);
    form().LMDChangePathClick();
    QCOMPARE(dialogs().messages, QStringList{Refused});
    QCOMPARE(form().catalogue().ImagePixels[1][0], Imported);
    QCOMPARE(m_fixture->recordedGameFolder(), QDir::toNativeSeparators(m_fixture->path(QStringLiteral("game"))));
}

void TestStartSequence::changePathToLargerAndSmallerFolders()
{
    m_fixture->recordGameFolder(makeGame(QStringLiteral("game"), 6));
    QVERIFY(form().Launch());
    const QString larger = makeGame(QStringLiteral("larger"), 41);
    dialogs().executableAnswers << executableIn(larger);
    form().LMDChangePathClick();
    QVERIFY(dialogs().messages.isEmpty());
    QCOMPARE(form().catalogue().ImageCount, 41);
    QCOMPARE(form().catalogue().GP4Path, QDir::toNativeSeparators(larger).toStdString());
    for (int n = 1; n < 41; ++n) {
        TPicture *cell = form().grids().imageCell(n);
        QVERIFY(cell && cell->isVisible());
        QCOMPARE(cell->picture().size(), QSize(n + 1, n + 2));
    }

    const QString smaller = makeGame(QStringLiteral("smaller"), 11);
    dialogs().executableAnswers << executableIn(smaller);
    form().LMDChangePathClick();
    QCOMPARE(form().catalogue().ImageCount, 11);
    QVERIFY(form().grids().imageCell(10));
    QVERIFY(!form().grids().imageCell(11));
    for (int n = 11; n < 41; ++n)
        QVERIFY(form().findChild<TPicture *>(QStringLiteral("Image%1").arg(n))->isHidden());
    QCOMPARE(form().SelectedIndex(), 1);
    // A hidden cell's number selects nothing and reads nothing beyond the catalogue.
    form().grids().ShowSize(form().findChild<TPicture *>(QStringLiteral("Image30")));
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("-"));
    form().Showpreview();
    QVERIFY(!m_fixture->preview().isVisible());
}

void TestStartSequence::changePathFailureKeepsWhatWasShown()
{
    launchWithImport();
    const QString damaged = makeGame(QStringLiteral("damaged"), 20);
    QVERIFY(QFile::remove(UiTestSupport::imageFile(damaged, 12)));
    dialogs().executableAnswers << executableIn(damaged);
    form().LMDChangePathClick();
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains(QStringLiteral("12.gpi")), qPrintable(dialogs().messages[0]));
    QCOMPARE(form().catalogue().ImageCount, 6);
    QCOMPARE(form().catalogue().ImagePixels[1][0], Imported);
    QCOMPARE(form().grids().imageCell(1)->picture().pixel(0, 0), Imported);
    QCOMPARE(form().grids().imageCell(3)->picture(), PictureMaker::thumbnail(form().catalogue(), 3, 100, false));
    QVERIFY(!form().grids().imageCell(6));
    QVERIFY(form().findChild<TPicture *>(QStringLiteral("Image8"))->isHidden());
    QCOMPARE(form().parts().ProgressBar1->value(), 0);
}

void TestStartSequence::changePathToFolderWithoutExecutable()
{
    launchWithImport();
    const QString noExecutable = makeGame(QStringLiteral("noexe"), 9);
    QVERIFY(QFile::remove(executableIn(noExecutable)));
    dialogs().executableAnswers << QDir(noExecutable).filePath(QStringLiteral("readme.txt"));
    form().LMDChangePathClick();
    QCOMPARE(dialogs().messages.size(), 1);
    // The folder was recorded with a trailing separator; the message shows one.
    QCOMPARE(dialogs().messages[0],
             QDir::toNativeSeparators(noExecutable + QStringLiteral("/gp4.exe")) + QStringLiteral(": file not found"));
    QCOMPARE(form().catalogue().ImagePixels[1][0], Imported);
    QCOMPARE(form().catalogue().ImageCount, 6);
}

void TestStartSequence::unwritableEntryKeepsTheChoiceInSettings()
{
    // As for a user without administrator rights: the game's entry can't be written.
    QVERIFY(QDir().mkpath(m_fixture->entryFile()));
    const QString game = makeGame(QStringLiteral("game"), 5);
    dialogs().executableAnswers << executableIn(game);
    QVERIFY(form().Launch());
    QCOMPARE(dialogs().messages.size(), 2);
    QCOMPARE(dialogs().messages[0], Choose);
    const QString &recorded = dialogs().messages[1];
    const QString settings = QDir::toNativeSeparators(m_fixture->settingsFile());
    QVERIFY2(recorded.contains(settings + QStringLiteral(", value \"GameFolder\"")), qPrintable(recorded));
    QVERIFY2(recorded.contains(QDir::toNativeSeparators(m_fixture->entryFile())), qPrintable(recorded));
    QCOMPARE(form().catalogue().ImageCount, 5);
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("GameFolder")), QDir::toNativeSeparators(game + QLatin1Char('/')));

    // "Change GP4 Path" sticks the same way.
    const QString other = makeGame(QStringLiteral("other"), 7);
    dialogs().executableAnswers << executableIn(other);
    form().LMDChangePathClick();
    QCOMPARE(dialogs().messages.size(), 3);
    QCOMPARE(form().catalogue().ImageCount, 7);
    QCOMPARE(m_fixture->storedSetting(QStringLiteral("GameFolder")),
             QDir::toNativeSeparators(other + QLatin1Char('/')));
}

void TestStartSequence::applyAllWritesImports()
{
    launchWithImport();
    form().LMDApplyAllClick();
    QVERIFY(dialogs().messages.isEmpty());
    QFile image(UiTestSupport::imageFile(m_fixture->path(QStringLiteral("game")), 1));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray bytes = image.readAll();
    QCOMPARE(bytes.size(), 16);
    QCOMPARE(quint8(bytes[0]), quint8(0x56));
    QCOMPARE(quint8(bytes[3]), quint8(0xFF));
    QCOMPARE(form().parts().ProgressBar1->value(), 0);
}

void TestStartSequence::applyAllFailureIsShown()
{
    launchWithImport();
    FileOps::injectFault(1, FileOps::FaultKind::DiskFull);
    form().LMDApplyAllClick();
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains(QStringLiteral("disk full")), qPrintable(dialogs().messages[0]));
    QVERIFY(form().isVisible());
    QCOMPARE(form().parts().ProgressBar1->value(), 0);
}

void TestStartSequence::applyAllAsksBeforeReplacingTheirChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Replace") << 0 << true;
    QTest::newRow("Cancel") << 1 << false;
    QTest::newRow("box closed") << -1 << false;
}

void TestStartSequence::applyAllAsksBeforeReplacingTheirChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    launchWithImport();
    const QString image = UiTestSupport::imageFile(m_fixture->path(QStringLiteral("game")), 1);
    const QByteArray theirs("their own picture");
    QFile file(image);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(theirs) == theirs.size());
    file.close();
    dialogs().askAnswers.clear();
    if (answer >= 0)
        dialogs().askAnswers << answer;
    form().LMDApplyAllClick();
    QCOMPARE(dialogs().asked.size(), 1);
    QVERIFY2(dialogs().asked[0].contains(QDir::toNativeSeparators(image)) && dialogs().asked[0].endsWith("Replace|Cancel"),
             qPrintable(dialogs().asked[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().size(), replaced ? 16 : theirs.size());
    QCOMPARE(form().catalogue().imageChanged(1), !replaced);
    QVERIFY(dialogs().messages.isEmpty());
}

void TestStartSequence::applyAllNamesFilesLeftAlone()
{
    launchWithImport();
    const QString other = UiTestSupport::imageFile(m_fixture->path(QStringLiteral("game")), 4);
    QFile file(other);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x", 1) == 1);
    file.close();
    form().LMDApplyAllClick();
    QVERIFY(dialogs().asked.isEmpty());
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains("left as they are") && dialogs().messages[0].contains(QDir::toNativeSeparators(other)),
             qPrintable(dialogs().messages[0]));
    QCOMPARE(QFileInfo(other).size(), 1);
    QVERIFY(!form().catalogue().hasChanges());
}

void TestStartSequence::startSettlesACutShortWriteBack()
{
    const QString game = makeGame(QStringLiteral("game"), 6);
    m_fixture->recordGameFolder(game);
    // What a write-back leaves when it dies between moving image 2's original aside and moving
    // the new file into place.
    const std::string root = CorePath::fromQt(game);
    const std::string staged = "images/2.gpi.tessary-7-0123456789abcdef.new", aside = "images/2.gpi.tessary-7-fedcba9876543210.old";
    QFile newFile(QString::fromStdString(GamePaths::underData(root, staged)));
    QVERIFY(newFile.open(QIODevice::WriteOnly) && newFile.write("\x01\x02\x03\x04", 4) == 4);
    newFile.close();
    QVERIFY(QFile::rename(QString::fromStdString(GamePaths::image(root, 2)), QString::fromStdString(GamePaths::underData(root, aside))));
    QFile journal(QString::fromStdString(GamePaths::journal(root)));
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.write(QByteArray::fromStdString(WriteJournal::encode({{"images/2.gpi", staged, aside, 4}})));
    journal.close();

    QVERIFY(form().Launch());
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains("cut short") && dialogs().messages[0].contains("finished"), qPrintable(dialogs().messages[0]));
    QVERIFY(!journal.exists());
    QCOMPARE(form().catalogue().ImageSizes[2], 4);
    QCOMPARE(form().catalogue().ImagePixels[2][0], 0x04030201u);
}

QTEST_MAIN(TestStartSequence)
#include "test_start_sequence.moc"
