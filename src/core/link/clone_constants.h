#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace zem {

// The facts of the radio's clone protocol in one place: the bytes of every
// frame, the size of the image the full transfer moves, and the four timing
// sets (full read, full write, power read, power write).

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kIdentifyRequest = 0x02;
constexpr std::uint8_t kReadCommand = 0x52;   // 'R'
constexpr std::uint8_t kWriteCommand = 0x57;  // 'W'
constexpr std::uint8_t kBlockLengthByte = 0x08;

// Sent one byte at a time to wake the radio into programming mode.
constexpr std::array<std::uint8_t, 7> kMagic = {'w', 'V', 'K', 'D', 'T', 'N', 'E'};

// The receive buffer is preset with this byte, so a one-byte read that times
// out is never taken for an acknowledgement.
constexpr std::uint8_t kNoReplyByte = 0x6D;  // 'm'
// After a good write acknowledgement the buffer's first byte is set to this.
constexpr std::uint8_t kAfterWriteAckByte = 0x09;

constexpr std::size_t kBlockSize = 8;
constexpr std::size_t kRequestSize = 4;        // command, address high, address low, length
constexpr std::size_t kReplyHeaderSize = 4;    // the radio's own byte, then the request's address and length
constexpr std::size_t kReadReplySize = kReplyHeaderSize + kBlockSize;
constexpr std::size_t kIdentificationSize = 8;  // not examined

// The full transfer moves blocks 0..121: image bytes 0x000-0x3CF. The power
// values at 0x3D0-0x3DF move only through the service exchanges, and
// 0x3E0-0x3FF never leave the program file.
constexpr int kTransferBlockCount = 122;
constexpr std::size_t kTransferEnd = kTransferBlockCount * kBlockSize;  // 0x3D0

constexpr int kMagicAttempts = 15;
constexpr int kPumpsBeforeMagic = 12;
constexpr int kPumpsBeforeFinalAck = 13;
constexpr int kPumpsAfterMissingFinalAck = 601;

// The request or header of a block: command, big-endian address, length 8.
constexpr std::array<std::uint8_t, kRequestSize> BlockFrame(std::uint8_t command, std::uint16_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            kBlockLengthByte};
}

// How one kind of exchange paces itself. A pump is one step of the caller's
// pump hook (the window's message loop, or nothing on a worker thread).
struct TimingSet {
    std::chrono::milliseconds headerToData;      // write: between header and data
    std::chrono::milliseconds beforeReadAck;     // read: before the PC acknowledges a reply
    int pumpsAfterBlock;                         // pumps after each block, without pauses
    std::chrono::milliseconds pauseAfterPumps;   // one pause after those pumps
    bool pollsCancel;                            // the user's cancel is looked at in the pumps
};

constexpr TimingSet kFullReadTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(3), 49,
                                    std::chrono::milliseconds(4), true};
constexpr TimingSet kFullWriteTiming{std::chrono::milliseconds(1), std::chrono::milliseconds(0), 51,
                                     std::chrono::milliseconds(1), true};
constexpr TimingSet kPowerReadTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(15), 99,
                                     std::chrono::milliseconds(20), false};
constexpr TimingSet kPowerWriteTiming{std::chrono::milliseconds(1), std::chrono::milliseconds(0), 201,
                                      std::chrono::milliseconds(2), false};

// Short pauses of the handshake and between the handshake and the blocks.
constexpr std::chrono::milliseconds kStepPause{1};
constexpr std::chrono::milliseconds kMagicRetryPause{2};

}  // namespace zem
