#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app_test_support.h"
#include "wine_prefix.h"
#include "wine_prefix_search.h"
#include "wine_registry_file.h"

using OptionalText = std::optional<QString>;

namespace {
// The game's key as the 32-bit game writes it in a 64-bit prefix, as system.reg spells it.
const QString Wow64Key =
    QStringLiteral("[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] 1700000000");
const QString PlainKey = QStringLiteral("[Software\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] 1700000000");
}

// Wine prefixes built on disk as Wine leaves them: system.reg, drive_c and the dosdevices
// links. No Wine is needed.
class TestWinePrefixes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void registryText_data();
    void registryText();

    void gameFolder_data();
    void gameFolder();

    void prefixesInOrder_data();
    void prefixesInOrder();
    void firstPrefixWithTheGameWins();

private:
    QString root() const { return m_dir->path(); }
    // Makes a prefix with a registry of the given lines and, unless told not to, Wine's links
    // c: -> ../drive_c, d: -> the folder "elsewhere" and z: -> /.
    void makePrefix(const QString &prefix, const QStringList &registryLines, bool links = true);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWinePrefixes::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("Wine prefixes are looked for by the Linux build only; Windows has the game's registry itself");
#endif
}

void TestWinePrefixes::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestWinePrefixes::makePrefix(const QString &prefix, const QStringList &registryLines, bool links)
{
    QVERIFY(AppTestSupport::makeFolder(prefix + QStringLiteral("/drive_c")));
    QFile registry(prefix + QStringLiteral("/system.reg"));
    QVERIFY(registry.open(QIODevice::WriteOnly));
    registry.write(QStringLiteral("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n%1\n")
                       .arg(registryLines.join(QLatin1Char('\n')))
                       .toUtf8());
    if (!links)
        return;
    const QString devices = prefix + QStringLiteral("/dosdevices");
    QVERIFY(AppTestSupport::makeFolder(devices));
    QVERIFY(AppTestSupport::makeFolder(root() + QStringLiteral("/elsewhere")));
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), devices + QStringLiteral("/c:")));
    QVERIFY(QFile::link(root() + QStringLiteral("/elsewhere"), devices + QStringLiteral("/d:")));
    QVERIFY(QFile::link(QStringLiteral("/"), devices + QStringLiteral("/z:")));
}

void TestWinePrefixes::registryText_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<OptionalText>("expected");

    const QString key = Wow64Key + QStringLiteral("\n#time=1da0b0c0d0e0f00\n");
    QTest::newRow("text") << key + QStringLiteral("\"Directory\"=\"C:\\\\GP4\\\\\"") << OptionalText("C:\\GP4\\");
    QTest::newRow("expandable text, not expanded")
        << key + QStringLiteral("\"Directory\"=str(2):\"%GAMES%\\\\GP4\"") << OptionalText("%GAMES%\\GP4");
    QTest::newRow("names in another case")
        << QStringLiteral("[software\\\\WOW6432NODE\\\\infogrames\\\\grand prix 4\\\\1.00\\\\install dir] 1\n"
                          "\"DIRECTORY\"=\"C:\\\\GP4\"")
        << OptionalText("C:\\GP4");
    // Wine writes characters outside ASCII as UTF-16 units, four digits when a hex digit follows.
    QTest::newRow("letters outside ASCII")
        << key + QStringLiteral("\"Directory\"=\"C:\\\\Spiele\\\\GP4 \\x141\\x00f3d\\x17a \\x414\\\\\"")
        << OptionalText(QStringLiteral("C:\\Spiele\\GP4 \u0141\u00f3d\u017a \u0414\\"));
    QTest::newRow("escaped quote and octal") << key + QStringLiteral("\"Directory\"=\"a\\\"b\\101\"")
                                             << OptionalText("a\"bA");
    QTest::newRow("other values first")
        << key + QStringLiteral("\"Version\"=\"1.0\"\n@=\"x\"\n\"Directory\"=\"D:\\\\\"")
                                        << OptionalText("D:\\");
    QTest::newRow("a number, not text") << key + QStringLiteral("\"Directory\"=dword:00000001") << OptionalText();
    QTest::newRow("binary, not text") << key + QStringLiteral("\"Directory\"=hex:43,00,3a,00") << OptionalText();
    QTest::newRow("in the parent key")
        << QStringLiteral("[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00] 1\n\"Directory\"=\"C:\\\\\"")
        << OptionalText();
    QTest::newRow("in a key below") << QStringLiteral("[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix "
                                                      "4\\\\1.00\\\\Install Dir\\\\Old] 1\n\"Directory\"=\"C:\\\\\"")
                                    << OptionalText();
    QTest::newRow("in the next key")
        << key + QStringLiteral("\"Version\"=\"1\"\n[Software\\\\Other] 1\n\"Directory\"=\"C:\\\\\"")
                                     << OptionalText();
    QTest::newRow("similar value name") << key + QStringLiteral("\"Directory2\"=\"C:\\\\\"") << OptionalText();
    QTest::newRow("empty file") << QString() << OptionalText();
}

void TestWinePrefixes::registryText()
{
    QFETCH(QString, lines);
    QFETCH(OptionalText, expected);
    const QString wanted = QStringLiteral("Software\\Wow6432Node\\Infogrames\\Grand Prix 4\\1.00\\Install Dir");
    QCOMPARE(WineRegistryFile::readText(lines.toUtf8(), wanted, QStringLiteral("Directory")), expected);
}

void TestWinePrefixes::gameFolder_data()
{
    QTest::addColumn<QStringList>("registry"); // %Z% stands for the Windows name of the temporary folder
    QTest::addColumn<QString>("executable");   // relative to the temporary folder; empty for none
    QTest::addColumn<bool>("links");
    QTest::addColumn<QString>("expected");     // relative to the temporary folder; empty for none

    const QString gp4 = QStringLiteral("\"Directory\"=\"C:\\\\GP4\"");
    const QString exe = QStringLiteral("prefix/drive_c/GP4/gp4.exe");
    const QString folder = QStringLiteral("prefix/drive_c/GP4");
    QTest::newRow("32-bit game's key") << QStringList{Wow64Key, gp4} << exe << true << folder;
    QTest::newRow("plain key of a 32-bit prefix") << QStringList{PlainKey, gp4} << exe << true << folder;
    QTest::newRow("trailing backslash") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"c:\\\\GP4\\\\\"")}
                                        << exe << true << folder;
    QTest::newRow("GP4.EXE in upper case") << QStringList{Wow64Key, gp4}
                                           << QStringLiteral("prefix/drive_c/GP4/GP4.EXE") << true << folder;
    QTest::newRow("folder names in another case")
        << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"C:\\\\PROGRAM FILES (X86)\\\\gp4\"")}
        << QStringLiteral("prefix/drive_c/Program Files (x86)/GP4/gp4.exe") << true
        << QStringLiteral("prefix/drive_c/Program Files (x86)/GP4");
    QTest::newRow("letters outside ASCII")
        << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"C:\\\\Spiele\\\\GP4 \\x141\\x00f3d\\x17a \\x414\\\\\"")}
        << QStringLiteral("prefix/drive_c/Spiele/GP4 \u0141\u00f3d\u017a \u0414/gp4.exe") << true
        << QStringLiteral("prefix/drive_c/Spiele/GP4 \u0141\u00f3d\u017a \u0414");
    QTest::newRow("long path prefix") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"\\\\\\\\?\\\\C:\\\\GP4\"")}
                                      << exe << true << folder;
    QTest::newRow("drive D: linked elsewhere")
        << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"D:\\\\Games\\\\GP4\"")}
        << QStringLiteral("elsewhere/Games/GP4/gp4.exe") << true << QStringLiteral("elsewhere/Games/GP4");
    QTest::newRow("drive Z: is the root") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"%Z%\\\\game\"")}
                                          << QStringLiteral("game/gp4.exe") << true << QStringLiteral("game");
    QTest::newRow("C: without its link") << QStringList{Wow64Key, gp4} << exe << false << folder;
    QTest::newRow("drive without a link") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"E:\\\\GP4\"")}
                                          << exe << true << QString();
    QTest::newRow("no drive") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"GP4\"")} << exe << true
                              << QString();
    QTest::newRow("folder without gp4.exe") << QStringList{Wow64Key, gp4} << QString() << true << QString();
    QTest::newRow("missing folder") << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"C:\\\\Gone\"")} << exe
                                    << true << QString();
    QTest::newRow("32-bit key without the game, plain key with it")
        << QStringList{Wow64Key, QStringLiteral("\"Directory\"=\"C:\\\\Gone\""), PlainKey, gp4} << exe << true
        << folder;
    QTest::newRow("no key") << QStringList{QStringLiteral("[Software\\\\Wine] 1")} << exe << true << QString();
}

void TestWinePrefixes::gameFolder()
{
    QFETCH(QStringList, registry);
    QFETCH(QString, executable);
    QFETCH(bool, links);
    QFETCH(QString, expected);
    const QString windowsRoot =
        QStringLiteral("Z:") + QString(root()).replace(QLatin1Char('/'), QStringLiteral("\\\\"));
    registry.replaceInStrings(QStringLiteral("%Z%"), windowsRoot);
    const QString prefix = root() + QStringLiteral("/prefix");
    makePrefix(prefix, registry, links);
    if (!executable.isEmpty())
        QVERIFY(AppTestSupport::touch(root() + QLatin1Char('/') + executable));

    const OptionalText found = WinePrefix::gameFolder(prefix);
    if (expected.isEmpty()) {
        QCOMPARE(found, OptionalText());
        return;
    }
    QVERIFY(found);
    // The folder is named through the links; it is the game's folder all the same.
    QCOMPARE(QFileInfo(*found).canonicalFilePath(),
             QFileInfo(root() + QLatin1Char('/') + expected).canonicalFilePath());
}

void TestWinePrefixes::prefixesInOrder_data()
{
    QTest::addColumn<QStringList>("made");     // below the home folder; "name/" is a folder without system.reg
    QTest::addColumn<QString>("winePrefix");   // below the home folder; empty for unset
    QTest::addColumn<QStringList>("expected"); // below the home folder

    QTest::newRow("WINEPREFIX, then ~/.wine") << QStringList{".wine", "custom/one"} << "custom/one"
                                              << QStringList{"custom/one", ".wine"};
    QTest::newRow("WINEPREFIX naming ~/.wine, once") << QStringList{".wine"} << ".wine" << QStringList{".wine"};
    QTest::newRow("launchers' prefixes")
        << QStringList{".local/share/wineprefixes/b", ".local/share/wineprefixes/a", "Games/grand-prix-4",
                       "Games/other/prefix", ".PlayOnLinux/wineprefix/GP4", ".local/share/bottles/bottles/gp4"}
        << QString()
        << QStringList{".local/share/wineprefixes/a", ".local/share/wineprefixes/b", "Games/grand-prix-4",
                       "Games/other/prefix", ".PlayOnLinux/wineprefix/GP4", ".local/share/bottles/bottles/gp4"};
    QTest::newRow("folders without system.reg") << QStringList{".wine/", "Games/notes/", "Games/gp4/drive_c/"}
                                                << QString() << QStringList{};
    QTest::newRow("WINEPREFIX that is no prefix") << QStringList{"empty/", ".wine"} << "empty" << QStringList{".wine"};
}

void TestWinePrefixes::prefixesInOrder()
{
    QFETCH(QStringList, made);
    QFETCH(QString, winePrefix);
    QFETCH(QStringList, expected);
    const QString home = root() + QStringLiteral("/home");
    for (const QString &folder : made) {
        const bool isPrefix = !folder.endsWith(QLatin1Char('/'));
        QVERIFY(isPrefix ? AppTestSupport::touch(home + QLatin1Char('/') + folder + QStringLiteral("/system.reg"))
                         : AppTestSupport::makeFolder(home + QLatin1Char('/') + folder));
    }
    const WinePrefixSearch search(home, winePrefix.isEmpty() ? QString() : home + QLatin1Char('/') + winePrefix);
    QStringList found = search.prefixes();
    for (QString &prefix : found)
        prefix = QDir(home).relativeFilePath(prefix);
    QCOMPARE(found, expected);
}

void TestWinePrefixes::firstPrefixWithTheGameWins()
{
    const QString home = root() + QStringLiteral("/home");
    const QStringList registry{Wow64Key, QStringLiteral("\"Directory\"=\"C:\\\\GP4\"")};
    makePrefix(home + QStringLiteral("/.wine"), registry);
    makePrefix(home + QStringLiteral("/Games/gp4"), registry);
    QVERIFY(AppTestSupport::touch(home + QStringLiteral("/Games/gp4/drive_c/GP4/gp4.exe")));
    const WinePrefixSearch search(home, QString());
    QCOMPARE(search.prefixes().size(), 2);
    // ~/.wine names the game first, but its folder holds no gp4.exe.
    QCOMPARE(search.findGameFolder(),
             OptionalText(QDir(home).canonicalPath() + QStringLiteral("/Games/gp4/drive_c/GP4")));

    QVERIFY(AppTestSupport::touch(home + QStringLiteral("/.wine/drive_c/GP4/gp4.exe")));
    QCOMPARE(search.findGameFolder(), OptionalText(QDir(home).canonicalPath() + QStringLiteral("/.wine/drive_c/GP4")));
}

QTEST_GUILESS_MAIN(TestWinePrefixes)
#include "test_wine_prefixes.moc"
