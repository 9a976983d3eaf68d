#include "document/input_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zem {
namespace {

namespace fs = std::filesystem;

TEST(ShownValueTest, CutsLongValuesAndEscapesWhatIsNoText)
{
    const std::string sixty(60, 'x');
    const std::string han = "\xE5\xBC\xA0";  // one character, three bytes
    std::string sixtyHan;
    for (int i = 0; i < 60; ++i)
        sixtyHan += han;
    const struct {
        std::string value, shown;
    } cases[] = {
        {"", ""},
        {"439.100", "439.100"},
        {sixty, sixty},
        {sixty + "y", sixty + "…"},
        {sixtyHan, sixtyHan},                 // counted in characters, not bytes
        {sixtyHan + han, sixtyHan + "…"},
        {"Jos\xC3\xA9", "Jos\xC3\xA9"},
        {"Jos\xE9", "Jos\\xE9"},              // Latin-1, not UTF-8
        {"\xFF\xFE" "A", "\\xFF\\xFEA"},
        {"\xE5\xBC", "\\xE5\\xBC"},           // a sequence cut short
        {"\xC0\xAF", "\\xC0\\xAF"},           // an overlong '/'
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // above U+10FFFF
        {"a\tb\r\n\x1B[31m\x7F", "a\\x09b\\x0D\\x0A\\x1B[31m\\x7F"},
        {std::string(59, 'x') + "\xFF\xFF", std::string(59, 'x') + "\\xFF…"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownValue(c.value), c.shown) << c.value;
}

// A folder, a file above the bound and a stream above it are refused with
// what they are, before they are parsed; a file at the bound is read whole.
// A size is never rounded down to the bound.
TEST(ReadInputTextTest, RefusesFoldersAndOversizedTextsBeforeReadingThem)
{
    const fs::path dir = fs::temp_directory_path() / "zem-core-input-text";
    fs::remove_all(dir);
    fs::create_directories(dir / "plan.yaml");
    const auto sized = [&](const char* name, std::uintmax_t size) {
        std::ofstream(dir / name, std::ios::binary) << "";
        fs::resize_file(dir / name, size);  // sparse: no time spent writing
        return dir / name;
    };
    const struct {
        fs::path path;
        const char* message;  // empty: read
    } cases[] = {
        {dir / "plan.yaml", "plan.yaml is a folder, not a plan text"},
        {sized("huge.yaml", 52428800), "huge.yaml is 52 MB; a plan text is at most 1 MB"},
        {sized("over.yaml", kMaxInputTextBytes + 1), "over.yaml is 1.1 MB; a plan text is at most 1 MB"},
        {sized("bound.yaml", kMaxInputTextBytes), ""},
        {dir / "missing.yaml", "missing.yaml: cannot be opened for reading"},
    };
    for (const auto& c : cases) {
        std::string text = "before";
        const FileResult result = ReadInputText(c.path, std::string("a plan text"), text);
        const std::string expected = *c.message ? PathText(dir / c.message) : "";
        EXPECT_EQ(result.message, expected);
        EXPECT_EQ(text.size(), *c.message ? 6 : kMaxInputTextBytes) << c.message;
    }

    std::istringstream pipe(std::string(kMaxInputTextBytes + 1, 'x'));
    std::string text;
    EXPECT_EQ(ReadInputText(pipe, "standard input", std::string("a channel list"), text).message,
              "standard input is more than 1 MB; a channel list is at most 1 MB");
    EXPECT_TRUE(text.empty());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zem
