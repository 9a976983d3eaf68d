#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zem {

// The radio's whole configuration memory: 1024 bytes, 64 rows of 16.
// Byte (row r, column c) lives at offset 16 * r + c.
constexpr std::size_t kImageSize = 1024;
constexpr std::size_t kImageRowSize = 16;

struct RadioImage {
    std::array<std::uint8_t, kImageSize> bytes;

    RadioImage() { bytes.fill(0xFF); }

    std::uint8_t& operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }

    std::uint8_t* data() { return bytes.data(); }
    const std::uint8_t* data() const { return bytes.data(); }

    friend bool operator==(const RadioImage& a, const RadioImage& b) { return a.bytes == b.bytes; }
    friend bool operator!=(const RadioImage& a, const RadioImage& b) { return !(a == b); }
};

// Sets (on) or clears the bits of mask in byte, leaving its other bits as
// they are: the flags and option bytes share each byte with bits of the
// radio's own.
inline void SetBit(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

// The image of a new document: all 0xFF, empty channel records
// (00 x 12, 2E, FF FF FF), the default option and key bytes of row 19 and
// the PTT ID codes 12345678 at 0x210 and 0x218.
RadioImage NewDocumentImage();

}  // namespace zem
