#include "game_paths.h"

#include <algorithm>

#include "catalogue.h"

namespace GamePaths {

namespace {
#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

const std::string GameData = "\\MenuData\\PC\\GP2001";
const std::string OriginalsFolder = "tessary-originals";
}

std::string join(const std::string &gp4Path, const std::string &backslashSuffix)
{
    std::string suffix = backslashSuffix;
    std::replace(suffix.begin(), suffix.end(), '\\', Separator);
    // The folder is kept exactly as recorded; a doubled separator names the same place.
    return gp4Path + suffix;
}

std::string inFolder(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        return folder + name;
    return folder + Separator + name;
}

std::string dataFolder(const std::string &gp4Path)
{
    return join(gp4Path, GameData);
}

std::string underData(const std::string &gp4Path, const std::string &relative)
{
    std::string suffix = relative;
    std::replace(suffix.begin(), suffix.end(), '/', '\\');
    return join(gp4Path, GameData + "\\" + suffix);
}

std::string relativeIndex() { return "Gp2001.gph"; }
std::string relativeImage(int n) { return "images/" + std::to_string(n) + ".gpi"; }
std::string relativeFont(int i) { return std::string("fonts/") + FontNames.at(static_cast<std::size_t>(i)); }

std::string index(const std::string &gp4Path) { return underData(gp4Path, relativeIndex()); }
std::string image(const std::string &gp4Path, int n) { return underData(gp4Path, relativeImage(n)); }
std::string font(const std::string &gp4Path, int i) { return underData(gp4Path, relativeFont(i)); }

std::string lockFile(const std::string &gp4Path) { return underData(gp4Path, "tessary.lock"); }
std::string journal(const std::string &gp4Path) { return underData(gp4Path, "tessary-write-back.journal"); }
std::string originals(const std::string &gp4Path) { return underData(gp4Path, OriginalsFolder); }

std::string original(const std::string &gp4Path, const std::string &relative)
{
    return underData(gp4Path, OriginalsFolder + "/" + relative);
}

bool isModRecord(const std::string &relative)
{
    const std::string folder = "tessary-mods/";
    if (!relative.starts_with(folder))
        return false;
    const std::string name = relative.substr(folder.size());
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 32 || (name.substr(dot) != ".json" && name.substr(dot) != ".zip"))
        return false;
    return std::all_of(name.begin(), name.begin() + std::ptrdiff_t(dot),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'; });
}

std::string folderOf(const std::string &relative)
{
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

} // namespace GamePaths
