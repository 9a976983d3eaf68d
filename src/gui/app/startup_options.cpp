#include "app/startup_options.h"

#include "app/main_window.h"
#include "channels/channel_page.h"
#include "view/kivu_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace zem::gui {

namespace {

QString OptionValue(const QStringList& arguments, const QString& option) {
    const int at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

void SaveScreenshots(MainWindow& window, const QString& dir) {
    QDir().mkpath(dir);
    // A new document shows empty channels; the demonstration channels of
    // the first band make a more telling picture.
    if (window.document().pathName().isEmpty()) window.view().channelPage().defaultButton().click();
    static const char* const names[] = {"channel_setting.png", "optional_features.png", "key_assignment.png"};
    for (int tab = 0; tab < 3; ++tab) {
        window.view().selectTab(tab);
        QApplication::processEvents();
        window.grab().save(QDir(dir).filePath(QLatin1String(names[tab])));
    }
}

}  // namespace

void RunStartupOptions(MainWindow& window, const QElapsedTimer& sinceStart) {
    const QStringList& arguments = window.arguments();
    const QString screenshotDir = OptionValue(arguments, QStringLiteral("--screenshot-dir"));
    if (!screenshotDir.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, screenshotDir] {
            SaveScreenshots(window, screenshotDir);
            QApplication::exit(0);
        });
        return;
    }
    if (arguments.contains(QStringLiteral("--quit-after-show"))) {
        QTimer::singleShot(0, &window, [&sinceStart] {
            std::printf("shown %.1f\n", static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
}

}  // namespace zem::gui
