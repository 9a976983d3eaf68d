#pragma once

#include "link/progress_dialog.h"
#include "link/transfer.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>

namespace zem::gui {

class CommandHost;
class LinkWorker;
class PortSelection;

// Read From Radio and Write to Radio: the command opens the progress window,
// its Start runs the exchange on a worker thread over a copy of the image,
// and the end of the run brings the pages and the image up to date on the
// GUI thread.
class TransferController : public QObject {
    Q_OBJECT

public:
    TransferController(CommandHost& window, PortSelection& port, QObject* parent = nullptr);
    ~TransferController() override;

    // The Read and Write commands: commit an open grid edit and show the
    // progress window for this direction. Ignored while a run goes on, so a
    // command can never turn a running read into a write or back.
    void prepare(zem::TransferDirection direction);
    // Program, Compare with radio...: a read that leaves the document alone
    // and hands what the radio holds to compareReady.
    void prepareCompare();
    bool comparing() const { return compare_; }

    bool isRunning() const;

    // Whether a write is read back and compared (Setup, Verify after write).
    void setVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    bool verifyAfterWrite() const { return verifyAfterWrite_; }

    static const char* const kTitleVerifying;   // the progress window's caption while it verifies
    static const char* const kStatusVerifying;  // its status line as the read-back begins
    static const char* const kPhaseVerify;      // heads the status line and names the bar meanwhile
    zem::TransferDirection direction() const { return direction_; }
    CProgressDlg& progressDialog() { return *dialog_; }

signals:
    void runningChanged(bool running);
    // A complete read from the radio (a Read, or the read of a compare):
    // image holds what the radio sent.
    void radioRead(const zem::RadioImage& image, bool fromCompare);
    // A compare's read is complete: document is what the pages showed when
    // it started, radio the same with the radio's bytes 0x000-0x3CF.
    void compareReady(const zem::RadioImage& document, const zem::RadioImage& radio);

protected:
    // Files dropped on the window are refused during a run. (Closing the
    // window meanwhile is the exchange guard's question.)
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    struct RunResult;
    void finished(const RunResult& result);

    CommandHost& window_;
    PortSelection& port_;
    QPointer<CProgressDlg> dialog_;  // the window's child: it may go first
    LinkWorker* worker_;
    zem::TransferDirection direction_ = zem::TransferDirection::Read;
    // The user's cancel of the running exchange, raised by the progress
    // window's Cancel.
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool verifyAfterWrite_ = true;
    bool compare_ = false;
    bool placed_ = false;
};

}  // namespace zem::gui
