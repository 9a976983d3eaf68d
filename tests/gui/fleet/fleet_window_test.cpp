// "Write to several radios..." from the main window: the toolbar button opens
// the dialog, Start takes the document as the pages show it, and the
// commands that would replace the document wait until the run is over.
#include "gui/link/gui_test_support.h"

#include "commands/command_ids.h"
#include "fleet/fleet_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>

namespace zem::test {
namespace {

using FleetFromWindow = WindowTest;

TEST_F(FleetFromWindow, ToolbarButtonOpensTheDialogAndStartWritesThePagesAsTheyStand) {
    std::vector<std::unique_ptr<RadioOnPty>> radios;
    for (int i = 0; i < 3; ++i) radios.push_back(std::make_unique<RadioOnPty>(NewDocumentImage()));
    load(BandImage(2));
    editOptionPage();  // not stored yet
    const RadioImage shown = view().storedImage();
    ASSERT_NE(shown, image());

    QAction* command = window->action(gui::kCmdWriteSeveral);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), "Write to several radios...");
    QMenu* program = nullptr;
    for (QAction* menu : window->menuBar()->actions())
        if (menu->text() == "Program(&P)") program = menu->menu();
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->actions().contains(command));
    auto* toolBar = window->findChild<QToolBar*>(QStringLiteral("standardToolBar"));
    QTest::mouseClick(toolBar->widgetForAction(command), Qt::LeftButton);

    auto* dialog = window->findChild<gui::FleetDialog*>(QStringLiteral("fleetDialog"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    dialog->setOptionsAdjuster([](FleetOptions& options) { options.job.sleep = [](std::chrono::milliseconds) {}; });
    for (auto& radio : radios) {
        QTest::keyClicks(dialog->portEdit(), radio->path());
        QTest::keyClick(dialog->portEdit(), Qt::Key_Return);
    }
    if (dialog->backupBox()->isChecked()) QTest::mouseClick(dialog->backupBox(), Qt::LeftButton, {}, QPoint(5, 5));
    if (dialog->repeatBox()->isChecked()) QTest::mouseClick(dialog->repeatBox(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(dialog->isRunning());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog->isRunning());

    EXPECT_EQ(image(), shown);  // the pages were stored first
    for (int id : {gui::kCmdReadFromRadio, gui::kCmdWriteToRadio, gui::kCmdFileNew, gui::kCmdFileOpen,
                   gui::kCmdOnLinePowerSet, gui::kCmdWriteSeveral})
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    EXPECT_TRUE(window->action(gui::kCmdFileSave)->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return !dialog->isRunning(); }));
    for (int id : {gui::kCmdReadFromRadio, gui::kCmdFileNew, gui::kCmdWriteSeveral})
        EXPECT_TRUE(window->action(id)->isEnabled()) << id;

    ASSERT_EQ(dialog->table()->rowCount(), 3);  // Enter in the port field added a port and started nothing
    for (int row = 0; row < 3; ++row) EXPECT_EQ(dialog->table()->item(row, 2)->text(), "done") << row;
    for (auto& radio : radios) EXPECT_TRUE(SameBytes(radio->memory(), shown, 0, 0x3D0));
    EXPECT_TRUE(messenger.empty());
}

}  // namespace
}  // namespace zem::test
