#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app_test_support.h"
#include "game_folder.h"
#include "game_install_entry.h"

using OptionalText = std::optional<QString>;

class TestGameInstallEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void realEntryIsRedirected();
    void entryOfThe32BitGameIsFound();

    void readDirectory_data();
    void readDirectory();

    void writeDirectoryRoundTrip_data();
    void writeDirectoryRoundTrip();
    void writeKeepsOtherValues();
    void refusedWriteChangesNothing();

private:
    void forgetRealEntry();
    QString iniPath() const { return m_dir->filePath(QStringLiteral("Grand Prix 4.ini")); }

    std::unique_ptr<RedirectedStores> m_stores;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGameInstallEntry::initTestCase()
{
    m_stores = std::make_unique<RedirectedStores>();
    QVERIFY(m_stores->isValid());
}

void TestGameInstallEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestGameInstallEntry::realEntryIsRedirected()
{
#ifdef Q_OS_WIN
    // The registry can't be redirected: under Wine the tests' own prefix holds the real key.
    if (!AppTestSupport::runsUnderWine())
        QSKIP("on Windows the entry is the machine's own registry key; it is checked under Wine");
    forgetRealEntry();
    QCOMPARE(GameInstallEntry().location(),
             QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Infogrames\\Grand Prix 4\\1.00\\Install Dir"));
#endif
    GameInstallEntry entry;
    QCOMPARE(entry.readDirectory(), OptionalText());

    QVERIFY2(entry.writeDirectory(QStringLiteral("/games/gp4/")), qPrintable(entry.lastError()));
    QCOMPARE(GameInstallEntry().readDirectory(), OptionalText(QStringLiteral("/games/gp4/")));
#ifndef Q_OS_WIN
    const QString expectedFile = m_stores->root() + QStringLiteral("/user/Infogrames/Grand Prix 4.ini");
    QCOMPARE(QDir::fromNativeSeparators(entry.location()), expectedFile);
    QSettings written(expectedFile, QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("1.00/Install Dir/Directory")).toString(), QStringLiteral("/games/gp4/"));
#endif
}

void TestGameInstallEntry::forgetRealEntry()
{
#ifdef Q_OS_WIN
    QSettings games(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Infogrames"), QSettings::Registry32Format);
    games.remove(QStringLiteral("Grand Prix 4"));
    games.sync();
#endif
}

void TestGameInstallEntry::entryOfThe32BitGameIsFound()
{
#ifndef Q_OS_WIN
    QSKIP("the game's own registry entry exists on Windows only");
#else
    if (!AppTestSupport::runsUnderWine())
        QSKIP("writes the machine's own registry; it is checked under Wine");
    forgetRealEntry();
    const QString game = QDir::toNativeSeparators(m_dir->filePath(QStringLiteral("Grand Prix 4")));
    QVERIFY(AppTestSupport::touch(game + QStringLiteral("/GP4.EXE")));
    // As the game's 32-bit installer leaves it, written by Windows' own reg.exe.
    const QString key = QStringLiteral("HKLM\\Software\\Wow6432Node\\Infogrames\\Grand Prix 4\\1.00\\Install Dir");
    QProcess reg;
    reg.start(QStringLiteral("reg"), {QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("Directory"),
                                      QStringLiteral("/d"), game, QStringLiteral("/f")});
    QVERIFY(reg.waitForFinished(60000));
    QCOMPARE(reg.exitCode(), 0);

    QCOMPARE(GameInstallEntry().readDirectory(), OptionalText(game));
    GameFolder folder;
    folder.GetPath();
    QVERIFY(folder.PathFound);
    QCOMPARE(folder.GP4Path, game);
    forgetRealEntry();
#endif
}

void TestGameInstallEntry::readDirectory_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<OptionalText>("expected");

    QTest::newRow("no store") << QString() << QString() << OptionalText();
    QTest::newRow("other application only") << QStringLiteral("2.00/Install Dir/Directory") << QStringLiteral("/x")
                                            << OptionalText();
    QTest::newRow("version key without Install Dir") << QStringLiteral("1.00/Language") << QStringLiteral("en")
                                                     << OptionalText();
    QTest::newRow("key without Directory") << QStringLiteral("1.00/Install Dir/Version")
                                           << QStringLiteral("1.0") << OptionalText(QString());
    QTest::newRow("folder") << QStringLiteral("1.00/Install Dir/Directory") << QStringLiteral("/games/gp4")
                            << OptionalText(QStringLiteral("/games/gp4"));
    QTest::newRow("trailing separator") << QStringLiteral("1.00/Install Dir/Directory")
                                        << QStringLiteral("/games/gp4/") << OptionalText(QStringLiteral("/games/gp4/"));
    QTest::newRow("windows folder kept as written")
        << QStringLiteral("1.00/Install Dir/Directory") << QStringLiteral("C:\\Program Files\\GP4\\")
        << OptionalText(QStringLiteral("C:\\Program Files\\GP4\\"));
    QTest::newRow("empty Directory") << QStringLiteral("1.00/Install Dir/Directory") << QString()
                                     << OptionalText(QString());
}

void TestGameInstallEntry::readDirectory()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(OptionalText, expected);
    if (!key.isEmpty()) {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue(key, value);
        raw.sync();
        QCOMPARE(raw.status(), QSettings::NoError);
    }
    QCOMPARE(GameInstallEntry(iniPath()).readDirectory(), expected);
}

void TestGameInstallEntry::writeDirectoryRoundTrip_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("posix folder") << QStringLiteral("/home/ann/Grand Prix 4/");
    QTest::newRow("windows folder") << QStringLiteral("C:\\Program Files (x86)\\Infogrames\\GP4\\");
    QTest::newRow("comma and quotes") << QStringLiteral("/games/\"gp4\", copy/");
    QTest::newRow("non-ASCII") << QStringLiteral("/home/zoë/Spiele/GP4/");
}

void TestGameInstallEntry::writeDirectoryRoundTrip()
{
    QFETCH(QString, folder);
    const QString nested = m_dir->filePath(QStringLiteral("not/yet/made/gp4.ini"));
    GameInstallEntry entry(nested);

    QVERIFY2(entry.writeDirectory(folder), qPrintable(entry.lastError()));
    QVERIFY(entry.lastError().isEmpty());
    QVERIFY(QFileInfo(nested).isFile());
    QCOMPARE(GameInstallEntry(nested).readDirectory(), OptionalText(folder));
}

void TestGameInstallEntry::writeKeepsOtherValues()
{
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("1.00/Install Dir/Version"), QStringLiteral("1.0"));
        raw.setValue(QStringLiteral("1.00/Install Dir/Directory"), QStringLiteral("/old/"));
        raw.setValue(QStringLiteral("1.00/Language"), QStringLiteral("en"));
    }
    GameInstallEntry entry(iniPath());
    QVERIFY(entry.writeDirectory(QStringLiteral("/new/")));

    QSettings raw(iniPath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("1.00/Install Dir/Directory")).toString(), QStringLiteral("/new/"));
    QCOMPARE(raw.value(QStringLiteral("1.00/Install Dir/Version")).toString(), QStringLiteral("1.0"));
    QCOMPARE(raw.value(QStringLiteral("1.00/Language")).toString(), QStringLiteral("en"));
}

void TestGameInstallEntry::refusedWriteChangesNothing()
{
    // A folder can't be made below a file, whoever runs the test.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    GameInstallEntry entry(blocker + QStringLiteral("/Grand Prix 4.ini"));

    QVERIFY(!entry.writeDirectory(QStringLiteral("/games/gp4/")));
    QVERIFY(!entry.lastError().isEmpty());
    QCOMPARE(entry.readDirectory(), OptionalText());
    QVERIFY(QFileInfo(blocker).isFile());
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

QTEST_GUILESS_MAIN(TestGameInstallEntry)
#include "test_game_install_entry.moc"
