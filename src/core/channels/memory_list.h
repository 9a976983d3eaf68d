#pragma once

#include "channels/channel_table.h"

#include <optional>
#include <string>
#include <vector>

namespace zem {

// The memory-list CSV that other programming tools and repeater lists
// exchange: a header row naming (at least) Location, Name, Frequency,
// Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, then one memory
// per row with frequencies in MHz.

// True when the first line of text is such a header row.
bool IsMemoryListHeader(const std::string& text);

// The channels with a receive frequency, one row each: Location 1-16, Name
// "CH1".."CH16", frequencies with 6 decimals; Duplex empty, "+"/"-" with
// the offset when both frequencies lie in the band of bandIndex, "split",
// or "off" without transmit; the simplest tone mode that says what the
// channel does; lines end in CRLF.
std::string ExportMemoryList(const ChannelTable& table, int bandIndex);

// A row value the radio cannot hold.
struct MemoryRefusal {
    int line = 0;
    std::string location;  // the row's Location, empty for a file problem
    std::string column;
    std::string value;
    std::string message;

    // "line 4, Location 3, Frequency "999.000000": Error Data Format，Please input again"
    std::string describe() const;
};

struct MemoryImport {
    std::vector<MemoryRefusal> refusals;  // any entry: nothing may be saved
    std::vector<std::string> notStored;   // what the radio does not keep: names, rows past the sixteen
    bool ok() const { return refusals.empty(); }
};

struct MemoryImportOptions {
    std::optional<long> from;  // the first Location taken
    bool clear = false;        // empty the channels that get no row
};

// Types the first 16 rows in Location order (from options.from on) into
// channels 1-16 of page.cells through the commit rules, with the band of
// page.bandIndex: Location n into channel n when all of them fit (n + 1 for
// a list counted from 0, n - from + 1 with from), else in order. Every refusal is collected; page.cells then holds a
// partial result and must be thrown away by the caller.
MemoryImport ImportMemoryList(const std::string& text, ChannelPageValues& page, const MemoryImportOptions& options);

}  // namespace zem
