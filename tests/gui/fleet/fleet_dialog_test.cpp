// The "Write to several radios" dialog, driven like a user: on its own (no
// port ticked, Enter on the buttons, a failed radio put back from its
// backup), then from the main window (the toolbar button opens it, Start
// takes the document as the pages show it, the report is saved, and
// quitting during a run asks first).
#include "gui/support/window_test.h"

#include "fleet/fleet_dialog.h"

#include <QListWidget>
#include <QTableWidget>
#include <QToolBar>

namespace zem::test {
namespace {

// Clicks the box as a user would when it is not as wanted.
void Tick(QCheckBox* box, bool on) {
    if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    ASSERT_EQ(box->isChecked(), on);
}

void TypeFolder(gui::FleetDialog& dialog, const std::string& folder) {
    dialog.backupFolderEdit()->selectAll();
    QTest::keyClicks(dialog.backupFolderEdit(), QString::fromStdString(folder));
}

class FleetWindow : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string dir = folder.path().toStdString();
    const RadioImage plan = PatternImage(33);
    int plansTaken = 0;
    RecordingMessenger messenger;
    std::unique_ptr<gui::FleetDialog> dialog;

    void SetUp() override {
        dialog = std::make_unique<gui::FleetDialog>(messenger, [this](RadioImage& image, std::string& name) {
            ++plansTaken;
            image = plan;
            name = dir + "/José.zem";
            return true;
        });
        dialog->setOptionsAdjuster([](FleetOptions& options) { options.job.sleep = [](std::chrono::milliseconds) {}; });
        dialog->show();
    }
    void TypePort(const std::string& port) {
        QTest::keyClicks(dialog->portEdit(), QString::fromStdString(port));
        QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    }
    QString Cell(int row, int col) const { return dialog->table()->item(row, col)->text(); }
};

// (A backup folder that cannot be written is the core's fleet check, shared by zemtool.)
TEST_F(FleetWindow, NothingStartsWithoutAPort) {
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Tick the ports of the radios to write."});
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_EQ(plansTaken, 0);
    TypePort("/dev/ttyS9, 7  " + dir + "/other");  // several at once
    EXPECT_EQ(dialog->checkedPorts(), (QStringList{"/dev/ttyS9", "7", QString::fromStdString(dir + "/other")}));
}

// A fresh list of the machine's ports keeps every tick: of a port it lists,
// and of one typed by hand that it does not list, also when a listed port's
// name begins with the typed one.
TEST_F(FleetWindow, RefreshingTheMachinesPortsKeepsTheTickedOnes) {
    dialog->setAvailablePorts({{33, "/dev/ttyUSB0", "USB serial cable"}, {0, "/dev/ttyACM0", ""}});
    dialog->portList()->item(0)->setCheckState(Qt::Checked);
    TypePort("/dev/ttyACM");
    dialog->setAvailablePorts({{0, "/dev/ttyACM0", ""}, {33, "/dev/ttyUSB0", "USB serial cable"}});
    EXPECT_EQ(dialog->checkedPorts(), (QStringList{"/dev/ttyUSB0", "/dev/ttyACM"}));
    EXPECT_EQ(dialog->portList()->count(), 3);
}

// Enter presses the button with the focus, else the default one: Start while
// idle, Stop during a run; in the port field it only adds the port. (Escape
// during a run is the quitting case of the window's fleet test.)
TEST_F(FleetWindow, EnterPressesTheFocusedOrDefaultButton) {
    SimLine line(PatternImage(2));
    Tick(dialog->backupBox(), false);
    Tick(dialog->repeatBox(), true);
    QTest::keyClicks(dialog->portEdit(), QString::fromStdString(line.device()));
    QTest::keyClick(dialog->portEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog->checkedPorts(), QStringList{QString::fromStdString(line.device())});
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_TRUE(dialog->startButton()->isDefault());

    dialog->addButton()->setFocus();
    QTest::keyClicks(dialog->portEdit(), "7");
    QTest::keyClick(dialog->addButton(), Qt::Key_Return);
    EXPECT_EQ(dialog->checkedPorts().size(), 2);
    dialog->portList()->item(1)->setCheckState(Qt::Unchecked);

    dialog->verifyBox()->setFocus();
    QTest::keyClick(dialog->verifyBox(), Qt::Key_Return);  // the default button: Start
    ASSERT_TRUE(dialog->isRunning());
    EXPECT_TRUE(dialog->stopButton()->isDefault());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(0, 3) == "1"; }, 20000));  // one radio done, waiting for the next
    dialog->table()->setFocus();
    QTest::keyClick(dialog->table(), Qt::Key_Return);  // the default button: Stop
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isRunning(); }, 10000));
    EXPECT_TRUE(dialog->startButton()->isDefault());
    EXPECT_EQ(dialog->summary()->text(), "1 done, 0 failed");
    ExpectPortReleased(line.device());
}

// A radio whose verify found a difference names its backup and the way
// back; "Restore from backups" writes that backup back. (Which radios need
// it, and zemtool's way back, are the core's and zemtool's cases.)
TEST_F(FleetWindow, AFailedRadioIsPutBackFromItsBackup) {
    SimLine dropping(PatternImage(4), FaultAt(&Faults::dropWriteAt, 0x018));
    TypePort(dropping.device());
    Tick(dialog->verifyBox(), true);
    Tick(dialog->backupBox(), true);
    Tick(dialog->repeatBox(), false);
    TypeFolder(*dialog, dir + "/backups");
    EXPECT_FALSE(dialog->restoreButton()->isEnabled());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isRunning(); }, 20000));
    EXPECT_TRUE(Cell(0, 4).endsWith("; to put it back: Restore from backups")) << Cell(0, 4).toStdString();

    ASSERT_TRUE(dialog->restoreButton()->isEnabled());
    QTest::mouseClick(dialog->restoreButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isRunning(); }, 20000));
    EXPECT_EQ(dialog->summary()->text(), "Restore: 1 done, 0 failed");
    EXPECT_FALSE(dialog->restoreButton()->isEnabled());
    dropping.stop();
    EXPECT_TRUE(SameRange(dropping.radio().memory(), PatternImage(4), 0, 0x3D0));
}

// "Write to several radios..." from the main window, driven by clicks: the
// toolbar button opens the dialog, Start takes the document as the pages
// show it, three rows reach done, the report is saved, and the commands
// that would replace the document wait until the run is over.
class FleetFromWindow : public WindowTest {
protected:
    std::string dir = temp.path().toStdString();

    // Clicks the toolbar button and ticks Verify and Repeat as asked, Backup as the folder is given.
    gui::FleetDialog* openDialog(bool repeat, const std::string& backupFolder) {
        QAction* command = window->action(gui::kCmdWriteSeveral);
        auto* toolBar = window->findChild<QToolBar*>(QStringLiteral("standardToolBar"));
        QTest::mouseClick(toolBar->widgetForAction(command), Qt::LeftButton);
        auto* dialog = window->findChild<gui::FleetDialog*>(QStringLiteral("fleetDialog"));
        if (!dialog || !dialog->isVisible()) return nullptr;
        for (auto [box, on] : {std::pair{dialog->verifyBox(), true}, {dialog->backupBox(), !backupFolder.empty()},
                               {dialog->repeatBox(), repeat}})
            Tick(box, on);
        TypeFolder(*dialog, backupFolder);
        return dialog;
    }
};

TEST_F(FleetFromWindow, ThreeRadiosGetThePagesAsTheyStandAtStartAndTheReportIsSaved) {
    std::vector<std::unique_ptr<RadioOnPty>> radios;
    for (int i = 0; i < 3; ++i) radios.push_back(std::make_unique<RadioOnPty>(BandImage(i)));
    load(BandImage(2));
    editOptionPage();  // not stored yet
    const RadioImage shown = view().storedImage();
    ASSERT_NE(shown, image());

    gui::FleetDialog* dialog = openDialog(false, dir + "/backups");
    ASSERT_NE(dialog, nullptr);
    dialog->setOptionsAdjuster([](FleetOptions& options) { options.job.sleep = [](std::chrono::milliseconds) {}; });
    for (auto& radio : radios) {
        QTest::keyClicks(dialog->portEdit(), radio->path());
        QTest::keyClick(dialog->portEdit(), Qt::Key_Return);
    }
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog->isRunning());

    EXPECT_EQ(image(), shown);  // the pages were stored first
    // The run holds the exchange guard (every command it disables is the
    // transfer window's case), this command included.
    for (int id : {gui::kCmdFileOpen, gui::kCmdWriteSeveral}) EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    EXPECT_TRUE(window->action(gui::kCmdFileSave)->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return !dialog->isRunning(); }));
    for (int id : {gui::kCmdFileOpen, gui::kCmdWriteSeveral}) EXPECT_TRUE(window->action(id)->isEnabled()) << id;

    ASSERT_EQ(dialog->table()->rowCount(), 3);  // Enter in the port field added a port and started nothing
    for (int row = 0; row < 3; ++row) EXPECT_EQ(dialog->table()->item(row, 2)->text(), "done") << row;
    EXPECT_EQ(dialog->summary()->text(), "3 done, 0 failed");
    for (auto& radio : radios) EXPECT_TRUE(SameRange(radio->memory(), shown, 0, 0x3D0));
    EXPECT_EQ(QDir(QString::fromStdString(dir + "/backups")).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(messages.empty());

    // An existing report is replaced only when the user agrees.
    const QString report = temp.filePath("report.csv");
    writeFile(report, "kept");
    dialog->setReportChooser([&] { return report; });
    messages.scriptAnswers({false, true});
    for (const char* expected : {"kept", "port,result,seconds,detail,backup,sequence,started,radio,plan,plan_sha256\r"}) {
        QTest::mouseClick(dialog->saveReportButton(), Qt::LeftButton);
        EXPECT_EQ(readFile(report).split('\n').front().toStdString(), expected);
    }
    EXPECT_EQ(messages.texts().size(), 2u);
    EXPECT_EQ(readFile(report).count('\n'), 4);  // the columns are the report's and zemtool's tests' to check

    // The choices are there again the next time.
    gui::FleetDialog again(messages, {});
    EXPECT_TRUE(again.verifyBox()->isChecked());
    EXPECT_TRUE(again.backupBox()->isChecked());
    EXPECT_EQ(again.backupFolderEdit()->text().toStdString(), dir + "/backups");
}

// Quitting while radios are being written asks first, by every way out:
// Escape in the dialog, File > Exit, closing the window. No goes on; Yes
// stops every radio at its next block, writes the report asked for during
// the run, releases every port and only then quits. (What each radio then
// holds is the core's fleet case.)
TEST_F(FleetFromWindow, QuittingDuringARunAsksAndYesStopsEveryRadioBeforeTheWindowGoes) {
    std::vector<std::unique_ptr<RadioOnPty>> radios;
    for (int i = 0; i < 2; ++i) radios.push_back(std::make_unique<RadioOnPty>(BandImage(i), sim::RadioFaults{}, true));
    gui::FleetDialog* dialog = openDialog(false, "");
    ASSERT_NE(dialog, nullptr);
    for (auto& radio : radios) dialog->addPort(radio->path());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog->isRunning());
    const QString report = temp.filePath("stopped.csv");
    dialog->setReportChooser([&] { return report; });
    QTest::mouseClick(dialog->saveReportButton(), Qt::LeftButton);  // asked for during the run
    auto percent = [&](int row) { return qobject_cast<QProgressBar*>(dialog->table()->cellWidget(row, 1))->value(); };
    ASSERT_TRUE(WaitUntil([&] { return percent(0) > 0; }));

    int asked = 0;
    auto answer = [&asked](QMessageBox::StandardButton button) {
        WhenModal<QMessageBox>([&asked, button](QMessageBox* box) {
            ++asked;
            box->button(button)->click();
        });
    };
    answer(QMessageBox::No);
    QTest::keyClick(dialog, Qt::Key_Escape);
    answer(QMessageBox::No);
    window->action(gui::kCmdExit)->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialog->isVisible());
    const int before = percent(0);
    ASSERT_TRUE(WaitUntil([&] { return percent(0) > before; })) << "No goes on";

    answer(QMessageBox::Yes);
    EXPECT_FALSE(window->close()) << "the window waits for the ports";
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
    EXPECT_EQ(asked, 3);

    EXPECT_EQ(readFile(report).count('\n'), 3) << "the report was written";
}

}  // namespace
}  // namespace zem::test
