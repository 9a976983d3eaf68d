#pragma once

#include <QString>

class QWidget;

namespace zem::gui {

// Has a screen reader speak text now, as a notification of the window that
// holds widget ("2 done, 0 failed" at the end of a run); nothing is drawn.
void Announce(QWidget* widget, const QString& text);

}  // namespace zem::gui
