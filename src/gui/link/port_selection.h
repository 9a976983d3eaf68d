#pragma once

#include <QObject>
#include <QString>

namespace zem::gui {

// The port the radio is on for this run of the program: a number "1".."99"
// or a device path. It starts at "1" (or the --port of the command line)
// and is never saved.
class PortSelection : public QObject {
    Q_OBJECT

public:
    explicit PortSelection(QObject* parent = nullptr) : QObject(parent) {}

    QString port() const { return port_; }
    void setPort(const QString& port);

    // The menu item that carries the check mark: n for COMn (port n, 1-4),
    // 0 for "Other ...." (ports 5-99 and device paths).
    int checkedItem() const;

signals:
    void changed(const QString& port);

private:
    QString port_ = QStringLiteral("1");
};

}  // namespace zem::gui
