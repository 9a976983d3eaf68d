#include "fleet/fleet_command.h"

#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "doc/kivu_doc.h"
#include "fleet/fleet_dialog.h"
#include "view/kivu_view.h"

#include <QWidget>

namespace zem::gui {

FleetCommand::FleetCommand(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {}

FleetDialog* FleetCommand::dialog() const { return dialog_; }

void FleetCommand::open() {
    host_.view().channelPage().commitOpenEditor();
    if (dialog_ == nullptr) {
        CommandHost& host = host_;
        dialog_ = new FleetDialog(
            host.messenger(),
            [&host](zem::RadioImage& plan, std::string& planName) {
                // The radios get what the pages show, and the document keeps it.
                host.view().channelPage().commitOpenEditor();
                host.view().storeAllPages();
                plan = host.document().image();
                planName = host.document().pathName().toStdString();
                return true;
            },
            &host.hostWidget());
        dialog_->setObjectName(QStringLiteral("fleetDialog"));
        connect(dialog_, &FleetDialog::runningChanged, this, &FleetCommand::runningChanged);
    }
    if (!dialog_->isRunning()) dialog_->setAvailablePorts(zem::ListSerialPorts());
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

}  // namespace zem::gui
