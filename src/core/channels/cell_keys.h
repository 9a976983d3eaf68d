#pragma once

#include "channels/channel_table.h"

#include <optional>
#include <string>

namespace zem {

// The channel table's editing rules: for a key pressed (or a character
// typed, or a mouse press) on a cell, what the table does. The window's grid
// and the browser edition's table only show the result and carry it out;
// which editor opens, with what in it, where Enter runs on to and when the
// focus leaves the table are decided here, once.

extern const char* const kMsgInputNumber;  // "Please input Number"

// What the user did.
enum class CellKey {
    Typed,        // a printable character, given as text
    Enter,
    Tab,
    Escape,
    F2,
    Delete,
    Home,
    End,
    Up,
    Down,
    Left,
    Right,
    Press,        // a press of the left or middle mouse button on the cell
    RightPress,   // a press of the right mouse button
    DoubleClick,
};

// Where the key arrived.
enum class KeyPlace {
    Grid,     // the table itself, no editor open
    Editor,   // the editor open over the current cell
    Control,  // a control of the channel page outside the table: the type
              // or band list, the "Default Setting" button
};

// The editor a column opens: the edit box of the frequencies, the editable
// tone list, or a pure list of choices.
enum class CellEditor { None, Text, Tone, List };

struct CellAction {
    // Left to the control's own handling (Tab moves the focus, the arrow
    // keys move inside an open editor); nothing below applies.
    bool native = false;
    // Shown first; the rest goes on after it ("Please input Number").
    std::string notice;
    // The open editor's text goes into its cell by the commit rules, with
    // onEnter as Enter commits (a choice of a channel without a frequency
    // keeps the cell's old text).
    bool commit = false;
    bool onEnter = false;
    // The open editor closes; what it held is dropped unless commit.
    bool close = false;
    // The selected cells are emptied through the commit rules.
    bool emptySelection = false;
    // The current cell afterwards.
    int row = 0;
    int col = 0;
    // The focus leaves for the next control, as Tab moves it; no key is
    // ever taken as a press of a button.
    bool focusNext = false;
    // The editor opened over (row, col) and what it shows: the text of the
    // edit box or the tone list's field, the list entry chosen, and whether
    // the text is selected (a start by the mouse, F2 or Enter) or the caret
    // stands after it (a start by typing).
    CellEditor open = CellEditor::None;
    std::string text;
    int entry = -1;
    bool selectAll = false;
};

// The editor of column col; None outside the channel columns.
CellEditor EditorOf(int col);

// The entry of the tone list or of choice column col that an editor opens
// on for a cell holding text: the first that begins with it, letter case
// ignored; 0 when none does. -1 for a frequency column.
int PreselectedEntry(int col, const std::string& text);

// What key does on cell (row, col) of the page's table, arriving at place.
// text is the character typed (UTF-8) for CellKey::Typed, and the open
// editor's text for a key in the editor: an editor that opens after a commit
// shows the cell as that commit leaves it (Enter on a first receive
// frequency opens the transmit frequency already holding it).
CellAction CellKeyAction(const ChannelPageValues& page, KeyPlace place, int row, int col, CellKey key,
                         const std::string& text = {});

// The key a browser names (KeyboardEvent.key: "Enter", "ArrowUp", ...), and
// "Press", "RightPress", "DoubleClick" for the mouse; a single character is
// a typed one. Nothing for any other name.
std::optional<CellKey> CellKeyNamed(const std::string& name);

}  // namespace zem
