#include "print/channel_listing_layout.h"

#include <array>

namespace zem {

const char* const kPrintTitle = "The Parameter of whole intercom";
const char* const kPrintOptionHeading = "Optional features";
const char* const kPrintTypeLabel = "机型:   ";
const char* const kPrintBandLabel = "频段:";
const char* const kPrintChannelHeading = "Channel Data";
const char* const kPrintTitleFace = "宋体";
const char* const kPrintBodyFace = "Times New Roman";

namespace {

constexpr int kTwipsPerInch = 1440;

// The heading line is one string; these runs of blanks after the first five
// headers line its words up roughly with the channel columns below.
constexpr std::array<int, 5> kHeadingGaps = {4, 7, 5, 2, 2};

// Left edges of the receive, transmit, decode, encode and scan columns, in
// column units.
constexpr std::array<int, 5> kValueColumns = {6, 18, 32, 42, 52};

}  // namespace

PrintUnits ComputePrintUnits(const PrinterGeometry& printer) {
    PrintUnits units;
    if (printer.dpiX <= 0 || printer.dpiY <= 0) {
        return units;
    }
    const long long width = printer.right - printer.left;
    const long long height = printer.bottom - printer.top;
    units.lineUnit = static_cast<int>(((height / 42) * kTwipsPerInch) / printer.dpiY);
    units.columnUnit = static_cast<int>(((width * kTwipsPerInch) / printer.dpiX - 900) / 60);
    units.title.height = static_cast<int>(units.lineUnit * 1.4);
    units.title.width = static_cast<int>(units.columnUnit * 1.4);
    units.body.height = units.lineUnit;
    units.body.width = units.columnUnit;
    return units;
}

std::vector<PrintItem> LayoutChannelListing(const PrinterGeometry& printer, const PrintUnits& units,
                                            int titleLineHeight, int bodyLineHeight,
                                            const ChannelListingTexts& texts) {
    const int u = units.columnUnit;
    const int lb = bodyLineHeight;
    std::vector<PrintItem> items;
    items.reserve(6 + kChannelCount * (1 + kValueColumns.size()));

    const int centre = printer.dpiX > 0
        ? static_cast<int>((static_cast<long long>(printer.right / 2) * kTwipsPerInch) / printer.dpiX)
        : 0;
    int y = -(titleLineHeight / 2);
    items.push_back({PrintFontKind::Title, centre - 10 * u, y, kPrintTitle});
    y -= titleLineHeight;

    items.push_back({PrintFontKind::Body, 5 * u, y, kPrintOptionHeading});
    y -= lb;

    items.push_back({PrintFontKind::Body, 2 * u, y, std::string(kPrintTypeLabel) + texts.typeText});
    items.push_back({PrintFontKind::Body, 31 * u, y, std::string(kPrintBandLabel) + texts.bandText});

    y -= 2 * lb;
    items.push_back({PrintFontKind::Body, 5 * u, y, kPrintChannelHeading});
    y = static_cast<int>(y - 1.2 * lb);

    std::string heading = texts.cells.text(0, kColChannel);
    for (std::size_t i = 0; i < kHeadingGaps.size(); ++i) {
        heading += std::string(static_cast<std::size_t>(kHeadingGaps[i]), ' ');
        heading += texts.cells.text(0, static_cast<int>(i) + 1);
    }
    items.push_back({PrintFontKind::Body, u, y, heading});

    for (int row = 1; row <= kChannelCount; ++row) {
        y -= lb;
        items.push_back({PrintFontKind::Body, u, y, texts.cells.text(row, kColChannel)});
        for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
            items.push_back({PrintFontKind::Body, kValueColumns[i] * u, y,
                             texts.cells.text(row, static_cast<int>(i) + 1) + " "});
        }
    }
    return items;
}

}  // namespace zem
