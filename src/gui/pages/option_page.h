#pragma once

#include "document/radio_image.h"
#include "pages/option_values.h"

#include "pages/settings_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zem {
class Messenger;
}

namespace zem::gui {

// The "Optional features" page: the radio-wide settings. The controls hold
// the user's edits between a fill and the next store; the image is their
// only home. Controls carry object names after their OptionValues field
// ("scanMode", "pttIdStart", "defaultSetting", ...).
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
    QComboBox* addCombo(const char* name, const std::vector<std::string>& entries);
    QCheckBox* addCheck(const char* name, const QString& text);
    void buildLayout();
    void applyDefaults() override;

    zem::RadioImage& image_;
    zem::Messenger& messenger_;

    QComboBox* scanMode_;
    QComboBox* receiveRecovery_;
    QComboBox* transmissionRecovery_;
    QComboBox* timeOutTimer_;
    QComboBox* voiceBeepTone_;
    QComboBox* squelchLevel_;
    QComboBox* lockDetect_;
    QComboBox* whisperLevel_;
    QCheckBox* whisperEnable_;
    QComboBox* voxLevel_;
    QCheckBox* voxEnable_;
    QLineEdit* pttIdStart_;
    QLineEdit* pttIdEnd_;
    QCheckBox* pttIdStartEnable_;
    QCheckBox* pttIdEndEnable_;
    QComboBox* dtmfSpeed_;
    QComboBox* firstDigitTime_;
    QComboBox* firstDigitDelay_;
    QCheckBox* dtmfSideTone_;
    QCheckBox* energyCheck_;
    QCheckBox* wiredCloneMode_;
    QCheckBox* scramble_;
    QCheckBox* alarmEnable_;
    QCheckBox* compandExpand_;
    QCheckBox* saveEnergy_;
    QPushButton* defaultButton_;
};

}  // namespace zem::gui
