#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "picture_states.h"
#include "program_language.h"
#include "settings_store.h"
#include "window_fixture.h"
#include "window_work.h"

// Undo and redo of every change the window makes to pictures, and the image editor's saves
// read back as such changes.
class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void undoAndRedoEachChange_data();
    void undoAndRedoEachChange();
    void undoAfterApplyingMakesAChange();
    void sizeLabelFollowsTheSelectedPicture();
    void imageEditorSavesAreReadBackWhole();
    void imageEditorSavesThatStayBrokenAreRefused_data();
    void imageEditorSavesThatStayBrokenAreRefused();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestUndo::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->storeSetting(SettingsStore::ImageEditor, QStringLiteral(FAKE_IMAGE_EDITOR));
    m_fixture->recordGameFolder(m_fixture->makeGame(QStringLiteral("game"), UiTestSupport::catalogue(12)));
    QVERIFY(form().Launch());
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
}

void TestUndo::cleanup()
{
    m_fixture.reset();
}

void TestUndo::undoAndRedoEachChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("an image from a file") << "import" << "en" << "import of 5.gpi";
    QTest::newRow("a font sheet from a file") << "font" << "en" << "import of style_font1250.gpf";
    QTest::newRow("a folder") << "folder" << "en" << "import of 2 pictures";
    QTest::newRow("a folder, German") << "folder" << "de" << "Import von 2 Bildern";
    QTest::newRow("a drop on a picture") << "drop" << "en" << "import of 7.gpi";
    QTest::newRow("revert") << "revert" << "en" << "revert of 5.gpi";
    QTest::newRow("restore") << "restore" << "en" << "restore of the original of 5.gpi";
}

void TestUndo::undoAndRedoEachChange()
{
    QFETCH(QString, change);
    QFETCH(QString, language);
    QFETCH(QString, name);
    QObject translations;
    QVERIFY(ProgramLanguage::install(&translations, language));
    // The menu's and the progress bar's own words around the step's name, in that language.
    const auto around = [&name](const char *english) { return QCoreApplication::translate("TForm1", english).arg(name); };
    // A revert undoes an import; a restore brings back the original after one was applied.
    if (change == "revert" || change == "restore")
        m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    if (change == "restore")
        form().LMDApplyAllClick();
    const std::vector<PictureState> before = pictureStates(form().catalogue());
    if (change == "import") {
        m_fixture->importInto(0, 5, m_fixture->invertedFile(5));
    } else if (change == "font") {
        m_fixture->importInto(1, 2, m_fixture->invertedFile(2, true));
    } else if (change == "folder") {
        const QString folder = m_fixture->path(QStringLiteral("mod"));
        QDir().mkpath(folder);
        QFile::copy(m_fixture->invertedFile(3), folder + QStringLiteral("/003.png"));
        QFile::copy(m_fixture->invertedFile(8), folder + QStringLiteral("/8.png"));
        dialogs().importFolderAnswers << folder;
        form().LoadAllFromFolder();
    } else if (change == "drop") {
        form().importDropped({m_fixture->invertedFile(5)}, form().grids().imageCell(7));
    } else {
        m_fixture->select(0, 5);
        (change == "revert" ? form().parts().Revertfile1 : form().parts().Restoreoriginal1)->trigger();
    }
    const std::vector<PictureState> after = pictureStates(form().catalogue());
    QVERIFY(after != before);
    const MainWindowParts &parts = form().parts();
    QCOMPARE(parts.Undo1->text(), around("Undo %1"));

    QTest::keyClick(&form(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(pictureStates(form().catalogue()) == before);
    QCOMPARE(form().isWindowModified(), form().catalogue().hasChanges());
    QCOMPARE(parts.Redo1->text(), around("Redo %1"));
    QTest::keyClick(&form(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(pictureStates(form().catalogue()) == after);
    parts.Undo1->trigger();
    QTest::keyClick(&form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(pictureStates(form().catalogue()) == after);
    QCOMPARE(form().work().shownText(), around("Redone: %1"));
}

void TestUndo::undoAfterApplyingMakesAChange()
{
    m_fixture->importInto(0, 4, m_fixture->invertedFile(4));
    form().LMDApplyAllClick();
    QVERIFY(!form().catalogue().imageChanged(4) && !form().isWindowModified());
    form().Undo();
    QVERIFY(form().catalogue().imageChanged(4) && form().isWindowModified());
    QCOMPARE(form().grids().imageCaption(4)->text(), QStringLiteral("4.gpi \u2022"));
    form().Redo();
    QVERIFY(!form().catalogue().imageChanged(4) && !form().isWindowModified());
    QCOMPARE(form().grids().imageCaption(4)->text(), QStringLiteral("4.gpi"));
}

void TestUndo::sizeLabelFollowsTheSelectedPicture()
{
    // Image 9 is 10 x 11; image 6, 7 x 8, takes its picture and size.
    m_fixture->importInto(0, 6, m_fixture->invertedFile(9));
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("10*11"));
    form().Undo();
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("7*8"));
    form().importDropped({m_fixture->invertedFile(9)}, form().grids().imageCell(6));
    QCOMPARE(form().parts().SizeLabel->text(), QStringLiteral("10*11"));
}

void TestUndo::imageEditorSavesAreReadBackWhole()
{
    const std::vector<PictureState> loaded = pictureStates(form().catalogue());
    m_fixture->select(0, 6);
    form().EditInImageEditor();
    const QString file = form().editor().fileOf(false, 6);
    QVERIFY(file.endsWith(QStringLiteral("6.gpi.png")));
    // The editor's first save is cut off: looked at, it changes nothing.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(file + QStringLiteral(".half")), 10000);
    QTest::qWait(ExternalEditor::SettleMs + 2 * ExternalEditor::RetryMs);
    QVERIFY(pictureStates(form().catalogue()) == loaded);
    QVERIFY(!form().parts().Undo1->isEnabled());
    // The whole file comes back as one change of image 6, exactly.
    QTRY_VERIFY_WITH_TIMEOUT(form().catalogue().imageChanged(6), 10000);
    const Catalogue &c = form().catalogue();
    std::vector<std::uint8_t> inverted = loaded[5].bytes;
    for (std::size_t k = 0; k < inverted.size(); ++k)
        inverted[k] = k % 4 == 3 ? inverted[k] : std::uint8_t(~inverted[k]);
    QVERIFY(pictureStates(c)[5].bytes == inverted);
    QCOMPARE(form().parts().Undo1->text(), QStringLiteral("Undo edit of 6.gpi in the image editor"));
    QCOMPARE(form().work().shownText(), QStringLiteral("6.gpi read back from the image editor"));
    form().Undo();
    QVERIFY(pictureStates(form().catalogue()) == loaded);
    // The temporary files go with the program.
    const QString folder = QFileInfo(file).absolutePath();
    m_fixture.reset();
    QVERIFY(!QFileInfo::exists(folder));
}

void TestUndo::imageEditorSavesThatStayBrokenAreRefused_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a PNG signature, then junk") << QByteArray("\x89PNG\r\n\x1a\n").append(300, 'j')
                                                << "the file is cut off before the end of its PNG data";
    QTest::newRow("text") << QByteArray("These are notes, not a picture.\n") << "";
}

void TestUndo::imageEditorSavesThatStayBrokenAreRefused()
{
    QFETCH(QByteArray, saved);
    QFETCH(QString, reason);
    m_fixture->select(0, 6);
    form().EditInImageEditor();
    QTRY_VERIFY_WITH_TIMEOUT(form().catalogue().imageChanged(6), 10000);
    const std::vector<PictureState> edited = pictureStates(form().catalogue());
    // The editor saves a file that never becomes a picture: the reason is said on the window's
    // line, and the picture stays.
    QFile file(form().editor().fileOf(false, 6));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(saved);
    file.close();
    const QString refused = QStringLiteral("The image editor's save of 6.gpi was not taken: ");
    QTRY_VERIFY_WITH_TIMEOUT(form().work().shownText().startsWith(refused), 10000);
    const QString said = form().work().shownText().mid(refused.size());
    QVERIFY2(reason.isEmpty() ? !said.isEmpty() : said == reason, qPrintable(said));
    QVERIFY(pictureStates(form().catalogue()) == edited);
    QCOMPARE(form().parts().Undo1->text(), QStringLiteral("Undo edit of 6.gpi in the image editor"));
    QVERIFY(dialogs().messages.isEmpty());
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
