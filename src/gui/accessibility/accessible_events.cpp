#include "accessibility/accessible_events.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace zem::gui {

namespace {

QAccessible::UpdateHandler previousHandler = nullptr;
void FilterEvent(QAccessibleEvent* event);

// Hands an event on to the platform's bridge (or to the handler that was
// installed before ours).
void Forward(QAccessibleEvent* event) {
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Without a handler Qt gives the event to the platform; ours steps aside
    // for that one call.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(FilterEvent);
}

bool IsMasked(QObject* object) {
    const auto* field = qobject_cast<QLineEdit*>(object);
    return field && field->echoMode() != QLineEdit::Normal;
}

QString Stars(const QString& text) { return QString(text.size(), QLatin1Char('*')); }

// The closed list's current entry, reported as focused: a screen reader
// speaks the entry ("400-470MHZ") where a value change of the list itself
// only repeats the list's unchanged name.
void AnnounceEntry(QComboBox* combo) {
    if (combo->view()->isVisible() || !combo->hasFocus() || combo->currentIndex() < 0) return;
    QAbstractItemView* view = combo->view();
    const QModelIndex entry = view->model()->index(combo->currentIndex(), combo->modelColumn(), combo->rootModelIndex());
    view->setCurrentIndex(entry);
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(entry.row());
    Forward(&focus);
}

// The current entry of a list or table that has just got the keyboard
// focus, reported as focused too: Qt reports only the view, and a screen
// reader then says nothing of the row the keys act on.
void AnnounceCurrentItem(QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    QAccessibleInterface* viewInterface = QAccessible::queryAccessibleInterface(view);
    if (!current.isValid() || !viewInterface || !viewInterface->tableInterface()) return;
    QAccessibleInterface* cell = viewInterface->tableInterface()->cellAt(current.row(), current.column());
    const int child = cell ? viewInterface->indexOfChild(cell) : -1;
    if (child < 0) return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(child);
    Forward(&focus);
}

// A progress bar's move is reported only when it reaches another step of
// kReportedPercentStep percent: a fast exchange steps the bar a hundred
// times a second and more, and a screen reader flooded with the steps (even
// one a whole percent) drops what comes next, the result among it. A screen
// reader tells a bar's progress every few seconds at most anyway.
constexpr int kReportedPercentStep = 5;

bool IsPercentStep(QObject* object) {
    auto* bar = qobject_cast<QProgressBar*>(object);
    if (!bar) return true;
    const int span = bar->maximum() - bar->minimum();
    const int percent = span > 0 ? static_cast<int>(100LL * (bar->value() - bar->minimum()) / span) : 0;
    const int step = percent / kReportedPercentStep;
    const char* const kReported = "zemReportedPercentStep";
    const QVariant reported = bar->property(kReported);
    if (reported.isValid() && reported.toInt() == step) return false;
    bar->setProperty(kReported, step);
    return true;
}

// A label that counts as it goes (the progress window's block count) is not
// reported renamed at every count, for the same reason; it is read as it
// stands when asked.
bool IsQuietLabel(QObject* object) {
    const auto* label = qobject_cast<QLabel*>(object);
    return label && label->property(kQuietRenamesProperty).toBool();
}

bool HasFocus(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    return !widget || widget->hasFocus();
}

void FilterEvent(QAccessibleEvent* event) {
    QObject* object = event->object();
    switch (event->type()) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        // A field filled before it gets the focus (a cell editor opening)
        // would otherwise be taken for the focus, silently, and never have
        // its name spoken.
        if (!HasFocus(object)) return;
        break;
    case QAccessible::Focus:
        if (auto* view = qobject_cast<QAbstractItemView*>(object); view && event->child() < 0) {
            Forward(event);
            AnnounceCurrentItem(view);
            return;
        }
        break;
    case QAccessible::TextInserted:
        if (IsMasked(object)) {
            auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
            QAccessibleTextInsertEvent masked(object, inserted->changePosition(), Stars(inserted->textInserted()));
            Forward(&masked);
            return;
        }
        break;
    case QAccessible::TextRemoved:
        if (IsMasked(object)) {
            auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
            QAccessibleTextRemoveEvent masked(object, removed->changePosition(), Stars(removed->textRemoved()));
            Forward(&masked);
            return;
        }
        break;
    case QAccessible::TextUpdated:
        if (IsMasked(object)) {
            auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
            QAccessibleTextUpdateEvent masked(object, updated->changePosition(), Stars(updated->textRemoved()),
                                              Stars(updated->textInserted()));
            Forward(&masked);
            return;
        }
        break;
    case QAccessible::NameChanged:
        if (IsQuietLabel(object)) return;
        break;
    case QAccessible::ValueChanged:
        if (!IsPercentStep(object)) return;
        if (auto* combo = qobject_cast<QComboBox*>(object); combo && !combo->isEditable()) {
            Forward(event);
            AnnounceEntry(combo);
            return;
        }
        break;
    default:
        break;
    }
    Forward(event);
}

}  // namespace

void InstallAccessibleEventFilter() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    previousHandler = QAccessible::installUpdateHandler(FilterEvent);
}

}  // namespace zem::gui
