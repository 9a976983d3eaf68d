// How close a full read and a full write come to the fastest the line
// allows: against the virtual radio paced at 9600 baud, the time of each is
// printed as a ratio to its floor, the line time of every byte (10 bits at
// 9600 baud) plus the pauses its timing set prescribes. Also the time of
// the handshake with a radio that answers at once.
//
// With --zemtool COMMAND the same floors are held against a zemtool program
// run as a process, e.g. the Windows build under Wine:
//   link_transfer_bench 3 --zemtool "wine zemtool.exe" --link PREFIX/dosdevices/com5 --port 5
// The radio's line is linked at --link (the port zemtool opens is --port,
// by default that link); the start-up of the program (its --version) is
// measured too and taken off before the ratio.
#include "link/clone_constants.h"
#include "link/clone_protocol.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "document/program_file.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kByteMs = 10.0 / 9600.0 * 1000.0;

class QuietMessenger : public zem::Messenger {
public:
    void notice(const std::string& text) override { std::fprintf(stderr, "bench: %s\n", text.c_str()); }
    bool confirm(const std::string&) override { return false; }
    bool retry(const std::string& text) override {
        std::fprintf(stderr, "bench: %s\n", text.c_str());
        return false;
    }
};

// The handshake: 7 wake-up bytes, ACK, 0x02, 8 identification bytes, the
// PC's ACK and the radio's; 12 + 7 + 1 + 13 pauses of 1 ms; then the 1 ms
// pause before the first block.
double HandshakeFloorMs(bool paced) {
    double line = paced ? (7 + 1 + 1 + 8 + 1 + 1) * kByteMs : 0.0;
    return line + (12 + 7 + 1 + 13) + 1;
}

// Per read block: request 4, reply 12, two ACKs; 3 ms before the PC's ACK
// and 4 ms after the pumps. Per written block: header 4, data 8, ACK; 1 ms
// between header and data and 1 ms after the pumps.
double BlocksFloorMs(zem::TransferDirection direction) {
    bool read = direction == zem::TransferDirection::Read;
    const zem::TimingSet& t = read ? zem::kFullReadTiming : zem::kFullWriteTiming;
    double line = (read ? 18 : 13) * kByteMs;
    double pauses = static_cast<double>((t.beforeReadAck + t.headerToData + t.pauseAfterPumps).count());
    return zem::kTransferBlockCount * (line + pauses);
}

struct Radio {
    explicit Radio(bool paced, const std::string& linkPath = {}) : radio(zem::RadioImage{}) {
        std::string error;
        zem::sim::LineOptions options;
        options.paced = paced;
        options.linkPath = linkPath;
        line = zem::sim::PtyRadio::Create(radio, options, error);
        if (!line) {
            std::fprintf(stderr, "bench: %s\n", error.c_str());
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

double TransferMs(zem::TransferDirection direction) {
    Radio radio(true);
    zem::LinkSession session;
    session.port = radio.line->device();
    zem::RadioImage image;
    QuietMessenger messenger;
    auto start = Clock::now();
    zem::TransferOutcome outcome = zem::RunTransfer(direction, image, session, messenger);
    double ms = Ms(Clock::now() - start).count();
    if (!outcome.link.completed()) {
        std::fprintf(stderr, "bench: the transfer failed: %s\n", outcome.link.detail.c_str());
        std::exit(1);
    }
    return ms;
}

double HandshakeMs() {
    Radio radio(false);
    zem::OpenResult opened = zem::OpenSerialPort(radio.line->device(), zem::CloneTimeouts);
    if (!opened.port) std::exit(1);
    QuietMessenger messenger;
    zem::CloneProtocol protocol(*opened.port, messenger);
    auto start = Clock::now();
    if (protocol.EnterProgrammingMode() != zem::HandshakeResult::Entered) std::exit(1);
    return Ms(Clock::now() - start).count();
}

// The wall time of a shell command in milliseconds; exits when it fails.
double CommandMs(const std::string& command) {
    auto start = Clock::now();
    int status = std::system((command + " >/dev/null").c_str());
    double ms = Ms(Clock::now() - start).count();
    if (status != 0) {
        std::fprintf(stderr, "bench: failed: %s\n", command.c_str());
        std::exit(1);
    }
    return ms;
}

double BestMs(int runs, const std::string& command) {
    double best = 1e12;
    for (int i = 0; i < runs; ++i) best = std::min(best, CommandMs(command));
    return best;
}

// Full read and full write by a zemtool program against the paced radio.
int ZemtoolRuns(int runs, const std::string& zemtool, const std::string& linkPath, std::string port) {
    char pattern[] = "/tmp/zem-bench-XXXXXX";
    if (!::mkdtemp(pattern)) return 1;
    const std::string dir = pattern;
    // The program works in the folder with plain file names, which a Windows
    // program under Wine reads as well.
    if (::chdir(dir.c_str()) != 0 || !zem::SaveProgramFile("image.zem", zem::NewDocumentImage()).ok) return 1;
    Radio radio(true, linkPath.empty() ? dir + "/radio" : linkPath);
    if (port.empty()) port = radio.line->path();

    double startup = BestMs(runs, zemtool + " --version");
    std::printf("%-28s %10.1f\n", "program start-up", startup);
    std::printf("%-28s %10s %10s %8s %8s\n", "", "best ms", "floor ms", "ratio", "raw");
    for (auto direction : {zem::TransferDirection::Read, zem::TransferDirection::Write}) {
        bool read = direction == zem::TransferDirection::Read;
        double best = BestMs(runs, zemtool + (read ? " read -o out.zem" : " write image.zem") + " --port " + port);
        double floor = HandshakeFloorMs(true) + BlocksFloorMs(direction);
        std::printf("%-28s %10.1f %10.1f %8.3f %8.3f\n", read ? "full read, 9600 baud" : "full write, 9600 baud",
                    best, floor, (best - startup) / floor, best / floor);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    if (runs < 1) runs = 1;
    std::string zemtool, linkPath, port;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--zemtool") == 0) zemtool = argv[i + 1];
        else if (std::strcmp(argv[i], "--link") == 0) linkPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--port") == 0) port = argv[i + 1];
    }
    if (!zemtool.empty()) return ZemtoolRuns(runs, zemtool, linkPath, port);
    std::printf("%-28s %10s %10s %8s\n", "", "best ms", "floor ms", "ratio");
    for (auto direction : {zem::TransferDirection::Read, zem::TransferDirection::Write}) {
        double best = 1e12;
        for (int i = 0; i < runs; ++i) best = std::min(best, TransferMs(direction));
        double floor = HandshakeFloorMs(true) + BlocksFloorMs(direction);
        std::printf("%-28s %10.1f %10.1f %8.3f\n",
                    direction == zem::TransferDirection::Read ? "full read, 9600 baud" : "full write, 9600 baud",
                    best, floor, best / floor);
    }
    double best = 1e12;
    for (int i = 0; i < runs; ++i) best = std::min(best, HandshakeMs());
    std::printf("%-28s %10.1f %10.1f %8.3f\n", "handshake, instant radio", best, HandshakeFloorMs(false) - 1,
                best / (HandshakeFloorMs(false) - 1));
    return 0;
}
