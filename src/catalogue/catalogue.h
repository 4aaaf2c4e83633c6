#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "file_ops.h"
#include "pixel_buffer.h"

// 16 opaque bytes of an index entry, carried through unchanged.
struct TGPHBlock {
    std::array<std::uint8_t, 16> Bytes{};
    bool operator==(const TGPHBlock &) const = default;
};

// One image's entry in the index file.
struct TGPHDetails {
    std::uint32_t Lead = 0;
    std::uint16_t BlockCount = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::array<std::uint8_t, 32> Trailer{};
    bool operator==(const TGPHDetails &) const = default;
};

// One font file's header and table; only TableCount is interpreted.
struct TGPFDetails {
    std::int32_t TableCount = 0;
    std::uint16_t HeaderWord = 0;
    std::uint32_t HeaderIntA = 0;
    std::uint32_t HeaderIntB = 0;
    std::vector<std::uint32_t> Table;
};

inline constexpr int FontCount = 6;
inline constexpr int FontSheetSide = 256;
inline constexpr std::size_t FontSheetBytes = 65536;

// A font sheet: 256 rows of 256 grey levels, top row first.
using FontSheet = std::vector<std::uint8_t>;

// The six font files, in font-number order.
inline constexpr std::array<const char *, FontCount> FontNames = {
    "badfont1000.gpf",          "New_Font1000.gpf",         "style_font1250.gpf",
    "style_font_large1250.gpf", "style_font_low_blur1250.gpf", "texttest1250.gpf",
};

// Callbacks through which loading and writing back report their progress.
struct LoadProgress {
    std::function<void(int value)> progress;        // bar value, set before each item
    std::function<void(int image)> imageLoaded;     // image n is in the catalogue
    std::function<void(int font)> fontLoaded;       // font i is in the catalogue
    std::function<void(const Message &said)> notice; // one sentence for the user about the folder
};

// Why a game folder is loaded. Loading for editing clears the read-only attributes of the image
// and font files, as the game-file rules ask, so that a later write-back can replace them;
// loading only to read (listing, checking, exporting) leaves every file as it is.
enum class LoadPurpose { Editing, Reading };

// Everything the program knows of one game folder: the image index, every image's
// pixels and the six font sheets. Slot 0 of the image arrays exists and is never used.
class Catalogue {
public:
    std::string GP4Path;            // the game folder these data were read from
    std::int32_t ImageCount = 0;    // image slots, slot 0 included
    std::uint32_t IndexExtra = 0;
    std::vector<TGPHDetails> ImageDetails;
    std::vector<std::vector<TGPHBlock>> ImageBlocks;
    std::vector<PixelBuffer> ImagePixels;
    std::vector<std::int32_t> ImageSizes; // byte count of each image's pixel data
    std::array<TGPFDetails, FontCount> FontDetails{};
    std::vector<FontSheet> FontBitmaps;

    // Loading for reading only leaves the files' attributes alone (see LoadPurpose).
    void setLoadPurpose(LoadPurpose purpose) { m_loadPurpose = purpose; }
    // Reads the index of GP4Path and sizes the image arrays.
    void Readsizes();
    // Loads every image, then the six fonts, reporting progress; needs Readsizes first.
    void ImportAll(const LoadProgress &report = {});
    // Loads the six fonts and none of the images, which loadImages brings in when they are
    // needed: a command that changes a few pictures then reads only those. Needs Readsizes first.
    void ImportFonts(const LoadProgress &report = {});
    // Loads the images among numbers that are not loaded yet.
    void loadImages(const std::vector<int> &numbers);
    // True when image n's file has been read (always, after ImportAll).
    bool imageLoaded(int n) const;
    // Loads image n's file (1 .. ImageCount - 1).
    void ImportGPI(int n);
    // Loads font i's file (0 .. 5).
    void ImportGPF(int i);

    // True when n names an image slot that can hold a picture.
    bool isImage(int n) const { return n >= 1 && n < ImageCount; }
    // Number of whole pixels image n holds (never more than its buffer).
    std::size_t loadedPixels(int n) const;
    // Total bytes of pixel data and font sheets held.
    std::uint64_t totalBytes() const;

    // Changes. Every change to a picture goes through these, so that "Apply All Changes" knows
    // what to write. A replacement identical to what is held changes nothing and returns false.
    // Replaces image n's pixels, byte count, width and height.
    bool replaceImage(int n, std::int32_t width, std::int32_t height, std::int32_t byteCount, PixelBuffer pixels);
    // Replaces font sheet i (65536 bytes).
    bool replaceFontSheet(int i, FontSheet sheet);
    // Replaces image n's whole index entry (width, height and the opaque fields, as a mod ships
    // them); blocks must hold details.BlockCount blocks. The pixels stay. False when nothing changed.
    bool replaceIndexEntry(int n, const TGPHDetails &details, std::vector<TGPHBlock> blocks);
    // Marks a picture as changed after its members were changed directly.
    void markImageChanged(int n);
    void markFontChanged(int i);
    // A change that brings a picture back to what its game file holds is no change
    // (catalogue_marks.cpp): after image n or font sheet i was replaced, its mark says whether
    // it still differs from the game folder's file, the image's index entry included.
    // heldGameFile: image n held its game file's picture before (loaded and unmarked).
    void settleImageMark(int n, bool heldGameFile);
    void settleFontMark(int i);
    // True when image n holds its game file's picture: loaded and unmarked.
    bool holdsGameFilePicture(int n) const { return imageLoaded(n) && !imageChanged(n); }
    // True when image n / font i holds a change not yet written to the game folder.
    bool imageChanged(int n) const;
    bool fontChanged(int i) const;
    // True when an index entry differs from the index in the game folder.
    bool indexChanged() const;
    // True when anything waits to be written.
    bool hasChanges() const;

    // What each game file (named relative to the data folder, as GamePaths::relativeImage) was
    // like when it was loaded or last written: a differing file was changed by another program.
    FileOps::FileStamp loadedStamp(const std::string &relative) const;
    // After a write-back: the game file now holds what the catalogue holds, and looks like stamp.
    void markIndexWritten(const FileOps::FileStamp &stamp);
    void markImageWritten(int n, const FileOps::FileStamp &stamp);
    void markFontWritten(int i, const FileOps::FileStamp &stamp);

    // Reverting (catalogue_revert.cpp): drops an unapplied change by reading the game folder's
    // file again. Image n gets its file and the index entry it had when it was loaded or last
    // written; its change mark goes. Throws GameFileError, leaving it as it was.
    void revertImage(int n);
    // Reads font i's file again; its change mark goes.
    void revertFont(int i);
    // The width and height image n's entry has in the game folder's index (as loaded or last written).
    std::pair<std::int32_t, std::int32_t> sizeOnDisk(int n) const;
    // True when image n's whole entry (size, opaque fields, blocks) is the one given as the game
    // folder's index holds it (as loaded or last written).
    bool entryOnDiskIs(int n, const TGPHDetails &details, const std::vector<TGPHBlock> &blocks) const;
    // That entry; n must be an image of the catalogue.
    std::pair<TGPHDetails, std::vector<TGPHBlock>> entryOnDisk(int n) const;
    // After another program rewrote the index since loading (index: what it wrote, of the same
    // count of images): every entry this catalogue did not change becomes the one index holds,
    // and index becomes the index on disk. Returns the images whose entries changed so.
    std::vector<int> takeEntriesFrom(const Catalogue &index);

    // Undo and redo (catalogue_swap.cpp): exchanges image n's width, height, byte count and pixels
    // with the ones given, and sets its change mark to changed (false: the picture is the one the
    // game folder holds). False, exchanging nothing, when n is no image of the catalogue.
    bool swapImage(int n, std::int32_t &width, std::int32_t &height, std::int32_t &byteCount, PixelBuffer &pixels,
                   bool changed);
    // Exchanges font sheet i with sheet (65536 bytes) and sets its change mark to changed.
    bool swapFontSheet(int i, FontSheet &sheet, bool changed);

private:
    LoadPurpose m_loadPurpose = LoadPurpose::Editing;
    std::vector<char> m_imageChanged;
    std::vector<char> m_imageLoaded;
    std::array<bool, FontCount> m_fontChanged{};
    // Each entry as the game folder's index holds it.
    struct EntryOnDisk {
        TGPHDetails details;
        std::vector<TGPHBlock> blocks;
        bool operator==(const EntryOnDisk &) const = default;
    };
    void keepEntriesOnDisk();
    std::vector<EntryOnDisk> m_entriesOnDisk;
    bool imageHoldsGameFile(int n) const;
    // Each font's sheet as its file holds it, kept when the sheet is first changed; forgotten
    // when the file is read or written.
    void keepGameFontSheet(int i);
    std::array<FontSheet, FontCount> m_fontSheetsOnDisk{};
    std::map<std::string, FileOps::FileStamp> m_stamps;
};

// Reads the index, every image and every font of a game folder into a fresh catalogue.
// Throws GameFileError; nothing is returned half-loaded.
Catalogue loadGameFolder(const std::string &gp4Path, const LoadProgress &report = {}, LoadPurpose purpose = LoadPurpose::Editing);
