#pragma once

namespace zem::gui {

// Adjusts what assistive technology is told when a control changes, where
// Qt's own notifications leave a screen reader silent or say too much:
// - a drop-down list whose entry changes while it is closed (arrow keys,
//   typed letters) also reports its new current entry as focused, which is
//   what makes a screen reader speak it;
// - a masked field (an access code) reports typed, removed and replaced
//   characters as the asterisks the screen shows, never the characters.
// Installed by InstallAccessibleNames.
void InstallAccessibleEventFilter();

}  // namespace zem::gui
