#pragma once

#include "document/radio_image.h"
#include "pages/option_values.h"

#include "pages/settings_page.h"

class QPushButton;

namespace zem {
class Messenger;
}

namespace zem::gui {

// The "Optional features" page: the radio-wide settings. The controls hold
// the user's edits between a fill and the next store; the image is their
// only home. The controls come from the core's description of the
// settings and carry their keys in camel case ("scanMode", "pttIdStart");
// this page places them.
class COptionPage : public SettingsPage {
    Q_OBJECT

public:
    COptionPage(zem::RadioImage& image, zem::Messenger& messenger, QWidget* parent = nullptr);

    QString title() const override;
    QString helpTopic() const override;
    void FillFromImage() override;
    // Stores the controls; the PTT ID messages go to the messenger.
    void StoreToImage() override;
    void storeQuietly(zem::RadioImage& image) const override;
    QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const override;

    // The controls as values, and back.
    zem::OptionValues values() const;
    void setValues(const zem::OptionValues& values);

private:
    void buildLayout();
    void applyDefaults() override;

    zem::RadioImage& image_;
    zem::Messenger& messenger_;
    QPushButton* defaultButton_;
};

}  // namespace zem::gui
