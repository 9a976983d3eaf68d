#include "channels/band.h"

#include "document/memory_map.h"
#include "translate.h"

#include <cstddef>

namespace zem {

const char* const kMsgClearAllQuestion = ZEM_TRANSLATE_NOOP("zem::Channels", "You select other Type ,this will clear all data as new document,are you sure?");

const std::array<std::array<std::uint8_t, 8>, 4> kBandLimitBytes = {{
    {0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x60, 0x13},  // 174.00000 / 136.00000
    {0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x22},  // 280.00000 / 220.00000
    {0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00, 0x40},  // 470.00000 / 400.00000
    {0x00, 0x00, 0x20, 0x51, 0x00, 0x00, 0x00, 0x47},  // 512.00000 / 470.00000
}};

namespace {

// Bytes 1-3 of the receive frequency of the demonstration channels 1-16 of
// each band (byte 0 is always 00). Channels 10-13 of the 220 MHz band carry
// the low digits A-D that the radio's own tables have always held; they read
// as 243.02500 .. 243.32500 and are written back as proper digits.
using DefaultChannels = std::array<std::array<std::uint8_t, 3>, 16>;
const std::array<DefaultChannels, 4> kDefaultChannels = {{
    {{{0x50, 0x60, 0x13}, {0x50, 0x50, 0x15}, {0x50, 0x39, 0x17}, {0x25, 0x10, 0x16},
      {0x25, 0x11, 0x16}, {0x25, 0x12, 0x16}, {0x25, 0x13, 0x16}, {0x25, 0x14, 0x16},
      {0x25, 0x15, 0x16}, {0x25, 0x16, 0x16}, {0x25, 0x17, 0x16}, {0x25, 0x18, 0x16},
      {0x25, 0x19, 0x16}, {0x25, 0x20, 0x16}, {0x25, 0x21, 0x16}, {0x25, 0x22, 0x16}}},
    {{{0x50, 0x60, 0x22}, {0x50, 0x50, 0x24}, {0x50, 0x39, 0x26}, {0x25, 0x24, 0x24},
      {0x25, 0x25, 0x24}, {0x25, 0x26, 0x24}, {0x25, 0x27, 0x24}, {0x25, 0x28, 0x24},
      {0x25, 0x29, 0x24}, {0x25, 0x2A, 0x24}, {0x25, 0x2B, 0x24}, {0x25, 0x2C, 0x24},
      {0x25, 0x2D, 0x24}, {0x25, 0x20, 0x24}, {0x25, 0x21, 0x24}, {0x25, 0x22, 0x24}}},
    {{{0x50, 0x00, 0x40}, {0x55, 0x55, 0x43}, {0x50, 0x99, 0x46}, {0x00, 0x01, 0x44},
      {0x25, 0x81, 0x45}, {0x50, 0x81, 0x45}, {0x00, 0x21, 0x46}, {0x00, 0x22, 0x46},
      {0x00, 0x23, 0x46}, {0x75, 0x30, 0x46}, {0x75, 0x31, 0x46}, {0x75, 0x32, 0x46},
      {0x75, 0x33, 0x46}, {0x75, 0x34, 0x46}, {0x75, 0x35, 0x46}, {0x75, 0x36, 0x46}}},
    {{{0x50, 0x00, 0x47}, {0x50, 0x00, 0x49}, {0x50, 0x19, 0x51}, {0x25, 0x00, 0x50},
      {0x25, 0x01, 0x50}, {0x25, 0x02, 0x50}, {0x25, 0x03, 0x50}, {0x25, 0x04, 0x50},
      {0x25, 0x05, 0x50}, {0x25, 0x06, 0x50}, {0x25, 0x07, 0x50}, {0x25, 0x08, 0x50},
      {0x25, 0x09, 0x50}, {0x25, 0x10, 0x50}, {0x25, 0x11, 0x50}, {0x25, 0x12, 0x50}}},
}};

// Decode and encode tone words of channels 4-7: 67.0, 254.1, D023N, 162.2.
constexpr std::array<std::array<std::uint8_t, 4>, 4> kDefaultTones = {{
    {0x9E, 0x02, 0x9E, 0x02},
    {0xED, 0x09, 0xED, 0x09},
    {0x13, 0x28, 0x13, 0x28},
    {0x56, 0x06, 0x56, 0x06},
}};

constexpr std::uint8_t kDefaultFlags = 0x38;  // scan, high power, wide; busy lock and PTT ID off

void ClearWholeImage(RadioImage& image) { image.bytes.fill(0xFF); }

void WriteBandChannels(RadioImage& image, int band)
{
    for (int channel = 1; channel <= 16; ++channel) {
        std::uint8_t* record = image.data() + channel * kRecordSize;
        record[0] = 0x00;
        for (std::size_t k = 0; k < 3; ++k)
            record[1 + k] = kDefaultChannels[band][channel - 1][k];
    }
    for (std::size_t k : {2u, 3u, 6u, 7u})
        image[kBandLimitOffset + k] = kBandLimitBytes[band][k];
}

// Written for every band, and also when clearing for an other band is declined.
void WriteCommonDefaults(RadioImage& image)
{
    for (int channel = 1; channel <= 16; ++channel) {
        std::uint8_t* record = image.data() + channel * kRecordSize;
        for (std::size_t k = 0; k < 4; ++k)
            record[kRecordTransmit + k] = record[kRecordReceive + k];  // transmit starts equal to receive
        record[kRecordFlags] = kDefaultFlags;
    }
    image[kTypeOffset] = 0xFF;
    for (std::size_t t = 0; t < kDefaultTones.size(); ++t) {
        std::uint8_t* record = image.data() + (4 + t) * kRecordSize;
        for (std::size_t k = 0; k < 4; ++k)
            record[kRecordDecode + k] = kDefaultTones[t][k];
    }
    for (std::size_t k : {5u, 4u, 0u, 1u})  // the low bytes of both limits
        image[kBandLimitOffset + k] = 0x00;
}

}  // namespace

const std::vector<std::string>& TypeEntries()
{
    static const std::vector<std::string> entries = {"ZEM-KR-M4", ZEM_TRANSLATE_NOOP("ChannelTable", "Other...")};
    return entries;
}

const std::vector<std::string>& BandEntries()
{
    static const std::vector<std::string> entries = {"136-174MHZ", "220-280MHZ", "400-470MHZ", "470-512MHZ",
                                                       ZEM_TRANSLATE_NOOP("ChannelTable", "Other....")};
    return entries;
}

BandLimits ValidationLimits(int bandIndex)
{
    switch (bandIndex) {
    case 0: return {13600000, 17400000};
    case 1: return {22000000, 28000000};
    case 2: return {40000000, 47000000};
    case 3: return {47000000, 51200000};
    default: return {6000000, 60000000};
    }
}

Text OutOfBandNote(int bandIndex)
{
    const BandLimits limits = ValidationLimits(bandIndex);
    auto mhz = [](std::int64_t units) {
        std::string text = std::to_string(units / 100000);
        if (const std::int64_t rest = units % 100000) {
            std::string digits = std::to_string(100000 + rest).substr(1);
            text += "." + digits.substr(0, digits.find_last_not_of('0') + 1);
        }
        return text;
    };
    const auto& bands = BandEntries();
    if (bandIndex < 0 || static_cast<std::size_t>(bandIndex) >= bands.size())
        return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "outside %1-%2 MHz; this plan has no band chosen"),
                    {mhz(limits.lower), mhz(limits.upper)});
    // The band as its list shows it in the window.
    const Text band(kTextChannelTable, bands[static_cast<std::size_t>(bandIndex)]);
    return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "outside %1-%2 MHz; this plan is for band %3"),
                {mhz(limits.lower), mhz(limits.upper), band});
}

void ApplyChannelDefaults(RadioImage& image, int typeIndex, int bandIndex, Messenger& messenger)
{
    // Another radio type means starting over: the whole image is cleared, but
    // only when the user confirms.
    if (typeIndex > 0 && messenger.confirm(kMsgClearAllQuestion)) {
        ClearWholeImage(image);
        return;
    }
    if (bandIndex >= 0 && bandIndex < static_cast<int>(kDefaultChannels.size())) {
        WriteBandChannels(image, bandIndex);
    } else if (messenger.confirm(kMsgClearAllQuestion)) {
        ClearWholeImage(image);
        return;
    }
    WriteCommonDefaults(image);
}

}  // namespace zem
