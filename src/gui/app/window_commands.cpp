// The window's command table: one row per command. A new command is one
// row here and its handler; the window builds its menus, toolbar and
// shortcuts from the rows, and the exchange guard disables the rows marked
// kExclusive while a radio is being read or written.
#include "app/window_commands.h"

#include "app/device_commands.h"
#include "app/document_files.h"
#include "app/edit_commands.h"
#include "app/main_window.h"
#include "commands/command_ids.h"
#include "link/transfer_controller.h"
#include "service/power_set_command.h"
#include "fleet/fleet_command.h"
#include "workbench/compare_commands.h"
#include "workbench/csv_commands.h"
#include "printing/print_commands.h"

#include <QCoreApplication>

namespace zem::gui {

namespace {

Keys Key(QKeyCombination key, QKeyCombination alternative = {}) { return Keys{key, alternative}; }
Keys Key(QKeySequence::StandardKey standard) { return Keys{{}, {}, standard}; }
Keys AllKeys(QKeySequence::StandardKey standard) { return Keys{{}, {}, standard, true}; }
Keys ProgramKey(QKeyCombination key = {}) {
    return Keys{key, {}, QKeySequence::UnknownKey, false, Qt::ApplicationShortcut};
}
const Keys kNoKeys{};
const Icon kNoIcon{};

}  // namespace

const std::vector<WindowCommand>& WindowCommandTable() {
    using To = CommandTargets;
    static const std::vector<WindowCommand> table = {
        // clang-format off
        // {id, text,
        //  prompt,
        //  keys, icon, menu, toolbar, flags,
        //  handler},
        {kCmdFileNew, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "New(&N)\tCtrl+N"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Create a new document\nNew"),
         Key(Qt::CTRL | Qt::Key_N), {"document-new", "new.png"}, Menu::File, 10, kExclusive,
         [](To& to, bool) { to.files.fileNew(); }},
        {kCmdFileOpen, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open(&O)...\tCtrl+O"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open an existing document\nOpen"),
         Key(Qt::CTRL | Qt::Key_O), {"document-open", "open.png"}, Menu::File, 11, kExclusive,
         [](To& to, bool) { to.files.fileOpen(); }},
        {kCmdFileSave, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Save(&S)\tCtrl+S"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Save the active document\nSave"),
         Key(Qt::CTRL | Qt::Key_S), {"document-save", "save.png"}, Menu::File, 12, 0,
         [](To& to, bool) { to.files.fileSave(); }},
        {kCmdFileSaveAs, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Save as(&A)..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Save the active document with a new name\nSave As"),
         kNoKeys, kNoIcon, Menu::File, 0, 0,
         [](To& to, bool) { to.files.fileSaveAs(); }},
        {kCmdImportCsv, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Import channel list..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands",
             "Replace the channels by those of a channel list: this program's CSV or "
             "the memory list of other programming tools\nImport channel list"),
         kNoKeys, kNoIcon, Menu::File, 0, kNewGroup | kExclusive,
         [](To& to, bool) { to.device.csv().importCsv(); }},
        {kCmdExportCsv, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Export channel list..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands",
             "Save the channels as this program's CSV or as the memory list of other "
             "programming tools\nExport channel list"),
         kNoKeys, kNoIcon, Menu::File, 0, 0,
         [](To& to, bool) { to.device.csv().exportCsv(); }},
        {kCmdRadioHistory, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Radio history..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open one of the radios read before\nRadio history"),
         kNoKeys, kNoIcon, Menu::File, 0, kExclusive,
         [](To& to, bool) { to.files.showRadioHistory(); }},
        {kCmdPrint, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Print(&P)...\tCtrl+P"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Print the active document\nPrint"),
         Key(Qt::CTRL | Qt::Key_P), {"document-print", "print.png"}, Menu::File, 34, kNewGroup,
         [](To& to, bool) { to.device.printing().print(); }},
        {kCmdPrintPreview, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Print Preview(&V)"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Display full pages\nPrint Preview"),
         kNoKeys, kNoIcon, Menu::File, 0, 0,
         [](To& to, bool) { to.device.printing().preview(); }},
        {kCmdPrintSetup, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Print Setup(&S)..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Change the printer and printing options\nPrint Setup"),
         kNoKeys, kNoIcon, Menu::File, 0, 0,
         [](To& to, bool) { to.device.printing().setup(); }},
        // Stands in for an empty recent-file list; the entries get their texts from the list.
        {0, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Recent File"),
         nullptr,
         kNoKeys, kNoIcon, Menu::File, 0, kNewGroup,
         nullptr},
        {kCmdRecentFile1, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open this file"),
         kNoKeys, kNoIcon, Menu::File, 0, kExclusive,
         [](To& to, bool) { to.files.openRecentFile(0); }},
        {kCmdRecentFile1 + 1, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open this file"),
         kNoKeys, kNoIcon, Menu::File, 0, kExclusive,
         [](To& to, bool) { to.files.openRecentFile(1); }},
        {kCmdRecentFile1 + 2, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open this file"),
         kNoKeys, kNoIcon, Menu::File, 0, kExclusive,
         [](To& to, bool) { to.files.openRecentFile(2); }},
        {kCmdRecentFile1 + 3, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Open this file"),
         kNoKeys, kNoIcon, Menu::File, 0, kExclusive,
         [](To& to, bool) { to.files.openRecentFile(3); }},
        {kCmdExit, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Exit(&X)"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Quit the application; prompts to save documents\nExit"),
         kNoKeys, kNoIcon, Menu::File, 0, kNewGroup,
         [](To& to, bool) { to.window.close(); }},

        // Undo and Redo act on the document's history and get their texts
        // from it, through the UndoRouter.
        {kCmdEditUndo, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Undo the last change\nUndo"),
         AllKeys(QKeySequence::Undo), {"edit-undo", nullptr, QStyle::SP_ArrowBack}, Menu::Edit, 20, 0,
         nullptr},
        {kCmdEditRedo, nullptr,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Redo the change undone last\nRedo"),
         Key(Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z), {"edit-redo", nullptr, QStyle::SP_ArrowForward},
         Menu::Edit, 21, 0,
         nullptr},
        {kCmdEditCut, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Cut(&T)\tCtrl+X"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Cut the selected cells and put them on the Clipboard\nCut"),
         Key(QKeySequence::Cut), kNoIcon, Menu::Edit, 0, kNewGroup,
         [](To& to, bool) { EditCut(to.window); }},
        {kCmdEditCopy, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Copy(&C)\tCtrl+C"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Copy the selected cells to the Clipboard\nCopy"),
         Key(QKeySequence::Copy), kNoIcon, Menu::Edit, 0, 0,
         [](To& to, bool) { EditCopy(to.window); }},
        {kCmdEditPaste, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Paste(&P)\tCtrl+V"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Insert the Clipboard contents at the selected cell\nPaste"),
         Key(QKeySequence::Paste), kNoIcon, Menu::Edit, 0, 0,
         [](To& to, bool) { EditPaste(to.window); }},
        {kCmdEditClear, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Delete(&D)\tDel"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Empty the selected cells\nDelete"),
         Key(Qt::Key_Delete), kNoIcon, Menu::Edit, 0, 0,
         [](To& to, bool) { EditDelete(to.window); }},

        {kCmdReadFromRadio, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Read From Radio(&U)\tCtrl+R"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Read Data From interphone \nRead"),
         ProgramKey(Qt::CTRL | Qt::Key_R), {"go-down", "read.png"}, Menu::Program, 30, kExclusive,
         [](To& to, bool) { to.device.transfer().prepare(zem::TransferDirection::Read); }},
        {kCmdWriteToRadio, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Write to Radio\tCtrl+W"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Write Data to interphone\nWrite"),
         ProgramKey(Qt::CTRL | Qt::Key_W), {"go-up", "write.png"}, Menu::Program, 31, kNewGroup | kExclusive,
         [](To& to, bool) { to.device.transfer().prepare(zem::TransferDirection::Write); }},
        {kCmdWriteSeveral, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Write to &several radios..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands",
             "Write this document into many radios, at once or one after another\n"
             "Write to several radios"),
         kNoKeys, {"mail-send", "write.png"}, Menu::Program, 32, kExclusive,
         [](To& to, bool) { to.device.fleet().open(); }},
        {kCmdCompareWithRadio, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Compare with radio..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands",
             "Read the radio and list where it differs from the document; the document "
             "stays as it is\nCompare with radio"),
         kNoKeys, kNoIcon, Menu::Program, 0, kNewGroup | kExclusive,
         [](To& to, bool) { to.device.transfer().prepareCompare(); }},
        {kCmdCompareWithFile, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Compare with &file..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands",
             "List where a program file differs from the document\nCompare with file"),
         kNoKeys, kNoIcon, Menu::Program, 0, 0,
         [](To& to, bool) { to.device.compare().compareWithFile(); }},
        {kCmdEditChannel, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Edit Channel\tCtrl+G"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Edit channel Data \nEdit"),
         Key(Qt::CTRL | Qt::Key_G), {"document-edit", "edit.png"}, Menu::Program, 33, kNewGroup,
         [](To& to, bool) { to.window.editChannel(); }},
        // The menu item and the toolbar's power button are one command;
        // Ctrl+T belongs to the button.
        {kCmdOnLinePowerSet, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "On Line Power Set(&Y)\tCtrl+T"),
         nullptr,
         ProgramKey(), kNoIcon, Menu::Program, 0, kNewGroup | kExclusive,
         [](To& to, bool) { to.device.power().run(); }},
        {kCmdDebugTxPower,
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Debug TX Power,Squelch Level,Low Power Alert on line"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Debug TX Power,Squelch Level,Low Power Alert on line"),
         ProgramKey(Qt::CTRL | Qt::Key_T), {"preferences-system", "power.png"}, Menu::None, 37, kExclusive,
         [](To& to, bool) { to.device.power().run(); }},

        // The hints Ctrl+C .. Ctrl+F have no keys behind them, so copying
        // text never switches the port.
        {kCmdCom1, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "COM1(&P)\tCtrl+C"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose Com1"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kHintWithoutKeys,
         [](To& to, bool) { to.device.choosePort(1); }},
        {kCmdCom2, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "COM2(&Q)\tCtrl+D"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose Com2"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kHintWithoutKeys,
         [](To& to, bool) { to.device.choosePort(2); }},
        {kCmdCom3, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "COM3(&S)\tCtrl+E"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose Com3"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kHintWithoutKeys,
         [](To& to, bool) { to.device.choosePort(3); }},
        {kCmdCom4, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "COM4(&T\tCtrl+F"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose Com4"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kHintWithoutKeys,
         [](To& to, bool) { to.device.choosePort(4); }},
        {kCmdOtherPort, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Other ...."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose other Com Port"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kHintWithoutKeys,
         [](To& to, bool) { to.device.chooseOtherPort(); }},
        {kCmdVerifyAfterWrite, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "&Verify after write"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Read the radio back after a write and compare it with what was "
             "written\nVerify"),
         kNoKeys, kNoIcon, Menu::Setup, 0, kNewGroup | kCheckable,
         [](To& to, bool on) { to.device.setVerifyAfterWrite(on); }},

        {kCmdViewToolbar, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Toolbar(&T)"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Show or hide the toolbar\nToggle ToolBar"),
         kNoKeys, kNoIcon, Menu::View, 0, kCheckable | kChecked,
         [](To& to, bool on) { to.window.showToolBar(on); }},
        {kCmdViewStatusBar, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Status Bar(&S)"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Show or hide the status bar\nToggle StatusBar"),
         kNoKeys, kNoIcon, Menu::View, 0, kCheckable | kChecked,
         [](To& to, bool on) { to.window.showStatusBar(on); }},
        // The languages of the window, listed by the window.
        {0, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Language(&L)"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Choose the language of the window\nLanguage"),
         kNoKeys, kNoIcon, Menu::View, 0, kNewGroup | kSubmenu,
         nullptr},

        {kCmdHelpContents, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Help Content(&H)"),
         nullptr,
         kNoKeys, kNoIcon, Menu::Help, 0, 0,
         [](To& to, bool) { to.window.showHelpTopic(QStringLiteral("contents.html")); }},
        {kCmdAbout, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "About Me(&A)..."),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Display the version,copyright of this software \n about"),
         kNoKeys, {"help-about", "about.png"}, Menu::Help, 36, kNewGroup,
         [](To& to, bool) { to.window.showAbout(); }},
        {kCmdHelpIndex, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Help List"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "List the catalog of help \nHelp List"),
         kNoKeys, kNoIcon, Menu::None, 0, 0,
         [](To& to, bool) { to.window.showHelpTopic(QStringLiteral("contents.html")); }},
        {kCmdHelp, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Help"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Show the help about current task\nhelp"),
         Key(Qt::Key_F1), kNoIcon, Menu::None, 0, 0,
         [](To& to, bool) { to.window.showCurrentHelp(); }},
        {kCmdContextHelp, QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "What's This"),
         QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Show the context of help\nhelp"),
         Key(Qt::SHIFT | Qt::Key_F1), {"help-contextual", "whatsthis.png"}, Menu::None, 35, 0,
         [](To& to, bool) { to.window.showContextHelp(); }},
        // clang-format on
    };
    return table;
}

QString MenuTitle(Menu menu) {
    static const char* const titles[] = {
        nullptr,
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "File(&F)"),
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Edit(&E)"),
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Program(&P)"),
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Setup(&S)"),
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "View(&V)"),
        QT_TRANSLATE_NOOP("zem::gui::WindowCommands", "Help(&H)"),
    };
    return CommandText(titles[static_cast<int>(menu)]);
}

QString CommandText(const char* text) {
    return text != nullptr && *text != '\0' ? QCoreApplication::translate("zem::gui::WindowCommands", text) : QString();
}

}  // namespace zem::gui
