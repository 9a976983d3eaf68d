#include "channels/memory_list.h"

#include "channels/band.h"
#include "channels/channel_clipboard.h"
#include "channels/channel_commit.h"
#include "channels/channel_csv.h"
#include "channels/frequency.h"
#include "channels/memory_row.h"
#include "document/input_text.h"
#include "translate.h"
#include "trimmed.h"
#include "channels/tone_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

namespace zem {

using namespace memory_row;

namespace {

std::int64_t CellHz(const std::string& cell)
{
    return TextToUnits(cell) * 10;
}

// Wattages such as "5.0W" in hundredths of a watt; -1 for High/Low/empty.
std::int64_t Wattage(const std::string& power)
{
    std::string text = power;
    if (!text.empty() && (text.back() == 'W' || text.back() == 'w'))
        text.pop_back();
    std::int64_t watts = 0;
    return ParseFixed(text, 2, watts) ? watts : -1;
}

std::string ToneMode(const std::string& text, std::string& ctcss, std::string& code, char& polarity)
{
    const int tone = FindTone(text);
    if (tone <= 0)
        return "";
    const std::string& entry = ToneTable()[static_cast<std::size_t>(tone)];
    if (entry[0] != 'D') {
        ctcss = entry;
        return "Tone";
    }
    code = entry.substr(1, 3);
    polarity = entry.back() == 'I' ? 'R' : 'N';
    return "DTCS";
}

SpreadsheetCsv ReadList(const std::string& text)
{
    return ReadSpreadsheetCsv(text, std::vector<std::string>(kHeader.begin(), kHeader.end()));
}

}  // namespace

bool IsMemoryListHeader(const std::string& text)
{
    const CsvParse parse = ReadList(text.substr(0, text.find('\n'))).parse;
    if (!parse.ok || parse.records.empty())
        return false;
    const auto& fields = parse.records.front().fields;
    for (const char* name : {"Location", "Frequency", "Duplex"}) {
        if (std::none_of(fields.begin(), fields.end(), [&](const std::string& f) { return Trimmed(f) == name; }))
            return false;
    }
    return true;
}

Text MemoryRefusal::said(const Text& remedy) const
{
    if (line == 0)
        return message;
    // The place grows piece by piece, each piece a text of its own.
    Text place(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "line %1"), {std::to_string(line)});
    if (!location.empty())
        place = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1, Location %2"), {place, location});
    if (!column.empty())
        place = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1, %2 \"%3\""), {place, column, ShownValue(value)});
    if (!computed.empty())
        place = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1 (%2)"), {place, computed});
    return RefusalText(place, message, note, remedy);
}

std::string MemoryRefusal::describe(const std::string& remedy) const
{
    return said(Text(remedy)).english();
}

std::string ExportMemoryList(const ChannelTable& table, int bandIndex)
{
    std::string out;
    for (std::size_t i = 0; i < kHeader.size(); ++i)
        out += std::string(i ? "," : "") + kHeader[i];
    out += "\r\n";
    const BandLimits band = ValidationLimits(bandIndex);
    auto inBand = [&](const std::string& cell) {
        const std::int64_t units = TextToUnits(cell);
        return units >= band.lower && units <= band.upper;
    };
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::string& receive = table.text(row, kColReceive);
        if (receive.empty())
            continue;
        const std::string& transmit = table.text(row, kColTransmit);
        const std::int64_t rx = CellHz(receive);
        const std::int64_t tx = CellHz(transmit);
        std::string duplex;
        std::string offset = HzText(0);
        if (transmit.empty()) {
            duplex = "off";
        } else if (tx != rx && inBand(receive) && inBand(transmit)) {
            duplex = tx > rx ? "+" : "-";
            offset = HzText(tx > rx ? tx - rx : rx - tx);
        } else if (tx != rx) {
            duplex = "split";
            offset = HzText(tx);
        }

        std::string rTone = "88.5", cTone = "88.5", txCode = "023", rxCode = "023";
        char txPolarity = 'N', rxPolarity = 'N';
        const std::string send = ToneMode(table.text(row, kColEncode), rTone, txCode, txPolarity);
        const std::string hear = ToneMode(table.text(row, kColDecode), cTone, rxCode, rxPolarity);
        std::string mode;
        std::string cross = "Tone->Tone";
        if (send.empty() && hear.empty()) {
        } else if (send == "Tone" && hear.empty()) {
            mode = "Tone";
        } else if (send == "Tone" && hear == "Tone" && rTone == cTone) {
            mode = "TSQL";
            rTone = "88.5";
        } else if (send == "DTCS" && hear == "DTCS" && txCode == rxCode) {
            mode = "DTCS";
            rxCode = "023";
        } else {
            mode = "Cross";
            cross = send + "->" + hear;
        }
        const std::string fields[] = {
            std::to_string(row), "CH" + std::to_string(row), HzText(rx), duplex, offset, mode, rTone, cTone, txCode,
            std::string{txPolarity, rxPolarity}, rxCode, cross,
            table.text(row, kColBandwidth) == "Narrow" ? "NFM" : "FM", "5.00",
            table.text(row, kColScan) == "No" ? "S" : "", table.text(row, kColPower) == "Low" ? "Low" : "High", "",
        };
        for (std::size_t i = 0; i < kHeader.size(); ++i)
            out += (i ? "," : "") + CsvField(fields[i]);
        out += "\r\n";
    }
    return out;
}

namespace {

// The columns of numbers, whose decimal commas a spreadsheet may have written.
const Field kNumberFields[] = {kFrequency, kOffset, kRTone, kCTone, kStep};

// One pass over the list, leaving out the rows on the lines in skip;
// headerLine is set to the line of the header row.
MemoryImport ImportRows(const std::string& text, ChannelPageValues& page, const MemoryImportOptions& options,
                        const std::set<int>& skip, int& headerLine)
{
    MemoryImport result;
    SpreadsheetCsv sheet = ReadList(text);
    CsvParse& parse = sheet.parse;
    if (!parse.ok || parse.records.empty()) {
        result.refusals.push_back(
            {0, "", "", "",
             parse.ok ? Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the file has no header row"))
                      : parse.message});
        return result;
    }
    const CsvRecord& header = parse.records.front();
    headerLine = header.line;
    Columns index;
    index.fill(-1);
    std::vector<std::size_t> unused;  // columns the radio has no place for
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        bool known = false;
        for (std::size_t f = 0; f < kHeader.size(); ++f) {
            if (Trimmed(header.fields[i]) == kHeader[f] && index[f] < 0) {
                index[f] = static_cast<int>(i);
                known = f != kStep && f != kComment;
                break;
            }
        }
        if (!known)
            unused.push_back(i);
    }
    for (Field f : {kLocation, kFrequency}) {
        if (index[f] < 0)
            result.refusals.push_back({header.line, "", "", "",
                                       Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the header row has no %1 column"),
                                            {std::string(kHeader[f])})});
    }
    if (!result.ok())
        return result;

    // Rows by Location; the first 16 from `from` on are taken.
    std::map<long, const CsvRecord*> rows;
    for (std::size_t r = 1; r < parse.records.size(); ++r) {
        CsvRecord& record = parse.records[r];
        if (skip.count(record.line))
            continue;
        for (Field f : kNumberFields) {
            const int at = index[f];
            if (sheet.decimalComma() && at >= 0 && static_cast<std::size_t>(at) < record.fields.size())
                record.fields[static_cast<std::size_t>(at)] = WithDecimalPoint(Trimmed(record.fields[static_cast<std::size_t>(at)]));
        }
        std::int64_t location = 0;
        if (!ParseFixed(FieldText(record, index, kLocation), 0, location) || location > 1'000'000) {
            result.refusals.push_back(Refusal(record, index, kLocation,
                                              Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "not a whole number"))));
            continue;
        }
        if (!rows.emplace(static_cast<long>(location), &record).second)
            result.refusals.push_back(
                Refusal(record, index, kLocation,
                        Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the Location appears twice"))));
    }
    std::vector<Memory> taken;
    std::vector<const CsvRecord*> takenRows;
    std::vector<std::string> past;
    for (const auto& [location, record] : rows) {
        if (options.from && location < *options.from)
            continue;
        if (taken.size() == kChannelCount) {
            past.push_back(std::to_string(location));
            continue;
        }
        Memory memory;
        memory.readable = ReadRow(*record, index, result, memory);
        memory.location = location;
        taken.push_back(memory);
        takenRows.push_back(record);
    }
    if (taken.empty() && result.ok()) {
        result.refusals.push_back(
            {0, "", "", "", Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "no memory to import"))});
        return result;
    }

    // The highest wattage among the taken rows is High, any lower one Low.
    std::int64_t highest = -1;
    for (const Memory& memory : taken)
        highest = std::max(highest, Wattage(memory.power));
    for (Memory& memory : taken) {
        const std::string power = Lower(memory.power);
        if (power.empty() || power == "high")
            memory.cells[kColPower] = "High";
        else if (power == "low")
            memory.cells[kColPower] = "Low";
        else if (Wattage(memory.power) >= 0)
            memory.cells[kColPower] = Wattage(memory.power) == highest ? "High" : "Low";
        else {
            result.refusals.push_back(
                {memory.line, memory.locationText, "Power", memory.power,
                 Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "must be High, Low or a wattage such as 5.0W"))});
            memory.readable = false;
        }
    }

    // Locations that fit the 16 channels keep their gaps (Location n to
    // channel n, or n + 1 for a list counted from 0), so a list exported
    // from a table with empty channels comes back to the same channels;
    // any other rows fill the channels in order.
    const long base = options.from ? *options.from : (!taken.empty() && taken.front().location == 0 ? 0 : 1);
    const bool keepGaps = !taken.empty() && taken.front().location >= base && taken.back().location - base < kChannelCount;
    std::vector<bool> typed(kChannelCount + 1, false);
    ChannelTable& table = page.cells;
    std::vector<Text> names;  // the names the channels cannot keep
    for (std::size_t i = 0; i < taken.size(); ++i) {
        const int row = keepGaps ? static_cast<int>(taken[i].location - base) + 1 : static_cast<int>(i) + 1;
        typed[static_cast<std::size_t>(row)] = true;
        const Memory& memory = taken[i];
        if (!memory.readable)
            continue;
        for (int col : {kColReceive, kColTransmit, kColDecode, kColEncode, kColScan, kColPower, kColBandwidth}) {
            const bool sameAsReceive = col == kColTransmit && memory.cells[col] == memory.cells[kColReceive];
            Text refusal = TypeCellValue(table, row, col, memory.cells[col], page.bandIndex);
            if (refusal.empty() || sameAsReceive)
                continue;
            const bool frequency = col == kColReceive || col == kColTransmit;
            const Field source = col == kColReceive ? kFrequency : col == kColTransmit ? kOffset : kMode;
            const bool outOfBand = frequency && refusal == kMsgErrorDataFormat;
            MemoryRefusal said{memory.line, memory.locationText, kHeader[source],
                               frequency ? memory.written[col] : memory.cells[col], std::move(refusal)};
            if (col == kColTransmit)
                said.computed = memory.computed;
            if (outOfBand)
                said.note = OutOfBandNote(page.bandIndex);
            result.refusals.push_back(std::move(said));
        }
        // The names this program writes itself say nothing the channel number does not.
        if (!memory.name.empty() && memory.name != "CH" + std::to_string(row))
            names.push_back(Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "Location %1 \"%2\""),
                                 {memory.locationText, ShownValue(memory.name)}));
    }
    if (!names.empty())
        result.notStored.push_back(Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "names not stored: %1"),
                                        {Text::Joined(std::move(names), ", ")}));
    // Columns the radio has no place for, once each with the rows that hold
    // something there; the step this program writes itself says nothing.
    for (std::size_t column : unused) {
        int filled = 0;
        for (const CsvRecord* record : takenRows) {
            const std::string value = column < record->fields.size() ? Trimmed(record->fields[column]) : std::string();
            filled += !value.empty() && !(static_cast<int>(column) == index[kStep] && value == "5.00");
        }
        if (filled > 0)
            result.notStored.push_back(
                Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "column \"%1\" not stored: %2 row(s) hold a value there"),
                     {Trimmed(header.fields[column]), std::to_string(filled)}));
    }
    if (options.clear) {
        std::vector<ChannelCell> cells;
        for (int row = 1; row <= kChannelCount; ++row) {
            if (typed[static_cast<std::size_t>(row)])
                continue;
            for (int col = kColReceive; col <= kColPtt; ++col)
                cells.push_back({row, col});
        }
        DeleteCells(table, cells);
    }
    if (past.size() == 1)
        result.notStored.push_back(
            Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1 row(s) past the sixteen taken: Location %2 not stored"),
                 {std::to_string(past.size()), past.front()}));
    else if (!past.empty())
        result.notStored.push_back(Text(
            kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1 row(s) past the sixteen taken: Location %2 to %3 not stored"),
            {std::to_string(past.size()), past.front(), past.back()}));
    std::stable_sort(result.refusals.begin(), result.refusals.end(),
                     [](const MemoryRefusal& a, const MemoryRefusal& b) { return a.line < b.line; });
    return result;
}

}  // namespace

MemoryImport ImportMemoryList(const std::string& text, ChannelPageValues& page, const MemoryImportOptions& options)
{
    const ChannelPageValues before = page;
    int headerLine = 0;
    MemoryImport result = ImportRows(text, page, options, {}, headerLine);
    if (!options.skipRefused || result.ok())
        return result;
    // Rows with a refusal are left out whole; the rows after them move up,
    // and may bring refusals of their own, until every row taken fits. A
    // refusal of the file or its header row leaves nothing to take.
    std::set<int> refusedRows;
    std::vector<MemoryRefusal> skipped;
    MemoryImport taken = result;
    while (!taken.ok()) {
        for (const MemoryRefusal& refusal : taken.refusals) {
            if (refusal.line == 0 || refusal.line == headerLine)
                return result;
            refusedRows.insert(refusal.line);
            skipped.push_back(refusal);
        }
        page = before;
        taken = ImportRows(text, page, options, refusedRows, headerLine);
    }
    std::stable_sort(skipped.begin(), skipped.end(),
                     [](const MemoryRefusal& a, const MemoryRefusal& b) { return a.line < b.line; });
    taken.skipped = std::move(skipped);
    return taken;
}

}  // namespace zem
