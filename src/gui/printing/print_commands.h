#pragma once

#include <QObject>

#include <memory>

class QPrinter;

namespace zem::gui {

class CommandHost;

// Print, Print Preview and Print Setup of the channel listing. The printer
// and its page settings live as long as the window, so a setup holds for
// the following prints and previews.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    explicit PrintCommands(CommandHost& window, QObject* parent = nullptr);
    ~PrintCommands() override;

    void print();
    void preview();
    void setup();

    // Draws the page of what the channel page shows now on printer.
    bool printTo(QPrinter& printer);

    QPrinter& printer() { return *printer_; }

private:
    CommandHost& window_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace zem::gui
