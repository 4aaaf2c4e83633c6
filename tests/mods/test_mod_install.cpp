#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <memory>

#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "index_file.h"
#include "archive_reader.h"
#include "install_preview.h"
#include "installed_mods.h"
#include "mod_contents.h"
#include "mod_fixtures.h"
#include "mod_manifest.h"
#include "mod_package_writer.h"
#include "png_codec.h"
#include "write_back.h"

namespace {

const QString Archives = QStringLiteral(MOD_ARCHIVES);

} // namespace

using namespace ModFixtures;

// Installing mods of every kind into a game folder, the index merged entry by entry, and
// uninstalling stacked mods in any order, down to the game as shipped.
class TestModInstall : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY2(QFile::exists(Archives + "/layout.zip"), "the archives are made by the test mod_archives_made_with_python");
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->path().toStdString() + "/game";
        GameFolderBuilder::make(m_root, Slots);
        m_shipped = GameFolderBuilder::snapshot(m_root);
    }

    void archivesInstall_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QList<QList<int>>>("images"); // number, width, height, tone of the pattern
        QTest::addColumn<QList<QList<int>>>("fonts");  // number, tone
        QTest::addColumn<qint64>("lead");              // the first image's index entry, or -1 for the game's own
        QTest::addColumn<QString>("note");
        QTest::newRow("zip laid out as the game") << "layout.zip" << QList<QList<int>>{{3, 4, 5, 103}} << QList<QList<int>>{} << qint64(-1)
                                                  << "no game file were left out: City Lights v2/readme.txt";
        QTest::newRow("7z laid out as the game") << "layout.7z" << QList<QList<int>>{{4, 5, 6, 104}} << QList<QList<int>>{{1, 1}}
                                                 << qint64(-1) << "only their pictures are taken";
        QTest::newRow("tar.xz with an index") << "layout.tar.xz" << QList<QList<int>>{{2, 8, 8, 102}} << QList<QList<int>>{}
                                              << qint64(0xB0B0) << "entries of images it does not ship";
        QTest::newRow("index of fewer images") << "index-fewer.zip" << QList<QList<int>>{{2, 3, 3, 20}} << QList<QList<int>>{}
                                               << qint64(0xCC) << "";
        QTest::newRow("zip of .tga pictures") << "pictures.zip" << QList<QList<int>>{{2, 9, 4, 21}, {9, 3, 3, 29}} << QList<QList<int>>{}
                                              << qint64(-1) << "left out: my pictures/notes.txt";
#ifndef Q_OS_WIN
        // (Windows gives such names in its own code page.)
        QTest::newRow("zip of code page 437 names") << "cp437.zip" << QList<QList<int>>{{3, 4, 5, 33}} << QList<QList<int>>{} << qint64(-1)
                                                    << "left out: Men\u00fcs/notiz.txt";
#endif
        QTest::newRow("tar.gz of pictures") << "pictures.tar.gz" << QList<QList<int>>{{10, 2, 5, 31}} << QList<QList<int>>{{1, 41}}
                                            << qint64(-1) << "";
        // Names in letters beyond Western European ones, which Windows' code page lacks.
        const struct {
            const char *archive;
            const char *folder;
            const char *note;
            int image;
        } languages[] = {{"polish", "Łódź nocą", "żółć.txt", 3}, {"czech", "Příliš žluťoučký kůň", "čtěte mě.txt", 4},
                         {"greek", "Ελληνικά γράμματα", "διάβασέ με.txt", 5}, {"cyrillic", "Москва ночью", "прочти.txt", 6}};
        for (const auto &language : languages)
            for (const char *kind : {".zip", ".7z"}) {
                const QString archive = QString::fromLatin1(language.archive) + kind;
                const int n = language.image;
                QTest::newRow(qPrintable(archive)) << archive << QList<QList<int>>{{n, n + 1, n + 2, 60 + n}} << QList<QList<int>>{}
                                                  << qint64(-1) << QString::fromUtf8(language.folder) + "/" + QString::fromUtf8(language.note);
            }
    }

    void archivesInstall()
    {
        QFETCH(QString, archive);
        QFETCH(QList<QList<int>>, images);
        QFETCH(QList<QList<int>>, fonts);
        QFETCH(qint64, lead);
        QFETCH(QString, note);
        if (archive.endsWith(".7z") && !QFile::exists(Archives + "/have-7z.txt"))
            QSKIP("7zz (Debian's 7zip) is not installed, so there is no .7z archive");
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        const ModContents contents = ModContentsReader::read((Archives + "/" + archive).toStdString(), c, PngCodec::make());
        QCOMPARE(contents.pictures.size(), std::size_t(images.size() + fonts.size()));
        const std::string notes = contents.notes.empty() ? std::string() : contents.notes.front().english();
        QVERIFY2(QString::fromStdString(notes).contains(note), notes.c_str());
        record.install(c, contents, 0);
        apply(c, record);

        Catalogue index;
        const std::vector<std::uint8_t> indexBytes = GameFolderBuilder::readFile(GamePaths::index(m_root));
        IndexFile::parse("index", indexBytes.data(), indexBytes.size(), index);
        const Catalogue shipped = GameFolderBuilder::makeCatalogue(Slots);
        for (const QList<int> &picture : images) {
            const int n = picture[0];
            QVERIFY(GameFolderBuilder::readFile(GamePaths::image(m_root, n)) == pattern(picture[3], std::size_t(picture[1] * picture[2] * 4)));
            QCOMPARE(index.ImageDetails[std::size_t(n)].Width, picture[1]);
            QCOMPARE(index.ImageDetails[std::size_t(n)].Height, picture[2]);
            QCOMPARE(qint64(index.ImageDetails[std::size_t(n)].Lead), lead >= 0 && picture == images.first() ? lead : qint64(shipped.ImageDetails[std::size_t(n)].Lead));
        }
        for (const QList<int> &sheet : fonts) {
            const std::vector<std::uint8_t> file = GameFolderBuilder::readFile(GamePaths::font(m_root, sheet[0]));
            QVERIFY(std::equal(file.end() - std::ptrdiff_t(FontSheetBytes), file.end(), pattern(sheet[1], FontSheetBytes).begin()));
        }
        QCOMPARE(InstalledMods::load(m_root).mods().size(), std::size_t(1));
    }

    void refusedMods_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("reason");
        QTest::newRow("index of too few images") << "index-short.zip" << "lists 3 images, this game's index 11, and it has no entry for images/5.gpi";
        QTest::newRow(".gpi of another size") << "wrong-size.zip" << "images/6.gpi holds 100 bytes, but its entry in the game's index (the mod ships none) says 7 x 8 pixels (224 bytes)";
        QTest::newRow("a picture too large") << "huge-picture.zip" << "2.png is 16384 x 16384 pixels, larger than the 8192 x 8192 Tessary takes from a mod";
        QTest::newRow("pictures too large together") << "many-large-pictures.zip" << "6.png would bring the mod's decoded pictures past 1024 MB";
    }

    void refusedMods()
    {
        QFETCH(QString, archive);
        QFETCH(QString, reason);
        const Catalogue c = loadGameFolder(m_root);
        try {
            ModContentsReader::read((Archives + "/" + archive).toStdString(), c, PngCodec::make());
            QFAIL("the mod was taken");
        } catch (const GameFileError &error) {
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
            QVERIFY(error.path().ends_with(archive.toStdString()));
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == m_shipped);
    }

    // Each way an archive is damaged has a reason of its own, and what libarchive said stays a
    // quoted detail, never read as Tessary's words.
    void damagedArchives_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("wording");
        QTest::addColumn<QString>("detail"); // libarchive's words; "" where Tessary saw it first
        QTest::newRow("not an archive") << "not-an-archive.7z" << "is not an archive Tessary can read (%1)" << "Unrecognized archive format";
        QTest::newRow("cut inside an entry") << "cut-inside.tar" << "the archive is cut off at \"%1\", as a download not finished is (%2)"
                                             << "Truncated tar archive";
        QTest::newRow("compressed data cut off") << "cut-end.tar.gz"
                                                 << "the archive's compressed data is cut off or damaged (a download not finished?)" << "";
        QTest::newRow("CRC error") << "bad-crc.zip" << "\"%1\" fails its CRC check, so the archive is damaged (%2)" << "ZIP bad CRC";
        QTest::newRow("encrypted entry") << "encrypted-entry.zip" << "\"%1\" is encrypted, which Tessary can't read" << "";
    }

    void damagedArchives()
    {
        QFETCH(QString, archive);
        QFETCH(QString, wording);
        QFETCH(QString, detail);
        try {
            ArchiveReader::readFile((Archives + "/" + archive).toStdString());
            QFAIL("the archive was read");
        } catch (const GameFileError &error) {
            const Message &why = error.why();
            QVERIFY2(why.wording(), error.what());
            QCOMPARE(QString::fromUtf8(why.wording()), wording);
            const bool entryNamed = wording.startsWith(QLatin1Char('"')) || wording.contains(QLatin1String("at \"%1\""));
            if (entryNamed)
                QCOMPARE(why.arguments().front().name, std::string("images/") + (archive.endsWith(".tar") ? "5.gpi" : "3.gpi"));
            if (detail.isEmpty()) {
                QCOMPARE(why.arguments().size(), std::size_t(entryNamed ? 1 : 0));
            } else {
                QCOMPARE(why.arguments().size(), std::size_t(entryNamed ? 2 : 1));
                QCOMPARE(int(why.arguments().back().kind), int(Message::Argument::Kind::Name));
                QVERIFY2(QString::fromStdString(why.arguments().back().name).startsWith(detail), error.what());
            }
        }
    }

    void twoIndexesMergeEntryByEntry()
    {
        for (const char *archive : {"index-a.zip", "index-b.zip"}) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            const ModContents contents = ModContentsReader::read((Archives + "/" + archive).toStdString(), c, PngCodec::make());
            QVERIFY(QString::fromStdString(contents.notes.at(0).english()).startsWith("The mod's Gp2001.gph also changes the entries of images it does not ship"));
            record.install(c, contents, 0);
            apply(c, record);
        }
        const Catalogue shipped = GameFolderBuilder::makeCatalogue(Slots);
        const Catalogue now = loadGameFolder(m_root);
        for (int n = 1; n < Slots; ++n) {
            const TGPHDetails &entry = now.ImageDetails[std::size_t(n)];
            if (n == 3) {
                QCOMPARE(entry.Lead, 0xAAAA0003u);
                QCOMPARE(entry.Width, 10);
                QCOMPARE(now.ImageBlocks[3].at(0).Bytes[0], std::uint8_t(0x33));
                QCOMPARE(entry.Trailer[31], std::uint8_t(0x44));
            } else if (n == 7) {
                QCOMPARE(entry.Lead, 0xBBBB0007u);
                QCOMPARE(entry.Height, 6);
            } else {
                QVERIFY(entry == shipped.ImageDetails[std::size_t(n)] && now.ImageBlocks[std::size_t(n)] == shipped.ImageBlocks[std::size_t(n)]);
            }
        }
    }

    void uninstallInEveryOrder_data()
    {
        QTest::addColumn<QList<int>>("order");
        QList<int> order = {0, 1, 2};
        do
            QTest::newRow(QStringLiteral("%1 %2 %3").arg(order[0] + 1).arg(order[1] + 1).arg(order[2] + 1).toLatin1()) << order;
        while (std::next_permutation(order.begin(), order.end()));
    }

    void uninstallInEveryOrder()
    {
        QFETCH(QList<int>, order);
        const std::vector<ModContents> mods = threeMods();
        for (const ModContents &contents : mods) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            record.install(c, contents, 0);
            apply(c, record);
        }
        QList<int> installed = {0, 1, 2};
        for (int gone : order) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            record.uninstall(c, std::size_t(record.find(mods[std::size_t(gone)].name)));
            apply(c, record);
            installed.removeOne(gone);
            // Every picture is the last remaining mod's that sets it, or the game's own.
            const Catalogue now = loadGameFolder(m_root);
            const Catalogue shipped = GameFolderBuilder::makeCatalogue(Slots);
            for (const PictureKey key : {PictureKey{false, 2}, PictureKey{false, 3}, PictureKey{false, 4}, PictureKey{false, 5},
                                         PictureKey{false, 6}, PictureKey{true, 1}}) {
                const PictureValue *top = nullptr;
                for (int k : installed)
                    for (const PictureValue &value : mods[std::size_t(k)].pictures)
                        if (value.key == key)
                            top = &value;
                const std::string expected = top ? top->digest() : PictureValues::current(shipped, key).digest();
                QVERIFY2(PictureValues::current(now, key).digest() == expected, key.caption().c_str());
            }
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == m_shipped);
        QVERIFY(!QFile::exists(QString::fromStdString(GamePaths::underData(m_root, "tessary-mods"))));
    }

    void ownPicturesComeBack_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("an edit below a mod") << QStringList{"edit", "install first", "uninstall first"};
        QTest::newRow("an edit not yet applied") << QStringList{"edit unapplied, install first", "uninstall first"};
        QTest::newRow("an edit between two mods") << QStringList{"install first", "edit", "install second", "uninstall first", "uninstall second"};
        QTest::newRow("handed on to the mod above") << QStringList{"edit", "install first", "install second", "uninstall first", "uninstall second"};
        QTest::newRow("the mod above out first") << QStringList{"edit", "install first", "install second", "uninstall second", "uninstall first"};
    }

    void ownPicturesComeBack()
    {
        QFETCH(QStringList, steps);
        const std::vector<ModContents> mods = threeMods();
        const PictureValue own = image(3, 2, 3, 77);
        for (const QString &step : steps) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            if (step.startsWith("edit"))
                QVERIFY(PictureValues::put(c, own));
            const std::size_t mod = step.endsWith("first") ? 0 : 1;
            if (step.startsWith("install") || step.contains(", install"))
                record.install(c, mods[mod], 0);
            else if (step.startsWith("uninstall"))
                record.uninstall(c, std::size_t(record.find(mods[mod].name)));
            apply(c, record);
        }
        // The user's own picture is back; every other picture of the mods is the game's again.
        const Catalogue now = loadGameFolder(m_root);
        QVERIFY(PictureValues::holds(now, own));
        const Catalogue shipped = GameFolderBuilder::makeCatalogue(Slots);
        for (const PictureKey key : {PictureKey{false, 2}, PictureKey{false, 4}, PictureKey{false, 5}, PictureKey{true, 1}})
            QVERIFY2(PictureValues::currentDigest(now, key) == PictureValues::currentDigest(shipped, key), key.caption().c_str());
        QVERIFY(!QFile::exists(QString::fromStdString(GamePaths::underData(m_root, "tessary-mods"))));
    }

    void uninstallGivesWholeEntries_data()
    {
        QTest::addColumn<QStringList>("installs");
        QTest::addColumn<QStringList>("uninstalls");
        QTest::addColumn<qint64>("lead"); // image 2's Lead afterwards; -1 for the game's own
        QTest::addColumn<int>("width");   // its width and height; -1 for the game's own
        QTest::addColumn<int>("height");
        const QStringList all = {"index-fewer.zip", "layout.tar.xz", "pictures.zip", "pictures again.zip"};
        QTest::newRow("pictures over an index mod") << QStringList{"layout.tar.xz", "pictures.zip"} << QStringList{"layout"} << qint64(-1) << 9 << 4;
        QTest::newRow("index below the index mod") << QStringList{"index-fewer.zip", "layout.tar.xz", "pictures.zip"} << QStringList{"layout"}
                                                   << qint64(0xCC) << 9 << 4;
        QTest::newRow("two picture mods over it") << QStringList{"layout.tar.xz", "pictures.zip", "pictures again.zip"} << QStringList{"layout"}
                                                  << qint64(-1) << 9 << 4;
        QTest::newRow("then the top one") << QStringList{"layout.tar.xz", "pictures.zip", "pictures again.zip"}
                                          << QStringList{"layout", "pictures again"} << qint64(-1) << 9 << 4;
        QTest::newRow("an index mod over pictures") << QStringList{"pictures.zip", "layout.tar.xz", "pictures again.zip"}
                                                    << QStringList{"pictures"} << qint64(0xB0B0) << 9 << 4;
        QTest::newRow("all of them off") << all << QStringList{"layout", "pictures", "index-fewer", "pictures again"} << qint64(-1) << -1 << -1;
    }

    // Taking a mod off gives every picture its whole index entry from what now lies below it.
    void uninstallGivesWholeEntries()
    {
        QFETCH(QStringList, installs);
        QFETCH(QStringList, uninstalls);
        QFETCH(qint64, lead);
        QFETCH(int, width);
        QFETCH(int, height);
        const QString again = m_dir->path() + "/pictures again.zip";
        QVERIFY(QFile::copy(Archives + "/pictures.zip", again));
        for (const QString &archive : installs) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            const QString path = archive == "pictures again.zip" ? again : Archives + "/" + archive;
            record.install(c, ModContentsReader::read(path.toStdString(), c, PngCodec::make()), 0);
            apply(c, record);
        }
        for (const QString &name : uninstalls) {
            Catalogue c = loadGameFolder(m_root);
            InstalledMods record = InstalledMods::load(m_root);
            QVERIFY2(record.find(name.toStdString()) >= 0, qPrintable(name));
            record.uninstall(c, std::size_t(record.find(name.toStdString())));
            apply(c, record);
        }
        const Catalogue shipped = GameFolderBuilder::makeCatalogue(Slots);
        const Catalogue now = loadGameFolder(m_root);
        TGPHDetails expected = shipped.ImageDetails[2];
        std::vector<TGPHBlock> blocks = shipped.ImageBlocks[2];
        if (lead >= 0) {
            // The index mod's entry: one made by make_mod_archives.py, without blocks and with a zero trailer.
            expected = TGPHDetails{};
            expected.Lead = std::uint32_t(lead);
            blocks.clear();
        }
        if (width >= 0) {
            expected.Width = width;
            expected.Height = height;
        }
        QCOMPARE(now.ImageDetails[2].Lead, expected.Lead);
        QCOMPARE(now.ImageDetails[2].Width, expected.Width);
        QCOMPARE(now.ImageDetails[2].Height, expected.Height);
        QVERIFY(now.ImageDetails[2] == expected);
        QVERIFY(now.ImageBlocks[2] == blocks);
        // What is left comes off again down to the game as shipped.
        for (InstalledMods record = InstalledMods::load(m_root); !record.mods().empty(); record = InstalledMods::load(m_root)) {
            Catalogue c = loadGameFolder(m_root);
            record.uninstall(c, record.mods().size() - 1);
            apply(c, record);
        }
        QVERIFY(GameFolderBuilder::snapshot(m_root) == m_shipped);
    }

    void coverNames_data()
    {
        QTest::addColumn<int>("edit");      // an image the user changes after the three mods; 0 for none
        QTest::addColumn<int>("uninstall"); // the mod taken off
        QTest::addColumn<QStringList>("covers");
        QTest::newRow("the middle mod") << 0 << 1 << QStringList{"4.gpi by third", "5.gpi by third"};
        QTest::newRow("the first mod") << 0 << 0 << QStringList{"3.gpi by second", "4.gpi by third"};
        QTest::newRow("an edit over the top mod") << 4 << 0 << QStringList{"3.gpi by second", "4.gpi by an edit"};
        QTest::newRow("an edit over the middle") << 5 << 1 << QStringList{"4.gpi by third", "5.gpi by an edit"};
        QTest::newRow("an edit on the own picture") << 3 << 1 << QStringList{"3.gpi by an edit", "4.gpi by third", "5.gpi by third"};
    }

    // What covers a mod's pictures names what shows, also after the mod is taken off the record.
    void coverNames()
    {
        QFETCH(int, edit);
        QFETCH(int, uninstall);
        QFETCH(QStringList, covers);
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        for (const ModContents &contents : threeMods())
            record.install(c, contents, 0);
        apply(c, record);
        if (edit > 0)
            QVERIFY(PictureValues::put(c, image(edit, 2, 2, 98)));
        auto names = [](const std::vector<CoveredPicture> &found) {
            QStringList texts;
            for (const CoveredPicture &cover : found)
                texts << QString::fromStdString(cover.key.caption() + " by " + (cover.byMod >= 0 ? cover.byName : "an edit"));
            return texts;
        };
        QCOMPARE(names(record.covered(std::size_t(uninstall), c)), covers);
        const UninstallResult result = record.uninstall(c, std::size_t(uninstall));
        QCOMPARE(names(result.leftAlone), covers);
    }

    void installPreviewNames_data()
    {
        QTest::addColumn<QString>("below"); // what lies under the second mod's 3.gpi
        QTest::addColumn<int>("takesMod");
        QTest::addColumn<bool>("takesUnapplied");
        QTest::addColumn<bool>("takesOwn");
        QTest::newRow("an applied mod") << "applied mod" << 0 << false << false;
        QTest::newRow("a mod not yet applied") << "unapplied mod" << 0 << false << false;
        QTest::newRow("an edit not yet applied") << "unapplied edit" << -1 << true << false;
        QTest::newRow("an edit applied") << "applied edit" << -1 << false << true;
        QTest::newRow("the game's own") << "game" << -1 << false << false;
    }

    // The install preview calls another mod's picture that mod's, applied or not.
    void installPreviewNames()
    {
        QFETCH(QString, below);
        QFETCH(int, takesMod);
        QFETCH(bool, takesUnapplied);
        QFETCH(bool, takesOwn);
        const std::vector<ModContents> mods = threeMods();
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        if (below.endsWith("mod"))
            record.install(c, mods[0], 0);
        if (below.endsWith("edit"))
            QVERIFY(PictureValues::put(c, image(3, 2, 2, 97)));
        if (below.startsWith("applied"))
            apply(c, record);
        const std::vector<InstallPreviewItem> items = InstallPreview::of(c, record, mods[1]);
        const auto item = std::find_if(items.begin(), items.end(), [](const InstallPreviewItem &found) { return found.key == PictureKey{false, 3}; });
        QVERIFY(item != items.end() && item->changes);
        QCOMPARE(item->takesMod, takesMod);
        QCOMPARE(item->takesUnapplied, takesUnapplied);
        QCOMPARE(item->takesOwn, takesOwn);
    }

    void packHoldsOwnChanges_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("includeMods");
        QTest::addColumn<QStringList>("packed");  // caption, and the mod it is credited to
        QTest::addColumn<QStringList>("leftOut"); // caption and the mod that set it; "refused" when nothing is left to pack
        QTest::newRow("a mod alone") << QStringList{"install first"} << false << QStringList{} << QStringList{"refused"};
        QTest::newRow("an edit beside a mod") << QStringList{"install first", "edit 7"} << false << QStringList{"7.gpi"}
                                              << QStringList{"2.gpi first", "3.gpi first", "4.gpi first"};
        QTest::newRow("an edit over a mod's picture") << QStringList{"install first", "edit 3"} << false << QStringList{"3.gpi"}
                                                      << QStringList{"2.gpi first", "4.gpi first"};
        QTest::newRow("a mod not yet applied") << QStringList{"install unapplied first", "edit 7"} << false << QStringList{"7.gpi"}
                                               << QStringList{"2.gpi first", "3.gpi first", "4.gpi first"};
        QTest::newRow("mods put in") << QStringList{"install first", "install second", "edit 7"} << true
                                     << QStringList{"2.gpi first", "3.gpi second", "4.gpi second", "5.gpi second", "7.gpi", "New_Font1000.gpf second"}
                                     << QStringList{};
    }

    // A package holds the user's own changes; installed mods' pictures go in only when asked
    // for, credited to their mods and authors.
    void packHoldsOwnChanges()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, includeMods);
        QFETCH(QStringList, packed);
        QFETCH(QStringList, leftOut);
        const std::vector<ModContents> mods = threeMods();
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        for (const QString &step : steps) {
            if (step.startsWith("install")) {
                ModContents contents = mods[step.endsWith("first") ? 0 : 1];
                contents.author = contents.name + " author";
                record.install(c, std::move(contents), 0);
                if (!step.contains("unapplied"))
                    apply(c, record);
            } else {
                QVERIFY(PictureValues::put(c, image(step.section(' ', 1).toInt(), 2, 2, 96)));
            }
        }
        PackDetails details{"Mine", "Me", "", 0, record.shownPictures(c), includeMods};
        try {
            const PackedMod package = ModPackageWriter::pack(c, details, PngCodec::make());
            QVERIFY2(leftOut != QStringList{"refused"}, "a package of no picture of the user's own was made");
            QStringList inPackage, left;
            for (const ModPicture &picture : package.manifest.pictures) {
                inPackage << QString::fromStdString(picture.caption() + (picture.fromMod.empty() ? "" : " " + picture.fromMod));
                QCOMPARE(QString::fromStdString(picture.fromModAuthor), picture.fromMod.empty() ? QString() : QString::fromStdString(picture.fromMod + " author"));
            }
            for (const PackModPicture &picture : package.leftOut)
                left << QString::fromStdString(picture.key.caption() + " " + picture.mod);
            QCOMPARE(inPackage, packed);
            QCOMPARE(left, leftOut);
            // The manifest names them as it is read back.
            const std::vector<ArchiveEntry> files = ArchiveReader::read("package", package.zip.data(), package.zip.size());
            const std::vector<std::uint8_t> &manifest = files.front().bytes;
            QVERIFY(ModManifest::parse("package", std::string(manifest.begin(), manifest.end())) == package.manifest);
        } catch (const GameFileError &error) {
            QVERIFY2(leftOut == QStringList{"refused"}, error.what());
            QVERIFY2(error.reason().find("is one an installed mod set") != std::string::npos, error.what());
        }
    }

    void coveredPictures()
    {
        const std::vector<ModContents> mods = threeMods();
        Catalogue c = loadGameFolder(m_root);
        InstalledMods record = InstalledMods::load(m_root);
        for (const ModContents &contents : mods)
            record.install(c, contents, 0);
        apply(c, record);
        QVERIFY(PictureValues::put(c, image(6, 1, 1, 99))); // an edit of the user's own on the third mod's picture
        auto covers = [&](std::size_t k) {
            QStringList found;
            for (const CoveredPicture &cover : record.covered(k, c))
                found << QStringLiteral("%1 by %2").arg(QString::fromStdString(cover.key.caption())).arg(cover.byMod + 1);
            return found;
        };
        QCOMPARE(covers(0), (QStringList{"3.gpi by 2", "4.gpi by 3"}));
        QCOMPARE(covers(1), (QStringList{"4.gpi by 3", "5.gpi by 3"}));
        QCOMPARE(covers(2), (QStringList{"6.gpi by 0"}));
        // Uninstalling the third keeps the edit and gives 4 and 5 back to the second.
        const UninstallResult result = record.uninstall(c, 2);
        QCOMPARE(result.leftAlone.size(), std::size_t(1));
        QCOMPARE(result.restored.size(), std::size_t(2));
        QVERIFY(PictureValues::holds(c, image(6, 1, 1, 99)));
        QVERIFY(PictureValues::holds(c, mods[1].pictures[1]));
        QVERIFY(c.imageChanged(4) && c.hasChanges() && record.hasPendingChanges());
        try {
            record.install(c, mods[0], 0);
            QFAIL("a mod was installed twice");
        } catch (const GameFileError &error) {
            QVERIFY(error.reason().find("is installed already") != std::string::npos);
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_root;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> m_shipped;
};

QTEST_GUILESS_MAIN(TestModInstall)
#include "test_mod_install.moc"
