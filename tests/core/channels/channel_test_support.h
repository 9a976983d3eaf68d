// Images and page values the core's channel, plan and compare tests start
// from, bytes put into and read from an image, and a channel's cells read as
// the grid shows them.
#pragma once

#include "channels/band.h"
#include "channels/channel_codec.h"

#include "support/recording_messenger.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace zem::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put(RadioImage& image, std::size_t offset, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

inline Bytes BytesAt(const RadioImage& image, std::size_t offset, std::size_t count)
{
    const auto first = image.bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return Bytes(first, first + static_cast<std::ptrdiff_t>(count));
}

// A new document holding the band's demonstration channels.
inline RadioImage BandImage(int band)
{
    RadioImage image = NewDocumentImage();
    RecordingMessenger silent;
    ApplyChannelDefaults(image, 0, band, silent);
    return image;
}

inline ChannelPageValues PageOf(const RadioImage& image)
{
    ChannelPageValues page;
    FillFromImage(image, page);
    return page;
}

// Receive to PTT of one channel.
inline std::vector<std::string> RowTexts(const ChannelTable& table, int row)
{
    std::vector<std::string> texts;
    for (int col = kColReceive; col <= kColPtt; ++col)
        texts.push_back(table.text(row, col));
    return texts;
}

// Messages, and refusals with their place, as zemtool says them.
template <class Item, class... Hint>
std::vector<std::string> English(const std::vector<Item>& items, const Hint&... hint)
{
    std::vector<std::string> english;
    for (const Item& item : items) {
        if constexpr (std::is_same_v<Item, Text>)
            english.push_back(item.english());
        else
            english.push_back(item.describe(hint...));
    }
    return english;
}

}  // namespace zem::test
