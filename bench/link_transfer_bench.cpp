// How close a full read and a full write come to the fastest the line
// allows: against the virtual radio paced at 9600 baud, the time of each is
// printed as a ratio to its floor, the line time of every byte (10 bits at
// 9600 baud) plus the pauses its timing set prescribes. Also the time of
// the handshake with a radio that answers at once.
//
// With --zemtool COMMAND the same floors are held against a zemtool program
// run as a process, e.g. the Windows build under Wine:
//   link_transfer_bench 3 --zemtool "wine zemtool.exe" --link PREFIX/dosdevices/com5 --port 5
// The radio's line is also linked at --link; the port zemtool opens is
// --port, by default the radio's device. The start-up of the program (its
// --version) is measured too and taken off before the ratio.
#include "bench_support.h"
#include "link/clone_protocol.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "document/program_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

double TransferMs(zem::TransferDirection direction) {
    zem::bench::SimRadio radio(zem::RadioImage{});
    zem::LinkSession session;
    session.port = radio.device();
    zem::RadioImage image;
    zem::TransferOutcome outcome;
    const double ms = zem::bench::MsOf([&] { outcome = zem::RunTransfer(direction, image, session); });
    if (!outcome.link.completed()) {
        std::fprintf(stderr, "bench: the transfer failed: %s\n", outcome.link.detail.english().c_str());
        std::exit(1);
    }
    return ms;
}

double HandshakeMs() {
    zem::bench::SimRadio radio(zem::RadioImage{}, false);
    zem::OpenResult opened = zem::OpenSerialPort(radio.device(), zem::CloneTimeouts);
    if (!opened.port) std::exit(1);
    zem::CloneProtocol protocol(*opened.port);
    zem::HandshakeResult result{};
    const double ms = zem::bench::MsOf([&] { result = protocol.EnterProgrammingMode(); });
    if (result != zem::HandshakeResult::Entered) std::exit(1);
    return ms;
}

// The wall time of a shell command in milliseconds; ends the bench when it
// fails.
double CommandMs(const std::string& command) {
    int status = 0;
    const double ms = zem::bench::MsOf([&] { status = std::system((command + " >/dev/null 2>&1").c_str()); });
    if (status != 0) {
        std::fprintf(stderr, "bench: failed: %s\n", command.c_str());
        std::exit(1);
    }
    return ms;
}

// Full read and full write by a zemtool program against the paced radio.
int ZemtoolRuns(int runs, const std::string& zemtool, const std::string& linkPath, std::string port) {
    char pattern[] = "/tmp/zem-bench-XXXXXX";
    if (!::mkdtemp(pattern)) return 1;
    const std::string dir = pattern;
    // The program works in the folder with plain file names, which a Windows
    // program under Wine reads as well.
    if (::chdir(dir.c_str()) != 0 || !zem::SaveProgramFile("image.zem", zem::NewDocumentImage()).ok) return 1;
    zem::bench::SimRadio radio;
    if (!linkPath.empty()) {
        ::unlink(linkPath.c_str());
        if (::symlink(radio.device().c_str(), linkPath.c_str()) != 0) {
            std::fprintf(stderr, "bench: cannot link %s: %s\n", linkPath.c_str(), std::strerror(errno));
            return 1;
        }
    }
    if (port.empty()) port = radio.device();

    const double startup = zem::bench::BestOf(runs, [&] { return CommandMs(zemtool + " --version"); });
    std::printf("%-28s %10.1f\n", "program start-up", startup);
    std::printf("%-28s %10s %10s %8s %8s\n", "", "best ms", "floor ms", "ratio", "raw");
    for (auto direction : {zem::TransferDirection::Read, zem::TransferDirection::Write}) {
        const bool read = direction == zem::TransferDirection::Read;
        const std::string command = zemtool + (read ? " read -o out.zem" : " write image.zem") + " --port " + port;
        const double best = zem::bench::BestOf(runs, [&] { return CommandMs(command); });
        const double floor = zem::bench::TransferFloorMs(direction);
        std::printf("%-28s %10.1f %10.1f %8.3f %8.3f\n", read ? "full read, 9600 baud" : "full write, 9600 baud",
                    best, floor, (best - startup) / floor, best / floor);
    }
    if (!linkPath.empty()) ::unlink(linkPath.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = zem::bench::RunsFromArguments(argc, argv, 3);
    std::string zemtool, linkPath, port;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--zemtool") == 0) zemtool = argv[i + 1];
        else if (std::strcmp(argv[i], "--link") == 0) linkPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--port") == 0) port = argv[i + 1];
    }
    if (!zemtool.empty()) return ZemtoolRuns(runs, zemtool, linkPath, port);
    std::printf("%-28s %10s %10s %8s\n", "", "best ms", "floor ms", "ratio");
    for (auto direction : {zem::TransferDirection::Read, zem::TransferDirection::Write}) {
        const double best = zem::bench::BestOf(runs, [&] { return TransferMs(direction); });
        const double floor = zem::bench::TransferFloorMs(direction);
        std::printf("%-28s %10.1f %10.1f %8.3f\n",
                    direction == zem::TransferDirection::Read ? "full read, 9600 baud" : "full write, 9600 baud",
                    best, floor, best / floor);
    }
    // Without the pause before the first block: the handshake ends with the radio's ACK.
    const double best = zem::bench::BestOf(runs, HandshakeMs);
    const double floor = zem::bench::HandshakeFloorMs(false) - 1;
    std::printf("%-28s %10.1f %10.1f %8.3f\n", "handshake, instant radio", best, floor, best / floor);
    return 0;
}
