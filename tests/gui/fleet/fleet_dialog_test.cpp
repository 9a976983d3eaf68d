// "Write to several radios" driven like a user: ports typed in and ticked,
// Verify and Backup, Start, three rows reaching done, "Save report...".
#include "core/link/link_test_support.h"

#include "document/program_file.h"
#include "fleet/fleet_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
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

TEST_F(FleetWindow, ThreeRadiosReachDoneAndTheReportIsSaved) {
    std::vector<std::unique_ptr<SimLine>> lines;
    for (int salt : {1, 2, 3}) {
        lines.push_back(std::make_unique<SimLine>(PatternImage(salt)));
        TypePort(lines.back()->device());
    }
    ASSERT_EQ(dialog->checkedPorts().size(), 3);
    Tick(dialog->verifyBox(), true);
    Tick(dialog->backupBox(), true);
    TypeFolder(dir + "/backups");
    Tick(dialog->repeatBox(), false);
    QSignalSpy running(dialog.get(), &gui::FleetDialog::runningChanged);

    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_EQ(running.count(), 1);
    EXPECT_EQ(plansTaken, 1);  // the document as it stands at Start
    EXPECT_FALSE(dialog->startButton()->isEnabled());
    EXPECT_TRUE(dialog->stopButton()->isEnabled());
    EXPECT_FALSE(dialog->portList()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isRunning(); }, 30000));
    ASSERT_EQ(running.count(), 2);

    ASSERT_EQ(dialog->table()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Cell(row, 0).toStdString(), lines[static_cast<std::size_t>(row)]->device());
        EXPECT_EQ(Cell(row, 2), "done");
        EXPECT_EQ(Cell(row, 3), "1");
        EXPECT_EQ(Cell(row, 4), "");
        EXPECT_EQ(qobject_cast<QProgressBar*>(dialog->table()->cellWidget(row, 1))->value(), 100);
    }
    EXPECT_EQ(dialog->summary()->text(), "3 done, 0 failed");
    EXPECT_TRUE(messenger.empty());
    for (auto& line : lines) {
        line->stop();
        EXPECT_TRUE(SameRange(line->radio().memory(), plan, 0, 0x3D0));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/backups"), fs::directory_iterator()), 3);

    const std::string report = dir + "/report.csv";
    dialog->setReportChooser([&] { return QString::fromStdString(report); });
    ASSERT_TRUE(dialog->saveReportButton()->isEnabled());
    QTest::mouseClick(dialog->saveReportButton(), Qt::LeftButton);
    std::ifstream in(report);
    std::vector<std::string> rows;
    for (std::string row; std::getline(in, row);) rows.push_back(row);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "port,result,seconds,detail,backup\r");
    EXPECT_EQ(rows[1].rfind(lines[0]->device() + ",ok,", 0), 0u) << rows[1];

    // The choices are remembered for the next time.
    auto again = MakeDialog();
    EXPECT_TRUE(again->verifyBox()->isChecked());
    EXPECT_TRUE(again->backupBox()->isChecked());
    EXPECT_EQ(again->backupFolderEdit()->text().toStdString(), dir + "/backups");
}

TEST_F(FleetWindow, NothingStartsWithoutAPortOrWithABackupFolderThatCannotBeWritten) {
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"Tick the ports of the radios to write."});

    SimLine line(PatternImage(8));
    TypePort(line.device());
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

TEST_F(FleetWindow, StopEndsARunningRepeatAndClosingWaitsForThePorts) {
    SimLine line(PatternImage(2));
    TypePort(line.device());
    Tick(dialog->backupBox(), false);
    Tick(dialog->repeatBox(), true);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(0, 3) == "1"; }, 20000));  // one radio done, waiting for the next
    EXPECT_TRUE(dialog->isRunning());
    dialog->close();  // stops the run; the dialog closes once the port is free
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 10000));
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_EQ(dialog->summary()->text(), "1 done, 0 failed");
    EXPECT_TRUE(OpenSerialPort(line.device(), CloneTimeouts).port);
}

}  // namespace
}  // namespace zem::test
