#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QComboBox;

namespace zem::gui {

// The floating editors of the channel grid, one delegate per editor kind.
// They differ from Qt's defaults in three ways the channel page relies on:
// losing the focus commits nothing (a message box may take it in the middle
// of a commit), Enter is handed to the page, which commits and moves on,
// and a combo opens on the first entry that begins with the cell's text.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text an editor of this kind would commit.
    virtual QString editorText(QWidget* editor) const = 0;
    // Puts a typed character into an editor that has just opened.
    virtual void typeInto(QWidget* editor, QChar key, bool cellHadText) const = 0;
    // Puts one pasted value into an open editor: an edit box takes it as
    // typed text, a combo shows it as its entry.
    virtual void pasteInto(QWidget* editor, const QString& value) const = 0;

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    void enterPressed(QWidget* editor);

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
    void typeInto(QWidget* editor, QChar key, bool cellHadText) const override;
    void pasteInto(QWidget* editor, const QString& value) const override;
};

// A combo over fixed entries. The tone combo is editable, so a tone can be
// typed; the choice combos are pure lists.
class ComboDelegate : public CellDelegate {
    Q_OBJECT

public:
    ComboDelegate(QStringList entries, bool editable, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    QString editorText(QWidget* editor) const override;
    void typeInto(QWidget* editor, QChar key, bool cellHadText) const override;
    void pasteInto(QWidget* editor, const QString& value) const override;

    const QStringList& entries() const { return entries_; }

    // The first entry that begins with text, letter case ignored; 0 when none does.
    static int PreloadIndex(const QStringList& entries, const QString& text);

private:
    QStringList entries_;
    bool editable_;
};

}  // namespace zem::gui
