#include <QtTest>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "archive_reader.h"
#include "catalogue.h"
#include "game_folder_builder.h"
#include "mod_record.h"
#include "picture_files.h"
#include "tool_runs.h"

namespace {

const QString Cli = QStringLiteral(TESSARY_CLI_PATH);
const QString Maker = QStringLiteral(SAMPLE_MAKER_PATH);
const QString Archives = QStringLiteral(MOD_ARCHIVES);

// The game files of a snapshot: the record of installed mods left out.
QMap<QString, QByteArray> gameFiles(QMap<QString, QByteArray> files)
{
    for (auto it = files.begin(); it != files.end();)
        it = it.key().contains(QLatin1String("tessary-mods")) ? files.erase(it) : std::next(it);
    return files;
}

} // namespace

// pack, install, mods and uninstall of tessary-cli: a package installed on a fresh sample gives
// its pictures byte for byte, mods shared as archives install, hostile archives change nothing.
class CliModsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_sample;
    int m_case = 0;

    QString copyOf(const QString &folder)
    {
        const QString copy = m_work.filePath(QStringLiteral("game%1").arg(++m_case));
        return ToolRuns::copyTree(folder, copy) ? copy : QString();
    }
    // A game folder of tests/support, which the archives of make_mod_archives.py fit.
    QString builtGame()
    {
        const QString folder = m_work.filePath(QStringLiteral("built%1").arg(++m_case));
        GameFolderBuilder::make(QDir::toNativeSeparators(folder).toStdString(), 12);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        QVERIFY2(QFile::exists(Archives + "/layout.zip"), "the archives are made by the test mod_archives_made_with_python");
        m_sample = m_work.filePath("sample");
        const ToolRun made = ToolRuns::run(Maker, {"--small", m_sample});
        QVERIFY2(made.exitCode == 0, made.err.constData());
    }

    void packThenInstallOnAFreshSample()
    {
        // A modder's folder: three images and a font sheet changed, one image to another size.
        const QString modder = copyOf(m_sample);
        Catalogue c = loadGameFolder(QDir::toNativeSeparators(modder).toStdString());
        const QString pictures = m_work.filePath("edited");
        QDir().mkpath(pictures);
        for (int n : {2, 9, 17}) {
            for (std::uint32_t &pixel : c.ImagePixels[std::size_t(n)])
                pixel ^= 0x00FFFFFFu;
            PictureFiles::saveImage(c, n, QDir(pictures).filePath(QStringLiteral("%1.png").arg(n)).toStdString(), PictureFiles::Format::Png);
        }
        c.ImageDetails[9].Width = c.ImageDetails[9].Height = 4;
        c.ImageSizes[9] = 64;
        PictureFiles::saveImage(c, 9, QDir(pictures).filePath("9.png").toStdString(), PictureFiles::Format::Png);
        for (std::uint8_t &level : c.FontBitmaps[3])
            level = std::uint8_t(255 - level);
        PictureFiles::saveFont(c, 3, QDir(pictures).filePath("style_font_large1250.png").toStdString(), PictureFiles::Format::Png);
        QCOMPARE(ToolRuns::run(Cli, {"import", modder, pictures}).exitCode, 0);

        const QString package = m_work.filePath("night.zip");
        const ToolRun packed = ToolRuns::run(Cli, {"pack", modder, package, "--name", "Night", "--author", "Quenby", "--description", "Dark menus"});
        QVERIFY2(packed.exitCode == 0, packed.err.constData());
        QVERIFY2(packed.out.startsWith("Packed 4 pictures into "), packed.out.constData());
        // The same changes give the same files, byte for byte apart from the creation time.
        const QString again = m_work.filePath("again.zip");
        QCOMPARE(ToolRuns::run(Cli, {"pack", modder, again, "--name", "Night", "--author", "Quenby", "--description", "Dark menus"}).exitCode, 0);
        auto withoutTime = [](const QString &file) {
            QStringList files;
            for (const ArchiveEntry &entry : ArchiveReader::readFile(QDir::toNativeSeparators(file).toStdString())) {
                QByteArray bytes(reinterpret_cast<const char *>(entry.bytes.data()), qsizetype(entry.bytes.size()));
                const qsizetype at = bytes.indexOf("\"created\": \"");
                files << QString::fromStdString(entry.name) + ":" + QString::number(qHash(at < 0 ? bytes : bytes.remove(at, 34)));
            }
            return files;
        };
        QCOMPARE(withoutTime(again), withoutTime(package));
        QCOMPARE(QFileInfo(again).size(), QFileInfo(package).size());

        const QString fresh = copyOf(m_sample);
        const ToolRun installed = ToolRuns::run(Cli, {"install", fresh, package});
        QVERIFY2(installed.exitCode == 0, installed.err.constData());
        QVERIFY2(installed.out.startsWith("Mod \"Night\" by Quenby, a Tessary mod package: 4 pictures\n"), installed.out.constData());
        QVERIFY(gameFiles(ToolRuns::snapshot(fresh)) == ToolRuns::snapshot(modder));

        const ToolRun listed = ToolRuns::run(Cli, {"mods", fresh, "--json"});
        QCOMPARE(listed.exitCode, 0);
        const QJsonArray mods = QJsonDocument::fromJson(listed.out).object()["mods"].toArray();
        QCOMPARE(mods.size(), 1);
        QCOMPARE(mods[0].toObject()["description"].toString(), QStringLiteral("Dark menus"));
        QCOMPARE(mods[0].toObject()["pictures"].toArray().size(), 4);
        QCOMPARE(mods[0].toObject()["covered"].toArray().size(), 0);

        const ToolRun removed = ToolRuns::run(Cli, {"uninstall", fresh, "Night"});
        QVERIFY2(removed.exitCode == 0, removed.err.constData());
        QVERIFY(ToolRuns::snapshot(fresh) == ToolRuns::snapshot(m_sample));
    }

    void archivesInstall_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("zip") << "layout.zip" << QStringList{"MenuData/PC/GP2001/images/3.gpi"};
        QTest::newRow("7z") << "layout.7z" << QStringList{"MenuData/PC/GP2001/fonts/New_Font1000.gpf", "MenuData/PC/GP2001/images/4.gpi"};
        QTest::newRow("tar.xz") << "layout.tar.xz" << QStringList{"MenuData/PC/GP2001/Gp2001.gph", "MenuData/PC/GP2001/images/2.gpi"};
    }

    void archivesInstall()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, changed);
        if (archive.endsWith(".7z") && !QFile::exists(Archives + "/have-7z.txt"))
            QSKIP("7zz (Debian's 7zip) is not installed, so there is no .7z archive");
        const QString game = builtGame();
        const QMap<QString, QByteArray> shipped = ToolRuns::snapshot(game);
        const ToolRun dry = ToolRuns::run(Cli, {"install", game, Archives + "/" + archive, "--dry-run"});
        QVERIFY2(dry.exitCode == 0 && dry.out.endsWith("Dry run: nothing was changed.\n"), dry.out + dry.err);
        QVERIFY(ToolRuns::snapshot(game) == shipped);

        const ToolRun run = ToolRuns::run(Cli, {"install", game, Archives + "/" + archive});
        QVERIFY2(run.exitCode == 0, run.out + run.err);
        const QMap<QString, QByteArray> now = gameFiles(ToolRuns::snapshot(game));
        QStringList differing;
        for (auto it = now.begin(); it != now.end(); ++it)
            if (shipped.value(it.key()) != it.value())
                differing << it.key();
        QCOMPARE(differing, changed);
        const QString name = archive.left(archive.indexOf('.'));
        QVERIFY(ToolRuns::run(Cli, {"mods", game}).out.startsWith("1. \"" + name.toUtf8() + "\""));
        QCOMPARE(ToolRuns::run(Cli, {"uninstall", game, name}).exitCode, 0);
        QVERIFY(ToolRuns::snapshot(game) == shipped);
    }

    void restoreAllIsByteExact_data()
    {
        QTest::addColumn<QStringList>("archives");
        QTest::newRow("a mod with an index") << QStringList{"layout.tar.xz"};
        QTest::newRow("an index with blocks and trailer") << QStringList{"index-a.zip"};
        QTest::newRow("two mods with indexes") << QStringList{"index-a.zip", "index-b.zip"};
        QTest::newRow("pictures over an index mod") << QStringList{"layout.tar.xz", "pictures.zip"};
    }

    // Restoring the game's originals puts back their whole index entries, not only their sizes.
    void restoreAllIsByteExact()
    {
        QFETCH(QStringList, archives);
        const QString game = builtGame();
        const QMap<QString, QByteArray> shipped = ToolRuns::snapshot(game);
        for (const QString &archive : archives) {
            const ToolRun run = ToolRuns::run(Cli, {"install", game, Archives + "/" + archive});
            QVERIFY2(run.exitCode == 0, run.out + run.err);
        }
        const ToolRun restored = ToolRuns::run(Cli, {"restore", game, "--all"});
        QVERIFY2(restored.exitCode == 0, restored.out + restored.err);
        const QMap<QString, QByteArray> now = gameFiles(ToolRuns::snapshot(game));
        const QString index = "MenuData/PC/GP2001/Gp2001.gph";
        QVERIFY(now.value(index) == shipped.value(index));
        QVERIFY(now == gameFiles(shipped));
    }

    void uninstallNamesWhatCovers_data()
    {
        QTest::addColumn<QStringList>("archives");
        QTest::addColumn<QString>("uninstall");
        QTest::addColumn<QString>("stays"); // what uninstall says of the pictures it leaves alone
        QTest::newRow("covered by the last") << QStringList{"layout.tar.xz", "pictures.zip", "index-a.zip"} << "layout"
                                             << "1 picture stays as it is, covered since: 2.gpi (by \"pictures\")\n";
        QTest::newRow("covered by the middle") << QStringList{"index-a.zip", "layout.tar.xz", "pictures.zip"} << "layout"
                                               << "1 picture stays as it is, covered since: 2.gpi (by \"pictures\")\n";
    }

    // uninstall names the mods that cover its pictures as "mods" does, not by their places after it.
    void uninstallNamesWhatCovers()
    {
        QFETCH(QStringList, archives);
        QFETCH(QString, uninstall);
        QFETCH(QString, stays);
        const QString game = builtGame();
        for (const QString &archive : archives)
            QCOMPARE(ToolRuns::run(Cli, {"install", game, Archives + "/" + archive}).exitCode, 0);
        const ToolRun listed = ToolRuns::run(Cli, {"mods", game});
        QVERIFY2(listed.out.contains("covered: 2.gpi (by \"pictures\")"), listed.out.constData());
        const ToolRun run = ToolRuns::run(Cli, {"uninstall", game, uninstall});
        QVERIFY2(run.exitCode == 0 && run.out.contains(stays.toUtf8()), run.out + run.err);
    }

    void restoreAllRemovesAnEmptyRecord_data()
    {
        QTest::addColumn<QStringList>("left"); // what a write-back cut off after the last uninstall leaves in tessary-mods
        QTest::newRow("an empty list") << QStringList{"installed.json"};
        QTest::newRow("an empty list and a mod's file") << QStringList{"installed.json", "0002.zip"};
    }

    // After the last uninstall was cut off before it tidied, "restore --all" leaves the folder as shipped.
    void restoreAllRemovesAnEmptyRecord()
    {
        QFETCH(QStringList, left);
        const QString game = builtGame();
        const QMap<QString, QByteArray> shipped = ToolRuns::snapshot(game);
        const QString records = game + "/MenuData/PC/GP2001/tessary-mods";
        QVERIFY(QDir().mkpath(records));
        for (const QString &name : left) {
            QFile file(records + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const std::string list = ModRecord::encodeList({});
            file.write(name.endsWith(".json") ? QByteArray::fromStdString(list) : QByteArray("PK\5\6", 4));
        }
        QVERIFY(ToolRuns::snapshot(game) != shipped);
        const ToolRun run = ToolRuns::run(Cli, {"restore", game, "--all"});
        QVERIFY2(run.exitCode == 0, run.out + run.err);
        QVERIFY(ToolRuns::snapshot(game) == shipped);
        QVERIFY(!QFile::exists(records));
    }

    void modsOnALargeRecord_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("as text") << QStringList{};
        QTest::newRow("as JSON") << QStringList{"--json"};
    }

    // "mods" reads a 12 MB record (3200 mods over the same 40 pictures) in one pass, not once per
    // mod: four times the mods take about four times as long, never sixteen. Compared within the
    // run, so that a slow or instrumented build is no reason to fail.
    void modsOnALargeRecord()
    {
        QFETCH(QStringList, options);
        const auto listingTime = [&](int count) -> qint64 {
            const QString game = copyOf(m_sample);
            std::vector<InstalledMod> mods;
            for (int k = 1; k <= count; ++k) {
                InstalledMod mod;
                mod.id = k;
                mod.name = "mod " + std::to_string(k);
                mod.installed = "2026-01-01T00:00:00Z";
                mod.source = "mod.zip";
                // Listing names what shows from the digests alone: the mods' files are not read.
                mod.fileSha256 = QCryptographicHash::hash(QByteArray::number(k), QCryptographicHash::Sha256).toHex().toStdString();
                for (int n = 1; n <= 40; ++n) {
                    RecordedPicture picture;
                    picture.key = {false, n};
                    picture.digest = QCryptographicHash::hash(QByteArray::number(k * 100 + n), QCryptographicHash::Sha256).toHex().toStdString();
                    mod.pictures.push_back(std::move(picture));
                }
                mods.push_back(std::move(mod));
            }
            const QString records = game + "/MenuData/PC/GP2001/tessary-mods";
            if (!QDir().mkpath(records))
                return -1;
            QFile list(records + "/installed.json");
            if (!list.open(QIODevice::WriteOnly) || list.write(QByteArray::fromStdString(ModRecord::encodeList(mods))) < count * 3750)
                return -1;
            list.close();
            QElapsedTimer timer;
            timer.start();
            const ToolRun run = ToolRuns::run(Cli, QStringList{"mods", game} + options);
            const qint64 took = timer.elapsed();
            if (run.exitCode != 0 || !run.out.contains(QByteArray("mod ") + QByteArray::number(count)))
                return -1;
            return std::max<qint64>(took, 1);
        };
        const qint64 quarter = listingTime(800), whole = listingTime(3200);
        QVERIFY(quarter > 0 && whole > 0);
        // Once per mod, every picture shown was hashed again for each mod: sixteen times as long.
        QVERIFY2(whole < 8 * quarter, qPrintable(QStringLiteral("800 mods took %1 ms, 3200 took %2 ms").arg(quarter).arg(whole)));
    }

    void packLeavesModsOut_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("by default") << QStringList{} << 1 << "every picture that differs from the game's original is one an installed mod set (2)";
        QTest::newRow("with --include-mods") << QStringList{"--include-mods"} << 0
                                             << "2 pictures are an installed mod's, named so in the package: 2.gpi (\"pictures\"), 9.gpi (\"pictures\")";
    }

    // pack takes the user's own changes only, unless the installed mods' pictures are asked for.
    void packLeavesModsOut()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString game = builtGame();
        QCOMPARE(ToolRuns::run(Cli, {"install", game, Archives + "/pictures.zip"}).exitCode, 0);
        const QString out = m_work.filePath(QStringLiteral("pack%1.zip").arg(++m_case));
        const ToolRun run = ToolRuns::run(Cli, QStringList{"pack", game, out} + options);
        QVERIFY2(run.exitCode == exitCode && (run.out + run.err).contains(said.toUtf8()), run.out + run.err);
        QCOMPARE(QFile::exists(out), exitCode == 0);
        if (exitCode == 0) {
            const std::vector<ArchiveEntry> files = ArchiveReader::readFile(QDir::toNativeSeparators(out).toStdString());
            const QString manifest = QString::fromUtf8(reinterpret_cast<const char *>(files.front().bytes.data()), qsizetype(files.front().bytes.size()));
            QVERIFY2(manifest.count(QStringLiteral("\"mod\": \"pictures\", \"mod_author\": \"\"")) == 2, qPrintable(manifest));
        }
    }

    // A folder of tests/support with three mods: an index mod, and over it the same pictures twice.
    QString gameWithThreeMods()
    {
        const QString game = builtGame();
        for (const QStringList &install : {QStringList{Archives + "/layout.tar.xz"}, QStringList{Archives + "/pictures.zip"},
                                           QStringList{Archives + "/pictures.zip", "--name", "Again"}}) {
            const ToolRun run = ToolRuns::run(Cli, QStringList{"install", game} + install);
            if (run.exitCode != 0)
                qWarning("%s", run.err.constData());
        }
        return game;
    }

    void switchAndMoveFromTheCommandLine_data()
    {
        QTest::addColumn<QList<QStringList>>("there");
        QTest::addColumn<QList<QStringList>>("back");
        QTest::addColumn<QStringList>("listed"); // mods --json afterwards: name and whether it is on, from the bottom up
        QTest::newRow("two off and on") << QList<QStringList>{{"disable", "Again"}, {"disable", "pictures"}}
                                        << QList<QStringList>{{"enable", "pictures"}, {"enable", "Again"}}
                                        << QStringList{"layout on", "pictures off", "Again off"};
        QTest::newRow("to the top and back") << QList<QStringList>{{"move", "layout", "--to", "3"}} << QList<QStringList>{{"move", "layout", "--to=1"}}
                                             << QStringList{"pictures on", "Again on", "layout on"};
        QTest::newRow("above and below") << QList<QStringList>{{"move", "layout", "--above", "Again"}}
                                         << QList<QStringList>{{"move", "layout", "--below", "pictures"}}
                                         << QStringList{"pictures on", "Again on", "layout on"};
        QTest::newRow("moved while off") << QList<QStringList>{{"disable", "Again"}, {"disable", "pictures"}, {"move", "layout", "--above", "pictures"}}
                                         << QList<QStringList>{{"move", "layout", "--to", "1"}, {"enable", "pictures"}, {"enable", "Again"}}
                                         << QStringList{"pictures off", "layout on", "Again off"};
    }

    // enable, disable and move change the game folder, and back again leave every file as it was.
    void switchAndMoveFromTheCommandLine()
    {
        QFETCH(QList<QStringList>, there);
        QFETCH(QList<QStringList>, back);
        QFETCH(QStringList, listed);
        const QString game = gameWithThreeMods();
        const QMap<QString, QByteArray> before = ToolRuns::snapshot(game);
        for (const QStringList &command : there) {
            const ToolRun run = ToolRuns::run(Cli, QStringList{command[0], game} + command.mid(1));
            QVERIFY2(run.exitCode == 0 && run.out.contains("Applied: wrote"), run.out + run.err);
        }
        QVERIFY(gameFiles(ToolRuns::snapshot(game)) != gameFiles(before));
        const ToolRun list = ToolRuns::run(Cli, {"mods", game, "--json"});
        QStringList states;
        for (const QJsonValue &mod : QJsonDocument::fromJson(list.out).object()["mods"].toArray())
            states << mod.toObject()["name"].toString() + (mod.toObject()["enabled"].toBool() ? " on" : " off");
        QCOMPARE(states, listed);
        for (const QStringList &command : back) {
            const ToolRun run = ToolRuns::run(Cli, QStringList{command[0], game} + command.mid(1));
            QVERIFY2(run.exitCode == 0, run.out + run.err);
        }
        QVERIFY(ToolRuns::snapshot(game) == before);
    }

    // install --update puts a newer version of a mod in its place, the others above it still.
    void installUpdateInPlace()
    {
        const QString game = gameWithThreeMods();
        const ToolRun run = ToolRuns::run(Cli, {"install", game, Archives + "/layout.zip", "--update"});
        QVERIFY2(run.exitCode == 0 && run.out.contains("Updated \"layout\" in its place (1 of 3).\n"), run.out + run.err);
        const ToolRun list = ToolRuns::run(Cli, {"mods", game, "--json"});
        QStringList names, sources;
        for (const QJsonValue &mod : QJsonDocument::fromJson(list.out).object()["mods"].toArray()) {
            names << mod.toObject()["name"].toString();
            sources << mod.toObject()["source"].toString();
        }
        QCOMPARE(names, (QStringList{"layout", "pictures", "Again"}));
        QCOMPARE(sources, (QStringList{"layout.zip", "pictures.zip", "pictures.zip"}));
        // The older version's index entry went with it: image 2 has the game's own entry again under the pictures.
        Catalogue c = loadGameFolder(QDir::toNativeSeparators(game).toStdString());
        const Catalogue shipped = GameFolderBuilder::makeCatalogue(12);
        QCOMPARE(c.ImageDetails[2].Lead, shipped.ImageDetails[2].Lead);
    }

    // profile save keeps the mods on; profile use switches to them, and back again is exact.
    void profilesFromTheCommandLine()
    {
        const QString game = gameWithThreeMods();
        for (const QStringList &command : {QStringList{"profile", game, "save", "all"}, QStringList{"disable", game, "Again"},
                                           QStringList{"disable", game, "pictures"}, QStringList{"profile", game, "save", "bare"},
                                           QStringList{"profile", game, "use", "all"}}) {
            const ToolRun run = ToolRuns::run(Cli, command);
            QVERIFY2(run.exitCode == 0, run.out + run.err);
        }
        const QMap<QString, QByteArray> all = ToolRuns::snapshot(game);
        const ToolRun bare = ToolRuns::run(Cli, {"profile", game, "use", "bare"});
        QVERIFY2(bare.exitCode == 0 && bare.out.contains("Using the profile \"bare\": 2 pictures change: 2.gpi, 9.gpi"), bare.out + bare.err);
        QVERIFY(gameFiles(ToolRuns::snapshot(game)) != gameFiles(all));
        const ToolRun listed = ToolRuns::run(Cli, {"profiles", game});
        QCOMPARE(listed.out, QByteArray("1. \"all\": \"layout\", \"pictures\", \"Again\"\n2. \"bare\" (in use): \"layout\"\n"));
        QCOMPARE(ToolRuns::run(Cli, {"profile", game, "use", "all"}).exitCode, 0);
        QVERIFY(ToolRuns::snapshot(game) == all);
    }

    void libraryCommandsRefuse_data()
    {
        QTest::addColumn<QStringList>("command"); // after the game folder; ARCHIVES/ names a test archive
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such mod") << QStringList{"enable", "Nothing"} << 1
                                     << "no mod named \"Nothing\" is installed; installed: \"layout\", \"pictures\", \"Again\"";
        QTest::newRow("no such place") << QStringList{"move", "pictures", "--to", "9"} << 1 << "there is no place 9 (3 mods are installed)";
        QTest::newRow("no place given") << QStringList{"move", "pictures"} << 2 << "move needs one of --to N, --above OTHER and --below OTHER";
        QTest::newRow("two places given") << QStringList{"move", "pictures", "--to", "1", "--below", "Again"} << 2 << "move needs one of";
        QTest::newRow("place zero") << QStringList{"move", "pictures", "--to", "0"} << 2 << "--to takes a place counted from 1";
        QTest::newRow("above itself") << QStringList{"move", "pictures", "--above", "pictures"} << 2 << "can't be moved above itself";
        QTest::newRow("above no such mod") << QStringList{"move", "pictures", "--above", "Nothing"} << 1 << "no mod named \"Nothing\"";
        QTest::newRow("on already") << QStringList{"enable", "pictures"} << 0 << "\"pictures\" is on already; nothing was changed.";
        QTest::newRow("at its place already") << QStringList{"move", "Again", "--above", "pictures"} << 0 << "\"Again\" is at place 3 already";
        QTest::newRow("the same name again") << QStringList{"install", "ARCHIVES/pictures.zip"} << 1 << "a mod named \"pictures\" is installed already";
        QTest::newRow("a name given twice") << QStringList{"install", "ARCHIVES/layout.zip", "--name", "Again"} << 1
                                            << "a mod named \"Again\" is installed already";
        QTest::newRow("no such profile") << QStringList{"profile", "use", "none"} << 1 << "there is no profile named \"none\" (none is kept)";
        QTest::newRow("no such action") << QStringList{"profile", "keep", "none"} << 2 << "profile takes save NAME or use NAME, not \"keep\"";
        QTest::newRow("an empty name") << QStringList{"install", "ARCHIVES/layout.zip", "--name="} << 2 << "--name needs a name that is not empty";
    }

    // Commands of the library that can't be run say why and change nothing.
    void libraryCommandsRefuse()
    {
        QFETCH(QStringList, command);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString game = gameWithThreeMods();
        const QMap<QString, QByteArray> before = ToolRuns::snapshot(game);
        command.replaceInStrings(QStringLiteral("ARCHIVES/"), Archives + "/");
        const ToolRun run = ToolRuns::run(Cli, QStringList{command[0], game} + command.mid(1));
        QVERIFY2(run.exitCode == exitCode && (run.out + run.err).contains(said.toUtf8()), run.out + run.err);
        QVERIFY(ToolRuns::snapshot(game) == before);
    }

    void hostileArchivesChangeNothing_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("reason"); // the entry and what is wrong with it
        QTest::newRow("climbs out") << "climbs-out.zip" << "\"../../evil.gpi\" climbs out of the archive's folder";
        QTest::newRow("absolute path") << "absolute.tar" << "\"/tmp/evil.gpi\" is named by an absolute path";
        QTest::newRow("drive letter") << "drive-letter.zip" << "\"C:/evil.gpi\" is named with a drive letter";
        QTest::newRow("symbolic link") << "symlink.tar" << "\"images/3.gpi\" is a link";
        QTest::newRow("hard link") << "hardlink.tar" << "\"images/3.gpi\" is a link";
        QTest::newRow("device") << "device.tar" << "\"images/3.gpi\" is a device";
        QTest::newRow("duplicate name") << "duplicate.zip" << "\"IMAGES/3.GPI\" appears twice (letter case aside)";
#ifdef Q_OS_WIN
        // Windows reads a name that is not UTF-8 in its own code page, as its archivers write them.
        QTest::newRow("name not UTF-8") << "not-text.tar" << "were left out: images/caf\u00e9.gpi";
#else
        QTest::newRow("name not text") << "not-text.tar" << "\"images/caf\\xe9.gpi\" has a name that is not valid text";
#endif
        QTest::newRow("zip bomb") << "zip-bomb.zip" << "\"images/3.gpi\" expands more than 100 times";
        QTest::newRow("expands too far") << "expands-too-far.tar" << "\"images/3.gpi\" would make the archive expand past 1024 MB";
        QTest::newRow("damaged archive") << "damaged.zip" << "\"images/3.gpi\" fails its CRC check, so the archive is damaged (ZIP bad CRC";
        QTest::newRow("damaged manifest") << "damaged-manifest.zip" << "tessary-mod.json is damaged: at byte";
        QTest::newRow("encrypted") << "encrypted.7z" << "\"images/3.gpi\" is encrypted";
        QTest::newRow("tar cut after an entry") << "cut-between.tar" << "the archive is cut off: it ends without the end a tar archive has";
        QTest::newRow("tar cut inside an entry") << "cut-inside.tar" << "the archive is cut off at \"images/5.gpi\", as a download not finished is (Truncated tar archive)";
        QTest::newRow("zip without its directory") << "cut-directory.zip" << "the archive is cut off or damaged: it lacks the central directory";
        QTest::newRow("tar.gz cut off") << "cut-end.tar.gz" << "the archive's compressed data is cut off or damaged";
        QTest::newRow("JPEG under a .png name") << "jpeg-named-png.zip" << "3.png: is a JPEG picture, not a PNG or TGA file";
        QTest::newRow("NUL in a name") << "nul-name.zip" << "\"images/7.gpi\\x00.txt\" has a name that holds a NUL character";
        QTest::newRow("picture too large") << "huge-picture.zip" << "2.png is 16384 x 16384 pixels";
        QTest::newRow("pictures too large together") << "many-large-pictures.zip" << "6.png would bring the mod's decoded pictures past 1024 MB";
    }

    void hostileArchivesChangeNothing()
    {
        QFETCH(QString, archive);
        QFETCH(QString, reason);
        if (!QFile::exists(Archives + "/" + archive))
            QSKIP("7zz (Debian's 7zip) is not installed, so there is no .7z archive");
        const QString game = builtGame();
        const QMap<QString, QByteArray> before = ToolRuns::snapshot(game);
        const ToolRun run = ToolRuns::run(Cli, {"install", game, Archives + "/" + archive});
        QCOMPARE(run.exitCode, 1);
        const QString message = QString::fromUtf8(run.err);
        QVERIFY2(message.startsWith(QDir::toNativeSeparators(Archives + "/" + archive) + ": "), run.err.constData());
        QVERIFY2(message.contains(reason) && message.endsWith("; nothing was changed\n"), run.err.constData());
        // Said once, not "the archive is damaged (the archive is damaged)".
        QVERIFY2(message.mid(message.indexOf(QStringLiteral(": "))).count(QStringLiteral("damaged")) <= 1, run.err.constData());
        QVERIFY(ToolRuns::snapshot(game) == before);
    }
};

QTEST_GUILESS_MAIN(CliModsTest)
#include "test_cli_mods.moc"
