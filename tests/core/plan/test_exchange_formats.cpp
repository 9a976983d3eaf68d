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
        EXPECT_TRUE(result.ok()) << format.name << ": " << (result.ok() ? "" : result.refusals.front());
        EXPECT_EQ(test::PageOf(into).cells, shown.cells) << format.name;
        if (format.filter) {
            EXPECT_EQ(FormatOfText(text).name, format.name);
        }
    }
}

}  // namespace
}  // namespace zem
