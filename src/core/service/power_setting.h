#pragma once

#include "document/radio_image.h"
#include "link/link_session.h"
#include "messenger.h"
#include "service/power_points.h"

namespace zem {

struct PowerReadOutcome {
    LinkOutcome link;
    // The handshake passed: the dialog's values and the channel page show
    // what the image now holds, even when a stage failed.
    bool refreshValues = false;
};

// The dialog's "Read": with the service time-outs, reads image bytes
// 0x000-0x0AF (22 blocks), then the power values 0x3D0-0x3DF (2 blocks).
// Each stage changes image only when all its blocks arrived; a failed block
// shows its message and skips the rest of its stage, and the next stage
// still runs. Take the values with PowerValuesFromImage afterwards.
PowerReadOutcome ReadPowerSetting(RadioImage& image, const LinkSession& session, Messenger& messenger);

// Which value lists a power write takes from the caller; a list left out
// goes back to the radio as the radio holds it.
struct PowerLists {
    bool low = true;
    bool high = true;
};

// The dialog's "Write": reads the radio's 0x3D0-0x3DF first (so 0x3DE and
// 0x3DF, and any list not in lists, go back unchanged), stores values into
// image, then writes the blocks at 0x3D0 and 0x3D8. A failed preliminary read
// ends the exchange before anything is written and leaves image as it was.
LinkOutcome WritePowerSetting(const PowerValues& values, RadioImage& image, const LinkSession& session,
                              Messenger& messenger, PowerLists lists = {});

}  // namespace zem
