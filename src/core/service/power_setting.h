#pragma once

#include "document/radio_image.h"
#include "link/link_session.h"
#include "service/power_points.h"

#include <string>
#include <vector>

namespace zem {

struct PowerReadOutcome {
    // The whole read: the open failure or the given-up handshake, else the
    // failed stage (the power stage's when both failed).
    LinkOutcome link;
    // What the caller shows the user once the exchange has ended, in order:
    // the open failure's message, or each failed stage's (channels, then
    // power). The last one is link.message.
    std::vector<Text> messages;
    // The handshake passed: the dialog's values and the channel page show
    // what the image now holds, even when a stage failed.
    bool refreshValues = false;
};

// The service exchanges never speak to the user: a radio that does not
// answer the handshake is left to the session's retryHandshake hook (the
// callers ask "Communication error ,..."), and the caller shows the
// outcome's messages. Of the session's other hooks only pump and sleep
// apply: there is no status, progress or cancel.

// The dialog's "Read": with the service time-outs, reads image bytes
// 0x000-0x0AF (22 blocks), then the power values 0x3D0-0x3DF (2 blocks).
// Each stage changes image only when all its blocks arrived; a failed block
// adds its message and skips the rest of its stage, and the next stage
// still runs. Take the values with PowerValuesFromImage afterwards.
PowerReadOutcome ReadPowerSetting(RadioImage& image, const LinkSession& session);

// Which value lists a power write takes from the caller; a list left out
// goes back to the radio as the radio holds it.
struct PowerLists {
    bool low = true;
    bool high = true;
};

struct PowerWriteOutcome {
    // The open failure, the failed read or the interrupted write; its
    // message is the only one the caller shows.
    LinkOutcome link;
    bool writing = false;   // the preliminary read passed: the blocks went on the line
    int blocksWritten = 0;  // of the two, acknowledged by the radio
};

// The dialog's "Write": reads the radio's 0x3D0-0x3DF first (so 0x3DE and
// 0x3DF, and any list not in lists, go back unchanged), stores values into
// image, then writes the blocks at 0x3D0 and 0x3D8. A failed preliminary read
// ends the exchange before anything is written and leaves image as it was.
PowerWriteOutcome WritePowerSetting(const PowerValues& values, RadioImage& image, const LinkSession& session,
                              PowerLists lists = {});

}  // namespace zem
