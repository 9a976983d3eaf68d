#include "app/main_window.h"

#include "common/app_title.h"
#include "app/startup_options.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(zem::gui::SettingsOrganisation());
    QApplication::setApplicationName(zem::gui::ApplicationTitle());

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    zem::gui::MainWindow window(arguments);
    // A file named on the command line that cannot be opened ends the start.
    if (!window.openCommandLineFile()) return 1;
    window.show();
    zem::gui::RunStartupOptions(window, sinceStart);
    return app.exec();
}
