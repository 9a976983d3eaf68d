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
#include <QDateTime>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

namespace zem::gui {

namespace {

// The port items, indexed like PortSelection::checkedItem: Other, COM1-COM4.
constexpr int kPortCommands[] = {kCmdOtherPort, kCmdCom1, kCmdCom2, kCmdCom3, kCmdCom4};

// Connects one command and enables it. Returns the action, or nullptr when
// the window has no such command.
template <typename Handler>
QAction* Bind(CommandHost& window, int id, QObject* context, Handler handler) {
    QAction* action = window.action(id);
    if (action == nullptr) {
        return nullptr;
    }
    QObject::connect(action, &QAction::triggered, context, handler);
    action->setEnabled(true);
    return action;
}

// A shortcut of this program only: it works in any of its windows and never
// while another program has the focus. The keys are given only when no
// other command of the window has them already, since two commands on one
// key would leave the key doing nothing.
void UseShortcut(CommandHost& window, QAction* action, const QKeySequence& keys) {
    if (action == nullptr) {
        return;
    }
    if (action->shortcut().isEmpty()) {
        const QList<QAction*> all = window.hostWidget().findChildren<QAction*>();
        const bool taken = std::any_of(all.begin(), all.end(), [&](QAction* a) { return a->shortcut() == keys; });
        if (!taken) {
            action->setShortcut(keys);
        }
    }
    action->setShortcutContext(Qt::ApplicationShortcut);
}

void ShowPortChecks(CommandHost& window, const PortSelection& port) {
    const int checked = port.checkedItem();
    for (int n = 0; n <= 4; ++n) {
        if (QAction* action = window.action(kPortCommands[n])) {
            action->setCheckable(true);
            action->setChecked(n == checked);
        }
    }
}

}  // namespace

void InstallDeviceCommands(CommandHost& window) {
    QWidget& owner = window.hostWidget();
    auto* port = new PortSelection(&owner);
    port->setObjectName(QStringLiteral("portSelection"));
    // --port chooses the port of this run; a value that names no port is left out.
    const QString preset = CPortDlg::NormalisedPort(window.commandLine().port);
    if (!preset.isEmpty()) {
        port->setPort(preset);
    }

    for (int n = 1; n <= 4; ++n) {
        Bind(window, kPortCommands[n], port, [port, n] { port->setPort(QString::number(n)); });
    }
    Bind(window, kCmdOtherPort, port, [&window, &owner, port] {
        CPortDlg dialog(window.messenger(), &owner);
        dialog.setObjectName(QStringLiteral("portDialog"));
        dialog.setPort(port->port());
        dialog.setAvailablePorts(zem::ListSerialPorts());
        if (dialog.exec() == QDialog::Accepted) {
            port->setPort(dialog.port());
        }
    });
    // The check mark follows the port, whichever item was used to choose it,
    // and a click on a checked item does not take its mark away.
    for (int id : kPortCommands) {
        if (QAction* action = window.action(id)) {
            QObject::connect(action, &QAction::triggered, port, [&window, port] { ShowPortChecks(window, *port); });
        }
    }
    QObject::connect(port, &PortSelection::changed, port, [&window, port] { ShowPortChecks(window, *port); });
    ShowPortChecks(window, *port);

    auto* guard = new ExchangeGuard(window, &owner);

    auto* transfer = new TransferController(window, *port, &owner);
    guard->watch(transfer, [transfer] { return transfer->isRunning(); },
                 [transfer] { transfer->progressDialog().reject(); });
    QObject::connect(transfer, &TransferController::runningChanged, guard,
                     [guard, transfer](bool running) { guard->setBusy(transfer, running); });
    UseShortcut(window, Bind(window, kCmdReadFromRadio, transfer, [transfer] { transfer->prepare(zem::TransferDirection::Read); }),
                QKeySequence(Qt::CTRL | Qt::Key_R));
    UseShortcut(window, Bind(window, kCmdWriteToRadio, transfer, [transfer] { transfer->prepare(zem::TransferDirection::Write); }),
                QKeySequence(Qt::CTRL | Qt::Key_W));

    // Every complete read is kept in the radio history, a compare's marked
    // as such. A history that cannot take it is reported once, not at every
    // read, until it works again; the read itself stands either way.
    QObject::connect(transfer, &TransferController::radioRead, transfer,
                     [&window, reported = false](const zem::RadioImage& image, bool fromCompare) mutable {
                         RadioHistory history;
                         QString why;
                         if (!history.add(image, QDateTime::currentDateTime(), &why, fromCompare).isEmpty()) {
                             reported = false;
                         } else if (!reported) {
                             reported = true;
                             window.messenger().notice(
                                 QCoreApplication::translate("zem::gui::DeviceCommands",
                                                             "The read is complete, but it could not be kept in "
                                                             "the radio history.\nFolder: %1\nReason: %2")
                                     .arg(QDir::toNativeSeparators(history.folder()), why)
                                     .toStdString());
                         }
                     });

    // Verify after write is on until the user turns it off; the choice is kept.
    if (QAction* verify = window.action(kCmdVerifyAfterWrite)) {
        const QString key = QStringLiteral("Settings/VerifyAfterWrite");
        verify->setChecked(UserSettings().value(key, true).toBool());
        transfer->setVerifyAfterWrite(verify->isChecked());
        QObject::connect(verify, &QAction::toggled, transfer, [transfer, key](bool on) {
            transfer->setVerifyAfterWrite(on);
            UserSettings().setValue(key, on);
        });
        verify->setEnabled(true);
    }

    auto* power = new PowerSetCommand(window, *port, &owner);
    guard->watch(power, [power] { return power->exchanging(); }, [power] { power->stop(); });
    QObject::connect(power, &PowerSetCommand::runningChanged, guard,
                     [guard, power](bool running) { guard->setBusy(power, running); });
    // The menu item, Ctrl+T and the toolbar's power button are one command.
    UseShortcut(window, Bind(window, kCmdOnLinePowerSet, power, [power] { power->run(); }),
                QKeySequence(Qt::CTRL | Qt::Key_T));
    UseShortcut(window, Bind(window, kCmdDebugTxPower, power, [power] { power->run(); }),
                QKeySequence(Qt::CTRL | Qt::Key_T));

    // Many radios at once: the same guard keeps the document in place while they are written.
    auto* fleet = new FleetCommand(window, &owner);
    guard->watch(fleet, [fleet] { return fleet->dialog() != nullptr && fleet->dialog()->isRunning(); },
                 [fleet] {
                     if (fleet->dialog() != nullptr) fleet->dialog()->stop();
                 });
    QObject::connect(fleet, &FleetCommand::runningChanged, guard,
                     [guard, fleet](bool running) { guard->setBusy(fleet, running); });
    Bind(window, kCmdWriteSeveral, fleet, [fleet] { fleet->open(); });

    auto* csv = new CsvCommands(window, &owner);
    Bind(window, kCmdImportCsv, csv, [csv] { csv->importCsv(); });
    Bind(window, kCmdExportCsv, csv, [csv] { csv->exportCsv(); });

    auto* compare = new CompareCommands(window, &owner);
    Bind(window, kCmdCompareWithFile, compare, [compare] { compare->compareWithFile(); });
    Bind(window, kCmdCompareWithRadio, transfer, [transfer] { transfer->prepareCompare(); });
    // The list comes up once the exchange has ended and released the port.
    QObject::connect(transfer, &TransferController::compareReady, compare,
                     [compare](const zem::RadioImage& document, const zem::RadioImage& radio) {
                         QTimer::singleShot(0, compare, [compare, document, radio] {
                             compare->showDifferences(document, radio, CompareCommands::tr("Radio"));
                         });
                     });

    auto* printing = new PrintCommands(window, &owner);
    Bind(window, kCmdPrint, printing, [printing] { printing->print(); });
    Bind(window, kCmdPrintPreview, printing, [printing] { printing->preview(); });
    Bind(window, kCmdPrintSetup, printing, [printing] { printing->setup(); });
}

}  // namespace zem::gui
