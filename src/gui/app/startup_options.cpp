#include "app/startup_options.h"

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "channels/channel_page.h"
#include "link/port_dialog.h"
#include "link/progress_dialog.h"
#include "service/password_dialog.h"
#include "service/power_set_dialog.h"
#include "view/kivu_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include <cstdio>

namespace zem::gui {

namespace {

// A dark palette as a desktop in a dark colour scheme hands the program.
QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24), text(0xee, 0xee, 0xee);
    const QColor disabled(0x80, 0x80, 0x80), highlight(0x2a, 0x82, 0xda);
    QPalette palette(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                     QColor(Qt::white), base, window);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
    palette.setColor(QPalette::Link, highlight.lighter(130));
    palette.setColor(QPalette::PlaceholderText, disabled);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

void Save(QWidget& widget, const QString& dir, const char* name) {
    widget.grab().save(QDir(dir).filePath(QLatin1String(name)));
}

// A dialog as it opens, without running it.
void SaveDialog(QDialog& dialog, const QString& dir, const char* name) {
    dialog.show();
    QApplication::processEvents();
    Save(dialog, dir, name);
    dialog.hide();
}

// The menu titles and the tabs, one a line in UTF-8: which language the
// window came up in, readable without looking at the pictures.
void SaveTitles(MainWindow& window, const QString& dir) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions()) titles << menu->text();
    const QTabBar* tabs = window.view().findChild<QTabBar*>();
    for (int tab = 0; tabs && tab < tabs->count(); ++tab) titles << tabs->tabText(tab);
    QFile file(QDir(dir).filePath(QStringLiteral("titles.txt")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write((titles.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void SaveScreenshots(MainWindow& window, const QString& dir) {
    QDir().mkpath(dir);
    SaveTitles(window, dir);
    // A new document shows empty channels; the demonstration channels of
    // the first band make a more telling picture.
    if (window.document().pathName().isEmpty()) window.view().channelPage().defaultButton().click();
    static const char* const names[] = {"channel_setting.png", "optional_features.png", "key_assignment.png"};
    for (int tab = 0; tab < 3; ++tab) {
        window.view().selectTab(tab);
        QApplication::processEvents();
        Save(window, dir, names[tab]);
    }
    window.view().selectTab(0);

    // The dialogs, to check their look at other scales and palettes.
    CAboutDlg about(&window);
    SaveDialog(about, dir, "about.png");
    CPasswordDlg password(&window);
    SaveDialog(password, dir, "password.png");
    CPowerSetDlg power(136.0, 174.0, &window);
    SaveDialog(power, dir, "power_setting.png");
    CPortDlg port(window.messenger(), &window);
    port.setAvailablePorts({{1, "/dev/ttyS0", "built-in serial port"}, {0, "/dev/ttyUSB0", "USB serial cable"}});
    SaveDialog(port, dir, "port.png");
    CProgressDlg progress(&window);
    progress.prepare(QStringLiteral("Read From Radio"));
    SaveDialog(progress, dir, "progress.png");
}

}  // namespace

void RunStartupOptions(MainWindow& window, const QElapsedTimer& sinceStart) {
    const CommandLine& options = window.commandLine();
    if (options.darkPalette) {
        QApplication::setPalette(DarkPalette());
        FollowDarkPalette();
    }
    const QString screenshotDir = options.screenshotDir;
    if (!screenshotDir.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, screenshotDir] {
            SaveScreenshots(window, screenshotDir);
            QApplication::exit(0);
        });
        return;
    }
    if (options.quitAfterShow) {
        QTimer::singleShot(0, &window, [&sinceStart] {
            std::printf("shown %.1f\n", static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
}

void FollowDarkPalette() {
    const QPalette palette = QApplication::palette();
    const bool dark = palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
    if (dark && QApplication::style()->name() == QLatin1String("windowsvista"))
        QApplication::setStyle(QStringLiteral("Fusion"));
}

}  // namespace zem::gui
