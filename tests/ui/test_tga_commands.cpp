#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "catalogue.h"
#include "game_folder_builder.h"
#include "grid_pages.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "page_control.h"
#include "picture_control.h"
#include "scroll_box.h"
#include "settings_store.h"
#include "size_spin_box.h"
#include "start_folder.h"
#include "tga_export.h"
#include "window_fixture.h"

namespace {

const QString RleMessage = QStringLiteral("Sorry but Tessary can't read RLE encoded .tga files.");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// An 18-byte header as another program might write it, followed by count bytes of pixels.
QByteArray tgaFile(int type, int width, int height, int depth, int descriptor, int count)
{
    QByteArray bytes(18, 0);
    bytes[2] = char(type);
    bytes[12] = char(width & 0xFF);
    bytes[13] = char(width >> 8);
    bytes[14] = char(height & 0xFF);
    bytes[15] = char(height >> 8);
    bytes[16] = char(depth);
    bytes[17] = char(descriptor);
    return bytes + QByteArray(count, '\x5A');
}

} // namespace

// The TGA commands of the main window: export of one picture or all images, import into an
// image or a font sheet, with their dialogs, settings and redraws.
class TestTgaCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savePresetsAndStoresFolder_data();
    void savePresetsAndStoresFolder();
    void saveCancelledChangesNothing();
    void saveAllWritesEveryImage();
    void saveAllCancelledStoresNothing();
    void saveAllRemembersTheFormat_data();
    void saveAllRemembersTheFormat();
    void saveAllStopsAtTheFailedImage();
    void importImageReplacesPictureAndKeepsScroll();
    void importFontSheet();
    void importRefusals_data();
    void importRefusals();
    void importNeedsASelectedImage();
    void pipesAndDevicesAreRefusedAtOnce_data();
    void pipesAndDevicesAreRefusedAtOnce();
    void exportThenImportChangesNothing();

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void select(int page, int n);
    std::unique_ptr<WindowFixture> m_fixture;
    QString m_game;
};

void TestTgaCommands::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_game = m_fixture->makeGame(QStringLiteral("game"), UiTestSupport::catalogue(12));
    m_fixture->recordGameFolder(m_game);
    QVERIFY(form().Launch());
}

void TestTgaCommands::cleanup()
{
    m_fixture.reset();
}

void TestTgaCommands::select(int page, int n)
{
    form().parts().PageControl1->setCurrentIndex(page);
    form().grids().ShowSize(page == 0 ? form().grids().imageCell(n) : form().grids().fontCell(n));
    QCOMPARE(form().SelectedIndex(), n);
}

void TestTgaCommands::savePresetsAndStoresFolder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("written");
    QTest::newRow("image 7") << 0 << 7 << "car" << "007" << "car.tga";
    QTest::newRow("image 10, name ending in .tga") << 0 << 10 << "car.tga" << "010" << "car.tga";
    // The export writes its own lower-case ending in place of the one typed.
    QTest::newRow("image 5, .TGA in capitals") << 0 << 5 << "005.TGA" << "005" << "005.tga";
    QTest::newRow("image 5, another name") << 0 << 5 << "005b" << "005" << "005b.tga";
    QTest::newRow("font sheet 2") << 1 << 2 << "style_font1250.gpf" << "style_font1250.gpf" << "style_font1250.gpf.tga";
    QTest::newRow("font sheet 2, .tga added by the dialog") << 1 << 2 << "style_font1250.gpf.tga" << "style_font1250.gpf"
                                                            << "style_font1250.gpf.tga";
}

void TestTgaCommands::savePresetsAndStoresFolder()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, preset);
    QFETCH(QString, written);
    const QString folder = m_fixture->path(QStringLiteral("exports"));
    QVERIFY(QDir().mkpath(folder));
    m_fixture->storeSetting(SettingsStore::SaveTGAPath, QStringLiteral("/earlier/"));
    select(page, n);
    dialogs().saveAnswers << folder + QLatin1Char('/') + typed;
    form().SavetoTga();

    QCOMPARE(dialogs().saveAsked, QStringList{QStringLiteral("/earlier/|") + preset});
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveTGAPath), folder + QLatin1Char('/'));
    const QByteArray file = fileBytes(folder + QLatin1Char('/') + written);
    QVERIFY(dialogs().messages.isEmpty());
    QVERIFY2(file.size() > 18, qPrintable(written));
    QCOMPARE(file.at(2), char(page == 0 ? 2 : 3));
    const Catalogue &c = form().catalogue();
    const qsizetype pixels = page == 0 ? c.ImageSizes[std::size_t(n)] : qsizetype(FontSheetBytes);
    QCOMPARE(file.size(), 18 + pixels);
    const char *source = page == 0 ? reinterpret_cast<const char *>(c.ImagePixels[std::size_t(n)].data())
                                   : reinterpret_cast<const char *>(c.FontBitmaps[std::size_t(n)].data());
    QCOMPARE(file.mid(18), QByteArray(source, pixels));
}

void TestTgaCommands::saveCancelledChangesNothing()
{
    m_fixture->storeSetting(SettingsStore::SaveTGAPath, QStringLiteral("/kept/"));
    select(0, 3);
    form().SavetoTga();
    QCOMPARE(dialogs().saveAsked.size(), 1);
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveTGAPath), QStringLiteral("/kept/"));
}

void TestTgaCommands::saveAllWritesEveryImage()
{
    const QString folder = m_fixture->path(QStringLiteral("all"));
    QVERIFY(QDir().mkpath(folder));
    // The folder picker answers in the system's spelling.
    dialogs().folderAnswers << QDir::toNativeSeparators(folder);
    form().SaveAlltga();

    QCOMPARE(dialogs().folderAsked, QStringList{StartFolder::standard()});
    const QString stored = QDir::toNativeSeparators(folder + QLatin1Char('/'));
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveAllTGAPath), stored);
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QStringList expected;
    for (int n = 1; n <= 11; ++n)
        expected << QStringLiteral("%1.tga").arg(n, 3, 10, QLatin1Char('0'));
    QCOMPARE(files, expected);
    QCOMPARE(fileBytes(folder + QStringLiteral("/011.tga")).size(), 18 + form().catalogue().ImageSizes[11]);
    QCOMPARE(form().parts().ProgressBar1->value(), form().parts().ProgressBar1->minimum());

    // The next run opens where the last one saved.
    form().SaveAlltga();
    QCOMPARE(dialogs().folderAsked.last(), stored);
}

void TestTgaCommands::saveAllCancelledStoresNothing()
{
    form().SaveAlltga();
    QCOMPARE(dialogs().folderAsked.size(), 1);
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveAllTGAPath), QString());
}

void TestTgaCommands::saveAllRemembersTheFormat_data()
{
    QTest::addColumn<QString>("stored"); // SaveAllFormat before; empty for none
    QTest::addColumn<bool>("offered");   // .png offered first
    QTest::addColumn<bool>("png");       // the format chosen
    QTest::newRow("first time, .png chosen") << "" << false << true;
    QTest::newRow("first time, .tga chosen") << "" << false << false;
    QTest::newRow(".png last time, again") << "png" << true << true;
    QTest::newRow(".png last time, .tga now") << "png" << true << false;
    QTest::newRow(".tga last time, .png now") << "tga" << false << true;
    QTest::newRow("written in capitals") << "PNG" << true << true;
    QTest::newRow("a value it does not know") << "bmp" << false << true;
}

void TestTgaCommands::saveAllRemembersTheFormat()
{
    QFETCH(QString, stored);
    QFETCH(bool, offered);
    QFETCH(bool, png);
    if (!stored.isEmpty())
        m_fixture->storeSetting(SettingsStore::SaveAllFormat, stored);
    const QString folder = m_fixture->path(QStringLiteral("all"));
    QVERIFY(QDir().mkpath(folder));
    dialogs().folderAnswers << folder;
    dialogs().folderPngAnswers << png;
    form().SaveAlltga();

    QCOMPARE(dialogs().folderPngOffered, QList<bool>{offered});
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveAllFormat), png ? QStringLiteral("png") : QStringLiteral("tga"));
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 11);
    const QString extension = png ? QStringLiteral(".png") : QStringLiteral(".tga");
    for (const QString &file : files)
        QVERIFY2(file.endsWith(extension), qPrintable(file));
    // The bytes are of the format chosen, not only the names.
    const QByteArray first = fileBytes(folder + QLatin1Char('/') + files.first());
    QCOMPARE(first.startsWith("\x89PNG\r\n\x1a\n"), png);

    // The next run offers what was chosen; a cancelled one keeps it.
    form().SaveAlltga();
    QCOMPARE(dialogs().folderPngOffered.last(), png);
    QCOMPARE(m_fixture->storedSetting(SettingsStore::SaveAllFormat), png ? QStringLiteral("png") : QStringLiteral("tga"));
}

void TestTgaCommands::saveAllStopsAtTheFailedImage()
{
    // A folder in the place of 004.tga: image 4 can't be written.
    const QString folder = m_fixture->path(QStringLiteral("all"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/004.tga")));
    dialogs().folderAnswers << folder;
    form().SaveAlltga();

    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].contains(QStringLiteral("004.tga")), qPrintable(dialogs().messages[0]));
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("001.tga"), QStringLiteral("002.tga"), QStringLiteral("003.tga")}));
    // The bar stays at the failed image's step.
    QCOMPARE(form().parts().ProgressBar1->maximum(), 11);
    QCOMPARE(form().parts().ProgressBar1->value(), 4);
}

void TestTgaCommands::importImageReplacesPictureAndKeepsScroll()
{
    // A 64 x 32 picture exported by the program itself from another catalogue.
    Catalogue other = UiTestSupport::catalogue(2);
    UiTestSupport::setImage(other, 1, 64, 32, [](int x, int y) { return 0x80000000u | std::uint32_t(x << 16 | y); });
    const QString file = m_fixture->path(QStringLiteral("picture"));
    saveImageTga(other, 1, file.toStdString());

    // Large thumbnails, one per row, so that the page can scroll.
    form().parts().SpinSize->setValue(300);
    TScrollBox *box = form().parts().ScrollBox1;
    QVERIFY(box->range() > 1000);
    box->setPosition(130);
    select(0, 5);
    dialogs().openAnswers << file + QStringLiteral(".tga");
    m_fixture->storeSetting(SettingsStore::LoadTGAFile, QStringLiteral("/last/one.tga"));
    form().LoadFromTga();

    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
    QCOMPARE(dialogs().openAsked, QStringList{QStringLiteral("/last/one.tga")});
    QCOMPARE(m_fixture->storedSetting(SettingsStore::LoadTGAFile), file + QStringLiteral(".tga"));
    const Catalogue &c = form().catalogue();
    QCOMPARE(c.ImageDetails[5].Width, 64);
    QCOMPARE(c.ImageDetails[5].Height, 32);
    QCOMPARE(c.ImageSizes[5], 64 * 32 * 4);
    QCOMPARE(c.ImagePixels[5][33], other.ImagePixels[1][33]);
    QCOMPARE(box->position(), 130);
    const QImage thumbnail = form().grids().imageCell(5)->picture();
    QCOMPARE(thumbnail.width(), 64);
    QCOMPARE(thumbnail.pixel(3, 2) & 0xFFFFFF, other.ImagePixels[1][2 * 64 + 3] & 0xFFFFFF);
}

void TestTgaCommands::importFontSheet()
{
    const QString file = m_fixture->path(QStringLiteral("sheet"));
    form().parts().PageControl1->setCurrentIndex(1);
    select(1, 0);
    // Font 0's sheet exported, then imported into font 4 of the window.
    Catalogue source = form().catalogue();
    saveFontTga(source, 0, file.toStdString());
    select(1, 4);
    dialogs().openAnswers << file + QStringLiteral(".tga");
    const TGPFDetails headerBefore = form().catalogue().FontDetails[4];
    form().LoadFromTga();

    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
    QCOMPARE(form().catalogue().FontBitmaps[4], source.FontBitmaps[0]);
    QCOMPARE(form().catalogue().FontDetails[4].Table, headerBefore.Table);
    QCOMPARE(form().grids().fontCell(4)->picture().pixel(1, 0) & 0xFF, uint(source.FontBitmaps[0][1]));
}

void TestTgaCommands::importRefusals_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("image, run-length type 10") << 0 << tgaFile(10, 4, 4, 32, 0x20, 64) << RleMessage;
    QTest::newRow("image, run-length type 9") << 0 << tgaFile(9, 4, 4, 8, 0x20, 64) << RleMessage;
    QTest::newRow("font, run-length type 11") << 1 << tgaFile(11, 256, 256, 8, 0x20, 100) << RleMessage;
    QTest::newRow("image, 16 bits") << 0 << tgaFile(2, 4, 4, 16, 0x20, 32) << "16";
    QTest::newRow("image, too short") << 0 << tgaFile(2, 40, 40, 32, 0x20, 100) << "picture.tga";
    QTest::newRow("image, 65535 x 65535") << 0 << tgaFile(2, 65535, 65535, 32, 0x20, 16) << "picture.tga";
    QTest::newRow("font, not 256 x 256") << 1 << tgaFile(3, 128, 128, 8, 0x20, 16384) << "256";
    QTest::newRow("header cut") << 0 << QByteArray(10, '\0') << "picture.tga";
}

void TestTgaCommands::importRefusals()
{
    QFETCH(int, page);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString file = m_fixture->path(QStringLiteral("picture.tga"));
    writeBytes(file, bytes);
    const Catalogue before = form().catalogue();
    select(page, 3);
    dialogs().openAnswers << file;
    form().LoadFromTga();

    QCOMPARE(dialogs().messages.size(), 1);
    if (message == RleMessage)
        QCOMPARE(dialogs().messages.first(), RleMessage);
    else
        QVERIFY2(dialogs().messages.first().contains(message), qPrintable(dialogs().messages.first()));
    QCOMPARE(m_fixture->storedSetting(SettingsStore::LoadTGAFile), file);
    const Catalogue &after = form().catalogue();
    QCOMPARE(after.ImageSizes, before.ImageSizes);
    QCOMPARE(after.ImageDetails[3].Width, before.ImageDetails[3].Width);
    QVERIFY(after.ImagePixels[3] == before.ImagePixels[3]);
    QVERIFY(after.FontBitmaps == before.FontBitmaps);
}

void TestTgaCommands::importNeedsASelectedImage()
{
    form().parts().PageControl1->setCurrentIndex(0);
    form().grids().SelectedIndex = 0;
    dialogs().openAnswers << m_fixture->path(QStringLiteral("never.tga"));
    form().LoadFromTga();
    QVERIFY(dialogs().openAsked.isEmpty());
}

void TestTgaCommands::exportThenImportChangesNothing()
{
    const QString folder = m_fixture->path(QStringLiteral("round"));
    QVERIFY(QDir().mkpath(folder));
    const Catalogue before = form().catalogue();
    for (int n : {1, 6, 11}) {
        select(0, n);
        dialogs().saveAnswers << folder + QStringLiteral("/pic%1").arg(n);
        form().SavetoTga();
        dialogs().openAnswers << folder + QStringLiteral("/pic%1.tga").arg(n);
        form().LoadFromTga();
    }
    QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
    const Catalogue &after = form().catalogue();
    QCOMPARE(after.ImageSizes, before.ImageSizes);
    for (int n : {1, 6, 11}) {
        QCOMPARE(after.ImageDetails[std::size_t(n)].Width, before.ImageDetails[std::size_t(n)].Width);
        QCOMPARE(after.ImageDetails[std::size_t(n)].Height, before.ImageDetails[std::size_t(n)].Height);
        QVERIFY(after.ImagePixels[std::size_t(n)] == before.ImagePixels[std::size_t(n)]);
    }
}

void TestTgaCommands::pipesAndDevicesAreRefusedAtOnce_data()
{
    QTest::addColumn<bool>("import");
    QTest::addColumn<QString>("kind");
    QTest::newRow("import from a named pipe") << true << "pipe";
    QTest::newRow("import from a device") << true << "device";
    QTest::newRow("export onto a named pipe") << false << "pipe";
}

void TestTgaCommands::pipesAndDevicesAreRefusedAtOnce()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, import);
    QFETCH(QString, kind);
    const QString file = kind == "pipe" ? m_fixture->path(QStringLiteral("pipe.tga")) : QStringLiteral("/dev/zero");
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    const Catalogue before = form().catalogue();
    select(0, 3);
    // An open that waits for a writer would hang here; the alarm then ends the test as failed.
    ::alarm(20);
    if (import) {
        dialogs().openAnswers << file;
        form().LoadFromTga();
    } else {
        dialogs().saveAnswers << file.chopped(4);
        form().SavetoTga();
    }
    ::alarm(0);
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY2(dialogs().messages[0].startsWith(file) && dialogs().messages[0].contains("is not a regular file"),
             qPrintable(dialogs().messages[0]));
    QVERIFY(form().catalogue().ImagePixels[3] == before.ImagePixels[3]);
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(file).constData(), &info) == 0 && !S_ISREG(info.st_mode));
#else
    QSKIP("named pipes and devices as files are POSIX's");
#endif
}

QTEST_MAIN(TestTgaCommands)
#include "test_tga_commands.moc"
