// Feeds arbitrary text to the readers of mod manifests (tessary-mod.json), of the record of
// installed mods (installed.json) and to the JSON reader under both. Whatever they accept must
// write back as text they read as the same thing.
#include <cstdlib>
#include <string>

#include "game_file_error.h"
#include "json_reader.h"
#include "mod_manifest.h"
#include "mod_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        const JsonValue value = JsonReader::parse(text);
        if (!(JsonReader::parse(value.dump()) == value))
            std::abort();
    } catch (const JsonError &) {
    }
    try {
        const ModManifest manifest = ModManifest::parse("tessary-mod.json", text);
        if (!(ModManifest::parse("tessary-mod.json", manifest.toJson()) == manifest))
            std::abort();
    } catch (const GameFileError &) {
    }
    try {
        const std::vector<InstalledMod> mods = ModRecord::parseList("installed.json", text);
        if (ModRecord::parseList("installed.json", ModRecord::encodeList(mods)) != mods)
            std::abort();
    } catch (const GameFileError &) {
    }
    return 0;
}
