// The handshake and the block exchanges over a port without time, so that
// the exact order of frames, pauses and pumps can be checked.
#include "link_test_support.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zem::test {
namespace {

std::string Joined(const EventLog& log) {
    std::string text;
    for (const auto& e : log) text += e + "; ";
    return text;
}

std::string Repeat(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += text;
    return out;
}

int Count(const EventLog& log, const std::string& event) {
    return static_cast<int>(std::count(log.begin(), log.end(), event));
}

class HandshakeTest : public ::testing::Test {
protected:
    EventLog log;
};

TEST_F(HandshakeTest, AnsweringRadioGetsTheWakeUpIdentifyAndFinalAckWithTheirPausesAndPumps) {
    sim::VirtualRadio radio(RadioImage{});
    FakePort port(log, &radio);
    RecordingMessenger messenger;
    CloneProtocol protocol(port, messenger, LoggingHooks(log));

    ASSERT_EQ(protocol.EnterProgrammingMode(), HandshakeResult::Entered);

    std::string expected = "purge 0C; status " + std::string(kMsgWaitingForRadio) + "; " +
                           Repeat("pump; sleep 1; ", 12) + "purge 0F; ";
    for (const char* byte : {"77", "56", "4B", "44", "54", "4E", "45"})
        expected += std::string("sleep 1; purge 0C; tx ") + byte + "; ";
    expected += "rx 1/1; sleep 1; purge 0C; tx 02; rx 8/8; " + Repeat("pump; sleep 1; ", 13) +
                "purge 0C; tx 06; rx 1/1; ";
    EXPECT_EQ(Joined(log), expected);
    EXPECT_TRUE(messenger.questions.empty());
}

TEST_F(HandshakeTest, SilentRadioIsWokenFifteenTimesThenTheUserIsAskedAndRetryStartsOver) {
    FakePort port(log);  // nothing ever answers
    RecordingMessenger messenger(/*retries=*/1);
    CloneProtocol protocol(port, messenger, LoggingHooks(log));

    EXPECT_EQ(protocol.EnterProgrammingMode(), HandshakeResult::Abandoned);

    EXPECT_EQ(Count(log, "tx 77"), 30);  // 15, Retry, 15 more, Cancel
    EXPECT_EQ(Count(log, "sleep 2"), 30);
    EXPECT_EQ(messenger.questions, std::vector<std::string>(2, kMsgCommunicationError));
    EXPECT_EQ(Count(log, "tx 02"), 0);
}

TEST_F(HandshakeTest, UnconfirmedFinalAckWaits601PumpsBeforeAsking) {
    sim::RadioFaults faults;
    faults.noFinalAck = true;
    sim::VirtualRadio radio(RadioImage{}, faults);
    FakePort port(log, &radio);
    RecordingMessenger messenger;
    CloneProtocol protocol(port, messenger, LoggingHooks(log));

    EXPECT_EQ(protocol.EnterProgrammingMode(), HandshakeResult::Abandoned);

    auto finalAck = std::find(log.begin(), log.end(), "tx 06");
    ASSERT_NE(finalAck, log.end());
    EventLog after(finalAck + 1, log.end());
    EXPECT_EQ(Joined(after), "rx 0/1; " + Repeat("pump; sleep 1; ", 601));
    EXPECT_EQ(messenger.questions.size(), 1u);
}

TEST_F(HandshakeTest, IdentificationIsNotExaminedButNeverPassesForTheConfirmation) {
    struct Case {
        std::vector<std::uint8_t> identification;
        std::vector<std::uint8_t> confirmation;
        HandshakeResult result;
    };
    for (const Case& c : {Case{{}, {kAck}, HandshakeResult::Entered},            // absent
                          Case{{1, 2, 3}, {kAck}, HandshakeResult::Entered},     // short
                          Case{{kAck, 1, 2, 3, 4, 5, 6, 7}, {}, HandshakeResult::Abandoned}}) {
        log.clear();
        FakePort port(log);
        port.script = {{{kAck}}, {c.identification}, {c.confirmation}};
        RecordingMessenger messenger;
        CloneProtocol protocol(port, messenger, LoggingHooks(log));
        EXPECT_EQ(protocol.EnterProgrammingMode(), c.result) << c.identification.size();
    }
}

TEST_F(HandshakeTest, DeadLineAsksAtOnceInsteadOfWakingFifteenTimes) {
    FakePort port(log);
    port.script = {{{}, /*ioError=*/true}};
    RecordingMessenger messenger;
    CloneProtocol protocol(port, messenger, LoggingHooks(log));

    EXPECT_EQ(protocol.EnterProgrammingMode(), HandshakeResult::Abandoned);
    EXPECT_EQ(Count(log, "tx 77"), 1);
    EXPECT_EQ(messenger.questions.size(), 1u);
    EXPECT_NE(protocol.handshakeDetail().find("line failed"), std::string::npos);
}

// Scripted replies for block exchanges: the radio is taken to be in
// programming mode already.
class BlockTest : public ::testing::Test {
protected:
    EventLog log;
    FakePort port{log};
    RecordingMessenger messenger;
    std::vector<std::uint8_t> reply(std::uint8_t first) {
        std::vector<std::uint8_t> bytes = {0xA0, 0xA1, 0xA2, 0xA3};  // header, not examined
        for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<std::uint8_t>(first + i));
        return bytes;
    }
};

TEST_F(BlockTest, EachTimingSetPacesReadsAndWritesAsPrescribed) {
    struct Case {
        const TimingSet* timing;
        const char* read;
        const char* write;
    };
    const Case cases[] = {
        {&kFullReadTiming, "sleep 3; purge 0C; tx 06; rx 1/1; pump x49; sleep 4", nullptr},
        {&kPowerReadTiming, "sleep 15; purge 0C; tx 06; rx 1/1; pump x99; sleep 20", nullptr},
        {&kFullWriteTiming, nullptr, "sleep 1; purge 0C; tx 01 02 03 04 05 06 07 08; rx 1/1; pump x51; sleep 1"},
        {&kPowerWriteTiming, nullptr, "sleep 1; purge 0C; tx 01 02 03 04 05 06 07 08; rx 1/1; pump x201; sleep 2"},
    };
    for (const Case& c : cases) {
        log.clear();
        CloneProtocol protocol(port, messenger, LoggingHooks(log));
        std::uint8_t block[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        if (c.read) {
            port.script = {{reply(1)}, {{kAck}}};
            EXPECT_EQ(protocol.ReadBlock(0x10, *c.timing, block).result, BlockResult::Ok);
            EXPECT_EQ(Folded(log), std::string("purge 0C; tx 52 00 10 08; rx 12/12; ") + c.read);
        } else {
            port.script = {{{kAck}}};
            EXPECT_EQ(protocol.WriteBlock(0x10, *c.timing, block).result, BlockResult::Ok);
            EXPECT_EQ(Folded(log), std::string("purge 0C; tx 57 00 10 08; ") + c.write);
        }
    }
}

TEST_F(BlockTest, ReplyShorterThanTwelveBytesIsShortAndStoresNothing) {
    for (std::size_t length : {0u, 9u, 10u, 11u}) {
        auto bytes = reply(0x40);
        bytes.resize(length);
        port.script = {{bytes}, {{kAck}}};
        CloneProtocol protocol(port, messenger, LoggingHooks(log));
        std::uint8_t block[8] = {9, 9, 9, 9, 9, 9, 9, 9};
        BlockOutcome outcome = protocol.ReadBlock(0, kFullReadTiming, block);
        EXPECT_EQ(outcome.result, BlockResult::ShortReply) << length;
        EXPECT_EQ(Hex({block, block + 8}), "09 09 09 09 09 09 09 09") << length;
        EXPECT_EQ(BlockFailureMessage(outcome.result), kMsgShortReply);
    }
}

TEST_F(BlockTest, MissingOrWrongAcknowledgementEndsTheBlock) {
    struct Case {
        std::vector<FakePort::Answer> answers;
        bool write;
        bool lineFailed;
    };
    const Case cases[] = {
        {{{reply(1)}, {{}}}, false, false},
        {{{reply(1)}, {{}, true}}, false, true},
        {{{{0x15}}}, true, false},
        {{{{}, true}}, true, true},
    };
    for (const Case& c : cases) {
        port.script.assign(c.answers.begin(), c.answers.end());
        CloneProtocol protocol(port, messenger, LoggingHooks(log));
        std::uint8_t block[8] = {};
        BlockOutcome outcome = c.write ? protocol.WriteBlock(0, kFullWriteTiming, block)
                                       : protocol.ReadBlock(0, kFullReadTiming, block);
        EXPECT_EQ(outcome.result, BlockResult::NoAck);
        EXPECT_EQ(outcome.lineFailed, c.lineFailed);
        EXPECT_EQ(BlockFailureMessage(outcome.result), kMsgProgramInterrupted);
    }
}

TEST_F(BlockTest, CancelIsSeenInTheFullTransferPumpsButNotInThePowerSettings) {
    LinkHooks hooks = LoggingHooks(log);
    hooks.cancelled = [] { return true; };
    CloneProtocol protocol(port, messenger, hooks);
    std::uint8_t block[8] = {};

    port.script = {{reply(1)}, {{kAck}}};
    EXPECT_EQ(protocol.ReadBlock(0, kFullReadTiming, block).result, BlockResult::Cancelled);
    port.script = {{reply(1)}, {{kAck}}};
    EXPECT_EQ(protocol.ReadBlock(0, kPowerReadTiming, block).result, BlockResult::Ok);

    log.clear();
    port.script = {{{kAck}}};
    EXPECT_EQ(protocol.WriteBlock(0, kFullWriteTiming, block).result, BlockResult::Cancelled);
    EXPECT_EQ(Count(log, "pump"), 0);  // a write looks before each pump
    port.script = {{{kAck}}};
    EXPECT_EQ(protocol.WriteBlock(0, kPowerWriteTiming, block).result, BlockResult::Ok);
}

}  // namespace
}  // namespace zem::test
