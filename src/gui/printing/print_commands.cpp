#include "printing/print_commands.h"

#include "commands/command_host.h"
#include "view/kivu_view.h"
#include "printing/print_listing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zem::gui {

PrintCommands::PrintCommands(CommandHost& window, QObject* parent)
    : QObject(parent), window_(window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("printCommands"));
    printer_->setFromTo(1, 1);
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::printTo(QPrinter& printer) {
    return !PrintChannelListing(printer, ListingTextsOf(window_.view().channelPage())).empty();
}

void PrintCommands::print() {
    QPrintDialog dialog(printer_.get(), &window_.hostWidget());
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        printTo(*printer_);
    }
}

void PrintCommands::preview() {
    QPrintPreviewDialog dialog(printer_.get(), &window_.hostWidget());
    dialog.setObjectName(QStringLiteral("printPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { printTo(*printer); });
    dialog.exec();
}

void PrintCommands::setup() {
    QPageSetupDialog dialog(printer_.get(), &window_.hostWidget());
    dialog.exec();
}

}  // namespace zem::gui
