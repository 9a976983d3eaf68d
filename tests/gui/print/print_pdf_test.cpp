// The channel listing printed to a real PDF file; the positions of its
// texts are read back from the file with pdftotext -bbox.
#include "gui/support/window_test.h"

#include "printing/print_listing.h"

#include <QFontDatabase>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>

namespace zem::gui {
namespace {

struct PdfWord {
    QString text;
    double xMin;
    double yMin;
};

// What a program prints when run on arguments; a failure is the test's.
QString OutputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of the first page with their top-left corners in points.
std::vector<PdfWord> WordsOf(const QString& pdf) {
    const QString xhtml = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

class PrintedListing : public test::WindowTest {
protected:
    QTemporaryDir dir;

    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        WindowTest::SetUp();
        load(test::BandImage(2));  // 400-470 MHz demonstration channels
    }
    // Prints the listing to a PDF file of that name; returns its path.
    QString printTo(const QString& name) {
        const QString pdf = dir.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        items = PrintChannelListing(printer, ListingTextsOf(window->view().channelPage()));
        EXPECT_FALSE(items.empty());
        area = printer.pageLayout().paintRect(QPageLayout::Point);
        return pdf;
    }
    std::vector<PrintItem> items;  // of the last print, and its page's printable area
    QRectF area;
};

// The preview shows one page; printed, each text sits at the layout's place.
TEST_F(PrintedListing, PreviewShowsOnePageAndTextsSitAtTheLayoutsPositions) {
    int pages = -1;
    test::WhenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* dialog) {
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        pages = preview->pageCount();
        dialog->reject();
    });
    window->action(kCmdPrintPreview)->trigger();
    EXPECT_EQ(pages, 1);

    const std::vector<PdfWord> words = WordsOf(printTo(QStringLiteral("listing.pdf")));
    ASSERT_FALSE(words.empty());

    // Each text is found at its place: by its first word at x exactly (to
    // rounding) and y to within the fonts' ascent differences; a text behind
    // a Chinese label by the word it ends in ("频段:400-470MHZ"), at y.
    int checked = 0;
    for (const PrintItem& item : items) {
        const QString text = QString::fromStdString(item.text).simplified();
        if (text.isEmpty()) continue;
        const bool labelled = text.at(0).unicode() > 0x7F;
        const QString word = text.section(QLatin1Char(' '), labelled ? -1 : 0, labelled ? -1 : 0);
        const double x = area.left() + item.x / 20.0;
        const double y = area.top() - item.y / 20.0;
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const PdfWord& w) {
            return std::abs(w.yMin - y) < 4.0 &&
                   (labelled ? w.text.endsWith(word) : w.text == word && std::abs(w.xMin - x) < 1.5);
        })) << text.toStdString() << " not at " << x << "," << y;
        ++checked;
    }
    // Title, the two labels, "Channel Data", the headings and at least the
    // 16 channel numbers.
    EXPECT_GE(checked, 6 + 16);
}

// The fonts embedded in a PDF, by name without the subset tag, in lower case.
QStringList FontsOf(const QString& pdf) {
    const QStringList lines = OutputOf(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    QStringList names;
    for (const QString& line : lines.mid(2)) {
        const QString name = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty()) names << name.section(QLatin1Char('+'), -1).toLower();
    }
    names.sort();
    return names;
}

TEST_F(PrintedListing, PrintsWithTheSameNamedFontsEveryTime) {
    // The body's face is a proportional serif face, as the listing names
    // one; its Chinese labels and the title come from one Chinese face.
    const QStringList body = ListingFontFamilies(PrintFontKind::Body);
    const QStringList title = ListingFontFamilies(PrintFontKind::Title);
    ASSERT_FALSE(body.isEmpty());
    EXPECT_FALSE(QFontDatabase::isFixedPitch(body.first())) << body.first().toStdString();
    EXPECT_EQ(title, QStringList{body.last()});

    // Printed twice, the same fonts: one of each listed family, nothing else.
    const QStringList fonts = FontsOf(printTo(QStringLiteral("fonts1.pdf")));
    EXPECT_EQ(FontsOf(printTo(QStringLiteral("fonts2.pdf"))), fonts);
    EXPECT_EQ(fonts.size(), body.size()) << fonts.join(QLatin1Char(',')).toStdString();
    for (QString family : body) {
        family = family.remove(QLatin1Char(' ')).toLower();
        EXPECT_TRUE(std::any_of(fonts.begin(), fonts.end(), [&](const QString& f) { return f.startsWith(family); }))
            << family.toStdString() << " not in " << fonts.join(QLatin1Char(',')).toStdString();
    }
}

}  // namespace
}  // namespace zem::gui
