#include "pages/settings_page.h"

#include <QKeyEvent>

namespace zem::gui {

void SettingsPage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        focusNextChild();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace zem::gui
