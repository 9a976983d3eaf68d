#pragma once

#include "link/link_session.h"
#include "messenger.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class QWidget;

namespace zem::gui {

// Runs one exchange with the radio on a thread of its own, so the window
// keeps answering through the radio's time-outs. The job talks to the user
// through the worker's Messenger (the exchange itself says nothing; the job
// passes on its question and its outcome's message): a question
// (Retry/Cancel, OK/Cancel) is asked on the GUI thread and the exchange
// waits for the answer; notices
// are shown on the GUI thread once the exchange has ended and the port is
// closed, with the link's explanation in the box's details.
class LinkWorker : public QObject {
    Q_OBJECT

public:
    // The job runs on the worker thread with the worker's messenger and
    // returns the outcome whose message and detail go with the notices.
    using Job = std::function<zem::LinkOutcome(zem::Messenger& messenger)>;
    // Runs on the GUI thread after the notices have been shown.
    using Done = std::function<void(const zem::LinkOutcome& outcome)>;

    // guiMessenger is the window's; boxParent owns the boxes with details.
    LinkWorker(zem::Messenger& guiMessenger, QWidget* boxParent, QObject* parent = nullptr);
    // Lets a running exchange end (it is told the user cancelled) and waits.
    ~LinkWorker() override;

    bool isRunning() const { return running_; }

    // Starts job; false (and nothing happens) while another one runs.
    bool start(Job job, Done done);

    // True once the worker is being destroyed: an exchange polls this with
    // the user's own cancel so that closing the program ends it.
    bool abandoned() const { return abandoned_->load(); }

    // Hooks that reach the GUI thread by queued calls; each may be empty.
    // userCancel, when given, is the user's cancel, shared with the exchange
    // so it outlives whichever window raised it.
    zem::LinkHooks hooks(std::function<void(const QString&)> status, std::function<void()> step,
                         std::shared_ptr<const std::atomic<bool>> userCancel) const;

signals:
    void runningChanged(bool running);

private:
    class WorkerMessenger;

    void finish();

    zem::Messenger& guiMessenger_;
    QWidget* boxParent_;
    std::shared_ptr<std::atomic<bool>> abandoned_;
    std::unique_ptr<WorkerMessenger> workerMessenger_;
    std::thread thread_;
    bool running_ = false;
    zem::LinkOutcome outcome_;
    Done done_;
};

// Shows a notice through the window's messenger. When that messenger ends
// in the desktop's message boxes, detail (when not empty) goes into the
// box's details, translated; any other messenger gets the text alone.
void ShowNotice(zem::Messenger& messenger, QWidget* parent, const zem::Text& text, const zem::Text& detail);

}  // namespace zem::gui
