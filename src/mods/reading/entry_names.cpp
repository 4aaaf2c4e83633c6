#include "entry_names.h"

#include <cstdio>
#include <vector>

#include "game_file_error.h"
#include "utf8_text.h"

namespace {

std::vector<std::string> parts(const std::string &name)
{
    std::vector<std::string> found;
    std::string part;
    for (const char c : name) {
        if (c == '/' || c == '\\') {
            found.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    found.push_back(part);
    return found;
}

bool isDriveLetter(const std::string &part)
{
    return part.size() == 2 && part[1] == ':' && ((part[0] >= 'a' && part[0] <= 'z') || (part[0] >= 'A' && part[0] <= 'Z'));
}

} // namespace

std::string EntryNames::shown(const std::string &raw)
{
    if (Utf8Text::isValid(raw)) {
        std::string text;
        for (const char c : raw) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(static_cast<unsigned char>(c)));
                text += escaped;
            } else {
                text += c;
            }
        }
        return text;
    }
    std::string text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(byte));
            text += escaped;
        } else {
            text += c;
        }
    }
    return text;
}

Message EntryNames::named(const char *wording, const std::string &raw)
{
    return Message(wording).name(shown(raw));
}

void EntryNames::refuse(const std::string &raw, const char *wording) const
{
    refuse(named(wording, raw));
}

void EntryNames::refuse(Message reason) const
{
    throw GameFileError(m_source, std::move(reason));
}

std::string EntryNames::accept(const std::string &raw, bool folder)
{
    if (raw.empty())
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" has no name"));
    if (!Utf8Text::isValid(raw))
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" has a name that is not valid text (UTF-8)"));
    for (const char c : raw)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" has a control character in its name"));
    if (raw.front() == '/' || raw.front() == '\\')
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is named by an absolute path"));
    const std::vector<std::string> named = parts(raw);
    if (isDriveLetter(named.front()))
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is named with a drive letter"));
    std::string plain;
    std::vector<std::string> folders;
    for (const std::string &part : named) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" climbs out of the archive's folder (\"..\")"));
        if (part.find(':') != std::string::npos)
            refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" has ':' in its name, which Windows reads as a drive or a stream"));
        if (!plain.empty()) {
            folders.push_back(plain);
            plain += '/';
        }
        plain += part;
    }
    if (plain.empty()) {
        if (folder)
            return plain;
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" has no name"));
    }
    const std::string folded = Utf8Text::foldedCase(plain);
    for (const std::string &above : folders) {
        const std::string foldedAbove = Utf8Text::foldedCase(above);
        if (m_files.count(foldedAbove))
            refuse(EntryNames::named(CORE_WORDING("CoreMessages", "\"%1\" lies in a folder that has the name of a file: \"%2\""), raw).name(above));
        m_folders.insert(foldedAbove);
    }
    if (folder) {
        if (m_files.count(folded))
            refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" appears twice (letter case aside)"));
        m_folders.insert(folded);
        return plain;
    }
    if (m_files.count(folded) || m_folders.count(folded))
        refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" appears twice (letter case aside)"));
    m_files.insert(folded);
    return plain;
}
