#include "session/radio_exchange.h"

#include "compare/verify_mismatch.h"
#include "link/link_messages.h"

#include <memory>

namespace zem {

const char* RadioHoldsWord(RadioHolds holds) {
    switch (holds) {
    case RadioHolds::Unchanged: return "unchanged";
    case RadioHolds::PartialWrite: return "partial";
    case RadioHolds::WrittenUnchecked: return "unchecked";
    case RadioHolds::WrittenDiffers: return "differs";
    case RadioHolds::Checked: return "checked";
    }
    return "";
}

RadioHolds HoldsAfterWrite(LinkStatus status) {
    switch (status) {
    case LinkStatus::Completed: return RadioHolds::WrittenUnchecked;
    case LinkStatus::Cancelled: return RadioHolds::PartialWrite;
    case LinkStatus::Failed: return RadioHolds::PartialWrite;
    case LinkStatus::OpenFailed: return RadioHolds::Unchanged;
    case LinkStatus::Abandoned: return RadioHolds::Unchanged;
    }
    return RadioHolds::Unchanged;
}

ExchangeOutcome ReadRadio(RadioImage& image, const LinkSession& link) {
    const TransferOutcome transfer = RunTransfer(TransferDirection::Read, image, link);
    ExchangeOutcome outcome;
    outcome.link = transfer.link;
    outcome.refreshPages = transfer.refreshPages;
    outcome.returnToChannelTab = transfer.returnToChannelTab;
    return outcome;
}

ExchangeOutcome WriteRadio(const RadioImage& image, const LinkSession& link, bool verify,
                           const std::function<void()>& verifying, RadioImage* readBack) {
    ExchangeOutcome outcome;
    LinkSession counting = link;
    counting.hooks.progress = [&outcome, &link](int done, int total) {
        outcome.blocksWritten = done;
        if (link.hooks.progress) link.hooks.progress(done, total);
    };
    RadioImage written = image;  // a write never changes it
    const TransferOutcome transfer = RunTransfer(TransferDirection::Write, written, counting);
    outcome.link = transfer.link;
    outcome.returnToChannelTab = transfer.returnToChannelTab;
    outcome.holds = HoldsAfterWrite(transfer.link.status);
    if (outcome.holds == RadioHolds::PartialWrite) outcome.holdsText = LinkText(kMsgWriteStopped);
    if (!verify || !transfer.link.completed()) {
        outcome.holdsMessage = outcome.holdsText.english();
        return outcome;
    }

    if (verifying) verifying();
    outcome.verifyTried = true;
    outcome.verify = VerifyWrite(image, link, readBack);
    outcome.link = outcome.verify.link;
    if (outcome.verify.matches()) {
        outcome.holds = RadioHolds::Checked;
    } else if (outcome.verify.checked) {
        outcome.holds = RadioHolds::WrittenDiffers;
        outcome.holdsText = VerifyMismatchText(image, outcome.verify.differences);
    }
    outcome.holdsMessage = outcome.holdsText.english();
    return outcome;
}

ExchangeOutcome ReadPower(RadioImage& image, const LinkSession& link) {
    const PowerReadOutcome read = ReadPowerSetting(image, link);
    ExchangeOutcome outcome;
    outcome.link = read.link;
    // The stages' messages end with link's own, which messages() adds.
    if (!read.messages.empty()) outcome.earlierMessages.assign(read.messages.begin(), read.messages.end() - 1);
    outcome.refreshPages = read.refreshValues;
    outcome.returnToChannelTab = read.refreshValues;
    return outcome;
}

ExchangeOutcome WritePower(const PowerValues& values, RadioImage& image, const LinkSession& link, PowerLists lists) {
    const PowerWriteOutcome write = WritePowerSetting(values, image, link, lists);
    ExchangeOutcome outcome;
    outcome.link = write.link;
    outcome.blocksWritten = write.blocksWritten;
    outcome.holds = write.writing ? HoldsAfterWrite(write.link.status) : RadioHolds::Unchanged;
    return outcome;
}

LinkSession AskingThrough(Messenger& messenger, LinkSession link) {
    link.hooks.retryHandshake = [&messenger](const Text& detail) {
        return messenger.retryWithDetail(kMsgCommunicationError, detail);
    };
    return link;
}

std::function<bool(const Text&)> RetryTimes(int times, std::function<bool()> cancelled) {
    auto left = std::make_shared<int>(times);
    return [left, cancelled](const Text&) {
        if ((cancelled && cancelled()) || *left <= 0) return false;
        --*left;
        return true;
    };
}

}  // namespace zem
