#pragma once

#include "cli/cli_support.h"
#include "cli/command.h"
#include "link/link_session.h"

#include <vector>

namespace zem::cli {

// The options every radio command takes (--port, --retries, --trace) plus
// the command's own.
std::vector<OptionRule> LinkOptions(std::vector<OptionRule> own);

// Fills the session from --port and --trace; false after a usage error.
bool SessionFrom(Io& io, const Command& command, const ParsedArgs& args, LinkSession& session);

// zemtool speaks for an exchange, which says nothing itself: the
// handshake's Retry/Cancel question goes to messenger (answered from
// --retries), and the caller prints the outcome's message once the exchange
// has ended.
LinkSession AskingThrough(Messenger& messenger, LinkSession session);

// Prints why an exchange did not complete (its message has been printed
// before). True when it completed.
bool ReportLinkOutcome(Io& io, const LinkOutcome& outcome);

// The power command, in its own file.
Command PowerCommand();

// The fleet command (one plan into many radios), in its own file.
Command FleetCommand();

}  // namespace zem::cli
