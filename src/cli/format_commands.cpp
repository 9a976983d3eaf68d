#include "channels/channel_codec.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "plan/exchange_formats.h"

#include <ostream>

namespace zem::cli {

namespace {

const OptionRule kOutputOption = {"--output", "-o", true};

// FILE.zem [-o OUT]: the text of the program file, to standard output
// without -o.
int RunExport(const ExchangeFormat& format, const Command& self, const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(self, args, {kOutputOption}, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    ChannelPageValues channels;
    FillFromImage(image, channels);
    const std::string output = prepared.args->value("--output").value_or("-");
    return WriteOutput(io, output, format.exportText(image, channels)) ? kExitOk : kExitError;
}

// [FILE.zem] IN -o OUT [options]: the text typed into the program file (or,
// for a whole plan, the program file built from the text alone).
int RunImport(const ExchangeFormat& format, const Command& self, const std::vector<std::string>& args, Io& io) {
    std::vector<OptionRule> rules = {kOutputOption};
    for (const ImportOption& option : format.options) rules.push_back({option.name, "", option.takesValue});
    const std::size_t files = format.wholePlan ? 1 : 2;
    Prepared prepared = PrepareCommand(self, args, rules, files, files, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;

    const auto output = parsed.value("--output");
    if (!output) return UsageError(io, self, "the output file (-o) is required");
    ImportChoices choices;
    for (const ImportOption& option : format.options) {
        if (!option.takesValue) {
            if (parsed.has(option.name)) choices[option.name] = 1;
        } else if (const auto text = parsed.value(option.name)) {
            const auto value = ParseIntInRange(*text, option.min, option.max);
            if (!value) return UsageError(io, self, option.refusal);
            choices[option.name] = *value;
        }
    }
    if (const std::string reason = format.unavailable(); !reason.empty()) return Fail(io, reason);

    RadioImage image;
    if (!format.wholePlan && !ReadImage(io, parsed.positionals[0], image)) return kExitError;
    std::string text;
    const char* what = format.wholePlan ? "a plan text" : "a channel list";
    if (!ReadTextFile(io, parsed.positionals.back(), what, text)) return kExitError;
    ChannelPageValues channels;
    FillFromImage(image, channels);
    const RefusedRows refused = choices.count(kSkipRefused) ? RefusedRows::Take : RefusedRows::Refuse;
    const ExchangeImport result = ImportChannelList(format, text, channels, image, choices, refused).result;
    for (const auto& line : result.ignored) Say(io, line.english());
    if (!result.ok()) {
        std::vector<std::string> refusals;
        for (const auto& refusal : result.refusals) refusals.push_back(refusal.english());
        SayRefusals(io, refusals);
        return Fail(io, "nothing written: " + std::to_string(result.refusals.size()) + " " + format.refusedWhat);
    }
    for (const auto& line : result.skipped) Say(io, "skipped: " + line.english());
    for (const auto& line : result.notStored) Say(io, line.english());
    return WriteImage(io, *output, image) ? kExitOk : kExitError;
}

}  // namespace

int RunFormat(const ExchangeFormat& format, const std::vector<std::string>& args, Io& io) {
    const Command& self = FileCommand(format.name);
    if (args.empty()) return UsageError(io, self, "export or import?");
    const std::string& action = args.front();
    if (action == "--help" || action == "-h") {
        io.out << self.usage;
        return kExitOk;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (action == "export") return RunExport(format, self, rest, io);
    if (action == "import") return RunImport(format, self, rest, io);
    return UsageError(io, self, "unknown action " + action + " (export or import)");
}

}  // namespace zem::cli
