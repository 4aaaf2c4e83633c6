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

// What a check is about: the manifest itself, or one of its pictures (counted from 1).
struct Where {
    std::size_t picture = 0; // 0: the manifest

    // A message about the manifest or a picture: each its own wording, as languages put them apart.
    Message said(const char *aboutManifest, const char *aboutPicture, const char *key) const
    {
        Message message(picture ? aboutPicture : aboutManifest);
        if (key)
            message.name(key);
        if (picture)
            message.number(static_cast<long long>(picture));
        return message;
    }
};

class Checked {
public:
    Checked(const std::string &source) : m_source(source) {}

    [[noreturn]] void fail(Message what) const
    {
        throw GameFileError(m_source, Message(CORE_WORDING("CoreMessages", "tessary-mod.json is damaged: %1")).nested(std::move(what)));
    }

    const JsonValue &member(const JsonValue &object, const char *key, Where where) const
    {
        const JsonValue *value = object.find(key);
        if (!value) {
            if (where.picture)
                fail(Message(CORE_WORDING("CoreMessages", "picture %1 has no \"%2\"")).number(static_cast<long long>(where.picture)).name(key));
            fail(Message(CORE_WORDING("CoreMessages", "the manifest has no \"%1\"")).name(key));
        }
        return *value;
    }

    void onlyKeys(const JsonValue &object, std::initializer_list<const char *> keys, Where where) const
    {
        for (const auto &member : object.object())
            if (std::none_of(keys.begin(), keys.end(), [&member](const char *key) { return member.first == key; })) {
                const std::string key = quotedForMessage(member.first);
                if (where.picture)
                    fail(Message(CORE_WORDING("CoreMessages", "picture %1 has an unknown key \"%2\"")).number(static_cast<long long>(where.picture)).name(key));
                fail(Message(CORE_WORDING("CoreMessages", "the manifest has an unknown key \"%1\"")).name(key));
            }
    }

    std::string text(const JsonValue &object, const char *key, std::size_t longest, bool lines, Where where) const
    {
        const JsonValue &value = member(object, key, where);
        if (!value.isString())
            fail(where.said(CORE_WORDING("CoreMessages", "\"%1\" of the manifest is not text"),
                            CORE_WORDING("CoreMessages", "\"%1\" of picture %2 is not text"), key));
        const std::string &found = value.string();
        if (found.size() > longest)
            fail(where.said(CORE_WORDING("CoreMessages", "\"%1\" of the manifest is longer than %2 bytes"),
                            CORE_WORDING("CoreMessages", "\"%1\" of picture %2 is longer than %3 bytes"), key)
                     .number(static_cast<long long>(longest)));
        for (const char c : found)
            if ((static_cast<unsigned char>(c) < 0x20 && !(lines && (c == '\n' || c == '\t'))) || c == 0x7F)
                fail(where.said(CORE_WORDING("CoreMessages", "\"%1\" of the manifest holds a control character"),
                                CORE_WORDING("CoreMessages", "\"%1\" of picture %2 holds a control character"), key));
        return found;
    }

    std::int64_t whole(const JsonValue &object, const char *key, std::int64_t least, std::int64_t most, Where where) const
    {
        const JsonValue &value = member(object, key, where);
        if (!value.isInteger() || value.integer() < least || value.integer() > most)
            fail(where.said(CORE_WORDING("CoreMessages", "\"%1\" of the manifest is not a whole number from %2 to %3"),
                            CORE_WORDING("CoreMessages", "\"%1\" of picture %2 is not a whole number from %3 to %4"), key)
                     .number(least)
                     .number(most));
        return value.integer();
    }

    std::string digest(const JsonValue &object, const char *key, Where where) const
    {
        const std::string found = text(object, key, 64, false, where);
        if (found.size() != 64 || !std::all_of(found.begin(), found.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
            // Only pictures carry digests.
            fail(Message(CORE_WORDING("CoreMessages", "\"%1\" of picture %2 is not a SHA-256 digest (64 lower-case hex digits)"))
                     .name(key)
                     .number(static_cast<long long>(where.picture)));
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
    const Where where{index + 1};
    const long long number = static_cast<long long>(where.picture);
    if (!item.isObject())
        check.fail(Message(CORE_WORDING("CoreMessages", "picture %1 is not an object")).number(number));
    check.onlyKeys(item, {"image", "font", "width", "height", "sha256", "original_sha256", "file", "mod", "mod_author"}, where);
    ModPicture picture;
    const bool image = item.find("image") != nullptr, font = item.find("font") != nullptr;
    if (image == font)
        check.fail(Message(CORE_WORDING("CoreMessages", "picture %1 must name either an \"image\" or a \"font\"")).number(number));
    if (image) {
        picture.number = int(check.whole(item, "image", 1, MaxImageNumber, where));
        picture.width = std::int32_t(check.whole(item, "width", 1, MaxSide, where));
        picture.height = std::int32_t(check.whole(item, "height", 1, MaxSide, where));
    } else {
        const std::string name = check.text(item, "font", 64, false, where);
        const auto found = std::find_if(FontNames.begin(), FontNames.end(), [&name](const char *known) { return name == known; });
        if (found == FontNames.end())
            check.fail(Message(CORE_WORDING("CoreMessages", "picture %1 names no font of the game: \"%2\"")).number(number).name(name));
        picture.font = true;
        picture.number = int(found - FontNames.begin());
        picture.width = std::int32_t(check.whole(item, "width", FontSheetSide, FontSheetSide, where));
        picture.height = std::int32_t(check.whole(item, "height", FontSheetSide, FontSheetSide, where));
    }
    picture.sha256 = check.digest(item, "sha256", where);
    picture.originalSha256 = check.digest(item, "original_sha256", where);
    if (check.text(item, "file", 200, false, where) != picture.file())
        check.fail(Message(CORE_WORDING("CoreMessages", "picture %1 must be in the file \"%2\"")).number(number).name(picture.file()));
    if (item.find("mod") || item.find("mod_author")) {
        picture.fromMod = check.text(item, "mod", 200, false, where);
        picture.fromModAuthor = check.text(item, "mod_author", 200, false, where);
        if (picture.fromMod.empty())
            check.fail(Message(CORE_WORDING("CoreMessages", "picture %1 names the mod it comes from without a name")).number(number));
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
        check.fail(error.why());
    }
    if (!document.isObject())
        check.fail(CORE_WORDING("CoreMessages", "it is not a JSON object"));
    const Where top;
    check.onlyKeys(document, {"format", "version", "name", "author", "description", "created", "pictures"}, top);
    if (check.text(document, "format", 100, false, top) != Format)
        check.fail(CORE_WORDING("CoreMessages", "\"format\" is not \"Tessary mod package\""));
    const std::int64_t version = check.whole(document, "version", 1, 1000000, top);
    if (version > Version)
        throw GameFileError(source, Message::joined(Message(CORE_WORDING("CoreMessages", "the mod package was made by a newer Tessary (package version %1)")).number(version),
                                                    Message(CORE_WORDING("CoreMessages", "this one reads version %1")).number(Version)));
    ModManifest manifest;
    manifest.name = check.text(document, "name", 200, false, top);
    if (manifest.name.empty())
        check.fail(CORE_WORDING("CoreMessages", "\"name\" is empty"));
    manifest.author = check.text(document, "author", 200, false, top);
    manifest.description = check.text(document, "description", 4000, true, top);
    manifest.created = check.text(document, "created", 20, false, top);
    if (!isUtcText(manifest.created))
        check.fail(CORE_WORDING("CoreMessages", "\"created\" is not a time such as 2026-05-04T12:34:56Z"));
    const JsonValue &pictures = check.member(document, "pictures", top);
    if (!pictures.isArray() || pictures.array().size() > MaxPictures)
        check.fail(Message(CORE_WORDING("CoreMessages", "\"pictures\" is not a list of at most %1 pictures")).number(static_cast<long long>(MaxPictures)));
    std::set<std::pair<bool, int>> seen;
    for (std::size_t k = 0; k < pictures.array().size(); ++k) {
        ModPicture picture = readPicture(check, pictures.array()[k], k);
        if (!seen.insert({picture.font, picture.number}).second)
            check.fail(Message(CORE_WORDING("CoreMessages", "%1 is listed twice")).name(picture.caption()));
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
