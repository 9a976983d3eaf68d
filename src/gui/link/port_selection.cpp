#include "link/port_selection.h"

#include "link/port_dialog.h"

namespace zem::gui {

void PortSelection::setPort(const QString& port) {
    if (port == port_) {
        return;
    }
    port_ = port;
    emit changed(port_);
}

int PortSelection::checkedItem() const {
    bool isNumber = false;
    const int number = port_.toInt(&isNumber);
    return isNumber && number >= 1 && number <= 4 ? number : 0;
}

QString PortSelection::FromArguments(const QStringList& arguments) {
    static const QString option = QStringLiteral("--port");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == option && i + 1 < arguments.size()) {
            return CPortDlg::NormalisedPort(arguments[i + 1]);
        }
        if (argument.startsWith(option + QLatin1Char('='))) {
            return CPortDlg::NormalisedPort(argument.mid(option.size() + 1));
        }
    }
    return QString();
}

}  // namespace zem::gui
