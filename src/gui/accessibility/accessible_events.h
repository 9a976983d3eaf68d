#pragma once

namespace zem::gui {

// Adjusts what assistive technology is told when a control changes, where
// Qt's own notifications leave a screen reader silent or say too much:
// - a drop-down list whose entry changes while it is closed (arrow keys,
//   typed letters) also reports its new current entry as focused, which is
//   what makes a screen reader speak it;
// - a masked field (an access code) reports typed, removed and replaced
//   characters as the asterisks the screen shows, never the characters.
// - a progress bar reports its moves only in steps of 5 percent, and a label whose kQuietRenamesProperty is true is not reported
//   renamed at all: a fast exchange would otherwise flood a screen reader,
//   which then drops what comes after.
// Installed by InstallAccessibleNames.
void InstallAccessibleEventFilter();

// A dynamic property set true on a label whose text changes too often to
// be told each time.
inline constexpr const char* kQuietRenamesProperty = "zemQuietRenames";

}  // namespace zem::gui
