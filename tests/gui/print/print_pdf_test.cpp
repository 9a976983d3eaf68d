// The channel listing printed to a real PDF file; the positions of its
// texts are read back from the file with pdftotext -bbox.
#include "gui/link/gui_test_support.h"

#include "app/main_window.h"
#include "channels/band.h"
#include "channels/channel_page.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"
#include "view/print_commands.h"
#include "view/print_listing.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>

namespace zem::gui {
namespace {

struct PdfWord {
    QString text;
    double xMin;
    double yMin;
};

// The words of the first page with their top-left corners in points.
std::vector<PdfWord> WordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << pdftotext.readAllStandardError().toStdString();
        return {};
    }
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

class PrintedListing : public ::testing::Test {
protected:
    test::RecordingMessenger messenger;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;

    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "pdftotext is not installed";
        }
        window = std::make_unique<MainWindow>();
        window->setMessenger(&messenger);
        RadioImage demo = NewDocumentImage();
        ApplyChannelDefaults(demo, 0, 2, messenger);  // 400-470 MHz demonstration channels
        window->document().image() = demo;
        window->view().fillAllPages();
    }

    QString pdfPath() const { return dir.filePath(QStringLiteral("listing.pdf")); }

    std::unique_ptr<QPrinter> pdfPrinter() {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath());
        return printer;
    }
};

TEST_F(PrintedListing, TextsSitAtTheLayoutsPositions) {
    auto printer = pdfPrinter();
    const std::vector<PrintItem> items = PrintChannelListing(*printer, ListingTextsOf(window->view().channelPage()));
    ASSERT_FALSE(items.empty());
    const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
    const std::vector<PdfWord> words = WordsOf(pdfPath());
    ASSERT_FALSE(words.empty());

    // Each text whose first word is plain ASCII is found at its place: x
    // exactly (to rounding), y to within the fonts' ascent differences.
    int checked = 0;
    for (const PrintItem& item : items) {
        const QString first = QString::fromStdString(item.text).simplified().section(QLatin1Char(' '), 0, 0);
        if (first.isEmpty() || first.at(0).unicode() > 0x7F) {
            continue;
        }
        const double x = area.left() + item.x / 20.0;
        const double y = area.top() - item.y / 20.0;
        const auto match = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) {
            return w.text == first && std::abs(w.xMin - x) < 1.5 && std::abs(w.yMin - y) < 4.0;
        });
        EXPECT_NE(match, words.end()) << first.toStdString() << " not at " << x << "," << y;
        ++checked;
    }
    // Title, two label lines' ASCII heads, "Channel Data", the headings and
    // at least the 16 channel numbers.
    EXPECT_GE(checked, 4 + 16);

    // A word, or the word a label runs into ("频段:400-470MHZ").
    auto at = [&](const QString& text) {
        const auto w = std::find_if(words.begin(), words.end(), [&](const PdfWord& p) { return p.text.endsWith(text); });
        EXPECT_NE(w, words.end()) << text.toStdString();
        return w == words.end() ? PdfWord{} : *w;
    };
    // The page reads from the top down.
    const double order[] = {at(QStringLiteral("Parameter")).yMin, at(QStringLiteral("Optional")).yMin,
                            at(QStringLiteral("ZEM-KR-M4")).yMin,  at(QStringLiteral("Channel")).yMin,
                            at(QStringLiteral("Receive")).yMin};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)));
    EXPECT_NEAR(at(QStringLiteral("ZEM-KR-M4")).yMin, at(QStringLiteral("400-470MHZ")).yMin, 1.0);
}

TEST_F(PrintedListing, NeverPrintsTheColumnsBeyondScan) {
    auto printer = pdfPrinter();
    ASSERT_FALSE(PrintChannelListing(*printer, ListingTextsOf(window->view().channelPage())).empty());
    for (const PdfWord& word : WordsOf(pdfPath())) {
        for (const char* hidden : {"Power", "W/N", "Busy", "PTT"}) {
            EXPECT_NE(word.text, QString::fromLatin1(hidden));
        }
    }
}

TEST_F(PrintedListing, PreviewShowsOnePage) {
    auto* printing = window->findChild<PrintCommands*>();
    ASSERT_NE(printing, nullptr);
    int pages = -1;
    test::WhenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* dialog) {
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        pages = preview->pageCount();
        dialog->reject();
    });
    window->action(kCmdPrintPreview)->trigger();
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace zem::gui
