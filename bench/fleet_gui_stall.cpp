// Does the window stay responsive while radios are written? A timer on the
// GUI thread ticks every 2 ms; the longest gap between two ticks beyond that
// is the longest stall. Printed for a run of 8 radios from "Write to several
// radios..." (write and verify, paced at 9600 baud), for a single Read from
// the window, and, as the machine's own noise, for the idle window and for
// the same 8 radios run without the dialog.
#include "app/main_window.h"
#include "bench_support.h"
#include "commands/command_ids.h"
#include "fleet/fleet_dialog.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer_controller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTickMs = 2;

struct Stalls {
    double seconds = 0;
    double longestMs = 0;
    double p99Ms = 0;
};

// Runs the event loop until done() holds, with the ticking timer, and
// reports the gaps between ticks beyond the tick itself.
Stalls Watch(const std::function<bool()>& done) {
    std::vector<double> gaps;
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(kTickMs);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gaps.push_back(std::max(0.0, (now - last) / 1e6 - kTickMs));
        last = now;
    });
    ticker.start();
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ticker.stop();
    Stalls stalls;
    stalls.seconds = clock.nsecsElapsed() / 1e9;
    if (!gaps.empty()) {
        std::sort(gaps.begin(), gaps.end());
        stalls.longestMs = gaps.back();
        stalls.p99Ms = gaps[gaps.size() * 99 / 100];
    }
    return stalls;
}

void Print(const char* what, const Stalls& s) {
    std::printf("%-32s %9.2f %12.1f %12.1f\n", what, s.seconds, s.longestMs, s.p99Ms);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Read goes to a radio history of its own, not the user's.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    zem::bench::CountingMessenger messenger;
    zem::gui::MainWindow window;
    window.setMessenger(&messenger);
    window.show();

    std::printf("GUI-thread stalls (a %d ms timer), radios paced at 9600 baud\n", kTickMs);
    std::printf("%-32s %9s %12s %12s\n", "", "seconds", "longest ms", "99% ms");

    QElapsedTimer idle;
    idle.start();
    Print("idle window, 2 s", Watch([&] { return idle.elapsed() >= 2000; }));

    {
        // The same run without the dialog: what the radios' and ports'
        // threads alone cost the GUI thread on this machine.
        zem::bench::SimRadios radios(8);
        zem::FleetOptions options;
        options.job.verify = true;
        zem::FleetRun run(zem::NewDocumentImage(), radios.devices, options);
        run.start();
        Print("8 radios, no dialog", Watch([&] { return run.finished(); }));
    }
    {
        zem::bench::SimRadios radios(8);
        window.action(zem::gui::kCmdWriteSeveral)->trigger();
        auto* dialog = window.findChild<zem::gui::FleetDialog*>();
        for (const auto& device : radios.devices) dialog->addPort(QString::fromStdString(device));
        dialog->verifyBox()->setChecked(true);
        dialog->backupBox()->setChecked(false);
        dialog->repeatBox()->setChecked(false);
        dialog->startButton()->click();
        Print("8 radios, write + verify", Watch([&] { return !dialog->isRunning(); }));
        for (const auto& r : dialog->results())
            if (!r.job.ok) std::fprintf(stderr, "%s: %s\n", r.port.c_str(), r.job.describe().c_str());
        dialog->close();
    }
    {
        zem::bench::SimRadio radio;
        window.findChild<zem::gui::PortSelection*>()->setPort(QString::fromStdString(radio.device()));
        auto* transfer = window.findChild<zem::gui::TransferController*>();
        window.action(zem::gui::kCmdReadFromRadio)->trigger();
        transfer->progressDialog().startButton()->click();
        Print("single Read from the window", Watch([&] { return !transfer->isRunning(); }));
    }
    return messenger.said == 0 ? 0 : 1;
}
