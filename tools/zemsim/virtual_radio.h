#pragma once

#include "document/radio_image.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zem::sim {

// Misbehaviours the virtual radio can be asked for, to show how the program
// copes with a radio that is off, confused or unplugged.
struct RadioFaults {
    bool silent = false;             // answers nothing at all
    int ignoreWakeUps = 0;           // ignores the first N wake-up sequences
    bool noFinalAck = false;         // does not confirm the PC's final 0x06
    std::optional<std::uint16_t> shortReplyAt;  // sends only shortReplyLength bytes for this block
    std::size_t shortReplyLength = 9;
    std::optional<std::uint16_t> noAckAt;       // withholds the acknowledgement of this block
    std::optional<std::uint16_t> noWriteAckAt;  // the same, for a written block only
    std::optional<std::uint16_t> hangUpAt;      // drops the line when this block is asked for
    std::optional<std::uint16_t> dropWriteAt;   // acknowledges this written block but keeps its old bytes
    bool echo = false;               // every byte received comes straight back (a cable fault)
    std::optional<std::uint16_t> repeatByteAt;  // the cable doubles one byte of the reply to this block
    std::size_t repeatedByte = 6;               // which byte of the 12, 0-11
    std::optional<std::uint16_t> misaddressAt;  // answers the read of this block for another one:
    std::optional<std::uint16_t> answerFor;     // that block's header and bytes (default: the next block)
    bool ackOnly = false;            // no radio, a faulty adapter: every byte is answered with 12 x 0x06
    bool ignoreWrites = false;       // acknowledges written blocks but keeps its old memory
};

// What the radio does after one received byte.
struct RadioReply {
    std::vector<std::uint8_t> bytes;  // to send, in order
    bool hangUp = false;              // drop the line now
    bool memoryChanged = false;       // a written block was stored
    bool blockFrame = false;          // a block read or write frame was complete
};

// The radio's side of the clone protocol as a byte-in, bytes-out state
// machine: ACK to the wake-up sequence, the 8-byte identification to 0x02,
// ACK to the PC's final ACK, a 12-byte reply to a block read and an ACK to
// the PC's ACK of it, an ACK to a written block.
class VirtualRadio {
public:
    explicit VirtualRadio(RadioImage memory, RadioFaults faults = {});

    RadioReply receive(std::uint8_t byte);

    const RadioImage& memory() const { return memory_; }

    // Keeps every received byte, for tests that check the frames on the line.
    void recordReceived(bool on) { recording_ = on; }
    const std::vector<std::uint8_t>& received() const { return received_; }

    // What the radio answers to 0x02.
    static const std::uint8_t kIdentification[8];

private:
    enum class State { Idle, WaitIdentify, WaitFinalAck, Command, ReadAck, WriteData };

    RadioReply matchWakeUp(std::uint8_t byte);
    RadioReply command(std::uint8_t byte);
    RadioReply frameComplete();

    RadioImage memory_;
    RadioFaults faults_;
    State state_ = State::Idle;
    std::size_t wakeUpMatched_ = 0;
    std::vector<std::uint8_t> frame_;
    std::uint16_t pendingReadAck_ = 0;
    bool recording_ = false;
    std::vector<std::uint8_t> received_;
};

}  // namespace zem::sim
