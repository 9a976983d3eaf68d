// The "Write to several radios" dialog on its own, driven like a user: what
// keeps a run from starting, and Stop or closing during a run.
#include "core/link/link_test_support.h"
#include "gui/link/gui_test_support.h"

#include "document/program_file.h"
#include "fleet/fleet_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zem::test {
namespace {

namespace fs = std::filesystem;

class FleetWindow : public ::testing::Test {
protected:
    std::string dir = [] {
        char pattern[] = "/tmp/zem-fleet-gui-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "");
    }();
    const RadioImage plan = PatternImage(33);
    int plansTaken = 0;
    RecordingMessenger messenger;
    std::unique_ptr<gui::FleetDialog> dialog;

    void SetUp() override { dialog = MakeDialog(); }
    void TearDown() override {
        dialog.reset();
        fs::remove_all(dir);
    }
    std::unique_ptr<gui::FleetDialog> MakeDialog() {
        auto made = std::make_unique<gui::FleetDialog>(messenger, [this](RadioImage& image) {
            ++plansTaken;
            image = plan;
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

TEST_F(FleetWindow, EscapeAsksThenStopsARunningRepeatAndTheDialogWaitsForThePorts) {
    SimLine line(PatternImage(2));
    TypePort(line.device());
    Tick(dialog->backupBox(), false);
    Tick(dialog->repeatBox(), true);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(0, 3) == "1"; }, 20000));  // one radio done, waiting for the next
    EXPECT_TRUE(dialog->isRunning());
    // Escape asks first; Yes stops the run, and the dialog closes once the port is free.
    bool asked = false;
    WhenModal<QMessageBox>([&asked](QMessageBox* box) {
        asked = true;
        box->button(QMessageBox::Yes)->click();
    });
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 10000));
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_EQ(dialog->summary()->text(), "1 done, 0 failed");
    EXPECT_TRUE(OpenSerialPort(line.device(), CloneTimeouts).port);
}

}  // namespace
}  // namespace zem::test
