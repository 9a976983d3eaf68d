#pragma once

#include "link/clone_protocol.h"
#include "link/serial_port.h"
#include "text.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace zem {

// Opens a port; tests put a scripted port here.
using PortOpener = std::function<OpenResult(const std::string& name, const PortTimeouts& timeouts)>;

// Everything one exchange with the radio needs besides the image.
struct LinkSession {
    std::string port = "1";  // a port number 1-99 or a device path
    LinkHooks hooks;
    std::filesystem::path tracePath;  // when set, every byte sent and received is logged there
    PortOpener opener;       // empty: the machine's serial port
};

enum class LinkStatus {
    Completed,   // everything was exchanged
    OpenFailed,  // the port could not be opened
    Abandoned,   // the radio did not answer and the user chose Cancel
    Cancelled,   // the user cancelled during the blocks
    Failed,      // a block failed; its message has been shown
};

// The result of one exchange. The exchange says nothing itself: message is
// what its caller shows the user ("Not received enough byte"; empty when
// there is nothing to say), and detail says why, for the user's details or a
// log; both are marked texts the window translates, whose English zemtool
// prints.
struct LinkOutcome {
    LinkStatus status = LinkStatus::Completed;
    Text message;
    Text detail;

    bool completed() const { return status == LinkStatus::Completed; }
};

// Opens the session's port with the given time-outs, traced when the session
// asks for it. When the open fails, fills failure (its message is the
// open-failure message) and returns null.
std::unique_ptr<SerialPort> OpenSessionPort(const LinkSession& session, const PortTimeouts& timeouts,
                                            LinkOutcome& failure);

}  // namespace zem
