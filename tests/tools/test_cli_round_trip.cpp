#include <QtTest>

#include <algorithm>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "tool_runs.h"

namespace {

const QString Cli = QStringLiteral(TESSARY_CLI_PATH);
const QString Maker = QStringLiteral(SAMPLE_MAKER_PATH);

// Every game file below folder with a hash of its bytes; Tessary's own lock and kept originals aside.
QMap<QString, QByteArray> hashes(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName() == QLatin1String("tessary.lock") || path.contains(QLatin1String("tessary-originals")))
            continue;
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        files.insert(QDir(folder).relativeFilePath(path), file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : "?");
    }
    return files;
}

// Inverts the colours of PNG files with Pillow, keeping their alpha, as an image editor would.
const char *const Invert = "import sys\n"
                           "from PIL import Image, ImageOps\n"
                           "for path in sys.argv[1:]:\n"
                           "    r, g, b, a = Image.open(path).convert('RGBA').split()\n"
                           "    Image.merge('RGBA', [ImageOps.invert(c) for c in (r, g, b)] + [a]).save(path)\n";

// Exports images of game as .png, edits each with Qt as an image editor would (second: the
// colours swapped rather than inverted), loads them back and packs them as a mod named name.
bool packEdited(const QString &game, const QList<int> &numbers, bool second, const QString &work, const QString &name)
{
    QStringList list;
    for (int n : numbers)
        list << QString::number(n);
    const QString pictures = work + "/" + name;
    if (ToolRuns::run(Cli, {"export", game, pictures, "--format", "png", "--images", list.join(',')}).exitCode != 0)
        return false;
    for (int n : numbers) {
        const QString file = QStringLiteral("%1/%2.png").arg(pictures).arg(n, 3, 10, QLatin1Char('0'));
        QImage picture(file);
        if (second)
            picture = picture.rgbSwapped();
        else
            picture.invertPixels(QImage::InvertRgb);
        if (!picture.save(file))
            return false;
    }
    return ToolRuns::run(Cli, {"import", game, pictures}).exitCode == 0
        && ToolRuns::run(Cli, {"pack", game, work + "/" + name + ".zip", "--name", name}).exitCode == 0
        && ToolRuns::run(Cli, {"restore", game, "--all"}).exitCode == 0;
}

} // namespace

// A whole mod from the command line on the large sample: export to .png, forty files edited
// with Pillow, import, list, and restore --all back to the game as shipped. Then two mods
// packed, stacked, listed and uninstalled.
class CliRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void modRoundTrip()
    {
        QTemporaryDir work;
        const QString game = work.filePath("game"), pictures = work.filePath("pictures");
        const ToolRun made = ToolRuns::run(Maker, {"--large", game});
        QVERIFY2(made.exitCode == 0, made.err.constData());
        const QMap<QString, QByteArray> shipped = hashes(game);

        const ToolRun exported = ToolRuns::run(Cli, {"export", game, pictures, "--format", "png"});
        QVERIFY2(exported.exitCode == 0, exported.err.constData());
        QCOMPARE(QDir(pictures).entryList(QDir::Files).size(), 450);

        QStringList edited = {"-c", Invert};
        QList<int> numbers;
        for (int k = 0; k < 40; ++k) {
            numbers << 3 + 11 * k;
            edited << QStringLiteral("%1/%2.png").arg(pictures).arg(numbers.last(), 3, 10, QLatin1Char('0'));
        }
#ifdef Q_OS_WIN
        // A Windows program under Wine cannot start the host's Python: Qt's writer edits instead.
        for (const QString &file : edited.mid(2)) {
            QImage picture(file);
            picture.invertPixels(QImage::InvertRgb);
            QVERIFY(picture.save(file));
        }
#else
        const ToolRun pillow = ToolRuns::run(QStringLiteral("/usr/bin/python3"), edited);
        QVERIFY2(pillow.exitCode == 0, pillow.err.constData());
#endif

        const ToolRun imported = ToolRuns::run(Cli, {"import", game, pictures});
        QVERIFY2(imported.exitCode == 0, imported.err.constData());
        QVERIFY2(imported.out.startsWith("Imported 40 pictures from "), imported.out.constData());
        QVERIFY(imported.out.contains("410 files were the same as the picture already there"));

        const ToolRun listed = ToolRuns::run(Cli, {"list", game});
        QCOMPARE(listed.exitCode, 0);
        QList<int> changed;
        for (const QByteArray &line : listed.out.split('\n'))
            if (line.endsWith(", changed"))
                changed << (line.startsWith("image ") ? line.mid(6, line.indexOf(':') - 6).toInt() : -1);
        QCOMPARE(changed, numbers);

        const ToolRun restored = ToolRuns::run(Cli, {"restore", game, "--all"});
        QVERIFY2(restored.exitCode == 0, restored.err.constData());
        QVERIFY(hashes(game) == shipped);
        QVERIFY(!ToolRuns::run(Cli, {"list", game}).out.contains("changed"));
    }

    void stackedModsRoundTrip()
    {
        QTemporaryDir work;
        const QString game = work.filePath("game"), fresh = work.filePath("fresh");
        const ToolRun made = ToolRuns::run(Maker, {"--large", game});
        QVERIFY2(made.exitCode == 0, made.err.constData());
        const QMap<QString, QByteArray> shipped = hashes(game);
        QVERIFY(ToolRuns::copyTree(game, fresh));
        // Forty pictures in the first mod; the second changes ten of them and five others.
        QList<int> first, second;
        for (int k = 0; k < 40; ++k)
            first << 5 + 11 * k;
        second = first.mid(10, 10) + QList<int>{1, 2, 3, 4, 6};
        std::sort(second.begin(), second.end());
        QVERIFY(packEdited(game, first, false, work.path(), "first"));
        QVERIFY(packEdited(game, second, true, work.path(), "second"));
        QVERIFY(hashes(game) == shipped);

        for (const char *mod : {"first", "second"}) {
            const ToolRun installed = ToolRuns::run(Cli, {"install", fresh, work.filePath(QString::fromLatin1(mod) + ".zip")});
            QVERIFY2(installed.exitCode == 0, installed.out + installed.err);
        }
        const ToolRun listed = ToolRuns::run(Cli, {"mods", fresh});
        QCOMPARE(listed.exitCode, 0);
        const QList<QByteArray> lines = listed.out.split('\n');
        QVERIFY2(lines.value(0).startsWith("1. \"first\"") && lines.value(0).endsWith(": 40 pictures"), listed.out.constData());
        QVERIFY2(lines.value(1).startsWith("   covered: ") && lines.value(1).count("(by \"second\")") == 10, listed.out.constData());
        QVERIFY2(lines.value(2).startsWith("2. \"second\"") && lines.value(2).endsWith(": 15 pictures"), listed.out.constData());

        const ToolRun firstOut = ToolRuns::run(Cli, {"uninstall", fresh, "first"});
        QVERIFY2(firstOut.exitCode == 0, firstOut.err.constData());
        QVERIFY2(firstOut.out.contains("30 pictures go back") && firstOut.out.contains("10 pictures stay"), firstOut.out.constData());
        QVERIFY(hashes(fresh) != shipped);
        QCOMPARE(ToolRuns::run(Cli, {"uninstall", fresh, "second"}).exitCode, 0);
        QVERIFY(hashes(fresh) == shipped);
        QVERIFY(!QDir(fresh + "/MenuData/PC/GP2001/tessary-mods").exists());
    }
};

QTEST_GUILESS_MAIN(CliRoundTripTest)
#include "test_cli_round_trip.moc"
