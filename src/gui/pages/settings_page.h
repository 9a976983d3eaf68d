#pragma once

#include "compare/document_diff.h"
#include "pages/radio_page.h"

#include <vector>

class QComboBox;

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
};

}  // namespace zem::gui
