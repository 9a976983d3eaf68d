#include "print/channel_listing_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace zem {
namespace {

TEST(PrintUnits, FollowThePrintableAreaWithIntegerTruncation) {
    const struct {
        PrinterGeometry printer;
        int lineUnit, columnUnit, titleHeight, titleWidth;
    } cases[] = {
        // 600 dpi, 8 x 10.67 inch printable: 6400/42 = 152 -> 364.8 -> 364.
        {{600, 600, 0, 0, 4800, 6400}, 364, 177, 509, 247},
        // Only the extent counts, not where the area starts.
        {{600, 600, 100, 50, 4900, 6450}, 364, 177, 509, 247},
        // 1200 dpi A4 less margins; anisotropic resolutions use their own axis.
        {{1200, 1200, 0, 0, 9440, 13192}, 376, 173, 526, 242},
        {{300, 600, 0, 0, 2400, 6400}, 364, 177, 509, 247},
        // An unknown resolution gives empty units instead of dividing by zero.
        {{0, 0, 0, 0, 4800, 6400}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const PrintUnits u = ComputePrintUnits(c.printer);
        EXPECT_EQ(std::tie(u.lineUnit, u.columnUnit, u.title.height, u.title.width, u.body.height, u.body.width),
                  std::tie(c.lineUnit, c.columnUnit, c.titleHeight, c.titleWidth, c.lineUnit, c.columnUnit))
            << c.printer.right << "x" << c.printer.bottom;
        EXPECT_EQ(LayoutChannelListing(c.printer, u, 100, 100, {}).size(), 6u + 16u * 6u);
    }
}

const std::string kHeading = "Ch    Receive       Transmit     QT/DQT DEC  QT/DQT ENC  Scan";

class ChannelListing : public ::testing::Test {
protected:
    const PrinterGeometry printer{600, 600, 0, 0, 4800, 6400};
    const PrintUnits units = ComputePrintUnits(printer);  // U = 177

    std::vector<PrintItem> layout(const ChannelListingTexts& texts, int lt = 600, int lb = 400) {
        return LayoutChannelListing(printer, units, lt, lb, texts);
    }

    static const PrintItem* find(const std::vector<PrintItem>& items, const std::string& text) {
        auto it = std::find_if(items.begin(), items.end(), [&](const PrintItem& i) { return i.text == text; });
        return it == items.end() ? nullptr : &*it;
    }
};

TEST_F(ChannelListing, PlacesTitleLabelsAndHeadingsDownThePage) {
    ChannelListingTexts texts;
    texts.typeText = "ZEM-KR-M4";
    texts.bandText = "400-470MHZ";
    const auto items = layout(texts);

    const struct {
        std::string text;
        PrintFontKind font;
        int x, y;
    } expected[] = {
        // Title centred on the page less ten columns: 2400 px at 600 dpi is 5760 twips.
        {"The Parameter of whole intercom", PrintFontKind::Title, 5760 - 1770, -300},
        {"Optional features", PrintFontKind::Body, 885, -900},
        {std::string(kPrintTypeLabel) + "ZEM-KR-M4", PrintFontKind::Body, 354, -1300},
        {std::string(kPrintBandLabel) + "400-470MHZ", PrintFontKind::Body, 5487, -1300},
        {"Channel Data", PrintFontKind::Body, 885, -2100},
        {kHeading, PrintFontKind::Body, 177, -2580},
    };
    for (const auto& e : expected) {
        const PrintItem* item = find(items, e.text);
        ASSERT_NE(item, nullptr) << e.text;
        EXPECT_EQ(std::tie(item->font, item->x, item->y), std::tie(e.font, e.x, e.y)) << e.text;
    }

    // The gap before the headings truncates toward the top of the page: the
    // line before is -(601/2) - 601 - 3 * 401 = -2104, the gap 1.2 * 401 = 481.2.
    const auto uneven = layout({}, 601, 401);
    const PrintItem* heading = find(uneven, kHeading);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y, -2585);
}

TEST_F(ChannelListing, PrintsNumbersAndTheFirstSixColumnsOnly) {
    ChannelListingTexts texts;  // a new document: numbers, empty cells
    for (int col = kColReceive; col < kGridCols; ++col) {
        texts.cells.setText(3, col, "c" + std::to_string(col));
    }
    const auto items = layout(texts);
    const int xs[] = {177, 6 * 177, 18 * 177, 32 * 177, 42 * 177, 52 * 177};
    for (int row = 1; row <= kChannelCount; ++row) {
        const int y = -2580 - 400 * row;
        for (int col = kColChannel; col <= kColScan; ++col) {
            const std::string cell = texts.cells.text(row, col);
            const std::string text = col == kColChannel ? cell : cell + " ";
            EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const PrintItem& i) {
                return i.text == text && i.x == xs[col] && i.y == y;
            })) << row << "," << col;
        }
    }
    for (int col = kColPower; col < kGridCols; ++col) {
        const std::string text = "c" + std::to_string(col);
        EXPECT_TRUE(std::none_of(items.begin(), items.end(),
                                 [&](const PrintItem& i) { return i.text.find(text) != std::string::npos; }))
            << text;
    }
}

}  // namespace
}  // namespace zem
