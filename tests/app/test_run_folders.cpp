#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_support.h"
#include "run_folders.h"

// The temporary folders of runs that were killed are cleared at the next start; a live run's
// folder, a folder that holds anything, and every other name are kept.
class TestRunFolders : public QObject {
    Q_OBJECT

private slots:
    void clearsOnlyEmptyFoldersOfEndedRuns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("inside"); // a file made inside, or empty
        QTest::addColumn<bool>("folder");    // false: a file of that name
        QTest::addColumn<int>("daysLater");  // how long after its making the next run starts
        QTest::addColumn<bool>("removed");
        QTest::newRow("ended run, empty") << "Tessary-4001-aB3dE9" << "" << true << 0 << true;
        QTest::newRow("live run, empty") << "Tessary-4002-aB3dE9" << "" << true << 30 << false;
        QTest::newRow("ended run, a picture left") << "Tessary-4001-Zz0000" << "005.png" << true << 0 << false;
        QTest::newRow("ended run, a hidden file left") << "Tessary-4001-Zz0001" << ".lock" << true << 0 << false;
        QTest::newRow("no process id, a week old") << "Tessary-Ab12Cd" << "" << true << 7 << true;
        QTest::newRow("no process id, six days old") << "Tessary-Ab12Cd" << "" << true << 6 << false;
        QTest::newRow("no process id, a picture left") << "Tessary-Ab12Cd" << "005.png" << true << 30 << false;
        QTest::newRow("the unpacked zip") << "Tessary-1.2-win64" << "" << true << 30 << false;
        QTest::newRow("a longer name") << "Tessary-4001-aB3dE9x" << "" << true << 30 << false;
        QTest::newRow("a file of a run's name") << "Tessary-4001-aB3dE9" << "" << false << 30 << false;
    }

    void clearsOnlyEmptyFoldersOfEndedRuns()
    {
        QFETCH(QString, name);
        QFETCH(QString, inside);
        QFETCH(bool, folder);
        QFETCH(int, daysLater);
        QFETCH(bool, removed);
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QString path = QDir(temp.path()).filePath(name);
        if (folder)
            QVERIFY(AppTestSupport::makeFolder(path));
        else
            QVERIFY(AppTestSupport::touch(path));
        if (!inside.isEmpty())
            QVERIFY(AppTestSupport::touch(QDir(path).filePath(inside)));
        QList<qint64> asked;
        const auto runs = [&asked](qint64 pid) {
            asked << pid;
            return pid == 4002;
        };
        const int count = RunFolders::clearEnded(temp.path(), runs, QDateTime::currentDateTimeUtc().addDays(daysLater));
        QCOMPARE(count, removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path), !removed);
        if (!inside.isEmpty())
            QVERIFY(QFileInfo::exists(QDir(path).filePath(inside)));
        // A process is asked about only for a folder named with its id.
        for (const qint64 pid : asked)
            QVERIFY2(name.contains(QStringLiteral("-%1-").arg(pid)), qPrintable(name));
    }

    // The real processes: this run's folder is kept, that of a run that has ended goes.
    void asksTheSystemWhichRunsLive()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
        QVERIFY(child.waitForStarted());
        const qint64 ended = child.processId();
        QVERIFY(RunFolders::processRuns(QCoreApplication::applicationPid()));
        QVERIFY(child.waitForFinished());
        QVERIFY(!RunFolders::processRuns(ended));

        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        QTemporaryDir own(RunFolders::templateIn(temp.path()));
        QVERIFY(own.isValid());
        QVERIFY2(QFileInfo(own.path()).fileName().startsWith(QStringLiteral("Tessary-%1-").arg(QCoreApplication::applicationPid())),
                 qPrintable(own.path()));
        const QString left = QDir(temp.path()).filePath(QStringLiteral("Tessary-%1-qQ7wW2").arg(ended));
        QVERIFY(AppTestSupport::makeFolder(left));
        QCOMPARE(RunFolders::clearEnded(temp.path()), 1);
        QVERIFY(QFileInfo::exists(own.path()));
        QVERIFY(!QFileInfo::exists(left));
    }
};

QTEST_GUILESS_MAIN(TestRunFolders)
#include "test_run_folders.moc"
