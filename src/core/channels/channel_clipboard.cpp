#include "channels/channel_clipboard.h"

#include "channels/channel_commit.h"
#include "channels/channel_csv.h"

#include <algorithm>
#include <set>

namespace zem {

namespace {

bool IsChannelCell(int row, int col)
{
    return row >= 1 && row <= kChannelCount && col >= kColReceive && col <= kColPtt;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A paste of a column of sixteen bad values tells the user once, not sixteen
// times.
class OnceMessenger : public Messenger {
public:
    explicit OnceMessenger(Messenger& target) : target_(target) {}

    void notice(const std::string& text) override
    {
        if (said_.insert(text).second)
            target_.notice(text);
    }
    bool confirm(const std::string& text) override { return target_.confirm(text); }
    bool retry(const std::string& text) override { return target_.retry(text); }

private:
    Messenger& target_;
    std::set<std::string> said_;
};

// Passes notices on (when there is a target) and counts them.
class CountingMessenger : public Messenger {
public:
    explicit CountingMessenger(Messenger* target) : target_(target) {}
    explicit CountingMessenger(Messenger& target) : target_(&target) {}

    void notice(const std::string& text) override
    {
        ++said;
        if (target_)
            target_->notice(text);
    }
    bool confirm(const std::string& text) override { return target_ && target_->confirm(text); }
    bool retry(const std::string& text) override { return target_ && target_->retry(text); }

    int said = 0;

private:
    Messenger* target_;
};

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

bool TypeCellValue(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                   Messenger& messenger)
{
    if (!IsChannelCell(row, col))
        return false;
    const std::string value = Trimmed(text);
    if (col == kColReceive || col == kColTransmit) {
        // The commit itself says why a frequency is refused, and then leaves the row.
        CountingMessenger counting(messenger);
        CommitFrequency(table, row, col, value, bandIndex, counting);
        return counting.said == 0;
    }
    if (col == kColDecode || col == kColEncode) {
        CommitTone(table, row, col, value);
        return true;
    }
    // A choice of a channel in use must be one of its list; a channel without
    // a frequency shows no choices, so there an empty value is what it gets.
    if (value.empty() && !table.hasFrequency(row)) {
        CommitChoice(table, row, col, value, false);
        return true;
    }
    const std::string entry = MatchChoice(col, value);
    if (entry.empty()) {
        messenger.notice(std::string(kColumnHeaders[col]) + " \"" + value + "\": " + ChoiceRefusal(col));
        return false;
    }
    CommitChoice(table, row, col, entry, false);
    return true;
}

CellBlock PasteCells(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                     Messenger& messenger)
{
    CellBlock block;
    if (!IsChannelCell(row, col))
        return block;
    OnceMessenger once(messenger);
    const auto lines = ParseTabText(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r > kChannelCount)
            break;
        for (std::size_t j = 0; j < lines[i].size(); ++j) {
            const int c = col + static_cast<int>(j);
            if (c > kColPtt)
                break;
            TypeCellValue(table, r, c, lines[i][j], bandIndex, once);
            block.right = std::max(block.right, c);
        }
        block.bottom = r;
    }
    if (block.bottom >= row) {
        block.top = row;
        block.left = col;
    }
    return block;
}

void DeleteCells(ChannelTable& table, std::vector<ChannelCell> cells)
{
    std::sort(cells.begin(), cells.end(), [](const ChannelCell& a, const ChannelCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    for (const ChannelCell& cell : cells) {
        if (!IsChannelCell(cell.row, cell.col))
            continue;
        if (cell.col == kColReceive || cell.col == kColTransmit) {
            // Emptying is never refused, so nothing is said.
            CountingMessenger quiet(nullptr);
            CommitFrequency(table, cell.row, cell.col, std::string(), 0, quiet);
        } else if (cell.col == kColDecode || cell.col == kColEncode) {
            CommitTone(table, cell.row, cell.col, std::string());
        } else if (!table.hasFrequency(cell.row)) {
            CommitChoice(table, cell.row, cell.col, std::string(), false);
        }
    }
}

}  // namespace zem
