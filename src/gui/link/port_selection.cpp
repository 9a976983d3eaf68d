#include "link/port_selection.h"

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

}  // namespace zem::gui
