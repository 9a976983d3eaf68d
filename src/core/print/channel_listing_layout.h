#pragma once

#include "channels/channel_table.h"

#include <string>
#include <vector>

namespace zem {

// The one-page channel listing: a title, the radio type and band, and the
// first six grid columns of the 16 channels. Positions are in twips
// (1/1440 inch) from the top-left corner of the printable area, with the
// vertical axis pointing up: every line sits at a negative y, and each item's
// point is the top-left corner of its text.

// The printer as the layout sees it: its logical resolution and the
// printable rectangle in printer pixels.
struct PrinterGeometry {
    int dpiX = 0;
    int dpiY = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A font by character height and average character width, both in twips.
struct PrintFontSize {
    int height = 0;  // positive; the character height without internal leading
    int width = 0;
};

// The page's two units and the fonts built from them.
struct PrintUnits {
    int lineUnit = 0;    // H: 1/42 of the printable height
    int columnUnit = 0;  // U: 1/60 of the printable width less 900 twips
    PrintFontSize title;
    PrintFontSize body;
};

// Computes the units and the font sizes; zero resolutions give zero units
// rather than a division fault.
PrintUnits ComputePrintUnits(const PrinterGeometry& printer);

enum class PrintFontKind { Title, Body };

struct PrintItem {
    PrintFontKind font = PrintFontKind::Body;
    int x = 0;
    int y = 0;
    std::string text;
};

// What the channel page shows at the moment of printing.
struct ChannelListingTexts {
    ChannelTable cells;      // committed grid texts, headers in row 0
    std::string typeText;    // the type combo's selected entry, or empty
    std::string bandText;    // the band combo's selected entry, or empty
};

// Places every text of the page. titleLineHeight and bodyLineHeight are the
// two fonts' text height plus external leading, measured on the printer and
// given in twips.
std::vector<PrintItem> LayoutChannelListing(const PrinterGeometry& printer, const PrintUnits& units,
                                            int titleLineHeight, int bodyLineHeight,
                                            const ChannelListingTexts& texts);

extern const char* const kPrintTitle;          // "The Parameter of whole intercom"
extern const char* const kPrintOptionHeading;  // "Optional features"
extern const char* const kPrintTypeLabel;      // "机型:   "
extern const char* const kPrintBandLabel;      // "频段:"
extern const char* const kPrintChannelHeading; // "Channel Data"
extern const char* const kPrintTitleFace;      // "宋体"
extern const char* const kPrintBodyFace;       // "Times New Roman"

}  // namespace zem
