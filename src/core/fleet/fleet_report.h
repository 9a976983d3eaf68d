#pragma once

#include "document/program_file.h"
#include "fleet/fleet_run.h"

#include <chrono>
#include <string>
#include <vector>

namespace zem {

// What a report says about the whole run.
struct FleetReportInfo {
    std::string planName;    // the plan's file as the user gave it
    std::string planSha256;  // of the plan's 1024 bytes
    // How a radio that needs it is put back from its backup; it ends the
    // detail of such a radio's row.
    std::string wayBack;
};

// The report of a fleet run as comma-separated text (RFC 4180, lines ending
// in CRLF): the header
// "port,result,seconds,detail,backup,sequence,started,radio,plan,plan_sha256",
// then one row per radio. result is "ok" or "failed", seconds that radio's
// duration, detail empty when ok, backup the backup file or empty, sequence
// its number, started its start in UTC as ISO 8601, radio what it holds
// (RadioHoldsWord; empty for a port without a radio), plan and plan_sha256
// the same on every row.
std::string FleetReportCsv(const std::vector<RadioResult>& results, const FleetReportInfo& info);

// "2026-12-07T11:20:25Z".
std::string IsoUtcTime(std::chrono::system_clock::time_point time);

// "2 done, 1 failed", and ", 1 port not used (missing or given twice)"
// when there were such ports: they are no radios.
Text FleetSummary(const std::vector<RadioResult>& results);

// A radio to put back as it was: its port and its backup.
struct RestoreItem {
    std::string port;
    std::string backupPath;
};

// The radios of a run that failed after something was written and have a
// backup, in the order of the results.
std::vector<RestoreItem> RadiosToRestore(const std::vector<RadioResult>& results);

// The same from a report's text (its columns found by their names in the
// header, so an older report without the radio column restores every
// failed radio with a backup). A relative backup path that does not exist
// is taken as relative to reportFolder. Fails when the text is no report,
// and when a port has several rows (one cable, many radios: the radio on
// the cable now may be another one).
FileResult RadiosToRestore(const std::string& reportText, const std::string& reportFolder,
                           std::vector<RestoreItem>& items);

}  // namespace zem
