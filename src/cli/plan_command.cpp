#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "plan/plan_text.h"

#include <ostream>

namespace zem::cli {

namespace {

const std::vector<OptionRule> kOutputOption = {
    {"--output", "-o", true},
};

int RunExport(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("plan"), args, kOutputOption, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    const std::string output = prepared.args->value("--output").value_or("-");
    return WriteOutput(io, output, ExportPlanText(image)) ? kExitOk : kExitError;
}

int RunImport(const std::vector<std::string>& args, Io& io) {
    const Command& self = FileCommand("plan");
    Prepared prepared = PrepareCommand(self, args, kOutputOption, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    const auto output = prepared.args->value("--output");
    if (!output) return UsageError(io, self, "the output file (-o) is required");
    if (!PlanTextReadable()) return Fail(io, ImportPlanText({}).errors.front().message);

    std::string text;
    if (!ReadTextFile(io, prepared.args->positionals[0], text)) return kExitError;
    const PlanTextImport result = ImportPlanText(text);
    if (!result.ok()) {
        for (const auto& error : result.errors) io.err << "zemtool: " << error.describe() << '\n';
        return Fail(io, "nothing written: " + std::to_string(result.errors.size()) + " error(s)");
    }
    return WriteImage(io, *output, result.image) ? kExitOk : kExitError;
}

}  // namespace

int RunPlan(const std::vector<std::string>& args, Io& io) {
    return RunExportOrImport(FileCommand("plan"), args, io, RunExport, RunImport);
}

}  // namespace zem::cli
