// The fleet: what a run checks before any radio and how it names and
// reports (the plan, folders, port names, the verify's words and the CSV
// report), then runs against several virtual radios, each on its own
// pseudo-terminal: every radio programmed, radios that fail among healthy
// ones, backups, cancel, and one cable with radios put on one after another.
#include "core/link/link_test_support.h"

#include "document/program_file.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"
#include "fleet/fleet_run.h"
#include "link/link_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace zem::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// Short time-outs, so a silent radio costs a few seconds and not fifteen.
OpenResult QuickOpen(const std::string& name, const PortTimeouts&) {
    return OpenSerialPort(name, PortTimeouts{milliseconds(200), milliseconds(20), milliseconds(200),
                                             milliseconds(120), milliseconds(800)});
}

FleetOptions QuickOptions() {
    FleetOptions options;
    options.opener = QuickOpen;
    options.job.sleep = [](milliseconds) {};
    options.pauseBetweenTries = milliseconds(50);
    options.job.verify = true;
    return options;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::vector<std::uint8_t> kFirstWrite = {0x57, 0x00, 0x00, 0x08};

// Virtual radios on lines of their own, each holding PatternImage(salt).
struct Radios {
    std::vector<std::unique_ptr<SimLine>> lines;
    std::vector<std::string> ports;
    Radios(std::initializer_list<int> salts = {}) {
        for (int salt : salts) add(salt);
    }
    void add(int salt, const Faults& faults = {}) {
        lines.push_back(std::make_unique<SimLine>(PatternImage(salt), faults));
        ports.push_back(lines.back()->device());
    }
    void stop() {
        for (auto& line : lines) line->stop();
    }
};

class Fleet : public ::testing::Test {
protected:
    std::string dir = [] {
        char pattern[] = "/tmp/zem-fleet-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "");
    }();
    const RadioImage plan = PatternImage(101);
    void TearDown() override { fs::remove_all(dir); }
    std::string File(const std::string& name, std::size_t size) const {
        std::ofstream(dir + "/" + name, std::ios::binary) << std::string(size, '\x11');
        return dir + "/" + name;
    }
    // Runs the fleet to its end, then takes the radios off their lines.
    template <class Lines>
    static void RunOut(FleetRun& run, Lines& lines) { run.start(); run.wait(); lines.stop(); }
};

TEST_F(Fleet, APlanMustBeExactlyAProgramFile) {
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
        RadioImage loaded;
        FileResult r = LoadFleetPlan(c.path, loaded);
        EXPECT_EQ(r.ok, c.ok) << c.path;
        EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
        if (c.ok) { EXPECT_EQ(loaded[0], 0x11); }
    }
}

TEST_F(Fleet, AFolderIsUsableOnlyWhenAFileCanBeMadeInIt) {
    File("plain", 3);
    EXPECT_TRUE(CheckWritableFolder(dir + "/new/nested").ok);
    EXPECT_TRUE(fs::is_directory(dir + "/new/nested"));
    EXPECT_TRUE(fs::is_empty(dir + "/new/nested"));  // the test file is gone again
    EXPECT_FALSE(CheckWritableFolder(dir + "/plain").ok);
    EXPECT_FALSE(CheckWritableFolder(dir + "/plain/below").ok);
    EXPECT_FALSE(CheckWritableFolder("").ok);
}

TEST_F(Fleet, PortNamesAndBackupFiles) {
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

TEST_F(Fleet, TwoSpellingsOfOnePortAreTheSamePort) {
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

TEST_F(Fleet, EveryRadioIsBackedUpBeforeAnyBlockIsWrittenThenProgrammedAndVerified) {
    Radios radios{1, 2, 3};
    const auto& ports = radios.ports;
    FleetOptions options = QuickOptions();
    options.job.backupFolder = dir;
    FleetRun run(plan, ports, options);
    RunOut(run, radios);

    EXPECT_TRUE(run.allDone());
    auto results = run.results();
    ASSERT_EQ(results.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(ports[i]);
        EXPECT_TRUE(results[i].job.ok) << results[i].job.describe();
        const sim::VirtualRadio& radio = radios.lines[i]->radio();
        EXPECT_TRUE(SameRange(radio.memory(), plan, 0, 0x3D0));
        EXPECT_TRUE(SameRange(radio.memory(), PatternImage(static_cast<int>(i) + 1), 0x3D0, 0x400));
        // Each radio's backup holds that radio: no two share a file.
        RadioImage backup;
        ASSERT_TRUE(LoadProgramFile(results[i].job.backupPath, backup).ok);
        EXPECT_TRUE(SameRange(backup, PatternImage(static_cast<int>(i) + 1), 0, 0x3D0));
        // The backup's last block was asked for before the first block was written.
        const auto& received = radio.received();
        EXPECT_LT(FindFrame(received, {0x52, 0x03, 0xC8, 0x08}), FindFrame(received, kFirstWrite));
        ExpectPortReleased(ports[i]);
    }
    for (const PortStatus& s : run.snapshot())
        EXPECT_EQ(std::tie(s.state, s.percent, s.done, s.ended), std::make_tuple(RadioState::Done, 100, 1, true));
}

TEST_F(Fleet, ARadioThatFailsFailsAloneWithItsOwnMessage) {
    struct Case {
        const char* name;
        Faults faults;
        const char* message;  // nullptr: programmed
        const char* detail;
        bool lineGone;
    };
    Faults silent;
    silent.silent = true;
    const Case cases[] = {
        {"healthy", {}, nullptr, "", false},
        {"silent", silent, kMsgCommunicationError, "did not answer the wake-up", false},
        {"hangs up mid-write", FaultAt(&Faults::hangUpAt, 0x100), kMsgProgramInterrupted, "write: block write at 0x100",
         true},
        {"drops a written block", FaultAt(&Faults::dropWriteAt, 0x018),
         "The radio does not hold what was written. First difference: channel 1 QT/DQT DEC is D257I in the radio, "
         "D015N in the program.",
         "verify: block 3 (0x018-0x01F) differs: channel 1", false},
        {"short read-back", FaultAt(&Faults::shortReplyAt, 0x100), kMsgShortReply,
         "verify: block at 0x100: 9 of 12 reply bytes arrived", false},
        {"healthy too", {}, nullptr, "", false},
    };
    Radios radios{};
    for (const Case& c : cases) radios.add(7, c.faults);
    std::vector<std::string> ports = radios.ports;
    ports.push_back(ports[0]);  // given twice
    FleetRun run(plan, ports, QuickOptions());
    RunOut(run, radios);

    auto results = run.results();
    ASSERT_EQ(results.size(), ports.size());
    EXPECT_FALSE(run.allDone());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const RadioJobResult& job = results[i].job;
        EXPECT_EQ(job.ok, c.message == nullptr) << job.describe();
        if (c.message) {
            EXPECT_EQ(job.message, c.message);
            EXPECT_TRUE(Contains(job.describe(), c.detail)) << job.describe();
        } else {
            EXPECT_TRUE(SameRange(radios.lines[i]->radio().memory(), plan, 0, 0x3D0));
        }
        if (!c.lineGone) ExpectPortReleased(ports[i]);
    }
    EXPECT_EQ(results.back().job.message, "Port given twice");
}

TEST_F(Fleet, ABackupThatCannotBeSavedWritesNothingToThatRadio) {
    File("file", 1);
    SimLine line(PatternImage(4));
    FleetOptions options = QuickOptions();
    options.job.backupFolder = dir + "/file/backups";
    FleetRun run(plan, {line.device()}, options);
    RunOut(run, line);
    auto results = run.results();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].job.failedIn, RadioState::BackingUp);
    EXPECT_EQ(line.radio().memory(), PatternImage(4));  // not one block written
}

// Cancelled while backing up, writing or verifying, each radio stops at its
// next block and says what it holds.
TEST_F(Fleet, CancelStopsEveryRadioAtItsNextBlockAndReleasesEveryPort) {
    const struct {
        RadioState seen;  // every radio has reached it
        RadioHolds holds;
        const char* detail;
    } moments[] = {
        {RadioState::BackingUp, RadioHolds::Unchanged, "cancelled before the first block was written); the radio is"},
        {RadioState::Writing, RadioHolds::PartialWrite, " of 122); the radio holds a partial write"},
        {RadioState::Verifying, RadioHolds::WrittenUnchecked, "cancelled during verify, after the whole write)"},
    };
    for (const auto& m : moments) {
        SCOPED_TRACE(static_cast<int>(m.seen));
        Radios radios{9, 9, 9};
        FleetOptions options = QuickOptions();
        options.job.sleep = {};  // real pauses: the write takes long enough to cancel
        options.job.backupFolder = dir;
        FleetRun run(plan, radios.ports, options);
        run.start();
        for (bool there = false; !there && !run.finished();) {
            std::this_thread::sleep_for(milliseconds(2));
            there = true;
            for (const PortStatus& s : run.snapshot())
                there = there && s.state == m.seen && (m.seen != RadioState::Writing || s.percent >= 40);
        }
        run.cancel();
        run.wait();
        radios.stop();

        // Each radio holds exactly the blocks it acknowledged, and says so.
        for (const RadioResult& r : run.results()) {
            EXPECT_EQ(r.job.message, "Cancelled");
            ASSERT_EQ(r.job.holds, m.holds) << r.job.describe();
            EXPECT_TRUE(Contains(r.job.describe(), m.detail)) << r.job.describe();
            const std::size_t written = static_cast<std::size_t>(r.job.blocksWritten) * 8;
            const RadioImage& memory = radios.lines[r.portIndex]->radio().memory();
            EXPECT_TRUE(SameRange(memory, plan, 0, written));
            if (m.holds != RadioHolds::WrittenUnchecked) {
                EXPECT_TRUE(SameRange(memory, PatternImage(9), written + 8, 0x3D0));
            }
            ExpectPortReleased(r.port);
        }
    }
}

TEST_F(Fleet, OneCableProgramsTheRadiosPutOnOneAfterAnotherUntilTheCount) {
    sim::LineOptions swapping;
    swapping.swapAfter = milliseconds(300);
    SimLine line(PatternImage(5), {}, swapping);
    FleetOptions options = QuickOptions();
    options.repeat = true;
    options.count = 3;
    FleetRun run(plan, {line.device()}, options);
    RunOut(run, line);

    auto results = run.results();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(run.allDone());
    EXPECT_EQ(line.radiosSwapped(), 2);  // the third radio is still on the cable: never programmed twice
    EXPECT_TRUE(SameRange(line.radio().memory(), plan, 0, 0x3D0));
    EXPECT_EQ(run.snapshot()[0].done, 3);
}

}  // namespace
}  // namespace zem::test
