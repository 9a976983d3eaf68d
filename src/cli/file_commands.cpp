#include "cli/file_commands.h"

#include "channels/band.h"
#include "cli/cli_support.h"
#include "compare/document_diff.h"
#include "document/radio_image.h"

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

const char* const kCsvUsage =
    "Usage: zemtool csv export FILE.zem [-o OUT.csv]\n"
    "       zemtool csv import FILE.zem IN.csv -o OUT.zem [--band 0-4]\n"
    "\n"
    "export  writes the channel table as CSV (to standard output without -o).\n"
    "import  types each CSV row into the channel table of FILE.zem, checking every\n"
    "        value as the channel page does, and writes the result to OUT.zem.\n"
    "        Rows are matched by their \"Ch\" value (1-16), columns by header\n"
    "        (\"Ch\", \"Receive\", \"Transmit\", \"QT/DQT DEC\", \"QT/DQT ENC\", \"Scan\",\n"
    "        \"Power\", \"W/N\", \"Busy\", \"PTT\"); a missing column leaves those cells\n"
    "        as they are. Every refused value is listed and then nothing is written.\n"
    "        IN.csv may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n"
    "  --band N           check frequencies against band N and store it (0-3 the\n"
    "                     four bands, 4 Other....); default: the file's band\n";

const char* const kDiffUsage =
    "Usage: zemtool diff A.zem B.zem\n"
    "\n"
    "Lists the differences between two program files as the pages show them,\n"
    "then any changed byte that no page shows: the list of the window's Compare.\n"
    "Bytes that differ only in how they hold a value the pages show the same way\n"
    "(an off tone as 00 00 or FF FF) are counted on standard error, not listed.\n"
    "Exit status 0 when the files are equal, 1 when they differ, 2 on error.\n";

const char* const kPlanUsage =
    "Usage: zemtool plan export FILE.zem [-o OUT.yaml]\n"
    "       zemtool plan import IN.yaml -o OUT.zem\n"
    "\n"
    "export  writes the whole plan as YAML text (to standard output without -o):\n"
    "        type, band, the 16 channels, options, keys and power with the names\n"
    "        and texts of 'show --json', then the bytes no page shows, in hex.\n"
    "import  builds the program file from such a text. Values changed in the text\n"
    "        are typed as on the pages, through the same checks; an error names\n"
    "        its line, column and key, and then nothing is written.\n"
    "        IN.yaml may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n";

const char* const kMemoriesUsage =
    "Usage: zemtool memories export FILE.zem [-o OUT.csv]\n"
    "       zemtool memories import FILE.zem IN.csv -o OUT.zem [--from LOCATION] [--clear]\n"
    "\n"
    "The memory-list CSV that other programming tools exchange (Location, Name,\n"
    "Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,\n"
    "RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment).\n"
    "\n"
    "export  one row per channel with a frequency (to standard output without -o).\n"
    "import  types the first 16 rows in Location order (from --from on) into\n"
    "        channels 1-16, checking every value as the channel page does, and\n"
    "        writes the result to OUT.zem. A value the radio cannot hold is listed\n"
    "        with its line, Location and column, and then nothing is written.\n"
    "        Channels without a row keep what they had, unless --clear is given.\n"
    "        IN.csv may be - for standard input.\n"
    "\n"
    "  -o, --output FILE  the file to write\n"
    "  --from LOCATION    the first Location to take\n"
    "  --clear            empty the channels that get no row\n";

const std::vector<OptionSpec> kNewOptions = {
    {"--output", "-o", true},
    {"--band", "", true},
};

const std::vector<OptionSpec> kDiffOptions = {};

}  // namespace

const std::vector<Command>& FileCommands() {
    static const std::vector<Command> commands = {
        {"new", "write the program file of a new document", kNewUsage, RunNew},
        {"show", "show the pages of a program file, as text or JSON", kShowUsage, RunShow},
        {"csv", "export or import the channel table as CSV", kCsvUsage, RunCsv},
        {"diff", "list the differences between two program files", kDiffUsage, RunDiff},
        {"plan", "export or import the whole plan as YAML text", kPlanUsage, RunPlan},
        {"memories", "export or import the memory-list CSV of other programming tools", kMemoriesUsage,
         RunMemories},
    };
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

}  // namespace zem::cli
