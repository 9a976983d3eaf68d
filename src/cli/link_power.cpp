// zemtool power: the service exchanges of the on-line power setting.
#include "cli/cli_support.h"
#include "cli/link_options.h"

#include "service/access_code.h"
#include "service/power_points.h"
#include "session/radio_exchange.h"

#include <ostream>
#include <sstream>

namespace zem::cli {

namespace {

int RunPower(const std::vector<std::string>& args, Io& io);

const Command kPower{"power", "read or set the radio's transmit-power values (service)",
                     R"(Usage: zemtool power read  --port P --access-code CODE [--band N] [--retries N] [--trace LOG]
       zemtool power write --port P --access-code CODE [--low v1,...,v7] [--high v1,...,v7] [--defaults]
                           [--retries N] [--trace LOG]

The service exchanges of the on-line power setting, behind the access code.
read prints the low and high power values (0-255) of the seven frequency
points. write sets them: a list not given keeps the values the radio holds
(they are read first in the same exchange), or with --defaults takes the
factory values of the dialog's "Default Setting". The radio's other bytes
are not changed.

  --port P          a port number 1-99 or a device path (see 'zemtool ports')
  --access-code C   the service access code (required)
  --band N          read: label the points as for band N of the channel page:
                    0 136-174MHZ, 1 220-280MHZ, 2 400-470MHZ, 3 470-512MHZ,
                    4 Other.... (default 0)
  --low LIST        write: seven values 0-255, comma-separated, points 1-7
  --high LIST       write: likewise for high power
  --defaults        write: the factory values for a list not given
  --retries N       answer Retry N times when the radio does not answer
  --trace LOG       append every byte sent and received to LOG
)",
                     RunPower};

// Seven comma-separated values 0-255.
bool ParsePowerList(const std::string& text, std::array<std::uint8_t, kPowerPointCount>& values) {
    std::stringstream in(text);
    std::string item;
    int count = 0;
    while (std::getline(in, item, ',')) {
        auto value = ParseIntInRange(item, 0, 255);
        if (!value || count == kPowerPointCount) return false;
        values[count++] = static_cast<std::uint8_t>(*value);
    }
    return count == kPowerPointCount && (text.empty() || text.back() != ',');
}

std::string ListText(const std::array<std::uint8_t, kPowerPointCount>& values) {
    std::string text;
    for (std::uint8_t value : values) text += (text.empty() ? "" : ",") + std::to_string(value);
    return text;
}

void PrintValues(Io& io, const PowerValues& values, int band) {
    const auto& labels = PowerPointLabels(PowerRangeForBand(band).maxMHz);
    io.out << "point\trange\tlow\thigh\n";
    for (int p = 0; p < kPowerPointCount; ++p)
        io.out << p + 1 << '\t' << labels[p] << '\t' << int(values.low[p]) << '\t' << int(values.high[p]) << '\n';
}

int RunPower(const std::vector<std::string>& args, Io& io) {
    auto rules = LinkOptions({{"--access-code", "", true},
                                  {"--band", "", true},
                                  {"--low", "", true},
                                  {"--high", "", true},
                                  {"--defaults", "", false}});
    Prepared prepared = PrepareCommand(kPower, args, rules, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    const std::string& action = parsed.positionals[0];
    if (action != "read" && action != "write") return UsageError(io, kPower, "the action is read or write");

    int band = 0;
    if (auto text = parsed.value("--band")) {
        auto value = ParseIntInRange(*text, 0, 4);
        if (!value) return UsageError(io, kPower, "--band needs a number from 0 to 4");
        band = *value;
    }
    PowerValues values = DefaultPowerValues();
    if (auto text = parsed.value("--low"); text && !ParsePowerList(*text, values.low))
        return UsageError(io, kPower, "--low needs seven values 0-255, separated by commas");
    if (auto text = parsed.value("--high"); text && !ParsePowerList(*text, values.high))
        return UsageError(io, kPower, "--high needs seven values 0-255, separated by commas");
    // A list not given keeps the radio's calibrated values unless the
    // factory values are asked for; a write that would change nothing is
    // most likely a mistake.
    const bool defaults = parsed.has("--defaults");
    const PowerLists lists{parsed.has("--low") || defaults, parsed.has("--high") || defaults};
    if (action == "write" && !lists.low && !lists.high)
        return UsageError(io, kPower, "write needs --low, --high or --defaults");
    if (action == "read" && (parsed.has("--low") || parsed.has("--high") || defaults))
        return UsageError(io, kPower, "--low, --high and --defaults belong to write");
    if (!parsed.has("--access-code"))
        return UsageError(io, kPower, "--access-code CODE is required (the service access code)");
    LinkSession session;
    if (!SessionFrom(io, kPower, parsed, session)) return kExitError;

    CliMessenger messenger(io.err, AnswersFrom(parsed));
    if (!CheckAccessCode(*parsed.value("--access-code"))) {
        messenger.notice(kMsgWrongAccessCode);
        return kExitError;
    }
    RadioImage image = NewDocumentImage();
    if (action == "read") {
        const ExchangeOutcome outcome = ReadPower(image, AskingThrough(messenger, session));
        for (const Text& message : outcome.messages()) messenger.notice(message.english());
        if (!ReportLinkOutcome(io, outcome.link)) return kExitError;
        PrintValues(io, PowerValuesFromImage(image), band);
        return kExitOk;
    }
    const ExchangeOutcome outcome = WritePower(values, image, AskingThrough(messenger, session), lists);
    for (const Text& message : outcome.messages()) messenger.notice(message.english());
    if (!ReportLinkOutcome(io, outcome.link)) return kExitError;
    const PowerValues sent = PowerValuesFromImage(image);
    Say(io, "Wrote the power values to the radio: low " + ListText(sent.low) + ", high " + ListText(sent.high));
    return kExitOk;
}

}  // namespace

Command PowerCommand() { return kPower; }

}  // namespace zem::cli
