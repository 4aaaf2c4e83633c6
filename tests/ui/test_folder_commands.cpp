#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "catalogue.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "page_control.h"
#include "picture_control.h"
#include "picture_files.h"
#include "scroll_box.h"
#include "settings_store.h"
#include "window_fixture.h"
#include "window_work.h"

namespace {

using Format = PictureFiles::Format;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Loading a folder of pictures from the context menu or by dropping, and the .png choices of
// the TGA dialogs, in the main window.
class TestFolderCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void contextMenuLoadsAFolder();
    void fontsPageLoadsFontSheets();
    void drops_data();
    void drops();
    void dragsOfFilesAreAccepted();
    void pngThroughTheDialogs();
    void saveAllAsPng();
    void closeDuringAnImportAsksAfterTheSummary();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void select(int page, int n);
    // Writes image n (or font sheet n) of the window with its colours inverted to file.
    Catalogue editedCopy(int n, bool font = false);
    QString folder(const QString &name);
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestFolderCommands::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->recordGameFolder(m_fixture->makeGame(QStringLiteral("game"), UiTestSupport::catalogue(12)));
    QVERIFY(form().Launch());
}

void TestFolderCommands::cleanup()
{
    m_fixture.reset();
}

void TestFolderCommands::select(int page, int n)
{
    form().parts().PageControl1->setCurrentIndex(page);
    form().grids().ShowSize(page == 0 ? form().grids().imageCell(n) : form().grids().fontCell(n));
}

Catalogue TestFolderCommands::editedCopy(int n, bool font)
{
    Catalogue copy = form().catalogue();
    if (font) {
        for (std::uint8_t &level : copy.FontBitmaps[std::size_t(n)])
            level = std::uint8_t(~level);
    } else {
        for (std::uint32_t &pixel : copy.ImagePixels[std::size_t(n)])
            pixel ^= 0x00FFFFFFu;
    }
    return copy;
}

QString TestFolderCommands::folder(const QString &name)
{
    const QString path = m_fixture->path(name);
    QDir().mkpath(path);
    return path;
}

void TestFolderCommands::contextMenuLoadsAFolder()
{
    const QString mod = folder(QStringLiteral("mod"));
    const std::string at = mod.toStdString() + "/";
    PictureFiles::saveImage(editedCopy(2), 2, at + "002.tga", Format::Tga);
    PictureFiles::saveImage(editedCopy(7), 7, at + "7.png", Format::Png);
    PictureFiles::saveImage(form().catalogue(), 3, at + "003.png", Format::Png);
    QFile(mod + QStringLiteral("/004.tga")).open(QIODevice::WriteOnly);
    QFile(mod + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    m_fixture->storeSetting(SettingsStore::SaveAllTGAPath, QStringLiteral("/exports/"));
    const Catalogue edited = editedCopy(7);
    dialogs().importFolderAnswers << mod;
    select(0, 5);
    form().updateActions();
    QVERIFY(form().parts().Loadallfromfolder1->isEnabled());
    form().parts().Loadallfromfolder1->trigger();

    // The picker opens where the pictures were last all saved, and remembers its own folder.
    QCOMPARE(dialogs().importFolderAsked, QStringList{QStringLiteral("/exports/")});
    QCOMPARE(m_fixture->storedSetting(SettingsStore::LoadAllTGAPath), mod);
    QCOMPARE(dialogs().messages.size(), 1);
    const QStringList summary = dialogs().messages.first().split(QLatin1Char('\n'));
    QCOMPARE(summary.value(0), QStringLiteral("Imported 2 pictures from %1.").arg(QDir::toNativeSeparators(mod)));
    QCOMPARE(summary.value(1), QStringLiteral("1 file was the same as the picture already there: 003.png"));
    QCOMPARE(summary.value(2), QStringLiteral("1 file was refused:"));
    QVERIFY(summary.value(3).startsWith(QStringLiteral("004.tga: ")));
    QCOMPARE(summary.value(4), QStringLiteral("1 file matched no image: notes.txt"));

    const Catalogue &c = form().catalogue();
    QVERIFY(c.ImagePixels[7] == edited.ImagePixels[7]);
    QVERIFY(c.imageChanged(2) && c.imageChanged(7) && !c.imageChanged(3) && !c.imageChanged(4));
    QCOMPARE(form().grids().imageCaption(2)->text(), QStringLiteral("2.gpi \u2022"));
    QCOMPARE(form().grids().imageCaption(3)->text(), QStringLiteral("3.gpi"));
    QVERIFY(form().isWindowModified());
    const int width = c.ImageDetails[7].Width;
    QCOMPARE(form().grids().imageCell(7)->picture().pixel(1, 1) & 0xFFFFFF, edited.ImagePixels[7][std::size_t(width + 1)] & 0xFFFFFF);
}

void TestFolderCommands::fontsPageLoadsFontSheets()
{
    const QString mod = folder(QStringLiteral("fonts"));
    PictureFiles::saveFont(editedCopy(1, true), 1, mod.toStdString() + "/New_Font1000.gpf.png", Format::Png);
    PictureFiles::saveImage(editedCopy(1), 1, mod.toStdString() + "/001.tga", Format::Tga);
    select(1, 4);
    form().updateActions();
    QCOMPARE(form().parts().Loadallfromfolder1->text(), QStringLiteral("Load all font sheets from a folder\u2026"));
    dialogs().importFolderAnswers << mod;
    form().LoadAllFromFolder();

    QVERIFY(form().catalogue().fontChanged(1));
    QVERIFY(!form().catalogue().imageChanged(1));
    QCOMPARE(form().grids().fontCaption(1)->text(), QStringLiteral("New_Font1000.gpf \u2022"));
    QVERIFY2(dialogs().messages.value(0).endsWith(QStringLiteral("1 file matched no font sheet: 001.tga")), qPrintable(dialogs().messages.value(0)));
    select(0, 4);
    form().updateActions();
    QCOMPARE(form().parts().Loadallfromfolder1->text(), QStringLiteral("Load all images from a folder\u2026"));
}

void TestFolderCommands::drops_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<int>("onto");     // thumbnail under the drop; 0 for the page between cells
    QTest::addColumn<QList<int>>("replaced");
    QTest::addColumn<int>("messages");
    QTest::newRow("one file on a thumbnail") << QStringList{"any name.tga"} << 5 << QList<int>{5} << 0;
    QTest::newRow("one file between cells") << QStringList{"008.tga"} << 0 << QList<int>{8} << 1;
    QTest::newRow("two files on a thumbnail") << QStringList{"008.tga", "009.tga"} << 5 << QList<int>{8, 9} << 1;
    QTest::newRow("a folder on a thumbnail") << QStringList{"."} << 5 << QList<int>{8, 9} << 1;
}

void TestFolderCommands::drops()
{
    QFETCH(QStringList, dropped);
    QFETCH(int, onto);
    QFETCH(QList<int>, replaced);
    QFETCH(int, messages);
    const QString mod = folder(QStringLiteral("dropped"));
    const Catalogue edited = editedCopy(8);
    PictureFiles::saveImage(edited, 8, mod.toStdString() + "/any name.tga", Format::Tga);
    PictureFiles::saveImage(edited, 8, mod.toStdString() + "/008.tga", Format::Tga);
    PictureFiles::saveImage(editedCopy(9), 9, mod.toStdString() + "/009.tga", Format::Tga);
    QList<QUrl> urls;
    for (const QString &name : dropped)
        urls << QUrl::fromLocalFile(QDir::cleanPath(mod + QLatin1Char('/') + name));
    if (dropped == QStringList{"."})
        QFile::remove(mod + QStringLiteral("/any name.tga"));

    QWidget *content = form().parts().ScrollBox1->content();
    const QPoint at = onto ? form().grids().imageCell(onto)->geometry().center() : form().grids().imageCell(1)->geometry().bottomRight() + QPoint(4, 4);
    QMimeData data;
    data.setUrls(urls);
    // As a file manager's drag arrives: entering first, which makes the page the drop's target.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(content, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(content, &drop);

    QVERIFY(drop.isAccepted());
    QCOMPARE(dialogs().messages.size(), messages);
    for (int n = 1; n < 12; ++n)
        QCOMPARE(form().catalogue().imageChanged(n), replaced.contains(n));
    if (replaced == QList<int>{5}) {
        QVERIFY(form().catalogue().ImagePixels[5] == edited.ImagePixels[8]);
        QCOMPARE(form().SelectedIndex(), 5);
    }
}

void TestFolderCommands::dragsOfFilesAreAccepted()
{
    QWidget *viewport = form().parts().ScrollBox2->viewport();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(m_fixture->path(QStringLiteral("a.png")))});
    QDragEnterEvent withFiles(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &withFiles);
    QVERIFY(withFiles.isAccepted());
    QMimeData text;
    text.setText(QStringLiteral("001.tga"));
    QDragEnterEvent withText(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &withText);
    QVERIFY(!withText.isAccepted());
}

void TestFolderCommands::pngThroughTheDialogs()
{
    const QString out = folder(QStringLiteral("png"));
    select(0, 6);
    dialogs().saveAnswers << out + QStringLiteral("/six.png") << out + QStringLiteral("/six");
    form().SavetoTga();
    form().SavetoTga();
    // A name chosen as .png is written as it is, as a PNG; any other name gets ".tga".
    QVERIFY(fileBytes(out + QStringLiteral("/six.png")).startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(fileBytes(out + QStringLiteral("/six.tga")).at(2), char(2));

    const Catalogue before = form().catalogue();
    select(0, 2);
    dialogs().openAnswers << out + QStringLiteral("/six.png");
    form().LoadFromTga();
    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
    const Catalogue &c = form().catalogue();
    QCOMPARE(c.ImageDetails[2].Width, before.ImageDetails[6].Width);
    QVERIFY(c.ImagePixels[2] == before.ImagePixels[6]);
    QCOMPARE(m_fixture->storedSetting(SettingsStore::LoadTGAFile), out + QStringLiteral("/six.png"));
}

void TestFolderCommands::saveAllAsPng()
{
    const QString out = folder(QStringLiteral("all"));
    dialogs().folderAnswers << out;
    dialogs().folderPngAnswers << true;
    form().SaveAlltga();
    QStringList expected;
    for (int n = 1; n <= 11; ++n)
        expected << QStringLiteral("%1.png").arg(n, 3, 10, QLatin1Char('0'));
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), expected);
    // Loading them all back finds every picture the same.
    dialogs().importFolderAnswers << out;
    form().LoadAllFromFolder();
    QVERIFY2(dialogs().messages.value(0).startsWith(QStringLiteral("No picture was imported from")), qPrintable(dialogs().messages.value(0)));
    QVERIFY(dialogs().messages.value(0).contains(QStringLiteral("11 files were the same")));
    QVERIFY(!form().catalogue().hasChanges());
}

void TestFolderCommands::closeDuringAnImportAsksAfterTheSummary()
{
    const QString mod = folder(QStringLiteral("mod"));
    PictureFiles::saveImage(editedCopy(2), 2, mod.toStdString() + "/002.tga", Format::Tga);
    // The window is closed while the pictures are still being read; the summary is a box that
    // waits for its OK as a real one does.
    WindowWork::setWorkerStartHook([] { QThread::msleep(300); });
    dialogs().messagesRunEvents = true;
    dialogs().importFolderAnswers << mod;
    QTimer::singleShot(50, &form(), &QWidget::close);
    form().LoadAllFromFolder();
    WindowWork::setWorkerStartHook({});
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY(dialogs().messages[0].startsWith(QStringLiteral("Imported 1 picture")));
    // Once the summary is read, the window asks what to do with the import, once.
    QTRY_COMPARE(dialogs().asked.size(), 1);
    QVERIFY(dialogs().asked[0].endsWith(QStringLiteral("\nApply|Discard|Cancel")));
    QCOMPARE(dialogs().askedOverMessage, 0);
    // Cancelled: the window and the import stay.
    QVERIFY(form().isVisible());
    QVERIFY(form().catalogue().imageChanged(2));
}

QTEST_MAIN(TestFolderCommands)
#include "test_folder_commands.moc"
