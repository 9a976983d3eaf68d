#pragma once

#include "document/radio_image.h"
#include "messenger.h"
#include "text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zem {

// "ZEM-KR-M4", "Other..."
const std::vector<std::string>& TypeEntries();
// "136-174MHZ", "220-280MHZ", "400-470MHZ", "470-512MHZ", "Other...."
const std::vector<std::string>& BandEntries();

// Inclusive frequency limits in 10 Hz units that the grid accepts for a band
// selection; anything but 0-3 (including -1, no selection) accepts 60-600 MHz.
struct BandLimits {
    std::int64_t lower;
    std::int64_t upper;
};
BandLimits ValidationLimits(int bandIndex);

// What an out-of-band frequency is outside of, for the refusal lists:
// "outside 400-470 MHz; this plan is for band 400-470MHZ".
Text OutOfBandNote(int bandIndex);

// Bytes 0x220-0x227 (upper limit, then lower limit) of each of the four
// bands, in band-list order.
extern const std::array<std::array<std::uint8_t, 8>, 4> kBandLimitBytes;

extern const char* const kMsgClearAllQuestion;  // "You select other Type ,this will clear all data as new document,are you sure?"

// The "Default Setting" button of the channel page: writes the demonstration
// channels of the chosen band (or, after the question is answered OK, clears
// the whole image to 0xFF). The caller then refills the page.
void ApplyChannelDefaults(RadioImage& image, int typeIndex, int bandIndex, Messenger& messenger);

}  // namespace zem
