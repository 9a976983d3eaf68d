// Selecting cells and channels in the channel table, and moving them through
// the clipboard with the standard editing keys.
#include "app_test_support.h"

#include "channels/channel_commit.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

namespace zem::test {
namespace {

using Cells = std::vector<std::pair<int, int>>;

class ChannelClipboardTest : public WindowTest {
protected:
    void clickChannelNumber(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* numbers = grid().verticalHeader();
        const int y = numbers->sectionViewportPosition(row - 1) + numbers->sectionSize(row - 1) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, QPoint(numbers->width() / 2, y));
    }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int col = 1; col <= 9; ++col) texts << cell(row, col);
        return texts;
    }
    static Cells block(int top, int left, int bottom, int right) {
        Cells cells;
        for (int row = top; row <= bottom; ++row)
            for (int col = left; col <= right; ++col) cells.push_back({row, col});
        return cells;
    }
};

TEST_F(ChannelClipboardTest, ChannelNumbersShiftArrowsAndCtrlASelectWithoutOpeningAnEditor) {
    clickChannelNumber(3);
    EXPECT_EQ(grid().SelectedCells(), block(3, 1, 3, 9));
    EXPECT_EQ(grid().Row() * 10 + grid().Col(), 31);
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_EQ(focus(), &grid());
    clickChannelNumber(5, Qt::ShiftModifier);
    EXPECT_EQ(grid().SelectedCells(), block(3, 1, 5, 9));

    // Shift and the arrow keys extend a block from the current cell.
    grid().SetCurrentCell(2, 2);
    press(Qt::Key_Right, Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid().SelectedCells(), block(2, 2, 3, 3));
    EXPECT_EQ(grid().OpenEditor(), nullptr);

    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid().SelectedCells(), block(1, 1, 16, 9));

    // A plain click on a cell still opens its editor at once, and selects it alone.
    clickCell(4, 1);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(grid().OpenEditor()));
    EXPECT_EQ(grid().SelectedCells(), block(4, 1, 4, 1));
}

TEST_F(ChannelClipboardTest, PasteOfThreeRowsGoesThroughTheCommitRulesAndSaysARefusalOnce) {
    page().defaultButton().click();
    QApplication::clipboard()->setText(QStringLiteral("150\t150.5\td023n\t\tno\tLOW\r\n"
                                                      "999\t146.5\t67.0\t67.0\tYes\tHigh\r\n"
                                                      "147.125\r\n"));
    clickChannelNumber(14);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rowTexts(14), QStringList({"150.00000", "150.50000", "d023n", "OFF", "No", "Low", "Wide", "Off", "Off"}));
    // The refused receive frequency leaves its cell; the rest of the row is pasted.
    EXPECT_EQ(rowTexts(15), QStringList({"162.12500", "146.50000", "67.0", "67.0", "Yes", "High", "Wide", "Off", "Off"}));
    EXPECT_EQ(cell(16, 1), "147.12500");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kMsgErrorDataFormat});
    // The cells pasted are selected; nothing ran past the last channel.
    EXPECT_EQ(grid().SelectedCells(), block(14, 1, 16, 6));
    EXPECT_EQ(grid().OpenEditor(), nullptr);
}

TEST_F(ChannelClipboardTest, CopyThenPasteCarriesAChannelOverAndAnEditBoxKeepsTheKeys) {
    page().defaultButton().click();
    clickChannelNumber(4);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "161.02500\t161.02500\t67.0\t67.0\tYes\tHigh\tWide\tOff\tOff");
    clickChannelNumber(10);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rowTexts(10), rowTexts(4));
    EXPECT_TRUE(messages.empty());

    // In a cell's edit box the keys work on its text, not on the cells.
    clickCell(8, 1);
    auto* edit = qobject_cast<QLineEdit*>(grid().OpenEditor());
    ASSERT_TRUE(edit);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "161.42500");
    press(Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(cell(8, 1), "161.42500");
}

TEST_F(ChannelClipboardTest, PasteCutAndDeleteAreOneUndoStepEachAndActOnTheTableOnly) {
    page().defaultButton().click();
    const QStringList channel2 = rowTexts(2);
    const QStringList channel3 = rowTexts(3);
    QApplication::clipboard()->setText(QStringLiteral("150\t150\tOFF\n151\t151\tOFF\n"));
    clickChannelNumber(2);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 1), "151.00000");
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Paste");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rowTexts(2), channel2);
    EXPECT_EQ(rowTexts(3), channel3);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 2), "150.00000");
    EXPECT_EQ(cell(3, 1), "151.00000");

    // Delete empties whole channels, from the Edit menu too.
    const QStringList channel5 = rowTexts(5);
    clickChannelNumber(5);
    clickChannelNumber(6, Qt::ShiftModifier);
    window->action(gui::kCmdEditClear)->trigger();
    EXPECT_EQ(rowTexts(5), QStringList(9, QString()));
    EXPECT_EQ(rowTexts(6), QStringList(9, QString()));
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Delete");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rowTexts(5), channel5);

    // Cut copies, then empties: the receive frequency takes its tone along.
    grid().SetCurrentCell(7, 1);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "161.32500");
    EXPECT_EQ(rowTexts(7), QStringList({"", "161.32500", "", "162.2", "Yes", "High", "Wide", "Off", "Off"}));
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Cut");
    // With the focus on the type list the commands leave the table alone;
    // the port items' "Ctrl+C" is only text.
    page().typeCombo().setFocus();
    window->action(gui::kCmdEditClear)->trigger();
    EXPECT_EQ(cell(8, 1), "161.42500");
    EXPECT_TRUE(window->action(gui::kCmdCom1)->shortcut().isEmpty());
    // A paste whose every value is refused changes nothing and is no step.
    QApplication::clipboard()->setText(QStringLiteral("999"));
    grid().setFocus();
    grid().SetCurrentCell(9, 1);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Cut");
}

}  // namespace
}  // namespace zem::test
