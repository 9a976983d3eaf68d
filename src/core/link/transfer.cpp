#include "link/transfer.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <string>
#include <vector>

namespace zem {

namespace {

LinkOutcome BlockFailure(const BlockOutcome& block) {
    LinkOutcome outcome;
    outcome.detail = block.detail;
    if (block.result == BlockResult::Cancelled) {
        outcome.status = LinkStatus::Cancelled;  // the user asked for it: nothing to say
        return outcome;
    }
    outcome.status = LinkStatus::Failed;
    outcome.message = BlockFailureMessage(block.result);
    return outcome;
}

LinkOutcome ReadBlocks(CloneProtocol& protocol, RadioImage& working) {
    for (int block = 0; block < kTransferBlockCount; ++block) {
        auto address = static_cast<std::uint16_t>(block * kBlockSize);
        BlockOutcome r = protocol.ReadBlock(address, kFullReadTiming, working.data() + address);
        if (r.result != BlockResult::Ok) return BlockFailure(r);
    }
    return {};
}

LinkOutcome WriteBlocks(CloneProtocol& protocol, const RadioImage& image) {
    for (int block = 0; block < kTransferBlockCount; ++block) {
        auto address = static_cast<std::uint16_t>(block * kBlockSize);
        BlockOutcome r = protocol.WriteBlock(address, kFullWriteTiming, image.data() + address);
        if (r.result != BlockResult::Ok) return BlockFailure(r);
    }
    return {};
}

}  // namespace

TransferOutcome RunTransfer(TransferDirection direction, RadioImage& image, const LinkSession& session) {
    TransferOutcome outcome;
    auto port = OpenSessionPort(session, CloneTimeouts, outcome.link);
    if (!port) return outcome;
    if (session.hooks.status) session.hooks.status(kMsgDetectingPort);

    CloneProtocol protocol(*port, session.hooks);
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
        outcome.link = ReadBlocks(protocol, working);
        port->close();
        if (outcome.link.completed()) {
            image = working;
            outcome.refreshPages = true;
            outcome.returnToChannelTab = true;
        }
    } else {
        outcome.link = WriteBlocks(protocol, image);
        port->close();
        outcome.returnToChannelTab = outcome.link.status != LinkStatus::Cancelled;
    }
    return outcome;
}

VerifyOutcome VerifyWrite(const RadioImage& written, const LinkSession& session, RadioImage* readBack) {
    VerifyOutcome outcome;
    RadioImage radio = written;
    const TransferOutcome read = RunTransfer(TransferDirection::Read, radio, session);
    outcome.link = read.link;
    // The read-back's message says that the write itself went through, so a
    // failed check is never taken for a failed write. When the user gave up
    // on a radio that stopped answering, the question said nothing of the
    // write, so the message does.
    if (!read.link.message.empty())
        outcome.link.message = Text(kTextLink, kMsgVerifyReadFailedBecause, {read.link.message});
    else if (read.link.status == LinkStatus::Abandoned)
        outcome.link.message = Text(kTextLink, kMsgVerifyReadFailedBecause, {LinkText(kMsgRadioDidNotAnswer)});
    if (!read.refreshPages) return outcome;
    outcome.checked = true;
    outcome.differences = WriteDifferences(written, radio);
    if (readBack) *readBack = radio;
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
