#include "link/link_session.h"

#include "link/link_messages.h"
#include "link/port_trace.h"

namespace zem {

std::unique_ptr<SerialPort> OpenSessionPort(const LinkSession& session, const PortTimeouts& timeouts,
                                            LinkOutcome& failure) {
    OpenResult opened = session.opener ? session.opener(session.port, timeouts) : OpenSerialPort(session.port, timeouts);
    if (!opened.port) {
        failure.status = LinkStatus::OpenFailed;
        failure.message = LinkText(kMsgOpenPortFailed);
        failure.detail = opened.detail;
        return nullptr;
    }
    if (session.tracePath.empty()) return std::move(opened.port);
    // A log that cannot be written does not stop the exchange; the radio
    // matters more than its trace.
    Text traceError;
    return TraceSerialPort(std::move(opened.port), session.tracePath, session.port, traceError);
}

}  // namespace zem
