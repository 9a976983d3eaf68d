// The "Write to several radios" dialog on its own, driven like a user: what
// keeps a run from starting, Enter on the buttons, Stop or closing during a
// run, and a failed radio put back from its backup.
#include "gui/support/window_test.h"

#include "document/program_file.h"
#include "fleet/fleet_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <fstream>

namespace zem::test {
namespace {

class FleetWindow : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string dir = folder.path().toStdString();
    const RadioImage plan = PatternImage(33);
    int plansTaken = 0;
    RecordingMessenger messenger;
    std::unique_ptr<gui::FleetDialog> dialog;

    void SetUp() override { dialog = MakeDialog(); }
    void TearDown() override { dialog.reset(); }
    std::unique_ptr<gui::FleetDialog> MakeDialog() {
        auto made = std::make_unique<gui::FleetDialog>(messenger, [this](RadioImage& image, std::string& name) {
            ++plansTaken;
            image = plan;
            name = dir + "/José.zem";
            return true;
        });
        made->setOptionsAdjuster([](FleetOptions& options) { options.job.sleep = [](std::chrono::milliseconds) {}; });
        made->show();
        return made;
    }
    void TypePort(const std::string& port) {
        QTest::keyClicks(dialog->portEdit(), QString::fromStdString(port));
        QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    }
    void Tick(QCheckBox* box, bool on) {
        if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        ASSERT_EQ(box->isChecked(), on);
    }
    void TypeFolder(const std::string& folder) {
        dialog->backupFolderEdit()->selectAll();
        QTest::keyClicks(dialog->backupFolderEdit(), QString::fromStdString(folder));
    }
    QString Cell(int row, int col) const { return dialog->table()->item(row, col)->text(); }
};

TEST_F(FleetWindow, NothingStartsWithoutAPortOrWithABackupFolderThatCannotBeWritten) {
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Tick the ports of the radios to write."});

    SimLine line(PatternImage(8));
    TypePort(line.device() + ", 7  " + dir + "/other");  // several at once
    EXPECT_EQ(dialog->checkedPorts(), (QStringList{QString::fromStdString(line.device()), "7",
                                                   QString::fromStdString(dir + "/other")}));
    std::ofstream(dir + "/file") << "x";
    Tick(dialog->backupBox(), true);
    TypeFolder(dir + "/file/backups");
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_EQ(plansTaken, 0);
    EXPECT_EQ(messenger.texts().size(), 2u);
    EXPECT_EQ(dialog->table()->rowCount(), 0);
    line.stop();
    EXPECT_EQ(line.radio().memory(), PatternImage(8));
    EXPECT_TRUE(line.radio().received().empty());
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
    EXPECT_TRUE(OpenSerialPort(line.device(), CloneTimeouts).port);
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
    TypeFolder(dir + "/backups");
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

}  // namespace
}  // namespace zem::test
