#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app_test_support.h"
#include "game_install_entry.h"

using OptionalText = std::optional<QString>;

// What the game's installation entry holds before the program runs.
enum class Before { NoEntry, KeyWithoutDirectory, OtherGameFolder, FolderWithoutExecutable, SampleAlreadyMade };

// Runs ensure-sample-gamefolder as a newcomer would, with the user's and the system's
// settings locations pointed at a temporary home. The registry can't be pointed elsewhere: on
// Windows the tests run under Wine only, whose prefix is theirs, and use the real entry.
class TestEnsureSample : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void recordsAFolderOnlyWhenNoneIsKnown_data();
    void recordsAFolderOnlyWhenNoneIsKnown();
    void badArguments_data();
    void badArguments();
    void failedSampleRecordsNothing();
    void unwritableEntryFails();

private:
    QString configHome() const { return m_home->filePath(QStringLiteral("config")); }
    QString entryFile() const { return configHome() + QStringLiteral("/Infogrames/Grand Prix 4.ini"); }
    QString sampleFolder() const { return m_home->filePath(QStringLiteral("samples/sample")); }
    int run(const QStringList &arguments, QString *output = nullptr);
    // The game's installation entry the program reads and writes.
    GameInstallEntry entry() const;
    void record(const QString &key, const QString &value);
    void forgetEntry();

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_configHome;
};

void TestEnsureSample::initTestCase()
{
#ifdef Q_OS_WIN
    if (!AppTestSupport::runsUnderWine())
        QSKIP("writes the machine's own game entry; it is checked under Wine");
#endif
}

void TestEnsureSample::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    m_configHome = configHome();
    forgetEntry();
}

GameInstallEntry TestEnsureSample::entry() const
{
#ifdef Q_OS_WIN
    return GameInstallEntry();
#else
    return GameInstallEntry(entryFile());
#endif
}

void TestEnsureSample::forgetEntry()
{
#ifdef Q_OS_WIN
    QSettings games(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Infogrames"), QSettings::Registry32Format);
    games.remove(QStringLiteral("Grand Prix 4"));
#else
    QFile::remove(entryFile());
#endif
}

int TestEnsureSample::run(const QStringList &arguments, QString *output)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_configHome);
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), m_home->filePath(QStringLiteral("system")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A game installed in the machine's Wine would count as a known folder.
    environment.remove(QStringLiteral("WINEPREFIX"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TESSARY_ENSURE_SAMPLE), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    return process.exitCode();
}

void TestEnsureSample::record(const QString &key, const QString &value)
{
#ifdef Q_OS_WIN
    QSettings raw(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Infogrames\\Grand Prix 4"),
                  QSettings::Registry32Format);
#else
    QSettings raw(entryFile(), QSettings::IniFormat);
#endif
    raw.setValue(key, value);
    raw.sync();
    QCOMPARE(raw.status(), QSettings::NoError);
}

void TestEnsureSample::recordsAFolderOnlyWhenNoneIsKnown_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("sampleExpected");

    QTest::newRow("no entry") << Before::NoEntry << true;
    QTest::newRow("key without Directory") << Before::KeyWithoutDirectory << true;
    QTest::newRow("folder without gp4.exe") << Before::FolderWithoutExecutable << true;
    QTest::newRow("another game folder") << Before::OtherGameFolder << false;
    QTest::newRow("sample made earlier keeps its changes") << Before::SampleAlreadyMade << true;
}

void TestEnsureSample::recordsAFolderOnlyWhenNoneIsKnown()
{
    QFETCH(Before, before);
    QFETCH(bool, sampleExpected);
    const QString directoryKey = QStringLiteral("1.00/Install Dir/Directory");
    const QString otherGame = m_home->filePath(QStringLiteral("other game/"));
    const QString changedImage = sampleFolder() + QStringLiteral("/MenuData/PC/GP2001/images/1.gpi");
    switch (before) {
    case Before::NoEntry:
        break;
    case Before::KeyWithoutDirectory:
        record(QStringLiteral("1.00/Install Dir/Version"), QStringLiteral("1.0"));
        break;
    case Before::FolderWithoutExecutable:
        QVERIFY(AppTestSupport::makeFolder(m_home->filePath(QStringLiteral("empty"))));
        record(directoryKey, m_home->filePath(QStringLiteral("empty/")));
        break;
    case Before::OtherGameFolder:
        QVERIFY(AppTestSupport::touch(otherGame + QStringLiteral("gp4.exe")));
        record(directoryKey, otherGame);
        break;
    case Before::SampleAlreadyMade: {
        QCOMPARE(run({sampleFolder()}), 0);
        forgetEntry();
        QFile image(changedImage);
        QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(image.write("changed"), qint64(7));
        break;
    }
    }

    QString output;
    QCOMPARE(run({sampleFolder()}, &output), 0);
    const OptionalText recorded = entry().readDirectory();
    if (sampleExpected) {
        QVERIFY2(QFileInfo(sampleFolder() + QStringLiteral("/gp4.exe")).isFile(), qPrintable(output));
        QVERIFY(QFileInfo(AppTestSupport::indexFile(sampleFolder())).isFile());
        QCOMPARE(recorded, OptionalText(QDir::toNativeSeparators(sampleFolder() + QLatin1Char('/'))));
        QVERIFY2(output.contains(QStringLiteral("Recorded ")), qPrintable(output));
    } else {
        QVERIFY(!QFileInfo::exists(sampleFolder()));
        QCOMPARE(recorded, OptionalText(otherGame));
        QVERIFY2(output.contains(QStringLiteral("already recorded")), qPrintable(output));
    }
    if (before == Before::SampleAlreadyMade)
        QCOMPARE(AppTestSupport::readAll(changedImage), QStringLiteral("changed"));

    // A second run finds the folder and leaves everything as it is.
    QCOMPARE(run({sampleFolder()}, &output), 0);
    QVERIFY2(output.contains(QStringLiteral("already recorded")), qPrintable(output));
    QCOMPARE(entry().readDirectory(), recorded);
}

void TestEnsureSample::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("none") << QStringList();
    QTest::newRow("two folders") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("empty folder name") << QStringList{QString()};
    QTest::newRow("option for a folder") << QStringList{QStringLiteral("--sample")};
}

void TestEnsureSample::badArguments()
{
    QFETCH(QStringList, arguments);
    QString output;
    QCOMPARE(run(arguments, &output), 2);
    QVERIFY2(output.contains(QStringLiteral("Usage: ensure-sample-gamefolder SAMPLE_DIR")), qPrintable(output));
    QCOMPARE(entry().readDirectory(), OptionalText());
}

void TestEnsureSample::failedSampleRecordsNothing()
{
    const QString blocker = m_home->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    QString output;
    QCOMPARE(run({blocker + QStringLiteral("/sample")}, &output), 1);
    QVERIFY2(output.contains(QStringLiteral("make-sample-gamefolder")), qPrintable(output));
    QCOMPARE(entry().readDirectory(), OptionalText());
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

void TestEnsureSample::unwritableEntryFails()
{
#ifdef Q_OS_WIN
    QSKIP("Wine lets every user change HKEY_LOCAL_MACHINE; the refusal is checked on Linux");
#endif
    // The settings folder can't be made below a file.
    const QString blocker = m_home->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    m_configHome = blocker + QStringLiteral("/config");
    QString output;
    QCOMPARE(run({sampleFolder()}, &output), 1);
    QVERIFY2(output.contains(QStringLiteral("the game folder can't be recorded")), qPrintable(output));
    QVERIFY2(output.contains(QDir::toNativeSeparators(m_configHome)), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestEnsureSample)
#include "test_ensure_sample.moc"
