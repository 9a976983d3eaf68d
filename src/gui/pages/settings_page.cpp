#include "pages/settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

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

void SettingsPage::reportEdits() {
    // A control touched without a change records nothing: the document
    // compares before it makes a step.
    const auto edit = [this] { emit edited(QString()); };
    for (auto* combo : findChildren<QComboBox*>()) connect(combo, &QComboBox::activated, this, edit);
    for (auto* check : findChildren<QCheckBox*>()) connect(check, &QCheckBox::clicked, this, edit);
    for (auto* field : findChildren<QLineEdit*>()) connect(field, &QLineEdit::editingFinished, this, edit);
}

void SettingsPage::selectEntry(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

QString SettingsPage::FirstChange(const std::vector<zem::SettingText>& before,
                                  const std::vector<zem::SettingText>& after) {
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        const zem::SettingText& a = before[i];
        const zem::SettingText& b = after[i];
        if (a.isCheckBox ? a.checked != b.checked : a.text != b.text) return QString::fromUtf8(a.label);
    }
    return {};
}

}  // namespace zem::gui
