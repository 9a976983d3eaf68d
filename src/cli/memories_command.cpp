#include "channels/channel_codec.h"
#include "channels/memory_list.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"

#include <ostream>

namespace zem::cli {

namespace {

const std::vector<OptionRule> kExportOptions = {
    {"--output", "-o", true},
};

const std::vector<OptionRule> kImportOptions = {
    {"--output", "-o", true},
    {"--from", "", true},
    {"--clear", "", false},
};

int RunExport(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("memories"), args, kExportOptions, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    ChannelPageValues page;
    FillFromImage(image, page);
    const std::string output = prepared.args->value("--output").value_or("-");
    return WriteOutput(io, output, ExportMemoryList(page.cells, page.bandIndex)) ? kExitOk : kExitError;
}

int RunImport(const std::vector<std::string>& args, Io& io) {
    const Command& self = FileCommand("memories");
    Prepared prepared = PrepareCommand(self, args, kImportOptions, 2, 2, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;
    const auto output = parsed.value("--output");
    if (!output) return UsageError(io, self, "the output file (-o) is required");
    MemoryImportOptions options;
    options.clear = parsed.has("--clear");
    if (const auto from = parsed.value("--from")) {
        const auto location = ParseIntInRange(*from, 0, 1'000'000);
        if (!location) return UsageError(io, self, "--from must be a Location number");
        options.from = *location;
    }

    RadioImage image;
    if (!ReadImage(io, parsed.positionals[0], image)) return kExitError;
    std::string text;
    if (!ReadTextFile(io, parsed.positionals[1], text)) return kExitError;
    ChannelPageValues page;
    FillFromImage(image, page);
    const MemoryImport result = ImportMemoryList(text, page, options);
    if (!result.ok()) {
        for (const auto& refusal : result.refusals) io.err << "zemtool: " << refusal.describe() << '\n';
        return Fail(io, "nothing written: " + std::to_string(result.refusals.size()) + " value(s) refused");
    }
    for (const auto& line : result.notStored) Say(io, line);
    StoreToImage(page, image);
    return WriteImage(io, *output, image) ? kExitOk : kExitError;
}

}  // namespace

int RunMemories(const std::vector<std::string>& args, Io& io) {
    return RunExportOrImport(FileCommand("memories"), args, io, RunExport, RunImport);
}

}  // namespace zem::cli
