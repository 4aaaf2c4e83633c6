#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>

#include "file_ops.h"
#include "folder_recovery.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_originals.h"
#include "game_paths.h"
#include "installed_mods.h"
#include "mod_record.h"
#include "sha256.h"
#include "write_back.h"
#include "write_journal.h"

namespace {

constexpr int Slots = 8;

ModContents twoPictures(const std::string &name, std::uint8_t shade)
{
    const Catalogue model = GameFolderBuilder::makeCatalogue(Slots);
    ModContents contents;
    contents.source = name + ".zip";
    contents.name = name;
    for (const PictureKey key : {PictureKey{false, 3}, PictureKey{true, 2}}) {
        PictureValue value = PictureValues::current(model, key);
        for (std::uint32_t &pixel : value.pixels)
            pixel ^= shade;
        for (std::uint8_t &level : value.sheet)
            level ^= shade;
        value.entry.Lead ^= shade;
        contents.pictures.push_back(std::move(value));
    }
    return contents;
}

void installAndApply(const std::string &root, const ModContents &contents)
{
    Catalogue c = loadGameFolder(root);
    InstalledMods record = InstalledMods::load(root);
    record.install(c, contents, 0);
    WriteBackOptions options;
    options.records = record.pendingFiles();
    applyAllChanges(c, options);
    record.committed();
}

} // namespace

// The record of installed mods: written in the same commit as the game files, so that a crash
// leaves both before or both after; read as untrusted input.
class TestModRecord : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->path().toStdString() + "/game";
        GameFolderBuilder::make(m_root, Slots);
    }

    void recordNames_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("record");
        QTest::newRow("the list") << "tessary-mods/installed.json" << true;
        QTest::newRow("a mod's pictures") << "tessary-mods/0012.zip" << true;
        QTest::newRow("climbing out") << "tessary-mods/../Gp2001.json" << false;
        QTest::newRow("a folder deeper") << "tessary-mods/a/b.zip" << false;
        QTest::newRow("no name") << "tessary-mods/.json" << false;
        QTest::newRow("a game file's kind") << "tessary-mods/12.gpi" << false;
        QTest::newRow("capitals") << "tessary-mods/Installed.json" << false;
        QTest::newRow("another folder") << "tessary-originals/installed.json" << false;
    }

    void recordNames()
    {
        QFETCH(QString, relative);
        QFETCH(bool, record);
        QCOMPARE(GamePaths::isModRecord(relative.toStdString()), record);
        // The journal of a write-back names exactly these besides the game files.
        const std::string target = relative.toStdString();
        const std::string journal = "Tessary write-back journal 1\n" + target + "\t" + target + ".tessary-12-0123456789abcdef.new\t-\t5\nend\t1\n";
        bool taken = true;
        try {
            WriteJournal::parse("journal", journal);
        } catch (const GameFileError &) {
            taken = false;
        }
        QCOMPARE(taken, record);
    }

    void crashWhileChanging_data()
    {
        QTest::addColumn<QString>("change"); // crashed while applying it, at every step in turn
        QTest::newRow("installing a mod") << "install";
        QTest::newRow("switching a mod off") << "disable";
        QTest::newRow("moving a mod") << "move";
        QTest::newRow("using a profile") << "profile";
    }

    // A crash while installing, switching, moving or using a profile leaves the library and the
    // pictures both before or both after: what the folder shows is what its library composes.
    void crashWhileChanging()
    {
        QFETCH(QString, change);
        const ModContents below = twoPictures("below", 0x11), above = twoPictures("above", 0x22);
        int before = 0, after = 0;
        for (long crashAt = 1;; ++crashAt) {
            init();
            if (change != "install") {
                installAndApply(m_root, below);
                installAndApply(m_root, above);
            }
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            if (change == "install") {
                record.install(c, below, 0);
            } else if (change == "disable") {
                record.setEnabled(c, 1, false);
            } else if (change == "move") {
                record.move(c, 1, 0);
            } else {
                record.setEnabled(c, 1, false);
                record.saveProfile("low");
                record.setEnabled(c, 1, true);
                record.saveProfile("both");
                WriteBackOptions saved;
                saved.records = record.pendingFiles();
                applyAllChanges(c, saved);
                record.committed();
                record.useProfile(c, "low");
            }
            WriteBackOptions options;
            options.records = record.pendingFiles();
            bool crashed = false;
            FileOps::injectFault(crashAt, FileOps::FaultKind::Crash);
            try {
                applyAllChanges(c, options);
            } catch (const FileOps::SimulatedCrash &) {
                crashed = true;
            }
            FileOps::injectFault(0, FileOps::FaultKind::NotFound);
            // Opening the folder settles what the crash left; record and pictures must agree.
            const Catalogue now = loadGameFolder(m_root);
            const InstalledMods settled = InstalledMods::load(m_root);
            for (const PictureValue &value : below.pictures)
                QVERIFY2(PictureValues::currentDigest(now, value.key) == settled.composed(now, value.key).digest(),
                         qPrintable(QStringLiteral("crash at %1: %2").arg(crashAt).arg(QString::fromStdString(value.key.caption()))));
            // Each change ends with the lower mod's pictures showing.
            ++(PictureValues::currentDigest(now, below.pictures[0].key) == below.pictures[0].digest() ? after : before);
            if (!crashed)
                break;
        }
        QVERIFY(before > 0 && after > 1);
    }

    void installBetweenWriteAndCommit_data()
    {
        QTest::addColumn<QStringList>("between"); // what another program installs after this one's write-back, before its committed()
        QTest::newRow("one mod") << QStringList{"third"};
        QTest::newRow("two mods") << QStringList{"third", "fourth"};
    }

    // A record written by another program after this one's write-back keeps every file it names.
    void installBetweenWriteAndCommit()
    {
        QFETCH(QStringList, between);
        installAndApply(m_root, twoPictures("below", 0x11));
        const auto shipped = GameFolderBuilder::snapshot(m_root);
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        record.install(c, twoPictures("above", 0x22), 0);
        WriteBackOptions options;
        options.records = record.pendingFiles();
        applyAllChanges(c, options);
        std::uint8_t shade = 0x33;
        for (const QString &name : between)
            installAndApply(m_root, twoPictures(name.toStdString(), shade++));
        record.committed();
        const InstalledMods now = InstalledMods::load(m_root);
        QCOMPARE(now.mods().size(), std::size_t(2 + between.size()));
        for (const InstalledMod &mod : now.mods())
            QVERIFY2(QFile::exists(QString::fromStdString(GamePaths::underData(m_root, "tessary-mods/" + mod.file()))), mod.file().c_str());
        // Every mod comes off again, the last one first, down to the folder with "below" alone.
        for (std::size_t k = now.mods().size(); k-- > 1;) {
            Catalogue later = loadGameFolder(m_root);
            InstalledMods loaded = InstalledMods::load(m_root);
            loaded.uninstall(later, k);
            WriteBackOptions again;
            again.records = loaded.pendingFiles();
            applyAllChanges(later, again);
            loaded.committed();
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == shipped);
    }

    void numbersAtTheLimit_data()
    {
        QTest::addColumn<int>("id"); // the number the first mod is given
        QTest::newRow("one below the highest") << ModRecord::MaxId - 1;
        QTest::newRow("the highest") << ModRecord::MaxId;
    }

    // A mod installed after one with the highest number gets a number the record can be read back with.
    void numbersAtTheLimit()
    {
        QFETCH(int, id);
        namespace fs = std::filesystem;
        const fs::path list = fs::path(GamePaths::underData(m_root, "tessary-mods")) / "installed.json";
        const auto shipped = GameFolderBuilder::snapshot(m_root);
        installAndApply(m_root, twoPictures("below", 0x11));
        const std::vector<std::uint8_t> text = GameFolderBuilder::readFile(list.string());
        std::vector<InstalledMod> mods = ModRecord::parseList("list", std::string(text.begin(), text.end()));
        fs::rename(list.parent_path() / mods[0].file(), list.parent_path() / InstalledMod::fileOf(id));
        mods[0].id = id;
        const std::string renumbered = ModRecord::encodeList(mods);
        GameFolderBuilder::writeFile(list.string(), std::vector<std::uint8_t>(renumbered.begin(), renumbered.end()));
        installAndApply(m_root, twoPictures("above", 0x22));
        installAndApply(m_root, twoPictures("top", 0x33));
        InstalledMods record = InstalledMods::load(m_root);
        QCOMPARE(record.mods().size(), std::size_t(3));
        for (const InstalledMod &mod : record.mods())
            QVERIFY(mod.id >= 1 && mod.id <= ModRecord::MaxId);
        for (std::size_t k = 3; k-- > 0;) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods loaded = InstalledMods::load(m_root);
            loaded.uninstall(c, k);
            WriteBackOptions options;
            options.records = loaded.pendingFiles();
            applyAllChanges(c, options);
            loaded.committed();
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == shipped);
    }

    void picturesReadInOnePass_data()
    {
        // The file keeps 3.gpi, 5.gpi and font 2 of its own, then 3.gpi of the user's below.
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("handed");
        QTest::addColumn<QString>("failure");
        QTest::newRow("all, handed in the file's order") << QStringList{"own 3", "font 2", "5", "3"}
                                                         << QStringList{"3", "5", "font 2", "own 3"} << QString();
        QTest::newRow("one, the others passed over") << QStringList{"own 3"} << QStringList{"own 3"} << QString();
        QTest::newRow("one the file lacks") << QStringList{"7", "5"} << QStringList{"5"} << "it lacks images/7.gpi";
        QTest::newRow("one unlike its digest") << QStringList{"5 unlike", "3"} << QStringList{"3"}
                                               << "5.gpi is not the picture the record names";
    }

    void picturesReadInOnePass()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, handed);
        QFETCH(QString, failure);
        const Catalogue model = GameFolderBuilder::makeCatalogue(Slots);
        std::map<QString, PictureValue> kept;
        for (const auto &[label, key] : {std::pair{"3", PictureKey{false, 3}}, {"5", PictureKey{false, 5}}, {"font 2", PictureKey{true, 2}},
                                         {"own 3", PictureKey{false, 3}}, {"7", PictureKey{false, 7}}})
            kept[label] = PictureValues::current(model, key);
        kept["own 3"].pixels[0] ^= 0x55u; // the user's own differs from the mod's
        const std::vector<std::uint8_t> file = ModRecord::encodePictures({kept["3"], kept["5"], kept["font 2"]}, {kept["own 3"]});
        std::vector<ModRecord::PictureRead> reads;
        for (const QString &label : wanted) {
            const QString name = label.section(' ', 0, label.startsWith("font") || label.startsWith("own") ? 1 : 0);
            const PictureValue &value = kept.at(name);
            reads.push_back({value.key, name.startsWith("own") ? ModRecord::Part::OwnBelow : ModRecord::Part::Own,
                             label.endsWith("unlike") ? kept.at("3").digest() : value.digest()});
        }
        QStringList seen;
        try {
            ModRecord::readPictures("0001.zip", file, reads, [&](std::size_t k, PictureValue &value) {
                seen << wanted[int(k)];
                QCOMPARE(value.digest(), reads[k].digest);
            });
            QVERIFY2(failure.isEmpty(), "a damaged picture was taken");
        } catch (const GameFileError &error) {
            QVERIFY2(!failure.isEmpty() && QString::fromStdString(error.reason()).contains(failure), error.what());
        }
        QCOMPARE(seen, handed);
    }

    void comparingBytesTellsAsDigestsDo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("same");
        QTest::newRow("none") << "" << true;
        QTest::newRow("a pixel") << "pixel" << false;
        QTest::newRow("the byte count") << "bytes" << false;
        QTest::newRow("the Lead") << "lead" << false;
        QTest::newRow("a block past the count, which the index does not keep") << "extra block" << true;
        QTest::newRow("a font's grey level") << "font" << false;
    }

    void comparingBytesTellsAsDigestsDo()
    {
        QFETCH(QString, change);
        QFETCH(bool, same);
        const Catalogue c = GameFolderBuilder::makeCatalogue(Slots);
        PictureValue value = PictureValues::current(c, {change == "font", change == "font" ? 2 : 3});
        if (change == "pixel")
            value.pixels.back() ^= 1u;
        else if (change == "bytes")
            value.byteCount -= 4;
        else if (change == "lead")
            value.entry.Lead ^= 1u;
        else if (change == "extra block")
            value.blocks.push_back(TGPHBlock{});
        else if (change == "font")
            value.sheet[100] ^= 1u;
        QCOMPARE(PictureValues::holdsDigestOf(c, value), same);
        QCOMPARE(PictureValues::holdsDigestOf(c, value), PictureValues::currentDigest(c, value.key) == value.digest());
    }

    void originalsComparedByBytes_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("shown");
        QTest::newRow("the game's own") << "" << true;
        QTest::newRow("its entry changed") << "lead" << false;
        QTest::newRow("its pixels changed") << "pixel" << false;
        QTest::newRow("changed and put back") << "back" << true;
        QTest::newRow("a font's sheet changed") << "font" << false;
    }

    void originalsComparedByBytes()
    {
        QFETCH(QString, change);
        QFETCH(bool, shown);
        Catalogue c = loadGameFolder(m_root);
        const PictureKey key{change == "font", change == "font" ? 2 : 3};
        const PictureValue game = PictureValues::current(c, key);
        PictureValue value = game;
        if (change == "lead")
            value.entry.Lead ^= 1u;
        else if (change == "pixel" || change == "back")
            value.pixels.at(0) ^= 1u;
        else if (change == "font")
            value.sheet.at(0) ^= 1u;
        QCOMPARE(PictureValues::put(c, value), !change.isEmpty());
        if (change == "back")
            QVERIFY(PictureValues::put(c, game));
        const GameOriginals originals(c);
        QCOMPARE(originals.shown(key), shown);
        QCOMPARE(originals.shown(key), PictureValues::currentDigest(c, key) == originals.digest(key));
    }

    void craftedRecords_data()
    {
        QTest::addColumn<QString>("craft");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the folder is a link") << "folder link" << "is not a folder of Tessary's own";
        QTest::newRow("the list is a link") << "list link" << "is a link, which Tessary does not follow";
        QTest::newRow("the list is damaged") << "list damaged" << "the record of installed mods is damaged";
        QTest::newRow("a mod's pictures changed") << "pictures changed" << "it is not the file Tessary wrote";
        QTest::newRow("an image past the game's count") << "image past the count" << "the mod \"above\" lists image 3000, but this game has images 1 to 7";
        QTest::newRow("a picture unlike its entry") << "picture unlike entry" << "images/3.gpi holds 100 bytes, but its entry says 200 x 150 pixels";
        QTest::newRow("the originals deleted") << "originals deleted" << "the game's original of 3.gpi that lay below the mod \"below\" is not kept any more";
    }

    void craftedRecords()
    {
        QFETCH(QString, craft);
        QFETCH(QString, reason);
        namespace fs = std::filesystem;
        const fs::path folder = GamePaths::underData(m_root, "tessary-mods");
        installAndApply(m_root, twoPictures("below", 0x11));
        installAndApply(m_root, twoPictures("above", 0x22));
#ifdef Q_OS_WIN
        if (craft.contains("link"))
            QSKIP("links need a privilege on Windows that a user seldom has; the check is POSIX's here");
#endif
        if (craft == "folder link") {
            fs::rename(folder, m_dir->path().toStdString() + "/elsewhere");
            fs::create_directory_symlink(m_dir->path().toStdString() + "/elsewhere", folder);
        } else if (craft == "list link") {
            fs::rename(folder / "installed.json", folder / "../list.json");
            fs::create_symlink("../list.json", folder / "installed.json");
        } else if (craft == "list damaged") {
            GameFolderBuilder::writeFile((folder / "installed.json").string(), {'{', '"'});
        } else if (craft == "image past the count" || craft == "picture unlike entry") {
            const std::vector<std::uint8_t> text = GameFolderBuilder::readFile((folder / "installed.json").string());
            std::vector<InstalledMod> mods = ModRecord::parseList("list", std::string(text.begin(), text.end()));
            RecordedPicture &picture = mods[1].pictures[0];
            if (craft == "image past the count") {
                picture.key.number = 3000;
            } else {
                // A record file made whole and named rightly, whose picture is not what its entry says.
                PictureValue unlike = PictureValues::current(GameFolderBuilder::makeCatalogue(Slots), picture.key);
                unlike.entry.Width = 200;
                unlike.entry.Height = 150;
                unlike.byteCount = 100;
                unlike.pixels.resize(25);
                const PictureValue sheet = PictureValues::current(GameFolderBuilder::makeCatalogue(Slots), mods[1].pictures[1].key);
                const std::vector<std::uint8_t> file = ModRecord::encodePictures({unlike, sheet});
                GameFolderBuilder::writeFile((folder / "0002.zip").string(), file);
                mods[1].fileSha256 = Sha256::hex(file.data(), file.size());
                picture.digest = unlike.digest();
                mods[1].pictures[1].digest = sheet.digest();
            }
            const std::string list = ModRecord::encodeList(mods);
            GameFolderBuilder::writeFile((folder / "installed.json").string(), std::vector<std::uint8_t>(list.begin(), list.end()));
        } else if (craft == "originals deleted") {
            fs::remove_all(GamePaths::originals(m_root));
        } else {
            std::vector<std::uint8_t> bytes = GameFolderBuilder::readFile((folder / "0002.zip").string());
            bytes[bytes.size() / 2] ^= 1;
            GameFolderBuilder::writeFile((folder / "0002.zip").string(), bytes);
        }
        const auto crafted = GameFolderBuilder::snapshot(m_root);
        try {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            record.uninstall(c, 1); // needs the first mod's pictures
            record.uninstall(c, 0); // needs the game's originals
            QFAIL("a crafted record was taken");
        } catch (const GameFileError &error) {
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == crafted);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_root;
};

QTEST_GUILESS_MAIN(TestModRecord)
#include "test_mod_record.moc"
