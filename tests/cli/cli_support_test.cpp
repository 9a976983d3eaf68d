#include "cli/cli_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zem::cli {
namespace {

const std::vector<OptionRule> kRules = {
    {"--output", "-o", true},
    {"--band", "", true},
    {"--json", "", false},
};

TEST(ParseArgs, AcceptsEverySpellingOfAnOption) {
    using Strings = std::vector<std::string>;
    using Case = std::tuple<Strings, Strings, std::string, bool>;  // arguments, positionals, --output, --json
    for (const auto& [args, positionals, output, json] :
         {Case{{"a.zem", "-o", "b.zem"}, {"a.zem"}, "b.zem", false},
          Case{{"--output", "b.zem", "a.zem"}, {"a.zem"}, "b.zem", false},
          Case{{"--output=b.zem", "--json", "a.zem"}, {"a.zem"}, "b.zem", true},
          Case{{"--output=", "a.zem"}, {"a.zem"}, "", false}, Case{{"-o", "-", "a.zem"}, {"a.zem"}, "-", false},
          Case{{"--", "-x.zem", "--json"}, {"-x.zem", "--json"}, "", false}, Case{{"-"}, {"-"}, "", false}}) {
        const ParseOutcome outcome = ParseArgs(args, kRules);
        ASSERT_TRUE(outcome.ok) << outcome.error;
        EXPECT_EQ(outcome.args.positionals, positionals);
        EXPECT_EQ(outcome.args.value("--output").value_or(""), output);
        EXPECT_EQ(outcome.args.has("--json"), json);
        EXPECT_FALSE(outcome.args.help);
    }
}

TEST(ParseArgs, RefusesWhatItCannotUnderstand) {
    using Case = std::pair<std::vector<std::string>, std::string>;  // arguments, the error
    for (const auto& [args, error] :
         {Case{{"--colour"}, "unknown option --colour"}, Case{{"-o"}, "option -o needs a value"},
          Case{{"--json=yes"}, "option --json takes no value"},
          Case{{"-o", "a", "--output", "b"}, "option --output given twice"}}) {
        const ParseOutcome outcome = ParseArgs(args, kRules);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.error, error);
    }
}

TEST(ParseIntInRange, TakesOnlyPlainNumbersInRange) {
    EXPECT_EQ(ParseIntInRange("0", 0, 3), 0);
    EXPECT_EQ(ParseIntInRange("3", 0, 3), 3);
    for (const char* bad : {"4", "-1", "", " 1", "1 ", "1x", "0x1", "99999999999"}) {
        EXPECT_FALSE(ParseIntInRange(bad, 0, 3)) << bad;
    }
}

TEST(CliMessenger, AnswersQuestionsFromItsOptions) {
    std::ostringstream err;
    CliMessenger cautious(err);
    EXPECT_FALSE(cautious.confirm("Sure?"));
    EXPECT_FALSE(cautious.retry("Again?"));

    const ParseOutcome parsed = ParseArgs({"--yes", "--retries", "2"}, AnswerOptions());
    ASSERT_TRUE(parsed.ok);
    CliMessenger bold(err, AnswersFrom(parsed.args));
    EXPECT_TRUE(bold.confirm("Sure?"));
    EXPECT_TRUE(bold.retry("Again?"));
    EXPECT_TRUE(bold.retry("Again?"));
    EXPECT_FALSE(bold.retry("Again?"));
    bold.notice("Done");
    EXPECT_EQ(bold.shown().size(), 5u);
    EXPECT_NE(err.str().find("zemtool: Done\n"), std::string::npos);
}

// A text that is no plan at all refuses nearly every line: the first ones
// are said, then how many more.
TEST(SayRefusals, SaysAtMostFiftyThenHowManyMore) {
    for (const std::size_t count : {std::size_t(0), std::size_t(50), std::size_t(51), std::size_t(320897)}) {
        std::ostringstream out, err;
        Io io{out, err};
        SayRefusals(io, std::vector<std::string>(count, "r"));
        const std::string said = err.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), static_cast<long>(count > 50 ? 51 : count)) << count;
        if (count > 50) {
            EXPECT_NE(said.find("zemtool: ... and " + std::to_string(count - 50) + " more\n"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace zem::cli
