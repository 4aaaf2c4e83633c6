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

const std::string GameData = "\\MenuData\\PC\\GP2001\\";
}

std::string join(const std::string &gp4Path, const std::string &backslashSuffix)
{
    std::string suffix = backslashSuffix;
    std::replace(suffix.begin(), suffix.end(), '\\', Separator);
    // The folder is kept exactly as recorded; a doubled separator names the same place.
    return gp4Path + suffix;
}

std::string index(const std::string &gp4Path)
{
    return join(gp4Path, GameData + "Gp2001.gph");
}

std::string image(const std::string &gp4Path, int n)
{
    return join(gp4Path, GameData + "images\\" + std::to_string(n) + ".gpi");
}

std::string font(const std::string &gp4Path, int i)
{
    return join(gp4Path, GameData + "fonts\\" + FontNames.at(static_cast<std::size_t>(i)));
}

} // namespace GamePaths
