#include <QtTest>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// Every program of the project answers --help and --version alike and never takes an
// option-looking argument for a folder name.
class ProgramOptionsTest : public QObject {
    Q_OBJECT

private:
    struct Outcome {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
        QStringList left; // what the run left in its working folder
    };

    static Outcome run(const QString &program, const QStringList &args)
    {
        QTemporaryDir cwd;
        QProcess process;
        process.setWorkingDirectory(cwd.path());
        process.start(program, args);
        Outcome outcome;
        if (!process.waitForFinished(60000))
            return outcome;
        outcome.exitCode = process.exitCode();
        // Windows' console streams end their lines with CR LF.
        outcome.out = process.readAllStandardOutput().replace("\r\n", "\n");
        outcome.err = process.readAllStandardError().replace("\r\n", "\n");
        outcome.left = QDir(cwd.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        return outcome;
    }

    static void programs(bool takingFolders)
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("folderArgs"); // arguments with an option where a folder goes
        const auto row = [](const char *name, const char *path, const QStringList &folderArgs) {
            QTest::newRow(name) << QString::fromUtf8(path) << QString::fromUtf8(name) << folderArgs;
        };
        if (!takingFolders)
            row("tessary", TESSARY_PATH, {});
        row("tessary-cli", TESSARY_CLI_PATH, {"check", "--not-a-folder"});
        row("make-sample-gamefolder", SAMPLE_MAKER_PATH, {"--small", "--not-a-folder"});
        row("ensure-sample-gamefolder", ENSURE_SAMPLE_PATH, {"--not-a-folder"});
#ifdef BENCH_CORE_PATH
        row("bench_core", BENCH_CORE_PATH, {"--not-a-folder"});
        row("bench_save_all_tga", BENCH_SAVE_ALL_PATH, {"--not-a-folder"});
        row("bench_ui_layout", BENCH_UI_LAYOUT_PATH, {"--not-a-folder"});
        row("bench_picture_exchange", BENCH_PICTURE_EXCHANGE_PATH, {"--not-a-folder"});
        row("bench_mods", BENCH_MODS_PATH, {"--not-a-folder"});
#endif
    }

private slots:
    void helpAndVersion_data() { programs(false); }
    void helpAndVersion()
    {
        QFETCH(QString, program);
        QFETCH(QString, name);
        const Outcome help = run(program, {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith("Usage: " + name.toLower().toUtf8()), help.out.constData());
        QVERIFY(help.err.isEmpty());
        for (const QByteArray &line : help.out.split('\n'))
            QVERIFY2(QString::fromUtf8(line).size() <= 80, line.constData());
        QCOMPARE(run(program, {"-h"}).out, help.out);

        const Outcome version = run(program, {"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, (name == "tessary" ? QByteArray("Tessary") : name.toUtf8()) + " 1.2\n");
        QVERIFY(help.left.isEmpty() && version.left.isEmpty());
    }

    void optionsAreNeverFolders_data() { programs(true); }
    void optionsAreNeverFolders()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, folderArgs);
        const Outcome refused = run(program, folderArgs);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains("Usage: "), refused.err.constData());
        QVERIFY(refused.out.isEmpty());
        QVERIFY2(refused.left.isEmpty(), qPrintable(refused.left.join(' ')));
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "test_program_options.moc"
