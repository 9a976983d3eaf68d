// The full image read and write over a real pseudo-terminal against the
// virtual radio, including the radios that fail.
#include "link_test_support.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"
#include "link/transfer.h"
#include "compare/document_diff.h"
#include "compare/verify_mismatch.h"
#include "core/channels/channel_test_support.h"
#include "support/program_run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

namespace zem::test {
namespace {

constexpr auto kRead = TransferDirection::Read, kWrite = TransferDirection::Write;
constexpr auto npos = std::string::npos;

class Transfer : public ProgramTest {};  // each with a folder of its own, for files that are no port

TEST_F(Transfer, MovesBlocks0To121AndLeavesThePowerValuesAndTheRestAloneOnBothSides) {
    for (TransferDirection direction : {kRead, kWrite}) {
        const bool read = direction == kRead;
        SCOPED_TRACE(read ? "read" : "write");
        const RadioImage radioBefore = PatternImage(5), imageBefore = PatternImage(77);
        SimLine line(radioBefore);
        RadioImage image = imageBefore;
        LinkSession session = FastSession(line.device());
        std::vector<std::string> statuses;
        int blocks = 0;  // progress reports every block in turn, out of all of them
        session.hooks.status = [&](const std::string& text) { statuses.push_back(text); };
        session.hooks.progress = [&](int done, int total) {
            EXPECT_EQ(std::make_pair(done, total), std::make_pair(++blocks, kTransferBlockCount));
        };

        // No retry hook: a handshake question would end the transfer.
        TransferOutcome outcome = RunTransfer(direction, image, session);
        line.stop();

        ASSERT_TRUE(outcome.link.completed()) << outcome.link.detail.english();
        EXPECT_EQ(outcome.link.message, "");
        EXPECT_EQ(outcome.refreshPages, read);
        EXPECT_TRUE(outcome.returnToChannelTab);
        const RadioImage& source = read ? radioBefore : imageBefore;
        EXPECT_TRUE(SameRange(image, source, 0x000, 0x3D0));
        EXPECT_TRUE(SameRange(line.radio().memory(), source, 0x000, 0x3D0));
        EXPECT_TRUE(SameRange(image, imageBefore, 0x3D0, 0x400));
        EXPECT_TRUE(SameRange(line.radio().memory(), radioBefore, 0x3D0, 0x400));
        EXPECT_EQ(statuses, (std::vector<std::string>{kMsgDetectingPort, kMsgWaitingForRadio}));
        EXPECT_EQ(blocks, kTransferBlockCount);

        // Big-endian addresses, and nothing asked of the power values.
        const std::uint8_t command = read ? 0x52 : 0x57;
        const auto& sent = line.radio().received();
        for (std::uint8_t high : {0x00, 0x01, 0x03}) EXPECT_NE(FindFrame(sent, {command, high, 0x00, 0x08}), npos);
        EXPECT_NE(FindFrame(sent, {command, 0x03, 0xC8, 0x08}), npos);
        EXPECT_EQ(FindFrame(sent, {command, 0x03, 0xD0, 0x08}), npos);
        ExpectPortReleased(line.device());
    }
}

TEST_F(Transfer, UnfinishedTransferKeepsTheImageClosesThePortAndSaysWhyOnce) {
    struct Case {
        const char* name;
        TransferDirection direction;
        Faults faults;
        const char* message;  // nullptr: the user cancels once 50 blocks are done
        bool lineGone;
        const char* why = "";
    };
    Faults ackOnly;
    ackOnly.ackOnly = true;
    Faults misaddressed = FaultAt(&Faults::misaddressAt, 0x040);
    misaddressed.answerFor = 0x080;
    const Case cases[] = {
        {"short reply of the last block", kRead, FaultAt(&Faults::shortReplyAt, 0x3C8, 11), kMsgShortReply, false},
        {"a byte doubled by the cable", kRead, FaultAt(&Faults::repeatByteAt, 0x010), kMsgProgramInterrupted, false,
         "one byte too many in the reply to block 0x0010"},
        {"a reply for another block", kRead, misaddressed, kMsgProgramInterrupted, false,
         "the radio answered for block 0x0080 when 0x0040 was asked for"},
        {"a line of 0x06 and no radio", kRead, ackOnly, kMsgProgramInterrupted, false, "nothing but 0x06"},
        {"read not acknowledged", kRead, FaultAt(&Faults::noAckAt, 0x200), kMsgProgramInterrupted, false},
        {"write not acknowledged", kWrite, FaultAt(&Faults::noAckAt, 0x100), kMsgProgramInterrupted, false},
        {"hang-up in a read", kRead, FaultAt(&Faults::hangUpAt, 0x180), kMsgShortReply, true},
        {"hang-up in a write", kWrite, FaultAt(&Faults::hangUpAt, 0x180), kMsgProgramInterrupted, true},
        {"cancel in a read", kRead, {}, nullptr, false},
        {"cancel in a write", kWrite, {}, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimLine line(PatternImage(3), c.faults);
        RadioImage image = PatternImage(50);
        const RadioImage before = image;
        LinkSession session = FastSession(line.device());
        int done = 0;
        session.hooks.progress = [&](int blocks, int) { done = blocks; };
        if (!c.message) session.hooks.cancelled = [&] { return done >= 50; };

        TransferOutcome outcome = RunTransfer(c.direction, image, session);

        EXPECT_EQ(outcome.link.status, c.message ? LinkStatus::Failed : LinkStatus::Cancelled);
        EXPECT_EQ(outcome.link.message, c.message ? c.message : "");
        if (!c.message) { EXPECT_EQ(done, 50); }
        EXPECT_EQ(image, before);
        EXPECT_FALSE(outcome.refreshPages);
        // A write that got past the handshake shows the channel tab again; a cancel does not.
        EXPECT_EQ(outcome.returnToChannelTab, c.message && c.direction == kWrite);
        // Silence is a time-out; only a line that is gone reports an error.
        EXPECT_EQ(outcome.link.detail.english().find("line failed") != std::string::npos, c.lineGone) << outcome.link.detail.english();
        EXPECT_NE(outcome.link.detail.english().find(c.why), npos) << outcome.link.detail.english();
        if (!c.lineGone) ExpectPortReleased(line.device());
    }
}

// A name that leads to anything but a terminal is refused before a byte is
// written: the wake-up bytes would otherwise overwrite the start of a file.
TEST_F(Transfer, PortThatCannotBeOpenedSaysSoAndWhy) {
    SimLine line(RadioImage{});
    OpenResult holder = OpenSerialPort(line.device(), CloneTimeouts);
    ASSERT_TRUE(holder.port);
    const std::string notes = dir + "/notes.txt", fifo = dir + "/fifo";
    const std::string text = "Radios to program on Monday\n";
    std::ofstream(notes, std::ios::binary) << text;
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    using Case = std::pair<std::string, std::string>;  // port, why
    for (const auto& [port, why] :
         {Case{"/nonexistent/ttyUSB9", "no such device"}, Case{line.device(), "in use"}, Case{"not-a-port", "neither"},
          Case{notes, "not a serial port"}, Case{dir, "not a serial port"}, Case{fifo, "not a serial port"},
          Case{"/dev/null", "not a serial port"}}) {
        RadioImage image = NewDocumentImage();
        TransferOutcome outcome = RunTransfer(kWrite, image, FastSession(port));
        EXPECT_EQ(outcome.link.status, LinkStatus::OpenFailed) << port;
        EXPECT_EQ(outcome.link.message, kMsgOpenPortFailed);
        EXPECT_NE(outcome.link.detail.english().find(why), std::string::npos) << outcome.link.detail.english();
    }
    EXPECT_EQ(ReadAll(notes), text);
}

TEST_F(Transfer, WriteMismatchCountsOnlyTheBytesAWriteSends) {
    const RadioImage written = BandImage(2);
    using Case = std::pair<std::size_t, const char*>;  // the byte changed, where the mismatch is (empty: none)
    for (const auto& [offset, where] : {Case{0x3D0, ""}, Case{0x3E5, ""}, Case{0x3FF, ""},  // power values, kept tail
                                        Case{0x000, "byte 0x000"}, Case{0x3C8, "byte 0x3C8"},
                                        Case{0x3CF, "byte 0x3CF"}}) {  // both ends (names are the diff's)
        RadioImage readBack = written;
        readBack[offset] ^= 0x11;
        const std::string first = FirstWriteDifference(written, WriteDifferences(written, readBack));
        EXPECT_EQ(first.substr(0, first.find(": ")), where) << std::hex << offset;
    }
    RadioImage radio = written;
    radio[0x021] = 0x12;
    EXPECT_EQ(VerifyMismatchMessage(written, WriteDifferences(written, radio)),
              "The radio does not hold what was written. First difference: channel 2 Receive is 435.51200 in the "
              "radio, 435.55500 in the program.\nThe program has kept its data: write again, or check the radio "
              "and the cable.");
}

TEST(CoreText, EnglishIsTodaysTextWithEachPlaceFilledOnce) {
    const Text reason = LinkText(kMsgShortReply);
    const std::pair<Text, std::string> cases[] = {  // the text, its English
        {Text(kTextLink, kMsgVerifyReadFailedBecause, {reason}), kMsgVerifyReadFailed + std::string(kMsgShortReply)},
        {Text(kTextLink, kMsgVerifyReadFailedBecause, {LinkText(kMsgRadioDidNotAnswer)}),
         kMsgVerifyReadFailed + std::string("the radio did not answer")},
        {Text(kTextLink, "%2 of %1", {std::string("122"), std::string("12")}), "12 of 122"},  // reordered
        {Text(kTextLink, "at %1, %2", {std::string("%2"), std::string("x")}), "at %2, x"},    // a value is never read
        {Text(kTextLink, "%1 and %2", {std::string("a")}), "a and %2"},                      // a place with no value
        {Text(kTextLink, "100% %"), "100% %"},
        {Text(std::string("a plain value %1")), "a plain value %1"},
        {Text(), ""},
    };
    for (const auto& [text, english] : cases) EXPECT_EQ(text.english(), english) << english;
}

}  // namespace
}  // namespace zem::test
