#include "pages/settings_page.h"

#include "common/core_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
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

namespace {

QString Translated(const char* text) { return CoreText(zem::kTextRadioSettings, text); }

QString CamelCase(const char* key) {
    QString name;
    bool upper = false;
    for (const char* c = key; *c != '\0'; ++c) {
        if (*c == '_') {
            upper = true;
            continue;
        }
        name += upper ? QChar(*c).toUpper() : QChar(*c);
        upper = false;
    }
    return name;
}

}  // namespace

void SettingsPage::makeControls(zem::SettingPage page) {
    page_ = page;
    for (const zem::SettingEntry& setting : zem::PageSettings(page)) {
        QWidget* widget = nullptr;
        switch (setting.kind) {
        case zem::SettingKind::Choice: {
            auto* combo = new QComboBox(this);
            // Shown translated; the page reads back the index.
            combo->addItems(CoreTexts(zem::kTextRadioSettings, setting.entries()));
            if (setting.fixedPick >= 0)
                connect(combo, &QComboBox::activated, this,
                        [combo, &setting](int picked) { combo->setCurrentIndex(zem::AfterPick(setting, picked)); });
            widget = combo;
            break;
        }
        case zem::SettingKind::Check: widget = new QCheckBox(Translated(setting.caption), this); break;
        case zem::SettingKind::Code: {
            auto* field = new QLineEdit(this);
            field->setMaxLength(static_cast<int>(setting.length));
            widget = field;
            break;
        }
        }
        widget->setObjectName(CamelCase(setting.key));
        if (*setting.help != '\0') widget->setWhatsThis(Translated(setting.help));
        controls_[setting.key] = widget;
    }
}

QWidget* SettingsPage::control(const std::string& key) const { return controls_.at(key); }

QLabel* SettingsPage::caption(const std::string& key) {
    auto* label = new QLabel(Translated(zem::FindSetting(key)->caption), this);
    label->setBuddy(control(key));
    return label;
}

void SettingsPage::readControls(zem::OptionValues& options, zem::KeyValues& keys) const {
    for (const zem::SettingEntry& setting : zem::PageSettings(page_)) {
        QWidget* widget = controls_.at(setting.key);
        switch (setting.kind) {
        case zem::SettingKind::Choice:
            zem::IndexIn(setting, options, keys) = static_cast<QComboBox*>(widget)->currentIndex();
            break;
        case zem::SettingKind::Check:
            zem::CheckIn(setting, options) = static_cast<QCheckBox*>(widget)->isChecked();
            break;
        case zem::SettingKind::Code:
            zem::CodeIn(setting, options) = static_cast<QLineEdit*>(widget)->text().toStdString();
            break;
        }
    }
}

void SettingsPage::showValues(const zem::OptionValues& options, const zem::KeyValues& keys) {
    for (const zem::SettingEntry& setting : zem::PageSettings(page_)) {
        QWidget* widget = controls_.at(setting.key);
        switch (setting.kind) {
        case zem::SettingKind::Choice:
            selectEntry(static_cast<QComboBox*>(widget), zem::IndexIn(setting, options, keys));
            break;
        case zem::SettingKind::Check: static_cast<QCheckBox*>(widget)->setChecked(options.*setting.optionCheck); break;
        case zem::SettingKind::Code:
            static_cast<QLineEdit*>(widget)->setText(QString::fromStdString(zem::CodeIn(setting, options)));
            break;
        }
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
