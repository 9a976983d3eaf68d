#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"
#include "messenger.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zem {

// The text formats a plan is exchanged in: this program's channel list
// (CSV), the whole plan as YAML text, the memory list of other programming
// tools. zemtool has a command for each ("zemtool csv export", "zemtool csv
// import"); the window's Export channel list... offers those with a file
// filter, and its Import channel list... takes the one that recognises the
// text. A new format is one more entry of ExchangeFormats().

// An option of zemtool's import besides -o: a flag, or a whole number in a
// range. A value outside the range is a usage error with refusal's words.
struct ImportOption {
    const char* name;  // "--band"
    bool takesValue = false;
    int min = 0;
    int max = 0;
    const char* refusal = "";  // "--band must be a number from 0 to 4"
};

// The options given, by name: a value, or 1 for a flag. The window adds
// kChoiceInWindow, so that a refusal names its remedy in the window's words
// instead of an option's.
using ImportChoices = std::map<std::string, int>;
extern const char* const kChoiceInWindow;
// The flag that takes the rows the radio can hold and skips the others.
extern const char* const kSkipRefused;

// Each line a core message: zemtool says its English, the window translates it.
struct ExchangeImport {
    std::vector<Text> ignored;    // what of the text is not read, said first
    std::vector<Text> refusals;   // one line each; any entry: nothing may be saved
    std::vector<Text> skipped;    // with kSkipRefused: the refusals of the rows left out
    std::vector<Text> notStored;  // what the radio does not keep, said after an import
    bool ok() const { return refusals.empty(); }
};

struct ExchangeFormat {
    const char* name;     // zemtool's command: "csv"
    const char* summary;  // its line in zemtool's command list
    const char* usage;    // zemtool NAME --help
    // The text holds the whole plan: an import builds the image from the
    // text alone (zemtool NAME import IN -o OUT), where the others type the
    // text into the channels of a program file (NAME import FILE IN -o OUT).
    bool wholePlan = false;
    std::vector<ImportOption> options;
    const char* refusedWhat;  // how zemtool counts the refusals: "value(s) refused"
    // The window's Export channel list... filter, translated there in the
    // context "zem::gui::QtUserDialogs"; none: the format is not offered
    // there (a plan text opens and saves as a document).
    const char* filter;
    const char* extension;  // "csv"
    // The name of the window's undo step after an import (with a filter),
    // translated in the context "zem::gui::CsvCommands".
    const char* undoStep;
    // Whether text is in this format, for the window's import; none: the
    // format of a text that no other format recognises.
    bool (*recognises)(const std::string& text);
    // Why this build cannot import the format; empty when it can.
    std::string (*unavailable)();

    // The text of a plan: image, with its channels as channels shows them.
    std::string (*exportText)(const RadioImage& image, const ChannelPageValues& channels);
    // Types text into channels and, when every value was taken, stores them
    // into image; a whole plan builds image and fills channels from it.
    // After refusals both hold a partial result and must be thrown away.
    ExchangeImport (*importText)(const std::string& text, ChannelPageValues& channels, RadioImage& image,
                                 const ImportChoices& choices);
};

// Every format; the window's export dialog offers them in this order.
const std::vector<ExchangeFormat>& ExchangeFormats();

// The format called name; null when there is none.
const ExchangeFormat* FindExchangeFormat(const std::string& name);

// The format of a text for the window's import: the first with a filter
// that recognises it, else the one with a filter that needs no recognising.
const ExchangeFormat& FormatOfText(const std::string& text);

// The one import of a channel list or plan, under the window, the browser
// edition and zemtool alike.

// What is done with the rows the radio refuses, when the format can leave
// rows out.
enum class RefusedRows {
    Refuse,  // nothing is taken (zemtool without --skip-refused)
    Take,    // the other rows are taken (zemtool --skip-refused)
    Ask,     // the user is asked whether to take the other rows
};

struct ChannelListImport {
    // What the import found: with the refused rows left out when the other
    // rows were taken, else the refusals of the whole text.
    ExchangeImport result;
    bool taken = false;  // the channels and the image hold the import
};

// Types text into channels (a whole plan: builds image from the text). The
// text is tried whole first; when rows are refused and the format can leave
// rows out, refused says whether the others are taken, asking ask (with
// the refusals of the rows left out) for RefusedRows::Ask. A channel list taken is stored into image and the
// channels filled back from it, as the pages show it after the import, and
// image then holds what a save of those pages writes: a channel emptied by
// the list shows no Power, W/N, Busy or PTT any more and stores as an empty
// channel, whichever front end imported it. Nothing changes when nothing is
// taken. choices: the format's options; kSkipRefused among them is ignored.
ChannelListImport ImportChannelList(const ExchangeFormat& format, const std::string& text, ChannelPageValues& channels,
                                    RadioImage& image, ImportChoices choices, RefusedRows refused,
                                    const std::function<bool(const std::vector<Text>&)>& ask = {});

// What the window and the browser edition say around an import; the window
// shows them translated in the context "zem::gui::CsvCommands".
extern const char* const kMsgImportRefused;  // heads the list of refused values
extern const char* const kMsgSkipRefused;    // heads them when the other rows can be taken: a question
extern const char* const kMsgNotStored;      // heads what the list held that the radio does not store
struct ImportTexts {
    std::string refused = kMsgImportRefused;
    std::string skipRefused = kMsgSkipRefused;
    std::string notStored = kMsgNotStored;
};

// Import channel list of the window and the browser edition: the format told
// by the text, typed into a copy of the channel page shown (and image, the
// document's); refusals listed through messenger, or the user asked whether
// to take the rows that fit. take gets the format and the channel page as
// it is to show after the import; then what the radio does not store is
// said. False when nothing was taken.
bool ImportChannelList(const std::string& text, ChannelPageValues shown, RadioImage image, Messenger& messenger,
                       const ImportTexts& texts,
                       const std::function<void(const ExchangeFormat&, const ChannelPageValues&)>& take);

}  // namespace zem
