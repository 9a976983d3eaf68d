// zemtool fleet end to end: the zemtool program writing one plan into the
// radios of a zemsim program that serves several, as a script would run it.
#include "channels/channel_csv.h"
#include "document/sha256.h"
#include "zemtool_test_support.h"

#include <set>

namespace zem::test {
namespace {

namespace fs = std::filesystem;

class ZemtoolFleet : public ZemtoolTest {
protected:
    std::string plan = dir + "/plan.zem";
    std::string memory = dir + "/radio.zem";  // radio k keeps its memory in radio-k.zem
    std::string report = dir + "/report.csv";
    void SetUp() override {
        ASSERT_TRUE(SaveProgramFile(plan, PatternImage(40)).ok);
        for (int k = 1; k <= 4; ++k) ASSERT_TRUE(SaveProgramFile(Memory(k), PatternImage(k)).ok);
    }
    std::string Memory(int k) const { return dir + "/radio-" + std::to_string(k) + ".zem"; }

    static std::string Command(std::vector<std::string> args) {
        args.insert(args.begin(), {"fleet", "write"});
        return ZemtoolCommand(args);
    }
    RunResult Fleet(const std::vector<std::string>& args) const { return Run(Command(args)); }
    // Links a/radio, b/radio ... to the ports: paths that end in one name.
    std::vector<std::string> SameNamedLinks(const std::vector<std::string>& ports) const {
        std::vector<std::string> links;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            const std::string folder = dir + "/" + std::string(1, static_cast<char>('a' + i));
            fs::create_directories(folder);
            fs::create_symlink(ports[i], folder + "/radio");
            links.push_back(folder + "/radio");
        }
        return links;
    }
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

// Two radios behind ports that both end in "radio", one of them off,
// one port given twice and one missing: each gets its row and its trace
// under a name of its own, and each failure one line on stderr. (Backups of
// same-named ports are the stopped run's case; a radio that hangs up or
// drops a block is the core fleet run's.)
TEST_F(ZemtoolFleet, EveryRadioIsNamedInTheReportAndFailedOnesOnStandardErrorOneLineEach) {
    ZemsimProcess sim("--memory " + memory + " --only 2 --silent", 2);  // radio 2 is off
    std::vector<std::string> ports = SameNamedLinks(sim.ports);
    ports.push_back(ports[0]);
    ports.push_back(dir + "/no-such-port");
    RunResult r = Fleet(WithPorts({plan, "--verify", "--report", report, "--trace-dir", dir + "/traces"}, ports));
    sim.stop();
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.out, "Programmed 2 radios: 1 done, 1 failed, 2 ports not used")) << r.out;
    const char* const expected[][3] = {  // result, what the radio holds, detail
        {"ok", "checked", ""},
        {"failed", "unchanged", "Communication error ,Please check all the connections and the radio power"},
        {"failed", "", "is given more than once"},
        {"failed", "", "no such device"},
    };
    auto rows = Report();
    ASSERT_EQ(rows.size(), ports.size() + 1);  // the header, then one row per port
    EXPECT_EQ(rows[0].back(), "plan_sha256");
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(ports[i]);
        const auto& row = rows[i + 1];
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[0], ports[i]);
        EXPECT_EQ(row[1], expected[i][0]);
        EXPECT_EQ(row[7], expected[i][1]);
        EXPECT_TRUE(Contains(row[3], expected[i][2])) << row[3];
        if (i < 2) { EXPECT_EQ(row[5], std::to_string(i + 1)); }  // in the order the ports were given
        if (row[1] == "failed") {  // said once on stderr, on a line naming the port
            EXPECT_TRUE(Contains(r.err, "zemtool: " + ports[i] + ": " + row[3])) << r.err;
            EXPECT_EQ(r.err.find(row[3]), r.err.rfind(row[3])) << r.err;
        }
    }
    const auto& ok = rows[1];  // how the report writes a row is the core's to check; here what zemtool fills in
    EXPECT_EQ(ok[3], "");
    EXPECT_NE(ok[6].rfind("1970", 0), 0u) << ok[6];  // the time the radio's run started
    EXPECT_EQ(ok[8], plan);
    EXPECT_EQ(ok[9], Sha256Hex(PatternImage(40).data(), kImageSize));
    EXPECT_TRUE(SameRange(Load(Memory(1)), PatternImage(40), 0, 0x3D0));
    EXPECT_EQ(Load(Memory(2)), PatternImage(2));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/traces"), fs::directory_iterator()), 2);
}

TEST_F(ZemtoolFleet, NothingIsWrittenWhenThePlanAFolderOrTheReportIsWrong) {
    ZemsimProcess sim("--memory " + memory, 1);
    std::ofstream(dir + "/file") << "x";
    std::ofstream(report) << "an earlier run";
    using Case = std::pair<std::vector<std::string>, const char*>;  // arguments, why
    for (const auto& [args, why] :
         {Case{{plan, "--backup-dir", dir + "/file/backups"}, "no backup"},
          Case{{plan, "--report", dir + "/file/report.csv"}, "no report"},
          Case{{plan, "--report", report}, "exists already. Give --overwrite to replace it. Nothing was written."},
          Case{{plan, "--report", dir}, "is a folder"}, Case{{plan, "--count", "2"}, "--count goes with --repeat"},
          Case{{plan, "--retries", "x"}, "--retries needs a number"}}) {
        RunResult r = Fleet(WithPorts(args, sim.ports));
        EXPECT_EQ(r.status, 2) << why;
        EXPECT_TRUE(Contains(r.err, why)) << r.err;
    }
    EXPECT_EQ(Fleet({plan}).status, 2);  // no port
    // A program file and one byte more, through a pipe: counted all the same
    // (what makes a plan is the core's to check).
    RunResult piped = Run("(cat '" + plan + "'; printf x) | " + Command(WithPorts({"/dev/stdin"}, sim.ports)));
    EXPECT_EQ(piped.status, 2);
    EXPECT_TRUE(Contains(piped.err, "holds 1025 bytes")) << piped.err;
    sim.stop();
    EXPECT_EQ(Load(Memory(1)), PatternImage(1));
    EXPECT_EQ(ReadAll(report), "an earlier run");
}

// SIGTERM during the write stops every radio: each says it holds a partial
// write, and the report puts them back from their backups. (What a radio
// holds when stopped at each moment is the core fleet run's case.)
TEST_F(ZemtoolFleet, AStoppedRunSaysWhatEachRadioHoldsAndTheReportPutsThemBack) {
    ZemsimProcess sim("--paced --baud 19200 --memory " + memory, 2);
    const std::vector<std::string> ports = SameNamedLinks(sim.ports);
    const std::string progress = dir + "/progress";
    const std::string script =
        Command(WithPorts({plan, "--verify", "--backup-dir", dir + "/backups", "--report", report}, ports)) + " 2>'" +
        progress + "' & pid=$!; for i in $(seq 600); do [ $(grep -c 'writing' '" + progress +
        "') -ge 2 ] && break; sleep 0.02; done; sleep 0.3; kill -TERM $pid; wait $pid";
    EXPECT_EQ(ExitStatus(std::system(script.c_str())), 2) << ReadAll(progress);
    auto rows = Report();
    ASSERT_EQ(rows.size(), 3u) << ReadAll(progress);
    std::set<std::string> backups;
    for (std::size_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(rows[i][7], "partial");
        EXPECT_TRUE(Contains(rows[i][3], "; the radio holds a partial write (")) << rows[i][3];
        backups.insert(rows[i][4]);
    }
    EXPECT_EQ(backups.size(), 2u);  // same-named ports, backups of their own

    RunResult restored = Zemtool({"fleet", "restore", report, "--verify"});
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_TRUE(Contains(restored.out, "Restored 2 radios: 2 done, 0 failed")) << restored.out;
    sim.stop();
    for (int k = 1; k <= 2; ++k) EXPECT_TRUE(SameRange(Load(Memory(k)), PatternImage(k), 0, 0x3D0)) << k;
}

// Repeating up to a count is the core fleet run's case; here zemtool's
// SIGTERM ends an endless run, and its report is still written.
TEST_F(ZemtoolFleet, OneCableRepeatsUntilStopped) {
    ZemsimProcess sim("--memory " + memory + " --swap 400", 1);
    std::ofstream(report) << "an earlier run";
    std::string script = Command(WithPorts({plan, "--repeat", "--report", report, "--overwrite"}, sim.ports)) + " 2>'" + dir +
                         "/stopped' & pid=$!; for i in $(seq 200); do grep -q 'done in' '" + dir +
                         "/stopped' && break; sleep 0.05; done; kill -TERM $pid; wait $pid";
    EXPECT_EQ(ExitStatus(std::system(script.c_str())), 0) << ReadAll(dir + "/stopped");
    auto rows = Report();
    ASSERT_GE(rows.size(), 2u) << ReadAll(dir + "/stopped");
    EXPECT_EQ(rows[1][1], "ok");
}

}  // namespace
}  // namespace zem::test
