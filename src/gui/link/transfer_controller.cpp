#include "link/transfer_controller.h"

#include "app/main_window.h"
#include "channels/channel_page.h"
#include "link/link_messages.h"
#include "link/link_worker.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "view/kivu_view.h"

#include <QCloseEvent>
#include <QTimer>

#include <memory>

namespace zem::gui {

namespace {

// What the worker hands back besides the link's outcome.
struct RunResult {
    zem::TransferOutcome outcome;
    zem::RadioImage working;
};

}  // namespace

TransferController::TransferController(MainWindow& window, PortSelection& port, QObject* parent)
    : QObject(parent),
      window_(window),
      port_(port),
      dialog_(new CProgressDlg(&window)),
      worker_(new LinkWorker(window.messenger(), &window, this)) {
    setObjectName(QStringLiteral("transferController"));
    dialog_->setObjectName(QStringLiteral("progressDialog"));
    connect(dialog_, &CProgressDlg::startRequested, this, &TransferController::start);
    connect(worker_, &LinkWorker::runningChanged, this, &TransferController::runningChanged);
    window_.installEventFilter(this);
}

TransferController::~TransferController() { window_.removeEventFilter(this); }

bool TransferController::isRunning() const { return worker_->isRunning() || dialog_->isRunning(); }

void TransferController::prepare(zem::TransferDirection direction) {
    if (isRunning()) {
        return;
    }
    window_.view().channelPage().commitOpenEditor();
    direction_ = direction;
    // The caption always names what Start will do.
    dialog_->prepare(QString::fromUtf8(direction == zem::TransferDirection::Read ? zem::kTitleReading
                                                                                  : zem::kTitleWriting));
    if (!placed_) {
        dialog_->adjustSize();
        QWidget* grid = &window_.view().channelPage();
        const QPoint centre = grid->mapToGlobal(grid->rect().center());
        dialog_->move(centre - QPoint(dialog_->width() / 2, dialog_->height() / 2));
        placed_ = true;
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void TransferController::start() {
    const zem::TransferDirection direction = direction_;
    CKivuView& view = window_.view();
    if (direction == zem::TransferDirection::Write) {
        // The radio gets what the pages show, and the document keeps it even
        // when the port then cannot be opened.
        view.storeAllPages();
    }

    auto result = std::make_shared<RunResult>();
    result->working = window_.document().image();

    zem::LinkSession session;
    session.port = port_.port().toStdString();
    session.hooks = worker_->hooks([this](const QString& text) { dialog_->setStatusText(text); },
                                   [this] { dialog_->stepBlock(); }, &dialog_->cancelFlag());

    worker_->start(
        [direction, session, result](zem::Messenger& messenger) {
            result->outcome = zem::RunTransfer(direction, result->working, session, messenger);
            return result->outcome.link;
        },
        [this, result](const zem::LinkOutcome&) { finished(result->outcome, result->working); });
}

void TransferController::finished(const zem::TransferOutcome& outcome, const zem::RadioImage& working) {
    dialog_->endRun(outcome.refreshPages || (direction_ == zem::TransferDirection::Write && outcome.returnToChannelTab));
    CKivuView& view = window_.view();
    if (outcome.refreshPages) {
        // Leave the current tab while the old image is still in place, so the
        // page it stores is overwritten by what the radio holds.
        view.returnToChannelTab();
        window_.document().image() = working;
        view.fillAllPages();
        window_.document().markUnmodified();
    } else if (outcome.returnToChannelTab) {
        view.returnToChannelTab();
    }
    if (closeWhenDone_) {
        closeWhenDone_ = false;
        QTimer::singleShot(0, &window_, &QWidget::close);
    }
}

bool TransferController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !isRunning()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Close:
        closeWhenDone_ = true;
        dialog_->reject();  // sets the cancel flag of the running exchange
        event->ignore();
        return true;
    case QEvent::DragEnter:
    case QEvent::Drop:
        // A file dropped on the window would replace the document the
        // exchange is about to fill or has just stored.
        event->ignore();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace zem::gui
