#include "channels/band.h"
#include "channels/channel_codec.h"

#include "support/recording_messenger.h"

#include <gtest/gtest.h>

#include <vector>

namespace zem {
namespace {

using test::RecordingMessenger;

ChannelPageValues Filled(const RadioImage& image)
{
    ChannelPageValues page;
    FillFromImage(image, page);
    return page;
}

std::vector<std::string> Column(const ChannelPageValues& page, int col)
{
    std::vector<std::string> texts;
    for (int row = 1; row <= kChannelCount; ++row)
        texts.push_back(page.cells.text(row, col));
    return texts;
}

TEST(BandTest, ListsAndValidationLimits)
{
    EXPECT_EQ(TypeEntries(), (std::vector<std::string>{"ZEM-KR-M4", "Other..."}));
    ASSERT_EQ(BandEntries().size(), 5u);
    EXPECT_EQ(BandEntries()[4], "Other....");
    EXPECT_EQ(ValidationLimits(3).upper, 51200000);
    EXPECT_EQ(ValidationLimits(-1).lower, 6000000);
    EXPECT_EQ(ValidationLimits(5).upper, 60000000);
}

struct BandDefaultsCase {
    int band;
    std::vector<std::string> receive;
};

TEST(ChannelDefaultsTest, EachBandWritesItsDemonstrationChannels)
{
    const BandDefaultsCase cases[] = {
        {0, {"136.05000", "155.05000", "173.95000", "161.02500", "161.12500", "161.22500", "161.32500", "161.42500",
             "161.52500", "161.62500", "161.72500", "161.82500", "161.92500", "162.02500", "162.12500", "162.22500"}},
        {1, {"226.05000", "245.05000", "263.95000", "242.42500", "242.52500", "242.62500", "242.72500", "242.82500",
             "242.92500", "243.02500", "243.12500", "243.22500", "243.32500", "242.02500", "242.12500", "242.22500"}},
        {2, {"400.05000", "435.55500", "469.95000", "440.10000", "458.12500", "458.15000", "462.10000", "462.20000",
             "462.30000", "463.07500", "463.17500", "463.27500", "463.37500", "463.47500", "463.57500", "463.67500"}},
        {3, {"470.05000", "490.05000", "511.95000", "500.02500", "500.12500", "500.22500", "500.32500", "500.42500",
             "500.52500", "500.62500", "500.72500", "500.82500", "500.92500", "501.02500", "501.12500", "501.22500"}},
    };
    for (const BandDefaultsCase& c : cases) {
        RecordingMessenger messenger;
        RadioImage image = NewDocumentImage();
        image[1 * 16 + 8] = 0x13;  // an earlier tone of channel 1 stays
        image[1 * 16 + 9] = 0x28;
        image[1 * 16 + 13] = 0x5A;  // so do the record's own tail bytes
        image[0x22C] = 0x05;
        ApplyChannelDefaults(image, 0, c.band, messenger);
        EXPECT_TRUE(messenger.empty());

        const ChannelPageValues page = Filled(image);
        EXPECT_EQ(Column(page, kColReceive), c.receive) << c.band;
        EXPECT_EQ(Column(page, kColTransmit), c.receive) << c.band;
        EXPECT_EQ(Column(page, kColScan), std::vector<std::string>(16, "Yes"));
        EXPECT_EQ(Column(page, kColPower), std::vector<std::string>(16, "High"));
        EXPECT_EQ(Column(page, kColBandwidth), std::vector<std::string>(16, "Wide"));
        EXPECT_EQ(Column(page, kColBusy), std::vector<std::string>(16, "Off"));
        EXPECT_EQ(Column(page, kColPtt), std::vector<std::string>(16, "Off"));
        EXPECT_EQ(page.cells.text(1, kColDecode), "D023N");
        EXPECT_EQ(page.cells.text(2, kColDecode), "");  // 00 00 of the new document: off
        const std::vector<std::string> tones = {"67.0", "254.1", "D023N", "162.2"};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(page.cells.text(4 + k, kColDecode), tones[k]);
            EXPECT_EQ(page.cells.text(4 + k, kColEncode), tones[k]);
        }
        EXPECT_EQ(image[1 * 16 + 13], 0x5A);
        EXPECT_EQ(page.bandIndex, c.band);
        EXPECT_EQ(page.typeIndex, 0);
    }
}

TEST(ChannelDefaultsTest, OtherTypeClearsEverythingOnlyWhenConfirmed)
{
    RadioImage image = NewDocumentImage();
    RecordingMessenger yes;
    yes.scriptAnswers({true});
    ApplyChannelDefaults(image, 1, 0, yes);
    EXPECT_EQ(yes.texts(), std::vector<std::string>{kMsgClearAllQuestion});
    EXPECT_EQ(image, RadioImage());
    const ChannelPageValues cleared = Filled(image);
    EXPECT_EQ(cleared.typeIndex, 0);
    EXPECT_EQ(cleared.bandIndex, 4);
    EXPECT_EQ(Column(cleared, kColReceive), std::vector<std::string>(16, ""));

    // Declined: the band's table is written as for the first type.
    RadioImage declined = NewDocumentImage();
    RecordingMessenger no;
    no.scriptAnswers({false});
    ApplyChannelDefaults(declined, 1, 0, no);
    EXPECT_EQ(no.entries().size(), 1u);
    RadioImage firstType = NewDocumentImage();
    RecordingMessenger quiet;
    ApplyChannelDefaults(firstType, 0, 0, quiet);
    EXPECT_EQ(declined, firstType);
}

TEST(ChannelDefaultsTest, OtherBandDeclinedWritesOnlyTheCommonPart)
{
    RadioImage image = NewDocumentImage();
    RecordingMessenger quiet;
    ApplyChannelDefaults(image, 0, 0, quiet);
    image[3 * 16 + 4] = 0x00;  // transmit of channel 3 differs from receive
    image[0x220] = 0x12;
    image[0x222] = 0x34;

    RecordingMessenger no;
    no.scriptAnswers({false});
    RadioImage after = image;
    ApplyChannelDefaults(after, 0, 4, no);
    EXPECT_EQ(no.texts(), std::vector<std::string>{kMsgClearAllQuestion});
    for (int channel = 1; channel <= 16; ++channel) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(after[channel * 16 + k], image[channel * 16 + k]);
            EXPECT_EQ(after[channel * 16 + 4 + k], image[channel * 16 + k]);
        }
        EXPECT_EQ(after[channel * 16 + 12], 0x38);
    }
    EXPECT_EQ(after[0x220], 0x00);
    EXPECT_EQ(after[0x222], 0x34);

    // Other type and other band, both declined: two questions, common part.
    RecordingMessenger twice;
    RadioImage both = image;
    ApplyChannelDefaults(both, 1, -1, twice);
    EXPECT_EQ(twice.entries().size(), 2u);
    EXPECT_EQ(both, after);

    // Other band confirmed: everything cleared.
    RecordingMessenger yes;
    yes.setDefaultAnswer(true);
    ApplyChannelDefaults(image, 0, 4, yes);
    EXPECT_EQ(image, RadioImage());
}

}  // namespace
}  // namespace zem
