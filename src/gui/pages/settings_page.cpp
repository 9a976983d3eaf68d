#include "pages/settings_page.h"

#include <QComboBox>
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

void SettingsPage::selectEntry(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

}  // namespace zem::gui
