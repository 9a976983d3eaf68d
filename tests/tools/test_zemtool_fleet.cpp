// zemtool fleet end to end: the zemtool program writing one plan into the
// radios of a zemsim program that serves several, as a script would run it.
#include "channels/channel_csv.h"
#include "zemtool_test_support.h"

namespace zem::test {
namespace {

namespace fs = std::filesystem;

class ZemtoolFleet : public ProgramTest {
protected:
    std::string plan = dir + "/plan.zem";
    std::string memory = dir + "/radio.zem";  // radio k keeps its memory in radio-k.zem
    std::string report = dir + "/report.csv";
    void SetUp() override {
        ASSERT_FALSE(dir.empty());
        ASSERT_TRUE(SaveProgramFile(plan, Pattern(40)).ok);
        for (int k = 1; k <= 4; ++k) ASSERT_TRUE(SaveProgramFile(Memory(k), Pattern(k)).ok);
    }
    std::string Memory(int k) const { return dir + "/radio-" + std::to_string(k) + ".zem"; }

    static std::string Command(std::vector<std::string> args) {
        args.insert(args.begin(), {"fleet", "write"});
        return ZemtoolCommand(args);
    }
    RunResult Fleet(const std::vector<std::string>& args) const { return Run(Command(args)); }
    std::vector<std::vector<std::string>> Report() const {
        std::vector<std::vector<std::string>> rows;
        for (const CsvRecord& record : ParseCsv(ReadAll(report)).records) rows.push_back(record.fields);
        return rows;
    }
};

std::vector<std::string> WithPorts(std::vector<std::string> args, const std::vector<std::string>& ports) {
    for (const auto& port : ports) args.insert(args.end(), {"--port", port});
    return args;
}

TEST_F(ZemtoolFleet, EveryRadioIsBackedUpProgrammedAndVerified) {
    ZemsimProcess sim("--memory " + memory, 3);
    RunResult r = Fleet(WithPorts({plan, "--verify", "--backup-dir", dir + "/backups", "--report", report,
                                   "--trace-dir", dir + "/traces"},
                                  sim.ports));
    sim.stop();
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "3 done, 0 failed")) << r.out;
    auto rows = Report();
    ASSERT_EQ(rows.size(), 4u);  // the header, then one row per radio
    for (int k = 1; k <= 3; ++k) {
        const auto& row = rows[static_cast<std::size_t>(k)];
        EXPECT_EQ(row[0], sim.ports[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(row[1], "ok");
        EXPECT_EQ(row[3], "");
        EXPECT_TRUE(SameRange(Load(row[4]), Pattern(k), 0, 0x3D0));  // what the radio held before
        EXPECT_TRUE(SameRange(Load(Memory(k)), Pattern(40), 0, 0x3D0));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/traces"), fs::directory_iterator()), 3);
}

TEST_F(ZemtoolFleet, FailedRadiosAreNamedOneLineEachAndTheOthersAreProgrammed) {
    // Radio 2 is off, 3 hangs up in the middle of the write, 4 drops a block.
    ZemsimProcess sim("--memory " + memory + " --only 2 --silent --only 3 --hang-up 0x100 --only 4 --drop-write 0x3C8", 4);
    std::vector<std::string> ports = sim.ports;
    ports.push_back(sim.ports[0]);
    ports.push_back(dir + "/no-such-port");
    RunResult r = Fleet(WithPorts({plan, "--verify", "--report", report}, ports));
    sim.stop();
    EXPECT_EQ(r.exitStatus, 2);
    struct Expected {
        const char* result;
        const char* detail;
    };
    const Expected expected[] = {
        {"ok", ""},
        {"failed", "Communication error ,Please check all the connections and the radio power"},
        {"failed", "(write: block write at 0x100"},
        {"failed", "(verify: block 121 (0x3C8-0x3CF) differs"},
        {"failed", "is given more than once"},
        {"failed", "no such device"},
    };
    auto rows = Report();
    ASSERT_EQ(rows.size(), ports.size() + 1);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(ports[i]);
        EXPECT_EQ(rows[i + 1][0], ports[i]);
        EXPECT_EQ(rows[i + 1][1], expected[i].result);
        EXPECT_TRUE(Contains(rows[i + 1][3], expected[i].detail)) << rows[i + 1][3];
        if (rows[i + 1][1] == "failed") {  // one line on stderr, naming the port
            std::istringstream lines(r.err);
            int count = 0;
            for (std::string line; std::getline(lines, line);) count += Contains(line, rows[i + 1][3]);
            EXPECT_EQ(count, 1) << r.err;
            EXPECT_TRUE(Contains(r.err, "zemtool: " + ports[i] + ": " + rows[i + 1][3])) << r.err;
        }
    }
    EXPECT_TRUE(SameRange(Load(Memory(1)), Pattern(40), 0, 0x3D0));
    EXPECT_EQ(Load(Memory(2)), Pattern(2));
}

TEST_F(ZemtoolFleet, NothingIsWrittenWhenThePlanOrAFolderIsWrong) {
    ZemsimProcess sim("--memory " + memory, 1);
    std::ofstream(dir + "/short.zem") << "not a program file";
    std::ofstream(dir + "/file") << "x";
    struct Case {
        std::vector<std::string> args;
        const char* why;
    };
    const Case cases[] = {
        {{dir + "/short.zem"}, "is not a program file"},
        {{plan, "--backup-dir", dir + "/file/backups"}, "no backup"},
        {{plan, "--report", dir + "/file/report.csv"}, "no report"},
        {{plan, "--count", "2"}, "--count goes with --repeat"},
        {{plan, "--retries", "x"}, "--retries needs a number"},
    };
    for (const Case& c : cases) {
        RunResult r = Fleet(WithPorts(c.args, sim.ports));
        EXPECT_EQ(r.exitStatus, 2) << c.why;
        EXPECT_TRUE(Contains(r.err, c.why)) << r.err;
    }
    RunResult noPort = Fleet({plan});
    EXPECT_EQ(noPort.exitStatus, 2);
    sim.stop();
    EXPECT_EQ(Load(Memory(1)), Pattern(1));
}

TEST_F(ZemtoolFleet, OneCableRepeatsUntilTheCountOrUntilStopped) {
    ZemsimProcess sim("--memory " + memory + " --swap 400", 1);
    RunResult counted = Fleet(WithPorts({plan, "--repeat", "--count", "2", "--verify", "--report", report}, sim.ports));
    ASSERT_EQ(counted.exitStatus, 0) << counted.err;
    auto rows = Report();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][1], "ok");
    EXPECT_EQ(rows[2][1], "ok");

    // Without a count it runs until SIGTERM, and still writes its report.
    fs::remove(report);
    std::string script = Command(WithPorts({plan, "--repeat", "--report", report}, sim.ports)) + " 2>'" + dir +
                         "/stopped' & pid=$!; for i in $(seq 200); do grep -q 'done in' '" + dir +
                         "/stopped' && break; sleep 0.05; done; kill -TERM $pid; wait $pid";
    int status = ExitStatus(std::system(script.c_str()));
    EXPECT_EQ(status, 0) << ReadAll(dir + "/stopped");
    rows = Report();
    ASSERT_GE(rows.size(), 2u) << ReadAll(dir + "/stopped");
    EXPECT_EQ(rows[1][1], "ok");
}

}  // namespace
}  // namespace zem::test
