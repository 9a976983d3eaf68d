#include "pages/option_page.h"

#include "messenger.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace zem::gui {

namespace {

QGridLayout* FormGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    return grid;
}

void AddRow(QGridLayout* grid, QLabel* label, QWidget* field) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

}  // namespace

COptionPage::COptionPage(zem::RadioImage& image, zem::Messenger& messenger, QWidget* parent)
    : SettingsPage(parent), image_(image), messenger_(messenger) {
    setObjectName(QStringLiteral("optionPage"));
    makeControls(zem::SettingPage::Options);
    for (auto* combo : findChildren<QComboBox*>()) combo->setMaxVisibleItems(16);
    defaultButton_ = makeDefaultButton(this);

    buildLayout();
    reportEdits();
    defaultButton_->setWhatsThis(tr("Sets every optional feature back to the factory values."));

    FillFromImage();
}

void COptionPage::buildLayout() {
    auto* whisper = new QGroupBox(tr("Whisper  Function"), this);
    auto* whisperGrid = FormGrid(whisper);
    AddRow(whisperGrid, caption("whisper_level"), control("whisper_level"));
    whisperGrid->addWidget(control("whisper_enable"), whisperGrid->rowCount(), 0, 1, 2);

    auto* vox = new QGroupBox(tr("VOX"), this);
    auto* voxGrid = FormGrid(vox);
    AddRow(voxGrid, caption("vox_level"), control("vox_level"));
    voxGrid->addWidget(control("vox_enable"), voxGrid->rowCount(), 0, 1, 2);

    auto* pttId = new QGroupBox(tr("PTT ID"), this);
    auto* pttGrid = FormGrid(pttId);
    AddRow(pttGrid, caption("ptt_id_start"), control("ptt_id_start"));
    AddRow(pttGrid, caption("ptt_id_end"), control("ptt_id_end"));
    auto* enables = new QHBoxLayout;
    enables->addWidget(control("ptt_id_start_enable"));
    enables->addWidget(control("ptt_id_end_enable"));
    pttGrid->addLayout(enables, pttGrid->rowCount(), 0, 1, 2);

    auto* dtmf = new QGroupBox(tr("DTMF"), this);
    auto* dtmfGrid = FormGrid(dtmf);
    AddRow(dtmfGrid, caption("dtmf_speed"), control("dtmf_speed"));
    AddRow(dtmfGrid, caption("first_digit_time"), control("first_digit_time"));
    AddRow(dtmfGrid, caption("first_digit_delay"), control("first_digit_delay"));
    dtmfGrid->addWidget(control("dtmf_side_tone"), dtmfGrid->rowCount(), 0, 1, 2);

    auto* scan = new QGroupBox(tr("Scan information"), this);
    auto* scanGrid = FormGrid(scan);
    AddRow(scanGrid, caption("scan_mode"), control("scan_mode"));
    AddRow(scanGrid, caption("receive_recovery"), control("receive_recovery"));
    AddRow(scanGrid, caption("transmission_recovery"), control("transmission_recovery"));

    auto* other = new QGroupBox(tr("Other Function"), this);
    auto* otherGrid = FormGrid(other);
    AddRow(otherGrid, caption("time_out_timer"), control("time_out_timer"));
    AddRow(otherGrid, caption("voice_beep_tone"), control("voice_beep_tone"));
    AddRow(otherGrid, caption("squelch_level"), control("squelch_level"));
    AddRow(otherGrid, caption("lock_detect"), control("lock_detect"));
    auto* checks = new QGridLayout;
    const std::string checkOrder[] = {"energy_check", "wired_clone_mode", "scramble",
                                      "alarm_enable", "save_energy",      "compand_expand"};
    for (int i = 0; i < 6; ++i) checks->addWidget(control(checkOrder[i]), i / 2, i % 2);
    otherGrid->addLayout(checks, otherGrid->rowCount(), 0, 1, 2);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(defaultButton_);
    otherGrid->addLayout(buttonRow, otherGrid->rowCount(), 0, 1, 2);

    auto* left = new QVBoxLayout;
    for (QGroupBox* group : {whisper, vox, pttId, dtmf}) left->addWidget(group);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(scan);
    right->addWidget(other);
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    columns->addStretch(1);

    // Tab follows the screen: the left column's boxes from top to bottom,
    // then the right column's, each box's controls as they are read.
    const std::string order[] = {"whisper_level",    "whisper_enable",   "vox_level",
                                 "vox_enable",       "ptt_id_start",     "ptt_id_end",
                                 "ptt_id_start_enable", "ptt_id_end_enable", "dtmf_speed",
                                 "first_digit_time", "first_digit_delay", "dtmf_side_tone",
                                 "scan_mode",        "receive_recovery", "transmission_recovery",
                                 "time_out_timer",   "voice_beep_tone",  "squelch_level",
                                 "lock_detect",      "energy_check",     "wired_clone_mode",
                                 "scramble",         "alarm_enable",     "save_energy",
                                 "compand_expand"};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(control(order[i - 1]), control(order[i]));
    setTabOrder(control(order[std::size(order) - 1]), defaultButton_);
}

zem::OptionValues COptionPage::values() const {
    zem::OptionValues v;
    zem::KeyValues unused;
    readControls(v, unused);
    return v;
}

void COptionPage::setValues(const zem::OptionValues& v) { showValues(v, zem::KeyValues{}); }

void COptionPage::FillFromImage() {
    zem::OptionValues v;
    zem::FillFromImage(image_, v);
    setValues(v);
}

void COptionPage::StoreToImage() { zem::StoreToImage(values(), image_, messenger_); }

void COptionPage::storeQuietly(zem::RadioImage& image) const {
    SilentMessenger silent;
    zem::StoreToImage(values(), image, silent);
}

QString COptionPage::title() const { return tr("Optional features"); }

QString COptionPage::helpTopic() const { return QStringLiteral("optional_features.html"); }

QString COptionPage::stepName(const zem::RadioImage& before, const zem::RadioImage& after) const {
    zem::OptionValues a;
    zem::OptionValues b;
    zem::FillFromImage(before, a);
    zem::FillFromImage(after, b);
    return FirstChange(zem::OptionTexts(a), zem::OptionTexts(b));
}

void COptionPage::applyDefaults() {
    zem::ApplyOptionDefaults(image_);
    FillFromImage();
}

}  // namespace zem::gui
