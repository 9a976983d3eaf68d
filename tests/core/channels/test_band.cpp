#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zem {
namespace {

using test::PageOf;
using test::RecordingMessenger;
using Texts = std::vector<std::string>;

TEST(ChannelDefaultsTest, EachBandWritesItsDemonstrationChannels)
{
    // Receive frequency of channels 1, 3, 4, 10, 13, 14 and 16.
    const std::pair<int, Texts> cases[] = {
        {0, {"136.05000", "173.95000", "161.02500", "161.62500", "161.92500", "162.02500", "162.22500"}},
        {1, {"226.05000", "263.95000", "242.42500", "243.02500", "243.32500", "242.02500", "242.22500"}},
        {2, {"400.05000", "469.95000", "440.10000", "463.07500", "463.37500", "463.47500", "463.67500"}},
        {3, {"470.05000", "511.95000", "500.02500", "500.62500", "500.92500", "501.02500", "501.22500"}},
    };
    for (const auto& [band, receive] : cases) {
        RadioImage image = NewDocumentImage();
        image[16 + 8] = 0x13;  // an earlier tone of channel 1 stays, so do the record's tail bytes
        image[16 + 9] = 0x28;
        image[16 + 13] = 0x5A;
        image[0x22C] = 0x05;
        RecordingMessenger messenger;
        ApplyChannelDefaults(image, 0, band, messenger);
        EXPECT_TRUE(messenger.empty());

        const ChannelPageValues page = PageOf(image);
        Texts shown;
        for (int row : {1, 3, 4, 10, 13, 14, 16}) {
            shown.push_back(page.cells.text(row, kColReceive));
            EXPECT_EQ(page.cells.text(row, kColTransmit), page.cells.text(row, kColReceive));
            for (int col = kColScan; col <= kColPtt; ++col)
                EXPECT_EQ(page.cells.text(row, col), (Texts{"Yes", "High", "Wide", "Off", "Off"}[col - kColScan]));
        }
        EXPECT_EQ(shown, receive) << band;
        EXPECT_EQ(page.cells.text(1, kColDecode), "D023N");
        EXPECT_EQ(page.cells.text(2, kColDecode), "");
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(page.cells.text(4 + k, kColDecode), (Texts{"67.0", "254.1", "D023N", "162.2"}[k]));
            EXPECT_EQ(page.cells.text(4 + k, kColEncode), page.cells.text(4 + k, kColDecode));
        }
        EXPECT_EQ(image[16 + 13], 0x5A);
        EXPECT_EQ(page.bandIndex, band);
        EXPECT_EQ(page.typeIndex, 0);
    }
}

TEST(ChannelDefaultsTest, OtherTypeOrBandClearsEverythingOnlyWhenConfirmed)
{
    for (const auto& [type, band] : {std::pair{1, 0}, std::pair{0, 4}}) {
        RadioImage image = NewDocumentImage();
        RecordingMessenger yes;
        yes.setDefaultAnswer(true);
        ApplyChannelDefaults(image, type, band, yes);
        EXPECT_EQ(yes.texts(), Texts{kMsgClearAllQuestion}) << type << band;
        EXPECT_EQ(image, RadioImage()) << type << band;
    }

    // Declined, another type writes the band's table as for the first type.
    RadioImage image = NewDocumentImage();
    RadioImage declined = image;
    RecordingMessenger no;
    ApplyChannelDefaults(declined, 1, 0, no);
    ApplyChannelDefaults(image, 0, 0, no);
    EXPECT_EQ(no.entries().size(), 1u);
    EXPECT_EQ(declined, image);

    // Declined, another band writes only the common part.
    image[3 * 16 + 4] = 0x00;  // transmit of channel 3 differs from receive
    image[0x220] = 0x12;
    image[0x222] = 0x34;
    RadioImage after = image;
    ApplyChannelDefaults(after, 0, 4, no);
    for (int channel = 1; channel <= 16; ++channel) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(after[channel * 16 + k], image[channel * 16 + k]);
            EXPECT_EQ(after[channel * 16 + 4 + k], image[channel * 16 + k]);
        }
        EXPECT_EQ(after[channel * 16 + 12], 0x38);
    }
    EXPECT_EQ(after[0x220], 0x00);
    EXPECT_EQ(after[0x222], 0x34);

    RecordingMessenger twice;  // other type and other band: two questions
    ApplyChannelDefaults(image, 1, -1, twice);
    EXPECT_EQ(twice.entries().size(), 2u);
    EXPECT_EQ(image, after);
}

}  // namespace
}  // namespace zem
