#pragma once

#include "channels/cell_keys.h"

#include <QStringList>
#include <QStyledItemDelegate>

class QComboBox;

namespace zem::gui {

// The floating editors of the channel grid, one delegate per editor kind.
// They differ from Qt's defaults in three ways the channel page relies on:
// losing the focus commits nothing (a message box may take it in the middle
// of a commit), Enter, Tab and Escape are handed to the page, which does
// what the table's rules say, and a combo opens on the entry the rules
// preselect for the cell's text.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text an editor of this kind would commit.
    virtual QString editorText(QWidget* editor) const = 0;
    // Shows what the table's rules opened the editor with: its text (caret
    // after it, or all selected) or its entry.
    virtual void show(QWidget* editor, const zem::CellAction& action) const = 0;
    // Puts one pasted value into an open editor: an edit box takes it as
    // typed text, a combo shows it as its entry.
    virtual void pasteInto(QWidget* editor, const QString& value) const = 0;

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    void keyPressed(QWidget* editor, zem::CellKey key);

protected:
    // What assistive technology calls an editor: its column and channel,
    // "Receive, channel 5".
    static QString EditorName(const QModelIndex& index);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Receive and transmit frequency: a single-line edit box.
class FrequencyDelegate : public CellDelegate {
    Q_OBJECT

public:
    using CellDelegate::CellDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    QString editorText(QWidget* editor) const override;
    void show(QWidget* editor, const zem::CellAction& action) const override;
    void pasteInto(QWidget* editor, const QString& value) const override;
};

// A combo over fixed entries. The tone combo is editable, so a tone can be
// typed; the choice combos are pure lists, which show their entries in the
// window's language (shown) and commit the table's own entry.
class ComboDelegate : public CellDelegate {
    Q_OBJECT

public:
    ComboDelegate(QStringList entries, QStringList shown, bool editable, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    QString editorText(QWidget* editor) const override;
    void show(QWidget* editor, const zem::CellAction& action) const override;
    void pasteInto(QWidget* editor, const QString& value) const override;

    const QStringList& entries() const { return entries_; }

private:
    QStringList entries_;
    QStringList shown_;
    bool editable_;
};

}  // namespace zem::gui
