#pragma once

#include "channels/channel_table.h"
#include "text.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zem {

// The memory-list CSV that other programming tools and repeater lists
// exchange: a header row naming (at least) Location, Name, Frequency,
// Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, then one memory
// per row with frequencies in MHz.

// The list may come as a spreadsheet saves it: with semicolons or tabs
// between the fields and decimal commas in the numbers.

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
    MemoryRefusal() = default;
    MemoryRefusal(int line, std::string location, std::string column, std::string value, Text message)
        : line(line), location(std::move(location)), column(std::move(column)), value(std::move(value)),
          message(std::move(message)) {}

    int line = 0;          // 0 for a problem of the whole file
    std::string location;  // the row's Location
    std::string column;    // empty when the message names what is wrong
    std::string value;     // the cell as the file has it
    Text message;
    Text computed;         // what was made of the cell: "transmit 439.100000"
    Text note;             // what a frequency is outside of (OutOfBandNote)

    // "line 4, Location 3, Offset "5" (transmit 439.100000): Error Data
    // Format，Please input again (outside 400-470 MHz; this plan is for band
    // 400-470MHZ — try --band)", remedy being " — try --band".
    std::string describe(const std::string& remedy = {}) const;
    Text said(const Text& remedy = {}) const;  // the same for the window to translate
};

struct MemoryImport {
    std::vector<MemoryRefusal> refusals;  // any entry: nothing may be saved; in line order
    std::vector<MemoryRefusal> skipped;   // with skipRefused: the refusals of the rows left out
    // What the radio does not keep: names, columns it has no place for,
    // rows past the sixteen.
    std::vector<Text> notStored;
    bool ok() const { return refusals.empty(); }
};

struct MemoryImportOptions {
    std::optional<long> from;  // the first Location taken
    bool clear = false;        // empty the channels that get no row
    bool skipRefused = false;  // leave out the rows with a refused value, take the others
};

// Types the first 16 rows in Location order (from options.from on) into
// channels 1-16 of page.cells through the commit rules, with the band of
// page.bandIndex: Location n into channel n when all of them fit (n + 1 for
// a list counted from 0, n - from + 1 with from), gaps kept, else in order.
// A list without a row to take is refused ("no memory to import"). Every
// refusal is collected; page.cells then holds a partial result and must be
// thrown away by the caller. With options.skipRefused the rows with a
// refusal are left out whole (the next rows move up) and listed in skipped;
// a refusal of the file itself still refuses it all.
MemoryImport ImportMemoryList(const std::string& text, ChannelPageValues& page, const MemoryImportOptions& options);

}  // namespace zem
