#include "channels/channel_codec.h"
#include "core/channels/channel_test_support.h"
#include "plan/exchange_formats.h"
#include "plan/plan_text.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

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
