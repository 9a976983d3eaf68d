#include "web/web_session.h"

#include "channels/band.h"
#include "channels/channel_codec.h"
#include "channels/channel_commit.h"
#include "channels/channel_csv.h"
#include "channels/tone_table.h"
#include "document/json_writer.h"
#include "plan/exchange_formats.h"
#include "plan/plan_text.h"
#include "service/power_points.h"

#include <algorithm>

#include <cstdlib>

namespace zem::web {

namespace {

// Enough for a long session at the bench; a step holds two images.
constexpr std::size_t kUndoLimit = 500;

// The controls of the options and key pages by the names zemtool's JSON
// gives them: drop-downs, check boxes and the two PTT ID codes.
struct OptionChoice {
    const char* name;
    int OptionValues::*member;
    const std::vector<std::string>& (*entries)();
};
const OptionChoice kOptionChoices[] = {
    {"scan_mode", &OptionValues::scanMode, &OptionEntries::scanMode},
    {"receive_recovery", &OptionValues::receiveRecovery, &OptionEntries::recoveryTime},
    {"transmission_recovery", &OptionValues::transmissionRecovery, &OptionEntries::recoveryTime},
    {"time_out_timer", &OptionValues::timeOutTimer, &OptionEntries::timeOutTimer},
    {"voice_beep_tone", &OptionValues::voiceBeepTone, &OptionEntries::voiceBeepTone},
    {"squelch_level", &OptionValues::squelchLevel, &OptionEntries::squelchLevel},
    {"lock_detect", &OptionValues::lockDetect, &OptionEntries::lockDetect},
    {"whisper_level", &OptionValues::whisperLevel, &OptionEntries::whisperLevel},
    {"vox_level", &OptionValues::voxLevel, &OptionEntries::voxLevel},
    {"dtmf_speed", &OptionValues::dtmfSpeed, &OptionEntries::dtmfSpeed},
    {"first_digit_time", &OptionValues::firstDigitTime, &OptionEntries::firstDigitTime},
    {"first_digit_delay", &OptionValues::firstDigitDelay, &OptionEntries::firstDigitDelay},
};

struct OptionCheck {
    const char* name;
    bool OptionValues::*member;
};
const OptionCheck kOptionChecks[] = {
    {"whisper_enable", &OptionValues::whisperEnable},
    {"vox_enable", &OptionValues::voxEnable},
    {"ptt_id_start_enable", &OptionValues::pttIdStartEnable},
    {"ptt_id_end_enable", &OptionValues::pttIdEndEnable},
    {"dtmf_side_tone", &OptionValues::dtmfSideTone},
    {"energy_check", &OptionValues::energyCheck},
    {"wired_clone_mode", &OptionValues::wiredCloneMode},
    {"scramble", &OptionValues::scramble},
    {"alarm_enable", &OptionValues::alarmEnable},
    {"compand_expand", &OptionValues::compandExpand},
    {"save_energy", &OptionValues::saveEnergy},
};

struct OptionCode {
    const char* name;
    std::string OptionValues::*member;
};
const OptionCode kOptionCodes[] = {
    {"ptt_id_start", &OptionValues::pttIdStart},
    {"ptt_id_end", &OptionValues::pttIdEnd},
};

struct KeyChoice {
    const char* name;
    int KeyValues::*member;
    const std::vector<std::string>& (*entries)();
};
const KeyChoice kKeyChoices[] = {
    {"long_press_duration", &KeyValues::longPressDuration, &KeyEntries::longPressDuration},
    {"top_long", &KeyValues::topLong, &KeyEntries::longPress},
    {"top_short", &KeyValues::topShort, &KeyEntries::shortPress},
    {"middle_long", &KeyValues::middleLong, &KeyEntries::longPress},
    {"middle_short", &KeyValues::middleShort, &KeyEntries::shortPress},
    {"bottom_long", &KeyValues::bottomLong, &KeyEntries::longPress},
    {"bottom_short", &KeyValues::bottomShort, &KeyEntries::shortPress},
};

std::string Json(const std::string& text) { return JsonString(text); }

std::string Json(const std::vector<std::string>& entries) {
    std::string out = "[";
    for (const auto& entry : entries) out += (out.size() > 1 ? "," : "") + Json(entry);
    return out + "]";
}

std::string Json(const char* text) { return Json(std::string(text)); }

std::string Json(bool flag) { return flag ? "true" : "false"; }

// An entry index from the page; -1 for anything that is not a number.
int ParseIndex(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < -1 || value > 1000) return -1;
    return static_cast<int>(value);
}

}  // namespace

WebSession::WebSession(Messenger& messenger) : messenger_(messenger) { newDocument(); }

void WebSession::newDocument() {
    image_ = NewDocumentImage();
    fillAllPages();
    tab_ = kChannelTab;
    // A new document starts on the first type and band.
    channel_.typeIndex = 0;
    channel_.bandIndex = 0;
    baseline_ = currentImage();
    resetHistory();
}

FileResult WebSession::open(const std::string& path) {
    // Loading goes into a copy, so a refused file leaves the document as it was.
    RadioImage loaded = image_;
    FileResult result = LoadProgramFile(PathFromUtf8(path), loaded);
    if (!result.ok) return result;
    image_ = loaded;
    fillAllPages();
    tab_ = kChannelTab;
    baseline_ = currentImage();
    resetHistory();
    return result;
}

FileResult WebSession::save(const std::string& path) {
    // What is saved is what the pages show.
    storeAllPages();
    FileResult result = SaveProgramFile(PathFromUtf8(path), image_);
    if (result.ok) baseline_ = currentImage();
    return result;
}

bool WebSession::isModified() const { return currentImage() != baseline_; }

void WebSession::commitCell(int row, int col, const std::string& text, bool onEnter) {
    if (row < 1 || row > kChannelCount || col < kColReceive || col > kColPtt) return;
    const std::string refusal = TypeCellValue(channel_.cells, row, col, text, channel_.bandIndex, {true, onEnter});
    if (!refusal.empty()) messenger_.notice(refusal);
    recordChange();
}

std::string WebSession::copyCells(const std::vector<ChannelCell>& cells) const {
    return CopyCells(channel_.cells, cells);
}

CellBlock WebSession::pasteCells(const std::vector<ChannelCell>& selection, const std::string& text) {
    const CellBlock block = PasteCells(channel_.cells, selection, text, channel_.bandIndex, messenger_);
    recordChange();
    return block;
}

void WebSession::deleteCells(const std::vector<ChannelCell>& cells) {
    DeleteCells(channel_.cells, cells);
    recordChange();
}

void WebSession::setType(int index) {
    if (index < 0 || index >= static_cast<int>(TypeEntries().size())) return;
    channel_.typeIndex = index;
    recordChange();
}

void WebSession::setBand(int index) {
    if (index < 0 || index >= static_cast<int>(BandEntries().size())) return;
    channel_.bandIndex = index;
    recordChange();
}

bool WebSession::setControl(const std::string& name, const std::string& value) {
    bool known = false;
    for (const auto& choice : kOptionChoices) {
        if (name != choice.name) continue;
        int index = ParseIndex(value);
        if (index < 0 || index >= static_cast<int>(choice.entries().size())) return false;
        // The radio's firmware fixes these two lists: a pick goes back to its fixed entry.
        if (choice.member == &OptionValues::squelchLevel) index = SquelchLevelAfterPick(index);
        if (choice.member == &OptionValues::dtmfSpeed) index = DtmfSpeedAfterPick(index);
        options_.*choice.member = index;
        known = true;
    }
    for (const auto& check : kOptionChecks) {
        if (name != check.name) continue;
        options_.*check.member = value == "1";
        known = true;
    }
    for (const auto& code : kOptionCodes) {
        if (name != code.name) continue;
        options_.*code.member = value.substr(0, kPttIdLength);
        known = true;
    }
    for (const auto& choice : kKeyChoices) {
        if (name != choice.name) continue;
        const int index = ParseIndex(value);
        if (index < 0 || index >= static_cast<int>(choice.entries().size())) return false;
        keys_.*choice.member = index;
        known = true;
    }
    if (known) recordChange();
    return known;
}

void WebSession::defaultSetting(int tab) {
    switch (tab) {
    case kChannelTab:
        ApplyChannelDefaults(image_, channel_.typeIndex, channel_.bandIndex, messenger_);
        break;
    case kOptionTab:
        ApplyOptionDefaults(image_);
        break;
    case kKeyTab:
        ApplyKeyDefaults(image_);
        break;
    default:
        return;
    }
    fillPage(tab);
    recordChange();
}

void WebSession::showTab(int tab) {
    if (tab < kChannelTab || tab > kKeyTab || tab == tab_) return;
    // The page being left is stored (its messages said), the one chosen filled.
    storePage(tab_);
    tab_ = tab;
    fillPage(tab);
}

void WebSession::takeServiceBytes(const RadioImage& exchanged, bool channelArea) {
    // The service read refreshes channels 1-10 only: the page's other edits
    // go into the image first, or the refill would throw them away.
    constexpr std::size_t kChannelAreaEnd = 0x0B0;
    recordChange();
    returnToChannelTab();
    StoreToImage(channel_, image_);
    const auto copy = [&](std::size_t begin, std::size_t end) {
        std::copy(exchanged.bytes.begin() + begin, exchanged.bytes.begin() + end, image_.bytes.begin() + begin);
    };
    if (channelArea) copy(0, kChannelAreaEnd);
    copy(kPowerCalibrationOffset, kPowerCalibrationOffset + kPowerCalibrationSize);
    fillPage(kChannelTab);
    recordChange();
}

std::string WebSession::powerJson() const {
    const PowerValues values = PowerValuesFromImage(image_);
    const PowerFrequencyRange range = PowerRangeForBand(channel_.bandIndex);
    const auto list = [](const auto& items) {
        std::string text = "[";
        for (const auto& item : items) text += (text.size() > 1 ? "," : "") + item;
        return text + "]";
    };
    std::vector<std::string> low, high, labels;
    for (int p = 0; p < kPowerPointCount; ++p) {
        low.push_back(std::to_string(values.low[p]));
        high.push_back(std::to_string(values.high[p]));
        labels.push_back(JsonString(PowerPointLabels(range.maxMHz)[p]));
    }
    return "{\"low\":" + list(low) + ",\"high\":" + list(high) + ",\"labels\":" + list(labels) +
           ",\"max\":" + JsonString(FormatPowerFrequency(range.maxMHz)) +
           ",\"min\":" + JsonString(FormatPowerFrequency(range.minMHz)) + "}";
}

void WebSession::returnToChannelTab() {
    if (tab_ != kChannelTab) storePage(tab_);
    tab_ = kChannelTab;
}

bool WebSession::undo() {
    if (!canUndo()) return false;
    image_ = steps_[--position_].before;
    fillAllPages();
    recorded_ = currentImage();
    return true;
}

bool WebSession::redo() {
    if (!canRedo()) return false;
    image_ = steps_[position_++].after;
    fillAllPages();
    recorded_ = currentImage();
    return true;
}

std::string WebSession::exportText(const std::string& format) const {
    const ExchangeFormat* chosen = FindExchangeFormat(format);
    if (!chosen) chosen = &ExchangeFormats().front();
    return chosen->exportText(currentImage(), channel_);
}

bool WebSession::importText(const std::string& text) {
    // The rows go into a copy of what the page shows; the page and the
    // document change only when every row was accepted, or the user took
    // the rows that fit. The header row tells the formats apart.
    return ImportChannelList(text, channel_, image_, messenger_, {},
                             [this](const ExchangeFormat&, const ChannelPageValues& values) {
                                 recordChange();
                                 returnToChannelTab();
                                 StoreToImage(values, image_);
                                 fillPage(kChannelTab);
                                 recordChange();
                             });
}

FileResult WebSession::openPlan(const std::string& text, const std::string& name) {
    const PlanTextImport plan = ImportPlanText(text);
    if (!plan.ok()) {
        std::string message = "The plan " + name + " was not opened:";
        // The first errors say what is wrong; a file that is no plan at all gives many.
        constexpr std::size_t kShown = 10;
        for (std::size_t i = 0; i < plan.errors.size() && i < kShown; ++i)
            message += "\n" + plan.errors[i].describe();
        if (plan.errors.size() > kShown)
            message += "\n(" + std::to_string(plan.errors.size() - kShown) + " more)";
        return FileResult::failure(message);
    }
    image_ = plan.image;
    fillAllPages();
    tab_ = kChannelTab;
    baseline_ = currentImage();
    resetHistory();
    // An opened plan that was stored otherwise than written says so.
    std::string notes;
    for (const std::string& note : plan.notes) notes += "\n" + note;
    if (notes.empty()) return FileResult::success();
    return {true, "The plan " + name + " was opened with these changes:" + notes};
}

const RadioImage& WebSession::imageForWrite() {
    // The radio gets what the pages show.
    storeAllPages();
    return image_;
}

void WebSession::takeRead(const RadioImage& image) {
    recordChange();
    // The page being left is stored while the old image is in place, so
    // what the radio holds overwrites it.
    returnToChannelTab();
    image_ = image;
    fillAllPages();
    baseline_ = currentImage();
    recordChange();
}

RadioImage WebSession::currentImage() const {
    SilentMessenger silent;
    RadioImage image = image_;
    StoreToImage(channel_, image);
    StoreToImage(options_, image, silent);
    StoreToImage(keys_, image);
    return image;
}

void WebSession::storePage(int tab) {
    if (tab == kChannelTab) StoreToImage(channel_, image_);
    if (tab == kOptionTab) StoreToImage(options_, image_, messenger_);
    if (tab == kKeyTab) StoreToImage(keys_, image_);
}

void WebSession::fillPage(int tab) {
    if (tab == kChannelTab) FillFromImage(image_, channel_);
    if (tab == kOptionTab) FillFromImage(image_, options_);
    if (tab == kKeyTab) FillFromImage(image_, keys_);
}

void WebSession::fillAllPages() {
    for (int tab : {kChannelTab, kOptionTab, kKeyTab}) fillPage(tab);
}

void WebSession::storeAllPages() {
    for (int tab : {kChannelTab, kOptionTab, kKeyTab}) storePage(tab);
}

void WebSession::recordChange() {
    const RadioImage now = currentImage();
    if (now == recorded_) return;  // a control touched without a change
    steps_.resize(position_);
    steps_.push_back({recorded_, now});
    if (steps_.size() > kUndoLimit) steps_.erase(steps_.begin());
    position_ = steps_.size();
    recorded_ = now;
}

void WebSession::resetHistory() {
    steps_.clear();
    position_ = 0;
    recorded_ = currentImage();
}

std::string WebSession::stateJson() const {
    std::string out = "{\"tab\":" + std::to_string(tab_) + ",\"modified\":" + Json(isModified()) +
                      ",\"canUndo\":" + Json(canUndo()) + ",\"canRedo\":" + Json(canRedo()) +
                      ",\"type\":" + std::to_string(channel_.typeIndex) +
                      ",\"band\":" + std::to_string(channel_.bandIndex) + ",\"cells\":[";
    for (int row = 1; row <= kChannelCount; ++row) {
        std::vector<std::string> texts;
        for (int col = kColReceive; col <= kColPtt; ++col) texts.push_back(channel_.cells.text(row, col));
        out += (row > 1 ? "," : "") + Json(texts);
    }
    out += "],\"options\":{";
    std::string members;
    for (const auto& choice : kOptionChoices)
        members += std::string(members.empty() ? "" : ",") + Json(choice.name) + ":" +
                   std::to_string(options_.*choice.member);
    for (const auto& check : kOptionChecks) members += "," + Json(check.name) + ":" + Json(options_.*check.member);
    for (const auto& code : kOptionCodes) members += "," + Json(code.name) + ":" + Json(options_.*code.member);
    out += members + "},\"keys\":{";
    members.clear();
    for (const auto& choice : kKeyChoices)
        members += std::string(members.empty() ? "" : ",") + Json(choice.name) + ":" +
                   std::to_string(keys_.*choice.member);
    return out + members + "}}";
}

std::string WebSession::listsJson() {
    std::string out = "{\"headers\":[";
    for (int col = 0; col < kGridCols; ++col) out += std::string(col ? "," : "") + Json(kColumnHeaders[col]);
    out += "],\"types\":" + Json(TypeEntries()) + ",\"bands\":" + Json(BandEntries()) + ",\"tones\":" +
           Json(ToneTable()) + ",\"choices\":{";
    for (int col = kColScan; col <= kColPtt; ++col) {
        out += std::string(col > kColScan ? "," : "") + "\"" + std::to_string(col) + "\":" + Json(ChoiceEntries(col));
    }
    out += "},\"options\":{";
    std::string members;
    for (const auto& choice : kOptionChoices)
        members += std::string(members.empty() ? "" : ",") + Json(choice.name) + ":" + Json(choice.entries());
    for (const auto& choice : kKeyChoices) members += "," + Json(choice.name) + ":" + Json(choice.entries());
    return out + members + "}}";
}

}  // namespace zem::web
