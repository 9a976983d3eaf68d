#include "channels/channel_commit.h"

#include "channels/band.h"
#include "channels/frequency.h"
#include "channels/tone_table.h"

namespace zem {

const char* const kMsgErrorDataFormat = "Error Data Format，Please input again";
const char* const kMsgErrorDataValue = "Error data Value，Please input according the step value(6.25K/5k)";

namespace {

// Channel raster in 10 Hz units: 6.25 kHz and 5 kHz steps.
constexpr std::int64_t kRaster625 = 625;
constexpr std::int64_t kRaster500 = 500;

// Commits come from the grid and from command lines; a cell outside the
// channel rows or the column kind is ignored rather than written.
bool IsCell(int row, int col, int firstCol, int lastCol)
{
    return row >= 1 && row <= kChannelCount && col >= firstCol && col <= lastCol;
}

bool IsRowEmpty(const ChannelTable& table, int row, std::initializer_list<int> cols)
{
    for (int col : cols) {
        if (!table.text(row, col).empty())
            return false;
    }
    return true;
}

}  // namespace

FrequencyCheck ValidateFrequency(const std::string& text, int bandIndex, Messenger& messenger)
{
    FrequencyCheck check;
    if (text.empty())
        return check;  // emptying a cell is a choice, not an error

    const std::int64_t units = TextToUnits(text);
    const BandLimits limits = ValidationLimits(bandIndex);
    if (units < limits.lower || units > limits.upper) {
        messenger.notice(kMsgErrorDataFormat);
        check.result = FrequencyCheck::Result::Invalid;
        return check;
    }
    if (units % kRaster625 != 0 && units % kRaster500 != 0) {
        messenger.notice(kMsgErrorDataValue);
        check.result = FrequencyCheck::Result::Invalid;
        return check;
    }
    // The cell shows, and the store later writes, exactly the value checked.
    check.result = FrequencyCheck::Result::Valid;
    check.text = FormatFrequency(units);
    return check;
}

void CommitFrequency(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                     Messenger& messenger)
{
    if (!IsCell(row, col, kColReceive, kColTransmit))
        return;
    const FrequencyCheck check = ValidateFrequency(text, bandIndex, messenger);
    if (check.result == FrequencyCheck::Result::Invalid)
        return;  // a typo must not cost the user the channel: the row stays as it was

    if (check.result == FrequencyCheck::Result::Valid) {
        // The first frequency of an empty channel brings a usable channel with it.
        if (IsRowEmpty(table, row, {kColDecode, kColEncode, kColScan, kColReceive, kColTransmit})) {
            table.setText(row, kColDecode, "Off");
            table.setText(row, kColEncode, "Off");
            table.setText(row, kColScan, "Yes");
            table.setText(row, kColPower, "High");
            table.setText(row, kColBandwidth, "Wide");
            table.setText(row, kColBusy, "Off");
            table.setText(row, kColPtt, "Off");
            if (col == kColReceive)
                table.setText(row, kColTransmit, check.text);
        }
        table.setText(row, col, check.text);
        return;
    }

    // Emptied on purpose: a frequency takes its tone with it.
    table.setText(row, col == kColReceive ? kColDecode : kColEncode, std::string());
    table.setText(row, col, std::string());
    if (IsRowEmpty(table, row, {kColReceive, kColTransmit, kColDecode, kColEncode}))
        table.setText(row, kColScan, std::string());
}

void CommitTone(ChannelTable& table, int row, int col, const std::string& text)
{
    if (!IsCell(row, col, kColDecode, kColEncode))
        return;
    if (!table.hasFrequency(row)) {
        table.setText(row, col, std::string());
        return;
    }
    // A tone typed that is not in the list would be stored as some other
    // signalling, so it becomes off instead.
    table.setText(row, col, FindTone(text) >= 0 ? text : ToneTable().front());
}

void CommitChoice(ChannelTable& table, int row, int col, const std::string& text, bool onEnter)
{
    if (!IsCell(row, col, kColScan, kColPtt))
        return;
    if (table.hasFrequency(row))
        table.setText(row, col, text);
    else if (!onEnter)
        table.setText(row, col, std::string());
}

}  // namespace zem
