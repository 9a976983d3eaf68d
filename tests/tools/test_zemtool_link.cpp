// zemtool's radio commands end to end: the zemtool program talking to the
// zemsim program over a pseudo-terminal, as a user would run them.
#include "process_runner.h"

#include "document/program_file.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace zem::test {
namespace {

RadioImage Pattern(int salt) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 13 + salt);
    return image;
}

RadioImage Load(const std::string& path) {
    RadioImage image;
    EXPECT_TRUE(LoadProgramFile(path, image).ok) << path;
    return image;
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::size_t begin, std::size_t end) {
    return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
}

bool Exists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0;
}

RunResult Zemtool(std::vector<std::string> args) {
    args.insert(args.begin(), BuiltProgram("src/cli/zemtool"));
    return Run(args);
}

class ZemtoolLink : public ::testing::Test {
protected:
    std::string dir = TempDir();
    std::string memory = dir + "/radio.zem";
    void SetUp() override { ASSERT_TRUE(SaveProgramFile(memory, Pattern(1)).ok); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(ZemtoolLink, ReadSavesTheRadioIntoANewDocumentOrIntoTheBase) {
    ZemsimProcess radio({"--memory", memory});
    std::string base = dir + "/base.zem";
    ASSERT_TRUE(SaveProgramFile(base, Pattern(9)).ok);

    RunResult fresh = Zemtool({"read", "--port", radio.device(), "-o", dir + "/fresh.zem", "--trace", dir + "/t.log"});
    RunResult based = Zemtool({"read", "--port", radio.device(), "-o", dir + "/based.zem", "--base", base});

    ASSERT_EQ(fresh.exitStatus, 0) << fresh.err;
    ASSERT_EQ(based.exitStatus, 0) << based.err;
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), Pattern(1), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), NewDocumentImage(), 0x3D0, 0x400));
    EXPECT_TRUE(SameRange(Load(dir + "/based.zem"), Pattern(9), 0x3D0, 0x400));
    std::stringstream trace;
    trace << std::ifstream(dir + "/t.log").rdbuf();
    EXPECT_NE(trace.str().find("TX 52 03 C8 08"), std::string::npos);
}

TEST_F(ZemtoolLink, FailedReadWritesNoFileAndSaysWhy) {
    ZemsimProcess radio({"--memory", memory, "--hang-up", "0x100"});
    RunResult r = Zemtool({"read", "--port", radio.device(), "-o", dir + "/out.zem"});
    EXPECT_NE(r.exitStatus, 0);
    EXPECT_NE(r.err.find("zemtool: Not received enough byte"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line failed"), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(dir + "/out.zem"));
}

TEST_F(ZemtoolLink, WriteWithBackupAndVerifyLeavesTheFileInTheRadio) {
    std::string file = dir + "/new.zem";
    std::string backup = dir + "/backup.zem";
    ASSERT_TRUE(SaveProgramFile(file, Pattern(40)).ok);
    ZemsimProcess radio({"--memory", memory});

    RunResult r = Zemtool({"write", "--port", radio.device(), file, "--backup", backup, "--verify"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.out.find("Verified"), std::string::npos);
    EXPECT_EQ(radio.stop(), 0);

    RadioImage after = Load(memory);
    EXPECT_TRUE(SameRange(after, Pattern(40), 0, 0x3D0));
    EXPECT_TRUE(SameRange(after, Pattern(1), 0x3D0, 0x400));
    EXPECT_TRUE(SameRange(Load(backup), Pattern(1), 0, 0x3D0));
}

TEST_F(ZemtoolLink, PowerReadAndWriteBehindTheAccessCode) {
    ZemsimProcess radio({"--memory", memory});
    RunResult wrong = Zemtool({"power", "read", "--port", radio.device(), "--access-code", "5203841"});
    EXPECT_NE(wrong.exitStatus, 0);
    EXPECT_NE(wrong.err.find("Not the correct password"), std::string::npos) << wrong.err;

    RunResult write = Zemtool({"power", "write", "--port", radio.device(), "--access-code", "52038417", "--low",
                               "200,1,2,3,4,5,6", "--high", "7,8,9,10,11,12,13"});
    ASSERT_EQ(write.exitStatus, 0) << write.err;
    RunResult read = Zemtool({"power", "read", "--port", radio.device(), "--access-code", "52038417", "--band", "2"});
    ASSERT_EQ(read.exitStatus, 0) << read.err;
    EXPECT_NE(read.out.find("1\t400-410(MHZ)\t200\t7\n"), std::string::npos) << read.out;
    EXPECT_NE(read.out.find("7\t400-470(MHZ)\t6\t13\n"), std::string::npos) << read.out;
}

TEST_F(ZemtoolLink, BadArgumentsAreRefusedBeforeThePortIsTouched) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"read", "-o", dir + "/x.zem"}, {"write", "--port", "1"},
          {"power", "write", "--port", "1", "--access-code", "x", "--high", "1,2,3,4,5,6,256"}}) {
        RunResult r = Zemtool(args);
        EXPECT_NE(r.exitStatus, 0) << args[0];
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace zem::test
