#pragma once

class QAction;

namespace zem::gui {

// Tells assistive technology a menu command's text without the shortcut
// hint after its tab ("COM1(&P)\tCtrl+C" is read as "COM1(P)"), for a
// command whose hint names keys that do nothing. The menu still shows the
// hint.
void HideShortcutHint(QAction* action);

}  // namespace zem::gui
