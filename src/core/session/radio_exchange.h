#pragma once

#include "document/radio_image.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "messenger.h"
#include "service/power_setting.h"

#include <functional>
#include <string>
#include <vector>

namespace zem {

// What the radio holds after an exchange, as far as the program knows.
enum class RadioHolds {
    Unchanged,         // no block was written (a read, or a write that never got past the handshake)
    PartialWrite,      // the write stopped among its blocks: part of the new program, part of the old
    WrittenUnchecked,  // the whole write was taken; not read back, or the read-back did not end
    WrittenDiffers,    // the whole write was taken, but the read-back differs from it
    Checked,           // the whole write was taken and the read-back holds it
};

// The report's short word: "unchanged", "partial", "unchecked", "differs", "checked".
const char* RadioHoldsWord(RadioHolds holds);

// The one rule for a write that did not complete: once it got past the
// handshake its first block was on the line, and whatever ended it (a
// failed block, the user's cancel, a line that went away) the radio may
// hold part of the new program.
RadioHolds HoldsAfterWrite(LinkStatus status);

// The outcome of one exchange with a radio through the session.
struct ExchangeOutcome {
    // The exchange's own, or the read-back's once the whole write was taken
    // (its message then says that the write went through). The front end
    // shows link.message first.
    LinkOutcome link;
    // A complete read: the pages fill from the image.
    bool refreshPages = false;
    // A complete read, or a write that got past the handshake: the channel
    // page is shown again.
    bool returnToChannelTab = false;
    RadioHolds holds = RadioHolds::Unchanged;
    int blocksWritten = 0;     // blocks the radio acknowledged in a write
    bool verifyTried = false;  // the whole write was taken and read back, whatever came of it
    VerifyOutcome verify;
    // What the radio now holds in words, shown after link.message: the
    // partial-write warning, or the first difference the read-back found;
    // empty otherwise. holdsMessage is its English.
    Text holdsText;
    std::string holdsMessage;
    // The messages of stages that failed before the one link tells of (a
    // power read's channel stage when its power stage failed too).
    std::vector<Text> earlierMessages;

    bool completed() const { return link.completed(); }
    // What the exchange itself says once it has ended, in order: the
    // earlier stages' messages, then link.message (holdsMessage follows).
    std::vector<Text> messages() const {
        std::vector<Text> all = earlierMessages;
        if (!link.message.empty()) all.push_back(link.message);
        return all;
    }
};

// Reads the radio's bytes 0x000-0x3CF into image (changed only by a
// complete read), as RunTransfer does.
ExchangeOutcome ReadRadio(RadioImage& image, const LinkSession& link);

// Writes image's bytes 0x000-0x3CF and, when verify is set and the write
// went through whole, reads the radio back and compares; verifying is told
// between the two. readBack, when given, receives what the read-back found.
ExchangeOutcome WriteRadio(const RadioImage& image, const LinkSession& link, bool verify,
                           const std::function<void()>& verifying = {}, RadioImage* readBack = nullptr);

// On Line Power Set's Read (ReadPowerSetting): the radio is only read. A
// read that got past the handshake refreshes the pages and the dialog's
// values from image, whichever stage failed.
ExchangeOutcome ReadPower(RadioImage& image, const LinkSession& link);

// On Line Power Set's Write (WritePowerSetting): the values stored into
// image are what the document keeps, however far the write came. Stopped
// among its two blocks, the radio holds part of them (link.message says
// so); a complete write is not read back.
ExchangeOutcome WritePower(const PowerValues& values, RadioImage& image, const LinkSession& link,
                           PowerLists lists = {});

// The session's link with the one handshake question: a radio that does not
// answer is asked about through messenger ("Communication error ,...", Retry
// and Cancel, with what the program found out under the details).
LinkSession AskingThrough(Messenger& messenger, LinkSession link);

// The handshake answer where nobody sits in front of the radio: Retry this
// many times, unless cancelled says the run was stopped.
std::function<bool(const Text&)> RetryTimes(int times, std::function<bool()> cancelled = {});

}  // namespace zem
