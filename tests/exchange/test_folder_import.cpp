#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "catalogue.h"
#include "folder_import.h"
#include "game_file_error.h"
#include "picture_names.h"
#include "tga_export.h"
#include "tga_fixtures.h"
#include "tga_import.h"
#include "tga_rle_refused.h"

using namespace TgaFixtures;

namespace {

Catalogue twelveImages()
{
    std::vector<std::pair<int, int>> sizes;
    for (int n = 1; n <= 12; ++n)
        sizes.emplace_back(n + 2, n + 1);
    return makeCatalogue(sizes);
}

// A .tga file of image n of catalogue as the program exports it.
void exportImage(const Catalogue &c, int n, const std::string &file)
{
    saveImageTga(c, n, file.substr(0, file.size() - 4));
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

QStringList namesOf(const std::vector<std::pair<std::string, Message>> &refused)
{
    QStringList names;
    for (const auto &[name, reason] : refused)
        names << QString::fromStdString(name);
    return names;
}

QStringList qt(const std::vector<std::string> &names)
{
    QStringList list;
    for (const std::string &name : names)
        list << QString::fromStdString(name);
    return list;
}

} // namespace

// Loading a whole folder of pictures: matching by name, decoding everything first, the summary.
class FolderImportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    std::string newFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("mod%1").arg(++m_case));
        QDir().mkpath(folder);
        return folder.toStdString();
    }

private slots:
    void namesMatchPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("font");
        QTest::newRow("exported name") << "001.tga" << 1 << -1;
        QTest::newRow("no zeros") << "1.tga" << 1 << -1;
        QTest::newRow("png") << "001.png" << 1 << -1;
        QTest::newRow("capitals") << "12.PNG" << 12 << -1;
        QTest::newRow("many zeros") << "00042.tga" << 42 << -1;
        QTest::newRow("caption name") << "12.gpi.tga" << 12 << -1;
        QTest::newRow("letters") << "1a.tga" << 0 << -1;
        QTest::newRow("sign") << "-1.tga" << 0 << -1;
        QTest::newRow("no name") << ".tga" << 0 << -1;
        QTest::newRow("other format") << "001.bmp" << 0 << -1;
        QTest::newRow("backup") << "001.tga.bak" << 0 << -1;
        QTest::newRow("font, exported name") << "New_Font1000.gpf.tga" << 0 << 1;
        QTest::newRow("font, png in any case") << "new_font1000.GPF.png" << 0 << 1;
        QTest::newRow("font without .gpf") << "texttest1250.png" << 0 << 5;
        QTest::newRow("font file itself") << "New_Font1000.gpf" << 0 << -1;
        QTest::newRow("another font") << "Arial.tga" << 0 << -1;
    }

    void namesMatchPictures()
    {
        QFETCH(QString, name);
        QFETCH(int, image);
        QFETCH(int, font);
        QCOMPARE(PictureNames::imageNumber(name.toStdString()), image);
        QCOMPARE(PictureNames::fontNumber(name.toStdString()), font);
    }

    void everyFileIsAccountedFor()
    {
        Catalogue c = twelveImages();
        const Catalogue before = c;
        Catalogue edited = twelveImages();
        edited.ImagePixels[2][0] ^= 0x00FFFFFFu;
        const std::string folder = newFolder();
        exportImage(edited, 2, folder + "/002.tga");
        exportImage(c, 3, folder + "/3.tga");
        TgaHeader rle;
        rle.ImageType = 10;
        writeFile(folder + "/004.tga", buildTga(rle, {}, {}, Bytes(40, 1)));
        exportImage(c, 5, folder + "/005.tga");
        Bytes cut = readFile(folder + "/005.tga");
        QVERIFY(QFile::remove(QString::fromStdString(folder + "/005.tga")));
        cut.resize(cut.size() - 9);
        writeFile(folder + "/005.TGA", cut);
        exportImage(edited, 6, folder + "/006.tga");
        exportImage(edited, 6, folder + "/6.gpi.tga");
        writeFile(folder + "/readme.txt", Bytes(3, 'x'));
        exportImage(c, 1, folder + "/999.tga");
        saveFontTga(c, 1, folder + "/New_Font1000.gpf");
        writeFile(folder + "/.hidden.tga", Bytes(3, 'x'));
        QDir().mkpath(QString::fromStdString(folder + "/007.tga"));
#ifndef _WIN32
        QCOMPARE(::mkfifo((folder + "/008.tga").c_str(), 0600), 0);
        const QString skipped = "2 entries were skipped, as they are no files: 007.tga (a folder), 008.tga (not a regular file)";
#else
        const QString skipped = "1 entry was skipped, as it is no file: 007.tga (a folder)";
#endif

        std::vector<std::pair<int, int>> steps;
        const FolderImportPlan plan = planFolderImport(listPicturesFolder(folder), c, PictureKinds::Images);
        const FolderImportSummary summary
            = runFolderImport(c, plan, tgaReader(), [&steps](int done, int total) { steps.emplace_back(done, total); });

        QCOMPARE(qt(summary.imported), QStringList{"002.tga"});
        QCOMPARE(qt(summary.identical), QStringList{"3.tga"});
        QCOMPARE(namesOf(summary.refused), (QStringList{"004.tga", "005.TGA", "006.tga", "6.gpi.tga"}));
        QCOMPARE(summary.refused[0].second.english(), std::string(TgaRleRefused::Text));
        QVERIFY(summary.refused[1].second.english().starts_with("reading beyond the end of the file"));
        QVERIFY(summary.refused[2].second.english().find("all name the same image: 006.tga, 6.gpi.tga") != std::string::npos);
        QCOMPARE(qt(sorted(summary.unmatched)), (QStringList{"999.tga", "New_Font1000.gpf.tga", "readme.txt"}));
        QCOMPARE(summary.images, std::vector<int>{2});

        // Only the picture that decoded and differs changed; the refused ones are untouched.
        QVERIFY(c.ImagePixels[2] == edited.ImagePixels[2] && c.imageChanged(2));
        for (int n : {1, 3, 4, 5, 6, 7}) {
            QVERIFY(c.ImagePixels[std::size_t(n)] == before.ImagePixels[std::size_t(n)]);
            QVERIFY(!c.imageChanged(n));
        }
        // The two clashing files are never read; the four others are, each announced first.
        QCOMPARE(steps.size(), std::size_t(5));
        QCOMPARE(steps.front(), std::pair(0, 4));
        QCOMPARE(steps.back(), std::pair(4, 4));

        const QStringList lines = QString::fromStdString(summary.text("mod")).split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], "Imported 1 picture from mod.");
        QCOMPARE(lines[1], "1 file was the same as the picture already there: 3.tga");
        QCOMPARE(lines[2], "4 files were refused:");
        QCOMPARE(lines[3], QStringLiteral("004.tga: ") + TgaRleRefused::Text);
        QVERIFY(lines[6].startsWith("6.gpi.tga: these files all name the same image"));
        QVERIFY(lines[7].startsWith("3 files matched no image: "));
        // What is no file is named as skipped, never read.
        QCOMPARE(lines[8], skipped);
    }

    void dryRunChangesNothing()
    {
        Catalogue c = twelveImages();
        Catalogue edited = twelveImages();
        edited.ImagePixels[8][1] ^= 0xFF000000u;
        const std::string folder = newFolder();
        exportImage(edited, 8, folder + "/008.tga");
        exportImage(c, 9, folder + "/009.tga");
        const FolderImportPlan plan = planFolderImport(picturesFolderFiles(folder), c, PictureKinds::Both);
        const FolderImportSummary summary = runFolderImport(c, plan, tgaReader(), {}, true);
        QCOMPARE(qt(summary.imported), QStringList{"008.tga"});
        QCOMPARE(qt(summary.identical), QStringList{"009.tga"});
        QVERIFY(c.ImagePixels[8] == twelveImages().ImagePixels[8]);
        QVERIFY(!c.imageChanged(8));
        QVERIFY(summary.text("mod").starts_with("Would import 1 picture from mod."));
    }

    void fontSheetsByName()
    {
        Catalogue c = twelveImages();
        Catalogue edited = twelveImages();
        edited.FontBitmaps[1][5] ^= 0xFF;
        edited.FontBitmaps[5][7] ^= 0xFF;
        const std::string folder = newFolder();
        saveFontTga(edited, 1, folder + "/New_Font1000.gpf");
        saveFontTga(edited, 5, folder + "/texttest1250");
        saveFontTga(c, 0, folder + "/badfont1000.gpf");
        exportImage(edited, 1, folder + "/001.tga");
        const FolderImportPlan plan = planFolderImport(picturesFolderFiles(folder), c, PictureKinds::Fonts);
        const FolderImportSummary summary = runFolderImport(c, plan, tgaReader());
        QCOMPARE(qt(sorted(summary.imported)), (QStringList{"New_Font1000.gpf.tga", "texttest1250.tga"}));
        QCOMPARE(qt(summary.identical), QStringList{"badfont1000.gpf.tga"});
        QCOMPARE(qt(summary.unmatched), QStringList{"001.tga"});
        QVERIFY(c.FontBitmaps[1] == edited.FontBitmaps[1] && c.fontChanged(1) && c.fontChanged(5) && !c.fontChanged(0));
        QVERIFY(c.ImagePixels[1] == twelveImages().ImagePixels[1]);
        QVERIFY(summary.text("mod").find("1 file matched no font sheet: 001.tga") != std::string::npos);
    }

    void longListsAreShortened()
    {
        Catalogue c = twelveImages();
        const std::string folder = newFolder();
        for (int n = 1; n <= 12; ++n)
            writeFile(folder + "/" + threeDigitName(n) + ".tga", Bytes(5, 0));
        const FolderImportPlan plan = planFolderImport(picturesFolderFiles(folder), c, PictureKinds::Images);
        const QStringList lines = QString::fromStdString(runFolderImport(c, plan, tgaReader()).text("")).split('\n');
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], "No picture was imported.");
        QCOMPARE(lines[1], "12 files were refused:");
        QCOMPARE(lines[12], QStringLiteral("\u2026 and 2 more"));
        for (int n = 1; n <= 12; ++n)
            QVERIFY(!c.imageChanged(n));
    }

    void unreadableFolder()
    {
        const std::string missing = m_dir.filePath(QStringLiteral("no such folder")).toStdString();
        QVERIFY_THROWS_EXCEPTION(GameFileError, picturesFolderFiles(missing));
        try {
            picturesFolderFiles(missing);
        } catch (const GameFileError &error) {
            QCOMPARE(error.path(), missing);
            QCOMPARE(error.reason(), std::string("folder not found"));
        }
    }
};

QTEST_GUILESS_MAIN(FolderImportTest)
#include "test_folder_import.moc"
