// What the radio holds after an exchange through the session, and the one
// rule for a write that did not end: once past the handshake, whatever
// stopped it, the radio holds part of the new program.
#include "core/link/link_test_support.h"

#include "link/clone_constants.h"
#include "session/radio_exchange.h"
#include "support/recording_messenger.h"

#include <gtest/gtest.h>

namespace zem::test {
namespace {

TEST(RadioExchange, WriteSaysWhatTheRadioHoldsWhateverEndedIt) {
    const RadioImage old = PatternImage(3);
    const RadioImage plan = PatternImage(9);
    Faults keepsMemory, silent;
    keepsMemory.ignoreWrites = true;
    silent.silent = true;
    const struct {
        const char* name;
        Faults faults;
        bool verify;
        int cancelAt;  // 0: never
        LinkStatus status;
        RadioHolds holds;
        int blocks;
        bool stoppedMessage;  // the partial-write warning
        bool mismatchMessage;
    } cases[] = {
        {"taken, not read back", {}, false, 0, LinkStatus::Completed, RadioHolds::WrittenUnchecked, 122, false, false},
        {"taken and checked", {}, true, 0, LinkStatus::Completed, RadioHolds::Checked, 122, false, false},
        {"acknowledged but kept", keepsMemory, true, 0, LinkStatus::Completed, RadioHolds::WrittenDiffers, 122,
         false, true},
        {"read-back fails", FaultAt(&Faults::shortReplyAt, 0x100), true, 0, LinkStatus::Failed,
         RadioHolds::WrittenUnchecked, 122, false, false},
        {"first block not acknowledged", FaultAt(&Faults::noWriteAckAt, 0x000), false, 0, LinkStatus::Failed,
         RadioHolds::PartialWrite, 0, true, false},
        {"a later block not acknowledged", FaultAt(&Faults::noWriteAckAt, 0x100), true, 0, LinkStatus::Failed,
         RadioHolds::PartialWrite, 32, true, false},
        {"cancelled among the blocks", {}, true, 50, LinkStatus::Cancelled, RadioHolds::PartialWrite, 50, true, false},
        {"no answer to the handshake", silent, true, 0, LinkStatus::Abandoned, RadioHolds::Unchanged, 0, false, false},
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
        EXPECT_EQ(outcome.holdsMessage == kMsgWriteStopped, c.stoppedMessage);
        EXPECT_EQ(outcome.holdsMessage.rfind("The radio does not hold", 0) == 0, c.mismatchMessage)
            << outcome.holdsMessage;
        EXPECT_EQ(messenger.entries().size(), c.status == LinkStatus::Abandoned ? 1u : 0u);
    }
}

TEST(RadioExchange, PartialWriteRuleForEveryEnd) {
    const std::pair<LinkStatus, RadioHolds> rules[] = {
        {LinkStatus::Completed, RadioHolds::WrittenUnchecked}, {LinkStatus::OpenFailed, RadioHolds::Unchanged},
        {LinkStatus::Abandoned, RadioHolds::Unchanged},        {LinkStatus::Cancelled, RadioHolds::PartialWrite},
        {LinkStatus::Failed, RadioHolds::PartialWrite},
    };
    for (const auto& [status, holds] : rules) EXPECT_EQ(HoldsAfterWrite(status), holds);
}

TEST(RadioExchange, RetryTimesAnswersRetryThatOftenUnlessCancelled) {
    bool stop = false;
    auto retry = RetryTimes(2, [&] { return stop; });
    EXPECT_TRUE(retry(""));
    EXPECT_TRUE(retry(""));
    EXPECT_FALSE(retry(""));
    auto stopped = RetryTimes(5, [&] { return stop; });
    stop = true;
    EXPECT_FALSE(stopped(""));
}

}  // namespace
}  // namespace zem::test
