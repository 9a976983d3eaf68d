#include "link/clone_protocol.h"

#include "link/link_messages.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace zem {

namespace {

// The outcome of a block whose acknowledgement did not come: what, where and why.
BlockOutcome MissingAck(bool lineFailed, const char* exchange, std::uint16_t address, const std::string& why) {
    BlockOutcome outcome;
    outcome.result = BlockResult::NoAck;
    outcome.lineFailed = lineFailed;
    char text[48];
    std::snprintf(text, sizeof text, "block %s at 0x%03X: ", exchange, address);
    outcome.detail = text + why;
    return outcome;
}

}  // namespace

CloneProtocol::CloneProtocol(SerialPort& port, LinkHooks hooks) : port_(port), hooks_(std::move(hooks)) {
    buffer_.fill(kNoReplyByte);
}

void CloneProtocol::pause(std::chrono::milliseconds duration) {
    if (duration <= std::chrono::milliseconds::zero()) return;
    if (hooks_.sleep) {
        hooks_.sleep(duration);
        return;
    }
    // A sleep of the system oversleeps by a fraction of a millisecond; over
    // the hundreds of short pauses of a transfer that would add up, so each
    // pause gives back what the one before overslept.
    using Clock = std::chrono::steady_clock;
    auto wanted = std::chrono::duration_cast<Clock::duration>(duration) - overslept_;
    if (wanted <= Clock::duration::zero()) {
        overslept_ = -wanted;
        return;
    }
    auto start = Clock::now();
    std::this_thread::sleep_for(wanted);
    overslept_ = std::min<Clock::duration>(Clock::now() - start - wanted, std::chrono::milliseconds(2));
}

void CloneProtocol::status(const std::string& text) {
    if (hooks_.status) hooks_.status(text);
}

void CloneProtocol::stepProgress() {
    ++blocksDone_;
    if (hooks_.progress) hooks_.progress(blocksDone_, progressTotal_);
}

// count times: one pump, then (when asked) a look at the user's cancel, then
// (when asked) a 1 ms pause. False once the user cancelled.
bool CloneProtocol::pumpAndPoll(int count, bool pauseEach, bool pollCancel) {
    for (int i = 0; i < count; ++i) {
        if (hooks_.pump) hooks_.pump();
        if (pollCancel && hooks_.cancelled && hooks_.cancelled()) return false;
        if (pauseEach) pause(kStepPause);
    }
    return true;
}

void CloneProtocol::send(const std::uint8_t* bytes, std::size_t count) {
    // A failed write shows itself in the reply that does not come.
    port_.write(bytes, count);
}

void CloneProtocol::sendByte(std::uint8_t byte) { send(&byte, 1); }

// Reads one byte and tells whether it is the radio's acknowledgement. The
// buffer's first byte is preset, so a read that times out is a missing
// acknowledgement and never the leftover of an earlier reply.
CloneProtocol::AckRead CloneProtocol::readAck(std::string& why) {
    buffer_[0] = kNoReplyByte;
    ReadResult r = port_.read(buffer_.data(), 1);
    if (!r.ok) {
        why = "the line failed: " + port_.lastError();
        return AckRead::LineFailed;
    }
    if (r.count == 0) {
        why = "no acknowledgement from the radio";
        return AckRead::Missing;
    }
    if (buffer_[0] != kAck) {
        char text[64];
        std::snprintf(text, sizeof text, "the radio answered 0x%02X instead of 0x06", buffer_[0]);
        why = text;
        return AckRead::Missing;
    }
    return AckRead::Ack;
}

HandshakeResult CloneProtocol::EnterProgrammingMode() {
    int attempt = 1;
    bool echoed = false;
    for (;;) {
        port_.purge(PurgeMask::Clear);
        status(kMsgWaitingForRadio);
        if (!pumpAndPoll(kPumpsBeforeMagic, true, true)) return HandshakeResult::Abandoned;
        port_.purge(PurgeMask::AbortAndClear);
        for (std::uint8_t byte : kMagic) {
            pause(kStepPause);
            port_.purge(PurgeMask::Clear);
            sendByte(byte);
        }
        std::string why;
        AckRead wakeUp = readAck(why);
        if (wakeUp == AckRead::Missing) {
            // The wake-up's own last byte coming back means the line hands
            // back what the program sends: a cable or adapter with echo.
            if (buffer_[0] == kMagic.back()) echoed = true;
            pause(kMagicRetryPause);
            if (++attempt <= kMagicAttempts) continue;
            handshakeDetail_ = "the radio did not answer the wake-up " + std::to_string(kMagicAttempts) +
                               " times (" + why + ")";
            if (echoed)
                handshakeDetail_ += "; the line echoes every byte the program sends back to it: "
                                    "check the programming cable or adapter";
        } else if (wakeUp == AckRead::LineFailed) {
            // A dead line will not come back by sending the wake-up again.
            handshakeDetail_ = why;
        } else {
            pause(kStepPause);
            port_.purge(PurgeMask::Clear);
            sendByte(kIdentifyRequest);
            port_.read(buffer_.data(), kIdentificationSize);  // identification: not examined
            if (!pumpAndPoll(kPumpsBeforeFinalAck, true, true)) return HandshakeResult::Abandoned;
            port_.purge(PurgeMask::Clear);
            sendByte(kAck);
            AckRead confirmation = readAck(why);
            if (confirmation == AckRead::Ack) {
                handshakeDetail_.clear();
                return HandshakeResult::Entered;
            }
            handshakeDetail_ = "the radio did not confirm programming mode (" + why + ")";
            if (confirmation == AckRead::Missing && !pumpAndPoll(kPumpsAfterMissingFinalAck, true, true))
                return HandshakeResult::Abandoned;
        }
        if (!hooks_.retryHandshake || !hooks_.retryHandshake(handshakeDetail_)) return HandshakeResult::Abandoned;
        attempt = 1;
        echoed = false;
    }
}

BlockOutcome CloneProtocol::ReadBlock(std::uint16_t address, const TimingSet& timing, std::uint8_t* destination) {
    BlockOutcome outcome;
    auto request = BlockFrame(kReadCommand, address);
    port_.purge(PurgeMask::Clear);
    send(request.data(), request.size());

    ReadResult r = port_.read(buffer_.data(), kReadReplySize);
    if (!r.ok || r.count < kReadReplySize) {
        // Only a whole reply is data: a short one would leave bytes of the
        // previous reply in the buffer.
        outcome.result = BlockResult::ShortReply;
        outcome.lineFailed = !r.ok;
        char text[96];
        std::snprintf(text, sizeof text, "block at 0x%03X: %zu of %zu reply bytes arrived", address, r.count,
                      kReadReplySize);
        outcome.detail = text;
        if (!r.ok) outcome.detail += "; the line failed: " + port_.lastError();
        return outcome;
    }
    std::copy_n(buffer_.begin() + kReplyHeaderSize, kBlockSize, destination);
    stepProgress();

    pause(timing.beforeReadAck);
    port_.purge(PurgeMask::Clear);
    sendByte(kAck);
    std::string why;
    if (AckRead ack = readAck(why); ack != AckRead::Ack)
        return MissingAck(ack == AckRead::LineFailed, "read", address, why);
    if (!pumpAndPoll(timing.pumpsAfterBlock, false, timing.pollsCancel)) {
        outcome.result = BlockResult::Cancelled;
        return outcome;
    }
    pause(timing.pauseAfterPumps);
    return outcome;
}

BlockOutcome CloneProtocol::WriteBlock(std::uint16_t address, const TimingSet& timing,
                                       const std::uint8_t* source) {
    BlockOutcome outcome;
    auto header = BlockFrame(kWriteCommand, address);
    port_.purge(PurgeMask::Clear);
    send(header.data(), header.size());
    pause(timing.headerToData);
    port_.purge(PurgeMask::Clear);
    send(source, kBlockSize);

    std::string why;
    if (AckRead ack = readAck(why); ack != AckRead::Ack)
        return MissingAck(ack == AckRead::LineFailed, "write", address, why);
    buffer_[0] = kAfterWriteAckByte;
    stepProgress();
    for (int i = 0; i < timing.pumpsAfterBlock; ++i) {
        if (timing.pollsCancel && hooks_.cancelled && hooks_.cancelled()) {
            outcome.result = BlockResult::Cancelled;
            return outcome;
        }
        if (hooks_.pump) hooks_.pump();
    }
    pause(timing.pauseAfterPumps);
    return outcome;
}

std::string BlockFailureMessage(BlockResult result) {
    switch (result) {
    case BlockResult::ShortReply:
        return kMsgShortReply;
    case BlockResult::NoAck:
        return kMsgProgramInterrupted;
    default:
        return {};
    }
}

}  // namespace zem
