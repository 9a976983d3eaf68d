#include "service/power_setting.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <algorithm>

namespace zem {

namespace {

// The service exchanges run without status, progress or cancel: only the
// pump and the pauses of the caller apply. A radio that does not answer is
// asked about through messenger.
LinkHooks ServiceHooks(const LinkHooks& hooks, Messenger& messenger) {
    LinkHooks service;
    service.pump = hooks.pump;
    service.sleep = hooks.sleep;
    service.retryHandshake = [&messenger](const std::string& detail) {
        return messenger.retryWithDetail(kMsgCommunicationError, detail);
    };
    return service;
}

// Opens the session's port; a port that does not open is said through messenger.
std::unique_ptr<SerialPort> OpenServicePort(const LinkSession& session, Messenger& messenger, LinkOutcome& failure) {
    auto port = OpenSessionPort(session, ServiceTimeouts, failure);
    if (!port) messenger.notice(failure.message);
    return port;
}

constexpr std::uint16_t kChannelStageEnd = 0x0B0;  // image bytes 0x000-0x0AF: 22 blocks

// Reads the blocks [begin, end) into a copy and only then into image, so a
// stage either arrives whole or leaves image as it was. Shows the message of
// a failed block.
LinkOutcome ReadStage(CloneProtocol& protocol, std::uint16_t begin, std::uint16_t end, RadioImage& image,
                      Messenger& messenger) {
    RadioImage working = image;
    for (std::uint16_t address = begin; address < end; address += kBlockSize) {
        BlockOutcome r = protocol.ReadBlock(address, kPowerReadTiming, working.data() + address);
        if (r.result != BlockResult::Ok) {
            LinkOutcome failed{LinkStatus::Failed, BlockFailureMessage(r.result), r.detail};
            messenger.notice(failed.message);
            return failed;
        }
    }
    std::copy(working.data() + begin, working.data() + end, image.data() + begin);
    return {};
}

}  // namespace

PowerReadOutcome ReadPowerSetting(RadioImage& image, const LinkSession& session, Messenger& messenger) {
    PowerReadOutcome outcome;
    auto port = OpenServicePort(session, messenger, outcome.link);
    if (!port) return outcome;
    CloneProtocol protocol(*port, ServiceHooks(session.hooks, messenger));
    if (protocol.EnterProgrammingMode() == HandshakeResult::Abandoned) {
        port->close();
        outcome.link = {LinkStatus::Abandoned, {}, protocol.handshakeDetail()};
        return outcome;
    }
    protocol.pause(kStepPause);
    // A failed stage does not stop the next one: the power values are worth
    // having even when the channel bytes did not come.
    LinkOutcome channels = ReadStage(protocol, 0x000, kChannelStageEnd, image, messenger);
    LinkOutcome power = ReadStage(protocol, kPowerCalibrationOffset,
                                  kPowerCalibrationOffset + kPowerCalibrationSize, image, messenger);
    port->close();
    outcome.link = power.completed() ? channels : power;
    if (!channels.completed() && !power.completed()) outcome.link.detail = channels.detail + "; " + power.detail;
    outcome.refreshValues = true;
    return outcome;
}

LinkOutcome WritePowerSetting(const PowerValues& values, RadioImage& image, const LinkSession& session,
                              Messenger& messenger, PowerLists lists) {
    LinkOutcome outcome;
    auto port = OpenServicePort(session, messenger, outcome);
    if (!port) return outcome;
    CloneProtocol protocol(*port, ServiceHooks(session.hooks, messenger));
    if (protocol.EnterProgrammingMode() == HandshakeResult::Abandoned) {
        port->close();
        return {LinkStatus::Abandoned, {}, protocol.handshakeDetail()};
    }
    // The radio's own bytes 0x3DE and 0x3DF go back as they are, so read the
    // whole row first; without it nothing is written.
    outcome = ReadStage(protocol, kPowerCalibrationOffset, kPowerCalibrationOffset + kPowerCalibrationSize, image,
                        messenger);
    if (!outcome.completed()) {
        port->close();
        return outcome;
    }
    PowerValues sent = PowerValuesFromImage(image);
    if (lists.low) sent.low = values.low;
    if (lists.high) sent.high = values.high;
    StorePowerValues(sent, image);
    for (std::size_t offset = 0; offset < kPowerCalibrationSize; offset += kBlockSize) {
        auto address = static_cast<std::uint16_t>(kPowerCalibrationOffset + offset);
        BlockOutcome r = protocol.WriteBlock(address, kPowerWriteTiming, image.data() + address);
        if (r.result != BlockResult::Ok) {
            outcome = {LinkStatus::Failed, kMsgPowerWriteInterrupted, r.detail};
            messenger.notice(outcome.message);
            break;
        }
    }
    port->close();
    return outcome;
}

}  // namespace zem
