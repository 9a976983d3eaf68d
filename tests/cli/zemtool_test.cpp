// zemtool run as a program: exit statuses, standard output and error, and
// the files it leaves behind.
#include "cli/command.h"
#include "core/channels/channel_test_support.h"
#include "support/program_run.h"

#include <fstream>

namespace zem::test {
namespace {

namespace fs = std::filesystem;

class Zemtool : public ProgramTest {
protected:
    fs::path path(const std::string& name) const { return fs::path(dir) / name; }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }

    // Runs zemtool in the test's folder, its standard output to out; arguments must not need quoting.
    RunResult run(const std::string& args, const std::string& out = "stdout.txt") const {
        return Run(ZemtoolProgram() + " " + args, out);
    }

    RadioImage load(const std::string& name) const { return Load(path(name).string()); }
    void save(const std::string& name, const RadioImage& image) const {
        ASSERT_TRUE(SaveProgramFile(path(name).string(), image).ok);
    }
};

// The band tables are the core's; here the --band option picks one.
TEST_F(Zemtool, NewWritesTheNewDocumentOrTheBandDefaults) {
    ASSERT_EQ(run("new -o plain.zem").status, 0);
    EXPECT_EQ(load("plain.zem"), NewDocumentImage());
    const RunResult result = run("new --band 2 -o band.zem");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(load("band.zem"), BandImage(2));
}

TEST_F(Zemtool, EveryCommandHasHelp) {
    const RunResult list = run("--help");  // its status is programs_answer_help_and_version's to check
    for (const auto& command : cli::FileCommands()) {
        EXPECT_NE(list.out.find(std::string("  ") + command.name + " "), std::string::npos) << command.name;
        const RunResult help = run(std::string(command.name) + " -h");  // the short spelling
        EXPECT_EQ(help.status, 0) << command.name;
        EXPECT_EQ(help.out, command.usage);
    }
    for (const std::string name : {"ports", "read", "write", "power"}) {
        EXPECT_NE(list.out.find("  " + name + " "), std::string::npos) << name;
        const RunResult help = run(name + " --help");
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind("Usage: zemtool " + name, 0), 0u) << help.out;
    }
}

#ifndef _WIN32
// Results that never reached standard output are an error, said on
// standard error, whichever command produced them. (Windows has no full
// device to try it on.)
TEST_F(Zemtool, ResultsThatCannotBeWrittenAreAnError) {
    save("a.zem", NewDocumentImage());
    RadioImage other = NewDocumentImage();
    other[0x134] = 4;
    save("b.zem", other);
    // One check in main covers every command; --help stands for the answers
    // given before any command runs.
    for (const char* args : {"show a.zem --json", "csv export a.zem -o -", "diff a.zem b.zem", "--help"}) {
        const RunResult result = run(args, "/dev/full");
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_TRUE(Contains(result.err, "zemtool: the results could not be written to standard output"))
            << args << ": " << result.err;
    }
    // Nothing to print is no error.
    EXPECT_EQ(run("diff a.zem a.zem", "/dev/full").status, 0);
}
#endif

TEST_F(Zemtool, ShowJsonGivesTheEntryTextsOfANewDocument) {
    save("new.zem", NewDocumentImage());
    const RunResult result = run("show new.zem --json");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& json = result.out;
    // The entry texts are the pages' (the diff's tests read them); here one
    // of each kind of value, the blank of "3.5 " kept, under its key.
    for (const char* expected : {"{\n", "\"type\": \"ZEM-KR-M4\"", "\"ch\": 16", "\"receive\": \"\"",
                                 "\"receive_recovery\": \"3.5 \"", "\"whisper_enable\": false",
                                 "\"bottom_long\": \"Energy Check\"", "\"low\": [\n      255,"}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(json.find("\"ch\": 17"), std::string::npos);
    EXPECT_EQ(json.back(), '\n');
}

// Usage errors and refused program files: status 2, a message on standard
// error, nothing on standard output and no file written.
TEST_F(Zemtool, UsageErrorsAndRefusedFilesWriteNothing) {
    write("short.zem", std::string(1000, '\0'));
    write("empty.zem", "");
    save("ok.zem", NewDocumentImage());
    write("typo.yaml", "zem-plan: 1\ntpye: \"ZEM-KR-M4\"\n");
    write("refused.csv", "Location,Name,Frequency,Duplex\n1,A,999.000000,\n");
    write("header.csv", "Location,Name,Frequency,Duplex\n");
    for (const char* args : {"new --band 4 -o out.zem", "new --band x -o out.zem", "new", "new -o",
                             "new -o out.zem extra", "new --colour -o out.zem", "frobnicate", "", "show short.zem",
                             "show empty.zem --json", "csv export short.zem -o out.zem", "diff short.zem short.zem",
                             "show missing.zem", "plan import typo.yaml -o out.zem", "plan export short.zem -o out.zem",
                             "plan import ok.zem", "memories import ok.zem refused.csv -o out.zem", "memories import ok.zem header.csv -o out.zem",
                             "memories import ok.zem refused.csv --from x -o out.zem", "memories frob"}) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_EQ(result.out, "") << args;
        EXPECT_NE(result.err, "") << args;
        // new names itself in its messages.
        EXPECT_EQ(result.err.rfind("zemtool new: ", 0) == 0, std::string(args).rfind("new", 0) == 0) << result.err;
        EXPECT_FALSE(fs::exists(path("out.zem"))) << args;
    }
    // The loader's own message, naming the file as it was given.
    RadioImage ignored;
    std::string message = LoadProgramFile(path("short.zem").string(), ignored).message;
    const std::string full = path("short.zem").string();
    message.replace(message.find(full), full.size(), "short.zem");
    EXPECT_EQ(run("show short.zem").err, "zemtool: " + message + "\n");
}

// Which rows are skipped is the core's; here the statuses and streams.
TEST_F(Zemtool, SkipRefusedWritesTheRowsThatFitAndListsTheOthers) {
    save("new.zem", NewDocumentImage());
    write("list.csv", "Location,Frequency,Duplex,Mode\n1,145.5,,FM\n2,145.5,,AM\n");
    const RunResult refused = run("memories import new.zem list.csv -o out.zem --band 0");
    EXPECT_EQ(refused.status, 2);
    EXPECT_FALSE(fs::exists(path("out.zem")));
    const RunResult skipped = run("memories import new.zem list.csv -o out.zem --band 0 --skip-refused");
    EXPECT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_EQ(skipped.err, "zemtool: skipped: line 3, Location 2, Mode \"AM\": this radio stores only FM (Wide) and "
                           "NFM (Narrow)\n");
    EXPECT_EQ(PageOf(load("out.zem")).cells.text(1, kColReceive), "145.50000");
}

// The round trip and the diff's lines are the core's to check; here the
// commands' files, streams and statuses.
TEST_F(Zemtool, CsvExportImportAndDiffGiveTheirFilesStreamsAndStatuses) {
    ASSERT_EQ(run("new --band 1 -o a.zem").status, 0);
    ASSERT_EQ(run("csv export a.zem -o a.csv").status, 0);
    EXPECT_EQ(run("csv export a.zem").out, ReadAll(path("a.csv")));
    ASSERT_EQ(run("csv import a.zem a.csv -o b.zem").status, 0);
    // A channel the list empties is saved as the window saves it: empty, not with its old flags.
    write("empty.csv", "Ch,Receive,Transmit\n6,,\n");
    ASSERT_EQ(run("csv import a.zem empty.csv -o e.zem").status, 0);
    EXPECT_EQ(load("e.zem")[0x06C], (load("a.zem")[0x06C] & 0xC0) | 0x11);

    // The store writes the demonstration digits and empty tones its own
    // way: bytes differ that the pages show the same, which the diff says
    // on standard error and counts as a difference.
    const RunResult first = run("diff a.zem b.zem");
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out, "");
    EXPECT_TRUE(Contains(first.err, " differ only in how the radio holds values that the pages show the same way\n"))
        << first.err;
    RadioImage quieter = load("b.zem");
    quieter[0x134] = 4;
    save("c.zem", quieter);
    const RunResult differ = run("diff b.zem c.zem");
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out, "Squelch Level: 5 -> 4\n");
    EXPECT_EQ(run("diff b.zem b.zem").status, 0);
    EXPECT_EQ(run("diff c.zem").status, 2);
}

// The refusals' words are the core's; here every one reaches standard
// error, the output file stays as it was, and --band chooses the range the
// frequencies are checked against and is stored.
TEST_F(Zemtool, CsvImportWithARefusedValueOrBandWritesNothing) {
    save("new.zem", NewDocumentImage());
    save("out.zem", NewDocumentImage());
    write("in.csv", "Ch,Receive,Scan\r\n1,446.00625,Yes\r\n4,161.02500,Perhaps\r\n");
    const RunResult refused = run("csv import new.zem in.csv -o out.zem --band 0");
    EXPECT_EQ(refused.status, 2);
    for (const char* line : {"zemtool: line 2, channel 1, Receive \"446.00625\": ", "\nzemtool: line 3, channel 4, Scan "})
        EXPECT_NE(refused.err.find(line), std::string::npos) << refused.err;
    write("in.csv", "Ch,Receive\n1,446.00625\n");
    EXPECT_EQ(run("csv import new.zem in.csv -o out.zem --band 5").status, 2);
    EXPECT_EQ(load("out.zem"), NewDocumentImage());
    ASSERT_EQ(run("csv import new.zem in.csv -o out.zem --band 2").status, 0);
    const RadioImage stored = load("out.zem");
    EXPECT_EQ(stored[0x223], 0x47);
    EXPECT_EQ(stored[0x227], 0x40);
}

}  // namespace
}  // namespace zem::test
