#include "channels/cell_delegates.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>

namespace zem::gui {

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    // The model applies the commit rules of the column.
    model->setData(index, editorText(editor), Qt::EditRole);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

bool CellDelegate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut:
        // A commit may show a message box, which takes the focus; the value
        // is committed when the cell is left, not when the focus goes.
        return false;
    case QEvent::ShortcutOverride:
        // The edit box would paste the clipboard's text as it is; the
        // window's Paste looks at it first, since several values go into
        // the table rather than into this cell.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool plain = !(static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
        zem::CellKey cellKey = zem::CellKey::Enter;
        if (key == Qt::Key_Escape) cellKey = zem::CellKey::Escape;
        else if (key == Qt::Key_Tab && plain) cellKey = zem::CellKey::Tab;
        else if (key != Qt::Key_Return && key != Qt::Key_Enter) break;
        QWidget* editor = qobject_cast<QWidget*>(watched);
        // The tone combo's edit field reports for the combo.
        if (editor && editor->parentWidget() && qobject_cast<QComboBox*>(editor->parentWidget()))
            editor = editor->parentWidget();
        emit keyPressed(editor, cellKey);
        return true;
    }
    default:
        break;
    }
    if (qobject_cast<QLineEdit*>(watched) && qobject_cast<QComboBox*>(static_cast<QWidget*>(watched)->parentWidget()))
        return false;  // events of the tone combo's edit field are the combo's own business
    return QStyledItemDelegate::eventFilter(watched, event);
}

QString CellDelegate::EditorName(const QModelIndex& index) {
    const QAbstractItemModel* model = index.model();
    if (!model) return {};
    return tr("%1, channel %2")
        .arg(model->headerData(index.column(), Qt::Horizontal).toString(),
             model->headerData(index.row(), Qt::Vertical).toString());
}

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("cellEdit"));
    edit->setAccessibleName(EditorName(index));
    edit->setFrame(false);
    return edit;
}

void FrequencyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    edit->setText(index.data(Qt::EditRole).toString());
    edit->selectAll();
}

QString FrequencyDelegate::editorText(QWidget* editor) const { return static_cast<QLineEdit*>(editor)->text(); }

void FrequencyDelegate::show(QWidget* editor, const zem::CellAction& action) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    // The text the editor opened with is left alone, so a screen reader
    // hears it once, selected, and no deletion.
    const QString text = QString::fromStdString(action.text);
    if (edit->text() != text) edit->setText(text);
    if (action.selectAll) edit->selectAll();
    else edit->end(false);
}

void FrequencyDelegate::pasteInto(QWidget* editor, const QString& value) const {
    static_cast<QLineEdit*>(editor)->insert(value);
}

namespace {

// Enter on an entry of a combo's opened list: the list on its own only
// closes and leaves a second Enter to commit. Here one Enter chooses the
// entry, closes the list and goes on as Enter in the closed combo does.
class ListEnterFilter : public QObject {
public:
    ListEnterFilter(QComboBox* combo, std::function<void()> onEnter)
        : QObject(combo), combo_(combo), onEnter_(std::move(onEnter)) {
        // Installed after the list's own filter, so it is asked first.
        combo->view()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        const QModelIndex entry = combo_->view()->currentIndex();
        if (!entry.isValid() || !(entry.flags() & Qt::ItemIsEnabled)) return false;
        combo_->setCurrentIndex(entry.row());
        combo_->hidePopup();
        onEnter_();
        return true;
    }

private:
    QComboBox* combo_;
    std::function<void()> onEnter_;
};

}  // namespace

ComboDelegate::ComboDelegate(QStringList entries, QStringList shown, bool editable, QObject* parent)
    : CellDelegate(parent), entries_(std::move(entries)), shown_(std::move(shown)), editable_(editable) {}

QWidget* ComboDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(editable_ ? QStringLiteral("toneCombo") : QStringLiteral("choiceCombo"));
    combo->setAccessibleName(EditorName(index));
    combo->addItems(shown_);
    combo->setMaxVisibleItems(12);
    auto* self = const_cast<ComboDelegate*>(this);
    new ListEnterFilter(combo, [self, combo] { emit self->keyPressed(combo, zem::CellKey::Enter); });
    if (editable_) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // A tone is kept exactly as typed; no completion fills it in.
        combo->setCompleter(nullptr);
        combo->lineEdit()->setAccessibleName(combo->accessibleName());
        combo->lineEdit()->installEventFilter(const_cast<ComboDelegate*>(this));
    }
    return combo;
}

void ComboDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(zem::PreselectedEntry(index.column() + 1, index.data(Qt::EditRole).toString().toStdString()));
    if (editable_) combo->lineEdit()->selectAll();
}

QString ComboDelegate::editorText(QWidget* editor) const {
    const auto* combo = static_cast<QComboBox*>(editor);
    return editable_ ? combo->currentText() : entries_.value(combo->currentIndex());
}

void ComboDelegate::show(QWidget* editor, const zem::CellAction& action) const {
    auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() != action.entry) combo->setCurrentIndex(action.entry);
    if (!editable_) return;
    const QString text = QString::fromStdString(action.text);
    if (combo->currentText() != text) combo->setEditText(text);
    if (action.selectAll) combo->lineEdit()->selectAll();
    else combo->lineEdit()->end(false);
}

void ComboDelegate::pasteInto(QWidget* editor, const QString& value) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const int entry = static_cast<int>(entries_.indexOf(value));
    if (entry >= 0) combo->setCurrentIndex(entry);
    if (editable_) {
        combo->setEditText(value);
        combo->lineEdit()->selectAll();
    }
}

}  // namespace zem::gui
