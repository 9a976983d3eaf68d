#pragma once
// Images for the tests that move a whole memory: one whose bytes all differ
// from their neighbours, and a comparison of one stretch of two images.

#include "document/radio_image.h"

#include <algorithm>
#include <cstdint>

namespace zem::test {

// Every byte differs from its neighbours: offset * 7 + salt. Every byte
// value occurs, so a transfer of it also shows that the line passes
// flow-control, line-end and other control bytes unchanged.
inline RadioImage PatternImage(int salt) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + salt);
    return image;
}

inline bool SameRange(const RadioImage& a, const RadioImage& b, std::size_t begin, std::size_t end) {
    return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
}

}  // namespace zem::test
