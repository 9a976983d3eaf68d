// The port choice and the progress window, then read and write from the
// window against the virtual radio on a pseudo-terminal, driven through the
// menu commands and the progress window.
#include "gui/support/window_test.h"

#include "link/link_messages.h"
#include "link/port_dialog.h"
#include "workbench/radio_history.h"

#include <QFileInfo>

namespace zem::gui {
namespace {

using test::WaitUntil;

// A port, typed in the dialog or given with --port, is a number 1-99 or a
// device path; anything else chooses none.
TEST(PortEntry, AcceptsPortNumbersAndDevicePaths) {
    const struct {
        const char* entry;
        const char* port;
    } cases[] = {
        {"1", "1"},     {"99", "99"},   {"012", "12"}, {" 7 ", "7"}, {"0", ""},
        {"100", ""},    {"-3", ""},     {"abc", ""},   {"", ""},     {"3x", ""},
        {"99999999999", ""}, {"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/", ""}, {"dev/ttyS0", ""},
    };
    for (const auto& c : cases) {
        const QString entry = QString::fromUtf8(c.entry);
        EXPECT_EQ(CPortDlg::NormalisedPort(entry).toStdString(), c.port) << c.entry;
    }
}

// The channel and option bytes go with a read or write; the power values
// and the rest behind them never do.
constexpr std::size_t kPowerValues = 0x3D0;

// A radio that holds the 400-470 MHz demonstration channels and power
// values of its own.
RadioImage DemoRadio() {
    RadioImage image = test::BandImage(2);
    for (std::size_t i = kPowerValues; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    return image;
}

const int kExchangeCommands[] = {kCmdReadFromRadio, kCmdWriteToRadio, kCmdOnLinePowerSet, kCmdFileNew, kCmdFileOpen};

using TransferWindow = test::WindowTest;

// A read over an unsaved plan fills the pages, is one undo step (Ctrl+Z
// brings the plan back on the page the user is on, and the plan then counts
// as a change), lands in the radio history and reopens from there untitled;
// a write sends what the pages show.
TEST_F(TransferWindow, ReadIsOneUndoStepKeptInTheHistoryAndWriteSendsWhatThePagesShow) {
    RadioHistory radioHistory;
    const int kept = static_cast<int>(radioHistory.entries().size());
    auto& radio = plugIn(DemoRadio());
    load(test::BandImage(1));
    editOptionPage();
    const RadioImage plan = view().storedImage();
    view().selectTab(CKivuView::kKeyTab);

    run(kCmdReadFromRadio);

    // (The status lines of an exchange are the verify case's.)
    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    EXPECT_TRUE(test::SameRange(image(), DemoRadio(), 0, kPowerValues));
    EXPECT_TRUE(test::SameRange(image(), plan, kPowerValues, kImageSize)) << "power values came with a full read";
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
    const auto shown = [this] { return DiffAsShown(image(), view().storedImage()); };
    EXPECT_EQ(shown(), std::vector<std::string>{}) << "every page shows what was read";
    EXPECT_FALSE(window->document().isModified());
    const RadioImage read = image();

    EXPECT_EQ(window->action(kCmdEditUndo)->text().remove('&'), QStringLiteral("Undo Read from radio"));
    view().selectTab(CKivuView::kKeyTab);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view().storedImage(), plan);
    EXPECT_EQ(view().currentTab(), CKivuView::kKeyTab);
    EXPECT_TRUE(window->document().isModified()) << "the plan differs from the radio just read";
    window->action(kCmdEditRedo)->trigger();
    EXPECT_EQ(DiffAsShown(read, view().storedImage()), std::vector<std::string>{});
    EXPECT_FALSE(window->document().isModified());

    const QList<RadioHistory::Entry> entries = radioHistory.entries();
    ASSERT_EQ(entries.size(), kept + 1);
    EXPECT_EQ(entries.front().band, "400-470MHZ");
    EXPECT_EQ(readFile(entries.front().path), bytesOf(read));
    load(test::BandImage(0));
    window->document().markUnmodified();
    test::WhenModal<RadioHistoryDialog>([](RadioHistoryDialog* dialog) {
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(0));
        dialog->accept();
    });
    window->action(kCmdRadioHistory)->trigger();
    EXPECT_EQ(image(), read);
    EXPECT_EQ(shown(), std::vector<std::string>{});
    EXPECT_TRUE(window->document().pathName().isEmpty()) << "untitled";
    EXPECT_FALSE(window->document().isModified());
    EXPECT_TRUE(window->files().recentFiles().isEmpty());

    // Another document, with an edit not yet stored, goes to the radio.
    load(test::BandImage(0));
    editOptionPage();
    run(kCmdWriteToRadio);

    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    EXPECT_FALSE(test::SameRange(image(), test::BandImage(0), 0, kPowerValues)) << "the options page was stored first";
    EXPECT_TRUE(test::SameRange(radio.memory(), image(), 0, kPowerValues));
    EXPECT_TRUE(test::SameRange(radio.memory(), DemoRadio(), kPowerValues, kImageSize)) << "the radio's power values";
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
}

// Verify after write, on by default, reads the radio back as a phase of its
// own, named in the status line and on the bar: a radio that acknowledges
// the blocks but keeps its old memory is caught and said so, and the
// document keeps the plan. (A read-back that fails, and the words of each
// outcome, are the core's cases.)
TEST_F(TransferWindow, VerifyAfterWriteCatchesARadioThatKeepsItsOldMemory) {
    ASSERT_TRUE(window->action(kCmdVerifyAfterWrite)->isChecked()) << "on by default";
    sim::RadioFaults faults;
    faults.ignoreWrites = true;
    plugIn(DemoRadio(), faults);
    load(test::BandImage(2));
    editOptionPage();
    const RadioImage plan = view().storedImage();
    QStringList shown, titles, bars;
    auto connection = QObject::connect(&progress(), &CProgressDlg::statusShown, [&](const QString& text) {
        shown << text;
        titles << progress().windowTitle();
        bars << (progress().bar()->isTextVisible() ? progress().bar()->text() : QString());
    });

    run(kCmdWriteToRadio);
    QObject::disconnect(connection);

    const QString phaseHead = QString::fromUtf8(TransferController::kPhaseVerify) + ": ";
    const int phase = static_cast<int>(shown.indexOf(phaseHead + TransferController::kStatusVerifying));
    ASSERT_GE(phase, 0) << shown.join(", ").toStdString();
    EXPECT_EQ(shown.mid(0, 2), (QStringList{kMsgDetectingPort, kMsgWaitingForRadio}));
    EXPECT_EQ(shown.at(phase - 1), "122") << "the write's last block comes first";
    EXPECT_EQ(bars.at(phase - 1), "");
    EXPECT_EQ(shown.mid(phase + 1, 3),
              (QStringList{phaseHead + kMsgDetectingPort, phaseHead + kMsgWaitingForRadio, phaseHead + "1"}));
    EXPECT_EQ(shown.last(), phaseHead + "122") << "the read-back counts its blocks again";
    EXPECT_EQ(titles.at(phase), QString::fromUtf8(TransferController::kTitleVerifying));
    EXPECT_EQ(bars.last(), TransferController::kPhaseVerify);
    ASSERT_EQ(messages.texts().size(), 1u);
    const std::string said = "The radio does not hold what was written. First difference: Squelch Level is ";
    EXPECT_EQ(messages.texts().front().rfind(said, 0), 0u) << messages.texts().front();
    EXPECT_EQ(view().storedImage(), plan) << "the document keeps what was meant for the radio";
}

// Compare with radio reads the radio and lists what differs from the
// document, here a frequency changed in the radio behind the program's
// back; the document, its history and the page shown stay as they are.
TEST_F(TransferWindow, CompareWithRadioListsADifferenceMadeBehindTheProgramsBack) {
    RadioImage changed = DemoRadio();
    changed[0x030] ^= 0x01;  // channel 3's receive frequency, 10 Hz off
    plugIn(changed);
    load(DemoRadio());
    view().selectTab(CKivuView::kOptionTab);
    const RadioImage before = image();
    const int steps = history().count();

    QString copied;
    test::WhenModal<CompareDialog>([&](CompareDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>("copy"), Qt::LeftButton);
        copied = QApplication::clipboard()->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>("close"), Qt::LeftButton);
    });
    run(kCmdCompareWithRadio);
    ASSERT_TRUE(WaitUntil([&] { return !copied.isEmpty(); }));

    // The list as copied (its rows are Compare with file's case): the
    // headings and one row, channel 3's receive frequency in either.
    EXPECT_TRUE(copied.startsWith("Where\tDocument\tRadio\nchannel 3 Receive\t")) << copied.toStdString();
    EXPECT_EQ(copied.count('\n'), 2) << copied.toStdString();
    EXPECT_EQ(image(), before);
    EXPECT_EQ(history().count(), steps);
    EXPECT_EQ(view().currentTab(), CKivuView::kOptionTab);
    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    // The radio history keeps the compare's read, marked as one.
    const QList<RadioHistory::Entry> kept = RadioHistory().entries();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_TRUE(kept.front().fromCompare);
}

// Ctrl+R and Ctrl+W open the progress window, whose caption always names
// what Start will do; Escape before Start sends nothing. A port that cannot
// be opened is reported after the pages were stored; a line that never
// answers asks whether to retry.
TEST_F(TransferWindow, ShortcutsOpenTheWindowAndALinkThatCannotStartIsReported) {
    auto& radio = plugIn(DemoRadio());

    // Ctrl+R and Ctrl+W belong to this program's windows, never the desktop.
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio})
        EXPECT_EQ(window->action(id)->shortcutContext(), Qt::ApplicationShortcut) << id;
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(progress().isVisible());
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleReading));
    EXPECT_EQ(progress().statusText(), QStringLiteral("Ready ......"));
    EXPECT_EQ(progress().bar()->maximum(), 123);
    EXPECT_EQ(progress().bar()->value(), 0);
    window->action(kCmdWriteToRadio)->trigger();
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleWriting));
    EXPECT_EQ(transfer().direction(), TransferDirection::Write);

    QTest::keyClick(&progress(), Qt::Key_Escape);
    EXPECT_FALSE(progress().isVisible());
    QTest::qWait(50);
    radio.stop();
    EXPECT_TRUE(radio.radio().received().empty()) << "a byte reached the line";
    EXPECT_TRUE(messages.empty());

    port().setPort(QStringLiteral("/nonexistent/zem-radio"));
    const RadioImage before = image();
    editOptionPage();
    run(kCmdWriteToRadio);

    EXPECT_EQ(messages.texts(), std::vector<std::string>{kMsgOpenPortFailed});
    EXPECT_NE(image(), before);
    EXPECT_EQ(image(), view().storedImage());
    EXPECT_EQ(view().currentTab(), CKivuView::kOptionTab);

    // A cable that sends every byte back never completes the handshake:
    // Retry asks again, Cancel ends the run, and the box's details say why.
    sim::RadioFaults faults;
    faults.echo = true;
    plugIn(DemoRadio(), faults);
    const RadioImage stored = image();
    messages.clear();
    messages.scriptAnswers({true, false});
    run(kCmdReadFromRadio);

    ASSERT_EQ(messages.entries().size(), 2u);
    for (const auto& entry : messages.entries()) {
        EXPECT_EQ(entry.kind, test::RecordingMessenger::Kind::Retry);
        EXPECT_EQ(entry.text, kMsgCommunicationError);
        EXPECT_NE(entry.detail.find("echoes every byte"), std::string::npos) << entry.detail;
    }
    EXPECT_EQ(image(), stored);
}

// Cancel (here Escape) during the blocks only raises the flag: the window
// stays until the port is free, then everything is as it was. Closing the
// main window during a run asks first.
TEST_F(TransferWindow, CancelLeavesEverythingAsItWasAndClosingDuringAWriteAsksFirst) {
    plugIn(DemoRadio(), {}, /*paced=*/true);
    view().selectTab(CKivuView::kOptionTab);
    const RadioImage before = image();
    const RadioImage shownBefore = view().storedImage();

    run(kCmdReadFromRadio, 10);

    // While the read runs no command may start another exchange or turn it
    // into a write.
    for (int id : kExchangeCommands) EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    transfer().prepare(TransferDirection::Write);
    EXPECT_EQ(transfer().direction(), TransferDirection::Read);
    EXPECT_EQ(progress().windowTitle(), QString::fromUtf8(kTitleReading));

    QTest::keyClick(&progress(), Qt::Key_Escape);
    EXPECT_TRUE(progress().isVisible()) << "the window waits for the port";
    EXPECT_TRUE(progress().cancelFlag().load());
    ASSERT_TRUE(WaitUntil([this] { return !transfer().isRunning(); }));

    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(progress().isVisible());
    EXPECT_EQ(image(), before);
    EXPECT_EQ(view().storedImage(), shownBefore) << "the pages still show what they showed";
    EXPECT_EQ(view().currentTab(), CKivuView::kOptionTab);
    for (int id : kExchangeCommands) EXPECT_TRUE(window->action(id)->isEnabled()) << id;

    // Closing the window during a write asks first: No goes on; Yes stops
    // it at its next block, says the radio holds part of the program, and
    // the window goes once the port is free.
    auto& second = plugIn(DemoRadio(), {}, /*paced=*/true);
    run(kCmdWriteToRadio, 5);
    EXPECT_FALSE(progress().cancelFlag().load()) << "a new run starts clean";
    test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(progress().cancelFlag().load());
    test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_FALSE(window->close()) << "the window waits for the port";
    EXPECT_TRUE(progress().cancelFlag().load());
    ASSERT_TRUE(WaitUntil([this] { return !window->isVisible(); }));
    EXPECT_FALSE(transfer().isRunning());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{zem::kMsgWriteStopped});
    const RadioImage& memory = second.memory();
    EXPECT_FALSE(test::SameRange(memory, DemoRadio(), 0, kPowerValues));
    EXPECT_FALSE(test::SameRange(memory, image(), 0, kPowerValues));
}

// A read that the radio history cannot keep (here a file stands where its
// folder's parent should be) still fills the pages; the trouble is said
// once, naming the folder and why. Recent-file entries that were hidden
// during the exchanges can be used once they are shown.
TEST_F(TransferWindow, AReadTheHistoryCannotKeepIsReportedOnceAndRecentFilesStayUsable) {
    const QStringList plans = {tempPath("plan 0.Zem"), tempPath("plan 1.Zem")};
    for (int band : {0, 1}) writeFile(plans[band], bytesOf(test::BandImage(band)));
    ASSERT_TRUE(window->files().openFile(plans.front()));
    const QString folder = RadioHistory().folder();
    const QString parent = QFileInfo(folder).absolutePath();
    QDir().mkpath(QFileInfo(parent).absolutePath());
    QDir().rename(parent, parent + QStringLiteral(".kept"));
    QFile blocker(parent);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    plugIn(DemoRadio());
    for (int read = 0; read < 2; ++read) {
        run(kCmdReadFromRadio);
        EXPECT_TRUE(test::SameRange(image(), DemoRadio(), 0, kPowerValues)) << read;
    }
    QFile::remove(parent);
    QDir().rename(parent + QStringLiteral(".kept"), parent);
    ASSERT_EQ(messages.texts().size(), 1u) << ::testing::PrintToString(messages.texts());
    const std::string said = messages.texts().front();
    EXPECT_NE(said.find(QDir::toNativeSeparators(folder).toStdString()), std::string::npos) << said;
    EXPECT_NE(said.find("Not a directory"), std::string::npos) << said;

    ASSERT_TRUE(window->files().openFile(plans.back()));
    QAction* older = window->action(kCmdRecentFile1 + 1);
    ASSERT_TRUE(older->isVisible());
    EXPECT_TRUE(older->isEnabled());
    older->trigger();
    EXPECT_EQ(window->document().pathName().toStdString(), plans.front().toStdString());
}

// The check mark of the port menu follows the port in use (1-4, or Other
// for anything else), not the item that chose it. In Other's dialog a port
// picked from the ports found gives its number or its path; an entry
// outside 1-99 (which entries name a port is PortEntry's case) is refused
// with the message and the dialog stays open; Escape then keeps the port.
TEST_F(TransferWindow, PortMenuCheckMarkFollowsThePort) {
    const int items[] = {kCmdOtherPort, kCmdCom1, kCmdCom2, kCmdCom3, kCmdCom4};
    auto checked = [&] {
        std::vector<int> on;
        for (int n = 0; n <= 4; ++n)
            if (window->action(items[n])->isChecked()) on.push_back(n);
        return on;
    };
    EXPECT_EQ(checked(), std::vector<int>{1});
    EXPECT_EQ(port().port(), QStringLiteral("1"));
    const struct {
        int item;
        const char* entry;  // typed into the port dialog, then Enter
        const char* port;
        int checked;
        int pick = -1;  // when set, the port found in that row is picked instead
    } steps[] = {
        {3, "", "3", 3},  {3, "", "3", 3},  // a second click keeps the mark
        {0, "", "33", 0, 0}, {0, "", "/dev/pts/7", 0, 1},
        {0, "12", "12", 0}, {0, "4", "4", 4}, {0, "100", "4", 4},
    };
    int leftOpen = 0;
    for (const auto& step : steps) {
        if (step.item == 0) {
            test::WhenModal<CPortDlg>([&step, &leftOpen](CPortDlg* dialog) {
                dialog->setAvailablePorts({{33, "/dev/ttyUSB0", "USB serial cable"}, {0, "/dev/pts/7", ""}});
                EXPECT_EQ(dialog->portList()->topLevelItem(0)->text(2), QStringLiteral("USB serial cable"));
                if (step.pick >= 0) dialog->portList()->setCurrentItem(dialog->portList()->topLevelItem(step.pick));
                else dialog->edit()->setText(QString::fromUtf8(step.entry));
                QTest::keyClick(dialog->edit(), Qt::Key_Return);
                if (dialog->isVisible()) {
                    ++leftOpen;
                    QTest::keyClick(dialog->edit(), Qt::Key_Escape);
                }
            });
        }
        window->action(items[step.item])->trigger();
        EXPECT_EQ(port().port().toStdString(), step.port) << step.entry << step.pick;
        EXPECT_EQ(checked(), std::vector<int>{step.checked}) << step.entry << step.pick;
    }
    EXPECT_EQ(messages.texts(), std::vector<std::string>{CPortDlg::kMsgBadPort});
    EXPECT_EQ(leftOpen, 1) << "the refused entry left the dialog open";

    // The command line chooses the port of its run.
    startWindow({QStringLiteral("--port"), QStringLiteral("/dev/pts/99")});
    EXPECT_EQ(port().port(), QStringLiteral("/dev/pts/99"));
    EXPECT_EQ(checked(), std::vector<int>{0});
}

}  // namespace
}  // namespace zem::gui
