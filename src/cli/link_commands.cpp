// zemtool's radio commands: the same core calls the window makes, with the
// questions answered from options and the messages printed on stderr.
#include "cli/cli_support.h"
#include "cli/command.h"
#include "cli/link_options.h"

#include "document/program_file.h"
#include "link/clone_constants.h"
#include "link/link_messages.h"
#include "link/serial_port.h"
#include "session/radio_exchange.h"

#include <cstdio>
#include <ostream>

namespace zem::cli {

namespace {

int RunPorts(const std::vector<std::string>& args, Io& io);
int RunRead(const std::vector<std::string>& args, Io& io);
int RunWrite(const std::vector<std::string>& args, Io& io);

const Command kPorts{"ports", "list the serial ports of this machine with their port numbers",
                     R"(Usage: zemtool ports

Lists the serial ports found on this machine: the port number that reaches
it (--port N), the device path (also accepted by --port) and what the system
says the port is. On Linux the numbers follow a fixed rule: 1-32 are
/dev/ttyS0-31, 33-64 /dev/ttyUSB0-31, 65-96 /dev/ttyACM0-31.
)",
                     RunPorts};

const Command kRead{"read", "read the radio's memory into a program file",
                    R"(Usage: zemtool read --port P -o OUT.zem [--base FILE] [--retries N] [--trace LOG]

Reads the radio's bytes 0x000-0x3CF (all but the power values) into the
image of a new document, or of FILE with --base, and saves it as OUT.zem.
The file is written only after a complete read; a failed or cancelled read
writes nothing. A reply is taken only when it answers for the block asked
for, with nothing behind it: a reply for another block or with a byte too
many fails the read with the reason.

  --port P       a port number 1-99 or a device path (see 'zemtool ports')
  -o, --output   the program file to write
  --base FILE    start from this program file instead of a new document
  --retries N    answer Retry N times when the radio does not answer
  --trace LOG    append every byte sent and received to LOG
)",
                    RunRead};

const Command kWrite{"write", "write a program file to the radio",
                     R"(Usage: zemtool write --port P FILE [--verify] [--backup OUT.zem] [--retries N] [--trace LOG]

Writes the bytes 0x000-0x3CF of program file FILE to the radio.

A plain write cannot see what the radio stored: the radio only acknowledges
each block, and a radio that keeps its old bytes, or an adapter that answers
0x06 with no radio behind it, acknowledges as well. Only --verify reads the
radio back and compares.

  --port P        a port number 1-99 or a device path (see 'zemtool ports')
  --backup OUT    first read the radio into OUT (nothing is written if that fails)
  --verify        afterwards read the radio back and compare bytes 0x000-0x3CF
  --retries N     answer Retry N times when the radio does not answer
  --trace LOG     append every byte sent and received to LOG
)",
                     RunWrite};

int RunPorts(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(kPorts, args, {}, 0, 0, io);
    if (!prepared.args) return prepared.exitStatus;
    auto ports = ListSerialPorts();
    if (ports.empty()) {
        Say(io, "no serial ports found");
        return kExitOk;
    }
    for (const PortInfo& port : ports) {
        char number[16] = "-";
        if (port.number) std::snprintf(number, sizeof number, "%d", port.number);
        io.out << number << '\t' << port.device << '\t' << port.description << '\n';
    }
    return kExitOk;
}

// Reads the whole transfer area of the radio into image; false after the
// messages were printed.
bool ReadRadio(Io& io, const LinkSession& session, Messenger& messenger, RadioImage& image) {
    const ExchangeOutcome outcome = zem::ReadRadio(image, AskingThrough(messenger, session));
    if (!outcome.link.message.empty()) messenger.notice(outcome.link.message);
    return ReportLinkOutcome(io, outcome.link);
}

// The word as a shell reads it back: quoted when it holds anything beyond
// letters, digits and the usual path characters.
std::string ShellWord(const std::string& word) {
    const bool plain = !word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                                                "0123456789/._-+:,=@%") == std::string::npos;
    if (plain) return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// After a write that stopped among the blocks the radio holds part of the
// file and part of what it held before; say so, and how to put the backup
// back when there is one. A write that never got past the handshake or the
// port changed nothing.
void ReportPartialWrite(Io& io, const ExchangeOutcome& outcome, const ParsedArgs& parsed) {
    if (outcome.holds != RadioHolds::PartialWrite) return;
    Say(io, "the radio now holds a partial write: part of " + parsed.positionals[0] +
                " and part of what it held before");
    if (auto backup = parsed.value("--backup"))
        Say(io, "to put back what it held, reset the radio and run: zemtool write --port " +
                    ShellWord(parsed.value("--port").value_or("P")) + " " + ShellWord(*backup));
    else
        Say(io, "reset the radio and write a complete program file to it");
}

int RunRead(const std::vector<std::string>& args, Io& io) {
    auto rules = LinkOptions({{"--output", "-o", true}, {"--base", "", true}});
    Prepared prepared = PrepareCommand(kRead, args, rules, 0, 0, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    auto output = parsed.value("--output");
    if (!output) return UsageError(io, kRead, "-o OUT.zem is required");
    LinkSession session;
    if (!SessionFrom(io, kRead, parsed, session)) return kExitError;

    RadioImage image = NewDocumentImage();
    if (auto base = parsed.value("--base"); base && !ReadImage(io, *base, image)) return kExitError;
    CliMessenger messenger(io.err, AnswersFrom(parsed));
    if (!ReadRadio(io, session, messenger, image)) return kExitError;
    if (!WriteImage(io, *output, image)) return kExitError;
    Say(io, "Read " + std::to_string(kTransferEnd) + " bytes from the radio into " + *output);
    return kExitOk;
}

int RunWrite(const std::vector<std::string>& args, Io& io) {
    auto rules = LinkOptions({{"--verify", "", false}, {"--backup", "", true}});
    Prepared prepared = PrepareCommand(kWrite, args, rules, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    LinkSession session;
    if (!SessionFrom(io, kWrite, parsed, session)) return kExitError;
    RadioImage image;
    if (!ReadImage(io, parsed.positionals[0], image)) return kExitError;
    CliMessenger messenger(io.err, AnswersFrom(parsed));

    if (auto backup = parsed.value("--backup")) {
        RadioImage radio = NewDocumentImage();
        if (!ReadRadio(io, session, messenger, radio)) return Fail(io, "no backup, so nothing was written");
        if (!WriteImage(io, *backup, radio)) return Fail(io, "no backup, so nothing was written");
        Say(io, "Backed up the radio into " + *backup);
    }

    // The window's check: a failed read-back says the write went through.
    const std::string wrote =
        "Wrote " + std::to_string(kTransferEnd) + " bytes of " + parsed.positionals[0] + " to the radio";
    const ExchangeOutcome written =
        WriteRadio(image, AskingThrough(messenger, session), parsed.has("--verify"), [&] { Say(io, wrote); });
    if (!written.link.message.empty()) messenger.notice(written.link.message.english());
    if (!ReportLinkOutcome(io, written.link)) {
        ReportPartialWrite(io, written, parsed);
        return kExitError;
    }
    if (!written.verifyTried) {
        Say(io, wrote);
    } else if (written.holds == RadioHolds::WrittenDiffers) {
        return Fail(io, written.holdsMessage.substr(0, written.holdsMessage.find('\n')));
    } else {
        Say(io, "Verified: the radio holds the same bytes");
    }
    return kExitOk;
}

}  // namespace

const std::vector<Command>& LinkCommands() {
    static const std::vector<Command> commands = {kPorts, kRead, kWrite, PowerCommand(), FleetCommand()};
    return commands;
}

}  // namespace zem::cli
