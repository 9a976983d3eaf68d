#pragma once

#include "virtual_radio.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace zem::sim {

struct LineOptions {
    std::string linkPath;  // when set, a symbolic link to the device is made here
    bool paced = false;    // bytes take their line time in both directions
    int baud = 9600;       // 8N1: ten bits per byte
    // One cable, many radios: once no block has been asked for this long
    // after blocks were written (wake-ups do not count), the radio is taken
    // off the line, and as long again later a fresh radio (as the first one
    // was at the start) is put on. Zero: the radio stays.
    std::chrono::milliseconds swapAfter{0};
};

// A virtual radio on a pseudo-terminal: the program opens the device like
// any serial port and talks to the radio behind it.
class PtyRadio {
public:
    // Creates the pseudo-terminal (raw, like a serial line) and its link.
    // Null with error set when that fails.
    static std::unique_ptr<PtyRadio> Create(VirtualRadio& radio, const LineOptions& options, std::string& error);
    ~PtyRadio();

    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // The path to open: the link when one was asked for, else the device.
    const std::string& path() const { return path_; }
    const std::string& device() const { return device_; }

    // Answers the line until stop becomes true or the radio hangs up.
    // memoryChanged runs once the line has been quiet for a moment after
    // blocks were written (the owner saves the memory then), and at the end.
    void run(const std::atomic<bool>& stop, const std::function<void(const RadioImage&)>& memoryChanged = {});

    bool hungUp() const { return master_ < 0; }
    // How many radios were taken off the line so far (swapAfter).
    int radiosSwapped() const { return swapped_.load(); }

private:
    PtyRadio(VirtualRadio& radio, const LineOptions& options) : radio_(radio), options_(options) {}
    void send(const std::vector<std::uint8_t>& bytes, std::chrono::steady_clock::time_point notBefore);
    void hangUp();

    VirtualRadio& radio_;
    LineOptions options_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the master does not report a hang-up between the program's sessions
    std::string device_;
    std::string path_;
    std::chrono::steady_clock::duration byteTime_{};
    std::chrono::steady_clock::time_point txFree_{};  // when the radio's transmitter is free again
    std::chrono::steady_clock::time_point rxDone_{};  // when the last received byte finished arriving
    std::atomic<int> swapped_{0};
};

}  // namespace zem::sim
