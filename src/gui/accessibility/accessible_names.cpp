#include "accessibility/accessible_names.h"

#include "accessibility/accessible_events.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

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

QAccessibleInterface* LabelledControls(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new LabelledComboAccessible(static_cast<QWidget*>(object));
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
