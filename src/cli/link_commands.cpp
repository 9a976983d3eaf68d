#include "command.h"

namespace zem::cli {

const std::vector<Command>& LinkCommands() {
    static const std::vector<Command> commands;
    return commands;
}

}  // namespace zem::cli
