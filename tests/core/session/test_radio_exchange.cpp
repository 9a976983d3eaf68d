// What the radio holds after an exchange through the session, and the one
// rule for a write that did not end: once past the handshake, whatever
// stopped it, the radio holds part of the new program. (A port that does
// not open and a radio given up on at the handshake leave it unchanged.)
#include "core/channels/channel_test_support.h"
#include "core/link/link_test_support.h"

#include "link/clone_constants.h"
#include "session/radio_exchange.h"
#include "support/recording_messenger.h"

#include <gtest/gtest.h>

namespace zem::test {
namespace {

// The write and its read-back: a radio that takes the blocks agrees; one
// that acknowledges them but keeps its old memory is caught, the first
// difference named in the pages' words; one whose read-back fails holds the
// whole write, unchecked, and the message says the write went through.
TEST(RadioExchange, WriteSaysWhatTheRadioHoldsWhateverEndedIt) {
    const RadioImage old = BandImage(0);
    RadioImage plan = old;
    plan[0x010] = 0x50;  // channel 1 Receive
    Faults keepsMemory, silent, ackOnly;
    keepsMemory.ignoreWrites = true;
    silent.silent = true;
    ackOnly.ackOnly = true;  // takes every written block: only the read-back shows there is no radio
    const std::string readBackFailed = kMsgVerifyReadFailed;
    const struct {
        const char* name;
        Faults faults;
        bool verify;
        int cancelAt;  // 0: never
        LinkStatus status;
        RadioHolds holds;
        int blocks;
        std::string message;  // the link's, shown first
        std::string said;     // what the radio holds, shown after (its start)
    } cases[] = {
        {"taken, not read back", {}, false, 0, LinkStatus::Completed, RadioHolds::WrittenUnchecked, 122, "", ""},
        {"taken and checked", {}, true, 0, LinkStatus::Completed, RadioHolds::Checked, 122, "", ""},
        {"acknowledged but kept", keepsMemory, true, 0, LinkStatus::Completed, RadioHolds::WrittenDiffers, 122, "",
         "The radio does not hold what was written. First difference: channel 1 Receive"},
        {"read-back fails", FaultAt(&Faults::shortReplyAt, 0x100), true, 0, LinkStatus::Failed,
         RadioHolds::WrittenUnchecked, 122, readBackFailed + kMsgShortReply, ""},
        {"no radio, a line of 0x06", ackOnly, true, 0, LinkStatus::Failed, RadioHolds::WrittenUnchecked, 122,
         readBackFailed + kMsgProgramInterrupted, ""},
        {"first block not acknowledged", FaultAt(&Faults::noWriteAckAt, 0x000), false, 0, LinkStatus::Failed,
         RadioHolds::PartialWrite, 0, kMsgProgramInterrupted, kMsgWriteStopped},
        {"a later block not acknowledged", FaultAt(&Faults::noWriteAckAt, 0x100), true, 0, LinkStatus::Failed,
         RadioHolds::PartialWrite, 32, kMsgProgramInterrupted, kMsgWriteStopped},
        {"cancelled among the blocks", {}, true, 50, LinkStatus::Cancelled, RadioHolds::PartialWrite, 50, "",
         kMsgWriteStopped},
        {"no answer to the handshake", silent, true, 0, LinkStatus::Abandoned, RadioHolds::Unchanged, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog log;
        sim::VirtualRadio radio(old, c.faults);
        LinkSession link;
        link.hooks.sleep = [](std::chrono::milliseconds) {};
        link.opener = [&](const std::string&, const PortTimeouts&) {
            OpenResult opened;
            opened.port = std::make_unique<FakePort>(log, &radio);
            return opened;
        };
        int done = 0, phases = 0;
        link.hooks.progress = [&](int blocks, int) { done = blocks; };
        link.hooks.cancelled = [&] { return c.cancelAt && done >= c.cancelAt; };
        RecordingMessenger messenger;  // answers Cancel to the handshake question
        const ExchangeOutcome outcome = WriteRadio(plan, AskingThrough(messenger, link), c.verify, [&] { ++phases; });

        EXPECT_EQ(outcome.link.status, c.status);
        EXPECT_EQ(outcome.holds, c.holds);
        EXPECT_EQ(outcome.blocksWritten, c.blocks);
        EXPECT_EQ(outcome.verifyTried, phases == 1);
        EXPECT_EQ(outcome.link.message, c.message);
        EXPECT_EQ(outcome.holdsMessage.substr(0, c.said.size()), c.said);
        EXPECT_EQ(outcome.holdsMessage.empty(), c.said.empty());
        EXPECT_EQ(messenger.entries().size(), c.status == LinkStatus::Abandoned ? 1u : 0u);
    }
}

TEST(RadioExchange, RetryTimesAnswersRetryThatOftenUnlessCancelled) {
    bool stop = false;
    auto retry = RetryTimes(2, [&] { return stop; });
    EXPECT_EQ((std::vector<bool>{retry({}), retry({}), retry({})}), (std::vector<bool>{true, true, false}));
    stop = true;
    EXPECT_FALSE(RetryTimes(5, [&] { return stop; })({}));
}

}  // namespace
}  // namespace zem::test
