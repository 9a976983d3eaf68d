#include "fleet/fleet_report.h"

#include "channels/channel_csv.h"
#include "document/program_file.h"

#include <algorithm>
#include <cstdio>

namespace zem {

std::string FleetReportCsv(const std::vector<RadioResult>& results) {
    std::string text = "port,result,seconds,detail,backup\r\n";
    for (const RadioResult& r : results) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", std::chrono::duration<double>(r.duration).count());
        text += CsvField(r.port) + "," + (r.job.ok ? "ok" : "failed") + "," + seconds + "," +
                CsvField(r.job.describe()) + "," + CsvField(PathText(r.job.backupPath)) + "\r\n";
    }
    return text;
}

std::string FleetSummary(const std::vector<RadioResult>& results) {
    const auto done = std::count_if(results.begin(), results.end(), [](const RadioResult& r) { return r.job.ok; });
    return std::to_string(done) + " done, " + std::to_string(results.size() - static_cast<std::size_t>(done)) +
           " failed";
}

}  // namespace zem
