#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// SHA-256 (FIPS 180-4), which mod packages and the record of installed mods name pictures by.
class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    // Adds bytes to the message.
    void update(const void *data, std::size_t size);
    // The digest of everything added; the object is spent afterwards.
    Digest finish();

    // The digest of one block of bytes as 64 lower-case hex digits.
    static std::string hex(const void *data, std::size_t size);
    // A digest as 64 lower-case hex digits.
    static std::string hex(const Digest &digest);
    // Whether the processor's SHA instructions are used where it has them (the default); tests
    // turn them off to check the portable code too.
    static void useProcessorInstructions(bool use);

private:
    // Runs the compression function over count 64-byte blocks.
    void compress(const std::uint8_t *blocks, std::size_t count);

    std::array<std::uint32_t, 8> m_state{0x6a09e667u, 0xbb67ae85u, 0x3c6ef372u, 0xa54ff53au,
                                         0x510e527fu, 0x9b05688cu, 0x1f83d9abu, 0x5be0cd19u};
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0;
};
