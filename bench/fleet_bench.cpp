// Many radios at once cost no more time than one: N virtual radios paced at
// 9600 baud, each on its own pseudo-terminal, are written and verified by
// one fleet run; the wall time for 1, 2, 4 and 8 radios is printed with its
// ratio to the time of one. The exchange mostly waits on the line, so the
// ratio stays near 1 unless the ports' threads wait on each other.
#include "bench_support.h"
#include "fleet/fleet_run.h"

#include <cstdio>
#include <cstdlib>

namespace {

double FleetSeconds(int radios) {
    zem::bench::SimRadios line(radios);
    zem::RadioImage plan;
    for (std::size_t i = 0; i < zem::kImageSize; ++i) plan[i] = static_cast<std::uint8_t>(i * 7);
    zem::FleetOptions options;
    options.job.verify = true;
    zem::FleetRun run(plan, line.devices, options);
    const double seconds = zem::bench::MsOf([&] {
        run.start();
        run.wait();
    }) / 1000.0;
    if (!run.allDone()) {
        for (const auto& r : run.results())
            if (!r.job.ok) std::fprintf(stderr, "bench: %s: %s\n", r.port.c_str(), r.job.describe().c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = zem::bench::RunsFromArguments(argc, argv, 1);
    std::printf("write + verify, 9600 baud, best of %d\n%-8s %10s %8s\n", runs, "radios", "seconds", "ratio");
    double one = 0;
    for (int radios : {1, 2, 4, 8}) {
        const double best = zem::bench::BestOf(runs, [&] { return FleetSeconds(radios); });
        if (radios == 1) one = best;
        std::printf("%-8d %10.2f %8.3f\n", radios, best, best / one);
        std::fflush(stdout);
    }
    return 0;
}
