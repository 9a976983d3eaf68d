#include "app/undo_router.h"

#include <QAction>
#include <QUndoStack>

namespace zem::gui {

UndoRouter::UndoRouter(QUndoStack& history, QAction& undo, QAction& redo, QObject* parent)
    : QObject(parent), history_(history), undo_(undo), redo_(redo) {
    connect(&undo_, &QAction::triggered, this, [this] { history_.undo(); });
    connect(&redo_, &QAction::triggered, this, [this] { history_.redo(); });
    connect(&history_, &QUndoStack::indexChanged, this, &UndoRouter::updateActions);
    connect(&history_, &QUndoStack::cleanChanged, this, &UndoRouter::updateActions);
    updateActions();
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
