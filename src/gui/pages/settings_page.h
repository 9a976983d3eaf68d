#pragma once

#include <QWidget>

class QComboBox;

namespace zem::gui {

// What the "Optional features" and "Key assignment" pages have in common:
// Enter and Escape move on to the next control, as Tab does, so neither key
// closes or resets a page while the user runs through its fields.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Selects entry index of a drop-down, or its first entry when the index
    // is not one of its entries.
    static void selectEntry(QComboBox* combo, int index);
};

}  // namespace zem::gui
