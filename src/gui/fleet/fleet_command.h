#pragma once

#include <QObject>
#include <QPointer>

namespace zem::gui {

class CommandHost;
class FleetDialog;

// "Write to several radios...": opens the fleet dialog (one for the window,
// modeless, so the window stays usable). At Start the pages are stored and
// the document's image, as it stands then, is the plan of the whole run.
class FleetCommand : public QObject {
    Q_OBJECT

public:
    FleetCommand(CommandHost& host, QObject* parent = nullptr);

    void open();
    FleetDialog* dialog() const;

signals:
    // While a run goes on the commands that would replace the document wait.
    void runningChanged(bool running);

private:
    CommandHost& host_;
    QPointer<FleetDialog> dialog_;
};

}  // namespace zem::gui
