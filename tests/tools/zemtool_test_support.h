#pragma once
// What the tests of the zemtool and zemsim programs share: zemsim run as a
// program, zemtool run to its end with its output captured, a folder of
// their own, and the images they compare.

#include "support/program_run.h"
#include "support/radio_images.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace zem::test {

// zemsim started with the given options, serving one radio or, with
// radios > 0, that many (--radios). The shell prints its own process id and
// then becomes zemsim, which prints one device path per radio when they are
// ready. stop() or the destructor ends it; it saves its memory on the way out.
class ZemsimProcess {
public:
    explicit ZemsimProcess(const std::string& options, int radios = 0)
        : out_(::popen(("echo $$; exec '" ZEMSIM_PATH "' " +
                        (radios > 0 ? "--radios " + std::to_string(radios) + " " : std::string()) + options)
                           .c_str(),
                       "r")) {
        if (!out_ || std::fscanf(out_, "%d", &pid_) != 1) throw std::runtime_error("zemsim did not start");
        for (int i = 0; i < std::max(radios, 1); ++i) {
            char device[256];
            if (std::fscanf(out_, "%255s", device) != 1) throw std::runtime_error("zemsim did not start");
            ports.push_back(device);
        }
    }
    ~ZemsimProcess() { stop(); }
    ZemsimProcess(const ZemsimProcess&) = delete;
    ZemsimProcess& operator=(const ZemsimProcess&) = delete;

    // The device of the first (or only) radio.
    const std::string& device() const { return ports.front(); }
    // Stops the radios and waits for zemsim; returns its exit status.
    int stop() {
        if (out_) {
            ::kill(pid_, SIGTERM);
            status_ = ExitStatus(::pclose(out_));
            out_ = nullptr;
        }
        return status_;
    }

    std::vector<std::string> ports;  // one device path per radio

private:
    FILE* out_;
    int pid_ = 0;
    int status_ = -1;
};

// The zemtool command line with each argument quoted for the shell.
inline std::string ZemtoolCommand(const std::vector<std::string>& args) {
    std::string command = ZemtoolProgram();
    for (const auto& a : args) command += " '" + a + "'";
    return command;
}

// zemtool run in the test's folder.
class ZemtoolTest : public ProgramTest {
protected:
    RunResult Zemtool(const std::vector<std::string>& args) const { return Run(ZemtoolCommand(args)); }
};

}  // namespace zem::test
