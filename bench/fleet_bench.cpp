// Many radios at once cost no more time than one: N virtual radios paced at
// 9600 baud, each on its own pseudo-terminal, are written and verified by
// one fleet run; the wall time for 1, 2, 4 and 8 radios is printed with its
// ratio to the time of one. The exchange mostly waits on the line, so the
// ratio stays near 1 unless the ports' threads wait on each other.
#include "fleet/fleet_run.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Radio {
    Radio() : radio(zem::NewDocumentImage()) {
        std::string error;
        zem::sim::LineOptions options;
        options.paced = true;
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

double FleetSeconds(int radios) {
    std::vector<std::unique_ptr<Radio>> line;
    std::vector<std::string> ports;
    for (int i = 0; i < radios; ++i) {
        line.push_back(std::make_unique<Radio>());
        ports.push_back(line.back()->line->device());
    }
    zem::RadioImage plan;
    for (std::size_t i = 0; i < zem::kImageSize; ++i) plan[i] = static_cast<std::uint8_t>(i * 7);
    zem::FleetOptions options;
    options.job.verify = true;
    zem::FleetRun run(plan, ports, options);
    auto start = Clock::now();
    run.start();
    run.wait();
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!run.allDone()) {
        for (const auto& r : run.results())
            if (!r.job.ok) std::fprintf(stderr, "bench: %s: %s\n", r.port.c_str(), r.job.describe().c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 1;
    if (runs < 1) runs = 1;
    std::printf("write + verify, 9600 baud, best of %d\n%-8s %10s %8s\n", runs, "radios", "seconds", "ratio");
    double one = 0;
    for (int radios : {1, 2, 4, 8}) {
        double best = 1e12;
        for (int i = 0; i < runs; ++i) best = std::min(best, FleetSeconds(radios));
        if (radios == 1) one = best;
        std::printf("%-8d %10.2f %8.3f\n", radios, best, best / one);
        std::fflush(stdout);
    }
    return 0;
}
