#include "cli/link_options.h"

#include "link/link_messages.h"

#include <fstream>
#include <ostream>

namespace zem::cli {

std::vector<OptionRule> LinkOptions(std::vector<OptionRule> own) {
    own.push_back({"--port", "", true});
    own.push_back({"--trace", "", true});
    for (const auto& answer : AnswerOptions())
        if (answer.name == "--retries") own.push_back(answer);
    return own;
}

bool SessionFrom(Io& io, const Command& command, const ParsedArgs& args, LinkSession& session) {
    auto port = args.value("--port");
    if (!port || port->empty()) {
        UsageError(io, command, "--port P is required (a port number 1-99 or a device path)");
        return false;
    }
    if (auto retries = args.value("--retries"); retries && !ParseIntInRange(*retries, 0, 1000)) {
        UsageError(io, command, "--retries needs a number 0-1000");
        return false;
    }
    session.port = *port;
    const std::string trace = args.value("--trace").value_or("");
    session.tracePath = PathFromUtf8(trace);
    if (!trace.empty() && !std::ofstream(session.tracePath, std::ios::app)) {
        Fail(io, "cannot write the trace log " + trace);
        return false;
    }
    return true;
}

bool ReportLinkOutcome(Io& io, const LinkOutcome& outcome) {
    if (outcome.completed()) return true;
    if (outcome.status == LinkStatus::Abandoned && outcome.message.empty())
        io.err << "zemtool: gave up: the radio did not answer\n";
    if (!outcome.detail.empty()) io.err << "zemtool: " << outcome.detail.english() << '\n';
    return false;
}

}  // namespace zem::cli
