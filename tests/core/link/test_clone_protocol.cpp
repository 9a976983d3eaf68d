// The handshake and the block exchanges over a port without time, so that
// the exact order of frames, pauses and pumps can be checked.
#include "link_test_support.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <gtest/gtest.h>

namespace zem::test {
namespace {

// "event; event; ..." n times.
std::string Repeat(const std::string& event, int n) {
    std::string out = event;
    for (int i = 1; i < n; ++i) out += "; " + event;
    return out;
}

class CloneProtocolTest : public ::testing::Test {
protected:
    EventLog log;
    std::vector<std::string> asked;  // the details of each retry question
    int retries = 0;                 // questions answered Retry before the first Cancel
    std::string detail;              // of the last handshake
    HandshakeResult Enter(FakePort& port) {
        LinkHooks hooks = LoggingHooks(log);
        hooks.retryHandshake = [this](const Text& d) { return asked.push_back(d.english()), retries-- > 0; };
        CloneProtocol protocol(port, hooks);
        HandshakeResult result = protocol.EnterProgrammingMode();
        detail = protocol.handshakeDetail().english();
        return result;
    }
    // The reply to the read of block 0x10: the radio's own first byte (not
    // looked at), the address and length, then the data 40 .. 47; cut to length.
    static std::vector<std::uint8_t> Reply(std::size_t length = 12) {
        std::vector<std::uint8_t> bytes = {0xA0, 0x00, 0x10, 0x08, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47};
        bytes.resize(length);
        return bytes;
    }
    // The reply with byte index changed to value, or with value inserted there.
    static std::vector<std::uint8_t> Reply(std::size_t index, std::uint8_t value, bool insert = false) {
        std::vector<std::uint8_t> bytes = Reply();
        if (insert) bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(index), value);
        else bytes[index] = value;
        return bytes;
    }
};

TEST_F(CloneProtocolTest, AnsweringRadioGetsTheWakeUpIdentifyAndFinalAckWithTheirPausesAndPumps) {
    sim::VirtualRadio radio(RadioImage{});
    FakePort port(log, &radio);
    ASSERT_EQ(Enter(port), HandshakeResult::Entered);

    std::string expected = "purge 0C; status " + std::string(kMsgWaitingForRadio) + "; " +
                           Repeat("pump; sleep 1", 12) + "; purge 0F; ";
    for (const char* byte : {"77", "56", "4B", "44", "54", "4E", "45"})
        expected += std::string("sleep 1; purge 0C; tx ") + byte + "; ";
    expected += "rx 1/1; sleep 1; purge 0C; tx 02; rx 8/8; " + Repeat("pump; sleep 1", 13) +
                "; purge 0C; tx 06; rx 1/1";
    EXPECT_EQ(Folded(log), expected);
    EXPECT_TRUE(asked.empty());
}

// A dead line and a line that echoes the wake-up are named in the question's details.
TEST_F(CloneProtocolTest, WakeUpIsRepeatedFifteenTimesBeforeTheRetryQuestionButNotOnADeadOrEchoingLine) {
    struct Case {
        int ignoredWakeUps;  // 99: a radio that never answers
        bool retry;          // the answer to the first question; the second is Cancel
        bool deadLine;       // the first read fails: the user is asked at once
        bool echo;
        HandshakeResult result;
        int wakeUps;
        int pauses;  // after an unanswered wake-up
        std::size_t questions;
        const char* detail;
    };
    for (const Case& c : {Case{14, false, false, false, HandshakeResult::Entered, 15, 14, 0, ""},
                          Case{15, true, false, false, HandshakeResult::Entered, 16, 15, 1, ""},
                          Case{99, true, false, false, HandshakeResult::Abandoned, 30, 30, 2, ""},
                          Case{0, false, true, false, HandshakeResult::Abandoned, 1, 0, 1, "line failed"},
                          Case{0, false, false, true, HandshakeResult::Abandoned, 15, 15, 1, "echoes every byte"}}) {
        SCOPED_TRACE(std::to_string(c.ignoredWakeUps) + " " + c.detail);
        log.clear();
        asked.clear();
        retries = c.retry ? 1 : 0;
        sim::RadioFaults faults;
        faults.ignoreWakeUps = c.ignoredWakeUps;
        faults.echo = c.echo;
        sim::VirtualRadio radio(RadioImage{}, faults);
        FakePort port(log, &radio);
        if (c.deadLine) port.script = {{{}, /*ioError=*/true}};

        EXPECT_EQ(Enter(port), c.result);
        EXPECT_EQ(std::count(log.begin(), log.end(), "tx 77"), c.wakeUps);
        EXPECT_EQ(std::count(log.begin(), log.end(), "sleep 2"), c.pauses);
        ASSERT_EQ(asked.size(), c.questions);
        EXPECT_EQ(detail.find("line failed") != std::string::npos, c.deadLine) << detail;
        if (*c.detail) { EXPECT_NE(asked[0].find(c.detail), std::string::npos) << asked[0]; }
    }
}

TEST_F(CloneProtocolTest, UnconfirmedFinalAckWaits601PumpsBeforeAsking) {
    sim::RadioFaults faults;
    faults.noFinalAck = true;
    sim::VirtualRadio radio(RadioImage{}, faults);
    FakePort port(log, &radio);
    EXPECT_EQ(Enter(port), HandshakeResult::Abandoned);

    auto finalAck = std::find(log.begin(), log.end(), "tx 06");
    ASSERT_NE(finalAck, log.end());
    EXPECT_EQ(Folded(EventLog(finalAck + 1, log.end())), "rx 0/1; " + Repeat("pump; sleep 1", 601));
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(CloneProtocolTest, IdentificationIsNotExaminedButNeverPassesForTheConfirmation) {
    using Bytes = std::vector<std::uint8_t>;
    using Case = std::tuple<Bytes, Bytes, HandshakeResult>;  // the identification, the confirmation, the result
    for (const auto& [identification, confirmation, result] :
         {Case{{}, {kAck}, HandshakeResult::Entered},         // absent
          Case{{1, 2, 3}, {kAck}, HandshakeResult::Entered},  // short
          Case{{kAck, 1, 2, 3, 4, 5, 6, 7}, {}, HandshakeResult::Abandoned}}) {
        FakePort port(log);
        port.script = {{{kAck}}, {identification}, {confirmation}};
        EXPECT_EQ(Enter(port), result) << identification.size();
    }
}

// The block exchanges take the radio to be in programming mode already. Each
// timing set paces its blocks: a read's pause before its acknowledgement or a
// write's between header and data, the pumps after a block, one pause after them.
// A read looks for bytes behind its reply after its pause and before the purge.
TEST_F(CloneProtocolTest, BlockReadAndWriteArePacedByTheirTimingSet) {
    const std::tuple<const TimingSet*, bool, const char*> sets[] = {
        {&kFullReadTiming, false, "sleep 3; waiting 0; purge 0C; tx 06; rx 1/1; pump x49; sleep 4"},
        {&kPowerReadTiming, false, "sleep 15; waiting 0; purge 0C; tx 06; rx 1/1; pump x99; sleep 20"},
        {&kFullWriteTiming, true, "sleep 1; purge 0C; tx 40 41 42 43 44 45 46 47; rx 1/1; pump x51; sleep 1"},
        {&kPowerWriteTiming, true, "sleep 1; purge 0C; tx 40 41 42 43 44 45 46 47; rx 1/1; pump x201; sleep 2"},
    };
    std::uint8_t block[8] = {};
    for (const auto& [timing, write, events] : sets) {
        log.clear();
        FakePort port(log);
        port.script = {{write ? std::vector<std::uint8_t>{kAck} : Reply()}, {{kAck}}};
        CloneProtocol protocol(port, LoggingHooks(log));
        EXPECT_EQ((write ? protocol.WriteBlock(0x3C8, *timing, block) : protocol.ReadBlock(0x10, *timing, block)).result,
                  BlockResult::Ok);
        EXPECT_EQ(Folded(log), (write ? "purge 0C; tx 57 03 C8 08; " : "purge 0C; tx 52 00 10 08; rx 12/12; ") +
                                   std::string(events));
    }
    EXPECT_EQ(Hex({block, block + 8}), "40 41 42 43 44 45 46 47");  // a read reply's last eight bytes
}

// A reply is taken only whole, for the block asked for and with nothing
// behind it; one that is not taken is not acknowledged either.
TEST_F(CloneProtocolTest, ShortForeignOrOverlongReplyOrMissingAcknowledgementEndsTheBlock) {
    struct Case {
        std::vector<FakePort::Answer> answers;
        bool write;
        BlockResult result;
        bool lineFailed;
        const char* detail = "";
    };
    const Case cases[] = {
        {{{Reply(0)}}, false, BlockResult::ShortReply, false},
        {{{Reply(9)}}, false, BlockResult::ShortReply, false},
        {{{Reply(11)}}, false, BlockResult::ShortReply, false},
        {{{Reply(10), true}}, false, BlockResult::ShortReply, true},
        {{{Reply(2, 0x18)}}, false, BlockResult::BadReply, false,
         "the radio answered for block 0x0018 when 0x0010 was asked for"},
        {{{Reply(3, 0x10)}}, false, BlockResult::BadReply, false,
         "the reply to block 0x0010 gives the length 0x10 instead of 0x08"},
        {{{Reply(6, 0x42, true)}}, false, BlockResult::BadReply, false,
         "one byte too many in the reply to block 0x0010"},
        {{{Reply(0, 0xA0, true)}}, false, BlockResult::BadReply, false, "one byte too many"},  // doubled in the head
        {{{std::vector<std::uint8_t>(14, 0x06)}}, false, BlockResult::BadReply, false, "is nothing but 0x06"},
        {{{Reply(0, 0x57)}, {{kAck}}}, false, BlockResult::Ok, false},  // the first byte is the radio's own
        {{{Reply()}, {{}}}, false, BlockResult::NoAck, false},
        {{{Reply()}, {{}, true}}, false, BlockResult::NoAck, true},
        {{{{0x15}}}, true, BlockResult::NoAck, false},
        {{{{}, true}}, true, BlockResult::NoAck, true},
    };
    for (const Case& c : cases) {
        log.clear();
        FakePort port(log);
        port.script.assign(c.answers.begin(), c.answers.end());
        CloneProtocol protocol(port, LoggingHooks(log));
        std::uint8_t block[8] = {9, 9, 9, 9, 9, 9, 9, 9};
        BlockOutcome outcome = c.write ? protocol.WriteBlock(0x10, kFullWriteTiming, block)
                                       : protocol.ReadBlock(0x10, kFullReadTiming, block);
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.lineFailed, c.lineFailed);
        EXPECT_NE(outcome.detail.english().find(c.detail), std::string::npos) << outcome.detail.english();
        if (c.result == BlockResult::ShortReply || c.result == BlockResult::BadReply) {
            EXPECT_EQ(Hex({block, block + 8}), "09 09 09 09 09 09 09 09");
            EXPECT_EQ(std::count(log.begin(), log.end(), "tx 06"), 0);
        }
    }
}

}  // namespace
}  // namespace zem::test
