// The functions the web page calls: a thin layer between its script and
// WebSession and the radio link. The page calls every one of them as an
// asynchronous call (ccall with async), since any of them may wait for the
// user to answer a message or for the serial port.
#include "compare/document_diff.h"
#include "channels/band.h"
#include "compare/read_history.h"
#include "document/input_text.h"
#include "document/json_writer.h"
#include "document/share_link.h"
#include "link/link_messages.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "plan/exchange_formats.h"
#include "service/access_code.h"
#include "service/power_setting.h"
#include "session/document_session.h"
#include "session/radio_exchange.h"
#include "print/channel_listing_layout.h"
#include "web/web_session.h"

#include <emscripten.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using zem::web::WebSession;

// Shows a message box on the page and waits for its answer: 0 OK only,
// 1 OK and Cancel, 2 Retry and Cancel. 1 when OK or Retry was chosen. The
// text and its detail come as JSON (Said), which the page translates.
EM_ASYNC_JS(int, zem_page_message, (int kind, const char* said, const char* detail), {
    return (await globalThis.zemPage.message(kind, UTF8ToString(said), UTF8ToString(detail))) ? 1 : 0;
});

EM_JS(void, zem_page_status, (const char* text), { globalThis.zemPage.status(UTF8ToString(text)); });
EM_JS(void, zem_page_progress, (int done, int total), { globalThis.zemPage.progress(done, total); });
EM_JS(int, zem_page_cancelled, (), { return globalThis.zemPage.cancelled() ? 1 : 0; });
EM_JS(void, zem_page_phase, (const char* title, const char* status),
      { globalThis.zemPage.phase(UTF8ToString(title), UTF8ToString(status)); });

// A short pause is waited out on the spot: the browser's timers round up to
// several milliseconds, which over a transfer's hundreds of 1 ms pauses would
// slow it down. Longer ones give the page its turn.
EM_JS(void, zem_busy_wait, (int ms), {
    const end = performance.now() + ms;
    while (performance.now() < end) {
    }
});
EM_ASYNC_JS(void, zem_timer_wait, (int ms), { await new Promise(resolve => setTimeout(resolve, ms)); });

void Pause(std::chrono::milliseconds duration) {
    const int ms = static_cast<int>(duration.count());
    if (ms <= 0) return;
    if (ms < 4)
        zem_busy_wait(ms);
    else
        zem_timer_wait(ms);
}

// What the core says, as the page's message box takes it (JSON): a core
// message as its tree of marked source and values (TextJson), which the
// page translates as the window does; a text the core has only in English
// as a string, which the page looks up whole; lines one under the other
// (a list under its heading) as an array of those.
std::string Said(const zem::Text& text) { return zem::TextJson(text); }
std::string Said(const std::string& english) { return zem::JsonString(english); }
template <typename Heading, typename Item>
std::string Said(const Heading& heading, const std::vector<Item>& items) {
    std::string json = "[" + Said(heading);
    for (const Item& item : items) json += "," + Said(item);
    return json + "]";
}

int ShowMessage(int kind, const std::string& said, const std::string& detail = "\"\"") {
    return zem_page_message(kind, said.c_str(), detail.c_str());
}

class PageMessenger : public zem::Messenger {
public:
    void notice(const std::string& text) override { ShowMessage(0, Said(text)); }
    void notice(const zem::Text& text) override { ShowMessage(0, Said(text)); }
    bool confirm(const std::string& text) override { return ShowMessage(1, Said(text)) == 1; }
    bool retry(const std::string& text) override { return ShowMessage(2, Said(text)) == 1; }
    bool retryWithDetail(const std::string& text, const zem::Text& detail) override {
        return ShowMessage(2, Said(text), Said(detail)) == 1;
    }
    void noticeList(const std::string& text, const std::vector<std::string>& items) override {
        ShowMessage(0, Said(text, items));
    }
    void noticeList(const std::string& text, const std::vector<zem::Text>& items) override {
        ShowMessage(0, Said(text, items));
    }
    bool confirmList(const std::string& text, const std::vector<std::string>& items) override {
        return ShowMessage(1, Said(text, items)) == 1;
    }
    bool confirmList(const std::string& text, const std::vector<zem::Text>& items) override {
        return ShowMessage(1, Said(text, items)) == 1;
    }
};

PageMessenger& Messenger() {
    static PageMessenger messenger;
    return messenger;
}

// An exchange's message, with why it failed under the box's details.
void ShowLinkMessage(const zem::LinkOutcome& link) {
    if (!link.message.empty()) ShowMessage(0, Said(link.message), Said(link.detail));
}

WebSession& Session() {
    static WebSession session(Messenger());
    return session;
}

// Texts handed back to the page stay here until the next call.
const char* Hand(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

std::string buffer;  // the bytes of the last save

// The program file's name as the file system of the page holds it: the
// name the user's file had, without any folder.
std::string FileName(const char* name) {
    std::string path = name ? name : "";
    for (char& c : path)
        if (c == '/') c = '_';
    return path.empty() ? std::string("untitled.Zem") : path;
}

// The link over the page's port. The exchange says nothing itself: the page
// asks the user about a radio that does not answer and shows the outcome's
// message.
zem::LinkSession PageLink() {
    zem::LinkSession link;
    link.port = "web";
    link.hooks.sleep = Pause;
    return zem::AskingThrough(Messenger(), link);
}

// The texts of the window's Compare dialog, in its context, so that the
// page shows them in the window's translations.
zem::Text CompareText(const char* source, std::vector<zem::Text> values = {}) {
    return zem::Text("zem::gui::CompareDialog", source, std::move(values));
}
const zem::Text kRadioSide("zem::gui::CompareCommands", "Radio");

// The window's Compare: the differences between what the pages show and
// other, in the pages' words, as JSON for the page's list: the title,
// summary, column heads and each row's where, before and after as messages (Said).
std::string CompareJson(const zem::RadioImage& other, const zem::Text& otherSide) {
    const zem::RadioImage document = Session().currentImage();
    const std::vector<zem::Difference> lines = zem::DifferencesAsShown(document, other);
    const zem::Text note = zem::SameAsShownText(document, other);
    const zem::Text summary =
        !lines.empty()
            ? CompareText("%1 difference(s) between the document and %2:", {std::to_string(lines.size()), otherSide})
        : note.empty() ? CompareText("No differences: both hold the same data.")
                       : CompareText("No differences on the pages: %1.", {note});
    std::string json = "{\"title\":" + Said(CompareText("Compare with %1", {otherSide})) +
                       ",\"summary\":" + Said(summary) + ",\"heads\":[" + Said(CompareText("Where")) + "," +
                       Said(CompareText("Document")) + "," + Said(otherSide) + "],\"rows\":[";
    for (const zem::Difference& parts : lines) {
        if (json.back() != '[') json += ',';
        json += "[" + Said(parts.where) + "," + Said(parts.before) + "," + Said(parts.after) + "]";
    }
    return json + "]}";
}

std::string compared;  // the list of the last Compare with radio
zem::RadioImage lastRead;  // the last complete read of Read or Compare with radio

const char* const kTitleVerifying = "Verifying Written Data";
const char* const kStatusVerifying = "Reading the radio back to compare...";

// Cells as the page names them: "row,col" pairs separated by blanks.
std::vector<zem::ChannelCell> Cells(const char* text) {
    std::vector<zem::ChannelCell> cells;
    std::istringstream in(text ? text : "");
    zem::ChannelCell cell;
    char comma = 0;
    while (in >> cell.row >> comma >> cell.col) cells.push_back(cell);
    return cells;
}

// A text file's bytes, refused with the window's words when there are none
// to read or far more than any channel list or plan has.
bool TextFits(const char* name, int size, const zem::Text& what) {
    if (size >= 0 && static_cast<std::uintmax_t>(size) <= zem::kMaxInputTextBytes) return true;
    if (size < 0)
        Messenger().notice(zem::Text("zem::gui::CKivuDoc", zem::kMsgPlanCannotRead, {FileName(name)}));
    else
        Messenger().notice(zem::TooLargeText(FileName(name), static_cast<std::uintmax_t>(size), what));
    return false;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* zem_lists() {
    std::string lists = WebSession::listsJson();
    lists.pop_back();
    lists += std::string(",\"titles\":{\"read\":\"") + zem::kTitleReading + "\",\"write\":\"" + zem::kTitleWriting +
             "\",\"ready\":\"" + zem::kProgressReady + "\"}";
    // The printed channel listing's texts, as the window prints them.
    lists += std::string(",\"print\":{\"title\":\"") + zem::kPrintTitle + "\",\"options\":\"" +
             zem::kPrintOptionHeading + "\",\"type\":\"" + zem::kPrintTypeLabel + "\",\"band\":\"" +
             zem::kPrintBandLabel + "\",\"channels\":\"" + zem::kPrintChannelHeading + "\"}";
    // The formats Export channel list offers: the window's filters, and the plan as text.
    lists += ",\"formats\":[";
    for (const zem::ExchangeFormat& format : zem::ExchangeFormats()) {
        if (lists.back() != '[') lists += ',';
        lists += "{\"name\":" + zem::JsonString(format.name) + ",\"label\":" +
                 zem::JsonString(format.filter ? format.filter : "Plan as text (*.yaml)") +
                 ",\"extension\":" + zem::JsonString(format.extension) + "}";
    }
    lists += "]}";
    return Hand(lists);
}

EMSCRIPTEN_KEEPALIVE const char* zem_state() { return Hand(Session().stateJson()); }

EMSCRIPTEN_KEEPALIVE void zem_new() { Session().newDocument(); }

// Loads the bytes of a program file the user chose; 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int zem_open(const char* name, const std::uint8_t* bytes, int size) {
    if (size < 0) return 0;
    const std::string path = FileName(name);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes), size);
    }
    const zem::FileResult result = Session().open(path);
    std::remove(path.c_str());
    if (!result.ok) Messenger().notice(result.said());
    return result.ok ? 1 : 0;
}

// Saves under name and returns the file's bytes (zem_saved_size of them),
// or null when the save failed and said why.
EMSCRIPTEN_KEEPALIVE const char* zem_save(const char* name) {
    const std::string path = FileName(name);
    const zem::FileResult result = Session().save(path);
    if (!result.ok) {
        Messenger().notice(result.said());
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    buffer.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return buffer.data();
}

EMSCRIPTEN_KEEPALIVE int zem_saved_size() { return static_cast<int>(buffer.size()); }

EMSCRIPTEN_KEEPALIVE void zem_commit_cell(int row, int col, const char* text, int onEnter) {
    Session().commitCell(row, col, text, onEnter != 0);
}

EMSCRIPTEN_KEEPALIVE void zem_set_type(int index) { Session().setType(index); }
EMSCRIPTEN_KEEPALIVE void zem_set_band(int index) { Session().setBand(index); }
EMSCRIPTEN_KEEPALIVE int zem_set_control(const char* name, const char* value) {
    return Session().setControl(name, value) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void zem_default_setting(int tab) { Session().defaultSetting(tab); }
EMSCRIPTEN_KEEPALIVE void zem_show_tab(int tab) { Session().showTab(tab); }
EMSCRIPTEN_KEEPALIVE int zem_undo() { return Session().undo() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int zem_redo() { return Session().redo() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* zem_export_list(const char* format) {
    return Hand(Session().exportText(format ? format : ""));
}

// Import channel list: the format told by the text itself.
EMSCRIPTEN_KEEPALIVE int zem_import_list(const char* name, const char* text, int size) {
    if (!TextFits(name, size, zem::Text("zem::gui::CsvCommands", "a channel list"))) return 0;
    return Session().importText(std::string(text, static_cast<std::size_t>(size))) ? 1 : 0;
}

// Opens a plan text (.yaml) as the document; 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int zem_open_plan(const char* name, const char* text, int size) {
    if (!TextFits(name, size, zem::Text("zem::gui::CKivuDoc", zem::kWhatPlanText))) return 0;
    const zem::FileResult result = Session().openPlan(std::string(text, static_cast<std::size_t>(size)), FileName(name));
    if (const zem::Text said = result.said(); !said.empty()) Messenger().notice(said);
    return result.ok ? 1 : 0;
}

// Compare with file: the list, or null when the file was refused and said why.
EMSCRIPTEN_KEEPALIVE const char* zem_compare_file(const char* name, const std::uint8_t* bytes, int size) {
    if (size < 0) return nullptr;
    const std::string path = FileName(name);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes), size);
    }
    zem::RadioImage other;
    const zem::FileResult result = zem::LoadProgramFile(zem::PathFromUtf8(path), other);
    std::remove(path.c_str());
    if (!result.ok) {
        Messenger().notice(result.said());
        return nullptr;
    }
    return Hand(CompareJson(other, zem::Text(FileName(name))));
}

// The list of the last completed Compare with radio.
EMSCRIPTEN_KEEPALIVE const char* zem_compare_radio() { return compared.c_str(); }

// Copy and Cut: the cells' tab-separated text; Cut then empties them as Delete does.
EMSCRIPTEN_KEEPALIVE const char* zem_copy_cells(const char* cells, int cut) {
    const std::string text = Session().copyCells(Cells(cells));
    if (cut) Session().deleteCells(Cells(cells));
    return Hand(text);
}

EMSCRIPTEN_KEEPALIVE void zem_delete_cells(const char* cells) { Session().deleteCells(Cells(cells)); }

// Paste: returns the block the values went into as "top left bottom right".
EMSCRIPTEN_KEEPALIVE const char* zem_paste_cells(const char* cells, const char* text) {
    const zem::CellBlock block = Session().pasteCells(Cells(cells), text ? text : "");
    return Hand(std::to_string(block.top) + " " + std::to_string(block.left) + " " + std::to_string(block.bottom) +
                " " + std::to_string(block.right));
}

// Radio history, kept by the page in the browser's storage as links'
// fragments, oldest first (kept: one a line; fromCompare: 'C' or 'R' for
// each). For the last read: "" when it repeats the newest read of the same
// radio, else its fragment and, on the next line, the indexes of the kept
// reads (the new one last) that go to make room.
EMSCRIPTEN_KEEPALIVE const char* zem_history_add(const char* kept, const char* fromCompare, int compare) {
    constexpr std::size_t kMaxEntries = 200;
    std::vector<zem::KeptRead> reads;
    std::istringstream lines(kept ? kept : "");
    std::string line;
    const std::string flags = fromCompare ? fromCompare : "";
    while (std::getline(lines, line)) {
        const std::optional<zem::RadioImage> image = zem::ImageOfShareLink(line);
        if (image) reads.push_back({*image, reads.size() < flags.size() && flags[reads.size()] == 'C'});
    }
    if (zem::RepeatsNewestRead(reads, lastRead)) return Hand("");
    std::vector<bool> compares;
    for (const zem::KeptRead& read : reads) compares.push_back(read.fromCompare);
    compares.push_back(compare != 0);
    std::string answer = zem::ShareLink(lastRead, "").substr(1) + "\n";
    for (std::size_t index : zem::ReadsToDrop(compares, kMaxEntries)) answer += std::to_string(index) + " ";
    return Hand(answer);
}

// A kept read's line of the history: its type, band and first channel's Receive.
EMSCRIPTEN_KEEPALIVE const char* zem_history_entry(const char* kept) {
    const std::optional<zem::RadioImage> image = zem::ImageOfShareLink(kept ? kept : "");
    if (!image) return Hand("null");
    const zem::PagesSnapshot pages = zem::FillPages(*image);
    std::string first;
    for (int channel = 1; channel <= zem::kChannelCount && first.empty(); ++channel)
        first = pages.channels.cells.text(channel, zem::kColReceive);
    return Hand("{\"type\":" + zem::JsonString(zem::EntryText(zem::TypeEntries(), pages.channels.typeIndex)) +
                ",\"band\":" + zem::JsonString(zem::EntryText(zem::BandEntries(), pages.channels.bandIndex)) +
                ",\"first\":" + zem::JsonString(first) + "}");
}

// Share as link: what the pages show, as a link to the page at base.
EMSCRIPTEN_KEEPALIVE const char* zem_share(const char* base) {
    return Hand(zem::ShareLink(Session().imageForShare(), base ? base : ""));
}

// Opens the plan a link holds, through the checks of an opened file; a
// damaged link says so and changes nothing. 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int zem_open_link(const char* link) {
    const std::optional<zem::RadioImage> image = zem::ImageOfShareLink(link ? link : "");
    if (!image) {
        Messenger().notice(zem::kMsgDamagedLink);
        return 0;
    }
    return zem_open("shared plan.Zem", image->data(), static_cast<int>(zem::kImageSize));
}

// On Line Power Set opens only for the service access code.
EMSCRIPTEN_KEEPALIVE int zem_check_access_code(const char* typed) {
    if (zem::CheckAccessCode(typed ? typed : "")) return 1;
    Messenger().notice(zem::kMsgWrongAccessCode);
    return 0;
}

EMSCRIPTEN_KEEPALIVE const char* zem_power_state() { return Hand(Session().powerJson()); }

// Reads the power values from the radio (direction 0), or writes values (1:
// seven low, then seven high, 0-255, separated by commas) with the service
// exchanges' time-outs and pauses. Returns the link's status as zem_transfer.
EMSCRIPTEN_KEEPALIVE int zem_power(int direction, const char* values) {
    WebSession& session = Session();
    zem::RadioImage working = session.image();
    if (direction == 0) {
        const zem::ExchangeOutcome outcome = zem::ReadPower(working, PageLink());
        for (const zem::Text& message : outcome.messages()) Messenger().notice(message);
        if (outcome.refreshPages) session.takeServiceBytes(working, true);
        return static_cast<int>(outcome.link.status);
    }
    zem::PowerValues chosen;
    std::string text = values ? values : "";
    for (int i = 0; i < 2 * zem::kPowerPointCount; ++i) {
        const std::size_t comma = text.find(',');
        const int value = std::atoi(text.substr(0, comma).c_str());
        auto& list = i < zem::kPowerPointCount ? chosen.low : chosen.high;
        list[i % zem::kPowerPointCount] = static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
        text = comma == std::string::npos ? std::string() : text.substr(comma + 1);
    }
    const zem::ExchangeOutcome outcome = zem::WritePower(chosen, working, PageLink());
    for (const zem::Text& message : outcome.messages()) Messenger().notice(message);
    // What was stored before the radio stopped answering stays in the document.
    session.takeServiceBytes(working, false);
    return static_cast<int>(outcome.link.status);
}

// Reads the radio (direction 0) or writes it (1, read back and compared when
// verify is set) over the port the page chose; 2 reads it into a copy that
// Compare with radio lists against the document (zem_compare_radio). Returns the link's status:
// 0 completed, 1 port not opened, 2 abandoned, 3 cancelled, 4 failed, and
// 5 for a write whose read-back differs.
EMSCRIPTEN_KEEPALIVE int zem_transfer(int direction, int verify) {
    WebSession& session = Session();
    zem::LinkSession link = PageLink();
    link.hooks.status = [](const std::string& text) { zem_page_status(text.c_str()); };
    link.hooks.progress = [](int done, int total) { zem_page_progress(done, total); };
    link.hooks.cancelled = [] { return zem_page_cancelled() != 0; };

    // A read fills a copy of the document, whose bytes from 0x3D0 on never travel.
    zem::RadioImage working = direction == 1 ? session.imageForWrite() : session.image();
    const zem::ExchangeOutcome outcome =
        direction == 1
            ? zem::WriteRadio(working, link, verify != 0, [] { zem_page_phase(kTitleVerifying, kStatusVerifying); })
            : zem::ReadRadio(working, link);
    // A failed read-back's message says the write went through.
    ShowLinkMessage(outcome.link);
    if (direction != 1 && outcome.completed()) lastRead = working;
    if (direction == 2) {
        compared = outcome.completed() ? CompareJson(working, kRadioSide) : std::string();
        return static_cast<int>(outcome.link.status);
    }
    if (outcome.refreshPages) session.takeRead(working);
    else if (outcome.returnToChannelTab) session.returnToChannelTab();
    // What the radio now holds, as the window says it: stopped among the
    // blocks, whatever stopped it, it is neither as it was nor as the
    // document; a read-back that differs names the first difference (the
    // document keeps what was meant to be written).
    if (!outcome.holdsText.empty()) Messenger().notice(outcome.holdsText);
    return outcome.holds == zem::RadioHolds::WrittenDiffers ? 5 : static_cast<int>(outcome.link.status);
}

}  // extern "C"

// ---- the channel table's keys ----------------------------------------------
// What a key, a typed character or a mouse press does on a cell, by the
// table's rules in the core; the page carries the action out. place is
// "grid", "editor" or "control"; text the typed character or the open
// editor's text. Null for a key the rules do not know: it stays the browser's.
#include "channels/cell_keys.h"

namespace {

const char* CellEditorName(zem::CellEditor editor) {
    switch (editor) {
    case zem::CellEditor::Text: return "text";
    case zem::CellEditor::Tone: return "tone";
    case zem::CellEditor::List: return "list";
    case zem::CellEditor::None: break;
    }
    return "";
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* zem_cell_key(const char* place, int row, int col, const char* key,
                                                        const char* text) {
    const std::string where = place ? place : "";
    const std::optional<zem::CellKey> named = zem::CellKeyNamed(key ? key : "");
    if (!named) return nullptr;
    const zem::KeyPlace at = where == "editor"  ? zem::KeyPlace::Editor
                             : where == "grid" ? zem::KeyPlace::Grid
                                               : zem::KeyPlace::Control;
    const std::string typed = *named == zem::CellKey::Typed ? std::string(key) : std::string(text ? text : "");
    const zem::CellAction a = zem::CellKeyAction(Session().channelValues(), at, row, col, *named, typed);
    const auto flag = [](bool value) { return value ? "true" : "false"; };
    return Hand(std::string("{\"native\":") + flag(a.native) + ",\"notice\":" + Said(a.notice) +
                ",\"commit\":" + flag(a.commit) + ",\"onEnter\":" + flag(a.onEnter) + ",\"close\":" + flag(a.close) +
                ",\"emptySelection\":" + flag(a.emptySelection) + ",\"row\":" + std::to_string(a.row) +
                ",\"col\":" + std::to_string(a.col) + ",\"focusNext\":" + flag(a.focusNext) + ",\"open\":\"" +
                CellEditorName(a.open) + "\",\"text\":" + zem::JsonString(a.text) +
                ",\"entry\":" + std::to_string(a.entry) + ",\"selectAll\":" + flag(a.selectAll) + "}");
}
