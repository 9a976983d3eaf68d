#include "app/document_files.h"
#include "app/main_window.h"

#include "common/app_title.h"
#include "app/startup_options.h"
#include "common/command_line.h"
#include "common/languages.h"
#include "zem_version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <cstdio>

namespace {

const char* const kUsage = R"(Usage: zemprog [OPTIONS] [FILE.Zem]

Zem Programming Software: reads, edits and writes the channels and settings
of the 16-channel handheld radio over a serial programming cable.

  FILE.Zem              open this program file at start
  --port P              start with serial port P: a number 1-99 or a device path
  --quit-after-show     print "shown <ms>" once the window is up, then quit
  --screenshot-dir DIR  save a picture of each page and dialog into DIR, then quit
  --dark-palette        show the window in a dark palette
  --help                print this text and quit
  --version             print the version and quit

Qt's own options (-platform NAME, -style NAME, ...) are accepted as well.
)";

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    using Action = zem::gui::ParsedCommandLine::Action;
    // The command line is read before any window or display is touched, so
    // --help, --version and a mistyped option are answered in a terminal
    // without a desktop.
    QStringList arguments = zem::gui::ProgramArguments(argc, argv);
    if (!arguments.isEmpty()) arguments.removeFirst();
    const zem::gui::ParsedCommandLine commandLine = zem::gui::ParseCommandLine(arguments);
    switch (commandLine.action) {
    case Action::Help:
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    case Action::Version:
        std::puts("zemprog " ZEM_VERSION);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    case Action::Refuse:
        std::fprintf(stderr, "zemprog: %s\nTry 'zemprog --help'.\n", qUtf8Printable(commandLine.error));
        return 2;
    case Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(zem::gui::SettingsOrganisation());
    QApplication::setApplicationName(zem::gui::ApplicationTitle());
    zem::gui::FollowDarkPalette();
    // The language chosen under View -> Language, else the system's
    // (LANGUAGE and LANG on Linux, the user's display language on Windows).
    zem::gui::UseLanguage(zem::gui::StartLanguage(QLocale::system().uiLanguages()));

    zem::gui::MainWindow window(commandLine.options);
    // A file named on the command line that cannot be opened ends the start.
    if (!window.files().openCommandLineFile()) return 1;
    window.show();
    zem::gui::RunStartupOptions(window, sinceStart);
    return app.exec();
}
