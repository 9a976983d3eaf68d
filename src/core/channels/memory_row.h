#pragma once

#include "channels/channel_csv.h"
#include "channels/channel_table.h"
#include "channels/memory_list.h"

#include <array>
#include <cstdint>
#include <string>

// One row of a memory list read into the texts typed into a channel's
// cells: the part of the memory-list import that looks at a single row.
namespace zem::memory_row {

enum Field { kLocation, kName, kFrequency, kDuplex, kOffset, kTone, kRTone, kCTone, kDtcs, kPolarity, kRxDtcs,
             kCross, kMode, kStep, kSkip, kPower, kComment, kFieldCount };

// The header names of the columns, in their customary order.
extern const std::array<const char*, kFieldCount> kHeader;

// Where each column is in the file's rows; -1 for a column the file lacks.
using Columns = std::array<int, kFieldCount>;

std::string Lower(std::string text);

// A decimal number with at most `decimals` digits after the point, in
// units of 10^-decimals; false for anything else.
bool ParseFixed(const std::string& raw, int decimals, std::int64_t& out);

// Hz as MHz with 6 decimals: 145125000 -> "145.125000".
std::string HzText(std::int64_t hz);

// What one row says about a channel, as the texts typed into its cells.
struct Memory {
    int line = 0;
    long location = 0;
    std::string locationText;
    std::string cells[kGridCols];
    std::string written[kGridCols];  // receive and transmit as the file has them (Frequency, Offset)
    Text computed;                   // "transmit 439.100000" when an offset gave it
    std::string name;
    std::string power;      // as written; wattages are decided once all rows are read
    bool readable = false;  // every field could be read
};

// A field's text, blanks around it dropped; empty for a column the file lacks.
std::string FieldText(const CsvRecord& record, const Columns& columns, Field f);

// The refusal of a field with its reason.
MemoryRefusal Refusal(const CsvRecord& record, const Columns& columns, Field f, Text message);

// Reads a row: receive and transmit from Frequency, Duplex and Offset, the
// two tones from the tone mode, W/N from Mode, Scan from Skip. False after
// adding the row's refusals to result.
bool ReadRow(const CsvRecord& record, const Columns& columns, MemoryImport& result, Memory& memory);

}  // namespace zem::memory_row
