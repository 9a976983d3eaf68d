#pragma once

#include "document/radio_image.h"
#include "pages/key_values.h"

#include "pages/settings_page.h"

class QComboBox;
class QPushButton;

namespace zem::gui {

// The "Key assignment" page: long and short press functions of the three
// programmable keys and the long-press duration, beside a picture of the
// radio whose leader lines point at the keys. Controls carry object names
// after their KeyValues field ("topLong", "longPressDuration", ...).
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

    zem::RadioImage& image_;
    QComboBox* longPressDuration_;
    QComboBox* topLong_;
    QComboBox* topShort_;
    QComboBox* middleLong_;
    QComboBox* middleShort_;
    QComboBox* bottomLong_;
    QComboBox* bottomShort_;
    QPushButton* defaultButton_;
};

}  // namespace zem::gui
