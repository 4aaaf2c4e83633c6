#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

#include "file_ops.h"
#include "game_folder_builder.h"
#include "game_originals.h"
#include "game_paths.h"
#include "installed_mods.h"
#include "json_value.h"
#include "mod_fixtures.h"
#include "mod_record.h"
#include "sha256.h"
#include "write_back.h"

using namespace ModFixtures;

namespace {

// The three stacked mods, and one over them that sets image 4's size and bytes only.
std::vector<ModContents> libraryMods()
{
    std::vector<ModContents> mods = threeMods();
    PictureValue sized = image(4, 2, 2, 30);
    sized.sizeOnly = true;
    mods.push_back(mod("sized", {sized}));
    return mods;
}

// Newer versions of the first two, of the same names: the first without image 3, the second
// with other pictures of 3 and 7 and without 4, 5 and its font.
std::vector<ModContents> updatedMods()
{
    return {mod("first", {image(2, 4, 1, 50)}), mod("second", {image(3, 2, 2, 40), image(7, 3, 3, 41)})};
}

const ModContents &named(const std::vector<ModContents> &mods, const QString &name)
{
    for (const ModContents &contents : mods)
        if (contents.name == name.toStdString())
            return contents;
    qFatal("no fixture mod %s", qPrintable(name));
}

// The user's own picture of image n.
PictureValue ownPicture(int n)
{
    return image(n, 2, 3, 77);
}

PictureKey keyOf(const QString &caption)
{
    return caption.startsWith("font") ? PictureKey{true, caption.mid(4).toInt()} : PictureKey{false, caption.section('.', 0, 0).toInt()};
}

PictureValue modPicture(const ModContents &contents, PictureKey key)
{
    for (const PictureValue &value : contents.pictures)
        if (value.key == key)
            return value;
    qFatal("the mod %s sets no %s", contents.name.c_str(), key.caption().c_str());
}

// The user's edit of image n's pixels alone: its first byte changed.
void touch(PictureValue &picture)
{
    picture.pixels.at(0) ^= 0x01u;
}

// What "4.gpi second", "3.gpi own", "6.gpi game" or "4.gpi sized over second" names: the picture
// expected there, whole index entry included; "... touched" names it with touch() done.
PictureValue expected(const QString &layer)
{
    if (layer.endsWith(" touched")) {
        PictureValue picture = expected(layer.chopped(8));
        touch(picture);
        return picture;
    }
    const QStringList words = layer.split(' ');
    const PictureKey key = keyOf(words[0]);
    const std::vector<ModContents> mods = libraryMods();
    if (words[1] == "game")
        return PictureValues::current(GameFolderBuilder::makeCatalogue(Slots), key);
    if (words[1] == "own")
        return ownPicture(key.number);
    const std::vector<ModContents> updated = updatedMods();
    PictureValue value = words[1].endsWith('\'') ? modPicture(named(updated, words[1].chopped(1)), key) : modPicture(named(mods, words[1]), key);
    if (words.size() == 4) {
        const PictureValue below = words[3] == "game" ? PictureValues::current(GameFolderBuilder::makeCatalogue(Slots), key)
                                                      : modPicture(named(mods, words[3]), key);
        value.entry.Lead = below.entry.Lead;
        value.entry.Trailer = below.entry.Trailer;
        value.blocks = below.blocks;
        value.sizeOnly = false;
    }
    return value;
}

// Runs "install NAME", "update NAME", "uninstall NAME", "disable NAME", "enable NAME",
// "move NAME N", "edit N", "touch N", or "save PROFILE" and "use PROFILE" on the game folder and applies it.
void runSteps(const std::string &root, const QString &step);

void run(const std::string &root, const QString &step)
{
    try {
        runSteps(root, step);
    } catch (const std::exception &error) {
        QFAIL(qPrintable(step + ": " + QString::fromStdString(error.what())));
    }
}

void runSteps(const std::string &root, const QString &step)
{
    Catalogue c = loadGameFolder(root);
    InstalledMods record = InstalledMods::load(root);
    const QString verb = step.section(' ', 0, 0);
    const QString what = step.section(' ', 1, 1);
    const int mod = record.find(what.toStdString());
    if (verb == "install")
        record.install(c, named(libraryMods(), what), 0);
    else if (verb == "edit")
        QVERIFY(PictureValues::put(c, ownPicture(what.toInt())));
    else if (verb == "touch") {
        PictureValue picture = PictureValues::current(c, {false, what.toInt()});
        touch(picture);
        QVERIFY(PictureValues::put(c, std::move(picture)));
    }
    else if (verb == "save")
        record.saveProfile(what.toStdString());
    else if (verb == "use")
        record.useProfile(c, what.toStdString());
    else if (mod < 0)
        QFAIL(qPrintable("no mod installed for " + step));
    else if (verb == "uninstall")
        record.uninstall(c, std::size_t(mod));
    else if (verb == "update")
        record.update(c, std::size_t(mod), named(updatedMods(), what), 0);
    else if (verb == "move")
        record.move(c, std::size_t(mod), std::size_t(step.section(' ', 2, 2).toInt()));
    else
        record.setEnabled(c, std::size_t(mod), verb == "enable");
    apply(c, record);
}

// A record as the first format wrote it on installing: what lay below each picture, where not the
// game's original, kept in the mod's file.
void installAsFirstFormat(const std::string &root, const ModContents &contents, JsonValue::Array &list)
{
    Catalogue c = loadGameFolder(root);
    const int id = int(list.size()) + 1;
    const std::string file = InstalledMod::fileOf(id);
    const GameOriginals originals(c);
    std::vector<PictureValue> below;
    JsonValue::Array pictures;
    for (const PictureValue &value : contents.pictures) {
        JsonValue::Object item{{value.key.font ? "font" : "image",
                                value.key.font ? JsonValue(FontNames[std::size_t(value.key.number)]) : JsonValue(value.key.number)},
                               {"sha256", value.digest()}};
        if (PictureValues::currentDigest(c, value.key) == originals.digest(value.key)) {
            item.emplace_back("original_sha256", PictureValues::currentDigest(c, value.key));
        } else {
            below.push_back(PictureValues::current(c, value.key));
            item.emplace_back("below", JsonValue::Object{{"file", file}, {"file_sha256", ""}, {"sha256", below.back().digest()}});
        }
        pictures.emplace_back(std::move(item));
    }
    std::vector<ModRecordFile> records;
    if (!below.empty()) {
        const std::vector<std::uint8_t> bytes = ModRecord::encodePictures(below);
        for (JsonValue &item : pictures) {
            JsonValue::Object fields = item.object();
            for (auto &[name, field] : fields)
                if (name == "below")
                    field = JsonValue::Object{{"file", file}, {"file_sha256", Sha256::hex(bytes.data(), bytes.size())}, {"sha256", field.find("sha256")->string()}};
            item = std::move(fields);
        }
        records.push_back({"tessary-mods/" + file, bytes, FileOps::stampOf(GamePaths::underData(root, "tessary-mods/" + file))});
    }
    list.emplace_back(JsonValue::Object{{"id", id}, {"name", contents.name}, {"author", ""}, {"description", ""}, {"created", ""},
                                        {"installed", "2026-01-02T03:04:05Z"}, {"source", contents.name + ".zip"},
                                        {"pictures", std::move(pictures)}});
    const std::string text = JsonValue(JsonValue::Object{{"format", "Tessary installed mods"}, {"version", 1}, {"mods", list}}).dump();
    records.insert(records.begin(), {"tessary-mods/installed.json", std::vector<std::uint8_t>(text.begin(), text.end()),
                                     FileOps::stampOf(GamePaths::underData(root, "tessary-mods/installed.json"))});
    for (const PictureValue &value : contents.pictures)
        PictureValues::put(c, value);
    WriteBackOptions options;
    options.records = records;
    applyAllChanges(c, options);
}

QString listText(const std::string &file)
{
    const std::vector<std::uint8_t> bytes = GameFolderBuilder::readFile(file);
    return QString::fromUtf8(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

// The library of mods: switching them off and on and reordering them, composed over the game's
// originals, and records of the first format read into it.
class TestModLibrary : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_root;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> m_shipped;

    void checkShows(const QStringList &pictures)
    {
        const Catalogue now = loadGameFolder(m_root);
        for (const QString &layer : pictures)
            QVERIFY2(PictureValues::current(now, keyOf(layer.section(' ', 0, 0))).digest() == expected(layer).digest(), qPrintable(layer));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->path().toStdString() + "/game";
        GameFolderBuilder::make(m_root, Slots);
        m_shipped = GameFolderBuilder::snapshot(m_root);
    }

    void switchingBackIsExact_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QStringList>("back");
        const QStringList three = {"install first", "install second", "install third"};
        QTest::newRow("the top mod off and on") << three << QStringList{"disable third"} << QStringList{"enable third"};
        QTest::newRow("the middle mod off and on") << three << QStringList{"disable second"} << QStringList{"enable second"};
        QTest::newRow("the bottom mod off and on") << three << QStringList{"disable first"} << QStringList{"enable first"};
        QTest::newRow("all off and on") << three << QStringList{"disable first", "disable third", "disable second"}
                                        << QStringList{"enable third", "enable first", "enable second"};
        QTest::newRow("the bottom one to the top and back") << three << QStringList{"move first 2"} << QStringList{"move first 0"};
        QTest::newRow("the top one to the bottom and back") << three << QStringList{"move third 0"} << QStringList{"move third 2"};
        QTest::newRow("moved while off") << three << QStringList{"disable second", "move second 2"} << QStringList{"move second 1", "enable second"};
        QTest::newRow("over a picture of the user's own") << QStringList{"edit 3", "install first", "install second"}
                                                          << QStringList{"disable second", "move first 1", "disable first"}
                                                          << QStringList{"enable first", "move first 0", "enable second"};
        QTest::newRow("under an edit of the user's own") << QStringList{"install first", "install second", "edit 4"}
                                                         << QStringList{"disable second", "move second 0"} << QStringList{"enable second", "move second 1"};
        QTest::newRow("a size-only picture") << QStringList{"install first", "install second", "install third", "install sized"}
                                             << QStringList{"disable third", "move sized 0"} << QStringList{"move sized 3", "enable third"};
        QTest::newRow("two profiles") << three + QStringList{"save all", "disable second", "move third 0", "save other", "use all"}
                                      << QStringList{"use other"} << QStringList{"use all"};
        QTest::newRow("a profile over the user's own") << QStringList{"edit 3", "install first", "install second", "save both", "disable first",
                                                                      "disable second", "save none", "use both"}
                                                       << QStringList{"use none", "use both", "use none"} << QStringList{"use both"};
    }

    // Switching mods off and on again, or moving them and back, leaves every file as it was.
    void switchingBackIsExact()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, there);
        QFETCH(QStringList, back);
        for (const QString &step : setup)
            run(m_root, step);
        const auto before = GameFolderBuilder::snapshot(m_root);
        for (const QString &step : there)
            run(m_root, step);
        QVERIFY2(GameFolderBuilder::snapshot(m_root) != before, "the steps changed nothing, so coming back proves nothing");
        for (const QString &step : back)
            run(m_root, step);
        QVERIFY(GameFolderBuilder::snapshot(m_root) == before);
    }

    void offShowsWhatLiesBelow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shows");
        const QStringList three = {"install first", "install second", "install third"};
        QTest::newRow("the top mod off") << three + QStringList{"disable third"} << QStringList{"4.gpi second", "5.gpi second", "6.gpi game"};
        QTest::newRow("the middle mod off") << three + QStringList{"disable second"}
                                            << QStringList{"3.gpi first", "4.gpi third", "5.gpi third", "font1 game"};
        QTest::newRow("the bottom mod off") << three + QStringList{"disable first"} << QStringList{"2.gpi game", "3.gpi second", "4.gpi third"};
        QTest::newRow("two off") << three + QStringList{"disable second", "disable third"}
                                 << QStringList{"3.gpi first", "4.gpi first", "5.gpi game", "6.gpi game", "font1 game"};
        QTest::newRow("the user's own below") << QStringList{"edit 3", "install first", "install second", "disable first", "disable second"}
                                              << QStringList{"3.gpi own", "2.gpi game", "4.gpi game"};
        QTest::newRow("the user's own below, then uninstalled") << QStringList{"edit 3", "install first", "install second", "disable second",
                                                                              "uninstall first"}
                                                                << QStringList{"3.gpi own", "4.gpi game"};
        QTest::newRow("an edit over them stays") << three + QStringList{"edit 5", "disable third", "disable second"} << QStringList{"5.gpi own"};
        QTest::newRow("moved below") << three + QStringList{"move third 0"} << QStringList{"4.gpi second", "5.gpi second", "6.gpi third"};
        QTest::newRow("a size-only picture over one off") << three + QStringList{"install sized", "disable third"}
                                                          << QStringList{"4.gpi sized over second"};
        QTest::newRow("a size-only picture moved down") << three + QStringList{"install sized", "move sized 1"}
                                                        << QStringList{"4.gpi third", "3.gpi second"};
        QTest::newRow("a profile in use") << three + QStringList{"save all", "disable first", "disable third", "save middle", "use all", "use middle"}
                                          << QStringList{"3.gpi second", "4.gpi second", "2.gpi game", "6.gpi game"};
        QTest::newRow("a profile in its own order") << three + QStringList{"move third 0", "save turned", "move third 2", "use turned"}
                                                    << QStringList{"4.gpi second", "5.gpi second", "6.gpi third"};
        QTest::newRow("a size-only picture alone") << three + QStringList{"install sized", "disable first", "disable second", "disable third"}
                                                   << QStringList{"4.gpi sized over game"};
        QTest::newRow("an edit over a size-only picture stays") << three + QStringList{"install sized", "edit 4", "disable sized"}
                                                                << QStringList{"4.gpi own", "5.gpi third"};
        QTest::newRow("an edit of a size-only picture's pixels stays") << three + QStringList{"install sized", "touch 4", "disable sized"}
                                                                       << QStringList{"4.gpi sized over third touched", "5.gpi third"};
        QTest::newRow("an edit of a picture's pixels stays") << three + QStringList{"touch 4", "disable third"}
                                                             << QStringList{"4.gpi third touched", "5.gpi second"};
    }

    // A mod that is off shows what lies below it: an earlier mod's picture, the user's own, or the game's.
    void offShowsWhatLiesBelow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shows);
        for (const QString &step : steps)
            run(m_root, step);
        checkShows(shows);
    }

    void updateInItsPlace_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shows");
        QTest::addColumn<QStringList>("order"); // the mods from the bottom up, with those off in brackets
        const QStringList three = {"install first", "install second", "install third"};
        QTest::newRow("the middle one") << three + QStringList{"update second"}
                                        << QStringList{"3.gpi second'", "4.gpi third", "5.gpi third", "font1 game", "7.gpi second'"}
                                        << QStringList{"first", "second", "third"};
        QTest::newRow("off stays off") << three + QStringList{"disable second", "update second"}
                                       << QStringList{"3.gpi first", "7.gpi game", "font1 game"} << QStringList{"first", "(second)", "third"};
        QTest::newRow("then switched on") << three + QStringList{"disable second", "update second", "enable second"}
                                          << QStringList{"3.gpi second'", "7.gpi second'"} << QStringList{"first", "second", "third"};
        QTest::newRow("the user's own stays below") << QStringList{"edit 3", "install second", "update second", "disable second"}
                                                    << QStringList{"3.gpi own", "7.gpi game"} << QStringList{"(second)"};
        QTest::newRow("the user's own below a picture it drops") << QStringList{"edit 3", "install first", "install second", "update first",
                                                                                  "disable second"}
                                                                 << QStringList{"3.gpi own", "2.gpi first'"} << QStringList{"first", "(second)"};
        QTest::newRow("an edit over it stays") << QStringList{"install second", "edit 7", "update second"} << QStringList{"7.gpi own", "3.gpi second'"}
                                               << QStringList{"second"};
    }

    // A newer version of a mod takes its place, on or off as it was, over what lies below it.
    void updateInItsPlace()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shows);
        QFETCH(QStringList, order);
        for (const QString &step : steps)
            run(m_root, step);
        checkShows(shows);
        QStringList found;
        const InstalledMods library = InstalledMods::load(m_root);
        for (const InstalledMod &mod : library.mods())
            found << (mod.enabled ? QString::fromStdString(mod.name) : "(" + QString::fromStdString(mod.name) + ")");
        QCOMPARE(found, order);
        // What the old version kept is gone with it: the library names one file a mod.
        const auto files = GameFolderBuilder::snapshot(m_root);
        const auto records = std::count_if(files.begin(), files.end(), [](const auto &file) { return file.first.ends_with(".zip"); });
        QCOMPARE(std::size_t(records), std::size_t(order.size()));
    }

    // A profile forgets a mod uninstalled since, and keeps its others in their order.
    void profilesForgetUninstalledMods()
    {
        for (const QString &step : QStringList{"install first", "install second", "install third", "save all", "uninstall second"})
            run(m_root, step);
        const InstalledMods library = InstalledMods::load(m_root);
        QCOMPARE(library.profiles().size(), std::size_t(1));
        QCOMPARE(library.profiles()[0].mods, (std::vector<std::string>{"first", "third"}));
        QVERIFY(library.inUse(library.profiles()[0]));
    }

    // Until the library that replaces it is written, a record of the first format keeps every file
    // it names, also one of a mod uninstalled since: tidying after only reading it removes nothing.
    void firstFormatKeptUntilWritten()
    {
        JsonValue::Array list;
        run(m_root, "edit 3");
        for (const char *name : {"first", "second"})
            installAsFirstFormat(m_root, named(libraryMods(), name), list);
        // As the first format uninstalled "first": the mod above took over what lay below it,
        // kept in the file of the mod gone.
        const std::string folder = GamePaths::underData(m_root, "tessary-mods/");
        const std::vector<std::uint8_t> kept = GameFolderBuilder::readFile(folder + "0001.zip");
        JsonValue::Object second = list[1].object();
        for (auto &[field, value] : second)
            if (field == "pictures") {
                JsonValue::Array pictures = value.array();
                JsonValue::Object three = pictures[0].object();
                for (auto &[name, item] : three)
                    if (name == "below")
                        item = JsonValue::Object{{"file", "0001.zip"}, {"file_sha256", Sha256::hex(kept.data(), kept.size())},
                                                 {"sha256", ownPicture(3).digest()}};
                pictures[0] = std::move(three);
                value = std::move(pictures);
            }
        const std::string text = JsonValue(JsonValue::Object{{"format", "Tessary installed mods"}, {"version", 1}, {"mods", JsonValue::Array{second}}}).dump();
        GameFolderBuilder::writeFile(folder + "installed.json", std::vector<std::uint8_t>(text.begin(), text.end()));
        const auto written = GameFolderBuilder::snapshot(m_root);

        InstalledMods read = InstalledMods::load(m_root);
        QVERIFY(!read.hasPendingChanges());
        read.tidy();
        QVERIFY(GameFolderBuilder::snapshot(m_root) == written);
        // The user's own picture below it came through: switched off, "second" shows it.
        run(m_root, "disable second");
        checkShows({"3.gpi own"});
        QVERIFY(!QFile::exists(QString::fromStdString(folder + "0001.zip")));
    }

    void firstFormatRecords_data()
    {
        QTest::addColumn<QStringList>("history"); // installed by the first format, or "edit N"
        QTest::addColumn<QStringList>("steps");   // then, by this one
        QTest::addColumn<QStringList>("shows");   // "shipped": the folder as the game shipped it
        const QStringList three = {"first", "second", "third"};
        QTest::newRow("the middle one uninstalled") << three << QStringList{"uninstall second"}
                                                    << QStringList{"3.gpi first", "4.gpi third", "5.gpi third", "font1 game"};
        QTest::newRow("off and on") << three << QStringList{"disable second", "enable second"}
                                    << QStringList{"3.gpi second", "4.gpi third", "5.gpi third", "font1 second"};
        QTest::newRow("the bottom one off") << three << QStringList{"disable first"} << QStringList{"2.gpi game", "3.gpi second"};
        QTest::newRow("the user's own below") << QStringList{"edit 3", "first", "second"} << QStringList{"uninstall second", "uninstall first"}
                                              << QStringList{"3.gpi own", "2.gpi game", "4.gpi game"};
        QTest::newRow("an edit between, then a mod") << QStringList{"first", "edit 3", "second"} << QStringList{"disable second"}
                                                     << QStringList{"3.gpi own", "2.gpi first", "4.gpi first"};
        QTest::newRow("all uninstalled") << three << QStringList{"uninstall first", "uninstall third", "uninstall second"}
                                         << QStringList{"shipped"};
    }

    // A record the first format wrote is read into the library: its mods come off, and switch off
    // and on, as if this version had installed them.
    void firstFormatRecords()
    {
        QFETCH(QStringList, history);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shows);
        JsonValue::Array list;
        for (const QString &step : history) {
            if (step.startsWith("edit"))
                run(m_root, step);
            else
                try {
                    installAsFirstFormat(m_root, named(libraryMods(), step), list);
                } catch (const std::exception &error) {
                    QFAIL(error.what());
                }
        }
        const std::string listFile = GamePaths::underData(m_root, "tessary-mods/installed.json");
        QVERIFY(listText(listFile).contains("\"version\": 1"));
        InstalledMods read;
        try {
            read = InstalledMods::load(m_root);
        } catch (const std::exception &error) {
            QFAIL(error.what());
        }
        QCOMPARE(read.mods().size(), std::size_t(history.filter(QRegularExpression("^[a-z]+$")).size()));
        for (const QString &step : steps) {
            run(m_root, step);
            // The first change writes the library in the present format.
            if (step == steps.first())
                QVERIFY(listText(listFile).contains("\"version\": 2"));
        }
        if (shows == QStringList{"shipped"}) {
            QVERIFY(GameFolderBuilder::snapshot(m_root) == m_shipped);
            return;
        }
        checkShows(shows);
        // Every mod left comes off again, down to the game's pictures and the user's own.
        for (InstalledMods record = InstalledMods::load(m_root); !record.mods().empty(); record = InstalledMods::load(m_root))
            run(m_root, "uninstall " + QString::fromStdString(record.mods().back().name));
        QVERIFY(!QFile::exists(QString::fromStdString(GamePaths::underData(m_root, "tessary-mods"))));
    }
};

QTEST_GUILESS_MAIN(TestModLibrary)
#include "test_mod_library.moc"
