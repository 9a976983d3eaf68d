#pragma once

#include <QKeySequence>
#include <QStyle>

#include <vector>

namespace zem::gui {

class DeviceCommands;
class DocumentFiles;
class MainWindow;

// What the commands of the window act on.
struct CommandTargets {
    MainWindow& window;
    DocumentFiles& files;
    DeviceCommands& device;
};

// The menus of the menu bar, left to right.
enum class Menu { None, File, Edit, Program, Setup, View, Help };

// The keys of a command.
struct Keys {
    QKeyCombination key{};          // a key of its own
    QKeyCombination alternative{};  // a second one
    // The desktop's keys for this kind of command: its first one, or all
    // of them with allStandard.
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    bool allStandard = false;
    // Qt::ApplicationShortcut: the keys work in every window of the
    // program (the radio commands), never while another program has the
    // focus.
    Qt::ShortcutContext context = Qt::WindowShortcut;
};

// A themed icon where the desktop has one, else the picture we ship or the
// style's standard one.
struct Icon {
    const char* theme = nullptr;
    const char* file = nullptr;  // in :/icons/
    QStyle::StandardPixmap standard = QStyle::SP_CustomBase;
};

// How a command shows and behaves, beside its place.
enum CommandFlag : unsigned {
    kNewGroup = 1u << 0,           // a separator above it in its menu
    kExclusive = 1u << 1,          // disabled while a radio exchange runs
    kCheckable = 1u << 2,          // an on/off item; the handler gets the new state
    kChecked = 1u << 3,            // on at the start
    kHintWithoutKeys = 1u << 4,    // the hint after the tab names keys that do nothing
    kSubmenu = 1u << 5,            // a submenu the window fills (id 0)
};

// One command of the window: its menu item, toolbar button and shortcut
// are one QAction named "cmd<id>". Texts are marked for translation in the
// context "zem::gui::WindowCommands".
struct WindowCommand {
    int id;              // commands/command_ids.h; 0 for a greyed label or a submenu, no command
    const char* text;    // menu text with its & mnemonic and, after a tab, the keys' hint
    const char* prompt;  // status-bar line, then after a line break the tooltip
    Keys keys;
    Icon icon;
    Menu menu;
    int toolbar;         // place on the toolbar, left to right; 0: not there; a
                         // separator where the tens change
    unsigned flags;      // CommandFlag
    void (*run)(CommandTargets& to, bool checked);  // nullptr: connected elsewhere (Undo, Redo)
};

// Every command of the window, in menu order.
const std::vector<WindowCommand>& WindowCommandTable();

// The title of a menu, translated.
QString MenuTitle(Menu menu);

// A text of the table (or empty), translated.
QString CommandText(const char* text);

}  // namespace zem::gui
