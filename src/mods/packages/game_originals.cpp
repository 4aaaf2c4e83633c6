#include "game_originals.h"

#include <cstring>
#include <limits>

#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"
#include "untrusted_file.h"

namespace {

constexpr std::uint64_t MaxImageBytes = std::uint64_t(std::numeric_limits<std::int32_t>::max());
constexpr std::uint64_t MaxIndexBytes = std::uint64_t(1) << 30;

std::string relative(PictureKey key)
{
    return key.font ? GamePaths::relativeFont(key.number) : GamePaths::relativeImage(key.number);
}

// The kept original when there is one, else the game folder's file.
std::string originalFile(const std::string &gp4Path, const std::string &name)
{
    const std::string kept = GamePaths::original(gp4Path, name);
    return UntrustedFile::isLinkOrFile(kept) ? kept : GamePaths::underData(gp4Path, name);
}

} // namespace

GameOriginals::GameOriginals(const Catalogue &catalogue) : m_catalogue(catalogue)
{
    const std::string file = originalFile(catalogue.GP4Path, GamePaths::relativeIndex());
    const std::vector<std::uint8_t> bytes = UntrustedFile::read(file, MaxIndexBytes);
    IndexFile::parse(file, bytes.data(), bytes.size(), m_index);
}

const TGPHDetails *GameOriginals::entry(int n) const
{
    return n >= 1 && n < m_index.ImageCount ? &m_index.ImageDetails[std::size_t(n)] : nullptr;
}

bool GameOriginals::kept(PictureKey key) const
{
    return UntrustedFile::isLinkOrFile(GamePaths::original(m_catalogue.GP4Path, relative(key)));
}

bool GameOriginals::holdsOwnFile(PictureKey key) const
{
    const bool changed = key.font ? m_catalogue.fontChanged(key.number) : m_catalogue.imageChanged(key.number);
    return !changed && !kept(key);
}

std::string GameOriginals::pixelDigest(PictureKey key) const
{
    if (holdsOwnFile(key))
        return PictureValues::currentPixelDigest(m_catalogue, key);
    return picture(key).pixelDigest();
}

std::string GameOriginals::digest(PictureKey key) const
{
    if (key.font || !holdsOwnFile(key) || !entry(key.number))
        return picture(key).digest();
    const auto n = std::size_t(key.number);
    return PictureValues::imageDigest(m_index.ImageDetails[n], m_index.ImageBlocks[n], PictureValues::currentPixelDigest(m_catalogue, key));
}

bool GameOriginals::shown(PictureKey key) const
{
    if (key.font || !holdsOwnFile(key) || !entry(key.number))
        return PictureValues::holdsDigestOf(m_catalogue, held(key));
    // The game's own pixels: only the entry can differ.
    const auto n = std::size_t(key.number);
    return PictureValues::entryBytes(m_index.ImageDetails[n], m_index.ImageBlocks[n])
        == PictureValues::entryBytes(m_catalogue.ImageDetails.at(n), m_catalogue.ImageBlocks.at(n));
}

bool GameOriginals::heldUnchanged(PictureKey key) const
{
    if (!holdsOwnFile(key))
        return false;
    if (key.font)
        return true;
    const auto n = std::size_t(key.number);
    return entry(key.number) && m_index.ImageDetails[n] == m_catalogue.ImageDetails.at(n) && m_index.ImageBlocks[n] == m_catalogue.ImageBlocks.at(n);
}

PictureValue &GameOriginals::held(PictureKey key) const
{
    if (!m_held || m_held->key != key) {
        m_held.reset(); // one picture at a time
        m_held = picture(key);
    }
    return *m_held;
}

PictureValue GameOriginals::take(PictureKey key) const
{
    PictureValue value = std::move(held(key));
    m_held.reset();
    return value;
}

PictureValue GameOriginals::picture(PictureKey key) const
{
    PictureValue value;
    value.key = key;
    const std::string file = originalFile(m_catalogue.GP4Path, relative(key));
    if (key.font) {
        const std::vector<std::uint8_t> bytes = UntrustedFile::read(file, MaxIndexBytes);
        TGPFDetails details;
        FontFile::parse(file, bytes.data(), bytes.size(), details, value.sheet);
        return value;
    }
    if (!entry(key.number))
        throw GameFileError(file, Message(CORE_WORDING("CoreMessages", "the game's original index has no entry for image %1")).number(key.number));
    value.entry = *entry(key.number);
    value.blocks = m_index.ImageBlocks[std::size_t(key.number)];
    const std::vector<std::uint8_t> bytes = UntrustedFile::read(file, MaxImageBytes);
    value.byteCount = std::int32_t(bytes.size());
    value.pixels.assign(pixelElementsFor(bytes.size()), 0);
    if (!bytes.empty())
        std::memcpy(value.pixels.data(), bytes.data(), bytes.size());
    return value;
}
