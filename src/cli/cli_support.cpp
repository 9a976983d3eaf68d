#include "cli/cli_support.h"

#include "document/input_text.h"
#include "document/program_file.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace zem::cli {

std::optional<std::string> ParsedArgs::value(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> ParsedArgs::all(const std::string& name) const {
    auto it = repeated.find(name);
    return it == repeated.end() ? std::vector<std::string>{} : it->second;
}

namespace {

const OptionRule* FindOption(const std::vector<OptionRule>& rules, const std::string& spelled) {
    for (const auto& known : rules) {
        if (known.name == spelled || (!known.alias.empty() && known.alias == spelled)) return &known;
    }
    return nullptr;
}

}  // namespace

ParseOutcome ParseArgs(const std::vector<std::string>& args, const std::vector<OptionRule>& rules) {
    ParseOutcome outcome;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            // A lone "-" is a positional too: it names standard output.
            outcome.args.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            outcome.args.help = true;
            continue;
        }
        std::string spelled = arg;
        std::optional<std::string> inlineValue;
        const auto equals = arg.find('=');
        if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            spelled = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }
        const OptionRule* known = FindOption(rules, spelled);
        if (known == nullptr) {
            outcome.error = "unknown option " + spelled;
            return outcome;
        }
        if (!known->takesValue) {
            if (inlineValue) {
                outcome.error = "option " + spelled + " takes no value";
                return outcome;
            }
            outcome.args.flags.insert(known->name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                outcome.error = "option " + spelled + " needs a value";
                return outcome;
            }
            inlineValue = args[++i];
        }
        if (known->repeatable) {
            outcome.args.repeated[known->name].push_back(*inlineValue);
            continue;
        }
        if (outcome.args.values.count(known->name) != 0) {
            outcome.error = "option " + spelled + " given twice";
            return outcome;
        }
        outcome.args.values[known->name] = *inlineValue;
    }
    outcome.ok = true;
    return outcome;
}

std::optional<int> ParseIntInRange(const std::string& text, int min, int max) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max) return std::nullopt;
    return value;
}

int Fail(Io& io, const std::string& message) {
    io.err << "zemtool: " << message << '\n';
    return kExitError;
}

void Say(Io& io, const std::string& text) { io.err << "zemtool: " << text << '\n'; }

int UsageError(Io& io, const Command& command, const std::string& message) {
    io.err << "zemtool " << command.name << ": " << message << '\n'
           << "Try 'zemtool " << command.name << " --help'.\n";
    return kExitError;
}

Prepared PrepareCommand(const Command& command, const std::vector<std::string>& args,
                        const std::vector<OptionRule>& rules, std::size_t minPositionals,
                        std::size_t maxPositionals, Io& io) {
    Prepared prepared;
    ParseOutcome parsed = ParseArgs(args, rules);
    if (!parsed.ok) {
        prepared.exitStatus = UsageError(io, command, parsed.error);
        return prepared;
    }
    if (parsed.args.help) {
        io.out << command.usage;
        prepared.exitStatus = kExitOk;
        return prepared;
    }
    const std::size_t count = parsed.args.positionals.size();
    if (count < minPositionals) {
        prepared.exitStatus = UsageError(io, command, "missing argument");
        return prepared;
    }
    if (count > maxPositionals) {
        prepared.exitStatus = UsageError(io, command, "unexpected argument " + parsed.args.positionals[maxPositionals]);
        return prepared;
    }
    prepared.args = std::move(parsed.args);
    return prepared;
}

const std::vector<OptionRule>& AnswerOptions() {
    static const std::vector<OptionRule> options = {
        {"--yes", "-y", false},
        {"--retries", "", true},
    };
    return options;
}

Answers AnswersFrom(const ParsedArgs& args) {
    Answers answers;
    answers.confirm = args.has("--yes");
    if (auto retries = args.value("--retries")) answers.retries = ParseIntInRange(*retries, 0, 1000).value_or(0);
    return answers;
}

CliMessenger::CliMessenger(std::ostream& err, Answers answers) : err_(err), answers_(answers) {}

void CliMessenger::notice(const std::string& text) {
    shown_.push_back(text);
    err_ << "zemtool: " << text << '\n';
}

bool CliMessenger::confirm(const std::string& text) {
    shown_.push_back(text);
    err_ << "zemtool: " << text << (answers_.confirm ? " -> OK (--yes)" : " -> Cancel (no --yes)") << '\n';
    return answers_.confirm;
}

bool CliMessenger::retry(const std::string& text) {
    shown_.push_back(text);
    const bool again = answers_.retries > 0;
    if (again) --answers_.retries;
    err_ << "zemtool: " << text << (again ? " -> Retry" : " -> Cancel") << '\n';
    return again;
}

bool QuietMessenger::confirm(const std::string& text) {
    shown_.push_back(text);
    return answers_.confirm;
}

bool QuietMessenger::retry(const std::string& text) {
    shown_.push_back(text);
    if (answers_.retries <= 0) return false;
    --answers_.retries;
    return true;
}

bool WriteOutput(Io& io, const std::string& path, const std::string& contents) {
    if (path == "-") {
        io.out << contents;
        io.out.flush();
        return static_cast<bool>(io.out);
    }
    const FileResult result = WriteFileAtomically(PathFromUtf8(path), contents);
    if (!result.ok) Fail(io, result.message);
    return result.ok;
}

bool WriteImage(Io& io, const std::string& path, const RadioImage& image) {
    if (path == "-") {
        Fail(io, "a program file cannot go to standard output; give a file name");
        return false;
    }
    const FileResult result = SaveProgramFile(PathFromUtf8(path), image);
    if (!result.ok) Fail(io, result.message);
    return result.ok;
}

bool ReadImage(Io& io, const std::string& path, RadioImage& image) {
    const FileResult result = LoadProgramFile(PathFromUtf8(path), image);
    if (!result.ok) Fail(io, result.message);
    return result.ok;
}

}  // namespace zem::cli

namespace zem::cli {

bool ReadTextFile(Io& io, const std::string& path, const std::string& what, std::string& text) {
    const FileResult result =
        path == "-" ? ReadInputText(std::cin, "standard input", what, text) : ReadInputText(PathFromUtf8(path), what, text);
    if (!result.ok) Fail(io, result.message);
    return result.ok;
}

void SayRefusals(Io& io, const std::vector<std::string>& refusals) {
    // A file that is no such text at all gives a refusal for nearly every
    // line; the first ones say what is wrong.
    const std::size_t shown = std::min(refusals.size(), kShownRefusals);
    for (std::size_t i = 0; i < shown; ++i) Say(io, refusals[i]);
    if (refusals.size() > shown) Say(io, "... and " + std::to_string(refusals.size() - shown) + " more");
}

}  // namespace zem::cli
