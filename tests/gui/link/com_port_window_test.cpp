// Read and write from the window through a COM port, as a Windows user does
// it, then the channel listing printed to a PDF file. The virtual radio
// behind the port is provided from outside (scripts/test-windows links it
// as a COM port under Wine) and named in the environment:
//   ZEM_TEST_COM_PORT    the port number
//   ZEM_TEST_RADIO_FILE  the radio's memory, saved by it after a write
//   ZEM_TEST_PDF         where to print the listing
#include "gui/support/window_test.h"

#include "common/file_names.h"
#include "printing/print_listing.h"

#include <QPrinter>

namespace zem::gui {
namespace {

constexpr std::size_t kPowerValues = 0x3D0;

RadioImage RadioMemory(const QString& file) {
    RadioImage image;
    EXPECT_TRUE(LoadProgramFile(FilePath(file), image).ok) << file.toStdString();
    return image;
}

class ComPortWindow : public test::WindowTest {
protected:
    QString port = qEnvironmentVariable("ZEM_TEST_COM_PORT");
    QString radioFile = qEnvironmentVariable("ZEM_TEST_RADIO_FILE");
    QString pdf = qEnvironmentVariable("ZEM_TEST_PDF");

    void SetUp() override {
        if (port.isEmpty() || radioFile.isEmpty() || pdf.isEmpty()) GTEST_SKIP() << "no radio behind a COM port";
        WindowTest::SetUp();
    }
};

TEST_F(ComPortWindow, ReadThenWriteThroughTheProgressWindowThenPrintTheListing) {
    window->findChild<PortSelection*>()->setPort(port);
    const RadioImage radio = RadioMemory(radioFile);

    run(kCmdReadFromRadio);
    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    EXPECT_TRUE(test::SameRange(image(), radio, 0, kPowerValues));

    load(test::BandImage(0));
    run(kCmdWriteToRadio);
    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    // The radio keeps its memory in its file once the line is quiet.
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::SameRange(RadioMemory(radioFile), image(), 0, kPowerValues); },
                                10000));

    QFile::remove(pdf);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_FALSE(PrintChannelListing(printer, ListingTextsOf(window->view().channelPage())).empty());
    EXPECT_TRUE(QFile::exists(pdf));
}

}  // namespace
}  // namespace zem::gui
