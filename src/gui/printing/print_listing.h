#pragma once

#include "print/channel_listing_layout.h"

#include <QStringList>

#include <vector>

class QPainter;
class QPrinter;

namespace zem::gui {

class CChannelPage;

// What the channel page shows right now: the committed grid texts and the
// entries its type and band combos have selected. A value still being typed
// in an editor is not part of it.
zem::ChannelListingTexts ListingTextsOf(const CChannelPage& page);

// The font families a listing font prints with, in the order glyphs are
// looked up: the face the listing names when it is installed, else the first
// installed of a fixed list of stand-ins; then, for the Chinese labels, the
// first installed Chinese face. The same families on every run, whatever
// the desktop's font substitution would pick.
QStringList ListingFontFamilies(zem::PrintFontKind kind);

// Draws the one-page channel listing on painter, which paints on a device of
// the given resolution whose origin is the top-left corner of a printable
// area widthPx x heightPx pixels large. Returns the texts as placed.
std::vector<zem::PrintItem> DrawChannelListing(QPainter& painter, int dpiX, int dpiY, int widthPx, int heightPx,
                        const zem::ChannelListingTexts& texts);

// Prints the listing as one page on printer and returns the texts as placed;
// nothing when the printer could not be started (no page was produced).
std::vector<zem::PrintItem> PrintChannelListing(QPrinter& printer, const zem::ChannelListingTexts& texts);

}  // namespace zem::gui
