#include "accessibility/menu_item_names.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

namespace zem::gui {

namespace {

const char* const kHintHidden = "zemShortcutHintHidden";

// A menu command as Qt presents it, but named by its text before the tab.
class HintlessMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit HintlessMenuItem(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && menu(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        QString name = action_->text().section(QLatin1Char('\t'), 0, 0);
        return name.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace(QStringLiteral("&&"), QStringLiteral("&"));
    }

    QRect rect() const override {
        QMenu* owner = menu();
        return owner ? owner->actionGeometry(action_).translated(owner->mapToGlobal(QPoint(0, 0))) : QRect();
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        QMenu* owner = menu();
        s.invisible = !owner || !owner->isVisible() || !action_->isVisible();
        s.focused = owner && owner->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const {
        if (!action_) return nullptr;
        for (QObject* owner : action_->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner)) return menu;
        return nullptr;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* HintlessMenuItems(const QString& className, QObject* object) {
    if (className == QLatin1String("QAction") && object && object->property(kHintHidden).toBool())
        return new HintlessMenuItem(static_cast<QAction*>(object));
    return nullptr;
}

}  // namespace

void HideShortcutHint(QAction* action) {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(HintlessMenuItems);
    }
    action->setProperty(kHintHidden, true);
}

}  // namespace zem::gui
