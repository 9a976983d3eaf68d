// Does the window stay responsive while radios are written? A timer on the
// GUI thread ticks every 2 ms; the longest gap between two ticks beyond that
// is the longest stall. Printed for a run of 8 radios from "Write to several
// radios..." (write and verify, paced at 9600 baud), for a single Read from
// the window, and, as the machine's own noise, for the idle window and for
// the same 8 radios run without the dialog.
#include "app/main_window.h"
#include "commands/command_ids.h"
#include "fleet/fleet_dialog.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer_controller.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kTickMs = 2;

class CountingMessenger : public zem::Messenger {
public:
    int said = 0;
    void notice(const std::string& text) override { report(text); }
    bool confirm(const std::string& text) override { return report(text); }
    bool retry(const std::string& text) override { return report(text); }

private:
    bool report(const std::string& text) {
        ++said;
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return false;
    }
};

struct Radio {
    Radio() : radio(zem::NewDocumentImage()) {
        zem::sim::LineOptions options;
        options.paced = true;
        std::string error;
        line = zem::sim::PtyRadio::Create(radio, options, error);
        if (!line) {
            std::fprintf(stderr, "fleet_gui_stall: %s\n", error.c_str());
            std::exit(1);
        }
        thread = std::thread([this] { line->run(stop); });
    }
    ~Radio() {
        stop = true;
        thread.join();
    }
    zem::sim::VirtualRadio radio;
    std::unique_ptr<zem::sim::PtyRadio> line;
    std::atomic<bool> stop{false};
    std::thread thread;
};

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
    QApplication app(argc, argv);
    CountingMessenger messenger;
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
        std::vector<std::unique_ptr<Radio>> radios;
        std::vector<std::string> ports;
        for (int i = 0; i < 8; ++i) {
            radios.push_back(std::make_unique<Radio>());
            ports.push_back(radios.back()->line->device());
        }
        zem::FleetOptions options;
        options.job.verify = true;
        zem::FleetRun run(zem::NewDocumentImage(), ports, options);
        run.start();
        Print("8 radios, no dialog", Watch([&] { return run.finished(); }));
    }
    {
        std::vector<std::unique_ptr<Radio>> radios;
        for (int i = 0; i < 8; ++i) radios.push_back(std::make_unique<Radio>());
        window.action(zem::gui::kCmdWriteSeveral)->trigger();
        auto* dialog = window.findChild<zem::gui::FleetDialog*>();
        for (auto& radio : radios) dialog->addPort(QString::fromStdString(radio->line->device()));
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
        Radio radio;
        window.findChild<zem::gui::PortSelection*>()->setPort(QString::fromStdString(radio.line->device()));
        auto* transfer = window.findChild<zem::gui::TransferController*>();
        window.action(zem::gui::kCmdReadFromRadio)->trigger();
        transfer->progressDialog().startButton()->click();
        Print("single Read from the window", Watch([&] { return !transfer->isRunning(); }));
    }
    return messenger.said == 0 ? 0 : 1;
}
