#include "channels/channel_clipboard.h"

#include "channels/channel_commit.h"
#include "document/input_text.h"
#include "trimmed.h"

#include <algorithm>
#include <set>

namespace zem {

namespace {

const char* const kPasteRefusals = ZEM_TRANSLATE_NOOP("zem::Channels", "These values were not pasted:");

bool IsChannelCell(int row, int col)
{
    return row >= 1 && row <= kChannelCount && col >= kColReceive && col <= kColPtt;
}

// Reads a quoted field whose opening quote is at text[start]: the field's
// text and the position after its closing quote. Nothing when the quote is
// never closed.
std::optional<std::pair<std::string, std::size_t>> QuotedField(const std::string& text, std::size_t start)
{
    std::string field;
    for (std::size_t i = start + 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            field += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else {
            return std::make_pair(std::move(field), i + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string CopyCells(const ChannelTable& table, const std::vector<ChannelCell>& cells)
{
    std::set<int> rows;
    std::set<int> cols;
    std::set<std::pair<int, int>> given;
    for (const ChannelCell& cell : cells) {
        if (!IsChannelCell(cell.row, cell.col))
            continue;
        rows.insert(cell.row);
        cols.insert(cell.col);
        given.insert({cell.row, cell.col});
    }
    std::string out;
    for (int row : rows) {
        if (!out.empty())
            out += '\n';
        bool first = true;
        for (int col : cols) {
            if (!first)
                out += '\t';
            first = false;
            if (given.count({row, col}))
                out += table.text(row, col);
        }
    }
    return out;
}

std::vector<std::vector<std::string>> ParseTabText(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> fields;
    std::string field;
    bool open = false;  // a line has begun and is not closed yet
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && field.empty()) {
            // Spreadsheets quote a cell that holds a tab, a line break or a
            // quote; what follows a closing quote up to the tab is kept too.
            if (auto quoted = QuotedField(text, i)) {
                field = std::move(quoted->first);
                i = quoted->second - 1;
                open = true;
                continue;
            }
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            fields.push_back(std::move(field));
            field.clear();
            lines.push_back(std::move(fields));
            fields.clear();
            open = false;
            continue;
        }
        open = true;
        if (c == '\t') {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (open) {
        fields.push_back(std::move(field));
        lines.push_back(std::move(fields));
    }
    return lines;
}

std::optional<std::string> SingleValue(const std::string& text)
{
    auto lines = ParseTabText(text);
    if (lines.size() != 1 || lines.front().size() != 1)
        return std::nullopt;
    return std::move(lines.front().front());
}

Text CellRefusal::said() const
{
    return Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "channel %1, %2: \"%3\": %4"),
                {std::to_string(row), std::string(kColumnHeaders[col]), ShownValue(value), message});
}

std::string CellRefusal::describe() const
{
    return said().english();
}

EditorPaste PasteIntoEditor(int row, int col, const std::string& value)
{
    EditorPaste paste;
    if (col < kColDecode || col > kColPtt) {
        // A frequency is checked when the editor commits.
        paste.text = value;
        return paste;
    }
    ListEntry entry = MatchListEntry(col, Trimmed(value));
    paste.text = std::move(entry.text);
    if (!entry.refusal.empty())
        paste.refusal = CellRefusal{row, col, value, entry.refusal}.said();
    return paste;
}

CellBlock PasteCells(ChannelTable& table, const std::vector<ChannelCell>& selection, const std::string& text,
                     int bandIndex, Messenger& messenger)
{
    CellBlock block;
    std::vector<ChannelCell> cells;
    for (const ChannelCell& cell : selection) {
        if (IsChannelCell(cell.row, cell.col))
            cells.push_back(cell);
    }
    if (cells.empty())
        return block;
    std::sort(cells.begin(), cells.end(), [](const ChannelCell& a, const ChannelCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });

    std::vector<CellRefusal> refusals;
    auto type = [&](int row, int col, const std::string& value) {
        Text message = TypeCellValue(table, row, col, value, bandIndex);
        if (!message.empty())
            refusals.push_back({row, col, value, std::move(message)});
    };
    std::vector<Text> said;

    const std::optional<std::string> single = SingleValue(text);
    if (single && cells.size() > 1) {
        for (const ChannelCell& cell : cells)
            type(cell.row, cell.col, *single);
    } else {
        const int row = cells.front().row;
        const int col = std::min_element(cells.begin(), cells.end(), [](const ChannelCell& a, const ChannelCell& b) {
                            return a.col < b.col;
                        })->col;
        const auto lines = ParseTabText(text);
        int leftOver = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int r = row + static_cast<int>(i);
            if (r > kChannelCount) {
                // A blank line at the end is no row of the paste.
                const bool blank = std::all_of(lines[i].begin(), lines[i].end(),
                                               [](const std::string& field) { return Trimmed(field).empty(); });
                leftOver += blank ? 0 : 1;
                continue;
            }
            for (std::size_t j = 0; j < lines[i].size(); ++j) {
                const int c = col + static_cast<int>(j);
                if (c > kColPtt)
                    break;
                type(r, c, lines[i][j]);
                block.right = std::max(block.right, c);
            }
            block.bottom = r;
        }
        if (block.bottom >= row) {
            block.top = row;
            block.left = col;
        }
        if (leftOver > 0) {
            said.push_back(Text(kTextChannels,
                                leftOver == 1 ? ZEM_TRANSLATE_NOOP("zem::Channels", "%1 row did not fit below channel 16 and was not pasted")
                                              : ZEM_TRANSLATE_NOOP("zem::Channels", "%1 rows did not fit below channel 16 and were not pasted"),
                                {std::to_string(leftOver)}));
        }
    }

    std::vector<Text> items;
    for (const CellRefusal& refusal : refusals)
        items.push_back(refusal.said());
    items.insert(items.end(), said.begin(), said.end());
    if (items.size() == 1)
        messenger.notice(items.front());
    else if (items.size() > 1)
        messenger.noticeList(kPasteRefusals, items);
    return block;
}

void DeleteCells(ChannelTable& table, std::vector<ChannelCell> cells)
{
    std::sort(cells.begin(), cells.end(), [](const ChannelCell& a, const ChannelCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    // Typing nothing: a choice of a channel in use refuses it and keeps its
    // entry, which is what deleting it should do; nothing else is refused.
    for (const ChannelCell& cell : cells)
        TypeCellValue(table, cell.row, cell.col, std::string(), 0);
}

}  // namespace zem
