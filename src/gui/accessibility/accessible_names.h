#pragma once

namespace zem::gui {

// Lets a screen reader name every drop-down list after its label, as it
// names the other controls: the list's accessible name is its own
// accessible name, else the text of the label whose buddy it is, else the
// selected entry; the entry itself is the list's value and text. (Qt's own
// list interface on Linux and macOS always gives the selected entry as the
// name; elsewhere this does nothing.) Later calls do nothing.
void InstallAccessibleNames();

}  // namespace zem::gui
