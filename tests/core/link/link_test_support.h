#pragma once

#include "link/clone_protocol.h"
#include "link/link_session.h"
#include "link/serial_port.h"
#include "messenger.h"
#include "pty_radio.h"
#include "virtual_radio.h"

#include <atomic>
#include <deque>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace zem::test {

// One ordered record of what an exchange did on its port and through its
// hooks: "purge 0C", "tx 52 00 00 08", "rx 12/12", "sleep 3", "pump",
// "status ...", "close".
using EventLog = std::vector<std::string>;

// Joins the log with "; ", folding runs of one event into "event xN".
std::string Folded(const EventLog& log);

// A port with no time: a read answers at once with what the peer radio has
// sent, or with the next scripted answer; silence costs nothing.
class FakePort : public SerialPort {
public:
    struct Answer {
        std::vector<std::uint8_t> bytes;
        bool ioError = false;
    };

    FakePort(EventLog& log, sim::VirtualRadio* peer = nullptr) : log_(log), peer_(peer) {}

    void purge(PurgeMask mask) override;
    bool write(const std::uint8_t* bytes, std::size_t count) override;
    ReadResult read(std::uint8_t* buffer, std::size_t count) override;
    void close() override;
    std::string lastError() const override { return "scripted failure"; }

    // Scripted answers take the place of the peer for the next reads.
    std::deque<Answer> script;
    int closes = 0;

private:
    EventLog& log_;
    sim::VirtualRadio* peer_;
    std::vector<std::uint8_t> pending_;
};

// Hooks that log sleeps and pumps and never sleep.
LinkHooks LoggingHooks(EventLog& log);

// Records every message and answers Retry the given number of times.
class RecordingMessenger : public Messenger {
public:
    explicit RecordingMessenger(int retries = 0) : retries_(retries) {}
    void notice(const std::string& text) override { notices.push_back(text); }
    bool confirm(const std::string& text) override {
        notices.push_back(text);
        return false;
    }
    bool retry(const std::string& text) override {
        questions.push_back(text);
        return retries_-- > 0;
    }
    std::vector<std::string> notices;
    std::vector<std::string> questions;

private:
    int retries_;
};

// A virtual radio on a real pseudo-terminal, answering on its own thread.
class SimLine {
public:
    explicit SimLine(RadioImage memory, sim::RadioFaults faults = {});
    ~SimLine();

    const std::string& device() const { return line_->device(); }
    // The radio's memory and received bytes; call after stop().
    const sim::VirtualRadio& radio() const { return radio_; }
    void stop();

private:
    sim::VirtualRadio radio_;
    std::unique_ptr<sim::PtyRadio> line_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A session on the line's device that never sleeps.
LinkSession FastSession(const std::string& device);

// An image whose every byte differs from its neighbours: offset * 7 + salt.
RadioImage PatternImage(int salt);

// The byte string of a frame, e.g. Hex({0x52, 0, 0, 8}) == "52 00 00 08".
std::string Hex(const std::vector<std::uint8_t>& bytes);

}  // namespace zem::test
