#include <QtTest>

#include <string>
#include <vector>

#include "catalogue.h"
#include "picture_history.h"
#include "picture_states.h"
#include "picture_step.h"
#include "tga_fixtures.h"

using namespace TgaFixtures;

namespace {

DecodedImage picture(int width, int height, int variant)
{
    return {width, height, width * height * 4, bufferOf(patternBgra(width, height, variant))};
}

Catalogue threeImages()
{
    Catalogue c = makeCatalogue({{5, 5}, {5, 5}, {4, 2}});
    c.markImageChanged(2); // a change not yet applied, whose mark must come back too
    return c;
}

} // namespace

// The undo history of picture changes: byte-exact undo and redo with change marks, the bound
// on the pictures it keeps, and redo ending with a new step.
class PictureHistoryTest : public QObject {
    Q_OBJECT

private slots:
    // Revert, restore and the image editor's steps are checked in the window (test_undo).
    void undoAndRedoEachChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("an image of another size") << "size";
        QTest::newRow("a font sheet") << "font";
        QTest::newRow("many pictures in one step") << "many";
    }
    void undoAndRedoEachChange()
    {
        QFETCH(QString, change);
        Catalogue c = threeImages();
        const std::vector<PictureState> before = pictureStates(c);
        PictureStep step("import");
        if (change != "font")
            QVERIFY(step.replaceImage(c, 3, picture(7, 3, 8)));
        if (change != "size")
            QVERIFY(step.replaceFontSheet(c, 1, patternSheet(7)));
        if (change == "many")
            QVERIFY(step.replaceImage(c, 2, picture(5, 5, 6)));
        const std::vector<PictureState> after = pictureStates(c);
        QVERIFY(after != before);

        PictureHistory history;
        QVERIFY(history.record(std::move(step)));
        QCOMPARE(history.undoName(), std::string("import"));
        QVERIFY(history.undo(c));
        QVERIFY(pictureStates(c) == before);
        QCOMPARE(history.redoName(), std::string("import"));
        QVERIFY(history.redo(c));
        QVERIFY(pictureStates(c) == after);
        QVERIFY(history.undo(c));
        QVERIFY(pictureStates(c) == before);
        QVERIFY(!history.undo(c));
    }

    // Each step here keeps one 5 x 5 picture: 100 bytes.
    void bound_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("kept");
        QTest::newRow("all fit") << 300 << 3;
        QTest::newRow("the oldest go") << 250 << 2;
        QTest::newRow("a step larger than the bound") << 50 << 0;
    }
    void bound()
    {
        QFETCH(int, limit);
        QFETCH(int, kept);
        Catalogue c = threeImages();
        const Bytes loaded = bytesOf(c.ImagePixels[1], 100);
        PictureHistory history(static_cast<std::uint64_t>(limit));
        bool last = false;
        for (int k = 0; k < 3; ++k) {
            PictureStep step("step " + std::to_string(k));
            QVERIFY(step.replaceImage(c, 1, picture(5, 5, 20 + k)));
            last = history.record(std::move(step));
        }
        QCOMPARE(last, kept > 0);
        QCOMPARE(int(history.size()), kept);
        QVERIFY(history.bytes() <= std::uint64_t(limit));
        QCOMPARE(history.bytes(), std::uint64_t(100 * kept));
        QCOMPARE(history.undoName(), std::string(kept ? "step 2" : ""));
        // What is kept still undoes exactly, back to the oldest step held.
        for (int k = 0; k < kept; ++k)
            QVERIFY(history.undo(c));
        if (kept)
            QVERIFY(bytesOf(c.ImagePixels[1], 100) == (kept == 3 ? loaded : patternBgra(5, 5, 20 + 2 - kept)));
    }

    void aNewStepEndsRedo()
    {
        Catalogue c = threeImages();
        PictureHistory history;
        for (int variant : {30, 31}) {
            PictureStep step("step");
            QVERIFY(step.replaceImage(c, 1, picture(5, 5, variant)));
            history.record(std::move(step));
        }
        QVERIFY(history.undo(c));
        QVERIFY(history.canRedo());
        PictureStep unchanged("nothing");
        QVERIFY(!unchanged.replaceImage(c, 1, picture(5, 5, 30)));
        QVERIFY(!history.record(std::move(unchanged)));
        QVERIFY(history.canRedo());
        PictureStep other("other");
        QVERIFY(other.replaceFontSheet(c, 0, patternSheet(40)));
        QVERIFY(history.record(std::move(other)));
        QVERIFY(!history.canRedo());
        QCOMPARE(history.size(), std::size_t(2));
    }
};

QTEST_APPLESS_MAIN(PictureHistoryTest)
#include "test_picture_history.moc"
