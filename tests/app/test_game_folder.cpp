#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app_test_support.h"
#include "catalogue/file_ops.h"
#include "chosen_folder_record.h"
#include "catalogue/game_paths.h"
#include "core_path.h"
#include "game_folder.h"
#include "game_install_entry.h"
#include "start_folder.h"
#include "wine_prefix_search.h"

using Choice = GameFolder::Choice;
using OptionalText = std::optional<QString>;

// What a test game folder holds.
enum class Layout { Nothing, Executable, UpperCaseExecutable, ExecutableIsFolder, BackupOnly, Missing };
// How a source of the game folder names one: not at all, by an empty text (the entry's key
// without "Directory"), a folder without gp4.exe, a game folder.
enum class Names { Nothing, EmptyText, FolderWithoutGame, Game };
// Where a lookup found the game folder.
enum class Source { None, Entry, Record, WinePrefix };

class TestGameFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void path_data();
    void path();
    void shownInMessage_data();
    void shownInMessage();

    void getPath_data();
    void getPath();

    void acceptChosenExecutable_data();
    void acceptChosenExecutable();
    void bareNameIsRefused();
    void unwritableEntryIsReported();
    void acceptedFolderIsFoundAgain_data();
    void acceptedFolderIsFoundAgain();

    void sourcesInOrder_data();
    void sourcesInOrder();
    void choiceKeptInSettings_data();
    void choiceKeptInSettings();

    void dialogStartFolder_data();
    void dialogStartFolder();

    void executableFilter_data();
    void executableFilter();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("entry/Grand Prix 4.ini")); }
    QString gameFolder() const { return m_dir->filePath(QStringLiteral("game")); }
    QString recordFile() const { return m_dir->filePath(QStringLiteral("settings/Tessary.ini")); }
    QString home() const { return m_dir->filePath(QStringLiteral("home")); }
    void setDirectory(const OptionalText &directory);
    void lay(Layout layout);

    std::unique_ptr<RedirectedStores> m_stores;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGameFolder::initTestCase()
{
    m_stores = std::make_unique<RedirectedStores>();
    QVERIFY(m_stores->isValid());
}

void TestGameFolder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// nullopt: no key at all; empty: the key without "Directory".
void TestGameFolder::setDirectory(const OptionalText &directory)
{
    if (!directory)
        return;
    QSettings raw(iniPath(), QSettings::IniFormat);
    if (directory->isEmpty())
        raw.setValue(QStringLiteral("1.00/Install Dir/Version"), QStringLiteral("1.0"));
    else
        raw.setValue(QStringLiteral("1.00/Install Dir/Directory"), *directory);
    raw.sync();
    QCOMPARE(raw.status(), QSettings::NoError);
}

void TestGameFolder::lay(Layout layout)
{
    const QString folder = gameFolder();
    switch (layout) {
    case Layout::Missing:
        return;
    case Layout::Nothing:
        QVERIFY(AppTestSupport::makeFolder(folder));
        return;
    case Layout::Executable:
        QVERIFY(AppTestSupport::touch(folder + QStringLiteral("/gp4.exe")));
        return;
    case Layout::UpperCaseExecutable:
        QVERIFY(AppTestSupport::touch(folder + QStringLiteral("/GP4.EXE")));
        return;
    case Layout::ExecutableIsFolder:
        QVERIFY(AppTestSupport::makeFolder(folder + QStringLiteral("/gp4.exe")));
        return;
    case Layout::BackupOnly:
        QVERIFY(AppTestSupport::touch(folder + QStringLiteral("/gp4.exe.bak")));
        return;
    }
}

void TestGameFolder::path_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");

#ifdef Q_OS_WIN
    QTest::newRow("full name") << QStringLiteral("C:\\Games\\GP4\\gp4.exe") << QStringLiteral("C:\\Games\\GP4\\");
    QTest::newRow("root with separator") << QStringLiteral("C:\\") << QStringLiteral("C:\\");
    QTest::newRow("forward slashes from a dialog") << QStringLiteral("C:/Games/GP4/gp4.exe")
                                                   << QStringLiteral("C:/Games/GP4/");
    QTest::newRow("drive without separator") << QStringLiteral("C:gp4.exe") << QString();
#else
    QTest::newRow("full name") << QStringLiteral("/games/GP4/gp4.exe") << QStringLiteral("/games/GP4/");
    QTest::newRow("root with separator") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("file at the root") << QStringLiteral("/gp4.exe") << QStringLiteral("/");
    QTest::newRow("backslash is part of a name") << QStringLiteral("/games/a\\b.tga") << QStringLiteral("/games/");
    QTest::newRow("relative name") << QStringLiteral("games/gp4.exe") << QStringLiteral("games/");
#endif
    QTest::newRow("folder ending in a separator") << QDir::toNativeSeparators(QStringLiteral("/games/GP4/"))
                                                  << QDir::toNativeSeparators(QStringLiteral("/games/GP4/"));
    QTest::newRow("bare name") << QStringLiteral("gp4.exe") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestGameFolder::path()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(GameFolder::Path(fileName), expected);
}

void TestGameFolder::shownInMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *text, const char *shown) {
        QTest::newRow(name) << QDir::toNativeSeparators(QString::fromLatin1(text))
                            << QDir::toNativeSeparators(QString::fromLatin1(shown));
    };

    row("folder with a trailing separator", "/games/nogp4//gp4.exe: file not found",
        "/games/nogp4/gp4.exe: file not found");
    row("several names", "/g//a.gpi: disk full; replaced: /g//b.gpi, /g//c.gpf",
        "/g/a.gpi: disk full; replaced: /g/b.gpi, /g/c.gpf");
    QTest::newRow("one separator stays") << QStringLiteral("24/32 bits") << QStringLiteral("24/32 bits");
    QTest::newRow("no separator") << GameFolder::ChooseFolderMessage() << GameFolder::ChooseFolderMessage();
#ifdef Q_OS_WIN
    QTest::newRow("drive root") << QStringLiteral("C:\\\\001.tga: access denied")
                                << QStringLiteral("C:\\001.tga: access denied");
    QTest::newRow("mixed separators") << QStringLiteral("C:/GP4\\\\gp4.exe") << QStringLiteral("C:/GP4\\gp4.exe");
    QTest::newRow("network names keep their start") << QStringLiteral("\\\\pc\\gp4\\\\gp4.exe, \\\\pc\\x")
                                                    << QStringLiteral("\\\\pc\\gp4\\gp4.exe, \\\\pc\\x");
#else
    QTest::newRow("root folder") << QStringLiteral("//001.tga: access denied")
                                 << QStringLiteral("/001.tga: access denied");
    QTest::newRow("backslash is part of a name") << QStringLiteral("/g/a\\\\b") << QStringLiteral("/g/a\\\\b");
#endif
}

void TestGameFolder::shownInMessage()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(GameFolder::shownInMessage(text), shown);
}

void TestGameFolder::getPath_data()
{
    QTest::addColumn<OptionalText>("directory"); // %GAME% stands for the test's game folder
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<bool>("foundBefore");
    QTest::addColumn<bool>("expectedFound");
    QTest::addColumn<QString>("expectedPath");

    const QString game = QStringLiteral("%GAME%");
    const QString old = QStringLiteral("/old/game/");
    QTest::newRow("no entry, first lookup") << OptionalText() << Layout::Executable << false << false << QString();
    QTest::newRow("no entry keeps a found folder") << OptionalText() << Layout::Executable << true << true << old;
    QTest::newRow("entry without Directory") << OptionalText(QString()) << Layout::Executable << true << false << old;
    QTest::newRow("folder with gp4.exe") << OptionalText(game) << Layout::Executable << false << true << game;
    QTest::newRow("trailing separator") << OptionalText(game + QDir::separator()) << Layout::Executable << false
                                        << true << game + QDir::separator();
    QTest::newRow("without gp4.exe keeps the old folder") << OptionalText(game) << Layout::Nothing << true << false
                                                          << old;
    QTest::newRow("gp4.exe is a folder") << OptionalText(game) << Layout::ExecutableIsFolder << true << false << old;
    QTest::newRow("only a similar name") << OptionalText(game) << Layout::BackupOnly << false << false << QString();
    QTest::newRow("folder gone") << OptionalText(game) << Layout::Missing << true << false << old;
    QTest::newRow("gp4.exe in upper case") << OptionalText(game + QDir::separator()) << Layout::UpperCaseExecutable
                                           << false << true << game + QDir::separator();
}

void TestGameFolder::getPath()
{
    QFETCH(OptionalText, directory);
    QFETCH(Layout, layout);
    QFETCH(bool, foundBefore);
    QFETCH(bool, expectedFound);
    QFETCH(QString, expectedPath);
    const QString game = QDir::toNativeSeparators(gameFolder());
    if (directory)
        directory->replace(QStringLiteral("%GAME%"), game);
    expectedPath.replace(QStringLiteral("%GAME%"), game);
    setDirectory(directory);
    lay(layout);

    GameFolder folder{GameInstallEntry(iniPath())};
    if (foundBefore) {
        folder.GP4Path = QStringLiteral("/old/game/");
        folder.PathFound = true;
    }
    folder.GetPath();
    QCOMPARE(folder.PathFound, expectedFound);
    QCOMPARE(folder.GP4Path, expectedPath);
    // The lookup only reads the entry.
    QCOMPARE(GameInstallEntry(iniPath()).readDirectory(), directory);
}

void TestGameFolder::acceptChosenExecutable_data()
{
    QTest::addColumn<QString>("indexAt");   // relative to the game folder; empty for none
    QTest::addColumn<bool>("indexIsFolder");
    QTest::addColumn<QString>("chosen");    // relative to the game folder; empty for a cancel
    QTest::addColumn<Choice>("expected");

    const QString index = QStringLiteral("MenuData/PC/GP2001/Gp2001.gph");
    QTest::newRow("folder with the index") << index << false << QStringLiteral("gp4.exe") << Choice::Accepted;
    QTest::newRow("any file of that folder") << index << false << QStringLiteral("readme.txt") << Choice::Accepted;
    QTest::newRow("folder without the index") << QString() << false << QStringLiteral("gp4.exe") << Choice::Refused;
    QTest::newRow("index is a folder") << index << true << QStringLiteral("gp4.exe") << Choice::Refused;
    QTest::newRow("index one level down") << QStringLiteral("sub/") + index << false << QStringLiteral("gp4.exe")
                                          << Choice::Refused;
    QTest::newRow("cancelled") << index << false << QString() << Choice::Cancelled;
}

void TestGameFolder::acceptChosenExecutable()
{
    QFETCH(QString, indexAt);
    QFETCH(bool, indexIsFolder);
    QFETCH(QString, chosen);
    QFETCH(Choice, expected);
    const QString game = gameFolder();
    QVERIFY(AppTestSupport::touch(game + QStringLiteral("/gp4.exe")));
    if (!indexAt.isEmpty()) {
        const QString index = game + QLatin1Char('/') + indexAt;
        QVERIFY(indexIsFolder ? AppTestSupport::makeFolder(index) : AppTestSupport::touch(index));
    }
    setDirectory(QStringLiteral("/previous/"));

    GameFolder folder{GameInstallEntry(iniPath())};
    folder.GP4Path = QStringLiteral("/previous/");
    folder.PathFound = true;
    const QString chosenFile = chosen.isEmpty() ? QString() : QDir::toNativeSeparators(game + QLatin1Char('/') + chosen);
    QCOMPARE(folder.acceptChosenExecutable(chosenFile), expected);

    const QString recorded = expected == Choice::Accepted ? QDir::toNativeSeparators(game + QLatin1Char('/'))
                                                          : QStringLiteral("/previous/");
    QCOMPARE(GameInstallEntry(iniPath()).readDirectory(), OptionalText(recorded));
    // The choice leaves the folder in use alone; the caller looks it up again.
    QCOMPARE(folder.GP4Path, QStringLiteral("/previous/"));
    QVERIFY(folder.PathFound);
}

void TestGameFolder::bareNameIsRefused()
{
    // Even with a game folder as the current directory, a name without a folder names none.
    const QString game = gameFolder();
    QVERIFY(AppTestSupport::touch(AppTestSupport::indexFile(game)));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(game));
    GameFolder folder{GameInstallEntry(iniPath())};
    const Choice choice = folder.acceptChosenExecutable(QStringLiteral("gp4.exe"));
    QVERIFY(QDir::setCurrent(before));

    QCOMPARE(choice, Choice::Refused);
    QCOMPARE(GameInstallEntry(iniPath()).readDirectory(), OptionalText());
}

void TestGameFolder::unwritableEntryIsReported()
{
    const QString game = gameFolder();
    QVERIFY(AppTestSupport::touch(AppTestSupport::indexFile(game)));
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    const QString entryFile = blocker + QStringLiteral("/Grand Prix 4.ini");

    GameFolder folder{GameInstallEntry(entryFile)};
    QCOMPARE(folder.acceptChosenExecutable(QDir::toNativeSeparators(game + QStringLiteral("/gp4.exe"))),
             Choice::NotRecorded);
    const QString message = folder.notRecordedMessage();
    QVERIFY2(message.startsWith(QDir::toNativeSeparators(entryFile) + QStringLiteral(": ")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("can't be recorded")), qPrintable(message));
    QCOMPARE(folder.entry().readDirectory(), OptionalText());
}

void TestGameFolder::acceptedFolderIsFoundAgain_data()
{
    QTest::addColumn<bool>("withExecutable");

    QTest::newRow("with gp4.exe") << true;
    QTest::newRow("index but no gp4.exe") << false;
}

void TestGameFolder::acceptedFolderIsFoundAgain()
{
    QFETCH(bool, withExecutable);
    const QString game = gameFolder();
    QVERIFY(AppTestSupport::touch(AppTestSupport::indexFile(game)));
    if (withExecutable)
        QVERIFY(AppTestSupport::touch(game + QStringLiteral("/gp4.exe")));

    GameFolder folder{GameInstallEntry(iniPath())};
    QCOMPARE(folder.acceptChosenExecutable(QDir::toNativeSeparators(game + QStringLiteral("/gp4.exe"))),
             Choice::Accepted);
    folder.GetPath();

    QCOMPARE(folder.PathFound, withExecutable);
    QCOMPARE(folder.GP4Path, withExecutable ? QDir::toNativeSeparators(game + QLatin1Char('/')) : QString());
    if (withExecutable) {
        // Game file names made from the recorded folder carry a doubled separator and still work.
        const std::string index = GamePaths::index(CorePath::fromQt(folder.GP4Path));
        QVERIFY(FileOps::isFile(index));
    }
}

void TestGameFolder::sourcesInOrder_data()
{
    QTest::addColumn<Names>("entry");
    QTest::addColumn<Names>("record");
    QTest::addColumn<bool>("gameInWine");
    QTest::addColumn<Source>("expected");

    QTest::newRow("entry") << Names::Game << Names::Nothing << false << Source::Entry;
    QTest::newRow("record before the entry") << Names::Game << Names::Game << false << Source::Record;
    QTest::newRow("record without gp4.exe is passed over") << Names::Game << Names::FolderWithoutGame << false
                                                           << Source::Entry;
    QTest::newRow("record without an entry") << Names::Nothing << Names::Game << false << Source::Record;
    QTest::newRow("no entry: Wine prefix") << Names::Nothing << Names::Nothing << true << Source::WinePrefix;
    QTest::newRow("entry without Directory: Wine prefix") << Names::EmptyText << Names::Nothing << true
                                                          << Source::WinePrefix;
    QTest::newRow("entry naming a folder: no Wine prefix") << Names::FolderWithoutGame << Names::Nothing << true
                                                           << Source::None;
    QTest::newRow("entry before a Wine prefix") << Names::Game << Names::Nothing << true << Source::Entry;
    QTest::newRow("record before a Wine prefix") << Names::Nothing << Names::Game << true << Source::Record;
    QTest::newRow("nothing anywhere") << Names::Nothing << Names::Nothing << false << Source::None;
}

void TestGameFolder::sourcesInOrder()
{
    QFETCH(Names, entry);
    QFETCH(Names, record);
    QFETCH(bool, gameInWine);
    QFETCH(Source, expected);
    // Each source names a game folder of its own; a folder without gp4.exe holds only a file.
    auto named = [this](Names names, const QString &name) -> OptionalText {
        if (names == Names::Nothing)
            return std::nullopt;
        if (names == Names::EmptyText)
            return QString();
        const QString folder = m_dir->filePath(name);
        const bool made = AppTestSupport::touch(folder + (names == Names::Game ? QStringLiteral("/gp4.exe")
                                                                               : QStringLiteral("/readme.txt")));
        return made ? OptionalText(QDir::toNativeSeparators(folder)) : OptionalText(QStringLiteral("?"));
    };
    setDirectory(named(entry, QStringLiteral("entry-game")));
    if (const OptionalText folder = named(record, QStringLiteral("record-game")))
        QVERIFY(ChosenFolderRecord(recordFile()).write(*folder));
    // A prefix of a 64-bit Wine without its drive links: C: is drive_c.
    const QString prefix = home() + QStringLiteral("/.wine");
    QVERIFY(AppTestSupport::touch(prefix + QStringLiteral("/system.reg")));
    if (gameInWine) {
        QFile registry(prefix + QStringLiteral("/system.reg"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write("WINE REGISTRY Version 2\n\n"
                       "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] 1700000000\n"
                       "\"Directory\"=\"C:\\\\Wine Game\"\n");
        QVERIFY(AppTestSupport::touch(prefix + QStringLiteral("/drive_c/Wine Game/GP4.EXE")));
    }

    GameFolder folder(GameInstallEntry(iniPath()), ChosenFolderRecord(recordFile()),
                      WinePrefixSearch(home(), QString()));
    folder.GetPath();
    const QString found = QDir::fromNativeSeparators(folder.GP4Path);
    QCOMPARE(folder.PathFound, expected != Source::None);
    switch (expected) {
    case Source::None:
        QCOMPARE(found, QString());
        break;
    case Source::Entry:
        QCOMPARE(found, m_dir->filePath(QStringLiteral("entry-game")));
        break;
    case Source::Record:
        QCOMPARE(found, m_dir->filePath(QStringLiteral("record-game")));
        break;
    case Source::WinePrefix:
        QCOMPARE(found, QDir(prefix).canonicalPath() + QStringLiteral("/drive_c/Wine Game"));
        break;
    }
}

void TestGameFolder::choiceKeptInSettings_data()
{
    QTest::addColumn<bool>("entryWritable");
    QTest::addColumn<bool>("recordWritable");
    QTest::addColumn<Choice>("expected");

    QTest::newRow("entry takes it") << true << true << Choice::Accepted;
    QTest::newRow("settings take it") << false << true << Choice::RecordedInSettings;
    QTest::newRow("neither takes it") << false << false << Choice::NotRecorded;
}

void TestGameFolder::choiceKeptInSettings()
{
    QFETCH(bool, entryWritable);
    QFETCH(bool, recordWritable);
    QFETCH(Choice, expected);
    const QString game = gameFolder();
    QVERIFY(AppTestSupport::touch(AppTestSupport::indexFile(game)));
    QVERIFY(AppTestSupport::touch(game + QStringLiteral("/gp4.exe")));
    // A folder can't be made below a file, whoever runs the test.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(AppTestSupport::touch(blocker));
    const QString entryFile = entryWritable ? iniPath() : blocker + QStringLiteral("/entry.ini");
    const QString settingsFile = recordWritable ? recordFile() : blocker + QStringLiteral("/settings.ini");
    // An earlier choice kept in the settings.
    if (recordWritable)
        QVERIFY(ChosenFolderRecord(settingsFile).write(QStringLiteral("/earlier/")));

    GameFolder folder{GameInstallEntry(entryFile), ChosenFolderRecord(settingsFile)};
    const QString chosen = QDir::toNativeSeparators(game + QLatin1Char('/'));
    QCOMPARE(folder.acceptChosenExecutable(chosen + QStringLiteral("gp4.exe")), expected);
    QCOMPARE(GameInstallEntry(entryFile).readDirectory(), entryWritable ? OptionalText(chosen) : OptionalText());
    // Once the entry holds the choice, the earlier one is forgotten.
    const OptionalText kept = expected == Choice::RecordedInSettings ? OptionalText(chosen) : OptionalText();
    QCOMPARE(ChosenFolderRecord(settingsFile).read(), kept);
    QCOMPARE(folder.recordedFolder(), expected == Choice::NotRecorded ? QString() : chosen);

    const QString entryPlace = QDir::toNativeSeparators(entryFile);
    const QString recordPlace = QDir::toNativeSeparators(settingsFile) + QStringLiteral(", value \"GameFolder\"");
    if (expected == Choice::RecordedInSettings) {
        const QString message = folder.recordedInSettingsMessage();
        QVERIFY2(message.contains(recordPlace) && message.contains(entryPlace), qPrintable(message));
    } else if (expected == Choice::NotRecorded) {
        const QString message = folder.notRecordedMessage();
        QVERIFY2(message.startsWith(entryPlace + QStringLiteral(": ")) && message.contains(recordPlace),
                 qPrintable(message));
    }
    folder.GetPath();
    QCOMPARE(folder.PathFound, expected != Choice::NotRecorded);
}

void TestGameFolder::dialogStartFolder_data()
{
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("prefixHolds"); // below a Wine prefix in $WINEPREFIX; empty: no prefix
    QTest::addColumn<QString>("expected");    // "found", "standard", or the folder below the prefix

    QTest::newRow("folder found") << true << "drive_c/Program Files (x86)" << "found";
    QTest::newRow("no folder yet, no Wine prefix") << false << "" << "standard";
    QTest::newRow("no folder yet, a 64-bit prefix") << false << "drive_c/Program Files (x86)" << "drive_c/Program Files (x86)";
    QTest::newRow("no folder yet, a 32-bit prefix") << false << "drive_c/Program Files" << "drive_c";
}

void TestGameFolder::dialogStartFolder()
{
    QFETCH(bool, found);
    QFETCH(QString, prefixHolds);
    QFETCH(QString, expected);
    const QString prefix = m_dir->filePath(QStringLiteral("prefix"));
    if (!prefixHolds.isEmpty()) {
        QVERIFY(AppTestSupport::touch(prefix + QStringLiteral("/system.reg")));
        QVERIFY(AppTestSupport::makeFolder(prefix + QLatin1Char('/') + prefixHolds));
    }
    const QByteArray variable = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", prefixHolds.isEmpty() ? QByteArray() : QFile::encodeName(prefix));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    GameFolder folder{GameInstallEntry(iniPath())};
    folder.GP4Path = QStringLiteral("/games/gp4/");
    folder.PathFound = found;
    const QString start = folder.dialogStartFolder();
    QVERIFY(QDir::setCurrent(before));
    qputenv("WINEPREFIX", variable);

    if (expected == QLatin1String("found"))
        QCOMPARE(start, QStringLiteral("/games/gp4/"));
#ifdef Q_OS_WIN
    // Windows has no Wine prefix to look in: games live in Program Files (x86).
    else
        QCOMPARE(start, QDir::toNativeSeparators(qEnvironmentVariable("ProgramFiles(x86)")));
#else
    else if (expected == QLatin1String("standard"))
        QCOMPARE(start, StartFolder::standard());
    else
        QCOMPARE(start, QDir::toNativeSeparators(prefix + QLatin1Char('/') + expected));
#endif
}

void TestGameFolder::executableFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");

    QTest::newRow("gp4.exe") << QStringLiteral("gp4.exe") << true;
    QTest::newRow("GP4.exe") << QStringLiteral("GP4.exe") << true;
    QTest::newRow("Gp4.exe") << QStringLiteral("Gp4.exe") << true;
    QTest::newRow("GP4.EXE") << QStringLiteral("GP4.EXE") << true;
    QTest::newRow("gP4.ExE") << QStringLiteral("gP4.ExE") << true;
    QTest::newRow("backup") << QStringLiteral("gp4.exe.bak") << false;
    QTest::newRow("prefixed") << QStringLiteral("xgp4.exe") << false;
    QTest::newRow("other digit") << QStringLiteral("gp5.exe") << false;
    QTest::newRow("no dot") << QStringLiteral("gp4exe") << false;
    QTest::newRow("other character for the dot") << QStringLiteral("gp4_exe") << false;
}

void TestGameFolder::executableFilter()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    // The dialog's filter is "description (patterns)".
    const QRegularExpression form(QStringLiteral("^GP4\\.exe \\(([^()]+)\\)$"));
    const QRegularExpressionMatch parts = form.match(GameFolder::executableFilter());
    QVERIFY2(parts.hasMatch(), qPrintable(GameFolder::executableFilter()));

#ifdef Q_OS_WIN
    const Qt::CaseSensitivity fileSystem = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity fileSystem = Qt::CaseSensitive;
#endif
    bool matched = false;
    for (const QString &pattern : parts.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        matched = matched || QRegularExpression::fromWildcard(pattern, fileSystem).match(name).hasMatch();
    QCOMPARE(matched, listed);
    QCOMPARE(GameFolder::isExecutableName(name), listed);
}

QTEST_GUILESS_MAIN(TestGameFolder)
#include "test_game_folder.moc"
