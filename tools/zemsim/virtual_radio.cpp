#include "virtual_radio.h"

#include "link/clone_constants.h"

#include <algorithm>

namespace zem::sim {

const std::uint8_t VirtualRadio::kIdentification[8] = {'Z', 'E', 'M', 'S', 'I', 'M', 0x01, 0x00};

VirtualRadio::VirtualRadio(RadioImage memory, RadioFaults faults) : memory_(memory), faults_(faults) {}

RadioReply VirtualRadio::receive(std::uint8_t byte) {
    RadioReply reply;
    if (recording_) received_.push_back(byte);
    if (faults_.ackOnly) {
        // As much filler as a block reply, so that every read is filled.
        reply.bytes.assign(kReadReplySize, kAck);
        return reply;
    }
    switch (state_) {
    case State::Idle:
        reply = matchWakeUp(byte);
        break;
    case State::WaitIdentify:
        if (byte == kIdentifyRequest) {
            reply.bytes.assign(std::begin(kIdentification), std::end(kIdentification));
            state_ = State::WaitFinalAck;
        } else {
            state_ = State::Idle;
            reply = matchWakeUp(byte);
        }
        break;
    case State::WaitFinalAck:
        if (byte == kAck && !faults_.noFinalAck) {
            reply.bytes.push_back(kAck);
            state_ = State::Command;
        } else {
            state_ = State::Idle;
            reply = matchWakeUp(byte);
        }
        break;
    case State::Command:
        reply = command(byte);
        break;
    case State::ReadAck:
        state_ = State::Command;
        if (byte == kAck) {
            if (faults_.noAckAt != pendingReadAck_) reply.bytes.push_back(kAck);
        } else {
            reply = command(byte);
        }
        break;
    case State::WriteData:
        frame_.push_back(byte);
        if (frame_.size() == kRequestSize + kBlockSize) reply = frameComplete();
        break;
    }
    if (faults_.echo) reply.bytes.insert(reply.bytes.begin(), byte);
    if (faults_.silent) reply.bytes.clear();
    return reply;
}

// Idle: waits for the seven wake-up bytes in a row.
RadioReply VirtualRadio::matchWakeUp(std::uint8_t byte) {
    RadioReply reply;
    if (byte != kMagic[wakeUpMatched_]) wakeUpMatched_ = 0;
    if (byte != kMagic[wakeUpMatched_]) return reply;
    if (++wakeUpMatched_ < kMagic.size()) return reply;
    wakeUpMatched_ = 0;
    if (faults_.ignoreWakeUps > 0) {
        --faults_.ignoreWakeUps;
        return reply;
    }
    reply.bytes.push_back(kAck);
    state_ = State::WaitIdentify;
    return reply;
}

// In programming mode: collects a 4-byte request or header.
RadioReply VirtualRadio::command(std::uint8_t byte) {
    if (frame_.empty() && byte != kReadCommand && byte != kWriteCommand) {
        // Not a block frame: the PC has started over with a wake-up.
        state_ = State::Idle;
        return matchWakeUp(byte);
    }
    frame_.push_back(byte);
    if (frame_.size() < kRequestSize) return {};
    if (frame_[3] != kBlockLengthByte) {
        frame_.clear();
        return {};
    }
    if (frame_[0] == kWriteCommand) {
        state_ = State::WriteData;
        return {};
    }
    return frameComplete();
}

RadioReply VirtualRadio::frameComplete() {
    RadioReply reply;
    auto address = static_cast<std::uint16_t>(frame_[1] << 8 | frame_[2]);
    bool write = frame_[0] == kWriteCommand;
    std::vector<std::uint8_t> frame;
    frame.swap(frame_);
    state_ = State::Command;
    reply.blockFrame = true;
    if (faults_.hangUpAt == address) {
        reply.hangUp = true;
        return reply;
    }
    if (address + kBlockSize > kImageSize) return reply;  // outside the memory: no answer
    if (write) {
        if (!faults_.ignoreWrites && faults_.dropWriteAt != address) {
            std::copy(frame.begin() + kRequestSize, frame.end(), memory_.data() + address);
            reply.memoryChanged = true;
        }
        if (faults_.noAckAt != address && faults_.noWriteAckAt != address) reply.bytes.push_back(kAck);
        return reply;
    }
    std::uint16_t answered = address;
    if (faults_.misaddressAt == address) {
        answered = faults_.answerFor.value_or(static_cast<std::uint16_t>(address + kBlockSize));
        if (answered + kBlockSize > kImageSize) answered = 0;
    }
    reply.bytes = {kWriteCommand, static_cast<std::uint8_t>(answered >> 8), static_cast<std::uint8_t>(answered & 0xFF),
                   kBlockLengthByte};
    reply.bytes.insert(reply.bytes.end(), memory_.data() + answered, memory_.data() + answered + kBlockSize);
    if (faults_.shortReplyAt == address) reply.bytes.resize(std::min(faults_.shortReplyLength, reply.bytes.size()));
    if (faults_.repeatByteAt == address && faults_.repeatedByte < reply.bytes.size())
        reply.bytes.insert(reply.bytes.begin() + static_cast<std::ptrdiff_t>(faults_.repeatedByte),
                           reply.bytes[faults_.repeatedByte]);
    pendingReadAck_ = address;
    state_ = State::ReadAck;
    return reply;
}

}  // namespace zem::sim
