#pragma once

#include "compare/document_diff.h"
#include "pages/radio_settings.h"
#include "pages/radio_page.h"

#include <map>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace zem::gui {

// What the "Optional features" and "Key assignment" pages have in common:
// Enter and Escape move on to the next control, as Tab does, so neither key
// closes or resets a page while the user runs through its fields; and each
// pick, click or finished text is one undo step named after its setting.
class SettingsPage : public RadioPage {
    Q_OBJECT

public:
    using RadioPage::RadioPage;

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Makes one control for each setting of page, as the core's description
    // has it: a drop-down with its entries, a check box with its caption, a
    // code field of its length; named after the key in camel case
    // ("scan_mode" -> "scanMode"), with its help as What's This, and a pick
    // in a list the firmware fixes set back to its fixed entry. The page's
    // layout then places each by its key.
    void makeControls(zem::SettingPage page);
    QWidget* control(const std::string& key) const;
    // The words beside a control, buddy of it.
    QLabel* caption(const std::string& key);

    // The controls as values, and back, for every setting of the page.
    void readControls(zem::OptionValues& options, zem::KeyValues& keys) const;
    void showValues(const zem::OptionValues& options, const zem::KeyValues& keys);

    // Makes every drop-down pick, check box click and finished text of the
    // page an edit. Called once the page's own handlers are connected, so
    // the step holds what they made of the user's input.
    void reportEdits();

    // Selects entry index of a drop-down, or its first entry when the index
    // is not one of its entries.
    static void selectEntry(QComboBox* combo, int index);

    // The label of the first setting shown differently after than before
    // ("Squelch Level"); empty when all are shown the same.
    static QString FirstChange(const std::vector<zem::SettingText>& before,
                               const std::vector<zem::SettingText>& after);

private:
    zem::SettingPage page_ = zem::SettingPage::Options;
    std::map<std::string, QWidget*> controls_;
};

}  // namespace zem::gui
