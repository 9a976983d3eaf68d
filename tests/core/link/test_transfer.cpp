// The full image read and write over a real pseudo-terminal against the
// virtual radio, including the radios that fail.
#include "link_test_support.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"
#include "link/transfer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zem::test {
namespace {

bool Contains(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::size_t begin, std::size_t end) {
    return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
}

// The port was closed: it can be opened again at once.
void ExpectPortReleased(const std::string& device) {
    OpenResult again = OpenSerialPort(device, CloneTimeouts);
    EXPECT_TRUE(again.port) << again.detail;
}

TEST(Transfer, FullReadTakesBlocks0To121AndLeavesThePowerValuesAndTheRestAlone) {
    SimLine line(PatternImage(1));
    RadioImage image = PatternImage(99);
    const RadioImage before = image;
    LinkSession session = FastSession(line.device());
    std::vector<std::string> statuses;
    std::vector<int> progress;
    session.hooks.status = [&](const std::string& text) { statuses.push_back(text); };
    session.hooks.progress = [&](int done, int total) {
        EXPECT_EQ(total, kTransferBlockCount);
        progress.push_back(done);
    };
    RecordingMessenger messenger;

    TransferOutcome outcome = RunTransfer(TransferDirection::Read, image, session, messenger);
    line.stop();

    ASSERT_TRUE(outcome.link.completed()) << outcome.link.detail;
    EXPECT_TRUE(outcome.refreshPages);
    EXPECT_TRUE(outcome.returnToChannelTab);
    EXPECT_TRUE(SameRange(image, line.radio().memory(), 0x000, 0x3D0));
    EXPECT_TRUE(SameRange(image, before, 0x3D0, 0x400));
    EXPECT_TRUE(messenger.notices.empty());
    ASSERT_GE(statuses.size(), 2u);
    EXPECT_EQ(statuses[0], kMsgDetectingPort);
    EXPECT_EQ(statuses[1], kMsgWaitingForRadio);
    ASSERT_EQ(progress.size(), 122u);
    EXPECT_EQ(progress.front(), 1);
    EXPECT_EQ(progress.back(), 122);

    const auto& sent = line.radio().received();
    EXPECT_TRUE(Contains(sent, {0x52, 0x00, 0x00, 0x08}));
    EXPECT_TRUE(Contains(sent, {0x52, 0x01, 0x00, 0x08}));
    EXPECT_TRUE(Contains(sent, {0x52, 0x03, 0xC8, 0x08}));
    EXPECT_FALSE(Contains(sent, {0x52, 0x03, 0xD0, 0x08}));
    ExpectPortReleased(line.device());
}

TEST(Transfer, FullWriteSendsTheImageAndNeverTouchesTheRadiosPowerValues) {
    const RadioImage radioBefore = PatternImage(5);
    SimLine line(radioBefore);
    RadioImage image = PatternImage(77);
    const RadioImage imageBefore = image;
    RecordingMessenger messenger;

    TransferOutcome outcome = RunTransfer(TransferDirection::Write, image, FastSession(line.device()), messenger);
    line.stop();

    ASSERT_TRUE(outcome.link.completed()) << outcome.link.detail;
    EXPECT_FALSE(outcome.refreshPages);
    EXPECT_TRUE(outcome.returnToChannelTab);
    EXPECT_EQ(image, imageBefore);
    EXPECT_TRUE(SameRange(line.radio().memory(), image, 0x000, 0x3D0));
    EXPECT_TRUE(SameRange(line.radio().memory(), radioBefore, 0x3D0, 0x400));
    const auto& sent = line.radio().received();
    EXPECT_TRUE(Contains(sent, {0x57, 0x00, 0x00, 0x08}));
    EXPECT_TRUE(Contains(sent, {0x57, 0x03, 0xC8, 0x08}));
    EXPECT_FALSE(Contains(sent, {0x57, 0x03, 0xD0, 0x08}));
}

struct FaultCase {
    const char* name;
    TransferDirection direction;
    sim::RadioFaults faults;
    const char* message;
    bool lineGone;
};

class TransferFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TransferFault, EndsWithItsMessageThePortClosedAndTheImageAsItWas) {
    const FaultCase& c = GetParam();
    SimLine line(PatternImage(3), c.faults);
    RadioImage image = PatternImage(50);
    const RadioImage before = image;
    RecordingMessenger messenger;

    TransferOutcome outcome = RunTransfer(c.direction, image, FastSession(line.device()), messenger);

    EXPECT_EQ(outcome.link.status, LinkStatus::Failed);
    EXPECT_EQ(messenger.notices, std::vector<std::string>{c.message});
    EXPECT_EQ(outcome.link.message, c.message);
    EXPECT_EQ(image, before);
    EXPECT_FALSE(outcome.refreshPages);
    EXPECT_EQ(outcome.returnToChannelTab, c.direction == TransferDirection::Write);
    if (c.lineGone)
        EXPECT_NE(outcome.link.detail.find("line failed"), std::string::npos) << outcome.link.detail;
    else
        ExpectPortReleased(line.device());
}

sim::RadioFaults ShortReplyAt(std::uint16_t address, std::size_t length) {
    sim::RadioFaults f;
    f.shortReplyAt = address;
    f.shortReplyLength = length;
    return f;
}
sim::RadioFaults NoAckAt(std::uint16_t address) {
    sim::RadioFaults f;
    f.noAckAt = address;
    return f;
}
sim::RadioFaults HangUpAt(std::uint16_t address) {
    sim::RadioFaults f;
    f.hangUpAt = address;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Radios, TransferFault,
    ::testing::Values(
        FaultCase{"ShortReplyOf9", TransferDirection::Read, ShortReplyAt(0x100, 9), kMsgShortReply, false},
        FaultCase{"ShortReplyOf11", TransferDirection::Read, ShortReplyAt(0x3C8, 11), kMsgShortReply, false},
        FaultCase{"ReadNotAcknowledged", TransferDirection::Read, NoAckAt(0x200), kMsgProgramInterrupted, false},
        FaultCase{"WriteNotAcknowledged", TransferDirection::Write, NoAckAt(0x100), kMsgProgramInterrupted, false},
        FaultCase{"HangUpDuringRead", TransferDirection::Read, HangUpAt(0x180), kMsgShortReply, true},
        FaultCase{"HangUpDuringWrite", TransferDirection::Write, HangUpAt(0x180), kMsgProgramInterrupted, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Transfer, CancelDuringTheBlocksEndsQuietlyAndKeepsTheImage) {
    for (TransferDirection direction : {TransferDirection::Read, TransferDirection::Write}) {
        SimLine line(PatternImage(8));
        RadioImage image = PatternImage(9);
        const RadioImage before = image;
        LinkSession session = FastSession(line.device());
        int done = 0;
        session.hooks.progress = [&](int blocks, int) { done = blocks; };
        session.hooks.cancelled = [&] { return done >= 50; };
        RecordingMessenger messenger;

        TransferOutcome outcome = RunTransfer(direction, image, session, messenger);

        EXPECT_EQ(outcome.link.status, LinkStatus::Cancelled);
        EXPECT_EQ(done, 50);
        EXPECT_TRUE(messenger.notices.empty());
        EXPECT_EQ(image, before);
        EXPECT_FALSE(outcome.refreshPages);
        EXPECT_FALSE(outcome.returnToChannelTab);
        ExpectPortReleased(line.device());
    }
}

TEST(Transfer, PortThatCannotBeOpenedSaysSoAndWhy) {
    struct Case {
        std::string port;
        std::string why;
    };
    SimLine line(RadioImage{});
    OpenResult holder = OpenSerialPort(line.device(), CloneTimeouts);
    ASSERT_TRUE(holder.port);
    for (const Case& c : {Case{"/nonexistent/ttyUSB9", "no such device"}, Case{line.device(), "in use"},
                          Case{"not-a-port", "neither"}}) {
        RadioImage image;
        RecordingMessenger messenger;
        TransferOutcome outcome = RunTransfer(TransferDirection::Read, image, FastSession(c.port), messenger);
        EXPECT_EQ(outcome.link.status, LinkStatus::OpenFailed) << c.port;
        EXPECT_EQ(messenger.notices, std::vector<std::string>{kMsgOpenPortFailed});
        EXPECT_NE(outcome.link.detail.find(c.why), std::string::npos) << outcome.link.detail;
    }
}

TEST(Transfer, RetryAfterUnansweredWakeUpsRestartsTheHandshakeAndCompletes) {
    sim::RadioFaults faults;
    faults.ignoreWakeUps = 15;  // wakes only on the 16th wake-up, after one Retry
    sim::VirtualRadio radio(PatternImage(4), faults);
    EventLog log;
    LinkSession session;
    session.hooks.sleep = [](std::chrono::milliseconds) {};
    session.opener = [&](const std::string&, const PortTimeouts&) {
        OpenResult result;
        result.port = std::make_unique<FakePort>(log, &radio);
        return result;
    };
    RecordingMessenger messenger(/*retries=*/1);
    RadioImage image;

    TransferOutcome outcome = RunTransfer(TransferDirection::Read, image, session, messenger);

    EXPECT_TRUE(outcome.link.completed());  // one Retry was enough
    EXPECT_EQ(messenger.questions, std::vector<std::string>{kMsgCommunicationError});
    EXPECT_TRUE(SameRange(image, radio.memory(), 0, 0x3D0));
    EXPECT_EQ(std::count(log.begin(), log.end(), "tx 77"), 16);
    EXPECT_EQ(std::count(log.begin(), log.end(), "close"), 1);
}

}  // namespace
}  // namespace zem::test
