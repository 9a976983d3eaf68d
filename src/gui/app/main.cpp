#include "app/main_window.h"

#include "common/app_title.h"
#include "app/startup_options.h"
#include "zem_version.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

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

// --help and --version are answered before any window or display is
// touched, so they work in a terminal without a desktop.
bool AnswerInformationOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("zemprog " ZEM_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnswerInformationOption(argc, argv)) return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(zem::gui::SettingsOrganisation());
    QApplication::setApplicationName(zem::gui::ApplicationTitle());
    zem::gui::FollowDarkPalette();

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    zem::gui::MainWindow window(arguments);
    // A file named on the command line that cannot be opened ends the start.
    if (!window.openCommandLineFile()) return 1;
    window.show();
    zem::gui::RunStartupOptions(window, sinceStart);
    return app.exec();
}
