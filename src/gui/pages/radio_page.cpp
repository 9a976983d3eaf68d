#include "pages/radio_page.h"

#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zem::gui {

const char* const RadioPage::kHintCombo = QT_TRANSLATE_NOOP("zem::gui::RadioPage", "Please click the CommBox to choose value");
const char* const RadioPage::kHintGrid = QT_TRANSLATE_NOOP("zem::gui::RadioPage", "Please Click the cell to edit or input data");
const char* const RadioPage::kHintHelp = QT_TRANSLATE_NOOP("zem::gui::RadioPage", "For help，please press F1");

RadioPage::RadioPage(QWidget* parent) : QWidget(parent) {
    // Every control the page gets, now or later (a cell editor opens when
    // a cell does), passes its events here first.
    installEventFilter(this);
}

void RadioPage::defaultSetting() {
    applyDefaults();
    emit edited(tr("Default Setting"));
}

QPushButton* RadioPage::makeDefaultButton(QWidget* parent) {
    auto* button = new QPushButton(tr("Default Setting"), parent);
    button->setObjectName(QStringLiteral("defaultSetting"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &RadioPage::defaultSetting);
    return button;
}

bool RadioPage::ownsOpenEditor(const QObject*) const { return false; }

const char* RadioPage::areaHint(const QWidget&) const { return nullptr; }

void RadioPage::watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool RadioPage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child && child->isWidgetType())
            watch(static_cast<QWidget*>(child));
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // Undo and redo keys in a text field or an open cell editor belong to
        // it, also when it has nothing left to undo: the document's history
        // behind it is the Edit menu's and the toolbar's, or the keys' when
        // no editor has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = IsUndoKey(*key);
        if (!undo && !IsRedoKey(*key)) break;
        QLineEdit* field = TypingField(watched);
        if (field && field->isReadOnly()) field = nullptr;
        if (!field && !ownsOpenEditor(watched)) break;
        if (event->type() == QEvent::KeyPress && field) undo ? field->undo() : field->redo();
        event->accept();
        return true;
    }
    case QEvent::Enter:
        emit statusHint(hintFor(qobject_cast<QWidget*>(watched)));
        break;
    case QEvent::Leave:
        // The pointer went back onto a parent (a group box, the page's
        // margin), which raises no Enter of its own; when it went onto
        // another control instead, that control's Enter follows and wins.
        if (watched == this)
            emit statusHint(tr(kHintHelp));
        else if (auto* widget = qobject_cast<QWidget*>(watched))
            emit statusHint(hintFor(widget->parentWidget()));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString RadioPage::hintFor(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QComboBox*>(w)) return tr(kHintCombo);
        // The frequency edit box open over a cell is not the table; the tone
        // combo's own field is the combo.
        if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
            return tr(kHintHelp);
        if (const char* hint = areaHint(*w)) return tr(hint);
    }
    return tr(kHintHelp);
}

QLineEdit* TypingField(QObject* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->isEditable() ? combo->lineEdit() : nullptr;
    return nullptr;
}

bool IsUndoKey(const QKeyEvent& key) { return key.matches(QKeySequence::Undo); }

bool IsRedoKey(const QKeyEvent& key) {
    const QKeyCombination combination = key.keyCombination();
    return key.matches(QKeySequence::Redo) || combination == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
           combination == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

}  // namespace zem::gui
