#include "fleet/fleet_report.h"

#include "channels/channel_csv.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace zem {

std::string IsoUtcTime(std::chrono::system_clock::time_point time) {
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &t);
#else
    gmtime_r(&t, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string FleetReportCsv(const std::vector<RadioResult>& results, const FleetReportInfo& info) {
    std::string text = "port,result,seconds,detail,backup,sequence,started,radio,plan,plan_sha256\r\n";
    for (const RadioResult& r : results) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f", std::chrono::duration<double>(r.duration).count());
        text += CsvField(r.port) + "," + (r.job.ok ? "ok" : "failed") + "," + seconds + "," +
                CsvField(r.job.describe(info.wayBack)) + "," + CsvField(r.job.backupPath) + "," +
                (r.sequence > 0 ? std::to_string(r.sequence) : std::string()) + "," + IsoUtcTime(r.started) + "," +
                (r.job.noRadio ? "" : RadioHoldsWord(r.job.holds)) + "," + CsvField(info.planName) + "," +
                info.planSha256 + "\r\n";
    }
    return text;
}

Text FleetSummary(const std::vector<RadioResult>& results) {
    std::size_t done = 0, failed = 0, unused = 0;
    for (const RadioResult& r : results) ++(r.job.ok ? done : r.job.noRadio ? unused : failed);
    std::vector<Text> counts = {std::to_string(done), std::to_string(failed)};
    if (unused == 0) return Text(kTextLink, ZEM_TRANSLATE_NOOP("zem::Link", "%1 done, %2 failed"), std::move(counts));
    counts.push_back(std::to_string(unused));
    return Text(kTextLink,
                unused == 1
                    ? ZEM_TRANSLATE_NOOP("zem::Link", "%1 done, %2 failed, %3 port not used (missing or given twice)")
                    : ZEM_TRANSLATE_NOOP("zem::Link", "%1 done, %2 failed, %3 ports not used (missing or given twice)"),
                std::move(counts));
}

std::vector<RestoreItem> RadiosToRestore(const std::vector<RadioResult>& results) {
    std::vector<RestoreItem> items;
    for (const RadioResult& r : results)
        if (r.job.needsRestore() && !r.job.backupPath.empty()) items.push_back({r.port, r.job.backupPath});
    return items;
}

FileResult RadiosToRestore(const std::string& reportText, const std::string& reportFolder,
                           std::vector<RestoreItem>& items) {
    const std::vector<CsvRecord> records = ParseCsv(reportText).records;
    if (records.empty()) return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "The report is empty.")));
    const std::vector<std::string>& header = records.front().fields;
    auto column = [&header](const char* name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    const std::size_t port = column("port"), result = column("result"), backup = column("backup"),
                      radio = column("radio");
    if (port == header.size() || result == header.size() || backup == header.size())
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP(
            "zem::File", "This is no fleet report: its first line has no port, result and backup columns.")));
    items.clear();
    // One cable, many radios: the radio on a port now is not the one that failed there.
    std::vector<std::string> ports;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& row = records[i].fields;
        if (port >= row.size()) continue;
        if (std::find(ports.begin(), ports.end(), row[port]) != ports.end())
            return FileResult::failure(
                FileText(ZEM_TRANSLATE_NOOP("zem::File", "The report has several radios on %1 (one cable, many radios): "
                                                        "put each one on the cable again and write its backup with "
                                                        "zemtool write."),
                         {row[port]}));
        ports.push_back(row[port]);
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& row = records[i].fields;
        auto field = [&row](std::size_t at) { return at < row.size() ? row[at] : std::string(); };
        if (field(result) != "failed" || field(backup).empty() || field(radio) == "unchanged") continue;
        std::string path = field(backup);
        std::error_code ec;
        const std::filesystem::path file = std::filesystem::u8path(path);
        if (file.is_relative() && !std::filesystem::exists(file, ec))
            path = (std::filesystem::u8path(reportFolder) / file).u8string();
        items.push_back({field(port), path});
    }
    return FileResult::success();
}

}  // namespace zem
