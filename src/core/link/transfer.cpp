#include "link/transfer.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <string>
#include <vector>

namespace zem {

namespace {

LinkOutcome BlockFailure(const BlockOutcome& block, Messenger& messenger) {
    LinkOutcome outcome;
    outcome.detail = block.detail;
    if (block.result == BlockResult::Cancelled) {
        outcome.status = LinkStatus::Cancelled;  // the user asked for it: nothing to say
        return outcome;
    }
    outcome.status = LinkStatus::Failed;
    outcome.message = BlockFailureMessage(block.result);
    messenger.notice(outcome.message);
    return outcome;
}

LinkOutcome ReadBlocks(CloneProtocol& protocol, RadioImage& working, Messenger& messenger) {
    for (int block = 0; block < kTransferBlockCount; ++block) {
        auto address = static_cast<std::uint16_t>(block * kBlockSize);
        BlockOutcome r = protocol.ReadBlock(address, kFullReadTiming, working.data() + address);
        if (r.result != BlockResult::Ok) return BlockFailure(r, messenger);
    }
    return {};
}

LinkOutcome WriteBlocks(CloneProtocol& protocol, const RadioImage& image, Messenger& messenger) {
    for (int block = 0; block < kTransferBlockCount; ++block) {
        auto address = static_cast<std::uint16_t>(block * kBlockSize);
        BlockOutcome r = protocol.WriteBlock(address, kFullWriteTiming, image.data() + address);
        if (r.result != BlockResult::Ok) return BlockFailure(r, messenger);
    }
    return {};
}

}  // namespace

TransferOutcome RunTransfer(TransferDirection direction, RadioImage& image, const LinkSession& session,
                            Messenger& messenger) {
    TransferOutcome outcome;
    auto port = OpenSessionPort(session, CloneTimeouts, messenger, outcome.link);
    if (!port) return outcome;
    if (session.hooks.status) session.hooks.status(kMsgDetectingPort);

    CloneProtocol protocol(*port, messenger, session.hooks);
    if (protocol.EnterProgrammingMode() == HandshakeResult::Abandoned) {
        port->close();
        outcome.link.status = LinkStatus::Abandoned;
        outcome.link.detail = protocol.handshakeDetail();
        return outcome;
    }
    protocol.pause(kStepPause);
    protocol.setProgressTotal(kTransferBlockCount);

    if (direction == TransferDirection::Read) {
        // The blocks go into a copy; the caller's image changes only when
        // every block arrived, so a broken read never leaves a mix of old
        // and new blocks that a later save or write would spread.
        RadioImage working = image;
        outcome.link = ReadBlocks(protocol, working, messenger);
        port->close();
        if (outcome.link.completed()) {
            image = working;
            outcome.refreshPages = true;
            outcome.returnToChannelTab = true;
        }
    } else {
        outcome.link = WriteBlocks(protocol, image, messenger);
        port->close();
        outcome.returnToChannelTab = outcome.link.status != LinkStatus::Cancelled;
    }
    return outcome;
}

namespace {

// Passes the read-back's messages on with the note that the write itself
// went through, so a failed check is never taken for a failed write.
class ReadBackMessenger : public Messenger {
public:
    explicit ReadBackMessenger(Messenger& target) : target_(target) {}

    void notice(const std::string& text) override {
        last = kMsgVerifyReadFailed + text;
        target_.notice(last);
    }
    bool confirm(const std::string& text) override { return target_.confirm(text); }
    bool retry(const std::string& text) override { return target_.retry(text); }
    bool retryWithDetail(const std::string& text, const std::string& detail) override {
        return target_.retryWithDetail(text, detail);
    }

    std::string last;  // the last notice as shown

private:
    Messenger& target_;
};

}  // namespace

VerifyOutcome VerifyWrite(const RadioImage& written, const LinkSession& session, Messenger& messenger) {
    VerifyOutcome outcome;
    RadioImage readBack = written;
    ReadBackMessenger readBackMessenger(messenger);
    const TransferOutcome read = RunTransfer(TransferDirection::Read, readBack, session, readBackMessenger);
    outcome.link = read.link;
    // The user gave up on a radio that stopped answering: the question
    // said nothing of the write, so the notice does.
    if (read.link.status == LinkStatus::Abandoned) readBackMessenger.notice("the radio did not answer");
    if (!readBackMessenger.last.empty()) outcome.link.message = readBackMessenger.last;
    if (!read.refreshPages) return outcome;
    outcome.checked = true;
    outcome.differences = WriteDifferences(written, readBack);
    return outcome;
}

std::vector<ByteDifference> WriteDifferences(const RadioImage& written, const RadioImage& readBack) {
    // Only the bytes a write sends count.
    std::vector<ByteDifference> differences;
    for (std::size_t address = 0; address < kTransferEnd; ++address)
        if (written[address] != readBack[address])
            differences.push_back({static_cast<std::uint16_t>(address), written[address], readBack[address]});
    return differences;
}

}  // namespace zem
