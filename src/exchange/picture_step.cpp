#include "picture_step.h"

#include <algorithm>
#include <utility>

#include "picture_import.h"

PictureStep::PictureStep(std::string name) : m_name(std::move(name)) {}

bool PictureStep::replaceImage(Catalogue &c, int n, DecodedImage image)
{
    if (!c.isImage(n) || holdsImage(c, n, image))
        return false;
    // A picture the step keeps already keeps its first state; a later one simply replaces it.
    if (find(false, n))
        return c.replaceImage(n, image.Width, image.Height, image.ByteCount, std::move(image.Pixels));
    Kept kept{false, n, std::move(image), {}, c.imageChanged(n), std::nullopt};
    const bool heldGameFile = c.holdsGameFilePicture(n);
    // The new picture goes in, marked unless it is the game file's; the one it replaces comes out.
    if (!c.swapImage(n, kept.image.Width, kept.image.Height, kept.image.ByteCount, kept.image.Pixels, true))
        return false;
    c.settleImageMark(n, heldGameFile);
    m_kept.push_back(std::move(kept));
    return true;
}

bool PictureStep::replaceFontSheet(Catalogue &c, int i, FontSheet sheet)
{
    if (holdsFont(c, i, sheet) || sheet.size() != FontSheetBytes)
        return false;
    if (find(true, i))
        return c.replaceFontSheet(i, std::move(sheet));
    Kept kept{true, i, {}, std::move(sheet), c.fontChanged(i), std::nullopt};
    if (!c.swapFontSheet(i, kept.sheet, true))
        return false;
    c.settleFontMark(i);
    m_kept.push_back(std::move(kept));
    return true;
}

void PictureStep::keepImage(const Catalogue &c, int n, bool wholeEntry)
{
    const auto slot = std::size_t(n);
    if (find(false, n) || !c.isImage(n) || slot >= c.ImageDetails.size() || slot >= c.ImageSizes.size()
        || slot >= c.ImagePixels.size())
        return;
    DecodedImage image{c.ImageDetails[slot].Width, c.ImageDetails[slot].Height, c.ImageSizes[slot], c.ImagePixels[slot]};
    m_kept.push_back(Kept{false, n, std::move(image), {}, c.imageChanged(n), std::nullopt});
    if (wholeEntry && slot < c.ImageBlocks.size())
        m_kept.back().entry.emplace(c.ImageDetails[slot], c.ImageBlocks[slot]);
}

void PictureStep::keepFont(const Catalogue &c, int i)
{
    if (find(true, i) || i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        return;
    m_kept.push_back(Kept{true, i, {}, c.FontBitmaps[std::size_t(i)], c.fontChanged(i), std::nullopt});
}

void PictureStep::dropUnchanged(const Catalogue &c)
{
    std::erase_if(m_kept, [&](const Kept &kept) {
        return holds(c, kept) && kept.changed == (kept.font ? c.fontChanged(kept.number) : c.imageChanged(kept.number));
    });
}

void PictureStep::swap(Catalogue &c)
{
    if (m_companion)
        m_companion->swap(c);
    for (Kept &kept : m_kept) {
        if (kept.font) {
            const bool held = c.fontChanged(kept.number);
            if (c.swapFontSheet(kept.number, kept.sheet, kept.changed))
                kept.changed = held;
        } else {
            const bool held = c.imageChanged(kept.number);
            DecodedImage &image = kept.image;
            if (c.swapImage(kept.number, image.Width, image.Height, image.ByteCount, image.Pixels, kept.changed))
                kept.changed = held;
            if (kept.entry) {
                // The entry was kept with the picture, so its width and height are the picture's.
                const auto slot = std::size_t(kept.number);
                std::swap(c.ImageDetails[slot], kept.entry->first);
                std::swap(c.ImageBlocks[slot], kept.entry->second);
            }
        }
    }
}

void PictureStep::markAgainst(const Catalogue &c)
{
    for (Kept &kept : m_kept)
        kept.changed = !holds(c, kept);
}

std::vector<int> PictureStep::images() const
{
    std::vector<int> numbers;
    for (const Kept &kept : m_kept)
        if (!kept.font)
            numbers.push_back(kept.number);
    return numbers;
}

std::vector<int> PictureStep::fonts() const
{
    std::vector<int> numbers;
    for (const Kept &kept : m_kept)
        if (kept.font)
            numbers.push_back(kept.number);
    return numbers;
}

std::uint64_t PictureStep::bytes() const
{
    std::uint64_t total = 0;
    for (const Kept &kept : m_kept)
        total += kept.font ? kept.sheet.size() : kept.image.Pixels.size() * sizeof(std::uint32_t);
    return total + (m_companion ? m_companion->bytes() : 0);
}

const PictureStep::Kept *PictureStep::find(bool font, int number) const
{
    const auto found = std::find_if(m_kept.begin(), m_kept.end(), [&](const Kept &kept) { return kept.font == font && kept.number == number; });
    return found == m_kept.end() ? nullptr : &*found;
}

bool PictureStep::holds(const Catalogue &c, const Kept &kept) const
{
    if (kept.entry && (c.ImageDetails[std::size_t(kept.number)] != kept.entry->first || c.ImageBlocks[std::size_t(kept.number)] != kept.entry->second))
        return false;
    return kept.font ? holdsFont(c, kept.number, kept.sheet) : holdsImage(c, kept.number, kept.image);
}
