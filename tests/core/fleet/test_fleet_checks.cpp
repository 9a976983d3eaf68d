// What a fleet run checks before any radio and how it names and reports:
// the plan, folders, port names, the verify's words and the CSV report.
#include "document/program_file.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace zem {
namespace {

namespace fs = std::filesystem;

class FleetChecks : public ::testing::Test {
protected:
    std::string dir = [] {
        char pattern[] = "/tmp/zem-fleet-checks-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "");
    }();
    void TearDown() override { fs::remove_all(dir); }
    std::string File(const std::string& name, std::size_t size) const {
        std::ofstream(dir + "/" + name, std::ios::binary) << std::string(size, '\x11');
        return dir + "/" + name;
    }
};

TEST_F(FleetChecks, APlanMustBeExactlyAProgramFile) {
    struct Case {
        std::string path;
        bool ok;
        const char* why;
    };
    fs::create_directory(dir + "/folder");
    const Case cases[] = {
        {File("good.zem", 1024), true, ""},
        {File("short.zem", 1023), false, "holds 1023 bytes"},
        {File("long.zem", 1025), false, "holds 1025 bytes"},
        {dir + "/missing.zem", false, "does not exist"},
        {dir + "/folder", false, "folder"},
    };
    for (const Case& c : cases) {
        RadioImage plan;
        FileResult r = LoadFleetPlan(c.path, plan);
        EXPECT_EQ(r.ok, c.ok) << c.path;
        EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
        if (c.ok) { EXPECT_EQ(plan[0], 0x11); }
    }
}

TEST_F(FleetChecks, AFolderIsUsableOnlyWhenAFileCanBeMadeInIt) {
    File("plain", 3);
    EXPECT_TRUE(CheckWritableFolder(dir + "/new/nested").ok);
    EXPECT_TRUE(fs::is_directory(dir + "/new/nested"));
    EXPECT_TRUE(fs::is_empty(dir + "/new/nested"));  // the test file is gone again
    EXPECT_FALSE(CheckWritableFolder(dir + "/plain").ok);
    EXPECT_FALSE(CheckWritableFolder(dir + "/plain/below").ok);
    EXPECT_FALSE(CheckWritableFolder("").ok);
}

TEST_F(FleetChecks, PortNamesAndBackupFiles) {
    using Case = std::pair<std::string, std::string>;
    for (const auto& [port, stem] : {Case{"/dev/ttyUSB0", "ttyUSB0"}, Case{"/dev/pts/3", "pts-3"},
                                     Case{"\\\\.\\COM10", "COM10"}, Case{"/tmp/my radio", "my_radio"},
                                     Case{"/", "port"}})
        EXPECT_EQ(PortFileStem(port), stem) << port;

    // Two ports whose paths end in the same name, and the same radio twice:
    // every name is new and made at once, so none is ever taken twice.
    Text error;
    const std::string names[] = {ReserveBackupPath(dir, "/a/radio", 1, 2, error),
                                 ReserveBackupPath(dir, "/b/radio", 2, 2, error),
                                 ReserveBackupPath(dir, "/a/radio", 1, 2, error)};
    EXPECT_EQ(fs::path(names[0]).filename().string().rfind("radio-port1-", 0), 0u) << names[0];
    EXPECT_EQ(fs::path(names[1]).filename().string().rfind("radio-port2-", 0), 0u) << names[1];
    EXPECT_NE(names[2].find("-2-2.zem"), std::string::npos) << names[2];
    for (const std::string& name : names) EXPECT_TRUE(fs::exists(name)) << name;
    EXPECT_EQ(ReserveBackupPath(dir + "/missing", "/a/radio", 1, 1, error), "");
    EXPECT_NE(error.english().find("Cannot create"), std::string::npos) << error.english();
}

TEST_F(FleetChecks, TwoSpellingsOfOnePortAreTheSamePort) {
    const std::string device = File("device", 1);
    fs::create_symlink(device, dir + "/link");
    EXPECT_EQ(FirstOfSamePort({device, dir + "/other", dir + "/link", device, dir + "/other"}),
              (std::vector<std::size_t>{0, 1, 0, 0, 1}));
    EXPECT_EQ(FirstOfSamePort({"33", "/dev/ttyUSB0", "34"}), (std::vector<std::size_t>{0, 0, 2}));
}

TEST(FleetMismatch, NamesTheFirstDifferingBlockAndWhatItHolds) {
    RadioImage plan = NewDocumentImage();
    const std::uint8_t channel1[8] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14};  // 145.00000 both ways
    std::copy(channel1, channel1 + 8, plan.data() + 0x010);
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        const char* expected;  // "" when no difference counts
    };
    const Case cases[] = {
        {0x014, 0x50, "block 2 (0x010-0x017) differs: channel 1 Transmit: plan: 145.00000, radio: 145.00050"},
        {0x134, 0x03, "block 38 (0x130-0x137) differs: Squelch Level"},
        {0x13F, 0x12, "block 39 (0x138-0x13F) differs: Top Key Long Press"},
        {0x003, 0x00, "block 0 (0x000-0x007) differs: byte 0x003: plan: FF, radio: 00"},
        {0x3CF, 0x00, "block 121 (0x3C8-0x3CF) differs"},
        {0x3D0, 0x00, ""},  // the power values are not written, so not compared
    };
    for (const Case& c : cases) {
        RadioImage radio = plan;
        radio[c.offset] = c.value;
        const std::string text = DescribeMismatch(plan, radio).english();
        EXPECT_EQ(*c.expected ? text.substr(0, std::strlen(c.expected)) : text, c.expected) << c.offset << ": " << text;
    }
}

TEST(FleetReport, OneRowPerRadioNamingPlanTimeAndWhatItHoldsAndTheWayBack) {
    RadioResult ok;
    ok.port = "/dev/ttyUSB0";
    ok.sequence = 1;
    ok.job.ok = true;
    ok.job.holds = RadioHolds::Checked;
    ok.job.backupPath = "/b/ttyUSB0.zem";
    ok.duration = std::chrono::milliseconds(2345);
    RadioResult failed;
    failed.port = "COM3";
    failed.sequence = 2;
    failed.started = std::chrono::system_clock::from_time_t(1796642425);
    failed.job.failedIn = RadioState::Writing;
    failed.job.message = std::string("Program interruput,please reset the radio and try again");
    failed.job.detail = std::string("block write at 0x100: \"no\" acknowledgement");
    failed.job.holds = RadioHolds::PartialWrite;
    failed.job.blocksWritten = 32;
    failed.job.backupPath = "b/COM3.zem";
    failed.duration = std::chrono::milliseconds(500);
    RadioResult missing;
    missing.port = "COM9";
    missing.job.noRadio = true;
    const std::string csv = FleetReportCsv({ok, failed, missing}, {"José.zem", "ab12", "zemtool fleet restore r.csv"});
    const std::string rows = csv.substr(csv.find("\r\n") + 2);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "port,result,seconds,detail,backup,sequence,started,radio,plan,plan_sha256");
    EXPECT_EQ(rows.substr(0, rows.find("\r\n")),
              "/dev/ttyUSB0,ok,2.3,,/b/ttyUSB0.zem,1,1970-01-01T00:00:00Z,checked,José.zem,ab12");
    EXPECT_NE(csv.find("COM3,failed,0.5,\"Program interruput,please reset the radio and try again (write: block write "
                       "at 0x100: \"\"no\"\" acknowledgement); the radio holds a partial write (32 of 122 blocks); "
                       "backup: b/COM3.zem; to put it back: zemtool fleet restore r.csv\",b/COM3.zem,2,"
                       "2026-12-07T11:20:25Z,partial,"),
              std::string::npos)
        << csv;
    EXPECT_EQ(FleetSummary({ok, failed, failed, missing}), "1 done, 2 failed, 1 port not used (missing or given twice)");

    // Only the failed radio that holds a partial write is put back, from its
    // backup, found beside the report.
    std::vector<RestoreItem> items;
    ASSERT_TRUE(RadiosToRestore(csv, "/reports", items).ok);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].port, "COM3");
    EXPECT_EQ(items[0].backupPath, "/reports/b/COM3.zem");
    // Not a report; one cable with two radios, where the radio on it now may be another.
    EXPECT_FALSE(RadiosToRestore("name,frequency\r\n", ".", items).ok);
    EXPECT_FALSE(RadiosToRestore(FleetReportCsv({failed, failed}, {}), ".", items).ok);
}

}  // namespace
}  // namespace zem
