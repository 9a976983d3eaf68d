#pragma once

#include "document/radio_image.h"
#include "pages/key_values.h"

#include "pages/settings_page.h"

class QPushButton;

namespace zem::gui {

// The "Key assignment" page: long and short press functions of the three
// programmable keys and the long-press duration, beside a picture of the
// radio whose leader lines point at the keys. The controls come from the
// core's description of the settings and carry their keys in camel case
// ("topLong", "longPressDuration"); this page places them.
class CKeyPage : public SettingsPage {
    Q_OBJECT

public:
    explicit CKeyPage(zem::RadioImage& image, QWidget* parent = nullptr);

    QString title() const override;
    QString helpTopic() const override;
    void FillFromImage() override;
    void StoreToImage() override;
    void storeQuietly(zem::RadioImage& image) const override;
    QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const override;

    zem::KeyValues values() const;
    void setValues(const zem::KeyValues& values);

private:
    void applyDefaults() override;

    QWidget* keyGroup(const QString& title, const char* longPress, const char* shortPress);

    zem::RadioImage& image_;
    QPushButton* defaultButton_;
};

}  // namespace zem::gui
