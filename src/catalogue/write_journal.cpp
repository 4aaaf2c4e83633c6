#include "write_journal.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "catalogue.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"

namespace {

const std::string Heading = "Tessary write-back journal 1";
const std::string Marker = ".tessary-";
const std::string JournalName = "tessary-write-back.journal";
const std::string OriginalsFolder = "tessary-originals";
const std::string KeepingCheck = "tessary-check";
constexpr std::size_t TagDigits = 16;
// A record lists a few hundred names; anything far larger is not one.
constexpr std::uint64_t MaxJournalBytes = 16u << 20;

bool allOf(const std::string &text, int (*test)(int))
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [test](char c) { return test(static_cast<unsigned char>(c)) != 0; });
}

int isDigit(int c) { return std::isdigit(c); }
int isLowerHex(int c) { return std::isdigit(c) || (c >= 'a' && c <= 'f'); }

// "<target>.tessary-<process>-<16 hex digits>.<kind>"
bool isScratchOf(const std::string &name, const std::string &target, const std::string &kind)
{
    if (!name.starts_with(target + Marker) || !name.ends_with("." + kind))
        return false;
    const std::string middle = name.substr(target.size() + Marker.size(),
                                           name.size() - target.size() - Marker.size() - kind.size() - 1);
    const std::size_t dash = middle.find('-');
    if (dash == std::string::npos)
        return false;
    const std::string process = middle.substr(0, dash), tag = middle.substr(dash + 1);
    return allOf(process, isDigit) && tag.size() == TagDigits && allOf(tag, isLowerHex);
}

// Keeps empty fields, a trailing one too, so that every tab of a line counts.
std::vector<std::string> splitAtTabs(const std::string &line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

[[noreturn]] void damaged(const std::string &path, Message what)
{
    WriteJournal::refuse(path, std::move(what));
}

// A name from the record, fit to quote.
std::string quoted(const std::string &name)
{
    return quotedForMessage(name);
}

} // namespace

namespace WriteJournal {

bool isGameFile(const std::string &relative)
{
    if (relative == GamePaths::relativeIndex() || GamePaths::isModRecord(relative))
        return true;
    for (int i = 0; i < FontCount; ++i)
        if (relative == GamePaths::relativeFont(i))
            return true;
    const std::string prefix = "images/", suffix = ".gpi";
    if (!relative.starts_with(prefix) || !relative.ends_with(suffix))
        return false;
    const std::string number = relative.substr(prefix.size(), relative.size() - prefix.size() - suffix.size());
    return number.size() <= 9 && allOf(number, isDigit) && number[0] != '0';
}

bool isKeepingCheck(const std::string &relative)
{
    return relative == OriginalsFolder + "/" + KeepingCheck || relative == OriginalsFolder + "/images/" + KeepingCheck
        || relative == OriginalsFolder + "/fonts/" + KeepingCheck;
}

void refuse(const std::string &path, Message what)
{
    throw DamagedRecord(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the record of an interrupted write-back is damaged (%1)")).nested(std::move(what)),
                                              CORE_WORDING("CoreMessages", "Tessary leaves the folder as it is. Move this file away to use the folder again")));
}

std::vector<JournalEntry> read(const std::string &path)
{
    const std::uint64_t size = FileOps::stampOf(path).size;
    if (size > MaxJournalBytes)
        refuse(path, Message(CORE_WORDING("CoreMessages", "it holds %1 bytes, far more than any record Tessary writes")).number(static_cast<long long>(size)));
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path, FileOps::InputFile::Links::Refuse);
    return parse(path, std::string(bytes.begin(), bytes.end()));
}

std::string encode(const std::vector<JournalEntry> &entries)
{
    std::ostringstream text;
    text << Heading << "\n";
    for (const JournalEntry &entry : entries)
        text << entry.target << '\t' << entry.staged << '\t' << (entry.aside.empty() ? "-" : entry.aside) << '\t'
             << entry.stagedSize << '\n';
    text << "end\t" << entries.size() << "\n";
    return text.str();
}

std::vector<JournalEntry> parse(const std::string &path, const std::string &text)
{
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != Heading)
        damaged(path, CORE_WORDING("CoreMessages", "it does not begin as Tessary writes it"));
    std::vector<JournalEntry> entries;
    std::set<std::string> targets;
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = splitAtTabs(line);
        if (fields.size() == 2 && fields[0] == "end") {
            if (fields[1] != std::to_string(entries.size()) || std::getline(lines, line) || !text.ends_with('\n'))
                damaged(path, CORE_WORDING("CoreMessages", "its end does not match its entries"));
            return entries;
        }
        // One spelling per size, as encode writes it, so that what is read writes back as read.
        if (fields.size() != 4 || !allOf(fields[3], isDigit) || fields[3].size() > 19
            || (fields[3].size() > 1 && fields[3][0] == '0') || fields[2].empty())
            damaged(path, Message(CORE_WORDING("CoreMessages", "line %1 is not an entry")).number(static_cast<long long>(entries.size() + 2)));
        JournalEntry entry{fields[0], fields[1], fields[2] == "-" ? std::string() : fields[2], std::stoull(fields[3])};
        if (!isGameFile(entry.target))
            damaged(path, Message(CORE_WORDING("CoreMessages", "it names %1, which is not a game file")).name(quoted(entry.target)));
        if (!targets.insert(entry.target).second)
            damaged(path, Message(CORE_WORDING("CoreMessages", "it names %1 twice")).name(quoted(entry.target)));
        if (!isScratchOf(entry.staged, entry.target, "new") || (!entry.aside.empty() && !isScratchOf(entry.aside, entry.target, "old")))
            damaged(path, Message(CORE_WORDING("CoreMessages", "it names files that Tessary does not write beside %1")).name(quoted(entry.target)));
        entries.push_back(std::move(entry));
    }
    damaged(path, CORE_WORDING("CoreMessages", "it ends before its last line"));
}

Scratch scratchKind(const std::string &relative)
{
    const std::size_t at = relative.rfind(Marker);
    if (at == std::string::npos || at == 0)
        return Scratch::None;
    const std::string target = relative.substr(0, at);
    if (!isGameFile(target) && target != JournalName && !isKeepingCheck(target))
        return Scratch::None;
    if (isScratchOf(relative, target, "new"))
        return Scratch::Staged;
    // Only a game file's original is ever moved aside.
    if (isGameFile(target) && isScratchOf(relative, target, "old"))
        return Scratch::Aside;
    return Scratch::None;
}

std::string scratchTarget(const std::string &relative)
{
    if (scratchKind(relative) == Scratch::None)
        return relative;
    return relative.substr(0, relative.rfind(Marker));
}

} // namespace WriteJournal
