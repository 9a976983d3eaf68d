#include "app/undo_router.h"

#include "accessibility/announcement.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace zem::gui {

UndoRouter::UndoRouter(QUndoStack& history, QAction& undo, QAction& redo, QObject* parent)
    : QObject(parent), history_(history), undo_(undo), redo_(redo) {
    // The step undone or redone is heard ("Undo: Paste"), as the menu named it.
    connect(&undo_, &QAction::triggered, this, [this] {
        if (!history_.canUndo()) return;
        const QString step = history_.undoText();
        history_.undo();
        announce(tr("Undo: %1"), step);
    });
    connect(&redo_, &QAction::triggered, this, [this] {
        if (!history_.canRedo()) return;
        const QString step = history_.redoText();
        history_.redo();
        announce(tr("Redo: %1"), step);
    });
    connect(&history_, &QUndoStack::indexChanged, this, &UndoRouter::updateActions);
    connect(&history_, &QUndoStack::cleanChanged, this, &UndoRouter::updateActions);
    updateActions();
}

void UndoRouter::announce(const QString& pattern, const QString& step) {
    auto* window = qobject_cast<QWidget*>(parent());
    if (window == nullptr) return;
    Announce(window, step.isEmpty() ? pattern.section(QLatin1Char(':'), 0, 0) : pattern.arg(step));
}

void UndoRouter::updateActions() {
    auto named = [](const QString& verb, const QString& step) {
        QString text = step;
        return verb + (text.isEmpty() ? QString() : QLatin1Char(' ') + text.replace(QLatin1Char('&'), QStringLiteral("&&")));
    };
    undo_.setText(named(tr("&Undo"), history_.undoText()));
    undo_.setEnabled(history_.canUndo());
    redo_.setText(named(tr("&Redo"), history_.redoText()));
    redo_.setEnabled(history_.canRedo());
}

}  // namespace zem::gui
