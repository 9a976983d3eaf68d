// zemtool's radio commands end to end: the zemtool program talking to the
// zemsim program over a pseudo-terminal, as a user would run them.
#include "document/program_file.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace zem {
namespace {

struct RunResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

int ExitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// zemsim started with the given options. The shell prints its own process
// id and then becomes zemsim, which prints its device path when it is ready.
// stop() or the destructor ends it; it saves its memory on the way out.
class ZemsimProcess {
public:
    explicit ZemsimProcess(const std::string& options)
        : out_(::popen(("echo $$; exec '" ZEMSIM_PATH "' " + options).c_str(), "r")) {
        char device[256];
        if (!out_ || std::fscanf(out_, "%d %255s", &pid_, device) != 2)
            throw std::runtime_error("zemsim did not start");
        device_ = device;
    }
    ~ZemsimProcess() { stop(); }
    const std::string& device() const { return device_; }
    // Stops the radio and waits for it; returns its exit status.
    int stop() {
        if (out_) {
            ::kill(pid_, SIGTERM);
            status_ = ExitStatus(::pclose(out_));
            out_ = nullptr;
        }
        return status_;
    }

private:
    FILE* out_;
    int pid_ = 0;
    int status_ = -1;
    std::string device_;
};

RadioImage Pattern(int salt) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 13 + salt);
    return image;
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::size_t begin, std::size_t end) {
    return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
}

class ZemtoolLink : public ::testing::Test {
protected:
    std::string dir = [] {
        char pattern[] = "/tmp/zemtool-link-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "");
    }();
    std::string memory = dir + "/radio.zem";
    void SetUp() override { ASSERT_TRUE(!dir.empty() && SaveProgramFile(memory, Pattern(1)).ok); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Runs zemtool to its end; arguments are quoted for the shell.
    RunResult Zemtool(const std::vector<std::string>& args) const {
        std::string command = "'" ZEMTOOL_PATH "'";
        for (const auto& a : args) command += " '" + a + "'";
        command += " >'" + dir + "/stdout' 2>'" + dir + "/stderr'";
        return {ExitStatus(std::system(command.c_str())), ReadAll(dir + "/stdout"), ReadAll(dir + "/stderr")};
    }
    RadioImage Load(const std::string& path) const {
        RadioImage image;
        EXPECT_TRUE(LoadProgramFile(path, image).ok) << path;
        return image;
    }
};

TEST_F(ZemtoolLink, WriteWithBackupAndVerifyThenReadIntoANewDocumentOrIntoTheBase) {
    ZemsimProcess radio("--memory " + memory);
    ASSERT_TRUE(SaveProgramFile(dir + "/new.zem", Pattern(40)).ok);
    ASSERT_TRUE(SaveProgramFile(dir + "/base.zem", Pattern(9)).ok);

    RunResult write = Zemtool(
        {"write", "--port", radio.device(), dir + "/new.zem", "--backup", dir + "/backup.zem", "--verify"});
    ASSERT_EQ(write.exitStatus, 0) << write.err;
    EXPECT_NE(write.out.find("Verified"), std::string::npos);
    RunResult fresh = Zemtool({"read", "--port", radio.device(), "-o", dir + "/fresh.zem", "--trace", dir + "/t.log"});
    ASSERT_EQ(fresh.exitStatus, 0) << fresh.err;
    RunResult based =
        Zemtool({"read", "--port", radio.device(), "-o", dir + "/based.zem", "--base", dir + "/base.zem"});
    ASSERT_EQ(based.exitStatus, 0) << based.err;
    EXPECT_EQ(radio.stop(), 0);

    EXPECT_TRUE(SameRange(Load(dir + "/backup.zem"), Pattern(1), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(memory), Pattern(40), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(memory), Pattern(1), 0x3D0, 0x400));  // the power values stay the radio's
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), Pattern(40), 0, 0x3D0));
    EXPECT_TRUE(SameRange(Load(dir + "/fresh.zem"), NewDocumentImage(), 0x3D0, 0x400));
    EXPECT_TRUE(SameRange(Load(dir + "/based.zem"), Pattern(9), 0x3D0, 0x400));
    EXPECT_NE(ReadAll(dir + "/t.log").find("TX 52 03 C8 08"), std::string::npos);
}

TEST_F(ZemtoolLink, FailedReadWritesNoFileAndSaysWhy) {
    ZemsimProcess radio("--memory " + memory + " --hang-up 0x100");
    RunResult r = Zemtool({"read", "--port", radio.device(), "-o", dir + "/out.zem"});
    EXPECT_NE(r.exitStatus, 0);
    EXPECT_NE(r.err.find("zemtool: Not received enough byte"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line failed"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.zem"));
}

TEST_F(ZemtoolLink, PowerReadAndWriteBehindTheAccessCode) {
    ZemsimProcess radio("--memory " + memory);
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
}  // namespace zem
