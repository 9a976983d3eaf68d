// The fleet run against several virtual radios, each on its own
// pseudo-terminal: every radio programmed, radios that fail among healthy
// ones, backups, cancel, and one cable with radios put on one after another.
#include "core/link/link_test_support.h"

#include "document/program_file.h"
#include "fleet/fleet_run.h"
#include "link/link_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

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
    return options;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Where in what the radio received a frame starts first (npos when never).
std::size_t FirstFrame(const std::vector<std::uint8_t>& received, std::vector<std::uint8_t> frame) {
    auto it = std::search(received.begin(), received.end(), frame.begin(), frame.end());
    return it == received.end() ? std::string::npos : static_cast<std::size_t>(it - received.begin());
}

void ExpectPortReleased(const std::string& device) {
    OpenResult again = OpenSerialPort(device, CloneTimeouts);
    EXPECT_TRUE(again.port) << device << ": " << again.detail;
}

class Fleet : public ::testing::Test {
protected:
    std::string dir = [] {
        char pattern[] = "/tmp/zem-fleet-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "");
    }();
    const RadioImage plan = PatternImage(101);
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(Fleet, EveryRadioIsBackedUpBeforeAnyBlockIsWrittenThenProgrammedAndVerified) {
    std::vector<std::unique_ptr<SimLine>> lines;
    std::vector<std::string> ports;
    for (int salt : {1, 2, 3}) {
        lines.push_back(std::make_unique<SimLine>(PatternImage(salt)));
        ports.push_back(lines.back()->device());
    }
    FleetOptions options = QuickOptions();
    options.job.verify = true;
    options.job.backupFolder = dir;
    FleetRun run(plan, ports, options);
    run.start();
    run.wait();
    for (auto& line : lines) line->stop();

    ASSERT_TRUE(run.finished());
    EXPECT_TRUE(run.allDone());
    auto results = run.results();
    ASSERT_EQ(results.size(), 3u);
    std::set<std::string> backups;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(ports[i]);
        EXPECT_EQ(results[i].port, ports[i]);  // in the order the ports were given
        EXPECT_TRUE(results[i].job.ok) << results[i].job.describe();
        const sim::VirtualRadio& radio = lines[i]->radio();
        EXPECT_TRUE(SameRange(radio.memory(), plan, 0, 0x3D0));
        EXPECT_TRUE(SameRange(radio.memory(), PatternImage(static_cast<int>(i) + 1), 0x3D0, 0x400));
        RadioImage backup;
        ASSERT_TRUE(LoadProgramFile(results[i].job.backupPath, backup).ok);
        EXPECT_TRUE(SameRange(backup, PatternImage(static_cast<int>(i) + 1), 0, 0x3D0));
        backups.insert(results[i].job.backupPath);
        // The backup's last block was asked for before the first block was written.
        const auto& received = radio.received();
        EXPECT_LT(FirstFrame(received, {0x52, 0x03, 0xC8, 0x08}), FirstFrame(received, {0x57, 0x00, 0x00, 0x08}));
        ExpectPortReleased(ports[i]);
    }
    EXPECT_EQ(backups.size(), 3u);
    for (const PortStatus& s : run.snapshot()) {
        EXPECT_EQ(s.state, RadioState::Done);
        EXPECT_EQ(s.percent, 100);
        EXPECT_EQ(s.done, 1);
        EXPECT_TRUE(s.ended);
    }
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
        {"write not acknowledged", FaultAt(&Faults::noWriteAckAt, 0x200), kMsgProgramInterrupted,
         "block write at 0x200", false},
        {"drops a written block", FaultAt(&Faults::dropWriteAt, 0x018), "The radio does not hold the plan",
         "verify: block 3 (0x018-0x01F) differs: channel 1", false},
        {"healthy too", {}, nullptr, "", false},
    };
    std::vector<std::unique_ptr<SimLine>> lines;
    std::vector<std::string> ports;
    for (const Case& c : cases) {
        lines.push_back(std::make_unique<SimLine>(PatternImage(7), c.faults));
        ports.push_back(lines.back()->device());
    }
    ports.push_back(ports[0]);               // given twice
    ports.push_back(dir + "/no-such-port");  // cannot be opened
    FleetOptions options = QuickOptions();
    options.job.verify = true;
    FleetRun run(plan, ports, options);
    run.start();
    run.wait();
    for (auto& line : lines) line->stop();

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
            EXPECT_TRUE(SameRange(lines[i]->radio().memory(), plan, 0, 0x3D0));
        }
        if (!c.lineGone) ExpectPortReleased(ports[i]);
    }
    EXPECT_EQ(results[6].job.message, "Port given twice");
    EXPECT_EQ(results[7].job.message, kMsgOpenPortFailed);
    EXPECT_TRUE(Contains(results[7].job.detail, "no such device"));
}

TEST_F(Fleet, ABackupThatCannotBeSavedWritesNothingToThatRadio) {
    std::ofstream(dir + "/file") << "x";
    SimLine line(PatternImage(4));
    FleetOptions options = QuickOptions();
    options.job.backupFolder = dir + "/file/backups";
    FleetRun run(plan, {line.device()}, options);
    run.start();
    run.wait();
    line.stop();
    auto results = run.results();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].job.ok);
    EXPECT_EQ(results[0].job.failedIn, RadioState::BackingUp);
    EXPECT_EQ(line.radio().memory(), PatternImage(4));
    EXPECT_EQ(FirstFrame(line.radio().received(), {0x57, 0x00, 0x00, 0x08}), std::string::npos);
}

TEST_F(Fleet, CancelStopsEveryRadioAtItsNextBlockAndReleasesEveryPort) {
    std::vector<std::unique_ptr<SimLine>> lines;
    std::vector<std::string> ports;
    for (int i = 0; i < 3; ++i) {
        lines.push_back(std::make_unique<SimLine>(PatternImage(9)));
        ports.push_back(lines.back()->device());
    }
    FleetOptions options = QuickOptions();
    options.job.sleep = {};  // real pauses: the write takes long enough to cancel
    FleetRun run(plan, ports, options);
    run.start();
    for (bool writing = false; !writing && !run.finished();) {
        std::this_thread::sleep_for(milliseconds(2));
        for (const PortStatus& s : run.snapshot()) writing = writing || s.percent >= 20;
    }
    run.cancel();
    run.wait();
    for (auto& line : lines) line->stop();

    for (const RadioResult& r : run.results()) {
        EXPECT_FALSE(r.job.ok);
        EXPECT_EQ(r.job.message, "Cancelled");
    }
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(SameRange(lines[i]->radio().memory(), plan, 0x3C8, 0x3D0));  // the last block never came
        ExpectPortReleased(ports[i]);
    }
}

TEST_F(Fleet, OneCableProgramsTheRadiosPutOnOneAfterAnotherUntilTheCount) {
    sim::LineOptions swapping;
    swapping.swapAfter = milliseconds(300);
    SimLine line(PatternImage(5), {}, swapping);
    FleetOptions options = QuickOptions();
    options.repeat = true;
    options.count = 3;
    options.job.verify = true;
    FleetRun run(plan, {line.device()}, options);
    run.start();
    run.wait();
    line.stop();

    auto results = run.results();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(run.allDone());
    EXPECT_EQ(line.radiosSwapped(), 2);  // the third radio is still on the cable: never programmed twice
    EXPECT_TRUE(SameRange(line.radio().memory(), plan, 0, 0x3D0));
    EXPECT_EQ(run.snapshot()[0].done, 3);
}

TEST_F(Fleet, CancelEndsOneCableWaitingForTheNextRadio) {
    SimLine line(PatternImage(5));  // the radio is never taken off
    FleetOptions options = QuickOptions();
    options.repeat = true;
    FleetRun run(plan, {line.device()}, options);
    run.start();
    while (run.results().empty()) std::this_thread::sleep_for(milliseconds(5));
    std::this_thread::sleep_for(milliseconds(300));  // a few quiet tries find the same radio
    EXPECT_EQ(run.results().size(), 1u);
    EXPECT_EQ(run.snapshot()[0].state, RadioState::Done);
    run.cancel();
    run.wait();
    line.stop();
    EXPECT_EQ(run.results().size(), 1u);
    EXPECT_TRUE(run.allDone());
    ExpectPortReleased(line.device());
}

}  // namespace
}  // namespace zem::test
