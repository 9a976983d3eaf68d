#include "channels/channel_commit.h"

#include "channels/band.h"
#include "channels/frequency.h"
#include "channels/tone_table.h"
#include "translate.h"
#include "trimmed.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zem {

const char* const kMsgErrorDataFormat = ZEM_TRANSLATE_NOOP("zem::Channels", "Error Data Format，Please input again");
const char* const kMsgErrorDataValue =
    ZEM_TRANSLATE_NOOP("zem::Channels", "Error data Value，Please input according the step value(6.25K/5k)");

namespace {

const char* const kToneRefusal = ZEM_TRANSLATE_NOOP("zem::Channels", "not an entry of the tone list");

// Channel raster in 10 Hz units: 6.25 kHz and 5 kHz steps.
constexpr std::int64_t kRaster625 = 625;
constexpr std::int64_t kRaster500 = 500;

// Values come from the grid, pastes and imports; a cell outside the channel
// rows and columns is refused rather than written.
bool IsCell(int row, int col)
{
    return row >= 1 && row <= kChannelCount && col >= kColReceive && col <= kColPtt;
}

bool IsRowEmpty(const ChannelTable& table, int row, std::initializer_list<int> cols)
{
    for (int col : cols) {
        if (!table.text(row, col).empty())
            return false;
    }
    return true;
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Keeps what the frequency checks say, so that the caller reports a refusal
// in the program's own words, or shows it.
class KeepingMessenger : public Messenger {
public:
    void notice(const std::string& text) override
    {
        if (said.empty())
            said = text;
    }
    bool confirm(const std::string&) override { return false; }
    bool retry(const std::string&) override { return false; }

    std::string said;
};

}  // namespace

const std::vector<std::string>& ChoiceEntries(int col)
{
    static const std::vector<std::string> none;
    // The window shows them translated (context "ChannelTable").
    static const std::array<std::vector<std::string>, 5> entries = {{
        {ZEM_TRANSLATE_NOOP("ChannelTable", "Yes"), ZEM_TRANSLATE_NOOP("ChannelTable", "No")},
        {ZEM_TRANSLATE_NOOP("ChannelTable", "High"), ZEM_TRANSLATE_NOOP("ChannelTable", "Low")},
        {ZEM_TRANSLATE_NOOP("ChannelTable", "Wide"), ZEM_TRANSLATE_NOOP("ChannelTable", "Narrow")},
        {ZEM_TRANSLATE_NOOP("ChannelTable", "Off"), ZEM_TRANSLATE_NOOP("ChannelTable", "Carrier"),
         ZEM_TRANSLATE_NOOP("ChannelTable", "DT/DQT"), ZEM_TRANSLATE_NOOP("ChannelTable", "Off")},
        {ZEM_TRANSLATE_NOOP("ChannelTable", "On"), ZEM_TRANSLATE_NOOP("ChannelTable", "Off")},
    }};
    if (col < kColScan || col > kColPtt)
        return none;
    return entries[static_cast<std::size_t>(col - kColScan)];
}

std::string MatchChoice(int col, const std::string& text)
{
    const auto& entries = ChoiceEntries(col);
    const auto match = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& entry) { return SameIgnoringCase(entry, text); });
    return match == entries.end() ? std::string() : *match;
}

Text ChoiceRefusal(int col)
{
    const auto& entries = ChoiceEntries(col);
    std::string list;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        if (std::find(entries.begin(), entry, *entry) == entry)
            list += (list.empty() ? "" : ", ") + *entry;
    }
    return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "must be one of %1"), {list});
}

ListEntry MatchListEntry(int col, const std::string& value)
{
    ListEntry entry;
    if (col == kColDecode || col == kColEncode) {
        // A spreadsheet's "67" is the list's "67.0"; the list's own spelling
        // matters, since the image codec reads a code's polarity from it.
        const int tone = value.empty() ? 0 : MatchTone(value);
        if (tone < 0)
            entry.refusal = Text(kTextChannels, kToneRefusal);
        else if (!value.empty())
            entry.text = ToneTable()[static_cast<std::size_t>(tone)];
        return entry;
    }
    entry.text = MatchChoice(col, value);
    if (entry.text.empty())
        entry.refusal = ChoiceRefusal(col);
    return entry;
}

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

namespace {

// col 1 or 2.
void CommitFrequency(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                     Messenger& messenger)
{
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

// col 3 or 4: a ToneTable text (any letter case, kept as given) or "OFF".
void CommitTone(ChannelTable& table, int row, int col, const std::string& text)
{
    if (!table.hasFrequency(row)) {
        table.setText(row, col, std::string());
        return;
    }
    // A tone typed that is not in the list would be stored as some other
    // signalling, so it becomes off instead.
    table.setText(row, col, FindTone(text) >= 0 ? text : ToneTable().front());
}

// col 5-9: a list choice.
void CommitChoice(ChannelTable& table, int row, int col, const std::string& text, bool onEnter)
{
    if (table.hasFrequency(row))
        table.setText(row, col, text);
    else if (!onEnter)
        table.setText(row, col, std::string());
}

}  // namespace

Text TypeCellValue(ChannelTable& table, int row, int col, const std::string& text, int bandIndex, CellTyping typing)
{
    if (!IsCell(row, col))
        return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "not a cell of the channel table"));
    const std::string value = typing.fromEditor ? text : Trimmed(text);
    if (col == kColReceive || col == kColTransmit) {
        // The checks themselves say why a frequency is refused, and the row stays.
        KeepingMessenger commit;
        CommitFrequency(table, row, col, value, bandIndex, commit);
        // The checks say only their fixed texts (kMsgErrorDataFormat, kMsgErrorDataValue).
        return commit.said.empty() ? Text() : Text(kTextChannels, commit.said);
    }
    if (col == kColDecode || col == kColEncode) {
        if (typing.fromEditor) {
            CommitTone(table, row, col, value);
            return {};
        }
        const ListEntry tone = MatchListEntry(col, value);
        if (!tone.refusal.empty())
            return tone.refusal;
        CommitTone(table, row, col, tone.text);
        return {};
    }
    // A choice of a channel in use must be one of its list; a channel without
    // a frequency shows no choices, so there an empty value is what it gets.
    std::string entry;
    if (!value.empty() || table.hasFrequency(row)) {
        const ListEntry choice = MatchListEntry(col, value);
        if (!choice.refusal.empty())
            return choice.refusal;
        entry = choice.text;
    }
    CommitChoice(table, row, col, entry, typing.onEnter);
    return {};
}

}  // namespace zem
