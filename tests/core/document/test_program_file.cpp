#include "document/program_file.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zem {
namespace {

namespace fs = std::filesystem;

class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("zem-core-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void writeBytes(const std::string& file, const std::string& bytes)
    {
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string readBytes(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string patternBytes(std::size_t count)
    {
        std::string bytes(count, '\0');
        for (std::size_t k = 0; k < count; ++k)
            bytes[k] = static_cast<char>((k * 7 + 3) & 0xFF);
        return bytes;
    }

    fs::path dir_;
};

TEST(NewDocumentImageTest, HoldsEmptyChannelsAndFactorySettings)
{
    const RadioImage image = NewDocumentImage();
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const std::size_t row = offset / 16;
        const std::size_t col = offset % 16;
        std::uint8_t expected = 0xFF;
        if (row >= 1 && row <= 16)
            expected = col < 12 ? 0x00 : col == 12 ? 0x2E : 0xFF;
        else if (offset >= 0x210 && offset <= 0x21F)
            expected = static_cast<std::uint8_t>(col % 8 + 1);
        else if (row == 19) {
            const std::uint8_t row19[16] = {0xCA, 0x7F, 0x00, 0x02, 0x05, 0x02, 0x02, 0x04,
                                            0x06, 0x06, 0x01, 0x00, 0x00, 0x91, 0x33, 0x46};
            expected = row19[col];
        }
        ASSERT_EQ(image[offset], expected) << "offset 0x" << std::hex << offset;
    }
}

TEST_F(ProgramFileTest, SaveThenLoadGivesBackEveryByteIncludingKeptRegions)
{
    RadioImage image;
    const std::string bytes = patternBytes(kImageSize);
    std::copy(bytes.begin(), bytes.end(), image.bytes.begin());

    ASSERT_TRUE(SaveProgramFile(path("a.Zem"), image).ok);
    EXPECT_EQ(readBytes(path("a.Zem")), bytes);

    RadioImage loaded = NewDocumentImage();
    const FileResult result = LoadProgramFile(path("a.Zem"), loaded);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(loaded, image);
}

TEST_F(ProgramFileTest, LongerFileLoadsItsFirst1024Bytes)
{
    const std::string bytes = patternBytes(kImageSize + 1);
    writeBytes(path("long.Zem"), bytes);
    RadioImage image;
    ASSERT_TRUE(LoadProgramFile(path("long.Zem"), image).ok);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()), kImageSize), bytes.substr(0, kImageSize));
}

TEST_F(ProgramFileTest, ShortEmptyOrMissingFileIsRefusedAndImageKept)
{
    writeBytes(path("short.Zem"), patternBytes(1000));
    writeBytes(path("one-short.Zem"), patternBytes(kImageSize - 1));
    writeBytes(path("empty.Zem"), std::string());
    fs::create_directories(dir_ / "folder.Zem");
    for (const std::string name : {"short.Zem", "one-short.Zem", "empty.Zem", "missing.Zem", "folder.Zem"}) {
        RadioImage image = NewDocumentImage();
        image[0x3E0] = 0x42;  // the user's own work
        const RadioImage before = image;
        const FileResult result = LoadProgramFile(path(name), image);
        EXPECT_FALSE(result.ok) << name;
        EXPECT_FALSE(result.message.empty()) << name;
        EXPECT_EQ(image, before) << name;
    }
}

TEST_F(ProgramFileTest, SaveReplacesAnExistingFileAndLeavesNoTemporaryFile)
{
    writeBytes(path("b.Zem"), "old contents");
    RadioImage image = NewDocumentImage();
    ASSERT_TRUE(SaveProgramFile(path("b.Zem"), image).ok);
    EXPECT_EQ(readBytes(path("b.Zem")).size(), kImageSize);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1u);
}

TEST_F(ProgramFileTest, FailedSaveReportsAndLeavesPreviousFile)
{
    EXPECT_FALSE(WriteFileAtomically(path("no-such-folder/c.Zem"), "x").ok);

    // The target is a folder: nothing can replace it.
    fs::create_directories(dir_ / "folder.Zem");
    const FileResult intoFolder = SaveProgramFile(path("folder.Zem"), RadioImage());
    EXPECT_FALSE(intoFolder.ok);
    EXPECT_FALSE(intoFolder.message.empty());
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.Zem"));

#ifndef _WIN32
    if (::geteuid() != 0) {  // root writes into read-only folders anyway
        const fs::path locked = dir_ / "locked";
        fs::create_directories(locked);
        writeBytes((locked / "d.Zem").string(), "previous");
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const FileResult result = SaveProgramFile((locked / "d.Zem").string(), NewDocumentImage());
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("d.Zem"), std::string::npos);
        EXPECT_EQ(readBytes((locked / "d.Zem").string()), "previous");
    }
#endif
}

}  // namespace
}  // namespace zem
