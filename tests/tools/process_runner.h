#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace zem::test {

// A program of this build: $ZEM_BUILD_DIR/<relative>, or found from where
// this test program lives.
std::string BuiltProgram(const std::string& relative);

struct RunResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end and collects what it printed.
RunResult Run(const std::vector<std::string>& argv);

// zemsim started with the given options, stopped (and its memory saved) by
// stop() or the destructor.
class ZemsimProcess {
public:
    explicit ZemsimProcess(const std::vector<std::string>& options);
    ~ZemsimProcess() { stop(); }
    const std::string& device() const { return device_; }
    // Stops the radio and waits for it; returns its exit status.
    int stop();

private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string device_;
};

// A fresh directory for one test's files.
std::string TempDir();

}  // namespace zem::test
