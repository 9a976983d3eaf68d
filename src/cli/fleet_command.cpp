// zemtool fleet: one plan written into many radios, in parallel over
// several cables or one after another on one cable, with a report.
#include "cli/cli_support.h"
#include "cli/link_options.h"

#include "document/program_file.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"
#include "fleet/fleet_run.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <ostream>
#include <thread>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zem::cli {

namespace {

int RunFleet(const std::vector<std::string>& args, Io& io);

const Command kFleet{"fleet", "write one program file into many radios, with a report",
                     R"(Usage: zemtool fleet write PLAN.zem --port P [--port P ...] [--verify] [--backup-dir DIR]
                          [--report FILE.csv] [--retries N] [--repeat] [--count N] [--trace-dir DIR]

Writes the bytes 0x000-0x3CF of PLAN.zem into the radio on every port given,
all at once, each port on its own. A radio that fails does not stop or slow
the others. Exit status 0 when every radio is done (and verified with
--verify), 2 otherwise, with one line on standard error per failed radio.

  --port P         a port number 1-99 or a device path; give one per radio
  --verify         read each radio back and compare bytes 0x000-0x3CF
  --backup-dir D   first read each radio into a program file in D (nothing is
                   written to a radio whose backup failed); a folder that
                   cannot be written stops everything before any radio
  --report FILE    write a CSV report: port,result,seconds,detail,backup,
                   one row per radio (ok or failed)
  --retries N      when a radio does not answer, try N more times before it fails
  --repeat         one cable, many radios: after each radio, wait until it is
                   taken off and program the next one put on; ends after
                   --count radios, or on Ctrl+C or SIGTERM (the report is
                   written all the same)
  --count N        with --repeat: stop after N radios (all ports together)
  --trace-dir D    log every byte of each port to D/<port>-trace.log
)",
                     RunFleet};

volatile std::sig_atomic_t stopSignal = 0;
extern "C" void OnStopSignal(int) { stopSignal = 1; }

bool StderrIsTerminal(const Io& io) {
    if (&io.err != &std::cerr) return false;
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
}

std::string Seconds(std::chrono::steady_clock::duration d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", std::chrono::duration<double>(d).count());
    return text;
}

// One line of the live display: port, state, percent, counts, last failure.
std::string StatusLine(const PortStatus& s, std::size_t portWidth, bool repeat) {
    std::string port = s.port;
    if (port.size() < portWidth) port.resize(portWidth, ' ');
    char text[64];
    std::snprintf(text, sizeof text, "  %-10s %3d%%  %6s", RadioStateText(s.state), s.percent,
                  Seconds(s.elapsed).c_str());
    std::string line = port + text;
    if (repeat) line += "  done " + std::to_string(s.done) + ", failed " + std::to_string(s.failed);
    if (s.state == RadioState::Failed && !s.message.empty()) line += "  " + s.message;
    return line;
}

// Shows the run on stderr until it ends: on a terminal one line per port,
// redrawn; otherwise a line per change. A signal cancels the run.
void FollowRun(Io& io, FleetRun& run, const std::vector<std::string>& ports, bool repeat) {
    const bool terminal = StderrIsTerminal(io);
    std::size_t width = 0;
    for (const auto& port : ports) width = std::max(width, port.size());
    std::vector<std::string> lastShown(ports.size());
    std::size_t resultsShown = 0;
    bool drawn = false;
    for (;;) {
        const bool ended = run.finished();
        if (stopSignal && !run.cancelled()) run.cancel();
        auto statuses = run.snapshot();
        if (terminal) {
            if (drawn) io.err << "\033[" << statuses.size() << 'A';
            for (const auto& s : statuses) io.err << '\r' << StatusLine(s, width, repeat) << "\033[K\n";
            drawn = true;
        } else {
            for (std::size_t i = 0; i < statuses.size(); ++i) {
                const PortStatus& s = statuses[i];
                // Failures and completions come from the results below.
                if (s.state == RadioState::Done || s.state == RadioState::Failed) continue;
                if (s.state == RadioState::Waiting && !repeat) continue;
                std::string shown = RadioStateText(s.state);
                if (shown != lastShown[i]) io.err << "zemtool: " << s.port << ": " << shown << '\n';
                lastShown[i] = shown;
            }
            auto results = run.results();
            if (repeat) {  // in repeat mode a radio's outcome is shown as it comes
                for (; resultsShown < results.size(); ++resultsShown) {
                    const RadioResult& r = results[resultsShown];
                    if (r.job.ok) io.err << "zemtool: " << r.port << ": done in " << Seconds(r.duration) << '\n';
                    else io.err << "zemtool: " << r.port << ": " << r.job.describe() << '\n';
                    lastShown[r.portIndex] = r.job.ok ? "done" : "failed";
                }
            }
        }
        io.err.flush();
        if (ended) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    run.wait();
    if (terminal || !repeat) {
        for (const RadioResult& r : run.results())
            if (!r.job.ok) io.err << "zemtool: " << r.port << ": " << r.job.describe() << '\n';
    }
}

int RunFleet(const std::vector<std::string>& args, Io& io) {
    std::vector<OptionSpec> specs = {{"--port", "", true, true},   {"--verify", "", false},
                                     {"--backup-dir", "", true},    {"--report", "", true},
                                     {"--retries", "", true},       {"--repeat", "", false},
                                     {"--count", "", true},         {"--trace-dir", "", true}};
    Prepared prepared = PrepareCommand(kFleet, args, specs, 2, 2, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    if (parsed.positionals[0] != "write") return UsageError(io, kFleet, "unknown action " + parsed.positionals[0]);
    const std::vector<std::string> ports = parsed.all("--port");
    if (ports.empty()) return UsageError(io, kFleet, "--port P is required (one per radio)");
    for (const auto& port : ports)
        if (port.empty()) return UsageError(io, kFleet, "--port needs a port number 1-99 or a device path");

    FleetOptions options;
    options.repeat = parsed.has("--repeat");
    options.job.verify = parsed.has("--verify");
    if (auto retries = parsed.value("--retries")) {
        auto n = ParseIntInRange(*retries, 0, 1000);
        if (!n) return UsageError(io, kFleet, "--retries needs a number 0-1000");
        options.job.retries = *n;
    }
    if (auto count = parsed.value("--count")) {
        auto n = ParseIntInRange(*count, 1, 1000000);
        if (!n) return UsageError(io, kFleet, "--count needs a number 1-1000000");
        if (!options.repeat) return UsageError(io, kFleet, "--count goes with --repeat");
        options.count = *n;
    }

    // Everything that can be found out without a radio is, before any
    // radio is touched: a wrong plan or a folder that cannot be written
    // leaves every radio as it was.
    RadioImage plan;
    if (FileResult loaded = LoadFleetPlan(PathFromUtf8(parsed.positionals[1]), plan); !loaded.ok)
        return Fail(io, loaded.message + " Nothing was written.");
    options.job.backupFolder = PathFromUtf8(parsed.value("--backup-dir").value_or(""));
    options.traceFolder = PathFromUtf8(parsed.value("--trace-dir").value_or(""));
    const std::filesystem::path report = PathFromUtf8(parsed.value("--report").value_or(""));
    std::filesystem::path reportFolder;
    if (!report.empty()) {
        reportFolder = report.parent_path();
        if (reportFolder.empty()) reportFolder = ".";
    }
    using Folder = std::pair<const char*, std::filesystem::path>;
    for (const auto& [what, folder] : {Folder{"backup", options.job.backupFolder},
                                       Folder{"trace", options.traceFolder}, Folder{"report", reportFolder}}) {
        if (folder.empty()) continue;
        if (FileResult usable = CheckWritableFolder(folder); !usable.ok)
            return Fail(io, std::string("no ") + what + ": " + usable.message + " Nothing was written.");
    }

    stopSignal = 0;
    auto oldInt = std::signal(SIGINT, OnStopSignal);
    auto oldTerm = std::signal(SIGTERM, OnStopSignal);
    FleetRun run(plan, ports, options);
    run.start();
    FollowRun(io, run, ports, options.repeat);
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);

    const auto results = run.results();
    io.out << "Programmed " << results.size() << (results.size() == 1 ? " radio: " : " radios: ")
           << FleetSummary(results) << '\n';
    bool ok = run.allDone();
    if (!report.empty()) {
        if (FileResult written = WriteFileAtomically(report, FleetReportCsv(results)); !written.ok) {
            Fail(io, written.message);
            ok = false;
        }
    }
    if (results.empty()) Fail(io, "no radio was programmed");
    return ok ? kExitOk : kExitError;
}

}  // namespace

Command FleetCommand() { return kFleet; }

}  // namespace zem::cli
