#pragma once

#include <array>
#include <string>

namespace zem {

// The channel grid as plain texts: 17 rows x 10 columns. Row 0 holds the
// column headers, column 0 the channel numbers "1" to "16"; rows 1-16 are
// channels 1-16. The codec fills and stores these texts, the commit rules
// edit them, the window shows them.
constexpr int kGridRows = 17;
constexpr int kGridCols = 10;
constexpr int kChannelCount = 16;

enum Column : int {
    kColChannel = 0,
    kColReceive = 1,
    kColTransmit = 2,
    kColDecode = 3,     // "QT/DQT DEC"
    kColEncode = 4,     // "QT/DQT ENC"
    kColScan = 5,
    kColPower = 6,
    kColBandwidth = 7,  // "W/N"
    kColBusy = 8,
    kColPtt = 9,
};

// "Ch", "Receive", "Transmit", "QT/DQT DEC", "QT/DQT ENC", "Scan", "Power", "W/N", "Busy", "PTT"
extern const std::array<const char*, kGridCols> kColumnHeaders;

class ChannelTable {
public:
    // A table with the headers in row 0 and "1".."16" in column 0; every
    // channel cell empty.
    ChannelTable();

    const std::string& text(int row, int col) const { return cells_[row][col]; }
    void setText(int row, int col, std::string text) { cells_[row][col] = std::move(text); }

    // True when cell (row, 1) or (row, 2) holds a frequency.
    bool hasFrequency(int row) const;

    friend bool operator==(const ChannelTable& a, const ChannelTable& b) { return a.cells_ == b.cells_; }
    friend bool operator!=(const ChannelTable& a, const ChannelTable& b) { return !(a == b); }

private:
    std::array<std::array<std::string, kGridCols>, kGridRows> cells_;
};

// What the channel page shows: the grid texts and the two combo selections.
// A selection of -1 means no entry is selected.
struct ChannelPageValues {
    ChannelTable cells;
    int typeIndex = 0;  // 0 "ZEM-KR-M4", 1 "Other..."
    int bandIndex = 0;  // 0-3 the four bands, 4 "Other...."
};

}  // namespace zem
