#include "channels/channel_codec.h"
#include "channels/channel_csv.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"

#include <optional>
#include <string>
#include <vector>

namespace zem::cli {

namespace {

const std::vector<OptionRule> kExportOptions = {
    {"--output", "-o", true},
};

const std::vector<OptionRule> kImportOptions = {
    {"--output", "-o", true},
    {"--band", "", true},
};

int RunExport(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("csv"), args, kExportOptions, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;

    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    ChannelPageValues page;
    FillFromImage(image, page);
    const std::string output = prepared.args->value("--output").value_or("-");
    return WriteOutput(io, output, ExportChannelsCsv(page.cells)) ? kExitOk : kExitError;
}

int RunImport(const std::vector<std::string>& args, Io& io) {
    const Command& self = FileCommand("csv");
    Prepared prepared = PrepareCommand(self, args, kImportOptions, 2, 2, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;

    const auto output = parsed.value("--output");
    if (!output) return UsageError(io, self, "the output file (-o) is required");
    std::optional<int> band;
    if (const auto bandText = parsed.value("--band")) {
        band = ParseIntInRange(*bandText, 0, 4);
        if (!band) return UsageError(io, self, "--band must be a number from 0 to 4");
    }

    RadioImage image;
    if (!ReadImage(io, parsed.positionals[0], image)) return kExitError;
    std::string text;
    if (!ReadTextFile(io, parsed.positionals[1], text)) return kExitError;

    ChannelPageValues page;
    FillFromImage(image, page);
    if (band) page.bandIndex = *band;
    const CsvImport result = ImportChannelsCsv(text, page);
    for (const auto& column : result.ignoredColumns) {
        io.err << "zemtool: column \"" << column << "\" is not a channel table column; ignored\n";
    }
    if (!result.ok()) {
        for (const auto& rejection : result.rejections) io.err << "zemtool: " << rejection.describe() << '\n';
        return Fail(io, "nothing written: " + std::to_string(result.rejections.size()) + " value(s) refused");
    }
    StoreToImage(page, image);
    return WriteImage(io, *output, image) ? kExitOk : kExitError;
}

}  // namespace

int RunCsv(const std::vector<std::string>& args, Io& io) {
    return RunExportOrImport(FileCommand("csv"), args, io, RunExport, RunImport);
}

}  // namespace zem::cli
