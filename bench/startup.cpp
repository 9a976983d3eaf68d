// How fast the desktop program comes up: runs zemprog --quit-after-show on
// Qt's offscreen platform N times and prints the time from exec to the main
// window shown (median, best, worst) and the peak memory of the process.
//
//   startup_bench [runs] [path to zemprog]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef ZEMPROG_PATH
#define ZEMPROG_PATH "zemprog"
#endif

namespace {

struct Run {
    double shownMs = 0;   // exec to the "shown" line, measured here
    double reportedMs = 0;  // main() to shown, as the program reports it
    long maxRssKb = 0;
    bool ok = false;
};

Run RunOnce(const std::string& program) {
    Run run;
    int out[2];
    if (pipe(out) != 0) return run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return run;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.c_str(), program.c_str(), "--quit-after-show", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    run.shownMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.maxRssKb = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && line.rfind("shown ", 0) == 0;
    if (run.ok) run.reportedMs = std::atof(line.c_str() + 6);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string program = argc > 2 ? argv[2] : ZEMPROG_PATH;
    // The recent-file list of a scratch settings directory, not the user's.
    char settings[] = "/tmp/zem-startup-XXXXXX";
    if (mkdtemp(settings)) setenv("XDG_CONFIG_HOME", settings, 1);

    RunOnce(program);  // warm the file cache
    std::vector<double> shown, reported, rssMb;
    for (int i = 0; i < runs; ++i) {
        const Run run = RunOnce(program);
        if (!run.ok) {
            std::fprintf(stderr, "run %d of %s failed\n", i + 1, program.c_str());
            return 1;
        }
        shown.push_back(run.shownMs);
        reported.push_back(run.reportedMs);
        rssMb.push_back(run.maxRssKb / 1024.0);
    }
    std::printf("zemprog start-up, offscreen, %d runs\n", runs);
    std::printf("  exec to window shown: median %.1f ms, best %.1f ms, worst %.1f ms (target < 150 ms)\n",
                Median(shown), *std::min_element(shown.begin(), shown.end()),
                *std::max_element(shown.begin(), shown.end()));
    std::printf("  main() to window shown, as reported: median %.1f ms\n", Median(reported));
    std::printf("  peak memory (max RSS): median %.1f MB, worst %.1f MB (target < 60 MB)\n", Median(rssMb),
                *std::max_element(rssMb.begin(), rssMb.end()));
    rmdir(settings);
    return 0;
}
