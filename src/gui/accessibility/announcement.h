#pragma once

#include <QString>

class QWidget;

namespace zem::gui {

// Has a screen reader speak text now, as a notification of the window that
// holds widget ("2 done, 0 failed" at the end of a run); nothing is drawn.
void Announce(QWidget* widget, const QString& text);

// Announce, once the events already queued have been handled and a screen
// reader has had a moment to catch up with them (a window that has just
// closed, a run's last progress steps): said at once, the announcement
// would wait behind them and could be dropped with them. Nothing is said
// when widget goes away first.
void AnnounceWhenSettled(QWidget* widget, const QString& text);

// Announce once widget's window is the active window (at once when it is
// already): the first thing a window has to say at start-up is otherwise
// said before a screen reader knows the window.
void AnnounceWhenActive(QWidget* widget, const QString& text);

}  // namespace zem::gui
