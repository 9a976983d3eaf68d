// How long a Read and a Write from the window take against the virtual radio
// paced at 9600 baud, as a ratio to the fastest the line and the protocol's
// pauses allow, and to the same exchange run without the window.
// The window runs on Qt's offscreen platform unless another is asked for.
#include "app/main_window.h"
#include "link/clone_constants.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer.h"
#include "link/transfer_controller.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int kBaud = 9600;
constexpr double kBitsPerByte = 10.0;  // 8N1

// Counts what the exchange says; a bench run should say nothing.
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

// The fastest a run can be: the line time of every byte (10 bits each) plus
// the pauses the protocol prescribes. The handshake: 7 wake-up bytes, ACK,
// 0x02, 8 identification bytes, the PC's ACK and the radio's, 33 pauses of
// 1 ms and the 1 ms before the first block. A read block moves 18 bytes with
// 3 ms before the PC's ACK and 4 ms after the pumps; a written block 13
// bytes with 1 ms between header and data and 1 ms after the pumps.
double FloorSeconds(zem::TransferDirection direction) {
    const double byteMs = kBitsPerByte / kBaud * 1000.0;
    const bool read = direction == zem::TransferDirection::Read;
    const zem::TimingSet& timing = read ? zem::kFullReadTiming : zem::kFullWriteTiming;
    const double handshakeMs = (zem::kMagic.size() + 1 + 1 + zem::kIdentificationSize + 1 + 1) * byteMs +
                               (zem::kPumpsBeforeMagic + zem::kMagic.size() + 1 + zem::kPumpsBeforeFinalAck) + 1;
    const double blockBytes = read ? zem::kRequestSize + zem::kReadReplySize + 2 : zem::kRequestSize + zem::kBlockSize + 1;
    const double blockMs = blockBytes * byteMs +
                           static_cast<double>((timing.beforeReadAck + timing.headerToData + timing.pauseAfterPumps).count());
    return (handshakeMs + zem::kTransferBlockCount * blockMs) / 1000.0;
}

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
    QElapsedTimer clock;
    clock.start();
    zem::RunTransfer(direction, image, session, messenger);
    return clock.nsecsElapsed() / 1e9;
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

    zem::sim::VirtualRadio radio(zem::NewDocumentImage());
    zem::sim::LineOptions line;
    line.paced = true;
    line.baud = kBaud;
    std::string error;
    auto pty = zem::sim::PtyRadio::Create(radio, line, error);
    if (!pty) {
        std::fprintf(stderr, "gui_transfer: no pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread answering([&] { pty->run(stop); });

    CountingMessenger messenger;
    zem::gui::MainWindow window;
    window.setMessenger(&messenger);
    window.findChild<zem::gui::PortSelection*>()->setPort(QString::fromStdString(pty->path()));

    std::printf("GUI transfer against the virtual radio at %d baud\n", kBaud);
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
        double core = RunCore(pty->path(), run.direction, messenger);
        double floor = FloorSeconds(run.direction);
        if (run.verify) {
            core += RunCore(pty->path(), zem::TransferDirection::Read, messenger);
            floor += FloorSeconds(zem::TransferDirection::Read);
        }
        std::printf("%-6s %9.3f %9.3f %9.3f %12.3f %11.3f\n", run.name, seconds, core, floor, seconds / floor,
                    seconds / core);
    }

    stop = true;
    answering.join();
    return messenger.said == 0 ? 0 : 1;
}
