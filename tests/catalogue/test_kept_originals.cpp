#include <QtTest>

#include <filesystem>

#include "catalogue.h"
#include "game_file_error.h"
#include "game_folder_builder.h"
#include "game_paths.h"
#include "kept_originals.h"
#include "write_back.h"

using namespace GameFolderBuilder;

namespace {

// A change of one picture: image 2 with new pixels (same size or 3 x 3), or font sheet 1.
enum class Change { ImagePixels, ImageResized, FontSheet };

bool isChanged(const Catalogue &c, Change change)
{
    return change == Change::FontSheet ? c.fontChanged(1) : c.imageChanged(2);
}

// Makes a change that differs from the game folder's and from every earlier one (variant).
void change(Catalogue &c, Change kind, std::uint8_t variant)
{
    if (kind == Change::FontSheet) {
        FontSheet sheet = c.FontBitmaps[1];
        for (std::uint8_t &level : sheet)
            level = std::uint8_t(level ^ (0x40 | variant));
        QVERIFY(c.replaceFontSheet(1, std::move(sheet)));
        return;
    }
    const int w = kind == Change::ImageResized ? 3 : c.ImageDetails[2].Width;
    const int h = kind == Change::ImageResized ? 3 : c.ImageDetails[2].Height;
    PixelBuffer pixels(std::size_t(w * h), 0x80402000u | variant);
    QVERIFY(c.replaceImage(2, w, h, w * h * 4, std::move(pixels)));
}

// The picture a change touches, and its index entry's size: what must come back.
struct Picture {
    std::vector<std::uint8_t> bytes;
    std::pair<int, int> size;
    bool operator==(const Picture &) const = default;
};

Picture pictureOf(const Catalogue &c, Change kind)
{
    if (kind == Change::FontSheet)
        return {c.FontBitmaps[1], {256, 256}};
    const auto *first = reinterpret_cast<const std::uint8_t *>(c.ImagePixels[2].data());
    return {{first, first + c.ImageSizes[2]}, {c.ImageDetails[2].Width, c.ImageDetails[2].Height}};
}

} // namespace

Q_DECLARE_METATYPE(Change)

// Change marks, revert to the game folder's file, and the game's originals kept by "Apply All
// Changes" and restored from there.
class KeptOriginalsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    std::string freshFolder()
    {
        const std::string root = m_dir.path().toStdString() + "/game" + std::to_string(++m_case);
        make(root, 6);
        return root;
    }
    static void rows()
    {
        QTest::addColumn<Change>("kind");
        QTest::newRow("image pixels") << Change::ImagePixels;
        QTest::newRow("image size") << Change::ImageResized;
        QTest::newRow("font sheet") << Change::FontSheet;
    }
    static bool revert(Catalogue &c, Change kind)
    {
        return kind == Change::FontSheet ? KeptOriginals::revertFont(c, 1) : KeptOriginals::revertImage(c, 2);
    }
    static bool restore(Catalogue &c, Change kind)
    {
        return kind == Change::FontSheet ? KeptOriginals::restoreFont(c, 1) : KeptOriginals::restoreImage(c, 2);
    }
    static bool differs(const Catalogue &c, Change kind)
    {
        return kind == Change::FontSheet ? KeptOriginals::fontDiffers(c, 1) : KeptOriginals::imageDiffers(c, 2);
    }

private slots:
    void marksFollowChangesApplyAndRevert_data() { rows(); }
    void marksFollowChangesApplyAndRevert()
    {
        QFETCH(Change, kind);
        const std::string root = freshFolder();
        Catalogue c = loadGameFolder(root);
        const Picture loaded = pictureOf(c, kind);
        QVERIFY(!c.hasChanges());

        change(c, kind, 1);
        QVERIFY(isChanged(c, kind) && c.hasChanges());
        QVERIFY(revert(c, kind));
        QVERIFY(!isChanged(c, kind) && !c.hasChanges());
        QVERIFY(pictureOf(c, kind) == loaded);

        change(c, kind, 2);
        const Picture applied = pictureOf(c, kind);
        applyAllChanges(c);
        QVERIFY(!isChanged(c, kind) && !c.hasChanges());
        // After the apply the game folder's file is the change itself: nothing to drop.
        QVERIFY(!revert(c, kind));
        QVERIFY(pictureOf(c, kind) == applied && !c.hasChanges());
    }

    void originalsAreKeptOnceAndRestored_data() { rows(); }
    void originalsAreKeptOnceAndRestored()
    {
        QFETCH(Change, kind);
        const std::string root = freshFolder();
        const auto gameAsShipped = snapshot(root);
        Catalogue c = loadGameFolder(root);
        const Picture original = pictureOf(c, kind);
        const std::string relative = kind == Change::FontSheet ? GamePaths::relativeFont(1) : GamePaths::relativeImage(2);
        const std::vector<std::uint8_t> originalFile = readFile(GamePaths::underData(root, relative));

        QVERIFY(!differs(c, kind));
        for (std::uint8_t variant : {1, 2}) {
            change(c, kind, variant);
            applyAllChanges(c);
            QVERIFY(readFile(GamePaths::original(root, relative)) == originalFile);
        }
        QVERIFY(differs(c, kind));
        QVERIFY(!KeptOriginals::imageDiffers(c, 3));

        QVERIFY(restore(c, kind));
        QVERIFY(isChanged(c, kind));
        QVERIFY(pictureOf(c, kind) == original);
        applyAllChanges(c);
        QVERIFY(snapshot(root) == gameAsShipped);
        QVERIFY(!differs(c, kind));
        // Restoring what the game folder already holds changes nothing and marks nothing.
        QVERIFY(!restore(c, kind));
        QVERIFY(!c.hasChanges());
    }

    void restoreWithoutKeptOriginalReverts_data() { rows(); }
    void restoreWithoutKeptOriginalReverts()
    {
        QFETCH(Change, kind);
        const std::string root = freshFolder();
        Catalogue c = loadGameFolder(root);
        const Picture loaded = pictureOf(c, kind);
        change(c, kind, 3);
        QVERIFY(differs(c, kind));
        QVERIFY(restore(c, kind));
        QVERIFY(pictureOf(c, kind) == loaded);
        QVERIFY(!c.hasChanges());
        QVERIFY(!std::filesystem::exists(GamePaths::originals(root)));
    }

    void failedRevertKeepsTheChange_data() { rows(); }
    void failedRevertKeepsTheChange()
    {
        QFETCH(Change, kind);
        const std::string root = freshFolder();
        Catalogue c = loadGameFolder(root);
        change(c, kind, 4);
        const Picture changed = pictureOf(c, kind);
        const std::string file = kind == Change::FontSheet ? GamePaths::font(root, 1) : GamePaths::image(root, 2);
        std::filesystem::remove(file);
        try {
            revert(c, kind);
            QFAIL("a missing file was reverted to");
        } catch (const GameFileError &error) {
            QCOMPARE(error.path(), file);
        }
        QVERIFY(pictureOf(c, kind) == changed);
        QVERIFY(isChanged(c, kind));
    }
};

QTEST_GUILESS_MAIN(KeptOriginalsTest)
#include "test_kept_originals.moc"
