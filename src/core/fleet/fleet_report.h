#pragma once

#include "fleet/fleet_run.h"

#include <string>
#include <vector>

namespace zem {

// The report of a fleet run as comma-separated text (RFC 4180, lines ending
// in CRLF): the header "port,result,seconds,detail,backup", then one row
// per radio; result is "ok" or "failed", seconds that radio's duration,
// detail empty when ok, backup the backup file or empty.
std::string FleetReportCsv(const std::vector<RadioResult>& results);

// "2 done, 1 failed".
std::string FleetSummary(const std::vector<RadioResult>& results);

}  // namespace zem
