#include "link/clone_protocol.h"

#include "link/link_messages.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace zem {

namespace {

// A number in hexadecimal as the details write it: "0x" and digits places,
// upper case ("0x3C8" for 0x3C8, 3).
std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

enum class Exchange { Read, Write };

// The outcome of a block whose acknowledgement did not come: what, where and why.
BlockOutcome MissingAck(bool lineFailed, Exchange exchange, std::uint16_t address, Text why) {
    BlockOutcome outcome;
    outcome.result = BlockResult::NoAck;
    outcome.lineFailed = lineFailed;
    outcome.detail = LinkText(exchange == Exchange::Read ? ZEM_TRANSLATE_NOOP("zem::Link", "block read at %1: %2")
                                                         : ZEM_TRANSLATE_NOOP("zem::Link", "block write at %1: %2"),
                              {Hex(address, 3), std::move(why)});
    return outcome;
}

// A reply the program does not take; it is not acknowledged either.
BlockOutcome RefusedReply(Text why) {
    BlockOutcome outcome;
    outcome.result = BlockResult::BadReply;
    outcome.detail = std::move(why);
    return outcome;
}

// Why a whole reply is not the answer to request, "" when it is; stray is
// the count of bytes that came after it. The reply header repeats the
// request's address and length; its first byte is the radio's own and is
// not looked at. Address, length and the bytes after the reply are enough
// to tell a reply for another block, a reply with a byte the cable doubled
// and a line that answers anything with filler.
Text ReplyFault(const std::uint8_t* reply, std::size_t stray, const std::array<std::uint8_t, kRequestSize>& request) {
    const std::string asked = Hex(static_cast<unsigned>(request[1] << 8 | request[2]), 4);
    if (std::all_of(reply, reply + kReadReplySize, [](std::uint8_t b) { return b == kAck; }))
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the reply to block %1 is nothing but 0x06 bytes: something on "
                                                        "the line answers 0x06 to everything, not a radio; check the "
                                                        "programming cable or adapter"),
                        {asked});
    if (stray == 1)
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "one byte too many in the reply to block %1"), {asked});
    if (stray > 1)
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1 bytes too many in the reply to block %2"),
                        {std::to_string(stray), asked});
    if (reply[1] != request[1] || reply[2] != request[2])
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio answered for block %1 when %2 was asked for"),
                        {Hex(static_cast<unsigned>(reply[1] << 8 | reply[2]), 4), asked});
    if (reply[3] != request[3])
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the reply to block %1 gives the length %2 instead of %3"),
                        {asked, Hex(reply[3], 2), Hex(request[3], 2)});
    return {};
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
CloneProtocol::AckRead CloneProtocol::readAck(Text& why) {
    buffer_[0] = kNoReplyByte;
    ReadResult r = port_.read(buffer_.data(), 1);
    if (!r.ok) {
        why = LinkText(kMsgLineFailed, {port_.lastError()});
        return AckRead::LineFailed;
    }
    if (r.count == 0) {
        why = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "no acknowledgement from the radio"));
        return AckRead::Missing;
    }
    if (buffer_[0] != kAck) {
        why = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio answered %1 instead of 0x06"), {Hex(buffer_[0], 2)});
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
        Text why;
        AckRead wakeUp = readAck(why);
        if (wakeUp == AckRead::Missing) {
            // The wake-up's own last byte coming back means the line hands
            // back what the program sends: a cable or adapter with echo.
            if (buffer_[0] == kMagic.back()) echoed = true;
            pause(kMagicRetryPause);
            if (++attempt <= kMagicAttempts) continue;
            handshakeDetail_ =
                echoed ? LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio did not answer the wake-up %1 times (%2); "
                                                                  "the line echoes every byte the program sends back "
                                                                  "to it: check the programming cable or adapter"),
                                  {std::to_string(kMagicAttempts), why})
                       : LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio did not answer the wake-up %1 times (%2)"),
                                  {std::to_string(kMagicAttempts), why});
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
                handshakeDetail_ = {};
                return HandshakeResult::Entered;
            }
            handshakeDetail_ = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio did not confirm programming mode (%1)"),
                                        {why});
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
        Text arrived = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "block at %1: %2 of %3 reply bytes arrived"),
                                {Hex(address, 3), std::to_string(r.count), std::to_string(kReadReplySize)});
        outcome.detail = r.ok ? std::move(arrived)
                              : Text::Joined({std::move(arrived), LinkText(kMsgLineFailed, {port_.lastError()})}, "; ");
        return outcome;
    }
    pause(timing.beforeReadAck);
    // A byte takes about 1 ms on the line, so after this pause whatever
    // waits behind the reply came with it: a byte the cable doubled, which
    // shifts the data after it. The look comes before the purge, which
    // would throw the evidence away, and costs no time on the line.
    if (Text why = ReplyFault(buffer_.data(), port_.bytesWaiting(), request); !why.empty())
        return RefusedReply(std::move(why));
    std::copy_n(buffer_.begin() + kReplyHeaderSize, kBlockSize, destination);
    stepProgress();

    port_.purge(PurgeMask::Clear);
    sendByte(kAck);
    Text why;
    if (AckRead ack = readAck(why); ack != AckRead::Ack)
        return MissingAck(ack == AckRead::LineFailed, Exchange::Read, address, std::move(why));
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

    Text why;
    if (AckRead ack = readAck(why); ack != AckRead::Ack)
        return MissingAck(ack == AckRead::LineFailed, Exchange::Write, address, std::move(why));
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

Text BlockFailureMessage(BlockResult result) {
    switch (result) {
    case BlockResult::ShortReply:
        return LinkText(kMsgShortReply);
    case BlockResult::NoAck:
    case BlockResult::BadReply:
        return LinkText(kMsgProgramInterrupted);
    default:
        return {};
    }
}

}  // namespace zem
