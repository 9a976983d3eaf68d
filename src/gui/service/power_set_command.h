#pragma once

#include <QObject>
#include <QPointer>

class QDialog;

namespace zem::gui {

class CPowerSetDlg;
class CommandHost;
class LinkWorker;
class PortSelection;

// On Line Power Set: the access code, then the power dialog whose Read and
// Write exchange the power values with the connected radio on a worker
// thread; afterwards the window shows the channel tab with cell (1,1)
// current.
class PowerSetCommand : public QObject {
    Q_OBJECT

public:
    PowerSetCommand(CommandHost& window, PortSelection& port, QObject* parent = nullptr);

    void run();

    bool isRunning() const { return running_; }
    // True while the power values travel to or from the radio.
    bool exchanging() const;
    // Closes the access-code or power dialog; a running exchange ends first.
    void stop();

signals:
    void runningChanged(bool running);

private:
    void runPowerDialog();
    void readFromRadio(CPowerSetDlg& dialog, LinkWorker& worker);
    void writeToRadio(CPowerSetDlg& dialog, LinkWorker& worker);

    CommandHost& window_;
    PortSelection& port_;
    bool running_ = false;
    QPointer<QDialog> dialog_;  // the one open now
    LinkWorker* worker_ = nullptr;
};

}  // namespace zem::gui
