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

}  // namespace zem
