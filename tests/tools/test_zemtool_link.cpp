// zemtool's radio commands end to end: the zemtool program talking to the
// zemsim program over a pseudo-terminal, as a user would run them.
#include "zemtool_test_support.h"

namespace zem::test {
namespace {

class ZemtoolLink : public ZemtoolTest {
protected:
    std::string memory = dir + "/radio.zem";
    void SetUp() override { ASSERT_TRUE(SaveProgramFile(memory, PatternImage(1)).ok); }
};

TEST_F(ZemtoolLink, WriteWithBackupAndVerifyThenReadIntoANewDocumentOrIntoTheBase) {
    ZemsimProcess radio("--memory " + memory);
    ASSERT_TRUE(SaveProgramFile(dir + "/new.zem", PatternImage(40)).ok);
    ASSERT_TRUE(SaveProgramFile(dir + "/base.zem", PatternImage(9)).ok);

    RunResult write = Zemtool(
        {"write", "--port", radio.device(), dir + "/new.zem", "--backup", dir + "/backup.zem", "--verify"});
    ASSERT_EQ(write.status, 0) << write.err;
    // Progress and success are messages: standard error, standard output stays empty.
    EXPECT_EQ(write.out, "");
    for (const char* line : {"zemtool: Backed up the radio into ", "zemtool: Wrote 976 bytes of ",
                             "zemtool: Verified: the radio holds the same bytes\n"})
        EXPECT_NE(write.err.find(line), std::string::npos) << write.err;
    RunResult fresh = Zemtool({"read", "--port", radio.device(), "-o", dir + "/fresh.zem", "--trace", dir + "/t.log"});
    ASSERT_EQ(fresh.status, 0) << fresh.err;
    EXPECT_EQ(fresh.out, "");
    EXPECT_EQ(fresh.err, "zemtool: Read 976 bytes from the radio into " + dir + "/fresh.zem\n");
    RunResult based =
        Zemtool({"read", "--port", radio.device(), "-o", dir + "/based.zem", "--base", dir + "/base.zem"});
    ASSERT_EQ(based.status, 0) << based.err;
    EXPECT_EQ(radio.stop(), 0);

    EXPECT_TRUE(SameRange(Load(dir + "/backup.zem"), PatternImage(1), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(memory), PatternImage(40), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(memory), PatternImage(1), 0x3D0, 0x400));  // the power values stay the radio's
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), PatternImage(40), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), NewDocumentImage(), 0x3D0, 0x400));
    EXPECT_TRUE(SameRange(Load(dir + "/based.zem"), PatternImage(9), 0x3D0, 0x400));
    EXPECT_NE(ReadAll(dir + "/t.log").find("TX 52 03 C8 08"), std::string::npos);
}

// A read that fails leaves an older file of the same name as it was. (Which
// replies are refused, and why, are the clone protocol's cases.)
TEST_F(ZemtoolLink, FailedReadLeavesTheOutputFileAndSaysWhy) {
    const std::string out = dir + "/out.zem";
    using Case = std::tuple<const char*, const char*, const char*>;  // the radio's fault, the message, why
    for (const auto& [fault, message, why] :
         {Case{"--hang-up 0x100", "Not received enough byte", "line failed"},
          Case{"--repeat-byte 0x010", "Program interruput,please reset the radio and try again",
               "one byte too many in the reply to block 0x0010"}}) {
        SCOPED_TRACE(fault);
        ASSERT_TRUE(SaveProgramFile(out, PatternImage(7)).ok);
        ZemsimProcess radio("--memory " + memory + " " + fault);
        RunResult r = Zemtool({"read", "--port", radio.device(), "-o", out});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(Contains(r.err, std::string("zemtool: ") + message + "\n")) << r.err;
        EXPECT_TRUE(Contains(r.err, why)) << r.err;
        EXPECT_TRUE(SameRange(Load(out), PatternImage(7), 0, 0x400));
    }
}

// A write that stops among the blocks leaves the radio partly written: the
// user is told so, and with --backup how to put the radio back, and that
// command works. (A verify that fails after a whole write is no partial
// write: the session's write cases.)
TEST_F(ZemtoolLink, FailedWriteSaysTheRadioHoldsAPartialWriteAndHowToRestoreIt) {
    ASSERT_TRUE(SaveProgramFile(dir + "/new.zem", PatternImage(40)).ok);
    const std::string link = dir + "/radio";
    // The fault, whether --backup is given, and the advice (nullptr: nothing was written, so no partial write).
    using Case = std::tuple<const char*, bool, const char*>;
    for (const auto& [fault, withBackup, advice] :
         {Case{"--no-write-ack 0x100", true, "to put back what it held, reset the radio and run: "},
          Case{"--no-write-ack 0x100", false, "reset the radio and write a complete program file"},
          Case{"", false, nullptr}}) {
        SCOPED_TRACE(std::string(fault) + (withBackup ? " with backup" : ""));
        ASSERT_TRUE(SaveProgramFile(memory, PatternImage(1)).ok);
        ZemsimProcess radio("--memory " + memory + " --link " + link + " " + fault);
        // No fault: the port is one that does not exist, so nothing is written.
        std::vector<std::string> args{"write", "--port", *fault ? link : dir + "/none", dir + "/new.zem"};
        const std::string backup = dir + "/radio before.zem";  // a blank, to be quoted for the shell
        if (withBackup) args.insert(args.end(), {"--backup", backup});
        RunResult r = Zemtool(args);
        radio.stop();
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Contains(r.err, "the radio now holds a partial write: part of " + dir + "/new.zem"), advice != nullptr)
            << r.err;
        if (!advice) continue;
        EXPECT_TRUE(Contains(r.err, advice)) << r.err;
        EXPECT_TRUE(SameRange(Load(memory), PatternImage(40), 0, 0x100));
        EXPECT_TRUE(SameRange(Load(memory), PatternImage(1), 0x108, 0x3D0));
        if (!withBackup) continue;

        // The printed command, run against the radio once it answers again.
        const std::string restore = "zemtool write --port " + link + " '" + backup + "'\n";
        ASSERT_NE(r.err.find(restore), std::string::npos) << r.err;
        ZemsimProcess healthy("--memory " + memory + " --link " + link);
        RunResult back = Zemtool({"write", "--port", link, backup});
        EXPECT_EQ(back.status, 0) << back.err;
        healthy.stop();
        EXPECT_TRUE(SameRange(Load(memory), PatternImage(1), 0, 0x400));
    }
}

TEST_F(ZemtoolLink, PowerReadAndWriteBehindTheAccessCode) {
    ZemsimProcess radio("--memory " + memory);
    RunResult wrong = Zemtool({"power", "read", "--port", radio.device(), "--access-code", "5203841"});
    EXPECT_NE(wrong.status, 0);
    EXPECT_NE(wrong.err.find("Not the correct password"), std::string::npos) << wrong.err;

    RunResult write = Zemtool({"power", "write", "--port", radio.device(), "--access-code", "52038417", "--low",
                               "200,1,2,3,4,5,6", "--high", "7,8,9,10,11,12,13"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "");
    EXPECT_NE(write.err.find("low 200,1,2,3,4,5,6, high 7,8,9,10,11,12,13"), std::string::npos) << write.err;
    RunResult read = Zemtool({"power", "read", "--port", radio.device(), "--access-code", "52038417", "--band", "2"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find("1\t400-410(MHZ)\t200\t7\n"), std::string::npos) << read.out;
    EXPECT_NE(read.out.find("7\t400-470(MHZ)\t6\t13\n"), std::string::npos) << read.out;

    // One list given: the other keeps the radio's calibrated values.
    // --defaults brings the factory values for the lists not given.
    using Step = std::tuple<std::vector<std::string>, const char*, const char*>;  // the lists; points 1 and 7 read back
    for (const auto& [lists, first, last] :
         {Step{{"--high", "20,21,22,23,24,25,26"}, "1\t136-141(MHZ)\t200\t20\n", "7\t136-171(MHZ)\t6\t26\n"},
          Step{{"--defaults", "--low", "1,1,1,1,1,1,1"}, "1\t136-141(MHZ)\t1\t45\n", "7\t136-171(MHZ)\t1\t60\n"}}) {
        std::vector<std::string> args{"power", "write", "--port", radio.device(), "--access-code", "52038417"};
        args.insert(args.end(), lists.begin(), lists.end());
        RunResult partial = Zemtool(args);
        ASSERT_EQ(partial.status, 0) << partial.err;
        RunResult after = Zemtool({"power", "read", "--port", radio.device(), "--access-code", "52038417", "--band", "4"});
        ASSERT_EQ(after.status, 0) << after.err;
        EXPECT_TRUE(Contains(after.out, first)) << lists[0] << "\n" << after.out;
        EXPECT_TRUE(Contains(after.out, last)) << lists[0] << "\n" << after.out;
    }
}

TEST_F(ZemtoolLink, BadArgumentsAreRefusedBeforeThePortIsTouched) {
    using Case = std::pair<std::vector<std::string>, const char*>;  // arguments, what stderr says
    for (const auto& [args, says] :
         {Case{{"read", "-o", dir + "/x.zem"}, "--port P is required"},
          Case{{"write", "--port", "1"}, "missing argument"},
          Case{{"power", "write", "--port", "1", "--access-code", "x", "--high", "1,2,3,4,5,6,256"},
               "--high needs seven values 0-255"},
          Case{{"power", "read", "--port", "1"}, "--access-code CODE is required"},
          Case{{"power", "write", "--port", "1", "--access-code", "x"}, "write needs --low, --high or --defaults"},
          Case{{"power", "read", "--port", "1", "--access-code", "x", "--low", "1,2,3,4,5,6,7"},
               "--low, --high and --defaults belong to write"},
          Case{{"power", "read", "--port", "1", "--access-code", "x", "--band", "5"},
               "--band needs a number from 0 to 4"}}) {
        RunResult r = Zemtool(args);
        EXPECT_EQ(r.status, 2) << says;
        EXPECT_TRUE(Contains(r.err, says)) << r.err;
        EXPECT_EQ(r.out, "");
    }
    // The help names the same band numbers the check accepts.
    EXPECT_TRUE(Contains(Zemtool({"power", "--help"}).out, "3 470-512MHZ,\n                    4 Other...."));
}

}  // namespace
}  // namespace zem::test
