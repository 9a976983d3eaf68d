#pragma once

#include <QString>
#include <QStringList>

namespace zem::gui {

// What zemprog was asked on its command line, read once at the start and
// handed to the window and its commands.
struct CommandLine {
    QString file;           // the program file to open at the start; empty for a new document
    QString port;           // --port as given (a number 1-99 or a device path); empty when absent
    QString screenshotDir;  // --screenshot-dir: save pictures of the pages and dialogs here, then quit
    bool quitAfterShow = false;  // --quit-after-show: print "shown <ms>" once the window is up, then quit
    bool darkPalette = false;    // --dark-palette
};

// The command line as read, and what the program does with it.
struct ParsedCommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    CommandLine options;
    QString error;  // for Refuse: what is wrong with the command line
};

// Reads the arguments (without the program name). --help, -h and --version
// win over everything else; an option the program does not know, or one
// missing its value, refuses the command line. Qt's own options (-platform
// NAME, -style NAME, ...) are accepted and left to QApplication.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The program's arguments as the system passed them, program name first,
// before any QApplication exists: file names decoded as the system spells
// them, so a name such as "张伟.Zem" arrives whole on every platform.
QStringList ProgramArguments(int argc, char* argv[]);

}  // namespace zem::gui
