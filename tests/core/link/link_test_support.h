#pragma once

#include "link/link_messages.h"
#include "link/link_session.h"
#include "pty_radio.h"
#include "support/radio_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zem::test {

// The byte string of a frame, e.g. Hex({0x52, 0, 0, 8}) == "52 00 00 08".
inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
    const char* digits = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) text += (text.empty() ? "" : " ") + std::string{digits[b >> 4], digits[b & 15]};
    return text;
}

// One ordered record of what an exchange did on its port and through its
// hooks: "purge 0C", "tx 52 00 00 08", "rx 12/12", "waiting 0", "sleep 3",
// "pump", "status ...", "close".
using EventLog = std::vector<std::string>;

// Joins the log with "; ", folding runs of one event into "event xN".
inline std::string Folded(const EventLog& log) {
    std::string text;
    for (std::size_t i = 0, run = 1; i < log.size(); i += run, run = 1) {
        while (i + run < log.size() && log[i + run] == log[i]) ++run;
        text += (text.empty() ? "" : "; ") + log[i] + (run > 1 ? " x" + std::to_string(run) : "");
    }
    return text;
}

// A port with no time: a read answers at once with the next scripted answer,
// or else with what the peer radio has sent; silence costs nothing.
class FakePort : public SerialPort {
public:
    struct Answer {
        std::vector<std::uint8_t> bytes;
        bool ioError = false;
    };
    explicit FakePort(EventLog& log, sim::VirtualRadio* peer = nullptr) : log_(log), peer_(peer) {}

    void purge(PurgeMask mask) override {
        log_.push_back(mask == PurgeMask::Clear ? "purge 0C" : "purge 0F");
        pending_.clear();
    }
    bool write(const std::uint8_t* bytes, std::size_t count) override {
        log_.push_back("tx " + Hex({bytes, bytes + count}));
        for (std::size_t i = 0; peer_ && i < count; ++i) {
            auto reply = peer_->receive(bytes[i]);
            pending_.insert(pending_.end(), reply.bytes.begin(), reply.bytes.end());
        }
        return true;
    }
    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        Answer answer;
        if (!script.empty()) {
            answer = script.front();
            script.pop_front();
        } else {
            answer.bytes.swap(pending_);
        }
        // What the read does not take waits on the line.
        if (answer.bytes.size() > count) pending_.assign(answer.bytes.begin() + count, answer.bytes.end());
        ReadResult result{!answer.ioError, std::min(count, answer.bytes.size())};
        std::copy_n(answer.bytes.begin(), result.count, buffer);
        log_.push_back("rx " + std::to_string(result.count) + "/" + std::to_string(count) +
                       (result.ok ? "" : " error"));
        return result;
    }
    std::size_t bytesWaiting() override {
        log_.push_back("waiting " + std::to_string(pending_.size()));
        return pending_.size();
    }
    void close() override { log_.push_back("close"); }
    Text lastError() const override { return std::string("scripted failure"); }

    // Scripted answers take the place of the peer for the next reads.
    std::deque<Answer> script;

private:
    EventLog& log_;
    sim::VirtualRadio* peer_;
    std::vector<std::uint8_t> pending_;
};

// Hooks that log sleeps, pumps and status texts and never sleep.
inline LinkHooks LoggingHooks(EventLog& log) {
    LinkHooks hooks;
    hooks.sleep = [&log](std::chrono::milliseconds d) { log.push_back("sleep " + std::to_string(d.count())); };
    hooks.pump = [&log] { log.push_back("pump"); };
    hooks.status = [&log](const std::string& text) { log.push_back("status " + text); };
    return hooks;
}

// A virtual radio on a real pseudo-terminal, answering on its own thread.
class SimLine {
public:
    explicit SimLine(RadioImage memory, sim::RadioFaults faults = {}, const sim::LineOptions& options = {})
        : radio_(memory, faults) {
        radio_.recordReceived(true);
        std::string error;
        line_ = sim::PtyRadio::Create(radio_, options, error);
        if (!line_) throw std::runtime_error(error);
        thread_ = std::thread([this] { line_->run(stop_); });
    }
    ~SimLine() { stop(); }

    const std::string& device() const { return line_->device(); }
    int radiosSwapped() const { return line_->radiosSwapped(); }
    // The radio's memory and received bytes; call after stop().
    const sim::VirtualRadio& radio() const { return radio_; }
    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

private:
    sim::VirtualRadio radio_;
    std::unique_ptr<sim::PtyRadio> line_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A session on the device that never sleeps.
inline LinkSession FastSession(const std::string& device) {
    LinkSession session;
    session.port = device;
    session.hooks.sleep = [](std::chrono::milliseconds) {};
    return session;
}

using Faults = sim::RadioFaults;

// A radio that misbehaves at the block at address.
inline Faults FaultAt(std::optional<std::uint16_t> Faults::*fault, std::uint16_t address,
                      std::size_t shortReplyLength = 9) {
    Faults faults;
    faults.*fault = address;
    faults.shortReplyLength = shortReplyLength;
    return faults;
}

// Where a frame first starts in what a radio received (npos when never).
inline std::size_t FindFrame(const std::vector<std::uint8_t>& received, const std::vector<std::uint8_t>& frame) {
    auto it = std::search(received.begin(), received.end(), frame.begin(), frame.end());
    return it == received.end() ? std::string::npos : static_cast<std::size_t>(it - received.begin());
}

// The port was closed: it can be opened again at once.
inline void ExpectPortReleased(const std::string& device) {
    OpenResult again = OpenSerialPort(device, CloneTimeouts);
    EXPECT_TRUE(again.port) << device << ": " << again.detail.english();
}

}  // namespace zem::test
