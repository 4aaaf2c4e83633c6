#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "game_folder_builder.h"
#include "game_paths.h"
#include "installed_mods.h"
#include "kept_originals.h"
#include "sample_folder.h"
#include "write_back.h"

namespace {

constexpr int Sequences = 12;
constexpr int StepsEach = 28;
// The pictures the sequences set: few, so that mods and edits overlap often.
constexpr int Images = 12;
constexpr int Fonts = 2;

// The library as the test keeps it, composed from scratch: each mod's pictures, the user's own
// kept below it, on or off; the user's edits that show over everything.
struct ModelMod {
    int order = 0; // when it (or its version) was installed, which the others follow when a profile is used
    std::string name;
    std::map<PictureKey, PictureValue> pictures;
    std::map<PictureKey, PictureValue> ownBelow;
    bool enabled = true;
};

struct Model {
    std::vector<ModelMod> mods;
    std::map<PictureKey, PictureValue> edits;
    std::map<std::string, std::vector<std::string>> profiles;

    // gone's own pictures kept below it, but those of kept, go below the next mod from from on that sets them.
    void handOn(const ModelMod &gone, std::size_t from, const std::set<PictureKey> &kept)
    {
        for (const auto &[key, own] : gone.ownBelow) {
            if (kept.count(key))
                continue;
            auto above = std::find_if(mods.begin() + std::ptrdiff_t(from), mods.end(),
                                      [&key](const ModelMod &later) { return later.pictures.count(key) > 0; });
            if (above == mods.end())
                edits.emplace(key, own); // an edit over it stays over it
            else
                above->ownBelow.emplace(key, own);
        }
    }

    PictureValue shows(PictureKey key, const Catalogue &shipped) const
    {
        if (edits.count(key))
            return edits.at(key);
        PictureValue shown = PictureValues::current(shipped, key);
        for (const ModelMod &mod : mods) {
            if (mod.ownBelow.count(key))
                shown = mod.ownBelow.at(key);
            if (!mod.enabled || !mod.pictures.count(key))
                continue;
            PictureValue picture = mod.pictures.at(key);
            if (picture.sizeOnly) {
                const TGPHDetails below = shown.entry;
                const std::int32_t width = picture.entry.Width, height = picture.entry.Height;
                picture.entry = below;
                picture.entry.Width = width;
                picture.entry.Height = height;
                picture.blocks = shown.blocks;
                picture.sizeOnly = false;
            }
            shown = std::move(picture);
        }
        return shown;
    }
};

std::vector<PictureKey> pool()
{
    std::vector<PictureKey> keys;
    for (int n = 1; n <= Images; ++n)
        keys.push_back({false, n});
    for (int i = 0; i < Fonts; ++i)
        keys.push_back({true, i});
    return keys;
}

PixelBuffer randomPixels(std::mt19937 &random, int width, int height)
{
    PixelBuffer pixels(std::size_t(width * height));
    for (std::uint32_t &pixel : pixels)
        pixel = std::uint32_t(random());
    return pixels;
}

PictureValue randomPicture(std::mt19937 &random, PictureKey key, const Catalogue &shipped)
{
    PictureValue value = PictureValues::current(shipped, key);
    if (key.font) {
        for (std::uint8_t &level : value.sheet)
            level = std::uint8_t(random());
        return value;
    }
    const int width = 1 + int(random() % 6), height = 1 + int(random() % 6);
    value.entry.Width = width;
    value.entry.Height = height;
    value.entry.Lead = std::uint32_t(random());
    value.entry.Trailer[0] = std::uint8_t(random());
    value.byteCount = width * height * 4;
    value.pixels = randomPixels(random, width, height);
    value.sizeOnly = random() % 3 == 0;
    return value;
}

// A mod of 1 to 4 pictures of the pool, images of random sizes, some setting their size only.
ModContents randomMod(const std::string &name, std::mt19937 &random, const Catalogue &shipped)
{
    ModContents contents;
    contents.name = name;
    contents.source = name + ".zip";
    std::vector<PictureKey> chosen = pool();
    std::shuffle(chosen.begin(), chosen.end(), random);
    chosen.resize(1 + random() % 4);
    std::sort(chosen.begin(), chosen.end());
    for (const PictureKey &key : chosen)
        contents.pictures.push_back(randomPicture(random, key, shipped));
    return contents;
}

void applyAll(Catalogue &c, InstalledMods &record)
{
    WriteBackOptions options;
    options.records = record.pendingFiles();
    applyAllChanges(c, options);
    record.committed();
}

} // namespace

// Random sequences of installing, updating, switching, moving, saving and using profiles, the
// user's own imports, applying and uninstalling on the small sample: after every step the catalogue (and after applying, the game
// folder read back) shows what composing the library from scratch gives, index entries included;
// with everything taken off, the folder is the one the sample maker made.
class TestModLibrarySequences : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    std::string m_sample;
    Catalogue m_shipped;

    static QString failure(int sequence, int step, const std::string &what)
    {
        return QStringLiteral("sequence %1, step %2: %3").arg(sequence).arg(step).arg(QString::fromStdString(what));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_sample = m_work.filePath("sample").toStdString();
        SampleFolder::write(m_sample, SampleKind::Small);
        m_shipped = loadGameFolder(m_sample);
    }

    void sequencesComposeFromScratch()
    {
        const auto shipped = GameFolderBuilder::snapshot(m_sample);
        const std::vector<PictureKey> keys = pool();
        int steps = 0;
        std::map<std::string, int> kinds;
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            std::mt19937 random(std::uint32_t(2026 + sequence));
            const std::string root = m_work.filePath(QStringLiteral("game%1").arg(sequence)).toStdString();
            std::filesystem::copy(m_sample, root, std::filesystem::copy_options::recursive);
            Catalogue c = loadGameFolder(root);
            InstalledMods record = InstalledMods::load(root);
            Model model;
            int made = 0, installs = 0;
            auto check = [&](int step, const char *what) {
                for (const PictureKey &key : keys)
                    if (PictureValues::currentDigest(c, key) != model.shows(key, m_shipped).digest())
                        return failure(sequence, step, std::string(what) + ": " + key.caption() + " is not what the layers give");
                return QString();
            };
            for (int step = 0; step < StepsEach; ++step, ++steps) {
                const int roll = int(random() % 100);
                const std::size_t count = model.mods.size();
                const char *what = "";
                try {
                    if (count == 0 || roll < 18) {
                        what = "install";
                        ModContents contents = randomMod("mod " + std::to_string(++made), random, m_shipped);
                        ModelMod added{++installs, contents.name, {}, {}, true};
                        for (const PictureValue &value : contents.pictures) {
                            added.pictures[value.key] = value;
                            if (model.edits.count(value.key)) {
                                added.ownBelow[value.key] = model.edits.at(value.key);
                                model.edits.erase(value.key);
                            }
                        }
                        record.install(c, std::move(contents), 0);
                        model.mods.push_back(std::move(added));
                    } else if (roll < 26) {
                        what = "update";
                        const std::size_t mod = random() % count;
                        ModContents contents = randomMod(model.mods[mod].name, random, m_shipped);
                        const ModelMod old = model.mods[mod];
                        ModelMod newer{++installs, old.name, {}, {}, old.enabled};
                        std::set<PictureKey> shared;
                        for (const PictureValue &value : contents.pictures) {
                            newer.pictures[value.key] = value;
                            if (old.pictures.count(value.key)) {
                                shared.insert(value.key);
                                if (old.ownBelow.count(value.key))
                                    newer.ownBelow[value.key] = old.ownBelow.at(value.key);
                            }
                        }
                        model.mods[mod] = std::move(newer);
                        model.handOn(old, mod + 1, shared);
                        record.update(c, mod, std::move(contents), 0);
                    } else if (roll < 30) {
                        what = "save a profile";
                        const std::string name = "profile " + std::to_string(random() % 3);
                        std::vector<std::string> &members = model.profiles[name];
                        members.clear();
                        for (const ModelMod &mod : model.mods)
                            if (mod.enabled)
                                members.push_back(mod.name);
                        record.saveProfile(name);
                    } else if (roll < 36 && !model.profiles.empty()) {
                        what = "use a profile";
                        auto profile = model.profiles.begin();
                        std::advance(profile, random() % model.profiles.size());
                        std::vector<ModelMod> next, others;
                        for (const std::string &member : profile->second)
                            for (const ModelMod &mod : model.mods)
                                if (mod.name == member) {
                                    next.push_back(mod);
                                    next.back().enabled = true;
                                }
                        for (const ModelMod &mod : model.mods)
                            if (std::find(profile->second.begin(), profile->second.end(), mod.name) == profile->second.end()) {
                                others.push_back(mod);
                                others.back().enabled = false;
                            }
                        std::sort(others.begin(), others.end(), [](const ModelMod &a, const ModelMod &b) { return a.order < b.order; });
                        next.insert(next.end(), others.begin(), others.end());
                        model.mods = std::move(next);
                        record.useProfile(c, profile->first);
                    } else if (roll < 52) {
                        what = "enable or disable";
                        const std::size_t mod = random() % count;
                        model.mods[mod].enabled = !model.mods[mod].enabled;
                        record.setEnabled(c, mod, model.mods[mod].enabled);
                    } else if (roll < 64) {
                        what = "move";
                        const std::size_t mod = random() % count, to = random() % count;
                        ModelMod moving = model.mods[mod];
                        model.mods.erase(model.mods.begin() + std::ptrdiff_t(mod));
                        model.mods.insert(model.mods.begin() + std::ptrdiff_t(to), std::move(moving));
                        record.move(c, mod, to);
                    } else if (roll < 76) {
                        what = "the user's own import";
                        const PictureKey key = keys[random() % keys.size()];
                        if (key.font) {
                            c.replaceFontSheet(key.number, randomPicture(random, key, m_shipped).sheet);
                        } else {
                            const int width = 1 + int(random() % 5), height = 1 + int(random() % 5);
                            c.replaceImage(key.number, width, height, width * height * 4, randomPixels(random, width, height));
                        }
                        model.edits[key] = PictureValues::current(c, key);
                    } else if (roll < 89) {
                        what = "apply";
                        applyAll(c, record);
                        c = loadGameFolder(root);
                        record = InstalledMods::load(root);
                    } else {
                        what = "uninstall";
                        const std::size_t mod = random() % count;
                        const ModelMod gone = model.mods[mod];
                        model.mods.erase(model.mods.begin() + std::ptrdiff_t(mod));
                        model.handOn(gone, mod, {});
                        for (auto &[name, members] : model.profiles)
                            std::erase(members, gone.name);
                        record.uninstall(c, mod);
                    }
                } catch (const std::exception &error) {
                    QFAIL(qPrintable(failure(sequence, step, std::string(what) + " threw: " + error.what())));
                }
                ++kinds[what];
                const QString wrong = check(step, what);
                QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
                QCOMPARE(record.mods().size(), model.mods.size());
                for (std::size_t k = 0; k < model.mods.size(); ++k)
                    QVERIFY2(record.mods()[k].name == model.mods[k].name && record.mods()[k].enabled == model.mods[k].enabled,
                             qPrintable(failure(sequence, step, std::string(what) + ": the library's order or switches differ")));
                for (const auto &[name, members] : model.profiles) {
                    const int at = record.findProfile(name);
                    QVERIFY2(at >= 0 && record.profiles()[std::size_t(at)].mods == members,
                             qPrintable(failure(sequence, step, std::string(what) + ": the profile " + name + " differs")));
                }
            }
            // Everything off: every mod uninstalled, the user's own pictures restored, applied.
            try {
                while (!record.mods().empty())
                    record.uninstall(c, random() % record.mods().size());
                for (const PictureKey &key : keys)
                    key.font ? KeptOriginals::restoreFont(c, key.number) : KeptOriginals::restoreImage(c, key.number);
                applyAll(c, record);
            } catch (const std::exception &error) {
                QFAIL(qPrintable(failure(sequence, StepsEach, std::string("taking everything off threw: ") + error.what())));
            }
            QVERIFY2(GameFolderBuilder::snapshot(root) == shipped, qPrintable(failure(sequence, StepsEach, "the folder is not as shipped")));
            QVERIFY(!std::filesystem::exists(GamePaths::underData(root, "tessary-mods")));
            std::filesystem::remove_all(root);
        }
        qInfo("%d sequences of %d steps (%d steps) composed from scratch after every step", Sequences, StepsEach, steps);
        for (const auto &[kind, times] : kinds)
            qInfo("  %s: %d", kind.c_str(), times);
        QVERIFY2(kinds.size() == 9, "a kind of step never ran");
    }
};

QTEST_MAIN(TestModLibrarySequences) // the sample maker paints its pictures with Qt
#include "test_mod_library_sequences.moc"
