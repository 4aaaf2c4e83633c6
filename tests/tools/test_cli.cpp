#include <QtTest>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

#include "catalogue.h"
#include "folder_lock.h"
#include "tool_runs.h"

namespace {

const QString Cli = QStringLiteral(TESSARY_CLI_PATH);
const QString Maker = QStringLiteral(SAMPLE_MAKER_PATH);
const QString Gp4 = QStringLiteral("MenuData/PC/GP2001/");

bool truncateFile(const QString &path, qint64 length)
{
    QFile file(path);
    return file.resize(length);
}

bool overwriteStart(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size();
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_sample;
    QMap<QString, QByteArray> m_sampleFiles;

    // A fresh copy of the sample, so that each case may change or break its own.
    QString copyOfSample(QTemporaryDir &into, const QString &name = QStringLiteral("game"))
    {
        const QString folder = into.filePath(name);
        return ToolRuns::copyTree(m_sample, folder) ? folder : QString();
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

    void checkPrintsTheCounts_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("folder as given") << "";
        QTest::newRow("trailing separator") << "/";
    }

    void checkPrintsTheCounts()
    {
        QFETCH(QString, suffix);
        qint64 total = 0;
        for (auto it = m_sampleFiles.cbegin(); it != m_sampleFiles.cend(); ++it)
            if (it.key().endsWith(".gpi"))
                total += it.value().size();
        total += FontCount * qint64(FontSheetBytes);

        const ToolRun checked = ToolRuns::run(Cli, {"check", m_sample + suffix});
        QCOMPARE(checked.exitCode, 0);
        QVERIFY(checked.err.isEmpty());
        QVERIFY2(checked.out.contains("Images: 40\n"), checked.out.constData());
        QVERIFY(checked.out.contains("Fonts: 6\n"));
        QVERIFY2(checked.out.contains("Total bytes: " + QByteArray::number(total) + "\n"), checked.out.constData());
        QVERIFY(ToolRuns::snapshot(m_sample) == m_sampleFiles);
    }

    void brokenFolder_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        for (const QString command : {"check", "rewrite"}) {
            const auto row = [&](const char *name, const char *breakage, const QString &file, const char *reason) {
                QTest::newRow(qPrintable(command + ": " + name)) << command << breakage << Gp4 + file << reason;
            };
            row("missing font", "remove", "fonts/texttest1250.gpf", "file not found");
            row("missing image", "remove", "images/17.gpi", "file not found");
            row("missing index", "remove", "Gp2001.gph", "file not found");
            row("short font", "truncate", "fonts/style_font1250.gpf", "reading beyond the end of the file");
            row("short index", "truncate", "Gp2001.gph", "reading beyond the end of the file");
            row("negative image count", "negative", "Gp2001.gph", "negative");
        }
    }

    void brokenFolder()
    {
        QFETCH(QString, command);
        QFETCH(QString, breakage);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QTemporaryDir work;
        const QString game = copyOfSample(work);
        QVERIFY(!game.isEmpty());
        const QString target = QDir(game).filePath(file);
        if (breakage == "remove")
            QVERIFY(QFile::remove(target));
        else if (breakage == "truncate")
            QVERIFY(truncateFile(target, QFileInfo(target).size() - 100));
        else
            QVERIFY(overwriteStart(target, QByteArray("\xFE\xFF\xFF\xFF", 4)));
        const auto before = ToolRuns::snapshot(game);

        const ToolRun run = ToolRuns::run(Cli, {command, game});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        const QString message = QString::fromUtf8(run.err);
        QVERIFY2(message.contains(QDir::toNativeSeparators(QDir::cleanPath(target))), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(ToolRuns::snapshot(game) == before);
    }

    void missingFolder()
    {
        const QString nowhere = m_work.filePath("no such folder");
        const ToolRun run = ToolRuns::run(Cli, {"check", nowhere});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(nowhere).toUtf8()), run.err.constData());
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    void rewriteLeavesTheFolderByteIdentical_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain name") << "game";
        QTest::newRow("letters outside the code page") << QStringLiteral("Spiele/GP4 \u0141\u00f3d\u017a \u0414");
        QTest::newRow("a 240-character path") << QString();
    }

    void rewriteLeavesTheFolderByteIdentical()
    {
        QFETCH(QString, name);
        QTemporaryDir work;
        if (name.isEmpty()) {
            // Long enough that a game file's name with its scratch suffix passes Windows' old 260.
            const qsizetype room = 240 - work.path().size() - 1;
            for (int k = 0; name.size() < room; ++k)
                name += QStringLiteral("%1long folder %2").arg(name.isEmpty() ? "" : "/").arg(k);
            name.truncate(room);
            // Windows drops a trailing space from a folder's name.
            if (name.endsWith(' ') || name.endsWith('/'))
                name.back() = QLatin1Char('x');
        }
        const QString game = copyOfSample(work, name);
        QVERIFY(!game.isEmpty());
        for (int pass = 1; pass <= 2; ++pass) {
            const ToolRun run = ToolRuns::run(Cli, {"rewrite", game});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.contains("40 images, the index and 6 fonts"), run.out.constData());
            const auto after = ToolRuns::snapshot(game);
            QCOMPARE(after.keys(), m_sampleFiles.keys());
            for (auto it = m_sampleFiles.cbegin(); it != m_sampleFiles.cend(); ++it)
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }

    void rewriteWritesThroughAReadOnlyIndex()
    {
        QTemporaryDir work;
        const QString game = copyOfSample(work);
        const QString index = QDir(game).filePath(Gp4 + "Gp2001.gph");
        QVERIFY(QFile::setPermissions(index, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const ToolRun run = ToolRuns::run(Cli, {"rewrite", game});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(ToolRuns::snapshot(game) == m_sampleFiles);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("none") << QStringList();
        QTest::newRow("command without folder") << QStringList{"check"};
        QTest::newRow("unknown command") << QStringList{"verify", "x"};
        QTest::newRow("two folders") << QStringList{"rewrite", "x", "y"};
        QTest::newRow("empty folder name") << QStringList{"check", ""};
        QTest::newRow("folder first") << QStringList{"x", "check"};
    }

    void badArguments()
    {
        QFETCH(QStringList, args);
        const ToolRun run = ToolRuns::run(Cli, args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("Usage: tessary-cli"));
    }

    // "--" ends the options, so that folders named like options reach the commands.
    void dashNamedFolders_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("printed");
        QTest::newRow("check") << QStringList{"check", "--", "-odd"} << "Images: 40\n";
        QTest::newRow("an option before --") << QStringList{"list", "--json", "--", "-odd"} << "\"folder\": \"-odd\"";
        QTest::newRow("export into a dash-named folder") << QStringList{"export", "--images=1", "--", "-odd", "-out"}
                                                         << "Exported 1 image to -out as .tga files";
    }

    void dashNamedFolders()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, printed);
        QTemporaryDir work;
        QVERIFY(!copyOfSample(work, QStringLiteral("-odd")).isEmpty());
        const ToolRun run = ToolRuns::run(Cli, args, work.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY2(run.out.contains(printed.toUtf8()), run.out.constData());
    }

    // On Linux a name is bytes: one that is not UTF-8 reaches the files as it was given.
    void namesThatAreNotUtf8_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("printed");
        // $game is the sample under a name ending in the bytes FF FE, $pics a folder in it whose
        // name ends in FE; $cli is the program.
        QTest::newRow("game folder") << "\"$cli\" check \"$game\"" << QByteArray("Images: 40\n");
        QTest::newRow("picture folder") << "\"$cli\" export --images 2-3 \"$game\" \"$pics\" && test -f \"$pics/003.tga\""
                                           " && \"$cli\" import \"$game\" \"$pics\""
                                        << QByteArray("2 files were the same as the picture already there: 002.tga, 003.tga");
    }

    void namesThatAreNotUtf8()
    {
#ifdef Q_OS_WIN
        QSKIP("names on Windows are UTF-16, which every name the system gives is");
#endif
        QFETCH(QString, script);
        QFETCH(QByteArray, printed);
        QTemporaryDir work;
        // QProcess hands on only names that are UTF-8; the shell's printf makes the others.
        const QString setUp = QStringLiteral("game=$(printf '%s/game-\\377\\376' \"$1\"); pics=$(printf '%s/pics-\\376' \"$game\");"
                                             " cli=$3; cp -R \"$2\" \"$game\" && ");
        // QTemporaryDir can't remove names that are not UTF-8 either: the shell does.
        const QString tidyUp = QStringLiteral("; code=$?; rm -rf \"$game\"; exit $code");
        const ToolRun run = ToolRuns::run(QStringLiteral("/bin/sh"), {"-c", setUp + script + tidyUp, "sh", work.path(), m_sample, Cli});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY2(run.out.contains(printed), run.out.constData());
        QVERIFY2(run.out.contains(QFile::encodeName(work.path()) + "/game-\xFF\xFE"), run.out.constData());
    }

    // A command that finds the folder's lock held by a writer says that it waits, and gives up
    // after a while when the writer does not finish.
    void lockHeldByAnotherProgram_data()
    {
        QTest::addColumn<bool>("released");
        QTest::newRow("released while waiting") << true;
        QTest::newRow("held throughout") << false;
    }

    void lockHeldByAnotherProgram()
    {
        QFETCH(bool, released);
        QTemporaryDir work;
        const QString game = copyOfSample(work);
        std::optional<FolderLock> writer;
        writer.emplace(QDir::toNativeSeparators(game).toStdString(), FolderLock::Mode::Write);
        QProcess cli;
        cli.setReadChannel(QProcess::StandardError);
        QElapsedTimer waited;
        waited.start();
        cli.start(Cli, {"check", game});
        QByteArray err;
        const QByteArray waiting = "waiting for another program that is writing this game folder\u2026\n";
        while (!err.contains(waiting) && cli.state() != QProcess::NotRunning && waited.elapsed() < 8000)
            if (cli.waitForReadyRead(200))
                err += cli.readAllStandardError().replace("\r\n", "\n");
        QVERIFY2(err.contains(waiting), err.constData());
        if (released)
            writer.reset();
        QVERIFY(cli.waitForFinished(30000));
        err += cli.readAllStandardError().replace("\r\n", "\n");
        if (released) {
            QCOMPARE(cli.exitCode(), 0);
            QVERIFY(cli.readAllStandardOutput().contains("Images: 40"));
        } else {
            QCOMPARE(cli.exitCode(), 1);
            QVERIFY2(err.contains("another program is writing this game folder; try again when it has finished"), err.constData());
            QVERIFY2(waited.elapsed() >= 9000, "gave up before its time");
        }
    }

    void helpGoesToStandardOutput()
    {
        const ToolRun run = ToolRuns::run(Cli, {"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Usage: tessary-cli"));
        QVERIFY(run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
