// How close a full read and a full write come to the fastest the line
// allows: against the virtual radio paced at 9600 baud, the time of each is
// printed as a ratio to its floor, the line time of every byte (10 bits at
// 9600 baud) plus the pauses its timing set prescribes. Also the time of
// the handshake with a radio that answers at once.
#include "bench_support.h"
#include "link/clone_protocol.h"
#include "link/link_session.h"
#include "link/transfer.h"

#include <cstdio>
#include <cstdlib>

namespace {

double TransferMs(zem::TransferDirection direction) {
    zem::bench::SimRadio radio(zem::RadioImage{});
    zem::LinkSession session;
    session.port = radio.device();
    zem::RadioImage image;
    zem::bench::CountingMessenger messenger;
    zem::TransferOutcome outcome;
    const double ms = zem::bench::MsOf([&] { outcome = zem::RunTransfer(direction, image, session, messenger); });
    if (!outcome.link.completed()) {
        std::fprintf(stderr, "bench: the transfer failed: %s\n", outcome.link.detail.c_str());
        std::exit(1);
    }
    return ms;
}

double HandshakeMs() {
    zem::bench::SimRadio radio(zem::RadioImage{}, false);
    zem::OpenResult opened = zem::OpenSerialPort(radio.device(), zem::CloneTimeouts);
    if (!opened.port) std::exit(1);
    zem::bench::CountingMessenger messenger;
    zem::CloneProtocol protocol(*opened.port, messenger);
    zem::HandshakeResult result{};
    const double ms = zem::bench::MsOf([&] { result = protocol.EnterProgrammingMode(); });
    if (result != zem::HandshakeResult::Entered) std::exit(1);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = zem::bench::RunsFromArguments(argc, argv, 3);
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
