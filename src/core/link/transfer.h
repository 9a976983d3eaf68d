#pragma once

#include "document/radio_image.h"
#include "link/link_session.h"

#include <cstdint>
#include <vector>

namespace zem {

enum class TransferDirection { Read, Write };

struct TransferOutcome {
    LinkOutcome link;
    // A complete read: the three pages fill from the image.
    bool refreshPages = false;
    // A complete read, or a write that got past the handshake: the window
    // shows the channel tab again.
    bool returnToChannelTab = false;
};

// Reads the radio's bytes 0x000-0x3CF into image, or writes them from it,
// over the session's port with the clone time-outs: open, the status text
// "Now are detecting communication port,Please wait...", the handshake, the
// 122 blocks with one progress step each, close. The port is closed on every
// path after a successful open.
//
// A read changes image only when all 122 blocks arrived; a failed or
// cancelled read leaves it exactly as it was. Bytes 0x3D0-0x3FF are never
// touched. A write never changes image.
//
// Runs on the calling thread and blocks until the exchange ends; the window
// calls it from a worker thread. It never speaks to the user: the session's
// hooks decide on a radio that does not answer, and the caller shows the
// outcome's message. The caller stores the pages into the image before a
// write and fills them afterwards as the outcome says.
TransferOutcome RunTransfer(TransferDirection direction, RadioImage& image, const LinkSession& session);

// One byte in which the radio's read-back differs from what was written.
struct ByteDifference {
    std::uint16_t address = 0;
    std::uint8_t written = 0;
    std::uint8_t radio = 0;
};

// What a read-back after a write found.
struct VerifyOutcome {
    LinkOutcome link;      // of the read-back
    bool checked = false;  // the read-back completed and was compared
    // The bytes 0x000-0x3CF in which the radio differs from the bytes
    // written, in address order; empty when they agree. The callers word
    // them (VerifyMismatchMessage in compare/).
    std::vector<ByteDifference> differences;
    bool matches() const { return checked && differences.empty(); }
};

// Reads the radio back, as RunTransfer does, and compares bytes
// 0x000-0x3CF, the bytes a write sends, with written. The write before it
// went through whole, so a read-back that fails says so: its message is
// kMsgVerifyReadFailedBecause with the failure ("Not received enough
// byte"), also when the user gave up on a radio that did not answer. A
// cancelled read-back has no message. readBack, when given, receives what
// a complete read-back found.
VerifyOutcome VerifyWrite(const RadioImage& written, const LinkSession& session, RadioImage* readBack = nullptr);

// The bytes 0x000-0x3CF, the bytes a write sends, in which readBack differs
// from written, in address order.
std::vector<ByteDifference> WriteDifferences(const RadioImage& written, const RadioImage& readBack);

}  // namespace zem
