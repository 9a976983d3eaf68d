#pragma once

#include "command.h"
#include "document/program_file.h"
#include "document/radio_image.h"
#include "messenger.h"

#include <cstddef>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zem::cli {

// Exit statuses shared by every command. kExitDiffers is only used by
// commands that answer a yes/no question (diff: the files differ).
constexpr int kExitOk = 0;
constexpr int kExitDiffers = 1;
constexpr int kExitError = 2;

// One option a command accepts, e.g. {"--output", "-o", true}. Options are
// looked up by their long name whichever spelling was used.
struct OptionRule {
    std::string name;
    std::string alias;  // may be empty
    bool takesValue = false;
    bool repeatable = false;  // may be given more than once (--port A --port B)
};

// The arguments of one command after parsing. --help and -h are always known.
struct ParsedArgs {
    bool help = false;
    std::vector<std::string> positionals;
    std::map<std::string, std::string> values;  // options with a value
    std::set<std::string> flags;                // options without one
    std::map<std::string, std::vector<std::string>> repeated;  // repeatable options, in the order given

    bool has(const std::string& name) const {
        return flags.count(name) != 0 || values.count(name) != 0 || repeated.count(name) != 0;
    }
    std::optional<std::string> value(const std::string& name) const;
    // Every value of a repeatable option, in the order given.
    std::vector<std::string> all(const std::string& name) const;
};

struct ParseOutcome {
    bool ok = false;
    std::string error;  // what was wrong, for the user
    ParsedArgs args;
};

// Accepts "--name value", "--name=value", "-o value" and flags; "--" ends the
// options so that a file may be called "-x". An unknown option, a missing
// value, a value given to a flag or an option given twice (unless it is
// repeatable) is an error.
ParseOutcome ParseArgs(const std::vector<std::string>& args, const std::vector<OptionRule>& rules);

// A whole decimal number between min and max; nothing else (no blanks, no
// trailing characters).
std::optional<int> ParseIntInRange(const std::string& text, int min, int max);

// Prints "zemtool: <message>" on io.err and returns kExitError.
int Fail(Io& io, const std::string& message);

// Prints "zemtool: <text>" on io.err: progress and success messages, which
// stay apart from the results on io.out.
void Say(Io& io, const std::string& text);

// Prints "zemtool: <message>" and a pointer to the command's --help.
int UsageError(Io& io, const Command& command, const std::string& message);

// The common start of every command: parses, answers --help with the usage
// text, reports a parse error or a wrong number of positionals. Returns the
// arguments, or the exit status the command should return right away.
struct Prepared {
    std::optional<ParsedArgs> args;
    int exitStatus = kExitOk;
};
Prepared PrepareCommand(const Command& command, const std::vector<std::string>& args,
                        const std::vector<OptionRule>& rules, std::size_t minPositionals,
                        std::size_t maxPositionals, Io& io);

// The answers zemtool gives to the questions the core would put to a user in
// a message box. Nobody sits at the terminal, so they come from options:
// --yes answers OK to a confirmation, --retries N answers Retry N times.
struct Answers {
    bool confirm = false;
    int retries = 0;
};

// The options that set Answers, for commands that may be asked questions.
const std::vector<OptionRule>& AnswerOptions();
Answers AnswersFrom(const ParsedArgs& args);

// The Messenger of zemtool: every notice and question goes to stderr as a
// line starting "zemtool: ", a question followed by the answer given.
class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& err, Answers answers = {});

    void notice(const std::string& text) override;
    bool confirm(const std::string& text) override;
    bool retry(const std::string& text) override;

    // Every text shown so far, in order.
    const std::vector<std::string>& shown() const { return shown_; }

private:
    std::ostream& err_;
    Answers answers_;
    std::vector<std::string> shown_;
};

// A Messenger that records the texts and says nothing; questions get the
// answers given (Cancel by default). For imports and fuzzing.
class QuietMessenger : public Messenger {
public:
    explicit QuietMessenger(Answers answers = {}) : answers_(answers) {}

    void notice(const std::string& text) override { shown_.push_back(text); }
    bool confirm(const std::string& text) override;
    bool retry(const std::string& text) override;

    const std::vector<std::string>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    Answers answers_;
    std::vector<std::string> shown_;
};

// File names on zemtool's command line are UTF-8 (on Windows taken from the
// wide command line), so the three below build their paths with PathFromUtf8.

// Writes contents to path through a temporary file and a rename, so that a
// failure leaves no partly written output. Path "-" writes to out instead.
// Returns false after reporting the error on io.err.
bool WriteOutput(Io& io, const std::string& path, const std::string& contents);

// Saves image as a program file the same safe way; false after reporting.
bool WriteImage(Io& io, const std::string& path, const RadioImage& image);

// Loads a program file; false after reporting the loader's message.
bool ReadImage(Io& io, const std::string& path, RadioImage& image);

}  // namespace zem::cli

namespace zem::cli {

// Reads a whole text file, or standard input for "-"; false after
// reporting. A folder and a text above the input bound are refused before
// they are read; what names the kind of text in that message ("a plan text").
bool ReadTextFile(Io& io, const std::string& path, const std::string& what, std::string& text);

// Says refusals a line each, at most kShownRefusals of them and then how
// many more there were.
constexpr std::size_t kShownRefusals = 50;
void SayRefusals(Io& io, const std::vector<std::string>& refusals);

}  // namespace zem::cli
