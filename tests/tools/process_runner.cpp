#include "process_runner.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zem::test {

namespace {

std::vector<char*> Argv(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Reads both pipes to their end without letting either fill up.
void Drain(int outFd, int errFd, std::string& out, std::string& err) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) continue;
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? out : err).append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

std::string BuiltProgram(const std::string& relative) {
    if (const char* dir = std::getenv("ZEM_BUILD_DIR")) return std::string(dir) + "/" + relative;
    // Without the variable: this test lives in <build>/tests/tools.
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    auto build = ec ? std::filesystem::path("../..") : self.parent_path().parent_path().parent_path();
    return (build / relative).string();
}

RunResult Run(const std::vector<std::string>& args) {
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) throw std::runtime_error("pipe");
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        auto argv = Argv(args);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    RunResult result;
    Drain(out[0], err[0], result.out, result.err);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

ZemsimProcess::ZemsimProcess(const std::vector<std::string>& options) {
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    std::vector<std::string> args = {BuiltProgram("tools/zemsim/zemsim")};
    args.insert(args.end(), options.begin(), options.end());
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        auto argv = Argv(args);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    // The radio prints its device path first; that line means it is ready.
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
    ::close(out[0]);
    if (device_.empty()) throw std::runtime_error("zemsim did not start");
}

int ZemsimProcess::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
    }
    return status_;
}

std::string TempDir() {
    char pattern[] = "/tmp/zemtool-link-XXXXXX";
    const char* dir = ::mkdtemp(pattern);
    if (!dir) throw std::runtime_error("mkdtemp");
    return dir;
}

}  // namespace zem::test
