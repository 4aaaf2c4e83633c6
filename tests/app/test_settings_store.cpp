#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <optional>
#include <memory>

#include "app_test_support.h"
#include "settings_store.h"
#include "start_folder.h"
#include "window_geometry.h"

Q_DECLARE_METATYPE(WindowGeometry::Screen)

using WindowMode = SettingsStore::WindowMode;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void realStoreIsRedirected();

    void textDefaults_data();
    void textDefaults();
    void firstRunDefaults();
    void dialogsStartOutsideTheWorkingFolder_data();
    void dialogsStartOutsideTheWorkingFolder();

    void textRoundTrip_data();
    void textRoundTrip();

    void readWindowMode_data();
    void readWindowMode();
    void writeWindowMode_data();
    void writeWindowMode();
    void modeOfWindow_data();
    void modeOfWindow();
    void windowGeometry_data();
    void windowGeometry();

    void readThumbSize_data();
    void readThumbSize();
    void clampThumbSize_data();
    void clampThumbSize();
    void integersAreStoredAsText_data();
    void integersAreStoredAsText();

    void unwritableStoreReportsFailure();
    void createMakesTheStore_data();
    void createMakesTheStore();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("settings.ini")); }
    // Stores a raw text the way another program (or an older run) would have left it.
    void storeRaw(const QString &name, const QString &text);

    std::unique_ptr<RedirectedStores> m_stores;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::initTestCase()
{
    m_stores = std::make_unique<RedirectedStores>();
    QVERIFY(m_stores->isValid());
}

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::storeRaw(const QString &name, const QString &text)
{
    QSettings raw(iniPath(), QSettings::IniFormat);
    raw.setValue(name, text);
    raw.sync();
    QCOMPARE(raw.status(), QSettings::NoError);
}

void TestSettingsStore::realStoreIsRedirected()
{
#ifdef Q_OS_WIN
    // The registry can't be redirected: under Wine the tests' own prefix holds the real key.
    if (!AppTestSupport::runsUnderWine())
        QSKIP("on Windows the store is the user's own registry key; it is checked under Wine");
    SettingsStore registry;
    QCOMPARE(registry.location(), QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Quenby's Tools\\Tessary"));
    registry.writeInteger(SettingsStore::ThumbSize, 140);
    QVERIFY(registry.sync());
    QCOMPARE(SettingsStore().readThumbSize(), 140);
    registry.remove(SettingsStore::ThumbSize);
    QVERIFY(registry.sync());
    return;
#endif
    SettingsStore store;
    const QString location = QDir::fromNativeSeparators(store.location());
    QVERIFY2(location.startsWith(m_stores->root() + QStringLiteral("/user/")), qPrintable(location));
    QVERIFY2(location.contains(QStringLiteral("Quenby's Tools")), qPrintable(location));
    QVERIFY2(QFileInfo(location).completeBaseName() == QStringLiteral("Tessary"), qPrintable(location));

    store.writeInteger(SettingsStore::ThumbSize, 140);
    QVERIFY(store.sync());
    QVERIFY(QFileInfo::exists(location));
    QCOMPARE(SettingsStore().readThumbSize(), 140);
}

void TestSettingsStore::textDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("WindowState") << SettingsStore::WindowState << QString();
    QTest::newRow("ThumbSize") << SettingsStore::ThumbSize << QString();
    QTest::newRow("LoadTGAFile") << SettingsStore::LoadTGAFile << QString();
    QTest::newRow("SaveTGAPath") << SettingsStore::SaveTGAPath << QString();
    QTest::newRow("SaveAllTGAPath") << SettingsStore::SaveAllTGAPath << QString();
}

void TestSettingsStore::textDefaults()
{
    QFETCH(QString, name);
    SettingsStore store(iniPath());

    QCOMPARE(store.readText(name, QStringLiteral("fallback")), QStringLiteral("fallback"));
    QCOMPARE(store.readInteger(name, -7), -7);
    // Reading never creates a value.
    QVERIFY(store.sync());
    QVERIFY(!QSettings(iniPath(), QSettings::IniFormat).contains(name));
}

void TestSettingsStore::firstRunDefaults()
{
    const SettingsStore store(iniPath());
    QCOMPARE(store.readWindowMode(), WindowMode::Normal);
    QCOMPARE(store.readThumbSize(), 100);
    QCOMPARE(store.readLoadTgaFile(), QString());
    QCOMPARE(store.readSaveTgaPath(), QString());
}

// The dialogs open in the folder last used, else in the user's Pictures or Documents folder;
// never in the process's working folder (the program's own when started from the Start menu).
void TestSettingsStore::dialogsStartOutsideTheWorkingFolder_data()
{
    QTest::addColumn<QString>("remembered"); // relative to a scratch folder; "" for none
    QTest::addColumn<QString>("expected");   // the same, or "standard"
    QTest::newRow("nothing remembered") << QString() << "standard";
    QTest::newRow("a folder") << "exports" << "exports";
    QTest::newRow("a file") << "exports/001.tga" << "exports/001.tga";
    QTest::newRow("a file that is gone") << "exports/gone.tga" << "exports";
    QTest::newRow("a folder that is gone") << "gone/001.tga" << "standard";
}

void TestSettingsStore::dialogsStartOutsideTheWorkingFolder()
{
    QFETCH(QString, remembered);
    QFETCH(QString, expected);
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("exports")));
    QFile file(scratch.filePath(QStringLiteral("exports/001.tga")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto inScratch = [&](const QString &name) { return QDir::toNativeSeparators(scratch.filePath(name)); };
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path()));
    const QString start = StartFolder::orStandard(remembered.isEmpty() ? QString() : inScratch(remembered));
    const QString saveAll = SettingsStore(iniPath()).readSaveAllTgaPath();
    QVERIFY(QDir::setCurrent(before));

    QCOMPARE(start, expected == QLatin1String("standard") ? StartFolder::standard() : inScratch(expected));
    QCOMPARE(saveAll, StartFolder::standard());
    const QString standard = QDir::fromNativeSeparators(StartFolder::standard());
    QVERIFY(QFileInfo(standard).isDir() && QDir(standard) != QDir(scratch.path()));
    QVERIFY2(standard.endsWith(QLatin1String("/Pictures")) || standard.endsWith(QLatin1String("/Documents"))
                 || QDir(standard) == QDir::home(),
             qPrintable(standard));
}

void TestSettingsStore::textRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("windows folder") << QStringLiteral("C:\\Games\\Grand Prix 4\\exports\\");
    QTest::newRow("comma") << QStringLiteral("/home/ann/tga, old/12.tga");
    QTest::newRow("quotes and equals") << QStringLiteral("a \"quoted\" = name;#not a comment");
    QTest::newRow("leading and trailing spaces") << QStringLiteral("  padded  ");
    QTest::newRow("non-ASCII") << QStringLiteral("/home/zoë/Überschrift €.tga");
    QTest::newRow("at sign as QSettings uses it") << QStringLiteral("@Invalid()");
    QTest::newRow("empty") << QString();
    QTest::newRow("digits stay text") << QStringLiteral("0042");
}

void TestSettingsStore::textRoundTrip()
{
    QFETCH(QString, text);
    {
        SettingsStore store(iniPath());
        store.writeText(SettingsStore::LoadTGAFile, text);
        QVERIFY(store.sync());
    }
    const SettingsStore reopened(iniPath());
    QCOMPARE(reopened.readText(SettingsStore::LoadTGAFile, QStringLiteral("missing")), text);
    QCOMPARE(reopened.readLoadTgaFile(), text);
}

void TestSettingsStore::readWindowMode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<WindowMode>("expected");

    QTest::newRow("Normal") << QStringLiteral("Normal") << WindowMode::Normal;
    QTest::newRow("Full") << QStringLiteral("Full") << WindowMode::Full;
    QTest::newRow("full in lower case") << QStringLiteral("full") << WindowMode::Leave;
    QTest::newRow("FULL") << QStringLiteral("FULL") << WindowMode::Leave;
    QTest::newRow("normal in lower case") << QStringLiteral("normal") << WindowMode::Leave;
    QTest::newRow("padded") << QStringLiteral(" Full") << WindowMode::Leave;
    QTest::newRow("empty text") << QString() << WindowMode::Leave;
    QTest::newRow("other word") << QStringLiteral("Maximized") << WindowMode::Leave;
}

void TestSettingsStore::readWindowMode()
{
    QFETCH(QString, stored);
    QFETCH(WindowMode, expected);
    storeRaw(SettingsStore::WindowState, stored);

    QCOMPARE(SettingsStore(iniPath()).readWindowMode(), expected);
}

void TestSettingsStore::writeWindowMode_data()
{
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<WindowMode>("mode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("normal over full") << QStringLiteral("Full") << WindowMode::Normal << QStringLiteral("Normal");
    QTest::newRow("full over normal") << QStringLiteral("Normal") << WindowMode::Full << QStringLiteral("Full");
    QTest::newRow("full over lower case") << QStringLiteral("full") << WindowMode::Full << QStringLiteral("Full");
    QTest::newRow("minimised keeps Full") << QStringLiteral("Full") << WindowMode::Leave << QStringLiteral("Full");
    QTest::newRow("minimised keeps odd text") << QStringLiteral("full") << WindowMode::Leave << QStringLiteral("full");
    QTest::newRow("minimised on first run") << QString() << WindowMode::Leave << QString();
}

void TestSettingsStore::writeWindowMode()
{
    QFETCH(QString, earlier);
    QFETCH(WindowMode, mode);
    QFETCH(QString, expected);
    if (!earlier.isEmpty())
        storeRaw(SettingsStore::WindowState, earlier);

    {
        SettingsStore store(iniPath());
        store.writeWindowMode(mode);
        QVERIFY(store.sync());
    }
    QSettings raw(iniPath(), QSettings::IniFormat);
    QCOMPARE(raw.contains(SettingsStore::WindowState), !expected.isEmpty());
    QCOMPARE(raw.value(SettingsStore::WindowState).toString(), expected);
}

void TestSettingsStore::modeOfWindow_data()
{
    QTest::addColumn<Qt::WindowStates>("state");
    QTest::addColumn<WindowMode>("expected");

    QTest::newRow("normal") << Qt::WindowStates(Qt::WindowNoState) << WindowMode::Normal;
    QTest::newRow("active only") << Qt::WindowStates(Qt::WindowActive) << WindowMode::Normal;
    QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized) << WindowMode::Full;
    QTest::newRow("minimised") << Qt::WindowStates(Qt::WindowMinimized) << WindowMode::Leave;
    QTest::newRow("minimised from maximised") << (Qt::WindowMinimized | Qt::WindowMaximized) << WindowMode::Leave;
}

void TestSettingsStore::modeOfWindow()
{
    QFETCH(Qt::WindowStates, state);
    QFETCH(WindowMode, expected);
    QCOMPARE(SettingsStore::modeOfWindow(state), expected);
}

void TestSettingsStore::readThumbSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("read");
    QTest::addColumn<int>("shown");

    QTest::newRow("in range") << QStringLiteral("120") << 120 << 120;
    QTest::newRow("lower limit") << QStringLiteral("40") << 40 << 40;
    QTest::newRow("upper limit") << QStringLiteral("600") << 600 << 600;
    QTest::newRow("20 below the limit") << QStringLiteral("20") << 20 << 40;
    QTest::newRow("900 above the limit") << QStringLiteral("900") << 900 << 600;
    QTest::newRow("negative") << QStringLiteral("-5") << -5 << 40;
    QTest::newRow("plus sign") << QStringLiteral("+140") << 140 << 140;
    QTest::newRow("not a number") << QStringLiteral("large") << 100 << 100;
    QTest::newRow("number with text") << QStringLiteral("120px") << 100 << 100;
    QTest::newRow("hexadecimal") << QStringLiteral("0x80") << 100 << 100;
    QTest::newRow("decimal fraction") << QStringLiteral("120.5") << 100 << 100;
    QTest::newRow("beyond int") << QStringLiteral("99999999999") << 100 << 100;
    QTest::newRow("empty text") << QString() << 100 << 100;
}

void TestSettingsStore::readThumbSize()
{
    QFETCH(QString, stored);
    QFETCH(int, read);
    QFETCH(int, shown);
    storeRaw(SettingsStore::ThumbSize, stored);

    const SettingsStore store(iniPath());
    QCOMPARE(store.readThumbSize(), read);
    QCOMPARE(store.readInteger(SettingsStore::ThumbSize, 100), read);
    QCOMPARE(SettingsStore::clampThumbSize(store.readThumbSize()), shown);
}

void TestSettingsStore::clampThumbSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("expected");

    QTest::newRow("20") << 20 << 40;
    QTest::newRow("39") << 39 << 40;
    QTest::newRow("40") << 40 << 40;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("600") << 600 << 600;
    QTest::newRow("601") << 601 << 600;
    QTest::newRow("900") << 900 << 600;
    QTest::newRow("INT_MIN") << INT_MIN << 40;
    QTest::newRow("INT_MAX") << INT_MAX << 600;
}

void TestSettingsStore::clampThumbSize()
{
    QFETCH(int, size);
    QFETCH(int, expected);
    QCOMPARE(SettingsStore::clampThumbSize(size), expected);
}

void TestSettingsStore::integersAreStoredAsText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("line");

    QTest::newRow("thumb size") << 120 << QStringLiteral("ThumbSize=120");
    QTest::newRow("lower limit") << 40 << QStringLiteral("ThumbSize=40");
    QTest::newRow("negative") << -20 << QStringLiteral("ThumbSize=-20");
    QTest::newRow("INT_MAX") << INT_MAX << QStringLiteral("ThumbSize=2147483647");
}

void TestSettingsStore::integersAreStoredAsText()
{
    QFETCH(int, value);
    QFETCH(QString, line);
    {
        SettingsStore store(iniPath());
        store.writeThumbSize(value);
        QVERIFY(store.sync());
    }
    const QStringList lines = AppTestSupport::readAll(iniPath()).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(line), qPrintable(AppTestSupport::readAll(iniPath())));

    QSettings raw(iniPath(), QSettings::IniFormat);
    QCOMPARE(raw.value(SettingsStore::ThumbSize).typeId(), QMetaType::QString);
    QCOMPARE(SettingsStore(iniPath()).readThumbSize(), value);
}

void TestSettingsStore::unwritableStoreReportsFailure()
{
    // A folder can't be made below a file, whoever runs the test.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    SettingsStore store(blocker + QStringLiteral("/settings.ini"));

    store.writeThumbSize(200);
    QVERIFY(!store.sync());
    QVERIFY(QFileInfo(blocker).isFile());
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

void TestSettingsStore::createMakesTheStore_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QString>("after");
    QTest::newRow("first run") << "settings.ini" << QString() << true << "";
    QTest::newRow("first run, folder missing") << "new/folder/settings.ini" << QString() << true << "";
    QTest::newRow("existing store kept") << "settings.ini" << "[General]\nThumbSize=140\n" << true
                                         << "[General]\nThumbSize=140\n";
    // A folder can't be made below a file, whoever runs the test.
    QTest::newRow("below a file") << "blocker/settings.ini" << QString() << false << QString();
}

void TestSettingsStore::createMakesTheStore()
{
    QFETCH(QString, file);
    QFETCH(QString, before);
    QFETCH(bool, made);
    QFETCH(QString, after);
    const QString path = m_dir->filePath(file);
    QVERIFY(AppTestSupport::touch(m_dir->filePath(QStringLiteral("blocker"))));
    if (!before.isNull()) {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(before.toUtf8());
    }
    SettingsStore store(path);
    QCOMPARE(store.create(), made);
    QCOMPARE(QFileInfo(path).isFile(), made);
    QCOMPARE(AppTestSupport::readAll(path), after);
    if (made)
        QCOMPARE(store.readThumbSize(), before.isNull() ? 100 : 140);
}

namespace {

// A left screen 1920 x 1080 with a task bar at its foot, and a right one 1280 x 1024 beside it.
const WindowGeometry::Screen Left{QStringLiteral("DP-1"), QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)};
const WindowGeometry::Screen Right{QStringLiteral("HDMI-1"), QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1024)};

} // namespace

void TestSettingsStore::windowGeometry_data()
{
    QTest::addColumn<QList<WindowGeometry::Screen>>("kept");   // the screens when the window closed
    QTest::addColumn<QRect>("closed");                         // where it was then
    QTest::addColumn<QString>("text");                         // what is kept, when closed is given
    QTest::addColumn<QList<WindowGeometry::Screen>>("screens"); // the screens at the next start
    QTest::addColumn<QRect>("opened");                         // where it goes; null: the default place
    const QList<WindowGeometry::Screen> both{Left, Right};
    const QList<WindowGeometry::Screen> leftOnly{Left};
    const WindowGeometry::Screen moved{Right.name, QRect(-1280, 0, 1280, 1024), QRect(-1280, 0, 1280, 1024)};
    QTest::newRow("the same place") << both << QRect(300, 200, 700, 500) << "300,200,700,500,DP-1" << both << QRect(300, 200, 700, 500);
    QTest::newRow("on the second screen") << both << QRect(2000, 100, 700, 500) << "80,100,700,500,HDMI-1" << both << QRect(2000, 100, 700, 500);
    QTest::newRow("the second screen moved to the left") << both << QRect(2000, 100, 700, 500) << "80,100,700,500,HDMI-1"
                                                         << QList<WindowGeometry::Screen>{Left, moved} << QRect(-1200, 100, 700, 500);
    QTest::newRow("its screen gone, the place on no screen") << both << QRect(2000, 100, 700, 500) << "80,100,700,500,HDMI-1"
                                                             << leftOnly << QRect(80, 100, 700, 500);
    QTest::newRow("off every screen") << leftOnly << QRect(5000, 3000, 700, 500) << "5000,3000,700,500,DP-1" << leftOnly << QRect();
    QTest::newRow("above the screen") << leftOnly << QRect(100, -400, 700, 500) << "100,-400,700,500,DP-1" << leftOnly << QRect();
    QTest::newRow("top edge under the task bar") << leftOnly << QRect(100, 1030, 700, 500) << "100,1030,700,500,DP-1" << leftOnly << QRect();
    QTest::newRow("mostly off to the right, still grabbable") << leftOnly << QRect(1800, 50, 700, 500) << "1800,50,700,500,DP-1"
                                                              << leftOnly << QRect(1800, 50, 700, 500);
    QTest::newRow("larger than the screen now") << both << QRect(1920, 0, 1280, 1000) << "0,0,1280,1000,HDMI-1"
                                                << QList<WindowGeometry::Screen>{Left, {Right.name, Right.geometry, QRect(1920, 0, 1024, 740)}}
                                                << QRect(1920, 0, 1024, 740);
    QTest::newRow("a screen name with commas") << QList<WindowGeometry::Screen>{{QStringLiteral("Dell, Inc. U2415"), Left.geometry, Left.available}}
                                               << QRect(10, 20, 600, 400) << "10,20,600,400,Dell, Inc. U2415"
                                               << QList<WindowGeometry::Screen>{Right, {QStringLiteral("Dell, Inc. U2415"), Left.geometry, Left.available}}
                                               << QRect(10, 20, 600, 400);
    QTest::newRow("nothing kept") << leftOnly << QRect() << "" << leftOnly << QRect();
    QTest::newRow("too few fields") << leftOnly << QRect() << "10,20,600" << leftOnly << QRect();
    QTest::newRow("not numbers") << leftOnly << QRect() << "a,b,c,d,DP-1" << leftOnly << QRect();
    QTest::newRow("no size") << leftOnly << QRect() << "10,20,0,400,DP-1" << leftOnly << QRect();
    QTest::newRow("absurd numbers") << leftOnly << QRect() << "10,20,99999999,400,DP-1" << leftOnly << QRect();
}

void TestSettingsStore::windowGeometry()
{
    QFETCH(QList<WindowGeometry::Screen>, kept);
    QFETCH(QRect, closed);
    QFETCH(QString, text);
    QFETCH(QList<WindowGeometry::Screen>, screens);
    QFETCH(QRect, opened);
    if (!closed.isNull()) {
        const auto on = std::find_if(kept.begin(), kept.end(), [&](const WindowGeometry::Screen &s) { return s.geometry.contains(closed.topLeft()); });
        QCOMPARE(WindowGeometry::text(closed, on != kept.end() ? *on : kept.front()), text);
    }
    // Kept in the store beside "WindowState", which stays as it is.
    SettingsStore store(iniPath());
    store.writeWindowMode(SettingsStore::WindowMode::Full);
    store.writeText(SettingsStore::WindowGeometry, text);
    QVERIFY(store.sync());
    const SettingsStore again(iniPath());
    QCOMPARE(again.readWindowMode(), SettingsStore::WindowMode::Full);
    const std::optional<QRect> placed = WindowGeometry::restored(again.readText(SettingsStore::WindowGeometry, QString()), screens);
    QCOMPARE(placed.value_or(QRect()), opened);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
