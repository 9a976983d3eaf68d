#include "accessibility/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zem::gui {

namespace {

const char* const kAnnouncerName = "zemAnnouncer";
const char* const kTextProperty = "announcement";
// How long a screen reader is given to catch up before a settled announcement.
constexpr int kSettleMs = 500;

// A hidden child of the window that assistive technology sees as a
// notification named by the text announced last; screen readers speak a
// notification as it is shown.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->property(kTextProperty).toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object && object->objectName() == QLatin1String(kAnnouncerName))
        return new AnnouncerAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Says its text once its window has become active, then goes.
class ActivationAnnouncer : public QObject {
public:
    ActivationAnnouncer(QWidget* widget, const QString& text) : QObject(widget), widget_(widget), text_(text) {
        widget->window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched == widget_->window()) {
            widget_->window()->removeEventFilter(this);
            AnnounceWhenSettled(widget_, text_);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* widget_;
    QString text_;
};

}  // namespace

void AnnounceWhenSettled(QWidget* widget, const QString& text) {
    if (!widget || text.isEmpty()) return;
    // The timer goes with widget.
    QTimer::singleShot(kSettleMs, widget, [widget, text] { Announce(widget, text); });
}

void AnnounceWhenActive(QWidget* widget, const QString& text) {
    if (!widget || text.isEmpty()) return;
    if (widget->isActiveWindow())
        AnnounceWhenSettled(widget, text);
    else
        new ActivationAnnouncer(widget, text);
}

void Announce(QWidget* widget, const QString& text) {
    if (!widget || text.isEmpty()) return;
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(AnnouncerFactory);
    }
    QWidget* window = widget->window();
    auto* announcer = window->findChild<QWidget*>(QLatin1String(kAnnouncerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1String(kAnnouncerName));
        announcer->hide();
    }
    announcer->setProperty(kTextProperty, text);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace zem::gui
