#include "picture_names.h"

#include <algorithm>
#include <cctype>

#include "catalogue.h"

namespace PictureNames {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool endsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The name without its picture extension, lower case; empty when the extension is not a picture's.
std::string stem(const std::string &fileName)
{
    const std::string name = lower(fileName);
    for (const char *extension : {".tga", ".png"})
        if (endsWith(name, extension))
            return name.substr(0, name.size() - 4);
    return std::string();
}

} // namespace

Format formatOf(const std::string &fileName)
{
    const std::string name = lower(fileName);
    if (endsWith(name, ".tga"))
        return Format::Tga;
    if (endsWith(name, ".png"))
        return Format::Png;
    return Format::Other;
}

const char *extensionOf(Format format)
{
    return format == Format::Png ? ".png" : ".tga";
}

int imageNumber(const std::string &fileName)
{
    std::string digits = stem(fileName);
    if (endsWith(digits, ".gpi"))
        digits.resize(digits.size() - 4);
    if (digits.empty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    return std::stoi(digits);
}

int fontNumber(const std::string &fileName)
{
    std::string name = stem(fileName);
    if (name.empty())
        return -1;
    if (!endsWith(name, ".gpf"))
        name += ".gpf";
    for (int i = 0; i < FontCount; ++i)
        if (name == lower(FontNames[std::size_t(i)]))
            return i;
    return -1;
}

std::string fileNameOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace PictureNames
