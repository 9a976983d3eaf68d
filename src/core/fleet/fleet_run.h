#pragma once

#include "fleet/radio_job.h"
#include "link/link_session.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zem {

struct FleetOptions {
    RadioJobOptions job;
    // One cable, many radios: after a radio, the port waits until it is
    // taken off, then for the next one, trying the wake-up quietly with a
    // pause between tries; it ends on cancel() or once count radios (all
    // ports together, done or failed) were programmed.
    bool repeat = false;
    int count = 0;  // 0: no limit
    std::chrono::milliseconds pauseBetweenTries{500};
    // When set, each port's bytes are logged to "<folder>/<port>.log".
    std::string traceFolder;
    // Opens a port; empty: the machine's serial port with the clone time-outs.
    PortOpener opener;
};

// One port's live state, for a progress display.
struct PortStatus {
    std::string port;
    RadioState state = RadioState::Waiting;
    int percent = 0;      // of the current radio's job
    int done = 0;         // radios done on this port
    int failed = 0;       // radios failed on this port
    Text message;         // of the last failure
    Text detail;
    std::string backupPath;  // of the current or last radio
    RadioJobResult last;     // the last radio finished on this port
    std::chrono::system_clock::time_point started{};  // of the current or last radio
    // Of the current or last radio; while waiting for a radio, of the wait.
    std::chrono::steady_clock::duration elapsed{};
    bool ended = false;   // the port's thread has finished and released the port
};

// One radio that was programmed, or tried: a row of the report.
struct RadioResult {
    std::size_t portIndex = 0;
    std::string port;
    // The port's place in the run for one radio per port; with one cable for
    // many radios, the radio's place in the order they were put on (0 for a
    // port where no radio was tried).
    int sequence = 0;
    RadioJobResult job;
    std::chrono::system_clock::time_point started{};
    std::chrono::steady_clock::duration duration{};
};

// The same plan into many radios at once: one thread per port, each with
// its own serial port and protocol. They share only the read-only plan and
// the list of finished radios; a failure of one radio never stops, slows or
// changes the others, and no lock is held while a thread waits on its line.
class FleetRun {
public:
    FleetRun(const RadioImage& plan, std::vector<std::string> ports, FleetOptions options);
    // Each port its own image, such as each radio its own backup.
    FleetRun(std::vector<RadioImage> plans, std::vector<std::string> ports, FleetOptions options);
    ~FleetRun();  // cancels and waits for every port

    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    void start();
    // Every radio stops at its next block (or wait) and every port is released.
    void cancel();
    bool cancelled() const { return cancel_.load(); }
    // Waits until every port has ended.
    void wait();
    bool finished() const { return portsLeft_.load() == 0; }

    // A copy of every port's state, in the order the ports were given.
    std::vector<PortStatus> snapshot() const;
    // The radios finished so far: one per port in the order the ports were
    // given, or in repeat mode in the order they finished.
    std::vector<RadioResult> results() const;
    // True when at least one radio was programmed and every one is done.
    bool allDone() const;

private:
    struct Slot {
        mutable std::mutex mutex;  // held only to copy or change status
        PortStatus status;
        std::chrono::steady_clock::time_point steadyStart{};  // of the current radio
    };
    void runPort(std::size_t index);
    std::unique_ptr<SerialPort> openPort(std::size_t index, RadioJobResult& failure);
    bool claimRadio();
    bool countReached() const;
    void pauseBetweenTries() const;
    bool waitFor(std::size_t index, std::unique_ptr<SerialPort>& port, bool present);
    RadioResult programOne(std::size_t index, SerialPort& port, int nth);
    void finish(RadioResult result);
    template <typename Change>
    void update(std::size_t index, Change change);

    const std::vector<RadioImage> plans_;  // one for all ports, or one per port
    const std::vector<std::string> ports_;
    const FleetOptions options_;
    std::vector<std::size_t> firstOfSame_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::vector<std::thread> threads_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> portsLeft_;
    std::atomic<int> claimed_{0};
    std::atomic<int> attached_{0};  // radios put on, for their sequence numbers
    std::vector<std::string> tracePaths_;  // each used only by its port's thread
    mutable std::mutex resultsMutex_;  // held only to add or copy a result
    std::vector<RadioResult> results_;
};

}  // namespace zem
