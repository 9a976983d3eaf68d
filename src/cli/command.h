#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace zem::cli {

// Where a command writes: results to out, messages and errors to err.
struct Io {
    std::ostream& out;
    std::ostream& err;
};

// One zemtool command. run gets the arguments after the command name and
// returns the process exit status.
struct Command {
    const char* name;
    const char* summary;  // one line for the command list
    const char* usage;    // the full --help text of the command
    std::function<int(const std::vector<std::string>& args, Io& io)> run;
};

// The commands on the image and the program files (new, show, diff and
// one for each exchange format: csv, plan, memories).
const std::vector<Command>& FileCommands();

// The commands that talk to a radio (ports, read, write, power, fleet).
const std::vector<Command>& LinkCommands();

}  // namespace zem::cli
