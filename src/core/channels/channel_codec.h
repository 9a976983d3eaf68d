#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"

#include <cstdint>
#include <string>

namespace zem {

// The channel page's codec between the 16 channel records (0x010-0x10F),
// the band limits (0x220-0x227) and the radio type byte (0x22C) of the
// image, and the grid texts with the two combo selections.

// Sets rows 1-16, columns 1-9 of page.cells and both selections from image.
// Row 0 and column 0 are left as they are.
void FillFromImage(const RadioImage& image, ChannelPageValues& page);

// Parses rows 1-16, columns 1-9 back into bytes 0-12 of each record, then
// writes the band limits and the type byte from the selections.
void StoreToImage(const ChannelPageValues& page, RadioImage& image);

// One tone word (low byte, high byte) to its cell text: empty when off,
// "67.0" for a CTCSS tone, "D023N" / "D023I" for a DCS code.
std::string DecodeToneWord(std::uint8_t low, std::uint8_t high);

// A tone cell text to its word. A text with a "D" (either case) is a DCS
// code, inverted unless an "N" (either case) follows; any other text is a
// CTCSS tone in hertz, and a text reading as 0 ("OFF", empty) is off: FF FF.
void EncodeToneText(const std::string& text, std::uint8_t& low, std::uint8_t& high);

}  // namespace zem
