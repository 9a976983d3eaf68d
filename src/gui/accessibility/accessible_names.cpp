#include "accessibility/accessible_names.h"

#include "accessibility/accessible_events.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace zem::gui {

#ifdef Q_OS_UNIX
namespace {

// A drop-down list as assistive technology sees it: named after its label,
// its entry shown as its value and as its (read-only) text, where screen
// readers look for what a list displays; its entries in a list child (and
// the typing field of an editable list as a second child), opened and
// closed by its actions.
class LabelledComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelledComboAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return combo()->isEditable() && combo()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable()) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit()) return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            // The widget's own name, else its label's text.
            const QString named = QAccessibleWidget::text(t);
            if (!named.isEmpty() && named != groupTitle()) return named;
            return entry();
        }
        if (t == QAccessible::Value) return entry();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The entry as text: read, never selected or edited through here.
    QString text(int startOffset, int endOffset) const override {
        return entry().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(entry().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString entry() const {
        return combo()->isEditable() && combo()->lineEdit() ? combo()->lineEdit()->text() : combo()->currentText();
    }

    // Without a label Qt names a control after its group box; a list inside
    // one is better named by its entry.
    QString groupTitle() const {
        const QWidget* parent = widget()->parentWidget();
        return parent && widget()->accessibleName().isEmpty() && parent->inherits("QGroupBox")
                   ? parent->property("title").toString()
                   : QString();
    }
};

// A text field as assistive technology sees it: Qt's own field interface
// with one run of text attributes over the whole text, where Qt reports an
// empty run at every offset and a screen reader then reads the field one
// character short ("446.0062" for 446.00625). A masked field (the access
// code) shows, and gives as its text, one asterisk per character.
class WholeLineEditAccessible : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit WholeLineEditAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        QString str;
        if (t == QAccessible::Value) str = shown();
        if (str.isEmpty()) str = QAccessibleWidget::text(t);
        if (str.isEmpty() && t == QAccessible::Description) str = field()->placeholderText();
        return str;
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        QString value = text;
        int position = 0;
        if (field()->validator() && field()->validator()->validate(value, position) != QValidator::Acceptable) return;
        field()->setText(value);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.readOnly = field()->isReadOnly();
        s.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }

    // The text interface, over what the field shows.
    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset) return {};
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        return QAccessibleTextInterface::textAtOffset(offset == -2 ? cursorPosition() : offset, type, start, end);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !field()->hasSelectedText()) return;
        *startOffset = field()->selectionStart();
        *endOffset = *startOffset + static_cast<int>(field()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override {
        if (index == 0) field()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0) field()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty()) return {};
        const QFontMetrics metrics(field()->font());
        const QRect area = textArea();
        QRect r(area.left() + metrics.horizontalAdvance(field()->displayText().left(offset)), area.top(),
                metrics.horizontalAdvance(ch), metrics.height());
        r.moveTo(field()->mapToGlobal(r.topLeft()));
        return r;
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }

    // The editable text interface.
    void deleteText(int startOffset, int endOffset) override {
        field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override { field()->setText(field()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }

    QString shown() const {
        switch (field()->echoMode()) {
        case QLineEdit::Normal: return field()->text();
        case QLineEdit::NoEcho: return {};
        default: return QString(field()->text().size(), QLatin1Char('*'));
        }
    }

    // Where the field draws its text, in its own coordinates.
    QRect textArea() const {
        QStyleOptionFrame option;
        option.initFrom(field());
        option.rect = field()->contentsRect();
        option.lineWidth = field()->hasFrame() ? field()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field()) : 0;
        return field()->style()->subElementRect(QStyle::SE_LineEditContents, &option, field())
            .marginsRemoved(field()->textMargins());
    }
};

QAccessibleInterface* LabelledControls(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new LabelledComboAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QLineEdit") && object && object->isWidgetType())
        return new WholeLineEditAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace
#endif

void InstallAccessibleNames() {
    InstallAccessibleEventFilter();
#ifdef Q_OS_UNIX
    // Elsewhere Qt's own list interface already names a list after its label.
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(LabelledControls);
#endif
}

}  // namespace zem::gui
