#include "mod_manifest.h"

#include <algorithm>
#include <set>

#include "catalogue.h"
#include "game_file_error.h"
#include "json_reader.h"
#include "json_value.h"

namespace {

const char *const Format = "Tessary mod package";
constexpr std::size_t MaxPictures = 100000;
constexpr std::int64_t MaxImageNumber = 99999999;
constexpr std::int64_t MaxSide = 65535;

// "key" in quotes, for a message (built by appending: GCC 12 warns wrongly of overlapping
// copies where a literal is joined to a string).
std::string quotedKey(const char *key)
{
    std::string text(1, '"');
    text += key;
    text += '"';
    return text;
}

class Checked {
public:
    Checked(const std::string &source) : m_source(source) {}

    [[noreturn]] void fail(const std::string &what) const
    {
        throw GameFileError(m_source, std::string(ModManifest::FileName) + " is damaged: " + what);
    }

    const JsonValue &member(const JsonValue &object, const char *key, const std::string &where) const
    {
        const JsonValue *value = object.find(key);
        if (!value)
            fail(where + " has no \"" + key + "\"");
        return *value;
    }

    void onlyKeys(const JsonValue &object, std::initializer_list<const char *> keys, const std::string &where) const
    {
        for (const auto &member : object.object())
            if (std::none_of(keys.begin(), keys.end(), [&member](const char *key) { return member.first == key; }))
                fail(where + " has an unknown key \"" + member.first + "\"");
    }

    std::string text(const JsonValue &object, const char *key, std::size_t longest, bool lines, const std::string &where) const
    {
        const JsonValue &value = member(object, key, where);
        if (!value.isString())
            fail(quotedKey(key) + " of " + where + " is not text");
        const std::string &found = value.string();
        if (found.size() > longest)
            fail(quotedKey(key) + " of " + where + " is longer than " + std::to_string(longest) + " bytes");
        for (const char c : found)
            if ((static_cast<unsigned char>(c) < 0x20 && !(lines && (c == '\n' || c == '\t'))) || c == 0x7F)
                fail(quotedKey(key) + " of " + where + " holds a control character");
        return found;
    }

    std::int64_t whole(const JsonValue &object, const char *key, std::int64_t least, std::int64_t most, const std::string &where) const
    {
        const JsonValue &value = member(object, key, where);
        if (!value.isInteger() || value.integer() < least || value.integer() > most)
            fail(quotedKey(key) + " of " + where + " is not a whole number from " + std::to_string(least) + " to "
                 + std::to_string(most));
        return value.integer();
    }

    std::string digest(const JsonValue &object, const char *key, const std::string &where) const
    {
        const std::string found = text(object, key, 64, false, where);
        if (found.size() != 64 || !std::all_of(found.begin(), found.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
            fail(quotedKey(key) + " of " + where + " is not a SHA-256 digest (64 lower-case hex digits)");
        return found;
    }

private:
    std::string m_source;
};

bool isUtcText(const std::string &text)
{
    // "YYYY-MM-DDTHH:MM:SSZ"
    static const std::string shape = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != shape.size())
        return false;
    for (std::size_t k = 0; k < shape.size(); ++k)
        if (shape[k] == 'd' ? (text[k] < '0' || text[k] > '9') : text[k] != shape[k])
            return false;
    return true;
}

ModPicture readPicture(const Checked &check, const JsonValue &item, std::size_t index)
{
    const std::string where = "picture " + std::to_string(index + 1);
    if (!item.isObject())
        check.fail(where + " is not an object");
    check.onlyKeys(item, {"image", "font", "width", "height", "sha256", "original_sha256", "file", "mod", "mod_author"}, where);
    ModPicture picture;
    const bool image = item.find("image") != nullptr, font = item.find("font") != nullptr;
    if (image == font)
        check.fail(where + " must name either an \"image\" or a \"font\"");
    if (image) {
        picture.number = int(check.whole(item, "image", 1, MaxImageNumber, where));
        picture.width = std::int32_t(check.whole(item, "width", 1, MaxSide, where));
        picture.height = std::int32_t(check.whole(item, "height", 1, MaxSide, where));
    } else {
        const std::string name = check.text(item, "font", 64, false, where);
        const auto found = std::find_if(FontNames.begin(), FontNames.end(), [&name](const char *known) { return name == known; });
        if (found == FontNames.end())
            check.fail(where + " names no font of the game: \"" + name + "\"");
        picture.font = true;
        picture.number = int(found - FontNames.begin());
        picture.width = std::int32_t(check.whole(item, "width", FontSheetSide, FontSheetSide, where));
        picture.height = std::int32_t(check.whole(item, "height", FontSheetSide, FontSheetSide, where));
    }
    picture.sha256 = check.digest(item, "sha256", where);
    picture.originalSha256 = check.digest(item, "original_sha256", where);
    if (check.text(item, "file", 200, false, where) != picture.file())
        check.fail(where + " must be in the file \"" + picture.file() + "\"");
    if (item.find("mod") || item.find("mod_author")) {
        picture.fromMod = check.text(item, "mod", 200, false, where);
        picture.fromModAuthor = check.text(item, "mod_author", 200, false, where);
        if (picture.fromMod.empty())
            check.fail(where + " names the mod it comes from without a name");
    }
    return picture;
}

} // namespace

std::string ModPicture::file() const
{
    return font ? "fonts/" + std::string(FontNames.at(std::size_t(number))) + ".png" : "images/" + std::to_string(number) + ".png";
}

std::string ModPicture::caption() const
{
    return font ? std::string(FontNames.at(std::size_t(number))) : std::to_string(number) + ".gpi";
}

std::string ModManifest::toJson() const
{
    JsonValue::Array list;
    for (const ModPicture &picture : pictures) {
        JsonValue::Object item;
        if (picture.font)
            item.emplace_back("font", FontNames.at(std::size_t(picture.number)));
        else
            item.emplace_back("image", picture.number);
        item.emplace_back("width", picture.width);
        item.emplace_back("height", picture.height);
        item.emplace_back("sha256", picture.sha256);
        item.emplace_back("original_sha256", picture.originalSha256);
        item.emplace_back("file", picture.file());
        if (!picture.fromMod.empty()) {
            item.emplace_back("mod", picture.fromMod);
            item.emplace_back("mod_author", picture.fromModAuthor);
        }
        list.emplace_back(std::move(item));
    }
    const JsonValue document(JsonValue::Object{
        {"format", Format},
        {"version", Version},
        {"name", name},
        {"author", author},
        {"description", description},
        {"created", created},
        {"pictures", std::move(list)},
    });
    return document.dump();
}

ModManifest ModManifest::parse(const std::string &source, std::string_view text)
{
    const Checked check(source);
    JsonValue document;
    try {
        document = JsonReader::parse(text);
    } catch (const JsonError &error) {
        check.fail(error.what());
    }
    if (!document.isObject())
        check.fail("it is not a JSON object");
    const std::string top = "the manifest";
    check.onlyKeys(document, {"format", "version", "name", "author", "description", "created", "pictures"}, top);
    if (check.text(document, "format", 100, false, top) != Format)
        check.fail("\"format\" is not \"" + std::string(Format) + "\"");
    const std::int64_t version = check.whole(document, "version", 1, 1000000, top);
    if (version > Version)
        throw GameFileError(source, "the mod package was made by a newer Tessary (package version " + std::to_string(version)
                                        + "); this one reads version " + std::to_string(Version));
    ModManifest manifest;
    manifest.name = check.text(document, "name", 200, false, top);
    if (manifest.name.empty())
        check.fail("\"name\" is empty");
    manifest.author = check.text(document, "author", 200, false, top);
    manifest.description = check.text(document, "description", 4000, true, top);
    manifest.created = check.text(document, "created", 20, false, top);
    if (!isUtcText(manifest.created))
        check.fail("\"created\" is not a time such as 2026-05-04T12:34:56Z");
    const JsonValue &pictures = check.member(document, "pictures", top);
    if (!pictures.isArray() || pictures.array().size() > MaxPictures)
        check.fail("\"pictures\" is not a list of at most " + std::to_string(MaxPictures) + " pictures");
    std::set<std::pair<bool, int>> seen;
    for (std::size_t k = 0; k < pictures.array().size(); ++k) {
        ModPicture picture = readPicture(check, pictures.array()[k], k);
        if (!seen.insert({picture.font, picture.number}).second)
            check.fail(picture.caption() + " is listed twice");
        manifest.pictures.push_back(std::move(picture));
    }
    return manifest;
}

std::string ModManifest::utcText(std::time_t moment)
{
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &moment);
#else
    gmtime_r(&moment, &parts);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}
