#include "link/device_commands.h"

namespace zem::gui {

void InstallDeviceCommands(MainWindow&) {}

}  // namespace zem::gui
