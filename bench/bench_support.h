#pragma once
// What the benchmarks share: a virtual radio answering on its own
// pseudo-terminal, the fastest a transfer can be at 9600 baud, a messenger
// that counts what a run says, and timing.

#include "document/radio_image.h"
#include "link/transfer.h"
#include "messenger.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace zem::bench {

constexpr int kBaud = 9600;

// A virtual radio on a pseudo-terminal, answering on its own thread until
// destroyed; paced, its bytes take their line time at kBaud. Ends the bench
// when no pseudo-terminal can be made.
class SimRadio {
public:
    explicit SimRadio(const RadioImage& memory = NewDocumentImage(), bool paced = true);
    ~SimRadio();
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    const std::string& device() const { return line_->device(); }

private:
    sim::VirtualRadio radio_;
    std::unique_ptr<sim::PtyRadio> line_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// count paced radios with the new document's memory, and their devices.
struct SimRadios {
    explicit SimRadios(int count);
    std::vector<std::unique_ptr<SimRadio>> radios;
    std::vector<std::string> devices;
};

// The fastest the handshake can be: the line time of its bytes (when
// paced) and the pauses it prescribes, with the pause before the first block.
double HandshakeFloorMs(bool paced);
// The fastest a full read or write can be at kBaud: the handshake's floor
// plus every block's bytes and the pauses its timing set prescribes.
double TransferFloorMs(TransferDirection direction);

// Counts what a run says and prints it on stderr; a bench run should say
// nothing. Every question is answered no.
class CountingMessenger : public Messenger {
public:
    int said = 0;
    void notice(const std::string& text) override { report(text); }
    bool confirm(const std::string& text) override { return report(text); }
    bool retry(const std::string& text) override { return report(text); }

private:
    bool report(const std::string& text);
};

// The wall time of step, in milliseconds.
double MsOf(const std::function<void()>& step);
// The shortest of runs results of measure.
double BestOf(int runs, const std::function<double()>& measure);
// The number of runs the first argument asks for, at least 1; fallback
// without one.
int RunsFromArguments(int argc, char** argv, int fallback);

}  // namespace zem::bench
