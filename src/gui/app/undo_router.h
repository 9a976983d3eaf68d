#pragma once

#include <QObject>

class QAction;
class QUndoStack;

namespace zem::gui {

// Routes Undo and Redo to the document's history: the Edit menu's and the
// toolbar's actions (and their keys when no text field or cell editor has
// the focus; those keep the keys for their own typing) undo and redo its
// steps, and the actions name the step they would undo or redo and are
// enabled only when there is one. Undoing or redoing a step through them
// tells a screen reader which step it was ("Undo: Paste").
class UndoRouter : public QObject {
    Q_OBJECT

public:
    UndoRouter(QUndoStack& history, QAction& undo, QAction& redo, QObject* parent = nullptr);

private:
    void updateActions();
    // Says pattern ("Undo: %1") with the step's name, or its head alone for an unnamed step.
    void announce(const QString& pattern, const QString& step);

    QUndoStack& history_;
    QAction& undo_;
    QAction& redo_;
};

}  // namespace zem::gui
