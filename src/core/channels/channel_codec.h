#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"

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

}  // namespace zem
