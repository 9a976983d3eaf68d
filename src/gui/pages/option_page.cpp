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

#include <utility>

namespace zem::gui {

namespace {

QGridLayout* FormGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    return grid;
}

void AddRow(QGridLayout* grid, const QString& label, QWidget* field) {
    const int row = grid->rowCount();
    auto* text = new QLabel(label);
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
}

}  // namespace

COptionPage::COptionPage(zem::RadioImage& image, zem::Messenger& messenger, QWidget* parent)
    : SettingsPage(parent), image_(image), messenger_(messenger) {
    setObjectName(QStringLiteral("optionPage"));
    using E = zem::OptionEntries;
    scanMode_ = addCombo("scanMode", E::scanMode());
    receiveRecovery_ = addCombo("receiveRecovery", E::recoveryTime());
    transmissionRecovery_ = addCombo("transmissionRecovery", E::recoveryTime());
    timeOutTimer_ = addCombo("timeOutTimer", E::timeOutTimer());
    voiceBeepTone_ = addCombo("voiceBeepTone", E::voiceBeepTone());
    squelchLevel_ = addCombo("squelchLevel", E::squelchLevel());
    lockDetect_ = addCombo("lockDetect", E::lockDetect());
    whisperLevel_ = addCombo("whisperLevel", E::whisperLevel());
    whisperEnable_ = addCheck("whisperEnable", tr("Whisper  Function Enable"));
    voxLevel_ = addCombo("voxLevel", E::voxLevel());
    voxEnable_ = addCheck("voxEnable", tr("Vox Function Enable"));
    pttIdStart_ = new QLineEdit(this);
    pttIdStart_->setObjectName(QStringLiteral("pttIdStart"));
    pttIdStart_->setMaxLength(zem::kPttIdLength);
    pttIdEnd_ = new QLineEdit(this);
    pttIdEnd_->setObjectName(QStringLiteral("pttIdEnd"));
    pttIdEnd_->setMaxLength(zem::kPttIdLength);
    pttIdStartEnable_ = addCheck("pttIdStartEnable", tr("Start Enable"));
    pttIdEndEnable_ = addCheck("pttIdEndEnable", tr("End Enable"));
    dtmfSpeed_ = addCombo("dtmfSpeed", E::dtmfSpeed());
    firstDigitTime_ = addCombo("firstDigitTime", E::firstDigitTime());
    firstDigitDelay_ = addCombo("firstDigitDelay", E::firstDigitDelay());
    dtmfSideTone_ = addCheck("dtmfSideTone", tr("DTMF Side Tone"));
    energyCheck_ = addCheck("energyCheck", tr("Energy Check"));
    wiredCloneMode_ = addCheck("wiredCloneMode", tr("Wired Clone Mode"));
    scramble_ = addCheck("scramble", tr("Scramble"));
    alarmEnable_ = addCheck("alarmEnable", tr("Alarm Function Enable"));
    compandExpand_ = addCheck("compandExpand", tr("Compand Expand"));
    saveEnergy_ = addCheck("saveEnergy", tr("Save Energy"));
    defaultButton_ = makeDefaultButton(this);

    buildLayout();

    // The radio's firmware fixes these two lists: a pick goes back to its fixed entry.
    connect(squelchLevel_, &QComboBox::activated, this,
            [this](int picked) { squelchLevel_->setCurrentIndex(zem::SquelchLevelAfterPick(picked)); });
    connect(dtmfSpeed_, &QComboBox::activated, this,
            [this](int picked) { dtmfSpeed_->setCurrentIndex(zem::DtmfSpeedAfterPick(picked)); });
    reportEdits();

    const std::pair<QWidget*, QString> help[] = {
        {scanMode_, tr("Carrier: scanning stops on a channel while a carrier is received.")},
        {receiveRecovery_, tr("How long scanning waits on a channel after the signal has gone, in seconds.")},
        {transmissionRecovery_, tr("How long scanning waits after you have transmitted, in seconds.")},
        {timeOutTimer_, tr("Ends a transmission that lasts longer than this; Off for no limit.")},
        {voiceBeepTone_, tr("What the radio says or sounds when a key is pressed.")},
        {squelchLevel_, tr("How strong a signal must be to open the loudspeaker.")},
        {whisperLevel_, tr("Microphone gain for speaking quietly, when the whisper function is on.")},
        {voxLevel_, tr("How loud you must speak to start transmitting, when VOX is on.")},
        {dtmfSpeed_, tr("How fast the PTT ID digits are sent.")},
        {saveEnergy_, tr("The receiver sleeps between checks for a signal, to save the battery.")},
    };
    for (const auto& [widget, text] : help) widget->setWhatsThis(text);
    pttIdStart_->setWhatsThis(tr("The PTT ID code sent when transmission starts: up to 8 digits."));
    pttIdEnd_->setWhatsThis(tr("The PTT ID code sent when transmission ends: up to 8 digits."));
    defaultButton_->setWhatsThis(tr("Sets every optional feature back to the factory values."));

    FillFromImage();
}

QComboBox* COptionPage::addCombo(const char* name, const std::vector<std::string>& entries) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    for (const auto& entry : entries) combo->addItem(QString::fromStdString(entry));
    combo->setMaxVisibleItems(16);
    return combo;
}

QCheckBox* COptionPage::addCheck(const char* name, const QString& text) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QLatin1String(name));
    return check;
}

void COptionPage::buildLayout() {
    auto* whisper = new QGroupBox(tr("Whisper  Function"), this);
    auto* whisperGrid = FormGrid(whisper);
    AddRow(whisperGrid, tr("Whisper  "), whisperLevel_);
    whisperGrid->addWidget(whisperEnable_, whisperGrid->rowCount(), 0, 1, 2);

    auto* vox = new QGroupBox(tr("VOX"), this);
    auto* voxGrid = FormGrid(vox);
    AddRow(voxGrid, tr("Vox Function"), voxLevel_);
    voxGrid->addWidget(voxEnable_, voxGrid->rowCount(), 0, 1, 2);

    auto* pttId = new QGroupBox(tr("PTT ID"), this);
    auto* pttGrid = FormGrid(pttId);
    AddRow(pttGrid, tr("Start"), pttIdStart_);
    AddRow(pttGrid, tr("End"), pttIdEnd_);
    auto* enables = new QHBoxLayout;
    enables->addWidget(pttIdStartEnable_);
    enables->addWidget(pttIdEndEnable_);
    pttGrid->addLayout(enables, pttGrid->rowCount(), 0, 1, 2);

    auto* dtmf = new QGroupBox(tr("DTMF"), this);
    auto* dtmfGrid = FormGrid(dtmf);
    AddRow(dtmfGrid, tr("DTMF Speed  Digit/sec"), dtmfSpeed_);
    AddRow(dtmfGrid, tr("First Digit Time(ms)"), firstDigitTime_);
    AddRow(dtmfGrid, tr("First Digit Delay Time(ms)"), firstDigitDelay_);
    dtmfGrid->addWidget(dtmfSideTone_, dtmfGrid->rowCount(), 0, 1, 2);

    auto* scan = new QGroupBox(tr("Scan information"), this);
    auto* scanGrid = FormGrid(scan);
    AddRow(scanGrid, tr("Scan Mode"), scanMode_);
    AddRow(scanGrid, tr("Receive recovery time (sec)"), receiveRecovery_);
    AddRow(scanGrid, tr("Transmission  recovery time (sec)"), transmissionRecovery_);

    auto* other = new QGroupBox(tr("Other Function"), this);
    auto* otherGrid = FormGrid(other);
    AddRow(otherGrid, tr("Radiate Time Out Timer(s)"), timeOutTimer_);
    AddRow(otherGrid, tr("Voice/Beep Tone"), voiceBeepTone_);
    AddRow(otherGrid, tr("Squelch Level"), squelchLevel_);
    AddRow(otherGrid, tr("Lock Detect"), lockDetect_);
    auto* checks = new QGridLayout;
    QCheckBox* const checkOrder[] = {energyCheck_, wiredCloneMode_, scramble_, alarmEnable_, saveEnergy_, compandExpand_};
    for (int i = 0; i < 6; ++i) checks->addWidget(checkOrder[i], i / 2, i % 2);
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
    QWidget* const order[] = {whisperLevel_,   whisperEnable_,   voxLevel_,        voxEnable_,
                              pttIdStart_,     pttIdEnd_,        pttIdStartEnable_, pttIdEndEnable_,
                              dtmfSpeed_,      firstDigitTime_,  firstDigitDelay_, dtmfSideTone_,
                              scanMode_,       receiveRecovery_, transmissionRecovery_, timeOutTimer_,
                              voiceBeepTone_,  squelchLevel_,    lockDetect_,      energyCheck_,
                              wiredCloneMode_, scramble_,        alarmEnable_,     saveEnergy_,
                              compandExpand_,  defaultButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

zem::OptionValues COptionPage::values() const {
    zem::OptionValues v;
    v.scanMode = scanMode_->currentIndex();
    v.receiveRecovery = receiveRecovery_->currentIndex();
    v.transmissionRecovery = transmissionRecovery_->currentIndex();
    v.timeOutTimer = timeOutTimer_->currentIndex();
    v.voiceBeepTone = voiceBeepTone_->currentIndex();
    v.squelchLevel = squelchLevel_->currentIndex();
    v.lockDetect = lockDetect_->currentIndex();
    v.whisperLevel = whisperLevel_->currentIndex();
    v.whisperEnable = whisperEnable_->isChecked();
    v.voxLevel = voxLevel_->currentIndex();
    v.voxEnable = voxEnable_->isChecked();
    v.pttIdStart = pttIdStart_->text().toStdString();
    v.pttIdEnd = pttIdEnd_->text().toStdString();
    v.pttIdStartEnable = pttIdStartEnable_->isChecked();
    v.pttIdEndEnable = pttIdEndEnable_->isChecked();
    v.dtmfSpeed = dtmfSpeed_->currentIndex();
    v.firstDigitTime = firstDigitTime_->currentIndex();
    v.firstDigitDelay = firstDigitDelay_->currentIndex();
    v.dtmfSideTone = dtmfSideTone_->isChecked();
    v.energyCheck = energyCheck_->isChecked();
    v.wiredCloneMode = wiredCloneMode_->isChecked();
    v.scramble = scramble_->isChecked();
    v.alarmEnable = alarmEnable_->isChecked();
    v.compandExpand = compandExpand_->isChecked();
    v.saveEnergy = saveEnergy_->isChecked();
    return v;
}

void COptionPage::setValues(const zem::OptionValues& v) {
    selectEntry(scanMode_, v.scanMode);
    selectEntry(receiveRecovery_, v.receiveRecovery);
    selectEntry(transmissionRecovery_, v.transmissionRecovery);
    selectEntry(timeOutTimer_, v.timeOutTimer);
    selectEntry(voiceBeepTone_, v.voiceBeepTone);
    selectEntry(squelchLevel_, v.squelchLevel);
    selectEntry(lockDetect_, v.lockDetect);
    selectEntry(whisperLevel_, v.whisperLevel);
    whisperEnable_->setChecked(v.whisperEnable);
    selectEntry(voxLevel_, v.voxLevel);
    voxEnable_->setChecked(v.voxEnable);
    pttIdStart_->setText(QString::fromStdString(v.pttIdStart));
    pttIdEnd_->setText(QString::fromStdString(v.pttIdEnd));
    pttIdStartEnable_->setChecked(v.pttIdStartEnable);
    pttIdEndEnable_->setChecked(v.pttIdEndEnable);
    selectEntry(dtmfSpeed_, v.dtmfSpeed);
    selectEntry(firstDigitTime_, v.firstDigitTime);
    selectEntry(firstDigitDelay_, v.firstDigitDelay);
    dtmfSideTone_->setChecked(v.dtmfSideTone);
    energyCheck_->setChecked(v.energyCheck);
    wiredCloneMode_->setChecked(v.wiredCloneMode);
    scramble_->setChecked(v.scramble);
    alarmEnable_->setChecked(v.alarmEnable);
    compandExpand_->setChecked(v.compandExpand);
    saveEnergy_->setChecked(v.saveEnergy);
}

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
