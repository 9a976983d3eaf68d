#pragma once

namespace zem::gui {

class CommandHost;

// Connects the radio, port, service, print and workbench commands of the
// main window (read, write, the port items, On Line Power Set, print,
// preview, setup, CSV import and export, verify, radio history, compare) to
// their handlers and enables them. Called once by the main window after
// its actions exist.
void InstallDeviceCommands(CommandHost& host);

}  // namespace zem::gui
