#include "document/input_text.h"
#include "document/program_file.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zem {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Folders named in the users' own languages: on Windows no 8-bit
        // code page holds both.
        top_ = fs::temp_directory_path() /
               ("zem-core-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        dir_ = top_ / PathFromUtf8("José") / PathFromUtf8("张伟");
        fs::remove_all(top_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(top_); }

    fs::path path(const std::string& name) const { return dir_ / name; }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string pattern(std::size_t count)
    {
        std::string bytes(count, '\0');
        for (std::size_t k = 0; k < count; ++k)
            bytes[k] = static_cast<char>(k * 7 + 3);
        return bytes;
    }

    fs::path top_, dir_;
};

TEST(NewDocumentImageTest, HoldsEmptyChannelsAndFactorySettings)
{
    const std::uint8_t row19[16] = {0xCA, 0x7F, 0x00, 0x02, 0x05, 0x02, 0x02, 0x04,
                                    0x06, 0x06, 0x01, 0x00, 0x00, 0x91, 0x33, 0x46};
    const RadioImage image = NewDocumentImage();
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const std::size_t row = offset / 16, col = offset % 16;
        std::uint8_t expected = 0xFF;
        if (row >= 1 && row <= 16)
            expected = col < 12 ? 0x00 : col == 12 ? 0x2E : 0xFF;
        else if (row == 19)
            expected = row19[col];
        else if (row == 33)
            expected = static_cast<std::uint8_t>(col % 8 + 1);
        ASSERT_EQ(image[offset], expected) << "offset " << offset;
    }
}

TEST_F(ProgramFileTest, SavesAndLoadsEveryByteAndReplacesTheOldFile)
{
    write("a.Zem", "old contents");
    RadioImage image;
    const std::string bytes = pattern(kImageSize);
    std::copy(bytes.begin(), bytes.end(), image.bytes.begin());
    ASSERT_TRUE(SaveProgramFile(path("a.Zem"), image).ok);
    EXPECT_EQ(read("a.Zem"), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left

    RadioImage loaded = NewDocumentImage();
    ASSERT_TRUE(LoadProgramFile(path("a.Zem"), loaded).ok);
    EXPECT_EQ(loaded, image);

    // Saved through a link: the file it points at gets the bytes, the link
    // stays. (Windows lets only privileged users make links.)
    write("real.Zem", "old contents");
    std::error_code linked;
    fs::create_symlink(dir_ / "real.Zem", dir_ / "link.Zem", linked);
#ifndef _WIN32
    ASSERT_FALSE(linked) << linked.message();
#endif
    if (!linked) {
        ASSERT_TRUE(SaveProgramFile(path("link.Zem"), image).ok);
        EXPECT_TRUE(fs::is_symlink(dir_ / "link.Zem"));
        EXPECT_EQ(read("real.Zem"), bytes);
    }

    write("long.Zem", pattern(kImageSize + 1));  // the extra byte is ignored
    loaded = NewDocumentImage();
    ASSERT_TRUE(LoadProgramFile(path("long.Zem"), loaded).ok);
    EXPECT_EQ(loaded, image);
}

TEST_F(ProgramFileTest, RefusesWhatIsNoWholeImageAndKeepsTheUsersWork)
{
    write("short.Zem", pattern(1000));
    write("one-short.Zem", pattern(kImageSize - 1));
    write("empty.Zem", "");
    fs::create_directories(dir_ / "folder.Zem");
    const struct {
        const char* name;
        const char* message;  // %1 the file's path
    } cases[] = {
        {"short.Zem", "The file \"%1\" is not a program file: it holds 1000 bytes, a program file holds 1024."},
        {"one-short.Zem", "The file \"%1\" is not a program file: it holds 1023 bytes, a program file holds 1024."},
        {"empty.Zem", "The file \"%1\" is not a program file: it holds 0 bytes, a program file holds 1024."},
        {"missing.Zem", "The file \"%1\" does not exist."},
        {"folder.Zem", "Cannot open \"%1\": it is a folder, not a program file."},
    };
    for (const auto& c : cases) {
        RadioImage image = NewDocumentImage();
        image[0x3E0] = 0x42;
        const RadioImage before = image;
        const FileResult result = LoadProgramFile(path(c.name), image);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_NE(result.message.find(std::string("José") + kSeparator + "张伟" + kSeparator + c.name), std::string::npos)
            << result.message;
        EXPECT_EQ(result.message, FillPlaces(c.message, {PathText(path(c.name))}));
        EXPECT_EQ(image, before) << c.name;
    }
}

TEST_F(ProgramFileTest, FailedSaveReportsAndLeavesWhatWasThere)
{
    EXPECT_FALSE(WriteFileAtomically(path("no-such-folder/c.Zem"), "x").ok);

    fs::create_directories(dir_ / "folder.Zem");
    const FileResult result = SaveProgramFile(path("folder.Zem"), RadioImage());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("folder.Zem"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.Zem"));

    write("read-only.Zem", "previous");
    fs::permissions(dir_ / "read-only.Zem", fs::perms::owner_read);
    EXPECT_FALSE(SaveProgramFile(path("read-only.Zem"), RadioImage()).ok);
    EXPECT_EQ(read("read-only.Zem"), "previous");
    fs::permissions(dir_ / "read-only.Zem", fs::perms::owner_all);  // Windows removes no read-only file

    // A folder the user may not write into (root writes anyway, so only checked when it bites).
    write("locked.Zem", "previous");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool saved = WriteFileAtomically(path("locked.Zem"), "new").ok;
    EXPECT_EQ(read("locked.Zem"), saved ? "new" : "previous");
    fs::permissions(dir_, fs::perms::owner_all);
}

// Whether another program changed a file: by its bytes, not by its time.
TEST_F(ProgramFileTest, ChangedOnDiskOnlyWhenTheBytesDiffer)
{
    const struct {
        const char* name;
        const char* later;  // null: the file is removed
        bool changed;
    } cases[] = {
        {"same.Zem", "0123456789", false},   // written again with the same bytes
        {"swapped.Zem", "0123456780", true},  // same size, other bytes
        {"longer.Zem", "01234567890", true},
        {"gone.Zem", nullptr, false},
    };
    for (const auto& c : cases) {
        write(c.name, "0123456789");
        const FileStamp before = StampFile(path(c.name));
        ASSERT_TRUE(before.exists);
        if (c.later)
            write(c.name, c.later);
        else
            fs::remove(path(c.name));
        std::error_code touched;  // none for the removed file
        fs::last_write_time(path(c.name), before.written + std::chrono::seconds(5), touched);
        EXPECT_EQ(ChangedOnDisk(before, path(c.name)), c.changed) << c.name;
    }
    EXPECT_FALSE(ChangedOnDisk(StampFile(path("never.Zem")), path("same.Zem")));  // no file when stamped
}

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
TEST_F(ProgramFileTest, InputTextsRefuseFoldersAndOversizedTextsBeforeReadingThem)
{
    fs::create_directories(path("plan.yaml"));
    const auto sized = [&](const char* name, std::uintmax_t size) {
        write(name, "");
        fs::resize_file(path(name), size);  // sparse: no time spent writing
        return path(name);
    };
    const struct {
        fs::path path;
        const char* message;  // empty: read
    } cases[] = {
        {path("plan.yaml"), "plan.yaml is a folder, not a plan text"},
        {sized("huge.yaml", 52428800), "huge.yaml is 52 MB; a plan text is at most 1 MB"},
        {sized("over.yaml", kMaxInputTextBytes + 1), "over.yaml is 1.1 MB; a plan text is at most 1 MB"},
        {sized("bound.yaml", kMaxInputTextBytes), ""},
        {path("missing.yaml"), "missing.yaml: cannot be opened for reading"},
    };
    for (const auto& c : cases) {
        std::string text = "before";
        const FileResult result = ReadInputText(c.path, std::string("a plan text"), text);
        const std::string expected = *c.message ? PathText(path(c.message)) : "";
        EXPECT_EQ(result.message, expected);
        EXPECT_EQ(text.size(), *c.message ? 6 : kMaxInputTextBytes) << c.message;
    }

    std::istringstream pipe(std::string(kMaxInputTextBytes + 1, 'x'));
    std::string text;
    EXPECT_EQ(ReadInputText(pipe, "standard input", std::string("a channel list"), text).message,
              "standard input is more than 1 MB; a channel list is at most 1 MB");
    EXPECT_TRUE(text.empty());
}

#ifndef _WIN32
// A save killed at any point leaves no temporary behind once the next save
// into the folder is done; temporaries of live processes and the user's
// own files that only look alike stay.
TEST_F(ProgramFileTest, SavesKilledMidwayLeaveNoTemporaryBehind)
{
    const std::string big(4 << 20, 'z');  // long enough to be killed while writing
    write("big.Zem", big);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (;;)
                WriteFileAtomically(path("big.Zem"), big);
        }
        usleep(static_cast<useconds_t>(2000 + round * 500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    // Temporaries named as a killed save names them: those whose process
    // is gone go, unless written after the save began; the rest stay.
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), alive = std::to_string(getppid());
    const std::set<std::string> kept = {
        "a.Zem.tmp" + alive + "-0a1b2",  // its save still runs
        "c.Zem.tmp" + dead + "-00000",   // written "later"
        "notes.tmp1", "a.Zem.tmp" + dead + "-0a1b2c", "a.Zem.tmp" + dead + "-0A1B2", "a.Zem.tmp-0a1b2",
        ".tmp" + dead + "-0a1b2",  // look alike, but are not our naming
    };
    for (const auto& name : kept)
        write(name, "x");
    write("a.Zem.tmp" + dead + "-0a1b2", "x");
    write("b.yaml.tmp" + dead + "-fffff", "x");
    fs::last_write_time(path("c.Zem.tmp" + dead + "-00000"), fs::file_time_type::clock::now() + std::chrono::hours(1));

    ASSERT_TRUE(WriteFileAtomically(path("a.Zem"), "saved").ok);
    std::set<std::string> left, expected = kept;
    for (const auto& entry : fs::directory_iterator(dir_))
        left.insert(entry.path().filename().string());
    expected.insert({"a.Zem", "big.Zem"});
    EXPECT_EQ(left, expected);
    EXPECT_EQ(read("big.Zem").size(), big.size());  // never half a file under the target's name
}
#endif

}  // namespace
}  // namespace zem
