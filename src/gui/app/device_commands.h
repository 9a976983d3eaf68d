#pragma once

#include <QList>
#include <QObject>

#include <memory>

class QAction;

namespace zem::gui {

class CommandHost;
class CompareCommands;
class CsvCommands;
class ExchangeGuard;
class FleetCommand;
class PortSelection;
class PowerSetCommand;
class PrintCommands;
class TransferController;

// The objects behind the radio, port, service, print and workbench commands
// of the main window (read, write, compare, the port items, verify, On Line
// Power Set, write to several radios, CSV import and export, print), and
// what ties them to each other: the guard that holds the document during an
// exchange, the radio history that keeps every read, the compare list shown
// once a read for it has ended. The window's command table calls them.
class DeviceCommands : public QObject {
public:
    DeviceCommands(CommandHost& host, QObject* parent);
    ~DeviceCommands() override;

    // Once the window's actions exist: the port items' check marks and the
    // kept choice of verify after write; exclusive are the actions disabled
    // while a radio exchange runs.
    void actionsReady(const QList<QAction*>& exclusive);

    // The port items: COM1-COM4 (1-4), and Other, which asks for a port.
    void choosePort(int com);
    void chooseOtherPort();
    void setVerifyAfterWrite(bool on);

    PortSelection& port() { return *port_; }
    TransferController& transfer() { return *transfer_; }
    PowerSetCommand& power() { return *power_; }
    FleetCommand& fleet() { return *fleet_; }
    CsvCommands& csv() { return *csv_; }
    CompareCommands& compare() { return *compare_; }
    PrintCommands& printing() { return *printing_; }

private:
    void showPortChecks();

    CommandHost& host_;
    // Deleted newest first: a command goes before what it uses.
    std::unique_ptr<PortSelection> port_;
    std::unique_ptr<ExchangeGuard> guard_;
    std::unique_ptr<TransferController> transfer_;
    std::unique_ptr<PowerSetCommand> power_;
    std::unique_ptr<FleetCommand> fleet_;
    std::unique_ptr<CsvCommands> csv_;
    std::unique_ptr<CompareCommands> compare_;
    std::unique_ptr<PrintCommands> printing_;
};

}  // namespace zem::gui
