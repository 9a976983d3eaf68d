#include "channels/cell_keys.h"

#include "channels/channel_commit.h"
#include "channels/tone_table.h"
#include "translate.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zem {

const char* const kMsgInputNumber = ZEM_TRANSLATE_NOOP("zem::gui::CChannelPage", "Please input Number");

namespace {

bool BeginsIgnoringCase(const std::string& entry, const std::string& text) {
    if (text.size() > entry.size()) return false;
    return std::equal(text.begin(), text.end(), entry.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

bool IsFrequencyColumn(int col) { return col == kColReceive || col == kColTransmit; }

// The current cell moved to (row, col), kept inside the channel cells.
CellAction MoveTo(int row, int col) {
    CellAction action;
    action.row = std::clamp(row, 1, kChannelCount);
    action.col = std::clamp(col, static_cast<int>(kColReceive), static_cast<int>(kColPtt));
    return action;
}

// The editor of (row, col) opened with the cell's value, its text selected.
void OpenWithValue(const ChannelTable& table, CellAction& action) {
    action.open = EditorOf(action.col);
    const std::string& value = table.text(action.row, action.col);
    action.entry = PreselectedEntry(action.col, value);
    if (action.open == CellEditor::Text) action.text = value;
    else if (action.open == CellEditor::Tone) action.text = ToneTable()[static_cast<std::size_t>(action.entry)];
    action.selectAll = true;
}

// A character typed on the table: it starts the cell's edit and replaces
// the cell's value. A frequency takes only digits: anything else is refused
// with a notice first, and then starts an empty box when the cell was empty.
// A pure list takes no typed text and opens on the cell's entry; the Power
// list is chosen with the mouse, so typing there opens nothing.
CellAction Typed(const ChannelTable& table, int row, int col, const std::string& typed) {
    CellAction action = MoveTo(row, col);
    if (col == kColPower) return action;
    const bool digit = typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9';
    if (IsFrequencyColumn(col) && !digit) action.notice = kMsgInputNumber;
    OpenWithValue(table, action);
    action.selectAll = false;
    if (action.open == CellEditor::Text) action.text = digit || !table.text(row, col).empty() ? typed : std::string();
    else if (action.open == CellEditor::Tone) action.text = typed;
    return action;
}

CellAction OnGrid(const ChannelTable& table, int row, int col, CellKey key, const std::string& typed) {
    switch (key) {
    case CellKey::Typed:
        return Typed(table, row, col, typed);
    case CellKey::F2:
    case CellKey::Press:
    case CellKey::DoubleClick: {
        CellAction action = MoveTo(row, col);
        OpenWithValue(table, action);
        return action;
    }
    case CellKey::Enter: {
        // Enter moves one cell to the right; from the PTT column it moves
        // on as Tab does, out of the table.
        CellAction action = MoveTo(row, col < kColPtt ? col + 1 : col);
        action.focusNext = col >= kColPtt;
        return action;
    }
    case CellKey::Delete: {
        CellAction action = MoveTo(row, col);
        action.emptySelection = true;
        return action;
    }
    case CellKey::Up: return MoveTo(row - 1, col);
    case CellKey::Down: return MoveTo(row + 1, col);
    case CellKey::Left: return MoveTo(row, col - 1);
    case CellKey::Right: return MoveTo(row, col + 1);
    case CellKey::Home: return MoveTo(row, kColReceive);
    case CellKey::End: return MoveTo(row, kColPtt);
    case CellKey::RightPress: return MoveTo(row, col);
    case CellKey::Tab:
    case CellKey::Escape:
        break;
    }
    CellAction action = MoveTo(row, col);
    action.native = true;
    return action;
}

CellAction InEditor(const ChannelPageValues& page, int row, int col, CellKey key, const std::string& text) {
    CellAction action = MoveTo(row, col);
    switch (key) {
    case CellKey::Enter:
    case CellKey::Tab: {
        // Enter commits and runs on to the next cell's editor; after PTT to
        // the next channel's receive frequency, and after the last channel
        // out of the table, so that Enter never reaches "Default Setting"
        // as a press. Tab does the same with the commit of leaving the
        // cell.
        const bool onEnter = key == CellKey::Enter;
        action.commit = action.close = true;
        action.onEnter = onEnter;
        if (col < kColPtt) {
            action.col = col + 1;
        } else if (row < kChannelCount) {
            action.row = row + 1;
            action.col = kColReceive;
        } else {
            action.focusNext = true;
            return action;
        }
        // The next editor shows its cell as the commit leaves it.
        ChannelTable committed = page.cells;
        TypeCellValue(committed, row, col, text, page.bandIndex, {true, onEnter});
        OpenWithValue(committed, action);
        return action;
    }
    case CellKey::Escape:
        action.close = true;
        return action;
    default:
        action.native = true;
        return action;
    }
}

}  // namespace

CellEditor EditorOf(int col) {
    if (IsFrequencyColumn(col)) return CellEditor::Text;
    if (col == kColDecode || col == kColEncode) return CellEditor::Tone;
    if (col >= kColScan && col <= kColPtt) return CellEditor::List;
    return CellEditor::None;
}

int PreselectedEntry(int col, const std::string& text) {
    const CellEditor editor = EditorOf(col);
    if (editor != CellEditor::Tone && editor != CellEditor::List) return -1;
    const std::vector<std::string>& entries = editor == CellEditor::Tone ? ToneTable() : ChoiceEntries(col);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& entry) { return BeginsIgnoringCase(entry, text); });
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

CellAction CellKeyAction(const ChannelPageValues& page, KeyPlace place, int row, int col, CellKey key,
                         const std::string& text) {
    if (place == KeyPlace::Control) {
        // Enter on the type or band list or the button moves on as Tab
        // does; it does not press the button.
        CellAction action;
        action.native = key != CellKey::Enter;
        action.focusNext = key == CellKey::Enter;
        return action;
    }
    // A fixed cell is never current; a key there acts on channel 1's receive frequency.
    row = std::clamp(row, 1, kChannelCount);
    col = std::clamp(col, static_cast<int>(kColReceive), static_cast<int>(kColPtt));
    return place == KeyPlace::Editor ? InEditor(page, row, col, key, text) : OnGrid(page.cells, row, col, key, text);
}

std::optional<CellKey> CellKeyNamed(const std::string& name) {
    static const std::pair<const char*, CellKey> kNames[] = {
        {"Enter", CellKey::Enter},       {"Tab", CellKey::Tab},
        {"Escape", CellKey::Escape},     {"F2", CellKey::F2},
        {"Delete", CellKey::Delete},     {"Home", CellKey::Home},
        {"End", CellKey::End},           {"ArrowUp", CellKey::Up},
        {"ArrowDown", CellKey::Down},    {"ArrowLeft", CellKey::Left},
        {"ArrowRight", CellKey::Right},  {"Press", CellKey::Press},
        {"RightPress", CellKey::RightPress}, {"DoubleClick", CellKey::DoubleClick},
    };
    for (const auto& [known, key] : kNames)
        if (name == known) return key;
    // One character, in UTF-8 one to four bytes, is typed text.
    if (!name.empty() && name.size() <= 4) {
        const auto lead = static_cast<unsigned char>(name[0]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == name.size() && lead >= 0x20 && lead != 0x7F) return CellKey::Typed;
    }
    return std::nullopt;
}

}  // namespace zem
