#include "document/radio_image.h"

namespace zem {

namespace {

// Row 19: option bytes 0x130-0x139, 0x13B, 0x13C and key bytes 0x13A, 0x13D-0x13F
// as the radio leaves the factory.
constexpr std::uint8_t kDefaultRow19[kImageRowSize] = {0xCA, 0x7F, 0x00, 0x02, 0x05, 0x02, 0x02, 0x04,
                                                       0x06, 0x06, 0x01, 0x00, 0x00, 0x91, 0x33, 0x46};

}  // namespace

RadioImage NewDocumentImage()
{
    RadioImage image;  // all 0xFF
    for (std::size_t channel = 1; channel <= 16; ++channel) {
        const std::size_t base = channel * kImageRowSize;
        for (std::size_t k = 0; k < 12; ++k)
            image[base + k] = 0x00;
        image[base + 12] = 0x2E;
    }
    for (std::size_t k = 0; k < kImageRowSize; ++k)
        image[0x130 + k] = kDefaultRow19[k];
    for (std::size_t k = 0; k < 8; ++k) {
        image[0x210 + k] = static_cast<std::uint8_t>(k + 1);  // PTT ID start code 12345678
        image[0x218 + k] = static_cast<std::uint8_t>(k + 1);  // PTT ID end code 12345678
    }
    return image;
}

}  // namespace zem
