#include "mod_contents.h"

#include <algorithm>

#include "archive_reader.h"
#include "file_ops.h"
#include "folder_reader.h"
#include "game_file_error.h"
#include "mod_contents_kinds.h"
#include "mod_manifest.h"
#include "picture_names.h"
#include "utf8_text.h"
#include "write_back.h"

namespace {

// A mod's name from its archive or folder: the last part, without an archive's extension.
std::string nameOf(const std::string &path)
{
    std::string name = path;
    while (!name.empty() && (name.back() == '/' || name.back() == '\\'))
        name.pop_back();
    name = PictureNames::fileNameOf(name);
    const std::string folded = Utf8Text::foldedCase(name);
    for (const char *tail : {".tar.gz", ".tar.bz2", ".tar.xz", ".tar.lzma", ".zip", ".7z", ".rar", ".tar", ".tgz", ".tbz2", ".tbz", ".txz", ".tlz"}) {
        const std::string ending(tail);
        if (folded.size() > ending.size() && folded.compare(folded.size() - ending.size(), ending.size(), ending) == 0) {
            name.resize(name.size() - ending.size());
            break;
        }
    }
    return name.empty() ? std::string("mod") : name;
}

} // namespace

namespace ModContentsKinds {

std::string fileNameOf(const std::string &name)
{
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

Message listNote(const char *wording, const std::vector<std::string> &names)
{
    return Message(wording).nested(Message::list(names, 10));
}

} // namespace ModContentsKinds

namespace ModContentsReader {

ModContents read(const std::string &path, const Catalogue &c, const PictureCodec &codec, const ArchiveLimits &limits)
{
    std::vector<ArchiveEntry> files = FileOps::isFolder(path) ? FolderReader::read(path, limits) : ArchiveReader::readFile(path, limits);
    return read(path, std::move(files), c, codec);
}

ModContents read(const std::string &source, std::vector<ArchiveEntry> files, const Catalogue &c, const PictureCodec &codec)
{
    ModContents contents;
    contents.source = source;
    contents.name = nameOf(source);
    const bool package = std::any_of(files.begin(), files.end(), [](const ArchiveEntry &file) { return file.name == ModManifest::FileName; });
    if (package) {
        contents.kind = ModKind::Package;
        ModContentsKinds::readPackage(contents, files, c, codec);
    } else if (ModContentsKinds::holdsGameLayout(files)) {
        contents.kind = ModKind::GameLayout;
        ModContentsKinds::readGameLayout(contents, files, c);
    } else {
        contents.kind = ModKind::Pictures;
        ModContentsKinds::readPictures(contents, files, c, codec);
    }
    if (contents.pictures.empty())
        throw GameFileError(source, contents.notes.empty()
                                        ? Message(CORE_WORDING("CoreMessages", "holds no menu image or font sheet of this game that Tessary could take"))
                                        : Message(CORE_WORDING("CoreMessages", "holds no menu image or font sheet of this game that Tessary could take (%1)"))
                                              .nested(contents.notes.front()));
    std::sort(contents.pictures.begin(), contents.pictures.end(),
              [](const PictureValue &a, const PictureValue &b) { return a.key < b.key; });
    return contents;
}

} // namespace ModContentsReader
