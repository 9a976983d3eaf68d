// How long a Read and a Write from the window take against the virtual radio
// paced at 9600 baud, as a ratio to the fastest the line and the protocol's
// pauses allow, and to the same exchange run without the window.
// The window runs on Qt's offscreen platform unless another is asked for.
#include "app/main_window.h"
#include "bench_support.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer.h"
#include "link/transfer_controller.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double RunOnce(zem::gui::MainWindow& window, int command) {
    auto* transfer = window.findChild<zem::gui::TransferController*>();
    window.action(command)->trigger();
    QElapsedTimer clock;
    clock.start();
    transfer->progressDialog().startButton()->click();
    while (transfer->isRunning()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return clock.nsecsElapsed() / 1e9;
}

// The same exchange without the window, for the window's own share.
double RunCore(const std::string& port, zem::TransferDirection direction, zem::Messenger& messenger) {
    zem::RadioImage image = zem::NewDocumentImage();
    zem::LinkSession session;
    session.port = port;
    zem::TransferOutcome outcome;
    const double seconds = zem::bench::MsOf([&] { outcome = zem::RunTransfer(direction, image, session); }) / 1000.0;
    if (!outcome.link.message.empty()) messenger.notice(outcome.link.message);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The reads go to a radio history of their own, not the user's.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);

    zem::bench::SimRadio radio;
    zem::bench::CountingMessenger messenger;
    zem::gui::MainWindow window;
    window.setMessenger(&messenger);
    window.findChild<zem::gui::PortSelection*>()->setPort(QString::fromStdString(radio.device()));

    std::printf("GUI transfer against the virtual radio at %d baud\n", zem::bench::kBaud);
    std::printf("floor: line time of every byte plus the prescribed pauses; core: the exchange without the window\n");
    std::printf("%-6s %9s %9s %9s %12s %11s\n", "run", "window s", "core s", "floor s", "window/floor",
                "window/core");
    // "verify" is a write read back and compared (Verify after write):
    // its floor and core are those of a write and a read together.
    const struct {
        const char* name;
        int command;
        zem::TransferDirection direction;
        bool verify;
    } runs[] = {{"read", zem::gui::kCmdReadFromRadio, zem::TransferDirection::Read, false},
                {"write", zem::gui::kCmdWriteToRadio, zem::TransferDirection::Write, false},
                {"verify", zem::gui::kCmdWriteToRadio, zem::TransferDirection::Write, true}};
    auto* transfer = window.findChild<zem::gui::TransferController*>();
    for (const auto& run : runs) {
        transfer->setVerifyAfterWrite(run.verify);
        const double seconds = RunOnce(window, run.command);
        double core = RunCore(radio.device(), run.direction, messenger);
        double floor = zem::bench::TransferFloorMs(run.direction) / 1000.0;
        if (run.verify) {
            core += RunCore(radio.device(), zem::TransferDirection::Read, messenger);
            floor += zem::bench::TransferFloorMs(zem::TransferDirection::Read) / 1000.0;
        }
        std::printf("%-6s %9.3f %9.3f %9.3f %12.3f %11.3f\n", run.name, seconds, core, floor, seconds / floor,
                    seconds / core);
    }

    return messenger.said == 0 ? 0 : 1;
}
