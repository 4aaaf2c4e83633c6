#include <cstdio>

#include "cli_commands.h"
#include "cli_context.h"
#include "kept_originals.h"

namespace {

std::string jsonString(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

const char *state(bool changed) { return changed ? "changed" : "original"; }

} // namespace

int CliCommands::list(const CliContext &context)
{
    const std::string &folder = context.args.operands.front();
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    std::ostream &out = context.out;
    const bool json = context.args.json;
    if (json)
        out << "{\"folder\": " << jsonString(folder) << ",\n \"images\": [";
    for (int n = 1; n < c.ImageCount; ++n) {
        const TGPHDetails &details = c.ImageDetails[std::size_t(n)];
        const bool changed = KeptOriginals::imageDiffers(c, n);
        const std::int32_t bytes = c.ImageSizes[std::size_t(n)];
        if (json)
            out << (n == 1 ? "\n  " : ",\n  ") << "{\"number\": " << n << ", \"width\": " << details.Width << ", \"height\": "
                << details.Height << ", \"bytes\": " << bytes << ", \"changed\": " << (changed ? "true" : "false") << "}";
        else
            out << "image " << n << ": " << details.Width << " x " << details.Height << ", " << bytes << " bytes, " << state(changed) << "\n";
    }
    if (json)
        out << "],\n \"fonts\": [";
    for (int i = 0; i < FontCount; ++i) {
        const bool changed = KeptOriginals::fontDiffers(c, i);
        const std::size_t bytes = c.FontBitmaps[std::size_t(i)].size();
        if (json)
            out << (i == 0 ? "\n  " : ",\n  ") << "{\"number\": " << i << ", \"name\": " << jsonString(FontNames[std::size_t(i)])
                << ", \"width\": 256, \"height\": 256, \"bytes\": " << bytes << ", \"changed\": " << (changed ? "true" : "false") << "}";
        else
            out << "font " << FontNames[std::size_t(i)] << ": 256 x 256, " << bytes << " bytes, " << state(changed) << "\n";
    }
    if (json)
        out << "]}\n";
    return Success;
}
