#pragma once

#include "document/radio_image.h"
#include "link/link_session.h"
#include "messenger.h"

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
// calls it from a worker thread. The caller stores the pages into the image
// before a write and fills them afterwards as the outcome says.
TransferOutcome RunTransfer(TransferDirection direction, RadioImage& image, const LinkSession& session,
                            Messenger& messenger);

// What a read-back after a write found.
struct VerifyOutcome {
    LinkOutcome link;      // of the read-back; its failures have been reported
    bool checked = false;  // the read-back completed and was compared
    // The first difference between the bytes written and the radio's, as a
    // line of DiffDocuments with the written value first
    // ("channel 3 Receive: 145.00000 -> 146.00000"); empty when they agree.
    std::string mismatch;
    bool matches() const { return checked && mismatch.empty(); }
};

// Reads the radio back, as RunTransfer does, and compares bytes
// 0x000-0x3CF, the bytes a write sends, with written. The write before it
// went through whole, so a read-back that fails says so: its message is
// kMsgVerifyReadFailed followed by the failure ("Not received enough
// byte"), also when the user gave up on a radio that did not answer. A
// cancelled read-back says nothing.
VerifyOutcome VerifyWrite(const RadioImage& written, const LinkSession& session, Messenger& messenger);

// The first difference between written and readBack over bytes
// 0x000-0x3CF in the pages' words; empty when they agree there.
std::string FirstWriteMismatch(const RadioImage& written, const RadioImage& readBack);

// The message of a verify that found mismatch (a FirstWriteMismatch line).
std::string VerifyMismatchMessage(const std::string& mismatch);

}  // namespace zem
