#include "app/device_commands.h"

#include "app/exchange_guard.h"

#include "commands/command_host.h"
#include "commands/command_ids.h"
#include "fleet/fleet_command.h"
#include "fleet/fleet_dialog.h"
#include "common/user_settings.h"
#include "link/port_dialog.h"
#include "link/port_selection.h"
#include "link/transfer_controller.h"
#include "messenger.h"
#include "service/power_set_command.h"
#include "workbench/compare_commands.h"
#include "workbench/csv_commands.h"
#include "workbench/radio_history.h"
#include "printing/print_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>
#include <QWidget>

namespace zem::gui {

namespace {

// The port items, indexed like PortSelection::checkedItem: Other, COM1-COM4.
constexpr int kPortCommands[] = {kCmdOtherPort, kCmdCom1, kCmdCom2, kCmdCom3, kCmdCom4};

QString VerifyKey() { return QStringLiteral("Settings/VerifyAfterWrite"); }

}  // namespace

DeviceCommands::DeviceCommands(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {
    setObjectName(QStringLiteral("deviceCommands"));
    port_ = std::make_unique<PortSelection>(this);
    port_->setObjectName(QStringLiteral("portSelection"));
    // --port chooses the port of this run; a value that names no port is left out.
    const QString preset = CPortDlg::NormalisedPort(host.commandLine().port);
    if (!preset.isEmpty()) {
        port_->setPort(preset);
    }
    // The check mark follows the port, whichever item was used to choose it.
    connect(port_.get(), &PortSelection::changed, this, &DeviceCommands::showPortChecks);

    guard_ = std::make_unique<ExchangeGuard>(host, this);

    transfer_ = std::make_unique<TransferController>(host, *port_, this);
    guard_->watch(
        transfer_.get(), [t = transfer_.get()] { return t->isRunning(); },
        [t = transfer_.get()] { t->progressDialog().reject(); });
    connect(transfer_.get(), &TransferController::runningChanged, guard_.get(),
            [guard = guard_.get(), t = transfer_.get()](bool running) { guard->setBusy(t, running); });

    // Every complete read is kept in the radio history, a compare's marked
    // as such. A history that cannot take it is reported once, not at every
    // read, until it works again; the read itself stands either way.
    connect(transfer_.get(), &TransferController::radioRead, transfer_.get(),
            [&host, reported = false](const zem::RadioImage& image, bool fromCompare) mutable {
                RadioHistory history;
                QString why;
                if (!history.add(image, QDateTime::currentDateTime(), &why, fromCompare).isEmpty()) {
                    reported = false;
                } else if (!reported) {
                    reported = true;
                    host.messenger().notice(
                        QCoreApplication::translate("zem::gui::DeviceCommands",
                                                    "The read is complete, but it could not be kept in the radio "
                                                    "history.\nFolder: %1\nReason: %2")
                            .arg(QDir::toNativeSeparators(history.folder()), why)
                            .toStdString());
                }
            });

    power_ = std::make_unique<PowerSetCommand>(host, *port_, this);
    guard_->watch(
        power_.get(), [p = power_.get()] { return p->exchanging(); }, [p = power_.get()] { p->stop(); });
    connect(power_.get(), &PowerSetCommand::runningChanged, guard_.get(),
            [guard = guard_.get(), p = power_.get()](bool running) { guard->setBusy(p, running); });

    // Many radios at once: the same guard keeps the document in place while they are written.
    fleet_ = std::make_unique<FleetCommand>(host, this);
    guard_->watch(
        fleet_.get(), [f = fleet_.get()] { return f->dialog() != nullptr && f->dialog()->isRunning(); },
        [f = fleet_.get()] {
            if (f->dialog() != nullptr) f->dialog()->stop();
        });
    connect(fleet_.get(), &FleetCommand::runningChanged, guard_.get(),
            [guard = guard_.get(), f = fleet_.get()](bool running) { guard->setBusy(f, running); });

    csv_ = std::make_unique<CsvCommands>(host, this);

    compare_ = std::make_unique<CompareCommands>(host, this);
    // The list comes up once the exchange has ended and released the port.
    connect(transfer_.get(), &TransferController::compareReady, compare_.get(),
            [c = compare_.get()](const zem::RadioImage& document, const zem::RadioImage& radio) {
                QTimer::singleShot(
                    0, c, [c, document, radio] { c->showDifferences(document, radio, CompareCommands::tr("Radio")); });
            });

    printing_ = std::make_unique<PrintCommands>(host, this);
}

DeviceCommands::~DeviceCommands() = default;

void DeviceCommands::actionsReady(const QList<QAction*>& exclusive) {
    guard_->setExclusive(exclusive);
    showPortChecks();
    // Verify after write is on until the user turns it off; the choice is kept.
    if (QAction* verify = host_.action(kCmdVerifyAfterWrite)) {
        verify->setChecked(UserSettings().value(VerifyKey(), true).toBool());
        transfer_->setVerifyAfterWrite(verify->isChecked());
    }
}

void DeviceCommands::choosePort(int com) {
    port_->setPort(QString::number(com));
    // A click on a checked item does not take its mark away.
    showPortChecks();
}

void DeviceCommands::chooseOtherPort() {
    CPortDlg dialog(host_.messenger(), &host_.hostWidget());
    dialog.setObjectName(QStringLiteral("portDialog"));
    dialog.setPort(port_->port());
    dialog.setAvailablePorts(zem::ListSerialPorts());
    if (dialog.exec() == QDialog::Accepted) {
        port_->setPort(dialog.port());
    }
    showPortChecks();
}

void DeviceCommands::setVerifyAfterWrite(bool on) {
    transfer_->setVerifyAfterWrite(on);
    // Showing the kept choice at the start is no new choice to keep.
    QSettings settings = UserSettings();
    if (settings.value(VerifyKey(), true).toBool() != on)
        settings.setValue(VerifyKey(), on);
}

void DeviceCommands::showPortChecks() {
    const int checked = port_->checkedItem();
    for (int n = 0; n <= 4; ++n) {
        if (QAction* action = host_.action(kPortCommands[n])) {
            action->setCheckable(true);
            action->setChecked(n == checked);
        }
    }
}

}  // namespace zem::gui
