#include "link_test_support.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zem::test {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char item[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(item, sizeof item, "%02X", b);
        if (!text.empty()) text += ' ';
        text += item;
    }
    return text;
}

std::string Folded(const EventLog& log) {
    std::string text;
    for (std::size_t i = 0; i < log.size();) {
        std::size_t run = 1;
        while (i + run < log.size() && log[i + run] == log[i]) ++run;
        if (!text.empty()) text += "; ";
        text += log[i];
        if (run > 1) text += " x" + std::to_string(run);
        i += run;
    }
    return text;
}

void FakePort::purge(PurgeMask mask) {
    log_.push_back(mask == PurgeMask::Clear ? "purge 0C" : "purge 0F");
    pending_.clear();
}

bool FakePort::write(const std::uint8_t* bytes, std::size_t count) {
    std::vector<std::uint8_t> sent(bytes, bytes + count);
    log_.push_back("tx " + Hex(sent));
    if (peer_)
        for (std::uint8_t b : sent) {
            auto reply = peer_->receive(b);
            pending_.insert(pending_.end(), reply.bytes.begin(), reply.bytes.end());
        }
    return true;
}

ReadResult FakePort::read(std::uint8_t* buffer, std::size_t count) {
    ReadResult result;
    if (!script.empty()) {
        Answer answer = script.front();
        script.pop_front();
        result.ok = !answer.ioError;
        result.count = std::min(count, answer.bytes.size());
        std::copy_n(answer.bytes.begin(), result.count, buffer);
    } else {
        result.count = std::min(count, pending_.size());
        std::copy_n(pending_.begin(), result.count, buffer);
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(result.count));
    }
    log_.push_back("rx " + std::to_string(result.count) + "/" + std::to_string(count) + (result.ok ? "" : " error"));
    return result;
}

void FakePort::close() {
    ++closes;
    log_.push_back("close");
}

LinkHooks LoggingHooks(EventLog& log) {
    LinkHooks hooks;
    hooks.sleep = [&log](std::chrono::milliseconds d) { log.push_back("sleep " + std::to_string(d.count())); };
    hooks.pump = [&log] { log.push_back("pump"); };
    hooks.status = [&log](const std::string& text) { log.push_back("status " + text); };
    return hooks;
}

SimLine::SimLine(RadioImage memory, sim::RadioFaults faults) : radio_(memory, faults) {
    radio_.recordReceived(true);
    std::string error;
    line_ = sim::PtyRadio::Create(radio_, {}, error);
    if (!line_) throw std::runtime_error(error);
    thread_ = std::thread([this] { line_->run(stop_); });
}

SimLine::~SimLine() { stop(); }

void SimLine::stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

LinkSession FastSession(const std::string& device) {
    LinkSession session;
    session.port = device;
    session.hooks.sleep = [](std::chrono::milliseconds) {};
    return session;
}

RadioImage PatternImage(int salt) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + salt);
    return image;
}

}  // namespace zem::test
