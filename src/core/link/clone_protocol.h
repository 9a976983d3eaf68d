#pragma once

#include "link/clone_constants.h"
#include "link/serial_port.h"
#include "text.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace zem {

// What the caller of an exchange lends it. Every member may be empty.
// An exchange runs wherever its caller runs it: the window runs it on a
// worker thread and posts status and progress to itself, so none of these
// may touch widgets directly.
struct LinkHooks {
    // The status line: "Waiting the response from radio..." at every
    // handshake attempt, and so on.
    std::function<void(const std::string& text)> status;
    // After each finished block: blocks done so far and the blocks of the run.
    std::function<void(int done, int total)> progress;
    // True once the user asked to cancel; looked at in the waits.
    std::function<bool()> cancelled;
    // One step of the caller's message loop; a worker thread leaves it empty
    // or yields.
    std::function<void()> pump;
    // A pause; empty means a real sleep of the calling thread.
    std::function<void(std::chrono::milliseconds)> sleep;
    // The caller's answer once the radio did not answer the handshake
    // (detail says what the program found out, a text marked in kTextLink):
    // true wakes it again on the open port, false gives up. The window and zemtool ask the user
    // "Communication error ,..." with Retry and Cancel; a fleet answers by
    // its retry count. Empty: give up.
    std::function<bool(const Text& detail)> retryHandshake;
};

enum class HandshakeResult {
    Entered,    // the radio is in programming mode
    Abandoned,  // the radio did not answer and the caller gave up, or the user cancelled
};

enum class BlockResult {
    Ok,
    ShortReply,  // the radio sent fewer than 12 bytes for a block read
    NoAck,       // the radio did not acknowledge
    BadReply,    // a whole reply came, but not the one asked for: another
                 // block's, or with a byte too many; it was not taken
    Cancelled,   // the user cancelled in the pumps after the block
};

struct BlockOutcome {
    BlockResult result = BlockResult::Ok;
    bool lineFailed = false;  // the serial line reported an I/O error
    Text detail;              // what happened, for the user's details
};

// The conversation with the radio over an open port: the handshake, then
// 8-byte block reads and writes. The port stays the caller's to close.
class CloneProtocol {
public:
    explicit CloneProtocol(SerialPort& port, LinkHooks hooks = {});

    // Wakes the radio into programming mode. After 15 unanswered wake-ups,
    // or when the radio ignores the PC's final acknowledgement, lets the
    // hooks' retryHandshake decide whether to start over. It never speaks to
    // the user itself.
    HandshakeResult EnterProgrammingMode();

    // Reads the 8 bytes at address into destination. destination changes
    // only when the whole 12-byte reply arrived, its header echoes the
    // request's address and length, and nothing followed it.
    BlockOutcome ReadBlock(std::uint16_t address, const TimingSet& timing, std::uint8_t* destination);

    // Writes the 8 bytes of source to address.
    BlockOutcome WriteBlock(std::uint16_t address, const TimingSet& timing, const std::uint8_t* source);

    // The total the progress hook reports with each block.
    void setProgressTotal(int total) { progressTotal_ = total; }

    // A pause through the sleep hook.
    void pause(std::chrono::milliseconds duration);

    // Why the last handshake attempt failed, for the user's details.
    const Text& handshakeDetail() const { return handshakeDetail_; }

private:
    bool pumpAndPoll(int count, bool pauseEach, bool pollCancel);
    void sendByte(std::uint8_t byte);
    void send(const std::uint8_t* bytes, std::size_t count);
    enum class AckRead { Ack, Missing, LineFailed };
    AckRead readAck(Text& why);
    void status(const std::string& text);
    void stepProgress();

    SerialPort& port_;
    LinkHooks hooks_;
    std::array<std::uint8_t, 20> buffer_;
    int blocksDone_ = 0;
    int progressTotal_ = 0;
    Text handshakeDetail_;
    std::chrono::steady_clock::duration overslept_{};
};

// The message of a failed block ("Not received enough byte" or
// "Program interruput,please reset the radio and try again"), empty otherwise.
Text BlockFailureMessage(BlockResult result);

}  // namespace zem
