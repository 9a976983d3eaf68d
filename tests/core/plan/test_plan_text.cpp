#include "channels/channel_codec.h"
#include "core/channels/channel_test_support.h"
#include "plan/exchange_formats.h"
#include "plan/plan_text.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zem {
namespace {

using test::BandImage;

std::vector<RadioImage> Images()
{
    std::vector<RadioImage> images = {NewDocumentImage()};
    for (int band = 0; band < 4; ++band)
        images.push_back(BandImage(band));
    RadioImage odd = BandImage(0);
    test::Put(odd, 0x30, {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x13, 0xA9, 0x3F});
    odd[0x134] = 0x07;  // a squelch level the page would set back to 4
    odd[0x138] = 0xEE;  // a recovery time out of the list
    odd[0x212] = 0x0C;  // a PTT ID byte that is no digit
    images.push_back(odd);
    std::mt19937 random(20261207);
    for (int n = 0; n < 200; ++n) {
        RadioImage image;
        for (auto& byte : image.bytes)
            byte = static_cast<std::uint8_t>(random());
        const auto& band = kBandLimitBytes[static_cast<std::size_t>(n % 4)];
        if (n % 2)  // half of them with a known band, so channels read as typed
            test::Put(image, 0x220, test::Bytes(band.begin(), band.end()));
        images.push_back(image);
    }
    return images;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<std::size_t> ChangedOffsets(const RadioImage& a, const RadioImage& b)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (a[i] != b[i])
            changed.push_back(i);
    }
    return changed;
}

// A build without the YAML reader (a Windows build without yaml-cpp) only writes plans.
#define SKIP_WITHOUT_READER() \
    if (!PlanTextReadable()) GTEST_SKIP() << "built without the plan-text reader"

TEST(PlanTextTest, ExportThenImportGivesTheSameBytesAndTheSameText)
{
    SKIP_WITHOUT_READER();
    for (const RadioImage& image : Images()) {
        const std::string text = ExportPlanText(image);
        ASSERT_EQ(text.rfind("zem-plan: 1\n", 0), 0u);
        const PlanTextImport back = ImportPlanText(text);
        ASSERT_TRUE(back.ok()) << back.errors.front().describe() << "\n" << text;
        ASSERT_EQ(ChangedOffsets(image, back.image), std::vector<std::size_t>()) << text;
        EXPECT_EQ(ExportPlanText(back.image), text);
    }
}

TEST(PlanTextTest, AChangedValueChangesOnlyItsBytesAndWhatTheCommitRulesBring)
{
    SKIP_WITHOUT_READER();
    const RadioImage band0 = BandImage(0);
    const RadioImage fresh = NewDocumentImage();
    struct Case {
        const RadioImage* image;
        std::string from;
        std::string to;
        std::vector<std::size_t> changed;
    };
    const std::vector<Case> cases = {
        {&band0, "receive: \"155.05000\"", "receive: \"156.05000\"", {0x22}},
        {&band0, "power: \"High\", bandwidth: \"Wide\", busy: \"Off\", ptt: \"Off\"}\n  - {ch: 3",
         "power: \"Low\", bandwidth: \"Wide\", busy: \"Off\", ptt: \"Off\"}\n  - {ch: 3", {0x2C}},
        {&band0, "decode: \"\", encode: \"\", scan", "decode: \"67.0\", encode: \"\", scan", {0x18, 0x19}},
        {&band0, "squelch_level: \"5\"", "squelch_level: \"7\"", {0x134}},  // the page's pick sets 4
        {&band0, "top_short: \"Power\"", "top_short: \"Vox\"", {0x13F}},
        {&band0, "low: [255,", "low: [70,", {0x3D0}},
        // A first frequency of an empty channel, typed short, brings the
        // new-channel defaults (transmit and flags; which ones is the commit
        // rules' test). Its tones were 00 00, which reads as off, so they stay.
        {&fresh, "{ch: 2, receive: \"\"", "{ch: 2, receive: \"145\"", {0x22, 0x23, 0x26, 0x27, 0x2C}},
        // An address as a number in any YAML notation is the same address.
        {&band0, "\"0x000\":", "0:", {}},
        {&band0, "\"0x110\":", "0o420:", {}},
        {&band0, "\"0x120\":", "0b100100000:", {}},
        {&band0, "\"0x140\":", "0x140:", {}},
    };
    for (const Case& c : cases) {
        const PlanTextImport back = ImportPlanText(Replaced(ExportPlanText(*c.image), c.from, c.to));
        ASSERT_TRUE(back.ok()) << c.to << ": " << back.errors.front().describe();
        EXPECT_EQ(ChangedOffsets(*c.image, back.image), c.changed) << c.to;
    }
}

TEST(PlanTextTest, ErrorsNameLineColumnAndKeyAndGiveNoImage)
{
    SKIP_WITHOUT_READER();
    const std::string text = ExportPlanText(BandImage(0));
    // Which values the commit rules refuse, and their words, are the
    // rules' tests; here that each error names where it stands.
    struct Case {
        std::string from;
        std::string to;
        std::string expected;  // the start of the first error's description
    };
    const std::vector<Case> cases = {
        {"receive: \"155.05000\"", "receive: \"999.00000\"",
         "line 8, column 22, channel 2 receive \"999.00000\": Error Data Format，Please input again"},
        {"decode: \"\", encode: \"\", scan", "decode: \"66.6\", encode: \"\", scan",
         "line 7, column 66, channel 1 decode \"66.6\": not an entry of the tone list"},
        {"ptt_id_start: \"12345678\"", "ptt_id_start: \"1234\"", "line 36, column 17, options.ptt_id_start \"1234\": The  PTT ID"},
        {"  - {ch: 16", "  - {ch: 15", "line 22, column 10, ch \"15\": the channel appears twice"},
        {"power:\n  low: [", "power:\n  low: [[", "line 62"},  // a YAML syntax error
        {"zem-plan: 1", "zem-plan: 2", "line 1, column 11, zem-plan \"2\": this program reads version 1"},
        {"zem-plan: 1\n", "", "line 1, column 1: not a plan text: it has no top-level key \"zem-plan: 1\""},
        // Octal to some readers and decimal to others; quoted, it is text.
        {"\"0x110\":", "0420:", "line 94, column 3, bytes.0420: not an address: hex text 0x000 to 0x3FF or a number"},
        {"\"0x110\":", "\"272\":", "line 94, column 3, bytes.272: not an address"},
    };
    for (const Case& c : cases) {
        const PlanTextImport back = ImportPlanText(Replaced(text, c.from, c.to));
        ASSERT_FALSE(back.ok()) << c.to;
        EXPECT_EQ(back.errors.front().describe().substr(0, c.expected.size()), c.expected) << c.to;
    }
}

// A plan saved back by a YAML library: keys sorted ("zem-plan" last) and
// the addresses of the bytes as decimal numbers.
TEST(PlanTextTest, APlanSavedBackByAYamlLibraryGivesTheSameBytes)
{
    SKIP_WITHOUT_READER();
    const std::string resaved =
#include "plan_resaved_sorted.inc"
        ;
    const PlanTextImport back = ImportPlanText(resaved);
    ASSERT_TRUE(back.ok()) << back.errors.front().describe();
    EXPECT_EQ(ChangedOffsets(back.image, Images()[5]), std::vector<std::size_t>());
    EXPECT_TRUE(back.notes.empty());
}

TEST(PlanTextTest, WhatIsStoredOtherwiseThanWrittenIsSaid)
{
    SKIP_WITHOUT_READER();
    const std::string text = ExportPlanText(BandImage(0));
    const std::string bytes = text.substr(text.find("bytes:"));
    // Without the bytes the squelch level's stored 5 is typed, and kept at 4.
    const std::string squelch = "squelch_level: the radio keeps \"4\"; \"5\" was stored as \"4\"";
    const std::string fromNew = "; the bytes no value above determines were taken from a new document";
    const struct {
        std::string from, to;
        std::vector<std::string> said;
    } cases[] = {
        {bytes, "", {squelch, "bytes: the section is missing" + fromNew}},
        {bytes, "bytes:\n", {squelch, "bytes: the section is empty" + fromNew}},
        {"  \"0x3E0\"", "  #", {"bytes: nothing given for 0x3E0-0x3EF; a new document's bytes were taken there"}},
    };
    for (const auto& c : cases) {
        const PlanTextImport back = ImportPlanText(Replaced(text, c.from, c.to));
        ASSERT_TRUE(back.ok()) << back.errors.front().describe();
        std::vector<std::string> said;
        for (const Text& note : back.notes)
            said.push_back(note.english());
        EXPECT_EQ(said, c.said) << c.to;
    }
}

// Every format, a new one included: what it exports comes back as the same
// channels, stored into the image that zemtool writes, and the window's
// import takes the text for this format.
TEST(ExchangeFormatsTest, EachExportImportsBackIntoTheImageAndIsRecognised)
{
    const RadioImage image = test::BandImage(2);
    const ChannelPageValues shown = test::PageOf(image);
    for (const ExchangeFormat& format : ExchangeFormats()) {
        if (!format.unavailable().empty())
            continue;  // a build without the format's reader
        const std::string text = format.exportText(image, shown);
        RadioImage into = format.wholePlan ? RadioImage() : NewDocumentImage();
        ChannelPageValues channels = test::PageOf(into);
        channels.bandIndex = shown.bandIndex;
        const ExchangeImport result = format.importText(text, channels, into, {});
        EXPECT_TRUE(result.ok()) << format.name << ": " << (result.ok() ? "" : result.refusals.front().english());
        EXPECT_EQ(test::PageOf(into).cells, shown.cells) << format.name;
        if (format.filter) {
            EXPECT_EQ(FormatOfText(text).name, format.name);
        }
    }
}

// The one import under every front end: the same list gives the same bytes
// whether zemtool takes the rows that fit or the user is asked and says
// yes; a channel the list empties stores as an empty channel, as a save of
// the pages filled after the import writes it; nothing changes otherwise.
TEST(ExchangeFormatsTest, ImportChannelListStoresTheSameBytesForEveryFrontEnd)
{
    const RadioImage base = test::BandImage(0);
    const std::string list = "Ch,Receive,Transmit\n6,,\n3,147,\n4,999,\n";
    struct Case {
        RefusedRows refused;
        bool answer;
        bool taken;
    };
    for (const Case& c : {Case{RefusedRows::Refuse, true, false}, Case{RefusedRows::Take, false, true},
                          Case{RefusedRows::Ask, false, false}, Case{RefusedRows::Ask, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.refused) * 2 + c.answer);
        RadioImage image = base;
        ChannelPageValues channels = test::PageOf(base);
        int asked = 0;
        const ChannelListImport imported = ImportChannelList(
            *FindExchangeFormat("csv"), list, channels, image, {}, c.refused,
            [&](const std::vector<Text>& skipped) {
                asked += static_cast<int>(skipped.size());
                return c.answer;
            });
        ASSERT_EQ(imported.taken, c.taken);
        EXPECT_EQ(asked, c.refused == RefusedRows::Ask ? 1 : 0);
        if (!c.taken) {
            EXPECT_EQ(image, base);
            continue;
        }
        EXPECT_EQ(image[0x06C], (base[0x06C] & 0xC0) | 0x11);  // not the Power/W/N/Busy/PTT left in the cells
        EXPECT_EQ(channels.cells.text(3, kColReceive), "147.00000");
        EXPECT_EQ(channels.cells, test::PageOf(image).cells);
        RadioImage saved = image;
        StoreToImage(channels, saved);
        EXPECT_EQ(saved, image);
    }

    // The window's and the browser edition's import: the refusals listed, or
    // the question asked, and what the radio does not store said after the take.
    test::RecordingMessenger messages;
    messages.scriptAnswers({true});
    std::vector<std::string> said;
    const auto take = [&](const ExchangeFormat& format, const ChannelPageValues&) {
        said = {format.name + std::to_string(messages.texts().size())};  // after the question, before the rest
    };
    const std::string memories = "Location,Name,Frequency,Duplex\n1,CLUB,146.52,\n2,FAR,446.0,\n";
    EXPECT_TRUE(ImportChannelList(memories, test::PageOf(base), base, messages, {}, take));
    EXPECT_FALSE(ImportChannelList("Ch,Receive\n4,999\n", test::PageOf(base), base, messages, {}, take));
    for (const std::string& text : messages.texts())
        said.push_back(text.substr(0, text.find('\n')));
    EXPECT_EQ(said, (std::vector<std::string>{"memories1", kMsgSkipRefused, kMsgNotStored, kMsgImportRefused}));
}

}  // namespace
}  // namespace zem
