#include "cli/cli_support.h"
#include "cli/file_commands.h"

namespace zem::cli {

int RunMemories(const std::vector<std::string>& args, Io& io) {
    return UsageError(io, FileCommand("memories"), "not yet");
}

}  // namespace zem::cli
