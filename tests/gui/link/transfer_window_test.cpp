// Read and write from the window against the virtual radio on a
// pseudo-terminal, driven through the menu commands and the progress window.
#include "gui/link/gui_test_support.h"

#include "app/main_window.h"
#include "channels/band.h"
#include "channels/channel_codec.h"
#include "channels/channel_page.h"
#include "link/link_messages.h"
#include "link/port_dialog.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer_controller.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace zem::gui {
namespace {

using test::RadioOnPty;
using test::WaitUntil;

// A radio that holds the 400-470 MHz demonstration channels and power
// values of its own.
RadioImage DemoRadio() {
    RadioImage image = NewDocumentImage();
    test::RecordingMessenger quiet;
    ApplyChannelDefaults(image, 0, 2, quiet);
    for (std::size_t i = 0x3D0; i < kImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    return image;
}

bool SameTransferArea(const RadioImage& a, const RadioImage& b) {
    return std::equal(a.bytes.begin(), a.bytes.begin() + 0x3D0, b.bytes.begin());
}

bool SameTail(const RadioImage& a, const RadioImage& b) {
    return std::equal(a.bytes.begin() + 0x3D0, a.bytes.end(), b.bytes.begin() + 0x3D0);
}

class TransferWindow : public ::testing::Test {
protected:
    test::RecordingMessenger messenger;
    std::unique_ptr<MainWindow> window;

    void SetUp() override { open({}); }

    void open(const QStringList& arguments) {
        window = std::make_unique<MainWindow>(arguments);
        window->setMessenger(&messenger);
        window->show();
    }

    TransferController& transfer() { return *window->findChild<TransferController*>(); }
    CProgressDlg& progress() { return transfer().progressDialog(); }
    PortSelection& port() { return *window->findChild<PortSelection*>(); }
    CKivuView& view() { return window->view(); }
    RadioImage& image() { return window->document().image(); }

    void usePort(const QString& path) { port().setPort(path); }

    // The command, then Start, then the end of the exchange.
    void run(int command) {
        window->action(command)->trigger();
        ASSERT_TRUE(progress().isVisible());
        QTest::mouseClick(progress().startButton(), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([this] { return !transfer().isRunning(); }));
    }

    // An edit on the options page that has not been stored yet.
    void editOptionPage() {
        view().selectTab(CKivuView::kOptionTab);
        auto* squelch = view().findChild<QComboBox*>(QStringLiteral("squelchLevel"));
        ASSERT_NE(squelch, nullptr);
        squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    }

    void loadDocument(const RadioImage& content) {
        image() = content;
        view().fillAllPages();
    }
};

TEST_F(TransferWindow, ReadFillsThePagesAndShowsTheChannelTab) {
    RadioOnPty radio(DemoRadio());
    usePort(radio.path());
    const RadioImage before = image();
    view().selectTab(CKivuView::kKeyTab);
    QStringList shown;
    QObject::connect(&progress(), &CProgressDlg::statusShown, [&shown](const QString& text) { shown << text; });

    run(kCmdReadFromRadio);

    QStringList expectedStatus = {QString::fromUtf8(kMsgDetectingPort), QString::fromUtf8(kMsgWaitingForRadio)};
    for (int block = 1; block <= 122; ++block) {
        expectedStatus << QString::number(block);
    }
    EXPECT_EQ(shown, expectedStatus);

    EXPECT_TRUE(messenger.empty()) << ::testing::PrintToString(messenger.texts());
    EXPECT_FALSE(progress().isVisible());
    EXPECT_TRUE(SameTransferArea(image(), radio.memory()));
    EXPECT_TRUE(SameTail(image(), before)) << "the power values and the tail never come with a full read";
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
    ChannelPageValues expected;
    FillFromImage(image(), expected);
    EXPECT_EQ(view().channelPage().values().cells, expected.cells);
    EXPECT_EQ(view().channelPage().values().bandIndex, 2);
    EXPECT_FALSE(window->document().isModified());
}

TEST_F(TransferWindow, WriteSendsWhatThePagesShow) {
    const RadioImage radioBefore = NewDocumentImage();
    RadioOnPty radio(radioBefore);
    usePort(radio.path());
    loadDocument(DemoRadio());
    editOptionPage();

    run(kCmdWriteToRadio);

    EXPECT_TRUE(messenger.empty()) << ::testing::PrintToString(messenger.texts());
    EXPECT_NE(image(), DemoRadio()) << "the options page was stored before the write";
    EXPECT_TRUE(SameTransferArea(radio.memory(), image()));
    EXPECT_TRUE(SameTail(radio.memory(), radioBefore)) << "the radio's power values stay as they were";
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
}

TEST_F(TransferWindow, ShortcutsOpenTheWindowAndCancelBeforeStartSendsNothing) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    usePort(QString::fromLocal8Bit(ttyname(slave)));

    // Ctrl+R and Ctrl+W belong to this program's windows, never the desktop.
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio}) {
        EXPECT_EQ(window->action(id)->shortcutContext(), Qt::ApplicationShortcut) << id;
    }
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(progress().isVisible());
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleReading));
    // The caption always names what Start will do.
    window->action(kCmdWriteToRadio)->trigger();
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleWriting));
    EXPECT_EQ(transfer().direction(), TransferDirection::Write);

    QTest::keyClick(&progress(), Qt::Key_Escape);
    EXPECT_FALSE(progress().isVisible());
    QTest::qWait(50);
    fcntl(master, F_SETFL, O_NONBLOCK);
    char byte = 0;
    EXPECT_LE(::read(master, &byte, 1), 0) << "a byte reached the line";
    EXPECT_TRUE(messenger.empty());
    ::close(slave);
    ::close(master);
}

TEST_F(TransferWindow, CancelDuringTheBlocksLeavesEverythingAsItWas) {
    RadioOnPty radio(DemoRadio(), {}, /*paced=*/true);
    usePort(radio.path());
    view().selectTab(CKivuView::kOptionTab);
    const RadioImage before = image();
    const RadioImage shownBefore = view().storedImage();

    window->action(kCmdReadFromRadio)->trigger();
    QTest::mouseClick(progress().startButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return progress().bar()->value() >= 10; }));

    // While the read runs no command may start another exchange or turn it
    // into a write.
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio, kCmdOnLinePowerSet, kCmdFileNew, kCmdFileOpen}) {
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    }
    transfer().prepare(TransferDirection::Write);
    EXPECT_EQ(transfer().direction(), TransferDirection::Read);
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleReading));

    QTest::mouseClick(progress().cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return !transfer().isRunning(); }));

    EXPECT_TRUE(messenger.empty());
    EXPECT_FALSE(progress().isVisible());
    EXPECT_EQ(image(), before);
    EXPECT_EQ(view().storedImage(), shownBefore) << "the pages still show what they showed";
    EXPECT_EQ(view().currentTab(), CKivuView::kOptionTab);
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio, kCmdOnLinePowerSet, kCmdFileNew, kCmdFileOpen}) {
        EXPECT_TRUE(window->action(id)->isEnabled()) << id;
    }
}


TEST_F(TransferWindow, RetryAsksAgainAndCancelEndsTheRun) {
    sim::RadioFaults faults;
    faults.echo = true;  // a cable that sends every byte back never completes the handshake
    RadioOnPty radio(DemoRadio(), faults);
    usePort(radio.path());
    const RadioImage before = image();
    messenger.scriptAnswers({true, false});

    run(kCmdReadFromRadio);

    ASSERT_EQ(messenger.entries().size(), 2u);
    for (const auto& entry : messenger.entries()) {
        EXPECT_EQ(entry.kind, test::RecordingMessenger::Kind::Retry);
        EXPECT_EQ(entry.text, kMsgCommunicationError);
    }
    EXPECT_FALSE(progress().isVisible());
    EXPECT_EQ(image(), before);
}

TEST_F(TransferWindow, ClosingTheWindowDuringARunCancelsItFirst) {
    RadioOnPty radio(DemoRadio(), {}, /*paced=*/true);
    usePort(radio.path());
    const RadioImage before = image();
    window->action(kCmdReadFromRadio)->trigger();
    QTest::mouseClick(progress().startButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return progress().bar()->value() >= 5; }));

    EXPECT_FALSE(window->close()) << "the window waits for the port";
    EXPECT_TRUE(progress().cancelFlag().load());
    ASSERT_TRUE(WaitUntil([this] { return !window->isVisible(); }));
    EXPECT_FALSE(transfer().isRunning());
    EXPECT_EQ(image(), before);
    EXPECT_TRUE(messenger.empty());
}

TEST_F(TransferWindow, PortThatCannotBeOpenedIsReportedAfterThePagesWereStored) {
    usePort(QStringLiteral("/nonexistent/zem-radio"));
    const RadioImage before = image();
    editOptionPage();

    run(kCmdWriteToRadio);

    EXPECT_EQ(messenger.texts(), std::vector<std::string>{kMsgOpenPortFailed});
    EXPECT_FALSE(progress().isVisible());
    EXPECT_NE(image(), before);
    EXPECT_EQ(image(), view().storedImage());
    EXPECT_EQ(view().currentTab(), CKivuView::kOptionTab);

    // The desktop's box keeps the text and explains in its details.
    window->setMessenger(nullptr);
    QString text;
    QString details;
    test::WhenModal<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        details = box->detailedText();
        box->accept();
    });
    run(kCmdReadFromRadio);
    EXPECT_EQ(text, QString::fromUtf8(kMsgOpenPortFailed));
    EXPECT_FALSE(details.isEmpty());
}

class PortMenu : public TransferWindow {
protected:
    // The one port item that carries the check mark: 1-4, or 0 for Other.
    int checkedItem() {
        int checked = -1;
        int count = 0;
        const int items[] = {kCmdOtherPort, kCmdCom1, kCmdCom2, kCmdCom3, kCmdCom4};
        for (int n = 0; n <= 4; ++n) {
            if (window->action(items[n])->isChecked()) {
                checked = n;
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << "exactly one port item is checked";
        return checked;
    }

    void choosePortInDialog(const QString& entry, bool ok = true) {
        test::WhenModal<CPortDlg>([entry, ok](CPortDlg* dialog) {
            dialog->edit()->setText(entry);
            QTest::keyClick(dialog->edit(), ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        window->action(kCmdOtherPort)->trigger();
    }
};

TEST_F(PortMenu, TheCheckMarkFollowsThePortNotTheItemUsed) {
    EXPECT_EQ(checkedItem(), 1);
    EXPECT_EQ(port().port(), QStringLiteral("1"));

    window->action(kCmdCom3)->trigger();
    EXPECT_EQ(checkedItem(), 3);
    window->action(kCmdCom3)->trigger();  // a second click keeps the mark
    EXPECT_EQ(checkedItem(), 3);

    choosePortInDialog(QStringLiteral("12"));
    EXPECT_EQ(port().port(), QStringLiteral("12"));
    EXPECT_EQ(checkedItem(), 0);

    choosePortInDialog(QStringLiteral("4"));
    EXPECT_EQ(checkedItem(), 4);

    choosePortInDialog(QStringLiteral("40"), /*ok=*/false);
    EXPECT_EQ(port().port(), QStringLiteral("4"));
    EXPECT_EQ(checkedItem(), 4);
    EXPECT_TRUE(messenger.empty());
}

TEST_F(PortMenu, CommandLineChoosesThePortOfThisRun) {
    open({QStringLiteral("--port"), QStringLiteral("/dev/pts/99")});
    EXPECT_EQ(port().port(), QStringLiteral("/dev/pts/99"));
    EXPECT_EQ(checkedItem(), 0);
}

}  // namespace
}  // namespace zem::gui
