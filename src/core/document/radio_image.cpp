#include "document/radio_image.h"

#include "document/memory_map.h"

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
    for (std::size_t base = kChannelAreaOffset; base < kChannelAreaEnd; base += kRecordSize) {
        for (std::size_t k = 0; k < kRecordFlags; ++k)
            image[base + k] = 0x00;
        image[base + kRecordFlags] = 0x2E;
    }
    for (std::size_t k = 0; k < kImageRowSize; ++k)
        image[kSettingsRowOffset + k] = kDefaultRow19[k];
    // Both PTT ID codes 12345678.
    for (std::size_t k = 0; k < kPttIdAreaEnd - kPttIdAreaOffset; ++k)
        image[kPttIdAreaOffset + k] = static_cast<std::uint8_t>(k % 8 + 1);
    return image;
}

}  // namespace zem
