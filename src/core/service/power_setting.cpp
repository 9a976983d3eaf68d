#include "service/power_setting.h"

#include "link/clone_constants.h"
#include "link/link_messages.h"

#include <algorithm>

namespace zem {

namespace {

// The service exchanges run without status, progress or cancel: only the
// pump, the pauses and the handshake's question of the caller apply.
LinkHooks ServiceHooks(const LinkHooks& hooks) {
    LinkHooks service;
    service.pump = hooks.pump;
    service.sleep = hooks.sleep;
    service.retryHandshake = hooks.retryHandshake;
    return service;
}

constexpr std::uint16_t kChannelStageEnd = 0x0B0;  // image bytes 0x000-0x0AF: 22 blocks

// Reads the blocks [begin, end) into a copy and only then into image, so a
// stage either arrives whole or leaves image as it was. A failed block's
// message is the outcome's.
LinkOutcome ReadStage(CloneProtocol& protocol, std::uint16_t begin, std::uint16_t end, RadioImage& image) {
    RadioImage working = image;
    for (std::uint16_t address = begin; address < end; address += kBlockSize) {
        BlockOutcome r = protocol.ReadBlock(address, kPowerReadTiming, working.data() + address);
        if (r.result != BlockResult::Ok) return {LinkStatus::Failed, BlockFailureMessage(r.result), r.detail};
    }
    std::copy(working.data() + begin, working.data() + end, image.data() + begin);
    return {};
}

}  // namespace

PowerReadOutcome ReadPowerSetting(RadioImage& image, const LinkSession& session) {
    PowerReadOutcome outcome;
    auto port = OpenSessionPort(session, ServiceTimeouts, outcome.link);
    if (!port) {
        outcome.messages.push_back(outcome.link.message);
        return outcome;
    }
    CloneProtocol protocol(*port, ServiceHooks(session.hooks));
    if (protocol.EnterProgrammingMode() == HandshakeResult::Abandoned) {
        port->close();
        outcome.link = {LinkStatus::Abandoned, {}, protocol.handshakeDetail()};
        return outcome;
    }
    protocol.pause(kStepPause);
    // A failed stage does not stop the next one: the power values are worth
    // having even when the channel bytes did not come.
    LinkOutcome channels = ReadStage(protocol, 0x000, kChannelStageEnd, image);
    LinkOutcome power =
        ReadStage(protocol, kPowerCalibrationOffset, kPowerCalibrationOffset + kPowerCalibrationSize, image);
    port->close();
    for (const LinkOutcome* stage : {&channels, &power})
        if (!stage->completed()) outcome.messages.push_back(stage->message);
    outcome.link = power.completed() ? channels : power;
    if (!channels.completed() && !power.completed()) outcome.link.detail = Text::Joined({channels.detail, power.detail}, "; ");
    outcome.refreshValues = true;
    return outcome;
}

PowerWriteOutcome WritePowerSetting(const PowerValues& values, RadioImage& image, const LinkSession& session,
                                    PowerLists lists) {
    PowerWriteOutcome outcome;
    auto port = OpenSessionPort(session, ServiceTimeouts, outcome.link);
    if (!port) return outcome;
    CloneProtocol protocol(*port, ServiceHooks(session.hooks));
    if (protocol.EnterProgrammingMode() == HandshakeResult::Abandoned) {
        port->close();
        outcome.link = {LinkStatus::Abandoned, {}, protocol.handshakeDetail()};
        return outcome;
    }
    // The radio's own bytes 0x3DE and 0x3DF go back as they are, so read the
    // whole row first; without it nothing is written.
    outcome.link =
        ReadStage(protocol, kPowerCalibrationOffset, kPowerCalibrationOffset + kPowerCalibrationSize, image);
    if (!outcome.link.completed()) {
        port->close();
        return outcome;
    }
    PowerValues sent = PowerValuesFromImage(image);
    if (lists.low) sent.low = values.low;
    if (lists.high) sent.high = values.high;
    StorePowerValues(sent, image);
    outcome.writing = true;
    for (std::size_t offset = 0; offset < kPowerCalibrationSize; offset += kBlockSize) {
        auto address = static_cast<std::uint16_t>(kPowerCalibrationOffset + offset);
        BlockOutcome r = protocol.WriteBlock(address, kPowerWriteTiming, image.data() + address);
        if (r.result != BlockResult::Ok) {
            outcome.link = {LinkStatus::Failed, LinkText(kMsgPowerWriteInterrupted), r.detail};
            break;
        }
        ++outcome.blocksWritten;
    }
    port->close();
    return outcome;
}

}  // namespace zem
