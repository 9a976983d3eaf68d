#pragma once

#include "document/radio_image.h"
#include "link/serial_port.h"
#include "session/radio_exchange.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace zem {

// Where a radio of a fleet run is.
enum class RadioState {
    Waiting,    // for the port, or (one cable, many radios) for the next radio
    BackingUp,  // reading the radio into its backup file
    Writing,
    Verifying,  // reading it back and comparing with the plan
    Done,
    Failed,
};

// "waiting", "backing up", "writing", "verifying", "done", "failed":
// marked in kTextLink, so the window shows them in its language.
const char* RadioStateText(RadioState state);

// What one radio gets, in this order: an optional backup (a full read saved
// as a program file before any block is written), the write of the plan's
// bytes 0x000-0x3CF, an optional verify (a full read compared with the plan).
struct RadioJobOptions {
    bool verify = false;
    std::string backupFolder;  // empty: no backup
    // The handshake's Retry/Cancel question has nobody to answer it: Retry
    // this many times, then the radio fails.
    int retries = 0;
    // A pause; empty means a real sleep (tests pass a shorter one).
    std::function<void(std::chrono::milliseconds)> sleep;
};

// The outcome of one radio.
struct RadioJobResult {
    bool ok = false;
    // The port was missing or given twice: no radio was tried on it.
    bool noRadio = false;
    RadioState failedIn = RadioState::Waiting;  // the step that failed
    Text message;            // the message a user would have seen, e.g. "Not received enough byte"
    Text detail;             // what the link or the verify found out
    std::string backupPath;  // the backup written, or ""
    RadioHolds holds = RadioHolds::Unchanged;
    int blocksWritten = 0;   // blocks the radio acknowledged in the write

    // The radio holds neither what it held before nor the plan: its backup
    // (when there is one) is the way back.
    bool needsRestore() const { return !ok && holds != RadioHolds::Unchanged && holds != RadioHolds::Checked; }
    // "the radio holds a partial write (32 of 122 blocks)" and the like;
    // empty when ok or when no radio was tried.
    Text holdsText() const;
    // In English, for a report and zemtool:
    // "message (step: detail)", or "" when ok.
    std::string describeFailure() const;
    // "message (step: detail); what the radio holds; its backup", and, for a
    // radio that needs restoring from its backup, "; to put it back: " and
    // wayBack when given. "" when ok.
    std::string describe(const std::string& wayBack = {}) const;
};

// Reports of a running job: the step it is in, and blocks done out of the
// blocks of all its steps (122 per step).
struct RadioJobHooks {
    std::function<void(RadioState state)> state;
    std::function<void(int done, int total)> progress;
};

// Programs the radio on an open port with the plan. Every step starts with
// a fresh handshake; the port stays open for the whole job and is the
// caller's to close. cancelled is looked at in every wait and after every
// block. The backup's name holds portNumber (the port's place in the run)
// and nth (the radio's on its port).
RadioJobResult ProgramRadio(SerialPort& port, const std::string& portName, const RadioImage& plan,
                            const RadioJobOptions& options, const std::atomic<bool>& cancelled,
                            const RadioJobHooks& hooks, int portNumber = 1, int nth = 1);

// One quiet wake-up on an open port: the seven wake-up bytes and a wait of
// up to about a second for the acknowledgement; nothing is shown to anyone.
enum class ProbeResult { Answered, Silent, LineFailed };
ProbeResult ProbeRadio(SerialPort& port, const std::function<void(std::chrono::milliseconds)>& sleep = {});

}  // namespace zem
