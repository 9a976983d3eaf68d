// The functions the web page calls: a thin layer between its script and
// WebSession and the radio link. The page calls every one of them as an
// asynchronous call (ccall with async), since any of them may wait for the
// user to answer a message or for the serial port.
#include "compare/verify_mismatch.h"
#include "document/input_text.h"
#include "link/link_messages.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "print/channel_listing_layout.h"
#include "web/web_session.h"

#include <emscripten.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using zem::web::WebSession;

// Shows a message box on the page and waits for its answer: 0 OK only,
// 1 OK and Cancel, 2 Retry and Cancel. 1 when OK or Retry was chosen.
EM_ASYNC_JS(int, zem_page_message, (int kind, const char* text, const char* detail), {
    return (await globalThis.zemPage.message(kind, UTF8ToString(text), UTF8ToString(detail))) ? 1 : 0;
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

class PageMessenger : public zem::Messenger {
public:
    void notice(const std::string& text) override { zem_page_message(0, text.c_str(), ""); }
    bool confirm(const std::string& text) override { return zem_page_message(1, text.c_str(), "") == 1; }
    bool retry(const std::string& text) override { return zem_page_message(2, text.c_str(), "") == 1; }
    bool retryWithDetail(const std::string& text, const std::string& detail) override {
        return zem_page_message(2, text.c_str(), detail.c_str()) == 1;
    }
};

PageMessenger& Messenger() {
    static PageMessenger messenger;
    return messenger;
}

// An exchange's message, with why it failed under the box's details.
void ShowLinkMessage(const zem::LinkOutcome& link) {
    if (!link.message.empty()) zem_page_message(0, link.message.c_str(), link.detail.c_str());
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

const char* const kTitleVerifying = "Verifying Written Data";
const char* const kStatusVerifying = "Reading the radio back to compare...";
const char* const kMsgCannotRead = "Could not read ";

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
             zem::kPrintBandLabel + "\",\"channels\":\"" + zem::kPrintChannelHeading + "\"}}";
    return Hand(lists);
}

EMSCRIPTEN_KEEPALIVE const char* zem_state() { return Hand(Session().stateJson()); }

EMSCRIPTEN_KEEPALIVE void zem_new() { Session().newDocument(); }

// Loads the bytes of a program file the user chose; 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int zem_open(const char* name, const std::uint8_t* bytes, int size) {
    const std::string path = FileName(name);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes), size);
    }
    const zem::FileResult result = Session().open(path);
    std::remove(path.c_str());
    if (!result.ok) Messenger().notice(result.message);
    return result.ok ? 1 : 0;
}

// Saves under name and returns the file's bytes (zem_saved_size of them),
// or null when the save failed and said why.
EMSCRIPTEN_KEEPALIVE const char* zem_save(const char* name) {
    const std::string path = FileName(name);
    const zem::FileResult result = Session().save(path);
    if (!result.ok) {
        Messenger().notice(result.message);
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
EMSCRIPTEN_KEEPALIVE const char* zem_export_csv() { return Hand(Session().exportCsv()); }

EMSCRIPTEN_KEEPALIVE int zem_import_csv(const char* name, const char* text, int size) {
    // A channel list is small; anything far larger is not one, and is refused before it is parsed.
    if (size < 0 || static_cast<std::uintmax_t>(size) > zem::kMaxInputTextBytes) {
        Messenger().notice(size < 0 ? kMsgCannotRead + FileName(name)
                                    : zem::TooLargeText(FileName(name), static_cast<std::uintmax_t>(size),
                                                        "a channel list"));
        return 0;
    }
    return Session().importCsv(std::string(text, static_cast<std::size_t>(size))) ? 1 : 0;
}

// Reads the radio (direction 0) or writes it (1, read back and compared when
// verify is set) over the port the page chose. Returns the link's status:
// 0 completed, 1 port not opened, 2 abandoned, 3 cancelled, 4 failed, and
// 5 for a write whose read-back differs.
EMSCRIPTEN_KEEPALIVE int zem_transfer(int direction, int verify) {
    WebSession& session = Session();
    zem::LinkSession link;
    link.port = "web";
    link.hooks.status = [](const std::string& text) { zem_page_status(text.c_str()); };
    link.hooks.progress = [](int done, int total) { zem_page_progress(done, total); };
    link.hooks.cancelled = [] { return zem_page_cancelled() != 0; };
    link.hooks.sleep = Pause;
    // The exchange says nothing itself: the page asks the user about a radio
    // that does not answer and shows the outcome's message.
    link.hooks.retryHandshake = [](const std::string& detail) {
        return Messenger().retryWithDetail(zem::kMsgCommunicationError, detail);
    };

    const auto way = direction == 0 ? zem::TransferDirection::Read : zem::TransferDirection::Write;
    // A read fills a copy of the document, whose bytes from 0x3D0 on never travel.
    zem::RadioImage working = way == zem::TransferDirection::Write ? session.imageForWrite() : session.image();
    const zem::TransferOutcome outcome = zem::RunTransfer(way, working, link);
    ShowLinkMessage(outcome.link);
    if (outcome.refreshPages) session.takeRead(working);
    else if (outcome.returnToChannelTab) session.returnToChannelTab();
    // Stopped among the blocks: the radio is neither as it was nor as the
    // document, and must not be used like that.
    if (way == zem::TransferDirection::Write && outcome.link.status == zem::LinkStatus::Cancelled)
        Messenger().notice(zem::kMsgWriteStopped);
    int status = static_cast<int>(outcome.link.status);
    if (way == zem::TransferDirection::Write && verify && outcome.link.completed()) {
        zem_page_phase(kTitleVerifying, kStatusVerifying);
        const zem::VerifyOutcome check = zem::VerifyWrite(working, link);
        ShowLinkMessage(check.link);
        status = static_cast<int>(check.link.status);
        if (check.checked && !check.matches()) {
            // The document keeps what was meant to be written.
            Messenger().notice(zem::VerifyMismatchMessage(working, check.differences));
            status = 5;
        }
    }
    return status;
}

}  // extern "C"
