#pragma once
// A built program run to its end from a test, as a script runs it (on
// Windows under cmd.exe): its exit status, and its standard output and
// error captured through files in the test's folder.

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// Runs the shell command in folder, its output going to folder's
// stdout.txt and stderr.txt.
inline RunResult RunIn(const std::filesystem::path& folder, const std::string& command) {
#ifdef _WIN32
    // cmd.exe: the whole line in one more pair of quotes.
    const std::string line = "\"cd /d \"" + folder.string() + "\" && " + command + " >stdout.txt 2>stderr.txt\"";
#else
    const std::string line = "cd '" + folder.string() + "' && " + command + " >stdout.txt 2>stderr.txt";
#endif
    const int raw = std::system(line.c_str());
    return {ExitStatus(raw), ReadAll(folder / "stdout.txt"), ReadAll(folder / "stderr.txt")};
}

}  // namespace zem::test
