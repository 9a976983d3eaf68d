#pragma once

#include "link/serial_port.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QTreeWidget;

namespace zem {
class Messenger;
}

namespace zem::gui {

// Chooses the port the radio is on: a port number 1-99 typed into the field
// (or, off Windows, a device path), or one of the serial ports found on this
// machine picked from the list. OK refuses anything else with a message and
// keeps the dialog open; Esc and the close box keep the old port.
class CPortDlg : public QDialog {
    Q_OBJECT

public:
    CPortDlg(zem::Messenger& messenger, QWidget* parent = nullptr);

    // The port shown when the dialog opens, and the port chosen once it
    // ended with OK: a number "1".."99" or a device path.
    void setPort(const QString& port);
    QString port() const { return port_; }

    void setAvailablePorts(const std::vector<zem::PortInfo>& ports);

    QLineEdit* edit() const { return edit_; }
    QTreeWidget* portList() const { return list_; }

    // The refusal of an entry that is neither a port number nor a path.
    static const char* const kMsgBadPort;

    // The entry as a port name, or an empty text when it is none: digits
    // within 1-99 (leading zeros and surrounding blanks allowed), or an
    // absolute device path where the system has them.
    static QString NormalisedPort(const QString& entry);

public slots:
    void accept() override;

private:
    void onPicked();

    zem::Messenger& messenger_;
    QLineEdit* edit_;
    QTreeWidget* list_;
    QString port_;
};

}  // namespace zem::gui
