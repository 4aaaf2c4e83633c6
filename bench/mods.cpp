// bench_mods FOLDER: "Save changes as a mod package" of every image against "Save all images"
// to .png, and installing that package against loading the same pictures as a folder import,
// all in the same run; and switching that mod off and on again in the library, with the memory
// each switch takes at its peak against the decoded pictures it changes; and switching between
// two profiles that each show a mod of every picture (target 2x the folder import).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
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
#include "export_file.h"
#include "folder_import.h"
#include "installed_mods.h"
#include "mod_contents.h"
#include "mod_package_writer.h"
#include "picture_files.h"
#include "png_codec.h"

namespace {

constexpr int Runs = 3;
constexpr double Target = 1.5;
namespace fs = std::filesystem;


void emptyFolder(const fs::path &folder)
{
    for (const auto &entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
}

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in bytes; -1 where the system has none.
long long statusBytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long long kb = -1;
    while (status >> key)
        if (key == field && status >> kb)
            return kb * 1024;
    return -1;
}

// What an operation takes at its peak beyond the memory the process held before it, in bytes;
// -1 where the system can't tell.
template <typename Operation>
long long peakExtra(Operation &&operation)
{
    std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak to the present
    const long long before = statusBytes("VmRSS:");
    operation();
    const long long peak = statusBytes("VmHWM:");
    return before < 0 || peak < 0 ? -1 : peak - before;
}

void line(const char *what, double ms, const char *baseline, double baseMs, double target = Target)
{
    const double ratio = ms / baseMs;
    std::printf("%-34s %9.1f ms   %-34s %9.1f ms   ratio %.2f (target <= %.1f: %s)\n", what, ms, baseline, baseMs, ratio, target,
                ratio <= target ? "met" : "missed");
}

int run(const std::string &folder)
{
#ifdef __GLIBC__
    // As bench_picture_exchange: every picture gets memory of its own from the system.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    Catalogue c = loadGameFolder(folder);
    const std::vector<int> all = PictureFiles::allImages(c);
    fs::path game = fs::absolute(folder);
    if (!game.has_filename())
        game = game.parent_path();
    std::string pattern = (game.parent_path() / ".bench_mods-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(game.parent_path().string() + ": cannot make a scratch folder");
    const fs::path scratch = pattern;
    const std::string pngs = (scratch / "png").string() + "/", package = (scratch / "mod.zip").string();
    const std::string secondPackage = (scratch / "second.zip").string();
    fs::create_directory(pngs);
    const PictureCodec codec = PngCodec::make();

    std::vector<double> exportMs, packMs, importMs, installMs, disableMs, enableMs, profileMs;
    std::size_t packed = 0, imported = 0, installed = 0, switchedOff = 0, switchedOn = 0, profileSwitched = 0;
    long long offPeak = -1, onPeak = -1;
    try {
        touchEveryImage(c, true);
        for (int k = 0; k < Runs; ++k) {
            emptyFolder(pngs);
            exportMs.push_back(milliseconds([&] { PictureFiles::exportImages(c, pngs, all, PictureFiles::Format::Png); }));
            packMs.push_back(milliseconds([&] {
                const PackedMod mod = ModPackageWriter::pack(c, {"bench", "", "", std::time(nullptr), {}, false}, codec);
                writeExportFile(package, [&mod](FileOps::OutputFile &out) { out.write(mod.zip.data(), mod.zip.size()); });
                packed = mod.manifest.pictures.size();
            }));
        }
        // A second mod of every picture, other than the first, for two profiles that each show one.
        for (int n = 1; n < c.ImageCount; ++n)
            if (!c.ImagePixels[std::size_t(n)].empty())
                c.ImagePixels[std::size_t(n)][0] ^= 0x02u;
        const PackedMod second = ModPackageWriter::pack(c, {"bench 2", "", "", std::time(nullptr), {}, false}, codec);
        writeExportFile(secondPackage, [&second](FileOps::OutputFile &out) { out.write(second.zip.data(), second.zip.size()); });
        for (int k = 0; k < Runs; ++k) {
            Catalogue target = loadGameFolder(folder);
            importMs.push_back(milliseconds([&] {
                const FolderImportPlan plan = planFolderImport(picturesFolderFiles(pngs), target, PictureKinds::Images);
                imported = runFolderImport(target, plan, PictureFiles::reader()).imported.size();
            }));
            Catalogue other = loadGameFolder(folder);
            InstalledMods record = InstalledMods::load(folder);
            installMs.push_back(milliseconds([&] {
                ModContents contents = ModContentsReader::read(package, other, codec);
                installed = record.install(other, std::move(contents), std::time(nullptr)).size();
            }));
            offPeak = std::max(offPeak, peakExtra([&] {
                disableMs.push_back(milliseconds([&] { switchedOff = record.setEnabled(other, 0, false).size(); }));
            }));
            onPeak = std::max(onPeak, peakExtra([&] {
                enableMs.push_back(milliseconds([&] { switchedOn = record.setEnabled(other, 0, true).size(); }));
            }));
            record.install(other, ModContentsReader::read(secondPackage, other, codec), std::time(nullptr));
            record.setEnabled(other, 1, false);
            record.saveProfile("first");
            record.setEnabled(other, 1, true);
            record.setEnabled(other, 0, false);
            record.saveProfile("second");
            for (const char *profile : {"first", "second"})
                profileMs.push_back(milliseconds([&] { profileSwitched = record.useProfile(other, profile).size(); }));
        }
    } catch (...) {
        fs::remove_all(scratch);
        throw;
    }
    fs::remove_all(scratch);

    std::printf("bench_mods: %s: %zu images, %.1f MB of pixels; median of %d runs\n", folder.c_str(), all.size(),
                double(c.totalBytes() - FontCount * FontSheetBytes) / 1e6, Runs);
    line("pack all images into a mod", median(packMs), "export all images to .png", median(exportMs));
    line("install that mod (to apply)", median(installMs), "folder import of the .png files", median(importMs));
    line("switch that mod off (to apply)", median(disableMs), "folder import of the .png files", median(importMs));
    line("switch it on again (to apply)", median(enableMs), "folder import of the .png files", median(importMs));
    line("switch to the other profile", median(profileMs), "folder import of the .png files", median(importMs), 2.0);
    const double changed = double(c.totalBytes() - FontCount * FontSheetBytes);
    for (const auto &[what, peak] : {std::pair{"off", offPeak}, std::pair{"on", onPeak}})
        if (peak >= 0)
            std::printf("switching %-3s took %8.1f MB at its peak, %.2f times the %.1f MB of pictures it changed (target <= 2: %s)\n", what,
                        double(peak) / 1e6, double(peak) / changed, changed / 1e6, double(peak) <= 2 * changed ? "met" : "missed");
    const bool whole = packed == all.size() && imported == all.size() && installed == all.size() && switchedOff == all.size()
                    && switchedOn == all.size() && profileSwitched == all.size();
    std::printf("every image packed, imported, installed, switched off and on, and between profiles: %s\n", whole ? "yes" : "NO");
    return whole ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchOnFolder(argc, argv, "bench_mods", run);
}
