#pragma once

#include "common/command_line.h"

class QAction;
class QWidget;

namespace zem {
class Messenger;
}

namespace zem::gui {

class CKivuDoc;
class CKivuView;
class UserDialogs;

// What a command (read, write, power setting, printing, ...) sees of the
// window it runs in. The window implements it; the commands depend on this
// interface only, never on the window's class, so they can be built and
// tested below the window's assembly.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    // The top-level widget: parent of the command's dialogs, owner of its
    // helper objects, the window whose closing a command may have to hold.
    virtual QWidget& hostWidget() = 0;

    // The document and the form that stores and fills its pages.
    virtual CKivuDoc& document() = 0;
    virtual CKivuView& view() = 0;

    // Where the command's messages and questions go, and the file choosers.
    virtual zem::Messenger& messenger() = 0;
    virtual UserDialogs& dialogs() = 0;

    // The action of a command id (commands/command_ids.h); the command
    // enables, disables or checks it. nullptr for an unknown id.
    virtual QAction* action(int commandId) const = 0;

    // What the program was asked at the start, for commands with options
    // of their own such as --port.
    virtual const CommandLine& commandLine() const = 0;

protected:
    CommandHost() = default;
    CommandHost(const CommandHost&) = default;
    CommandHost& operator=(const CommandHost&) = default;
};

}  // namespace zem::gui
