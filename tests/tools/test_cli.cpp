#include <QtTest>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "catalogue.h"
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
