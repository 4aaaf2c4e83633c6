// bench_picture_exchange FOLDER: loading a folder of all images (as .tga and as .png) against
// decoding the same files alone, and exporting all images to .png against Qt's own PNG writer
// on the same pictures, all in the same run.
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "bench_main.h"
#include "bench_pictures.h"
#include "bench_timing.h"
#include "catalogue.h"
#include "folder_import.h"
#include "picture_files.h"
#include "tga_import.h"

namespace {

constexpr int Runs = 5;
constexpr double Target = 1.5;
namespace fs = std::filesystem;


int importFolder(Catalogue &c, const std::string &folder)
{
    const FolderImportPlan plan = planFolderImport(picturesFolderFiles(folder), c, PictureKinds::Images);
    return int(runFolderImport(c, plan, PictureFiles::reader()).imported.size());
}

// Decoding alone: every file read into its picture. A load needs all pictures at once (it
// decodes everything before anything changes), so the baseline keeps them too; the pictures
// are dropped after the clock stops.
std::vector<DecodedImage> decodeTga(const std::vector<std::string> &files)
{
    std::vector<DecodedImage> pictures;
    for (const std::string &file : files)
        pictures.push_back(readImageTga(file));
    return pictures;
}

std::vector<QImage> decodePngWithQt(const std::vector<std::string> &files)
{
    std::vector<QImage> pictures;
    for (const std::string &file : files) {
        QImageReader reader(QString::fromStdString(file), "png");
        pictures.push_back(reader.read());
        if (pictures.back().isNull())
            throw std::runtime_error(file + ": Qt could not read it");
    }
    return pictures;
}

// For comparison: each picture dropped as soon as it is decoded, so its memory serves the next.
void decodeTgaDropping(const std::vector<std::string> &files)
{
    for (const std::string &file : files)
        (void)readImageTga(file);
}

// Qt's own writer on the same pictures: each image shown to QImage where it lies and saved.
void saveWithQt(const Catalogue &c, const std::string &folder)
{
    for (int n = 1; n < c.ImageCount; ++n) {
        const TGPHDetails &d = c.ImageDetails[std::size_t(n)];
        const QImage image(reinterpret_cast<const uchar *>(c.ImagePixels[std::size_t(n)].data()), d.Width, d.Height,
                           qsizetype(d.Width) * 4, QImage::Format_ARGB32);
        if (!image.save(QString::fromStdString(folder + std::to_string(n) + ".png"), "PNG"))
            throw std::runtime_error(folder + ": Qt could not write image " + std::to_string(n));
    }
}

void emptyFolder(const fs::path &folder)
{
    for (const auto &entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
}

void line(const char *what, double ms, const char *baseline, double baseMs)
{
    const double ratio = ms / baseMs;
    std::printf("%-30s %9.1f ms   %-30s %9.1f ms   ratio %.2f (target <= %.1f: %s)\n", what, ms, baseline, baseMs, ratio,
                Target, ratio <= Target ? "met" : "missed");
}

int run(const std::string &folder)
{
#ifdef __GLIBC__
    // Every picture gets memory of its own from the system and gives it back when freed, as in
    // a program that loads a folder once; otherwise whichever step runs after a large free
    // reuses that memory and looks several times faster than the same work before it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    Catalogue c = loadGameFolder(folder);
    const std::vector<int> all = PictureFiles::allImages(c);
    fs::path game = fs::absolute(folder);
    if (!game.has_filename())
        game = game.parent_path();
    std::string pattern = (game.parent_path() / ".bench_picture_exchange-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(game.parent_path().string() + ": cannot make a scratch folder");
    const fs::path scratch = pattern;
    const std::string tga = (scratch / "tga").string() + "/", png = (scratch / "png").string() + "/",
                      out = (scratch / "out").string() + "/";
    for (const std::string &made : {tga, png, out})
        fs::create_directory(made);

    std::vector<double> tgaImport, tgaDecode, tgaDropping, pngImport, pngDecode, pngExport, qtWrite;
    int replaced = 0;
    try {
        PictureFiles::exportImages(c, tga, all, PictureFiles::Format::Tga);
        PictureFiles::exportImages(c, png, all, PictureFiles::Format::Png);
        const std::vector<std::string> tgaFiles = picturesFolderFiles(tga), pngFiles = picturesFolderFiles(png);
        for (int k = 0; k < Runs; ++k) {
            {
                std::vector<DecodedImage> held;
                tgaDecode.push_back(milliseconds([&] { held = decodeTga(tgaFiles); }));
            }
            tgaDropping.push_back(milliseconds([&] { decodeTgaDropping(tgaFiles); }));
            touchEveryImage(c, false);
            tgaImport.push_back(milliseconds([&] { replaced += importFolder(c, tga); }));
            {
                std::vector<QImage> held;
                pngDecode.push_back(milliseconds([&] { held = decodePngWithQt(pngFiles); }));
            }
            touchEveryImage(c, false);
            pngImport.push_back(milliseconds([&] { replaced += importFolder(c, png); }));
            qtWrite.push_back(milliseconds([&] { saveWithQt(c, out); }));
            emptyFolder(out);
            pngExport.push_back(milliseconds([&] { PictureFiles::exportImages(c, out, all, PictureFiles::Format::Png); }));
            emptyFolder(out);
        }
    } catch (...) {
        fs::remove_all(scratch);
        throw;
    }
    fs::remove_all(scratch);

    std::printf("bench_picture_exchange: %s: %zu images, %.1f MB of pixels; median of %d runs\n", folder.c_str(), all.size(),
                double(c.totalBytes() - FontCount * FontSheetBytes) / 1e6, Runs);
    line("load all images, .tga folder", median(tgaImport), "decode the .tga files alone", median(tgaDecode));
    std::printf("%-30s %9.1f ms   (each picture dropped at once; for comparison, no target)\n",
                "decode the .tga files alone", median(tgaDropping));
    line("load all images, .png folder", median(pngImport), "Qt decodes the .png files", median(pngDecode));
    line("export all images to .png", median(pngExport), "Qt's PNG writer, same images", median(qtWrite));
    const bool whole = replaced == 2 * Runs * int(all.size());
    std::printf("every image replaced by each load: %s\n", whole ? "yes" : "NO");
    return whole ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchOnFolder(argc, argv, "bench_picture_exchange", run);
}
