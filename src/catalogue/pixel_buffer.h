#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// Allocator whose resize leaves new elements uninitialised: image buffers are filled
// straight from a file, so zeroing hundreds of megabytes first would only cost time.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U> &) noexcept {}

    template <typename U>
    void construct(U *p) noexcept { ::new (static_cast<void *>(p)) U; }
    template <typename U, typename... Args>
    void construct(U *p, Args &&...args) { ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...); }
};

// One image's pixels: 32-bit values whose bytes, lowest first, are blue, green, red, alpha.
using PixelBuffer = std::vector<std::uint32_t, UninitialisedAllocator<std::uint32_t>>;

// Number of 32-bit elements needed to hold byteCount bytes (a partial last pixel included).
inline std::size_t pixelElementsFor(std::size_t byteCount) { return (byteCount + 3) / 4; }
