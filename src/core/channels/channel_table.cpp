#include "channels/channel_table.h"

namespace zem {

const std::array<const char*, kGridCols> kColumnHeaders = {
    "Ch", "Receive", "Transmit", "QT/DQT DEC", "QT/DQT ENC", "Scan", "Power", "W/N", "Busy", "PTT",
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
