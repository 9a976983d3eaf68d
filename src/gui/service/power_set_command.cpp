#include "service/power_set_command.h"

#include "accessibility/announcement.h"
#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "doc/kivu_doc.h"
#include "link/link_messages.h"
#include "link/link_worker.h"
#include "link/port_selection.h"
#include "service/access_code.h"
#include "service/password_dialog.h"
#include "service/power_set_dialog.h"
#include "session/radio_exchange.h"
#include "view/kivu_view.h"

#include <algorithm>
#include <memory>

namespace zem::gui {

namespace {

// The image bytes the service exchanges may change: the channel area the
// power read refreshes and the power values.
constexpr std::size_t kChannelAreaEnd = 0x0B0;

void CopyBytes(const zem::RadioImage& from, zem::RadioImage& to, std::size_t begin, std::size_t end) {
    std::copy(from.bytes.begin() + begin, from.bytes.begin() + end, to.bytes.begin() + begin);
}

}  // namespace

PowerSetCommand::PowerSetCommand(CommandHost& window, PortSelection& port, QObject* parent)
    : QObject(parent), window_(window), port_(port) {
    setObjectName(QStringLiteral("powerSetCommand"));
}

bool PowerSetCommand::exchanging() const { return worker_ != nullptr && worker_->isRunning(); }

void PowerSetCommand::stop() {
    if (dialog_ != nullptr) dialog_->reject();
}

void PowerSetCommand::run() {
    if (running_) {
        return;
    }
    running_ = true;
    emit runningChanged(true);
    CKivuView& view = window_.view();
    view.channelPage().hideEditors();
    {
        CPasswordDlg password(&window_.hostWidget());
        password.setObjectName(QStringLiteral("passwordDialog"));
        dialog_ = &password;
        if (password.exec() == QDialog::Accepted) {
            if (zem::CheckAccessCode(password.password().toStdString())) {
                runPowerDialog();
            } else {
                window_.messenger().notice(zem::kMsgWrongAccessCode);
            }
        }
    }
    // Stores the page being left, so edits made there before the command
    // are kept.
    view.returnToChannelTab();
    view.channelPage().setCurrentCell(1, 1);
    running_ = false;
    emit runningChanged(false);
}

void PowerSetCommand::runPowerDialog() {
    const zem::PowerFrequencyRange range = zem::PowerRangeForBand(window_.view().channelPage().values().bandIndex);
    CPowerSetDlg dialog(range.minMHz, range.maxMHz, &window_.hostWidget());
    dialog.setObjectName(QStringLiteral("powerSetDialog"));
    LinkWorker worker(window_.messenger(), &dialog);
    connect(&dialog, &CPowerSetDlg::readRequested, this, [&] { readFromRadio(dialog, worker); });
    connect(&dialog, &CPowerSetDlg::writeRequested, this, [&] { writeToRadio(dialog, worker); });
    dialog_ = &dialog;
    worker_ = &worker;
    dialog.exec();
    worker_ = nullptr;
    disconnect(&dialog, nullptr, this, nullptr);
}

void PowerSetCommand::readFromRadio(CPowerSetDlg& dialog, LinkWorker& worker) {
    dialog.setExchanging(true);
    auto working = std::make_shared<zem::RadioImage>(window_.document().image());
    auto refresh = std::make_shared<bool>(false);
    zem::LinkSession session;
    session.port = port_.port().toStdString();
    session.hooks = worker.hooks({}, {}, {});
    worker.start(
        [session, working, refresh](zem::Messenger& messenger) {
            const zem::ExchangeOutcome outcome = zem::ReadPower(*working, zem::AskingThrough(messenger, session));
            // The worker shows them once the exchange has ended.
            for (const Text& message : outcome.messages()) messenger.notice(message);
            *refresh = outcome.refreshPages;
            return outcome.link;
        },
        [this, &dialog, working, refresh](const zem::LinkOutcome& link) {
            if (*refresh) {
                CKivuDoc::ChangeScope step(window_.document(), tr("On Line Power Set"));
                CKivuView& view = window_.view();
                zem::RadioImage& image = window_.document().image();
                // The radio's bytes replace channels 1-10 only, and the page
                // is then refilled from the image: its other edits (channels
                // 11-16, type and band) go into the image first, or the refill
                // would throw them away.
                view.channelPage().storeCommitted();
                CopyBytes(*working, image, 0, kChannelAreaEnd);
                CopyBytes(*working, image, zem::kPowerCalibrationOffset,
                          zem::kPowerCalibrationOffset + zem::kPowerCalibrationSize);
                dialog.setValues(zem::PowerValuesFromImage(image));
                view.channelPage().FillFromImage();
                view.returnToChannelTab();
            }
            dialog.setExchanging(false);
            // Heard as well as seen; a failure has said why in a message box.
            if (link.completed()) AnnounceWhenSettled(&dialog, tr("Read the power values from the radio"));
        });
}

void PowerSetCommand::writeToRadio(CPowerSetDlg& dialog, LinkWorker& worker) {
    dialog.setExchanging(true);
    auto working = std::make_shared<zem::RadioImage>(window_.document().image());
    const zem::PowerValues values = dialog.values();
    zem::LinkSession session;
    session.port = port_.port().toStdString();
    session.hooks = worker.hooks({}, {}, {});
    worker.start(
        [session, working, values](zem::Messenger& messenger) {
            const zem::ExchangeOutcome outcome =
                zem::WritePower(values, *working, zem::AskingThrough(messenger, session));
            for (const Text& message : outcome.messages()) messenger.notice(message);
            return outcome.link;
        },
        [this, &dialog, working](const zem::LinkOutcome& link) {
            // What was stored before the radio stopped answering stays in
            // the document, as the values the user chose.
            CKivuDoc::ChangeScope step(window_.document(), tr("On Line Power Set"));
            CopyBytes(*working, window_.document().image(), zem::kPowerCalibrationOffset,
                      zem::kPowerCalibrationOffset + zem::kPowerCalibrationSize);
            dialog.setExchanging(false);
            if (link.completed()) AnnounceWhenSettled(&dialog, tr("Written"));
        });
}

}  // namespace zem::gui
