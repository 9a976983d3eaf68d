#pragma once

#include "cli/cli_support.h"
#include "cli/command.h"
#include "link/link_session.h"
#include "session/radio_exchange.h"

#include <vector>

namespace zem::cli {

// The options every radio command takes (--port, --retries, --trace) plus
// the command's own.
std::vector<OptionRule> LinkOptions(std::vector<OptionRule> own);

// Fills the session from --port and --trace; false after a usage error.
bool SessionFrom(Io& io, const Command& command, const ParsedArgs& args, LinkSession& session);

// The handshake's Retry/Cancel question goes to the messenger (answered from
// --retries) through the session's AskingThrough; the caller prints the
// outcome's message once the exchange has ended.

// Prints why an exchange did not complete (its message has been printed
// before). True when it completed.
bool ReportLinkOutcome(Io& io, const LinkOutcome& outcome);

// The power command, in its own file.
Command PowerCommand();

// The fleet command (one plan into many radios), in its own file.
Command FleetCommand();

}  // namespace zem::cli
