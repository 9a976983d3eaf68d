#include "channels/channel_table.h"

#include "translate.h"

namespace zem {

// The window shows them translated (context "ChannelTable"); the table,
// zemtool and the files keep these.
const std::array<const char*, kGridCols> kColumnHeaders = {
    ZEM_TRANSLATE_NOOP("ChannelTable", "Ch"),         ZEM_TRANSLATE_NOOP("ChannelTable", "Receive"),
    ZEM_TRANSLATE_NOOP("ChannelTable", "Transmit"),   ZEM_TRANSLATE_NOOP("ChannelTable", "QT/DQT DEC"),
    ZEM_TRANSLATE_NOOP("ChannelTable", "QT/DQT ENC"), ZEM_TRANSLATE_NOOP("ChannelTable", "Scan"),
    ZEM_TRANSLATE_NOOP("ChannelTable", "Power"),      ZEM_TRANSLATE_NOOP("ChannelTable", "W/N"),
    ZEM_TRANSLATE_NOOP("ChannelTable", "Busy"),       ZEM_TRANSLATE_NOOP("ChannelTable", "PTT"),
};

ChannelTable::ChannelTable()
{
    for (int col = 0; col < kGridCols; ++col)
        cells_[0][col] = kColumnHeaders[col];
    for (int row = 1; row < kGridRows; ++row)
        cells_[row][kColChannel] = std::to_string(row);
}

bool ChannelTable::hasFrequency(int row) const
{
    return !cells_[row][kColReceive].empty() || !cells_[row][kColTransmit].empty();
}

}  // namespace zem
