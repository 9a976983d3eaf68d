#include "web/web_session.h"

#include "channels/band.h"
#include "channels/channel_codec.h"
#include "channels/channel_commit.h"
#include "channels/channel_csv.h"
#include "channels/tone_table.h"
#include "document/json_writer.h"
#include "pages/radio_settings.h"
#include "plan/exchange_formats.h"
#include "service/power_points.h"

#include <algorithm>

namespace zem::web {

namespace {

std::string Json(const std::string& text) { return JsonString(text); }

std::string Json(const std::vector<std::string>& entries) {
    std::string out = "[";
    for (const auto& entry : entries) out += (out.size() > 1 ? "," : "") + Json(entry);
    return out + "]";
}

std::string Json(const char* text) { return Json(std::string(text)); }

std::string Json(bool flag) { return flag ? "true" : "false"; }

}  // namespace

WebSession::WebSession(Messenger& messenger) : messenger_(messenger) { newDocument(); }

void WebSession::newDocument() {
    doc_.newDocument();
    pages_.restart();
    // A new document starts on the first type and band.
    channel_.typeIndex = 0;
    channel_.bandIndex = 0;
    doc_.markUnmodified();
    resetHistory();
}

FileResult WebSession::open(const std::string& path) {
    // A refused file leaves the document as it was.
    return opened(doc_.open(PathFromUtf8(path)));
}

FileResult WebSession::opened(FileResult result) {
    if (!result.ok) return result;
    pages_.restart();
    doc_.markUnmodified();
    resetHistory();
    return result;
}

FileResult WebSession::save(const std::string& path) {
    // What is saved is what the pages show.
    pages_.storeAllPages();
    FileResult result = SaveProgramFile(PathFromUtf8(path), image_);
    if (result.ok) doc_.markUnmodified();
    return result;
}

bool WebSession::isModified() const { return doc_.isModified(); }

void WebSession::commitCell(int row, int col, const std::string& text, bool onEnter) {
    if (row < 1 || row > kChannelCount || col < kColReceive || col > kColPtt) return;
    const Text refusal = TypeCellValue(channel_.cells, row, col, text, channel_.bandIndex, {true, onEnter});
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
    // The controls carry the keys of the settings; a pick in a list the
    // firmware fixes goes back to its fixed entry.
    const SettingEntry* setting = FindSetting(name);
    if (!setting || !SetFromControl(*setting, value, options_, keys_)) return false;
    recordChange();
    return true;
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

void WebSession::showTab(int tab) { pages_.show(tab); }

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

void WebSession::returnToChannelTab() { pages_.returnToChannelPage(); }

bool WebSession::undo() { return doc_.undo(); }

bool WebSession::redo() { return doc_.redo(); }

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
    return opened(doc_.openPlanText(text, name));
}

const RadioImage& WebSession::imageForWrite() {
    // The radio gets what the pages show.
    pages_.storeAllPages();
    return image_;
}

void WebSession::takeRead(const RadioImage& image) {
    recordChange();
    // The page being left is stored while the old image is in place, so
    // what the radio holds overwrites it.
    returnToChannelTab();
    image_ = image;
    pages_.fillAllPages();
    doc_.markUnmodified();
    recordChange();
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
    return out + "],\"options\":" + SettingValuesJson(SettingPage::Options, options_, keys_) +
           ",\"keys\":" + SettingValuesJson(SettingPage::Keys, options_, keys_) + "}";
}

std::string WebSession::listsJson() {
    std::string out = "{\"headers\":[";
    for (int col = 0; col < kGridCols; ++col) out += std::string(col ? "," : "") + Json(kColumnHeaders[col]);
    out += "],\"types\":" + Json(TypeEntries()) + ",\"bands\":" + Json(BandEntries()) + ",\"tones\":" +
           Json(ToneTable()) + ",\"choices\":{";
    for (int col = kColScan; col <= kColPtt; ++col) {
        out += std::string(col > kColScan ? "," : "") + "\"" + std::to_string(col) + "\":" + Json(ChoiceEntries(col));
    }
    return out + "},\"settings\":" + SettingsDescriptionJson() + "}";
}

}  // namespace zem::web
