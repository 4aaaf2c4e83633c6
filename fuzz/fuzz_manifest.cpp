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
        // A record of the present format reads back as it was written; one of the first format
        // is read into the library first, so only its written form is compared.
        int version = 0;
        std::vector<ModProfile> profiles, again;
        const std::vector<InstalledMod> mods = ModRecord::parseList("installed.json", text, &version, &profiles);
        if (version == ModRecord::Version
            && (ModRecord::parseList("installed.json", ModRecord::encodeList(mods, profiles), nullptr, &again) != mods || again != profiles))
            std::abort();
    } catch (const GameFileError &) {
    }
    return 0;
}
