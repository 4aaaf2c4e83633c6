#include <QtTest>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "catalogue.h"
#include "picture_files.h"
#include "tool_runs.h"

namespace {

const QString Cli = QStringLiteral(TESSARY_CLI_PATH);
const QString Maker = QStringLiteral(SAMPLE_MAKER_PATH);

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList numbered(const QList<int> &numbers, const QString &extension)
{
    QStringList names;
    for (int n : numbers)
        names << QStringLiteral("%1%2").arg(n, 3, 10, QLatin1Char('0')).arg(extension);
    return names;
}

QStringList fontFiles(const QString &extension)
{
    QStringList names;
    for (const char *name : FontNames)
        names << QString::fromLatin1(name) + extension;
    return names;
}

QStringList linesWith(const QByteArray &out, const QString &word)
{
    QStringList found;
    for (const QString &line : QString::fromUtf8(out).split(QLatin1Char('\n')))
        if (line.endsWith(word))
            found << line;
    return found;
}

} // namespace

// list, export, import and restore of tessary-cli on the small sample, with their exit codes,
// and its progress bar.
class CliCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_sample;
    QMap<QString, QByteArray> m_sampleFiles;
    int m_case = 0;

    QString copyOfSample()
    {
        const QString folder = m_work.filePath(QStringLiteral("game%1").arg(++m_case));
        return ToolRuns::copyTree(m_sample, folder) ? folder : QString();
    }
    QString newFolder()
    {
        const QString folder = m_work.filePath(QStringLiteral("out%1").arg(++m_case));
        QDir().mkpath(folder);
        return folder;
    }
    // Exports the given images of game as .png into a new folder, then inverts the colours of some.
    QString editedPictures(const QString &game, const QList<int> &inverted)
    {
        Catalogue c = loadGameFolder(game.toStdString());
        for (int n : inverted)
            for (std::uint32_t &pixel : c.ImagePixels[std::size_t(n)])
                pixel ^= 0x00FFFFFFu;
        const QString folder = newFolder();
        PictureFiles::exportImages(c, folder.toStdString() + "/", PictureFiles::allImages(c), PictureFiles::Format::Png);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_sample = m_work.filePath("sample");
        const ToolRun made = ToolRuns::run(Maker, {"--small", m_sample});
        QVERIFY2(made.exitCode == 0, made.err.constData());
        m_sampleFiles = ToolRuns::snapshot(m_sample);
    }

    void listShowsEveryPicture()
    {
        const ToolRun text = ToolRuns::run(Cli, {"list", m_sample});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.err.isEmpty());
        QCOMPARE(linesWith(text.out, "original").size(), 46);
        QVERIFY2(text.out.startsWith("image 1: 32 x 32, 4096 bytes, original\n"), text.out.constData());
        QVERIFY(text.out.contains("\nfont New_Font1000.gpf: 256 x 256, 65536 bytes, original\n"));

        const ToolRun json = ToolRuns::run(Cli, {"list", "--json", m_sample});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError problem;
        const QJsonObject listed = QJsonDocument::fromJson(json.out, &problem).object();
        QCOMPARE(problem.error, QJsonParseError::NoError);
        QCOMPARE(listed["folder"].toString(), QDir::toNativeSeparators(m_sample));
        const QJsonArray images = listed["images"].toArray();
        QCOMPARE(images.size(), 40);
        QCOMPARE(images[3].toObject()["width"].toInt(), 37);
        QCOMPARE(images[3].toObject()["bytes"].toInt(), 37 * 19 * 4);
        QCOMPARE(listed["fonts"].toArray()[5].toObject()["name"].toString(), QStringLiteral("texttest1250.gpf"));
        QCOMPARE(listed["fonts"].toArray()[5].toObject()["changed"].toBool(), false);
    }

    void exportWritesTheWindowsFiles_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("files");
        QList<int> all;
        for (int n = 1; n <= 40; ++n)
            all << n;
        QTest::newRow("all images, tga") << QStringList{} << numbered(all, ".tga");
        QTest::newRow("chosen images, png") << QStringList{"--format", "png", "--images", "1,3-5"} << numbered({1, 3, 4, 5}, ".png");
        QTest::newRow("font sheets") << QStringList{"--fonts"} << fontFiles(".tga");
        QTest::newRow("one image and the fonts, png")
            << QStringList{"--fonts", "--format=png", "--images=2"} << (numbered({2}, ".png") + fontFiles(".png"));
    }

    void exportWritesTheWindowsFiles()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, files);
        const QString out = m_work.filePath(QStringLiteral("export%1/new").arg(++m_case));
        const ToolRun run = ToolRuns::run(Cli, QStringList{"export", m_sample, out} + options);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        files.sort();
        QCOMPARE(filesIn(out), files);
        // Each file holds its picture exactly: read back, it is the game file's.
        const Catalogue game = loadGameFolder(m_sample.toStdString());
        for (const QString &name : files) {
            const std::string path = (out + QLatin1Char('/') + name).toStdString();
            if (name.contains(QLatin1String(".gpf"))) {
                const int font = int(fontFiles(name.right(4)).indexOf(name));
                QVERIFY(PictureFiles::reader().readFont(path) == game.FontBitmaps[std::size_t(font)]);
            } else {
                const int n = name.left(3).toInt();
                QVERIFY(PictureFiles::reader().readImage(path).Pixels == game.ImagePixels[std::size_t(n)]);
            }
        }
        QVERIFY(ToolRuns::snapshot(m_sample) == m_sampleFiles);
    }

    // Commands that never write leave even the attributes of read-only game files as they are.
    void readingCommandsLeaveFilesAlone_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("check") << QStringList{"check"};
        QTest::newRow("list") << QStringList{"list"};
        QTest::newRow("export") << QStringList{"export", "--fonts"};
    }

    void readingCommandsLeaveFilesAlone()
    {
        QFETCH(QStringList, command);
        const QString game = copyOfSample();
        const QString data = game + "/MenuData/PC/GP2001/";
        const QStringList readOnly{data + "images/7.gpi", data + "fonts/texttest1250.gpf"};
        for (const QString &file : readOnly)
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        QStringList arguments{command.first(), game};
        if (command.first() == "export")
            arguments << newFolder() << command.mid(1);
        const ToolRun run = ToolRuns::run(Cli, arguments);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        for (const QString &file : readOnly)
            QVERIFY2(!(QFile::permissions(file) & QFile::WriteOwner), qPrintable(file));
    }

    void importAppliesAndRestoreUndoes()
    {
        const QString game = copyOfSample();
        const QString pictures = editedPictures(game, {3, 17});
        // An import reads only the images it replaces: one that can't be read elsewhere doesn't matter.
        for (const QString &file : filesIn(pictures))
            if (file != "003.png" && file != "017.png")
                QVERIFY(QFile::remove(pictures + "/" + file));
        const QString unreadable = game + "/MenuData/PC/GP2001/images/30.gpi";
        QVERIFY(QFile::rename(unreadable, unreadable + ".away") && QDir().mkdir(unreadable));
        const ToolRun dry = ToolRuns::run(Cli, {"import", "--dry-run", game, pictures});
        QVERIFY2(dry.exitCode == 0, dry.err.constData());
        QVERIFY2(dry.out.startsWith("Would import 2 pictures from"), dry.out.constData());

        const ToolRun imported = ToolRuns::run(Cli, {"import", game, pictures});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.out.contains("Applied: wrote 2 files"), imported.out.constData());
        QVERIFY(QDir().rmdir(unreadable) && QFile::rename(unreadable + ".away", unreadable));
        QCOMPARE(linesWith(ToolRuns::run(Cli, {"list", game}).out, "changed"),
                 (QStringList{"image 3: 256 x 128, 131072 bytes, changed", "image 17: 160 x 120, 76800 bytes, changed"}));

        const ToolRun one = ToolRuns::run(Cli, {"restore", game, "17"});
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(linesWith(ToolRuns::run(Cli, {"list", game}).out, "changed").size(), 1);
        const ToolRun all = ToolRuns::run(Cli, {"restore", game, "--all"});
        QCOMPARE(all.exitCode, 0);
        QVERIFY(ToolRuns::snapshot(game) == m_sampleFiles);
        const ToolRun again = ToolRuns::run(Cli, {"restore", "--all", game});
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.out.startsWith("Nothing to restore"));
    }

    void refusedFileChangesNothing()
    {
        const QString game = copyOfSample();
        const QString pictures = editedPictures(game, {5});
        QFile broken(pictures + QStringLiteral("/009.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a picture");
        broken.close();
        const ToolRun run = ToolRuns::run(Cli, {"import", game, pictures});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("\n009.png: is not a .png file"), run.out.constData());
        QVERIFY2(run.err.contains("1 file was refused; nothing was changed"), run.err.constData());
        QVERIFY(ToolRuns::snapshot(game) == m_sampleFiles);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("image beyond the folder") << QStringList{"export", "GAME", "OUT", "--images", "41"} << 1 << "there is no image 41";
        // Refused before a number of the range is held (not after 4 GB of them).
        QTest::newRow("huge range") << QStringList{"export", "GAME", "OUT", "--images", "2,1-999999999"} << 1
                                    << "there are no images 41 to 999999999 (the game folder has images 1 to 40)";
        QTest::newRow("restore beyond the folder") << QStringList{"restore", "GAME", "99"} << 1 << "there is no image 99";
        QTest::newRow("missing picture folder") << QStringList{"import", "GAME", "nowhere"} << 1 << "folder not found";
        QTest::newRow("falling range") << QStringList{"export", "GAME", "OUT", "--images", "5-3"} << 2 << "rising range";
        QTest::newRow("unknown format") << QStringList{"export", "GAME", "OUT", "--format", "bmp"} << 2 << "tga or png";
        QTest::newRow("option of another command") << QStringList{"list", "GAME", "--dry-run"} << 2 << "list takes no option --dry-run";
        QTest::newRow("restore without pictures") << QStringList{"restore", "GAME"} << 2 << "--all or the pictures";
        QTest::newRow("restore all and some") << QStringList{"restore", "GAME", "--all", "3"} << 2 << "not both";
        QTest::newRow("restore an unknown font") << QStringList{"restore", "GAME", "Arial.gpf"} << 2 << "neither an image number";
        QTest::newRow("option for a folder") << QStringList{"check", "--game"} << 2 << "check takes no option --game";
        QTest::newRow("missing second folder") << QStringList{"import", "GAME"} << 2 << "a game folder and a folder of pictures";
    }

    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString out = m_work.filePath(QStringLiteral("failed%1").arg(++m_case));
        args.replaceInStrings(QStringLiteral("GAME"), m_sample).replaceInStrings(QStringLiteral("OUT"), out);
        const ToolRun run = ToolRuns::run(Cli, args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
        QVERIFY(!QFileInfo::exists(out));
        QVERIFY(ToolRuns::snapshot(m_sample) == m_sampleFiles);
    }

    // An export that fails part of the way names the files it had written; they stay.
    void exportFailingPartWay()
    {
        const QString out = newFolder();
        QVERIFY(QDir(out).mkdir(QStringLiteral("003.png")));
        const ToolRun run = ToolRuns::run(Cli, {"export", m_sample, out, "--format", "png"});
        QCOMPARE(run.exitCode, 1);
        const QString message = QString::fromUtf8(run.err);
        QVERIFY2(message.contains(QStringLiteral("003.png: is a folder")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("2 files were exported to %1 before the error and left there: 001.png, 002.png")
                                      .arg(QDir::toNativeSeparators(out))),
                 qPrintable(message));
        QCOMPARE(filesIn(out), (QStringList{"001.png", "002.png"}));
    }

    // Output that can't be written is an error, not a success.
    void fullStandardOutput()
    {
#ifdef Q_OS_WIN
        const QString full = QStringLiteral("Z:/dev/full"); // Wine's way to the host's device
        if (QFile device(full); !device.open(QIODevice::WriteOnly))
            QSKIP("no device that is always full (Z:\\dev\\full is Wine's way to the host's)");
#else
        const QString full = QStringLiteral("/dev/full");
#endif
        QProcess process;
        process.setStandardOutputFile(full);
        process.start(Cli, {"list", m_sample});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(process.readAllStandardError().contains("tessary-cli: standard output can't be written"), "no message");
    }

    void progressBarOnlyOnATerminal()
    {
#ifdef Q_OS_WIN
        QSKIP("the terminal is made with Python's pty on the Linux host, which a Windows program under Wine cannot start");
#endif
        const QString out = newFolder();
        const ToolRun piped = ToolRuns::run(Cli, {"export", m_sample, out});
        QCOMPARE(piped.exitCode, 0);
        QVERIFY(piped.err.isEmpty());
        const ToolRun terminal = ToolRuns::run(QStringLiteral("/usr/bin/python3"),
                                               {QStringLiteral(STDERR_ON_TERMINAL), Cli, "export", m_sample, out});
        QCOMPARE(terminal.exitCode, 0);
        QVERIFY2(terminal.out.contains("Exporting [") && terminal.out.contains("] 40/40"), terminal.out.constData());
        // The bar is wiped at the end: the last thing on the line is the carriage return.
        QVERIFY(terminal.out.endsWith('\r'));
    }
};

QTEST_GUILESS_MAIN(CliCommandsTest)
#include "test_cli_commands.moc"
