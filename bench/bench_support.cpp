#include "bench_support.h"

#include "link/clone_constants.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace zem::bench {

namespace {
constexpr double kByteMs = 10.0 / kBaud * 1000.0;  // 8N1: ten bits per byte
}

SimRadio::SimRadio(const RadioImage& memory, bool paced) : radio_(memory) {
    sim::LineOptions options;
    options.paced = paced;
    options.baud = kBaud;
    std::string error;
    line_ = sim::PtyRadio::Create(radio_, options, error);
    if (!line_) {
        std::fprintf(stderr, "bench: no pseudo-terminal: %s\n", error.c_str());
        std::exit(1);
    }
    thread_ = std::thread([this] { line_->run(stop_); });
}

SimRadio::~SimRadio() {
    stop_ = true;
    thread_.join();
}

SimRadios::SimRadios(int count) {
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<SimRadio>());
        devices.push_back(radios.back()->device());
    }
}

// The handshake: 7 wake-up bytes, ACK, 0x02, 8 identification bytes, the
// PC's ACK and the radio's; 12 + 7 + 1 + 13 pauses of 1 ms; then the 1 ms
// pause before the first block.
double HandshakeFloorMs(bool paced) {
    const double bytes = kMagic.size() + 1 + 1 + kIdentificationSize + 1 + 1;
    const double pauses = kPumpsBeforeMagic + kMagic.size() + 1 + kPumpsBeforeFinalAck;
    return (paced ? bytes * kByteMs : 0.0) + pauses + 1;
}

// Per read block: request 4, reply 12, two ACKs; 3 ms before the PC's ACK
// and 4 ms after the pumps. Per written block: header 4, data 8, ACK; 1 ms
// between header and data and 1 ms after the pumps.
double TransferFloorMs(TransferDirection direction) {
    const bool read = direction == TransferDirection::Read;
    const TimingSet& timing = read ? kFullReadTiming : kFullWriteTiming;
    const double bytes = read ? kRequestSize + kReadReplySize + 2 : kRequestSize + kBlockSize + 1;
    const double pauses = static_cast<double>((timing.beforeReadAck + timing.headerToData + timing.pauseAfterPumps).count());
    return HandshakeFloorMs(true) + kTransferBlockCount * (bytes * kByteMs + pauses);
}

bool CountingMessenger::report(const std::string& text) {
    ++said;
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return false;
}

double MsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double BestOf(int runs, const std::function<double()>& measure) {
    double best = measure();
    for (int i = 1; i < runs; ++i) best = std::min(best, measure());
    return best;
}

int RunsFromArguments(int argc, char** argv, int fallback) {
    return std::max(1, argc > 1 ? std::atoi(argv[1]) : fallback);
}

}  // namespace zem::bench
