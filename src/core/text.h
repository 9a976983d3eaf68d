#pragma once

#include "translate.h"

#include <string>
#include <vector>

namespace zem {

// The contexts the core's own messages are marked in (ZEM_TRANSLATE_NOOP),
// one for each kind of message. The window looks a message it only has in
// English up in these.
inline constexpr const char* kTextLink = "zem::Link";          // the port, the radio's answers, an exchange's outcome
inline constexpr const char* kTextFile = "zem::File";          // opening and saving files
inline constexpr const char* kTextChannels = "zem::Channels";  // refused values of the channel table and its lists
inline constexpr const char* kTextPlan = "zem::Plan";          // a plan text's errors
inline constexpr const char* kTextSettings = "zem::Settings";  // refused values of the settings pages
inline constexpr const char* kTextCompare = "zem::Compare";    // the differences between two documents
// The contexts of the core's list texts: the channel table's titles and
// choices, the type and band lists; the settings' labels and entries.
inline constexpr const char* kTextChannelTable = "ChannelTable";
inline constexpr const char* kTextRadioSettings = "RadioSettings";
inline constexpr const char* kTextContexts[] = {kTextLink, kTextFile, kTextChannels, kTextPlan, kTextSettings,
                                             kTextCompare};
// The context of texts that only join others ("%1\n%2"): nothing in it is
// translated, its parts are.
inline constexpr const char* kTextJoined = "zem::Joined";

// A message of the core with the values it names: a marked source text with
// numbered places (%1, %2 ...) and what fills them, so that a translation
// can put the values where its language wants them ("line %1, Location %2").
// A value is itself a Text: a plain value said as it is (a number, a file
// name) or another marked text (the reason after "... failed: %1").
// english() is the message as zemtool prints it.
class Text {
public:
    Text() = default;
    // A plain value, never translated.
    Text(std::string value) : value_(std::move(value)) {}  // NOLINT: a value is a text
    // context is static; source is marked with ZEM_TRANSLATE_NOOP in it
    // (a source without a translation is said in English).
    Text(const char* context, std::string source, std::vector<Text> args = {})
        : context_(context), source_(source), args_(std::move(args)) {}

    // The parts one after another, separator between them ("\n" a line
    // each); each part keeps its own translation.
    static Text Joined(std::vector<Text> parts, const std::string& separator = "\n");

    bool marked() const { return context_ != nullptr; }
    const char* context() const { return context_; }
    const char* source() const { return source_.c_str(); }
    const std::vector<Text>& args() const { return args_; }
    const std::string& value() const { return value_; }

    bool empty() const { return marked() ? source_.empty() : value_.empty(); }
    std::string english() const;

private:
    const char* context_ = nullptr;
    std::string source_;
    std::vector<Text> args_;
    std::string value_;
};

// pattern with %1 ... %9 replaced by values[0] ... values[8] in one pass (a
// value holding "%2" stays as it is); a place without a value stays too.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values);

// A message compares with the English it says.
inline bool operator==(const Text& text, const std::string& english) { return text.english() == english; }
inline bool operator==(const Text& text, const char* english) { return text.english() == english; }
inline bool operator!=(const Text& text, const std::string& english) { return !(text == english); }

}  // namespace zem
