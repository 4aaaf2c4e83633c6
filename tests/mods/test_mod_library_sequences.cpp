#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <random>

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
    std::string name;
    std::map<PictureKey, PictureValue> pictures;
    std::map<PictureKey, PictureValue> ownBelow;
    bool enabled = true;
};

struct Model {
    std::vector<ModelMod> mods;
    std::map<PictureKey, PictureValue> edits;

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

void applyAll(Catalogue &c, InstalledMods &record)
{
    WriteBackOptions options;
    options.records = record.pendingFiles();
    applyAllChanges(c, options);
    record.committed();
}

} // namespace

// Random sequences of installing, switching, moving, the user's own imports, applying and
// uninstalling on the small sample: after every step the catalogue (and after applying, the game
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
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            std::mt19937 random(std::uint32_t(2026 + sequence));
            const std::string root = m_work.filePath(QStringLiteral("game%1").arg(sequence)).toStdString();
            std::filesystem::copy(m_sample, root, std::filesystem::copy_options::recursive);
            Catalogue c = loadGameFolder(root);
            InstalledMods record = InstalledMods::load(root);
            Model model;
            int made = 0;
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
                    if (count == 0 || roll < 22) {
                        what = "install";
                        ModContents contents;
                        contents.name = "mod " + std::to_string(++made);
                        contents.source = contents.name + ".zip";
                        ModelMod added{contents.name, {}, {}, true};
                        std::vector<PictureKey> chosen = keys;
                        std::shuffle(chosen.begin(), chosen.end(), random);
                        chosen.resize(1 + random() % 4);
                        std::sort(chosen.begin(), chosen.end());
                        for (const PictureKey &key : chosen) {
                            contents.pictures.push_back(randomPicture(random, key, m_shipped));
                            added.pictures[key] = contents.pictures.back();
                            if (model.edits.count(key)) {
                                added.ownBelow[key] = model.edits.at(key);
                                model.edits.erase(key);
                            }
                        }
                        record.install(c, std::move(contents), 0);
                        model.mods.push_back(std::move(added));
                    } else if (roll < 44) {
                        what = "enable or disable";
                        const std::size_t mod = random() % count;
                        model.mods[mod].enabled = !model.mods[mod].enabled;
                        record.setEnabled(c, mod, model.mods[mod].enabled);
                    } else if (roll < 60) {
                        what = "move";
                        const std::size_t mod = random() % count, to = random() % count;
                        ModelMod moving = model.mods[mod];
                        model.mods.erase(model.mods.begin() + std::ptrdiff_t(mod));
                        model.mods.insert(model.mods.begin() + std::ptrdiff_t(to), std::move(moving));
                        record.move(c, mod, to);
                    } else if (roll < 74) {
                        what = "the user's own import";
                        const PictureKey key = keys[random() % keys.size()];
                        if (key.font) {
                            c.replaceFontSheet(key.number, randomPicture(random, key, m_shipped).sheet);
                        } else {
                            const int width = 1 + int(random() % 5), height = 1 + int(random() % 5);
                            c.replaceImage(key.number, width, height, width * height * 4, randomPixels(random, width, height));
                        }
                        model.edits[key] = PictureValues::current(c, key);
                    } else if (roll < 88) {
                        what = "apply";
                        applyAll(c, record);
                        c = loadGameFolder(root);
                        record = InstalledMods::load(root);
                    } else {
                        what = "uninstall";
                        const std::size_t mod = random() % count;
                        const ModelMod gone = model.mods[mod];
                        model.mods.erase(model.mods.begin() + std::ptrdiff_t(mod));
                        for (const auto &[key, own] : gone.ownBelow) {
                            auto above = std::find_if(model.mods.begin() + std::ptrdiff_t(mod), model.mods.end(),
                                                      [&key](const ModelMod &later) { return later.pictures.count(key) > 0; });
                            if (above == model.mods.end())
                                model.edits.emplace(key, own); // an edit over it stays over it
                            else
                                above->ownBelow.emplace(key, own);
                        }
                        record.uninstall(c, mod);
                    }
                } catch (const std::exception &error) {
                    QFAIL(qPrintable(failure(sequence, step, std::string(what) + " threw: " + error.what())));
                }
                const QString wrong = check(step, what);
                QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
                QCOMPARE(record.mods().size(), model.mods.size());
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
    }
};

QTEST_MAIN(TestModLibrarySequences) // the sample maker paints its pictures with Qt
#include "test_mod_library_sequences.moc"
