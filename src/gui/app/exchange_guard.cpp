#include "app/exchange_guard.h"

#include "commands/command_host.h"
#include "commands/user_dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace zem::gui {

const char* const ExchangeGuard::kAskStopAndQuit = QT_TRANSLATE_NOOP("zem::gui::ExchangeGuard",
                                                           "A radio is still being read or written.\n"
                                                           "Stop every radio at its next block and quit the program?");

ExchangeGuard::ExchangeGuard(CommandHost& window, QObject* parent) : QObject(parent), window_(window) {
    window_.hostWidget().installEventFilter(this);
}

ExchangeGuard::~ExchangeGuard() { window_.hostWidget().removeEventFilter(this); }

void ExchangeGuard::setExclusive(const QList<QAction*>& actions) { exclusive_ = actions; }

void ExchangeGuard::watch(QObject* source, std::function<bool()> exchanging, std::function<void()> stop) {
    watched_.insert(source, Watched{std::move(exchanging), std::move(stop)});
    // The window deletes its commands before the guard.
    connect(source, &QObject::destroyed, this, [this, source] {
        watched_.remove(source);
        busy_.remove(source);
    });
}

void ExchangeGuard::setBusy(QObject* source, bool busy) {
    const bool wasBusy = !busy_.isEmpty();
    if (busy) {
        busy_.insert(source);
    } else {
        busy_.remove(source);
    }
    const bool isBusy = !busy_.isEmpty();
    if (isBusy != wasBusy) {
        for (QAction* action : exclusive_) {
            if (isBusy) {
                // A hidden action reads as disabled (recent-file entries not
                // in use); it must come back usable once it is shown.
                enabledBefore_.insert(action, action->isEnabled() || !action->isVisible());
                action->setEnabled(false);
            } else {
                action->setEnabled(enabledBefore_.value(action, true));
            }
        }
    }
    if (!isBusy && quitting_) {
        closeWhenIdle();
    }
}

bool ExchangeGuard::exchanging() const {
    for (const Watched& w : watched_) {
        if (w.exchanging && w.exchanging()) return true;
    }
    return false;
}

void ExchangeGuard::closeWhenIdle() {
    // The window asks whether to save changes as usual; a Cancel there
    // leaves it open and ends the quitting.
    quitting_ = false;
    QTimer::singleShot(0, &window_.hostWidget(), &QWidget::close);
}

bool ExchangeGuard::eventFilter(QObject* watched, QEvent* event) {
    // The type is looked at first: the window also sends events while it
    // destroys its children, the commands among them.
    if (event->type() != QEvent::Close || watched != &window_.hostWidget()) {
        return QObject::eventFilter(watched, event);
    }
    if (!quitting_ && !exchanging()) {
        return QObject::eventFilter(watched, event);
    }
    event->ignore();
    if (quitting_) {
        return true;  // already stopping: the window closes once the ports are free
    }
    if (!AskYesNo(&window_.hostWidget(), QCoreApplication::translate("zem::gui::ExchangeGuard", kAskStopAndQuit))) {
        return true;
    }
    quitting_ = true;
    const QSet<QObject*> running = busy_;
    for (QObject* source : running) {
        const Watched w = watched_.value(source);
        if (w.stop) w.stop();
    }
    if (busy_.isEmpty()) {
        closeWhenIdle();  // it ended by itself while the question was open
    }
    return true;
}

}  // namespace zem::gui
