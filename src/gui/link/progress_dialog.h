#pragma once

#include <QDialog>

#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zem::gui {

// The small modeless window of a read or write: Start begins the exchange,
// Cancel either closes the idle window or asks the running exchange to stop.
// The bar has one step per block; the status line shows what the link is
// doing, then the block count.
class CProgressDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kBarMaximum = 123;

    explicit CProgressDlg(QWidget* parent = nullptr);

    // Brings the window back to its idle state under the given caption:
    // bar at 0, "Ready ......", Start enabled and focused, cancel flag clear.
    void prepare(const QString& title);

    bool isRunning() const { return running_; }

    // Polled by the exchange on its worker thread.
    const std::atomic<bool>& cancelFlag() const { return cancelFlag_; }

    QPushButton* startButton() const { return startButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QProgressBar* bar() const { return bar_; }
    QString statusText() const;

public slots:
    void setStatusText(const QString& text);
    // One finished block: the bar moves on and the status line shows the
    // count, which runs 1..122 for a full image.
    void stepBlock();
    // A second phase of the same run (the read-back of a verify): the bar
    // starts again from 0 under the phase's caption and status text. Until
    // the run ends, the bar carries the phase's name and every status text
    // and block count is headed by it ("Verify: 12").
    void beginPhase(const QString& title, const QString& status, const QString& phase);
    // The exchange has ended: a complete run fills the bar; the window closes
    // in every outcome.
    void endRun(bool complete);
    // Cancel, Esc and the close box.
    void reject() override;

signals:
    // Every text the status line shows, in order.
    void statusShown(const QString& text);
    void startRequested();
    void cancelRequested();

private slots:
    void onStart();

private:
    QPushButton* startButton_;
    QPushButton* cancelButton_;
    QProgressBar* bar_;
    QLabel* status_;
    QString phase_;  // the name of a second phase while it runs
    std::atomic<bool> cancelFlag_{false};
    bool running_ = false;
};

}  // namespace zem::gui
