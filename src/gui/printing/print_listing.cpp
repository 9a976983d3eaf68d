#include "printing/print_listing.h"

#include "channels/channel_page.h"
#include "common/core_text.h"

#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace zem::gui {

namespace {

constexpr int kTwipsPerInch = 1440;

int TwipsToPixels(int twips, int dpi) { return static_cast<int>((static_cast<long long>(twips) * dpi) / kTwipsPerInch); }

int PixelsToTwips(int pixels, int dpi) {
    return dpi > 0 ? static_cast<int>((static_cast<long long>(pixels) * kTwipsPerInch) / dpi) : 0;
}

// The first of names that is an installed font family; empty when none is.
QString FirstInstalled(std::initializer_list<const char*> names) {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : names) {
        const QString family = QString::fromUtf8(name);
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    return {};
}

// A font of the given character height and average character width: the
// height sets the pixel size, the width the horizontal stretch against the
// face's own average width on this device.
QFont MakeFont(zem::PrintFontKind kind, const zem::PrintFontSize& size, QPaintDevice* device, int dpiX, int dpiY) {
    QFont font;
    font.setFamilies(ListingFontFamilies(kind));
    font.setStyleHint(kind == zem::PrintFontKind::Title ? QFont::TypeWriter : QFont::Serif, QFont::PreferMatch);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, TwipsToPixels(size.height, dpiY)));
    const int wanted = TwipsToPixels(size.width, dpiX);
    const int natural = QFontMetrics(font, device).averageCharWidth();
    if (wanted > 0 && natural > 0) {
        const int stretch = static_cast<int>(std::lround(100.0 * wanted / natural));
        font.setStretch(std::clamp(stretch, 1, 4000));
    }
    return font;
}

// Text height plus external leading, in twips.
int LineHeight(const QFont& font, QPaintDevice* device, int dpiY) {
    const QFontMetrics metrics(font, device);
    return PixelsToTwips(metrics.height() + std::max(0, metrics.leading()), dpiY);
}

QString EntryText(const QComboBox& combo, int index) {
    return index >= 0 && index < combo.count() ? combo.itemText(index) : QString();
}

}  // namespace

QStringList ListingFontFamilies(zem::PrintFontKind kind) {
    // Chinese faces, a Song face first; WenQuanYi comes with the program's
    // set-up.
    const QString chinese = FirstInstalled({zem::kPrintTitleFace, "SimSun", "NSimSun", "AR PL UMing CN",
                                            "Noto Serif CJK SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC",
                                            "WenQuanYi Zen Hei", "Droid Sans Fallback"});
    QString face = chinese;
    if (kind == zem::PrintFontKind::Body) {
        // Faces with the same character widths as the listing's serif face
        // come first, so the heading line spaces as it does with it.
        face = FirstInstalled({zem::kPrintBodyFace, "Liberation Serif", "Tinos", "DejaVu Serif", "FreeSerif",
                               "Noto Serif"});
    }
    QStringList families;
    if (face.isEmpty()) face = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    families << face;
    if (!chinese.isEmpty() && chinese != face) families << chinese;
    return families;
}

zem::ChannelListingTexts ListingTextsOf(const CChannelPage& page) {
    auto& shown = const_cast<CChannelPage&>(page);
    zem::ChannelListingTexts texts;
    texts.cells = page.values().cells;
    // The listing shows the titles and the choices as the grid does, in the
    // window's language.
    for (int col = 0; col < zem::kGridCols; ++col)
        texts.cells.setText(0, col, CoreText(zem::kTextChannelTable, texts.cells.text(0, col)).toStdString());
    for (int row = 1; row < zem::kGridRows; ++row)
        for (int col = zem::kColScan; col <= zem::kColPtt; ++col)
            texts.cells.setText(row, col, CoreText(zem::kTextChannelTable, texts.cells.text(row, col)).toStdString());
    texts.typeText = EntryText(shown.typeCombo(), page.values().typeIndex).toStdString();
    texts.bandText = EntryText(shown.bandCombo(), page.values().bandIndex).toStdString();
    return texts;
}

std::vector<zem::PrintItem> DrawChannelListing(QPainter& painter, int dpiX, int dpiY, int widthPx, int heightPx,
                        const zem::ChannelListingTexts& texts) {
    const zem::PrinterGeometry geometry{dpiX, dpiY, 0, 0, widthPx, heightPx};
    const zem::PrintUnits units = zem::ComputePrintUnits(geometry);
    QPaintDevice* device = painter.device();
    const QFont title = MakeFont(zem::PrintFontKind::Title, units.title, device, dpiX, dpiY);
    const QFont body = MakeFont(zem::PrintFontKind::Body, units.body, device, dpiX, dpiY);
    const std::vector<zem::PrintItem> items = zem::LayoutChannelListing(
        geometry, units, LineHeight(title, device, dpiY), LineHeight(body, device, dpiY), texts);

    painter.save();
    for (const zem::PrintItem& item : items) {
        const QFont& font = item.font == zem::PrintFontKind::Title ? title : body;
        painter.setFont(font);
        // Layout points are the top-left corners of the texts, y pointing up.
        const int x = TwipsToPixels(item.x, dpiX);
        const int top = TwipsToPixels(-item.y, dpiY);
        painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), QString::fromStdString(item.text));
    }
    painter.restore();
    return items;
}

std::vector<zem::PrintItem> PrintChannelListing(QPrinter& printer, const zem::ChannelListingTexts& texts) {
    printer.setFromTo(1, 1);
    QPainter painter(&printer);
    if (!painter.isActive()) {
        return {};
    }
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    std::vector<zem::PrintItem> items = DrawChannelListing(painter, printer.logicalDpiX(), printer.logicalDpiY(),
                                                           printable.width(), printable.height(), texts);
    if (!painter.end()) {
        return {};
    }
    return items;
}

}  // namespace zem::gui
