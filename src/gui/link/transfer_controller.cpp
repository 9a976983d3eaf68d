#include "link/transfer_controller.h"

#include "accessibility/announcement.h"
#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "common/core_text.h"
#include "doc/kivu_doc.h"
#include "link/link_messages.h"
#include "link/link_worker.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "session/radio_exchange.h"
#include "view/kivu_view.h"


#include <QEvent>

#include <memory>

namespace zem::gui {

namespace {

// Why a write's read-back did not check it, as its message says after
// its head ("Not received enough byte").
QString UncheckedReason(const zem::VerifyOutcome& verify) {
    const zem::Text& message = verify.link.message;
    if (message.marked() && message.source() == std::string(zem::kMsgVerifyReadFailedBecause) &&
        !message.args().empty())
        return Translated(message.args().front());
    return message.empty() ? TransferController::tr("the check was stopped") : Translated(message);
}

}  // namespace

// What the worker hands back besides the link's outcome.
struct TransferController::RunResult {
    zem::ExchangeOutcome outcome;  // of the read, or of the write and its read-back
    zem::RadioImage working;
    zem::RadioImage document;   // a compare's document side
    bool compare = false;
};

const char* const TransferController::kTitleVerifying = QT_TRANSLATE_NOOP("zem::gui::TransferController", "Verifying Written Data");
const char* const TransferController::kStatusVerifying = QT_TRANSLATE_NOOP("zem::gui::TransferController", "Reading the radio back to compare...");
const char* const TransferController::kPhaseVerify = QT_TRANSLATE_NOOP("zem::gui::TransferController", "Verify");

TransferController::TransferController(CommandHost& window, PortSelection& port, QObject* parent)
    : QObject(parent),
      window_(window),
      port_(port),
      dialog_(new CProgressDlg(&window.hostWidget())),
      worker_(new LinkWorker(window.messenger(), &window.hostWidget(), this)),
      cancel_(std::make_shared<std::atomic<bool>>(false)) {
    setObjectName(QStringLiteral("transferController"));
    dialog_->setObjectName(QStringLiteral("progressDialog"));
    connect(dialog_, &CProgressDlg::startRequested, this, &TransferController::start);
    connect(dialog_, &CProgressDlg::cancelRequested, this, [this] { cancel_->store(true); });
    connect(worker_, &LinkWorker::runningChanged, this, &TransferController::runningChanged);
    window_.hostWidget().installEventFilter(this);
}

TransferController::~TransferController() { window_.hostWidget().removeEventFilter(this); }

bool TransferController::isRunning() const {
    return worker_->isRunning() || (dialog_ != nullptr && dialog_->isRunning());
}

void TransferController::prepare(zem::TransferDirection direction) {
    if (isRunning()) {
        return;
    }
    window_.view().channelPage().commitOpenEditor();
    direction_ = direction;
    compare_ = false;
    // The caption always names what Start will do.
    dialog_->prepare(Translated(zem::LinkText(direction == zem::TransferDirection::Read ? zem::kTitleReading
                                                                                         : zem::kTitleWriting)));
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

void TransferController::prepareCompare() {
    if (isRunning()) {
        return;
    }
    prepare(zem::TransferDirection::Read);
    compare_ = true;
}

void TransferController::start() {
    const zem::TransferDirection direction = compare_ ? zem::TransferDirection::Read : direction_;
    CKivuView& view = window_.view();
    if (direction == zem::TransferDirection::Write) {
        // The radio gets what the pages show, and the document keeps it even
        // when the port then cannot be opened.
        view.storeAllPages();
    }

    cancel_->store(false);
    auto result = std::make_shared<RunResult>();
    result->compare = compare_;
    if (compare_) {
        // The radio's bytes go into a copy of what the pages show, so only
        // what the radio holds differently can differ.
        result->document = window_.document().currentImage();
        result->working = result->document;
    } else {
        result->working = window_.document().image();
    }

    zem::LinkSession session;
    session.port = port_.port().toStdString();
    session.hooks = worker_->hooks(
        [this](const QString& text) {
            if (dialog_ != nullptr) dialog_->setStatusText(text);
        },
        [this] {
            if (dialog_ != nullptr) dialog_->stepBlock();
        },
        cancel_);

    const bool verify = direction == zem::TransferDirection::Write && verifyAfterWrite_;
    // The verify's phase is announced through the queue the status texts
    // and block steps take, so it shows between the write's last step and
    // the read-back's first text.
    auto beginVerify = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (dialog_ == nullptr) return;
                dialog_->beginPhase(tr(kTitleVerifying), tr(kStatusVerifying), tr(kPhaseVerify));
                Announce(dialog_, tr("Verifying written data"));
            },
            Qt::QueuedConnection);
    };
    worker_->start(
        [direction, session, result, verify, beginVerify](zem::Messenger& messenger) {
            // The worker asks the user on the window's thread and shows the
            // outcome's message once the exchange has ended; a failed
            // read-back's message says the write went through.
            const zem::LinkSession asking = zem::AskingThrough(messenger, session);
            result->outcome = direction == zem::TransferDirection::Write
                                  ? zem::WriteRadio(result->working, asking, verify, beginVerify)
                                  : zem::ReadRadio(result->working, asking);
            if (!result->outcome.link.message.empty()) messenger.notice(result->outcome.link.message);
            return result->outcome.link;
        },
        [this, result](const zem::LinkOutcome&) { finished(*result); });
}

void TransferController::finished(const RunResult& result) {
    if (dialog_ == nullptr) {
        return;  // the window is going away
    }
    const zem::ExchangeOutcome& outcome = result.outcome;
    const zem::RadioImage& working = result.working;
    if (result.compare) {
        // The document and the pages stay exactly as they are.
        dialog_->endRun(outcome.refreshPages);
        if (outcome.refreshPages) {
            emit radioRead(working, true);
            emit compareReady(result.document, working);
        }
        return;
    }
    dialog_->endRun(outcome.refreshPages || (direction_ == zem::TransferDirection::Write && outcome.returnToChannelTab));
    CKivuView& view = window_.view();
    if (outcome.refreshPages) {
        // One undo step brings back the document as it was before the read.
        CKivuDoc::ChangeScope step(window_.document(), tr("Read from radio"));
        // Leave the current tab while the old image is still in place, so the
        // page it stores is overwritten by what the radio holds.
        view.returnToChannelTab();
        window_.document().image() = working;
        view.fillAllPages();
        window_.document().markUnmodified();
    } else if (outcome.returnToChannelTab) {
        view.returnToChannelTab();
    }
    // What the radio now holds: stopped among the blocks (a failed block,
    // Cancel, or quitting), it is neither as it was nor as the document and
    // must not be used like that; a read-back that differs names the first
    // difference. The document keeps what was meant to be written.
    if (!outcome.holdsText.empty()) window_.messenger().notice(outcome.holdsText);
    if (outcome.refreshPages) emit radioRead(working, false);
    // The outcome is heard as well as seen, once the progress window has
    // closed and its last steps have been told; a failure has said why in a
    // message box. A write whose check failed is never called done.
    QWidget* window = &window_.hostWidget();
    if (outcome.completed() || outcome.verifyTried) {
        if (direction_ == zem::TransferDirection::Read)
            AnnounceWhenSettled(window, tr("Read from the radio"));
        else if (!outcome.verifyTried)
            AnnounceWhenSettled(window, tr("Written to the radio"));
        else if (outcome.verify.matches())
            AnnounceWhenSettled(window, tr("Written to the radio and verified"));
        else if (!outcome.verify.checked)
            AnnounceWhenSettled(window, tr("Written to the radio, but not checked: %1").arg(UncheckedReason(outcome.verify)));
    }
}

bool TransferController::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Only these matter; the type is looked at first because the window also
    // sends events while it destroys its children, the progress window
    // among them.
    const bool guarded = type == QEvent::DragEnter || type == QEvent::Drop;
    if (watched != &window_.hostWidget() || !guarded || !isRunning()) {
        return QObject::eventFilter(watched, event);
    }
    // A file dropped on the window would replace the document the exchange
    // is about to fill or has just stored.
    event->ignore();
    return true;
}

}  // namespace zem::gui
