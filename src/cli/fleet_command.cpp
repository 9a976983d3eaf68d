// zemtool fleet: one plan written into many radios, in parallel over
// several cables or one after another on one cable, with a report.
#include "cli/cli_support.h"
#include "cli/link_options.h"

#include "document/program_file.h"
#include "document/sha256.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"
#include "fleet/fleet_run.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <ostream>
#include <sstream>
#include <thread>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zem::cli {

namespace {

int RunFleet(const std::vector<std::string>& args, Io& io);

const Command kFleet{"fleet", "write one program file into many radios, with a report; put them back",
                     R"(Usage: zemtool fleet write PLAN.zem --port P [--port P ...] [--verify] [--backup-dir DIR]
                          [--report FILE.csv [--overwrite]] [--retries N] [--repeat] [--count N]
                          [--trace-dir DIR]
       zemtool fleet restore REPORT.csv [--verify] [--retries N] [--trace-dir DIR]

Writes the bytes 0x000-0x3CF of PLAN.zem into the radio on every port given,
all at once, each port on its own. A radio that fails does not stop or slow
the others. Exit status 0 when every radio is done (and verified with
--verify), 2 otherwise, with one line on standard error per failed radio.

  --port P         a port number 1-99 or a device path; give one per radio
  --verify         read each radio back and compare bytes 0x000-0x3CF
  --backup-dir D   first read each radio into a program file in D (nothing is
                   written to a radio whose backup failed); a folder that
                   cannot be written stops everything before any radio
  --report FILE    write a CSV report, one row per radio: port,result,seconds,
                   detail,backup,sequence,started,radio,plan,plan_sha256; an
                   existing file is refused before any radio is touched
  --overwrite      replace an existing report
  --retries N      when a radio does not answer, try N more times before it fails
  --repeat         one cable, many radios: after each radio, wait until it is
                   taken off and program the next one put on; ends after
                   --count radios, or on Ctrl+C or SIGTERM (the report is
                   written all the same)
  --count N        with --repeat: stop after N radios (all ports together)
  --trace-dir D    log every byte of each port to D/<port>-port<k>.log

restore writes each failed radio of REPORT.csv that holds a partial or
unchecked write back from its own backup, to its own port.
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
    if (s.state == RadioState::Failed && !s.message.empty()) line += "  " + s.message.english();
    return line;
}

// Shows the run on stderr until it ends: on a terminal one line per port,
// redrawn; otherwise a line per change. A signal cancels the run.
void FollowRun(Io& io, FleetRun& run, const std::vector<std::string>& ports, bool repeat,
               const std::function<std::string(const RadioResult&)>& wayBack) {
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
                    else io.err << "zemtool: " << r.port << ": " << r.job.describe(wayBack(r)) << '\n';
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
            if (!r.job.ok) io.err << "zemtool: " << r.port << ": " << r.job.describe(wayBack(r)) << '\n';
    }
}

// Shows the run until its end, Ctrl+C and SIGTERM cancelling it.
void RunAndFollow(Io& io, FleetRun& run, const std::vector<std::string>& ports, bool repeat,
                  const std::function<std::string(const RadioResult&)>& wayBack) {
    stopSignal = 0;
    auto oldInt = std::signal(SIGINT, OnStopSignal);
    auto oldTerm = std::signal(SIGTERM, OnStopSignal);
    run.start();
    FollowRun(io, run, ports, repeat, wayBack);
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);
}

std::size_t RadiosTried(const std::vector<RadioResult>& results) {
    return static_cast<std::size_t>(
        std::count_if(results.begin(), results.end(), [](const RadioResult& r) { return !r.job.noRadio; }));
}

// Options both actions share; false after a usage error.
bool ReadJobOptions(const ParsedArgs& parsed, FleetOptions& options, Io& io, int& status) {
    options.job.verify = parsed.has("--verify");
    if (auto retries = parsed.value("--retries")) {
        auto n = ParseIntInRange(*retries, 0, 1000);
        if (!n) {
            status = UsageError(io, kFleet, "--retries needs a number 0-1000");
            return false;
        }
        options.job.retries = *n;
    }
    options.traceFolder = parsed.value("--trace-dir").value_or("");
    if (!options.traceFolder.empty()) {
        if (FileResult usable = CheckWritableFolder(options.traceFolder); !usable.ok) {
            status = Fail(io, "no trace: " + usable.message + " Nothing was written.");
            return false;
        }
    }
    return true;
}

// zemtool fleet restore REPORT.csv: every failed radio that holds a partial
// or unchecked write gets its own backup back, on its own port.
int RunRestore(const ParsedArgs& parsed, Io& io) {
    for (const char* option : {"--port", "--backup-dir", "--report", "--overwrite", "--repeat", "--count"})
        if (parsed.has(option)) return UsageError(io, kFleet, std::string(option) + " goes with write");
    FleetOptions options;
    int status = kExitError;
    if (!ReadJobOptions(parsed, options, io, status)) return status;
    const std::string report = parsed.positionals[1];
    std::ifstream in(std::filesystem::u8path(report), std::ios::binary);
    if (!in) return Fail(io, "Cannot read the report \"" + report + "\". Nothing was written.");
    std::stringstream text;
    text << in.rdbuf();
    std::vector<RestoreItem> items;
    const std::string folder = std::filesystem::u8path(report).parent_path().u8string();
    if (FileResult read = RadiosToRestore(text.str(), folder.empty() ? "." : folder, items); !read.ok)
        return Fail(io, read.message + " Nothing was written.");
    if (items.empty()) {
        io.out << "No radio of the report needs its backup back.\n";
        return kExitOk;
    }
    // Every backup is read before any radio is touched.
    std::vector<RadioImage> backups(items.size());
    std::vector<std::string> ports;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (FileResult loaded = LoadFleetPlan(items[i].backupPath, backups[i]); !loaded.ok)
            return Fail(io, items[i].port + ": " + loaded.message + " Nothing was written.");
        ports.push_back(items[i].port);
    }
    FleetRun run(std::move(backups), ports, options);
    RunAndFollow(io, run, ports, false, [](const RadioResult&) { return std::string(); });
    const auto results = run.results();
    io.out << "Restored " << RadiosTried(results) << (RadiosTried(results) == 1 ? " radio: " : " radios: ")
           << FleetSummary(results).english() << '\n';
    return run.allDone() ? kExitOk : kExitError;
}

int RunFleet(const std::vector<std::string>& args, Io& io) {
    std::vector<OptionRule> rules = {{"--port", "", true, true},   {"--verify", "", false},
                                     {"--backup-dir", "", true},    {"--report", "", true},
                                     {"--retries", "", true},       {"--repeat", "", false},
                                     {"--count", "", true},         {"--trace-dir", "", true},
                                     {"--overwrite", "", false}};
    Prepared prepared = PrepareCommand(kFleet, args, rules, 2, 2, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    if (parsed.positionals[0] == "restore") return RunRestore(parsed, io);
    if (parsed.positionals[0] != "write") return UsageError(io, kFleet, "unknown action " + parsed.positionals[0]);
    const std::vector<std::string> ports = parsed.all("--port");
    if (ports.empty()) return UsageError(io, kFleet, "--port P is required (one per radio)");
    for (const auto& port : ports)
        if (port.empty()) return UsageError(io, kFleet, "--port needs a port number 1-99 or a device path");

    FleetOptions options;
    options.repeat = parsed.has("--repeat");
    if (auto count = parsed.value("--count")) {
        auto n = ParseIntInRange(*count, 1, 1000000);
        if (!n) return UsageError(io, kFleet, "--count needs a number 1-1000000");
        if (!options.repeat) return UsageError(io, kFleet, "--count goes with --repeat");
        options.count = *n;
    }
    const std::string report = parsed.value("--report").value_or("");
    if (parsed.has("--overwrite") && report.empty()) return UsageError(io, kFleet, "--overwrite goes with --report");

    // Everything that can be found out without a radio is, before any
    // radio is touched: a wrong plan, a folder or a report that cannot be
    // written leaves every radio as it was.
    RadioImage plan;
    const std::string planName = parsed.positionals[1];
    if (FileResult loaded = LoadFleetPlan(planName, plan); !loaded.ok)
        return Fail(io, loaded.message + " Nothing was written.");
    int status = kExitError;
    if (!ReadJobOptions(parsed, options, io, status)) return status;
    options.job.backupFolder = parsed.value("--backup-dir").value_or("");
    if (!options.job.backupFolder.empty()) {
        if (FileResult usable = CheckWritableFolder(options.job.backupFolder); !usable.ok)
            return Fail(io, "no backup: " + usable.message + " Nothing was written.");
    }
    if (!report.empty()) {
        std::string folder = std::filesystem::u8path(report).parent_path().u8string();
        FileResult usable = CheckWritableFolder(folder.empty() ? "." : folder);
        std::error_code ec;
        const bool exists = std::filesystem::is_regular_file(std::filesystem::u8path(report), ec);
        if (usable.ok) usable = CheckReportPath(report, parsed.has("--overwrite"));
        if (!usable.ok)
            return Fail(io, "no report: " + usable.message +
                                (exists && !parsed.has("--overwrite") ? " Give --overwrite to replace it." : "") +
                                " Nothing was written.");
    }

    // A radio that needs its backup back is told how.
    // With one cable for many radios the failed one is no longer on it.
    const std::string again = options.repeat ? "put the radio on the cable again, then " : "";
    auto wayBack = [&report, &again, &options](const RadioResult& r) {
        return again + (report.empty() || options.repeat ? "zemtool write --port " + r.port + " " + r.job.backupPath
                                                         : "zemtool fleet restore " + report);
    };
    FleetRun run(plan, ports, options);
    RunAndFollow(io, run, ports, options.repeat, wayBack);

    const auto results = run.results();
    const std::size_t tried = RadiosTried(results);
    io.out << "Programmed " << tried << (tried == 1 ? " radio: " : " radios: ") << FleetSummary(results).english() << '\n';
    bool ok = run.allDone();
    if (!report.empty()) {
        const FleetReportInfo info{planName, Sha256Hex(plan.data(), kImageSize),
                                   options.repeat ? again + "zemtool write --port PORT BACKUP"
                                                  : "zemtool fleet restore " + report};
        if (FileResult written = WriteFileAtomically(PathFromUtf8(report), FleetReportCsv(results, info)); !written.ok) {
            Fail(io, written.message);
            ok = false;
        }
    }
    if (tried == 0) Fail(io, "no radio was programmed");
    return ok ? kExitOk : kExitError;
}

}  // namespace

Command FleetCommand() { return kFleet; }

}  // namespace zem::cli
