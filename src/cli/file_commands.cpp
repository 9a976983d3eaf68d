#include "cli/file_commands.h"

#include "channels/band.h"
#include "cli/cli_support.h"
#include "compare/document_diff.h"
#include "document/radio_image.h"
#include "document/share_link.h"
#include "plan/exchange_formats.h"

#include <cstring>
#include <ostream>

namespace zem::cli {

namespace {

const char* const kNewUsage =
    "Usage: zemtool new -o OUT.zem [--band 0-3]\n"
    "\n"
    "Writes the program file of a new document.\n"
    "\n"
    "  -o, --output OUT.zem  the program file to write (required)\n"
    "  --band N              fill the channels with the channel page's \"Default Setting\"\n"
    "                        for band N: 0 136-174MHZ, 1 220-280MHZ, 2 400-470MHZ,\n"
    "                        3 470-512MHZ (radio type ZEM-KR-M4)\n";

const char* const kShowUsage =
    "Usage: zemtool show FILE.zem [--json]\n"
    "\n"
    "Shows what the channel, optional features and key assignment pages and the\n"
    "power setting would show for the program file.\n"
    "\n"
    "  --json  one JSON object: type, band, the 16 channels, options, keys, power\n";

const char* const kDiffUsage =
    "Usage: zemtool diff A.zem B.zem\n"
    "\n"
    "Lists the differences between two program files as the pages show them,\n"
    "then any changed byte that no page shows: the list of the window's Compare.\n"
    "Bytes that differ only in how they hold a value the pages show the same way\n"
    "(an off tone as 00 00 or FF FF) are counted on standard error, not listed.\n"
    "Exit status 0 when the files are equal, 1 when they differ, 2 on error.\n";

const char* const kShareUsage =
    "Usage: zemtool share FILE.zem [--base-url URL]\n"
    "\n"
    "Prints a link that opens the program file's plan in the browser edition,\n"
    "ready for Write: the file's 1024 bytes, base64url-encoded in the link's\n"
    "fragment (after #plan=), so no web server ever sees them. The browser\n"
    "edition's \"Share as link\" makes the same link.\n"
    "\n"
    "  --base-url URL  where the browser edition is published\n"
    "                  (default https://zemprog.example/web/)\n";

const std::vector<OptionRule> kShareOptions = {
    {"--base-url", "", true},
};

const std::vector<OptionRule> kNewOptions = {
    {"--output", "-o", true},
    {"--band", "", true},
};

const std::vector<OptionRule> kDiffOptions = {};

}  // namespace

const std::vector<Command>& FileCommands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> list = {
            {"new", "write the program file of a new document", kNewUsage, RunNew},
            {"show", "show the pages of a program file, as text or JSON", kShowUsage, RunShow},
            {"diff", "list the differences between two program files", kDiffUsage, RunDiff},
            {"share", "print a link that opens a program file in the browser edition", kShareUsage, RunShare},
        };
        // One command per exchange format; the channel list's own CSV has
        // always been listed before diff.
        const auto& formats = ExchangeFormats();
        for (auto format = formats.begin(); format != formats.end(); ++format) {
            Command command{format->name, format->summary, format->usage,
                            [&format = *format](const std::vector<std::string>& args, Io& io) {
                                return RunFormat(format, args, io);
                            }};
            list.insert(format == formats.begin() ? list.end() - 2 : list.end() - 1, std::move(command));
        }
        return list;
    }();
    return commands;
}

const Command& FileCommand(const char* name) {
    for (const auto& command : FileCommands()) {
        if (std::strcmp(command.name, name) == 0) return command;
    }
    return FileCommands().front();
}

int RunNew(const std::vector<std::string>& args, Io& io) {
    const Command& self = FileCommand("new");
    Prepared prepared = PrepareCommand(self, args, kNewOptions, 0, 0, io);
    if (!prepared.args) return prepared.exitStatus;
    const ParsedArgs& parsed = *prepared.args;

    const auto output = parsed.value("--output");
    if (!output) return UsageError(io, self, "the output file (-o) is required");
    RadioImage image = NewDocumentImage();
    if (const auto bandText = parsed.value("--band")) {
        const auto band = ParseIntInRange(*bandText, 0, 3);
        if (!band) return UsageError(io, self, "--band must be 0, 1, 2 or 3");
        // A known band with the first radio type never asks anything.
        CliMessenger messenger(io.err);
        ApplyChannelDefaults(image, 0, *band, messenger);
    }
    return WriteImage(io, *output, image) ? kExitOk : kExitError;
}

int RunDiff(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("diff"), args, kDiffOptions, 2, 2, io);
    if (!prepared.args) return prepared.exitStatus;
    const auto& files = prepared.args->positionals;

    RadioImage a;
    RadioImage b;
    if (!ReadImage(io, files[0], a) || !ReadImage(io, files[1], b)) return kExitError;
    // The same list as the window's Compare; files whose bytes differ only
    // in the form of what the pages show still differ.
    const std::vector<std::string> lines = DiffAsShown(a, b);
    for (const auto& line : lines) io.out << line << '\n';
    io.out.flush();
    const std::string note = SameAsShownNote(a, b);
    if (!note.empty()) Say(io, note);
    return lines.empty() && note.empty() ? kExitOk : kExitDiffers;
}

int RunShare(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("share"), args, kShareOptions, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;
    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    const auto base = prepared.args->value("--base-url");
    io.out << ShareLink(image, base ? *base : kShareBaseUrl) << '\n';
    io.out.flush();
    return kExitOk;
}

}  // namespace zem::cli
