#include "cli/cli_support.h"
#include "cli/command.h"

#include "zem_version.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "cli/windows_console.h"

#include <fcntl.h>
#include <io.h>
#endif

namespace {

using zem::cli::Command;

std::vector<const Command*> AllCommands() {
    std::vector<const Command*> all;
    for (const auto& command : zem::cli::FileCommands()) all.push_back(&command);
    for (const auto& command : zem::cli::LinkCommands()) all.push_back(&command);
    return all;
}

void ListCommands(std::ostream& out) {
    out << "Usage: zemtool COMMAND [ARGUMENTS]\n"
           "\n"
           "The command line of Zem Programming Software: program files and the radio.\n"
           "\n"
           "Commands:\n";
    for (const Command* command : AllCommands()) {
        std::string name = command->name;
        name.resize(std::max<std::size_t>(name.size(), 8), ' ');
        out << "  " << name << "  " << command->summary << '\n';
    }
    out << "\n'zemtool COMMAND --help' shows the arguments of a command;\n"
           "'zemtool --version' prints the version.\n";
}

int RunCommandLine(const std::vector<std::string>& args, zem::cli::Io& io) {
    if (args.empty()) {
        ListCommands(io.err);
        return zem::cli::kExitError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        ListCommands(io.out);
        return zem::cli::kExitOk;
    }
    if (args[0] == "--version") {
        io.out << "zemtool " ZEM_VERSION "\n";
        return zem::cli::kExitOk;
    }
    for (const Command* command : AllCommands()) {
        if (args[0] == command->name) return command->run(std::vector<std::string>(args.begin() + 1, args.end()), io);
    }
    io.err << "zemtool: unknown command " << args[0] << "\nTry 'zemtool --help'.\n";
    return zem::cli::kExitError;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes pass as they are, as on other systems: a text-mode stream would
    // turn the CSV's CR LF into CR CR LF and a CSV read from standard input
    // would lose its CRs.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    zem::cli::WriteConsoleAsUnicode();
    // The narrow argv holds the ANSI code page, which loses most names.
    const std::vector<std::string> args = zem::cli::WideCommandLineArguments();
    (void)argc;
    (void)argv;
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    zem::cli::Io io{std::cout, std::cerr};
    const int status = RunCommandLine(args, io);
    // Results that did not reach standard output (a full disk, a quota)
    // must not pass for success.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "zemtool: the results could not be written to standard output\n";
        return zem::cli::kExitError;
    }
    return status;
}
