#include "channels/channel_csv.h"

#include "channels/band.h"
#include "channels/channel_commit.h"
#include "channels/frequency.h"
#include "document/input_text.h"
#include "trimmed.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

namespace zem {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

CsvParse ParseCsv(const std::string& text, char separator) {
    CsvParse parse;
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;

    int line = 1;
    CsvRecord record;
    record.line = line;
    std::string field;
    bool fieldStarted = false;  // anything seen on this record yet
    bool quoted = false;        // inside a quoted field
    bool afterQuote = false;    // a quoted field just closed
    int quoteLine = 0;

    auto endField = [&]() {
        record.fields.push_back(std::move(field));
        field.clear();
        afterQuote = false;
    };
    auto endRecord = [&]() {
        // A line with nothing on it is no record; a line with one empty
        // quoted field ("") is.
        if (fieldStarted || !record.fields.empty()) {
            endField();
            parse.records.push_back(std::move(record));
        }
        record = CsvRecord{};
        field.clear();
        fieldStarted = false;
        afterQuote = false;
    };

    while (pos < text.size()) {
        const char c = text[pos];
        if (quoted) {
            if (c == '"') {
                if (pos + 1 < text.size() && text[pos + 1] == '"') {
                    field += '"';
                    pos += 2;
                    continue;
                }
                quoted = false;
                afterQuote = true;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            ++pos;
            continue;
        }
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            ++pos;
            continue;
        }
        if (c == '\n' || c == '\r') {
            endRecord();
            ++line;
            record.line = line;
            ++pos;
            continue;
        }
        if (c == separator) {
            fieldStarted = true;
            endField();
            ++pos;
            continue;
        }
        if (afterQuote) {
            parse.message = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "line %1: text after a closing quote"),
                                 {std::to_string(line)});
            parse.records.clear();
            return parse;
        }
        if (c == '"' && field.empty()) {
            quoted = true;
            quoteLine = line;
            fieldStarted = true;
            ++pos;
            continue;
        }
        field += c;
        fieldStarted = true;
        ++pos;
    }
    if (quoted) {
        parse.message = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "line %1: a quoted field is not closed"),
                             {std::to_string(quoteLine)});
        parse.records.clear();
        return parse;
    }
    endRecord();
    parse.ok = true;
    return parse;
}

SpreadsheetCsv ReadSpreadsheetCsv(const std::string& text, const std::vector<std::string>& columnNames) {
    SpreadsheetCsv sheet;
    int bestCount = 0;
    const std::string header = text.substr(0, text.find('\n'));
    for (char separator : {',', ';', '\t'}) {
        const CsvParse parse = ParseCsv(header, separator);
        if (!parse.ok || parse.records.empty()) continue;
        int count = 0;
        for (const std::string& field : parse.records.front().fields) {
            const std::string name = Trimmed(field);
            count += static_cast<int>(std::count_if(columnNames.begin(), columnNames.end(),
                                                    [&](const std::string& known) { return SameIgnoringCase(name, known); }));
        }
        if (count > bestCount) {
            sheet.separator = separator;
            bestCount = count;
        }
    }
    sheet.parse = ParseCsv(text, sheet.separator);
    return sheet;
}

std::string WithDecimalPoint(const std::string& value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == value.size() ||
        value.find_first_not_of("0123456789,") != std::string::npos || value.find(',', comma + 1) != std::string::npos)
        return value;
    std::string number = value;
    number[comma] = '.';
    return number;
}

std::string CsvField(const std::string& text) {
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string ExportChannelsCsv(const ChannelTable& table) {
    std::string out;
    for (int row = 0; row < kGridRows; ++row) {
        for (int col = 0; col < kGridCols; ++col) {
            if (col > 0) out += ',';
            out += CsvField(row == 0 ? std::string(kColumnHeaders[col]) : table.text(row, col));
        }
        out += "\r\n";
    }
    return out;
}

Text RefusalText(const Text& place, const Text& message, const Text& note, const Text& remedy) {
    const Text said(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1: %2"), {place, message});
    if (note.empty()) return said;
    return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1 (%2%3)"), {said, note, remedy});
}

Text CsvRejection::said(const Text& remedy) const {
    // A problem of the whole text (no header, broken quoting) has no line
    // of its own, or names it in its message.
    if (line == 0) return message;
    Text place(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "line %1"), {std::to_string(line)});
    if (channel > 0) place = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1, channel %2"), {place, std::to_string(channel)});
    if (!column.empty())
        place = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1, %2 \"%3\""), {place, column, ShownValue(value)});
    return RefusalText(place, message, note, remedy);
}

std::string CsvRejection::describe(const std::string& remedy) const {
    return said(Text(remedy)).english();
}

namespace {

// Finds each grid column in the header row; -1 for a column the text lacks.
std::array<int, kGridCols> MatchColumns(const CsvRecord& header, char separator, CsvImport& result) {
    std::array<int, kGridCols> index;
    index.fill(-1);
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Trimmed(header.fields[i]);
        int found = -1;
        for (int col = 0; col < kGridCols; ++col) {
            if (SameIgnoringCase(name, kColumnHeaders[col])) found = col;
        }
        if (found < 0) {
            result.ignoredColumns.push_back(header.fields[i]);
        } else if (index[found] >= 0) {
            result.rejections.push_back({header.line, 0, kColumnHeaders[found], header.fields[i],
                                         Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the column appears twice"))});
        } else {
            index[found] = static_cast<int>(i);
        }
    }
    if (index[kColChannel] < 0) {
        std::string expected;
        std::string found;
        for (const char* name : kColumnHeaders) expected += (expected.empty() ? "" : ", ") + std::string(name);
        for (const auto& field : header.fields) found += (found.empty() ? "" : std::string(1, separator)) + field;
        result.rejections.push_back(
            {header.line, 0, "", "",
             Text(kTextChannels,
                  ZEM_TRANSLATE_NOOP("zem::Channels", "expected a header row with the column \"Ch\" and any of %1, "
                                                      "separated by commas, semicolons or tabs; found \"%2\""),
                  {expected, ShownValue(found)})});
    }
    return index;
}

// Types one cell's value into the table the way the grid's editor would,
// by the rules every paste and import shares.
void TypeCell(ChannelTable& table, int channel, int col, const std::string& raw, int bandIndex, bool decimalComma,
              int line, CsvImport& result) {
    const bool number = col >= kColReceive && col <= kColEncode;
    const std::string value = number && decimalComma ? WithDecimalPoint(Trimmed(raw)) : raw;
    Text refusal = TypeCellValue(table, channel, col, value, bandIndex);
    if (refusal.empty()) return;
    // A number outside the band says which band the file is for.
    const bool outOfBand = (col == kColReceive || col == kColTransmit) && refusal == kMsgErrorDataFormat &&
                           TextToUnits(value) > 0;
    result.rejections.push_back(
        {line, channel, kColumnHeaders[col], raw, std::move(refusal), outOfBand ? OutOfBandNote(bandIndex) : Text()});
}

}  // namespace

namespace {

// One pass over the rows, leaving out those on the lines in skip; headerLine
// is set to the line of the header row, rows counts the rows typed.
CsvImport ImportRows(const std::string& text, ChannelPageValues& page, const std::set<int>& skip, int& headerLine,
                     int& rows) {
    CsvImport result;
    const std::vector<std::string> names(kColumnHeaders.begin(), kColumnHeaders.end());
    const SpreadsheetCsv sheet = ReadSpreadsheetCsv(text, names);
    const char separator = sheet.separator;
    const CsvParse& parse = sheet.parse;
    if (!parse.ok) {
        result.rejections.push_back({0, 0, "", "", parse.message});
        return result;
    }
    if (parse.records.empty()) {
        result.rejections.push_back(
            {0, 0, "", "", Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the text has no header row"))});
        return result;
    }
    const CsvRecord& header = parse.records.front();
    headerLine = header.line;
    const std::array<int, kGridCols> index = MatchColumns(header, separator, result);
    if (index[kColChannel] < 0) return result;

    std::array<bool, kChannelCount + 1> seen{};
    for (std::size_t r = 1; r < parse.records.size(); ++r) {
        const CsvRecord& record = parse.records[r];
        if (skip.count(record.line)) continue;
        // Spreadsheets write a row of bare separators for an empty row.
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& field) { return Trimmed(field).empty(); }))
            continue;
        if (record.fields.size() != header.fields.size()) {
            result.rejections.push_back(
                {record.line, 0, "", "",
                 Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the row has %1 fields, the header %2"),
                      {std::to_string(record.fields.size()), std::to_string(header.fields.size())})});
            continue;
        }
        const std::string& chText = record.fields[static_cast<std::size_t>(index[kColChannel])];
        int channel = 0;
        const std::string trimmed = Trimmed(chText);
        if (!trimmed.empty() && trimmed.size() <= 2 &&
            std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            channel = std::stoi(trimmed);
        }
        if (channel < 1 || channel > kChannelCount) {
            result.rejections.push_back(
                {record.line, 0, kColumnHeaders[kColChannel], chText,
                 Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "not a channel number from 1 to 16"))});
            continue;
        }
        if (seen[static_cast<std::size_t>(channel)]) {
            result.rejections.push_back(
                {record.line, channel, kColumnHeaders[kColChannel], chText,
                 Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "the channel has a row already"))});
            continue;
        }
        seen[static_cast<std::size_t>(channel)] = true;
        ++rows;
        for (int col = kColReceive; col < kGridCols; ++col) {
            if (index[col] < 0) continue;
            TypeCell(page.cells, channel, col, record.fields[static_cast<std::size_t>(index[col])], page.bandIndex,
                     sheet.decimalComma(), record.line, result);
        }
    }
    return result;
}

}  // namespace

CsvImport ImportChannelsCsv(const std::string& text, ChannelPageValues& page, bool skipRefused) {
    const ChannelPageValues before = page;
    int headerLine = 0;
    int rows = 0;
    CsvImport result = ImportRows(text, page, {}, headerLine, rows);
    if (!skipRefused || result.ok()) return result;
    // The rows with a refusal are left out whole; a refusal of the text
    // itself or of its header row, or no row left, leaves nothing to take.
    std::set<int> refusedRows;
    for (const CsvRejection& rejection : result.rejections) {
        if (rejection.line == 0 || rejection.line == headerLine) return result;
        refusedRows.insert(rejection.line);
    }
    page = before;
    rows = 0;
    CsvImport taken = ImportRows(text, page, refusedRows, headerLine, rows);
    if (rows == 0) return result;
    taken.skipped = std::move(result.rejections);
    return taken;
}

}  // namespace zem
