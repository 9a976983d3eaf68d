#pragma once
// A built program run to its end from a test, as a script runs it (on
// Windows under cmd.exe): its exit status, and its standard output and
// error captured through files in the test's folder of its own.

#include "document/program_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace zem::test {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The status the program ended with, from what std::system or pclose gave.
inline int ExitStatus(int raw) {
#ifdef _WIN32
    return raw;
#else
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

#ifdef ZEMTOOL_PATH
// zemtool quoted for the shell; on Windows the build's path in Windows
// form, since a cross-build under Wine sees the build machine's root as
// drive Z:.
inline std::string ZemtoolProgram() {
    std::string program = ZEMTOOL_PATH;
#ifdef _WIN32
    if (!program.empty() && program[0] == '/') program = "Z:" + program;
    for (char& c : program)
        if (c == '/') c = '\\';
    return "\"" + program + "\"";
#else
    return "'" + program + "'";
#endif
}
#endif

// A fresh folder for each test, removed afterwards: a name no other run
// holds, since several builds' suites may run at once.
class ProgramTest : public ::testing::Test {
protected:
    std::string dir = [] {
        std::random_device random;
        std::filesystem::path folder;
        do folder = std::filesystem::path(::testing::TempDir()) / ("zemtool-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(folder));
        return folder.string();
    }();
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Runs command, quoted for the shell, in dir to its end, its output going
    // to dir's stdout.txt (or to out) and stderr.txt.
    RunResult Run(const std::string& command, const std::string& out = "stdout.txt") const {
#ifdef _WIN32
        // cmd.exe: the whole line in one more pair of quotes.
        const std::string line = "\"cd /d \"" + dir + "\" && " + command + " >" + out + " 2>stderr.txt\"";
#else
        const std::string line = "cd '" + dir + "' && " + command + " >" + out + " 2>stderr.txt";
#endif
        const std::filesystem::path folder = dir;
        return {ExitStatus(std::system(line.c_str())), out == "stdout.txt" ? ReadAll(folder / out) : std::string(),
                ReadAll(folder / "stderr.txt")};
    }
    RadioImage Load(const std::string& path) const {
        RadioImage image;
        EXPECT_TRUE(LoadProgramFile(path, image).ok) << path;
        return image;
    }
};

}  // namespace zem::test
