#include "mod_record.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <set>

#include "archive_reader.h"
#include "game_file_error.h"
#include "json_reader.h"
#include "json_value.h"
#include "zip_writer.h"

namespace {

const char *const Format = "Tessary installed mods";
const char *const OwnFolder = "own/";
constexpr std::size_t MaxMods = 10000;

[[noreturn]] void damaged(const std::string &source, Message what)
{
    throw GameFileError(source, Message::joined(Message(CORE_WORDING("CoreMessages", "the record of installed mods is damaged (%1)")).nested(std::move(what)),
                                                CORE_WORDING("CoreMessages", "Tessary leaves it as it is. Move the folder tessary-mods away to install mods again")));
}

std::string textField(const std::string &source, const JsonValue &object, const char *key, std::size_t longest)
{
    const JsonValue *value = object.find(key);
    if (!value || !value->isString() || value->string().size() > longest)
        damaged(source, Message(CORE_WORDING("CoreMessages", "\"%1\" is missing or not text")).name(key));
    return value->string();
}

std::string digest(const std::string &source, const JsonValue &object, const char *key)
{
    const std::string found = textField(source, object, key, 64);
    if (found.size() != 64 || !std::all_of(found.begin(), found.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
        damaged(source, Message(CORE_WORDING("CoreMessages", "\"%1\" is not a SHA-256 digest")).name(key));
    return found;
}

PictureKey keyOf(const std::string &source, const JsonValue &item)
{
    const JsonValue *image = item.find("image");
    const JsonValue *font = item.find("font");
    if (image && !font && image->isInteger() && image->integer() >= 1 && image->integer() <= 99999999)
        return {false, int(image->integer())};
    if (font && !image && font->isString())
        for (int i = 0; i < FontCount; ++i)
            if (font->string() == FontNames[std::size_t(i)])
                return {true, i};
    damaged(source, CORE_WORDING("CoreMessages", "a picture names neither an image nor a font"));
}

std::string entryName(PictureKey key, const char *ending, ModRecord::Part part = ModRecord::Part::Own)
{
    return (part == ModRecord::Part::OwnBelow ? OwnFolder : "") + ("images/" + std::to_string(key.number)) + ending;
}

std::string fontName(PictureKey key, ModRecord::Part part = ModRecord::Part::Own)
{
    return (part == ModRecord::Part::OwnBelow ? OwnFolder : "") + ("fonts/" + std::string(FontNames.at(std::size_t(key.number))));
}

JsonValue pictureItem(const RecordedPicture &picture)
{
    JsonValue::Object item;
    if (picture.key.font)
        item.emplace_back("font", FontNames.at(std::size_t(picture.key.number)));
    else
        item.emplace_back("image", picture.key.number);
    item.emplace_back("sha256", picture.digest);
    if (picture.sizeOnly)
        item.emplace_back("entry", "size");
    if (!picture.originalDigest.empty())
        item.emplace_back("original_sha256", picture.originalDigest);
    if (!picture.ownBelowDigest.empty())
        item.emplace_back("own_below_sha256", picture.ownBelowDigest);
    return item;
}

RecordedPicture readPicture(const std::string &source, const JsonValue &item, int version)
{
    RecordedPicture picture;
    picture.key = keyOf(source, item);
    picture.digest = digest(source, item, "sha256");
    if (const JsonValue *entry = item.find("entry")) {
        if (picture.key.font || !entry->isString() || entry->string() != "size")
            damaged(source, CORE_WORDING("CoreMessages", "a picture's \"entry\" is not \"size\""));
        picture.sizeOnly = true;
    }
    if (item.find("original_sha256")) {
        picture.originalDigest = digest(source, item, "original_sha256");
    }
    if (version >= 2 && item.find("own_below_sha256"))
        picture.ownBelowDigest = digest(source, item, "own_below_sha256");
    if (const JsonValue *below = version == 1 ? item.find("below") : nullptr) {
        picture.belowFile = textField(source, *below, "file", 20);
        if (!ModRecord::isRecordFile(picture.belowFile))
            damaged(source, Message(CORE_WORDING("CoreMessages", "a picture is kept in \"%1\", which is not a record file")).name(quotedForMessage(picture.belowFile)));
        picture.belowFileSha256 = digest(source, *below, "file_sha256");
        picture.belowDigest = digest(source, *below, "sha256");
    }
    return picture;
}

} // namespace

std::string InstalledMod::fileOf(int id)
{
    std::string digits = std::to_string(id);
    return std::string(4 - std::min<std::size_t>(digits.size(), 4), '0') + digits + ".zip";
}

const RecordedPicture *InstalledMod::find(PictureKey key) const
{
    for (const RecordedPicture &picture : pictures)
        if (picture.key == key)
            return &picture;
    return nullptr;
}

RecordedPicture *InstalledMod::find(PictureKey key)
{
    return const_cast<RecordedPicture *>(static_cast<const InstalledMod *>(this)->find(key));
}

namespace ModRecord {

std::string encodeList(const std::vector<InstalledMod> &mods, const std::vector<ModProfile> &profiles)
{
    JsonValue::Array list;
    for (const InstalledMod &mod : mods) {
        JsonValue::Array pictures;
        for (const RecordedPicture &picture : mod.pictures)
            pictures.push_back(pictureItem(picture));
        list.emplace_back(JsonValue::Object{
            {"id", mod.id},
            {"name", mod.name},
            {"author", mod.author},
            {"description", mod.description},
            {"created", mod.created},
            {"installed", mod.installed},
            {"source", mod.source},
            {"enabled", mod.enabled},
            {"file_sha256", mod.fileSha256},
            {"pictures", std::move(pictures)},
        });
    }
    JsonValue::Object document{{"format", Format}, {"version", Version}, {"mods", std::move(list)}};
    if (!profiles.empty()) {
        JsonValue::Array named;
        for (const ModProfile &profile : profiles) {
            JsonValue::Array members(profile.mods.begin(), profile.mods.end());
            named.emplace_back(JsonValue::Object{{"name", profile.name}, {"mods", std::move(members)}});
        }
        document.emplace_back("profiles", std::move(named));
    }
    return JsonValue(std::move(document)).dump();
}

std::vector<InstalledMod> parseList(const std::string &source, std::string_view text, int *versionRead, std::vector<ModProfile> *profilesRead)
{
    JsonValue document;
    try {
        document = JsonReader::parse(text);
    } catch (const JsonError &error) {
        damaged(source, error.why());
    }
    const JsonValue *format = document.find("format");
    const JsonValue *version = document.find("version");
    const JsonValue *list = document.find("mods");
    if (!format || !format->isString() || format->string() != Format || !version || !version->isInteger() || !list || !list->isArray())
        damaged(source, CORE_WORDING("CoreMessages", "it does not begin as Tessary writes it"));
    if (version->integer() != FirstVersion && version->integer() != Version)
        throw GameFileError(source, Message::joined(Message(CORE_WORDING("CoreMessages", "the record of installed mods was written by another version of Tessary (record version %1)"))
                                                        .number(version->integer()),
                                                    Message(CORE_WORDING("CoreMessages", "this one reads version %1")).number(Version)));
    const int formatRead = int(version->integer());
    if (versionRead)
        *versionRead = formatRead;
    if (list->array().size() > MaxMods)
        damaged(source, CORE_WORDING("CoreMessages", "it lists too many mods"));
    std::vector<InstalledMod> mods;
    std::set<std::int64_t> ids;
    std::set<std::string> names;
    for (const JsonValue &item : list->array()) {
        const JsonValue *id = item.find("id");
        const JsonValue *pictures = item.find("pictures");
        if (!id || !id->isInteger() || id->integer() < 1 || id->integer() > ModRecord::MaxId || !ids.insert(id->integer()).second)
            damaged(source, CORE_WORDING("CoreMessages", "a mod has no number of its own"));
        if (!pictures || !pictures->isArray())
            damaged(source, CORE_WORDING("CoreMessages", "a mod has no list of pictures"));
        InstalledMod mod;
        mod.id = int(id->integer());
        mod.name = textField(source, item, "name", 200);
        if (mod.name.empty() || !names.insert(mod.name).second)
            damaged(source, Message(CORE_WORDING("CoreMessages", "two mods have the name \"%1\"")).name(quotedForMessage(mod.name)));
        mod.author = textField(source, item, "author", 200);
        mod.description = textField(source, item, "description", 4000);
        mod.created = textField(source, item, "created", 20);
        mod.installed = textField(source, item, "installed", 20);
        mod.source = textField(source, item, "source", 1000);
        if (formatRead >= 2) {
            const JsonValue *enabled = item.find("enabled");
            if (!enabled || !enabled->isBool())
                damaged(source, Message(CORE_WORDING("CoreMessages", "the mod \"%1\" is neither on nor off")).name(quotedForMessage(mod.name)));
            mod.enabled = enabled->boolean();
            mod.fileSha256 = digest(source, item, "file_sha256");
        }
        std::set<PictureKey> keys;
        for (const JsonValue &entry : pictures->array()) {
            RecordedPicture picture = readPicture(source, entry, formatRead);
            if (!keys.insert(picture.key).second)
                damaged(source, Message(CORE_WORDING("CoreMessages", "the mod \"%1\" lists %2 twice")).name(quotedForMessage(mod.name)).name(picture.key.caption()));
            mod.pictures.push_back(std::move(picture));
        }
        mods.push_back(std::move(mod));
    }
    const JsonValue *profiles = formatRead >= 2 ? document.find("profiles") : nullptr;
    if (profiles && !profiles->isArray())
        damaged(source, CORE_WORDING("CoreMessages", "\"profiles\" is not a list"));
    std::set<std::string> profileNames;
    for (const JsonValue &item : profiles ? profiles->array() : JsonValue::Array{}) {
        ModProfile profile;
        profile.name = textField(source, item, "name", 200);
        if (profile.name.empty() || !profileNames.insert(profile.name).second)
            damaged(source, Message(CORE_WORDING("CoreMessages", "two profiles have the name \"%1\"")).name(quotedForMessage(profile.name)));
        const JsonValue *members = item.find("mods");
        if (!members || !members->isArray())
            damaged(source, Message(CORE_WORDING("CoreMessages", "the profile \"%1\" has no list of mods")).name(quotedForMessage(profile.name)));
        std::set<std::string> listed;
        for (const JsonValue &member : members->array()) {
            if (!member.isString() || !names.count(member.string()) || !listed.insert(member.string()).second)
                damaged(source, Message(CORE_WORDING("CoreMessages", "the profile \"%1\" names a mod that is not installed, or one twice")).name(quotedForMessage(profile.name)));
            profile.mods.push_back(member.string());
        }
        if (profilesRead)
            profilesRead->push_back(std::move(profile));
    }
    return mods;
}

std::vector<std::uint8_t> encodePictures(const std::vector<PictureValue> &own, const std::vector<PictureValue> &ownBelow)
{
    // The pictures' own bytes are written where they are, not copied.
    std::vector<ZipWriter::EntryView> files;
    std::vector<std::vector<std::uint8_t>> entries(own.size() + ownBelow.size());
    std::size_t made = 0;
    for (const Part part : {Part::Own, Part::OwnBelow})
        for (const PictureValue &value : part == Part::Own ? own : ownBelow) {
            if (value.key.font) {
                files.push_back({fontName(value.key, part), value.sheet.data(), value.sheet.size()});
                continue;
            }
            const auto *bytes = reinterpret_cast<const std::uint8_t *>(value.pixels.data());
            const std::size_t size = std::min(std::size_t(std::max(value.byteCount, 0)), value.pixels.size() * 4);
            files.push_back({entryName(value.key, ".gpi", part), bytes, size});
            std::vector<std::uint8_t> &entry = entries[made++] = PictureValues::entryBytes(value.entry, value.blocks);
            files.push_back({entryName(value.key, ".entry", part), entry.data(), entry.size()});
        }
    return ZipWriter::write(files, ZipWriter::Compression::Deflated);
}

bool isRecordFile(const std::string &name)
{
    if (name.size() < 8 || name.size() > 10 || !name.ends_with(".zip"))
        return false;
    const std::string digits = name.substr(0, name.size() - 4);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int id = std::stoi(digits);
    return id >= 1 && InstalledMod::fileOf(id) == name;
}

std::vector<std::string> entryNames(PictureKey key, Part part)
{
    if (key.font)
        return {fontName(key, part)};
    return {entryName(key, ".gpi", part), entryName(key, ".entry", part)};
}

PictureValue picture(const std::string &source, const std::vector<ArchiveEntry> &files, PictureKey key, const std::string &digest, Part part)
{
    PictureValue value;
    pictureInto(source, files, key, digest, part, value);
    return value;
}

void pictureInto(const std::string &source, const std::vector<ArchiveEntry> &files, PictureKey key, const std::string &digest, Part part,
                 PictureValue &value)
{
    auto find = [&](const std::string &name) -> const ArchiveEntry & {
        const auto found = std::find_if(files.begin(), files.end(), [&name](const ArchiveEntry &file) { return file.name == name; });
        if (found == files.end())
            damaged(source, Message(CORE_WORDING("CoreMessages", "it lacks %1")).name(name));
        return *found;
    };
    value.key = key;
    value.sizeOnly = false;
    if (key.font) {
        value.sheet = find(fontName(key, part)).bytes;
        value.pixels = PixelBuffer();
        value.byteCount = 0;
        value.entry = {};
        value.blocks.clear();
    } else {
        const std::string gpi = entryName(key, ".gpi", part);
        const ArchiveEntry &pixels = find(gpi);
        PictureValues::parseEntry(source, find(entryName(key, ".entry", part)).bytes, value.entry, value.blocks);
        if (pixels.bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
            damaged(source, Message(CORE_WORDING("CoreMessages", "%1 is too large")).name(gpi));
        // The bytes are what the entry says: an entry of 200 x 150 over 100 bytes is no picture.
        const std::int64_t expected = std::int64_t(value.entry.Width) * value.entry.Height * 4;
        if (value.entry.Width < 0 || value.entry.Height < 0 || std::int64_t(pixels.bytes.size()) != expected)
            damaged(source, Message(CORE_WORDING("CoreMessages", "%1 holds %2 bytes, but its entry says %3 x %4 pixels"))
                                .name(gpi)
                                .number(static_cast<long long>(pixels.bytes.size()))
                                .number(value.entry.Width)
                                .number(value.entry.Height));
        value.byteCount = std::int32_t(pixels.bytes.size());
        // Written over in place: a buffer read into before keeps its room.
        value.pixels.resize(pixelElementsFor(pixels.bytes.size()));
        if (!value.pixels.empty())
            value.pixels.back() = 0;
        if (!pixels.bytes.empty())
            std::memcpy(value.pixels.data(), pixels.bytes.data(), pixels.bytes.size());
        value.sheet.clear();
    }
    value.knownPixelDigest.clear();
    value.knownPixelDigest = value.pixelDigest(); // hashed once, for the check and for those who use the picture
    if (value.digest() != digest)
        damaged(source, Message(CORE_WORDING("CoreMessages", "%1 is not the picture the record names")).name(key.caption()));
}

void readPictures(const std::string &source, const std::vector<std::uint8_t> &file, const std::vector<PictureRead> &wanted,
                  const std::function<void(std::size_t, PictureValue &)> &take)
{
    std::map<std::string, std::size_t> owner; // an entry's name: the picture it belongs to
    std::vector<std::size_t> missing(wanted.size());
    for (std::size_t k = 0; k < wanted.size(); ++k)
        for (std::string &name : entryNames(wanted[k].key, wanted[k].part))
            if (owner.emplace(std::move(name), k).second)
                ++missing[k];
    std::vector<std::vector<ArchiveEntry>> held(wanted.size());
    std::vector<std::vector<std::uint8_t>> spare; // the room of entries used, for the reader to fill again
    PictureValue value;
    auto finish = [&](std::size_t k) {
        pictureInto(source, held[k], wanted[k].key, wanted[k].digest, wanted[k].part, value);
        for (ArchiveEntry &entry : held[k])
            spare.push_back(std::move(entry.bytes));
        held[k].clear();
        missing[k] = 0;
        take(k, value);
    };
    ArchiveReader::forEach(
        source, file.data(), file.size(), [&owner](const std::string &name) { return owner.count(name) > 0; },
        [&](ArchiveEntry &entry) {
            const std::size_t k = owner.at(entry.name);
            held[k].push_back({entry.name, std::move(entry.bytes)});
            entry.bytes.clear();
            if (!spare.empty()) {
                entry.bytes = std::move(spare.back());
                spare.pop_back();
            }
            if (--missing[k] == 0)
                finish(k);
        });
    // One the file lacks a part of is refused, naming what it lacks.
    for (std::size_t k = 0; k < wanted.size(); ++k)
        if (missing[k] > 0)
            finish(k);
}

} // namespace ModRecord
