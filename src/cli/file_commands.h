#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace zem {
struct ExchangeFormat;
}

namespace zem::cli {

// The entry of FileCommands() called name; every file command finds its own
// usage text through it.
const Command& FileCommand(const char* name);

int RunNew(const std::vector<std::string>& args, Io& io);
int RunShow(const std::vector<std::string>& args, Io& io);
int RunDiff(const std::vector<std::string>& args, Io& io);
int RunShare(const std::vector<std::string>& args, Io& io);

// The command of an exchange format: its export and import actions.
int RunFormat(const ExchangeFormat& format, const std::vector<std::string>& args, Io& io);

}  // namespace zem::cli
