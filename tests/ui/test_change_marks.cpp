#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "catalogue.h"
#include "change_marks.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "page_control.h"
#include "picture_control.h"
#include "picture_files.h"
#include "scroll_box.h"
#include "settings_store.h"
#include "size_spin_box.h"
#include "window_fixture.h"
#include "window_work.h"

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels of a rendered caption drawn in the mark's red: neither the black text, the white page
// nor the blue focus frame comes near it.
int markPixels(const QImage &shot)
{
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor seen = shot.pixelColor(x, y);
            count += seen.red() > seen.green() + 60 && seen.red() > seen.blue() + 60;
        }
    return count;
}

} // namespace

// What a user sees of changes not yet applied: caption marks, the title's marker, revert and
// restore from the context menu, and the question before closing or changing the game folder.
class TestChangeMarks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void marksShowOnThePage();
    void applyClearsTheMarks();
    void revertAndRestoreFromTheMenu();
    void noMarkWhenThePictureIsTheGameFile_data();
    void noMarkWhenThePictureIsTheGameFile();
    void closeAsksAboutUnappliedChanges_data();
    void closeAsksAboutUnappliedChanges();
    void closeWithoutChangesAsksNothing();
    void changePathAsksFirst();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void select(int page, int n);
    // Imports image n of the game with its colours inverted, through the open dialog.
    void importInverted(int n);
    QString imageOnDisk(int n) const { return UiTestSupport::imageFile(m_game, n); }
    std::unique_ptr<WindowFixture> m_fixture;
    QString m_game;
};

void TestChangeMarks::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_game = m_fixture->makeGame(QStringLiteral("game"), UiTestSupport::catalogue(12));
    m_fixture->recordGameFolder(m_game);
    QVERIFY(form().Launch());
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
}

void TestChangeMarks::cleanup()
{
    m_fixture.reset();
}

void TestChangeMarks::select(int page, int n)
{
    form().parts().PageControl1->setCurrentIndex(page);
    form().grids().ShowSize(page == 0 ? form().grids().imageCell(n) : form().grids().fontCell(n));
}

void TestChangeMarks::importInverted(int n)
{
    Catalogue copy = form().catalogue();
    for (std::uint32_t &pixel : copy.ImagePixels[std::size_t(n)])
        pixel ^= 0x00FFFFFFu;
    const QString file = m_fixture->path(QStringLiteral("inverted%1.png").arg(n));
    PictureFiles::saveImage(copy, n, file.toStdString(), PictureFiles::Format::Png);
    select(0, n);
    dialogs().openAnswers << file;
    form().LoadFromTga();
    QVERIFY(form().catalogue().imageChanged(n));
}

void TestChangeMarks::marksShowOnThePage()
{
    QVERIFY(!form().isWindowModified());
    importInverted(2);
    QVERIFY(form().isWindowModified());
    QLabel *marked = form().grids().imageCaption(2);
    QLabel *plain = form().grids().imageCaption(3);
    QCOMPARE(marked->text(), QStringLiteral("2.gpi \u2022"));
    QCOMPARE(plain->text(), QStringLiteral("3.gpi"));
    // As seen on the page: the caption over the focus frame, and one on the white page.
    QWidget *page = form().parts().ScrollBox1->content();
    QVERIFY(markPixels(page->grab(marked->geometry()).toImage()) >= 10);
    QCOMPARE(markPixels(page->grab(plain->geometry()).toImage()), 0);
    select(0, 3);
    QVERIFY(markPixels(page->grab(marked->geometry()).toImage()) >= 10);
}

void TestChangeMarks::applyClearsTheMarks()
{
    importInverted(4);
    const Catalogue imported = form().catalogue();
    form().LMDApplyAllClick();
    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
    QCOMPARE(form().grids().imageCaption(4)->text(), QStringLiteral("4.gpi"));
    QVERIFY(!form().isWindowModified());
    QCOMPARE(fileBytes(imageOnDisk(4)),
             QByteArray(reinterpret_cast<const char *>(imported.ImagePixels[4].data()), imported.ImageSizes[4]));
}

void TestChangeMarks::revertAndRestoreFromTheMenu()
{
    const QByteArray shipped = fileBytes(imageOnDisk(5));
    const MainWindowParts &parts = form().parts();
    select(0, 5);
    form().updateActions();
    QVERIFY(!parts.Revertfile1->isEnabled() && !parts.Restoreoriginal1->isEnabled());

    importInverted(5);
    form().updateActions();
    QVERIFY(parts.Revertfile1->isEnabled() && parts.Restoreoriginal1->isEnabled());
    parts.Revertfile1->trigger();
    QLabel *caption = form().grids().imageCaption(5);
    QCOMPARE(caption->text(), QStringLiteral("5.gpi"));
    QCOMPARE(markPixels(parts.ScrollBox1->content()->grab(caption->geometry()).toImage()), 0);
    QVERIFY(!form().isWindowModified());
    QCOMPARE(form().grids().imageCell(5)->picture().pixel(0, 0) & 0xFFFFFF,
             form().catalogue().ImagePixels[5][0] & 0xFFFFFF);

    // Applied once, the game's own file is kept: restoring it is a change like any other.
    importInverted(5);
    form().LMDApplyAllClick();
    form().updateActions();
    QVERIFY(!parts.Revertfile1->isEnabled() && parts.Restoreoriginal1->isEnabled());
    parts.Restoreoriginal1->trigger();
    QCOMPARE(form().grids().imageCaption(5)->text(), QStringLiteral("5.gpi \u2022"));
    form().LMDApplyAllClick();
    QCOMPARE(fileBytes(imageOnDisk(5)), shipped);
    QVERIFY(!form().isWindowModified());
    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
}

void TestChangeMarks::noMarkWhenThePictureIsTheGameFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("font");
    QTest::newRow("its own file imported") << "own file" << false;
    QTest::newRow("inverted, then its own file") << "inverted, own file" << false;
    QTest::newRow("inverted, then its own file from a folder") << "inverted, folder" << false;
    QTest::newRow("redo of its own file") << "redo" << false;
    QTest::newRow("inverted, then inverted back in the image editor") << "editor" << false;
    QTest::newRow("a font sheet, inverted, then its own file") << "inverted, own file" << true;
}

void TestChangeMarks::noMarkWhenThePictureIsTheGameFile()
{
    QFETCH(QString, how);
    QFETCH(bool, font);
    const int n = font ? 2 : 5;
    const QString name = font ? QString::fromLatin1(FontNames[2]) : QStringLiteral("5.gpi");
    const QString gameFile = font ? QString::fromStdString(GamePaths::font(m_game.toStdString(), n)) : imageOnDisk(n);
    const QByteArray shipped = fileBytes(gameFile);
    // The game file's picture as a .tga file, and in a folder of its own as 005.tga.
    const QString own = m_fixture->path(QStringLiteral("own.tga"));
    QVERIFY(QDir().mkpath(m_fixture->path(QStringLiteral("folder"))));
    const QString inFolder = m_fixture->path(QStringLiteral("folder/005.tga"));
    for (const QString &file : {own, inFolder})
        if (font)
            PictureFiles::saveFont(form().catalogue(), n, file.toStdString(), PictureFiles::Format::Tga);
        else
            PictureFiles::saveImage(form().catalogue(), n, file.toStdString(), PictureFiles::Format::Tga);
    const bool changed = [&] { return font ? form().catalogue().fontChanged(n) : form().catalogue().imageChanged(n); }();
    QVERIFY(!changed);

    if (how != "own file")
        m_fixture->importInto(font ? 1 : 0, n, m_fixture->invertedFile(n, font));
    if (how == "own file" || how == "inverted, own file" || how == "redo")
        m_fixture->importInto(font ? 1 : 0, n, own);
    if (how == "inverted, folder") {
        dialogs().importFolderAnswers << m_fixture->path(QStringLiteral("folder"));
        form().LoadAllFromFolder();
    }
    if (how == "redo") {
        form().Undo();
        QVERIFY(form().catalogue().imageChanged(n));
        form().Redo();
    }
    if (how == "editor") {
        // The stand-in editor inverts the colours again.
        form().settings()->writeText(SettingsStore::ImageEditor, QStringLiteral(FAKE_IMAGE_EDITOR));
        QVERIFY(form().catalogue().imageChanged(n));
        form().EditInImageEditor();
        QTRY_VERIFY_WITH_TIMEOUT(form().work().shownText().contains(QStringLiteral("read back")), 15000);
    }

    QVERIFY(!(font ? form().catalogue().fontChanged(n) : form().catalogue().imageChanged(n)));
    QVERIFY(!form().isWindowModified());
    QLabel *caption = font ? form().grids().fontCaption(n) : form().grids().imageCaption(n);
    QCOMPARE(caption->text(), name);
    TScrollBox *page = font ? form().parts().ScrollBox2 : form().parts().ScrollBox1;
    QCOMPARE(markPixels(page->content()->grab(caption->geometry()).toImage()), 0);
    // A step that changed the picture stays undoable, and Apply writes nothing.
    QCOMPARE(form().parts().Undo1->isEnabled(), how != "own file");
    form().LMDApplyAllClick();
    QCOMPARE(form().work().shownText(), QStringLiteral("Nothing to write: no picture has changed"));
    QCOMPARE(fileBytes(gameFile), shipped);
    // Closing asks nothing.
    QVERIFY(form().close());
    QVERIFY2(dialogs().asked.isEmpty(), qPrintable(dialogs().asked.join('\n')));
}

void TestChangeMarks::closeAsksAboutUnappliedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("Apply") << 0 << true << true;
    QTest::newRow("Discard") << 1 << true << false;
    QTest::newRow("Cancel") << 2 << false << false;
    QTest::newRow("Escape") << -1 << false << false;
}

void TestChangeMarks::closeAsksAboutUnappliedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    const QByteArray before = fileBytes(imageOnDisk(7));
    importInverted(7);
    form().parts().SpinSize->setValue(140);
    if (answer >= 0)
        dialogs().askAnswers << answer;

    QCOMPARE(form().close(), closes);
    QCOMPARE(dialogs().asked.size(), 1);
    QVERIFY2(dialogs().asked[0].contains(QStringLiteral("(7.gpi)")), qPrintable(dialogs().asked[0]));
    QVERIFY(dialogs().asked[0].endsWith(QStringLiteral("\nApply|Discard|Cancel")));
    QCOMPARE(form().isVisible(), !closes);
    QCOMPARE(fileBytes(imageOnDisk(7)) != before, written);
    QCOMPARE(form().catalogue().imageChanged(7), !written);
    // The settings are stored only when the window really closes.
    QCOMPARE(m_fixture->storedSetting(SettingsStore::ThumbSize), closes ? QStringLiteral("140") : QString());
}

void TestChangeMarks::closeWithoutChangesAsksNothing()
{
    QVERIFY(form().close());
    QVERIFY(dialogs().asked.isEmpty());
}

void TestChangeMarks::changePathAsksFirst()
{
    importInverted(3);
    dialogs().askAnswers << 2;
    form().LMDChangePathClick();
    QCOMPARE(dialogs().asked.size(), 1);
    QVERIFY(dialogs().asked[0].contains(QStringLiteral("before changing the game folder")));
    QVERIFY(dialogs().executableStartFolders.isEmpty());
    QVERIFY(form().catalogue().imageChanged(3));

    // Apply writes the change first, then the choice goes on (cancelled here).
    dialogs().askAnswers << 0;
    form().LMDChangePathClick();
    QCOMPARE(dialogs().executableStartFolders.size(), 1);
    QVERIFY(!form().catalogue().imageChanged(3));
}

QTEST_MAIN(TestChangeMarks)
#include "test_change_marks.moc"
