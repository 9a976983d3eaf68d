#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <functional>

class QAction;

namespace zem::gui {

class CommandHost;

// Watches every command that talks to radios (read and write, compare,
// the power setting, the fleet). While any of them is busy the commands
// that would start another exchange or replace the document are disabled,
// and each gets back the state it had before. While radios are being read
// or written, closing the window asks whether to stop and quit: Yes stops
// every radio at its next block and the window closes once every port is
// released; No leaves them running.
class ExchangeGuard : public QObject {
public:
    ExchangeGuard(CommandHost& window, QObject* parent);
    ~ExchangeGuard() override;

    // The question asked when the window is closed during an exchange.
    static const char* const kAskStopAndQuit;

    // The actions that would start another exchange or replace the document.
    void setExclusive(const QList<QAction*>& actions);

    // A command whose busy state comes through setBusy. exchanging says
    // whether it is talking to a radio right now; stop makes it stop at
    // its next block and end.
    void watch(QObject* source, std::function<bool()> exchanging, std::function<void()> stop);
    void setBusy(QObject* source, bool busy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        std::function<bool()> exchanging;
        std::function<void()> stop;
    };
    bool exchanging() const;
    void closeWhenIdle();

    CommandHost& window_;
    QHash<QObject*, Watched> watched_;
    QSet<QObject*> busy_;
    QList<QAction*> exclusive_;
    QHash<QAction*, bool> enabledBefore_;
    bool quitting_ = false;  // Yes was chosen: the window closes once nothing is busy
};

}  // namespace zem::gui
