// Selecting cells and channels in the channel table, and moving them through
// the clipboard with the standard editing keys.
#include "gui/support/window_test.h"

#include "channels/channel_commit.h"
#include "common/refusal_list_dialog.h"

#include <QHeaderView>
#include <QListWidget>
#include <QScreen>

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

TEST_F(ChannelClipboardTest, CtrlVAfterAClickPutsOneValueInTheEditorAndSeveralIntoTheTable) {
    // A click opens the cell's editor at once; what the clipboard holds decides where it goes.
    const struct {
        int row, col;
        const char* typed;      // typed into the editor before the paste
        const char* clipboard;
        std::vector<std::tuple<int, int, const char*>> cells;  // afterwards, an open editor committed with Enter
        std::vector<std::string> messages;
        int band = 0;  // chosen before Default Setting: the band, not the radio type, decides
    } cases[] = {
        // Several values drop what was typed in the editor. (How a
        // spreadsheet's text splits and which values a cell takes is the core's.)
        {5, 1, "9", "150.0\r\n150.5\r\n151.0\r\n", {{5, 1, "150.00000"}, {6, 1, "150.50000"}, {7, 1, "151.00000"}}, {}},
        // One value goes into the editor.
        {2, 3, "", "100.0\r\n", {{2, 3, "100.0"}}, {}},
        {1, 1, "", "440.0\r\n470.00625\r\n", {{1, 1, "440.00000"}, {2, 1, "435.55500"}},
         {"channel 2, Receive: \"470.00625\": Error Data Format，Please input again"}, 2},
    };
    for (const auto& c : cases) {
        page().bandCombo().setCurrentIndex(c.band);
        page().defaultButton().click();
        messages.clear();
        QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        clickCell(c.row, c.col);
        ASSERT_NE(grid().OpenEditor(), nullptr);
        type(QString::fromLatin1(c.typed));
        press(Qt::Key_V, Qt::ControlModifier);
        // Several values close the editor and select the block from its cell.
        const bool several = c.cells.size() > 1;
        EXPECT_EQ(grid().OpenEditor() == nullptr, several) << c.clipboard;
        if (several) EXPECT_EQ(grid().SelectedCells().front(), std::make_pair(c.row, c.col)) << c.clipboard;
        else press(Qt::Key_Return);
        for (const auto& [row, col, text] : c.cells) EXPECT_EQ(cell(row, col), text) << c.clipboard;
        EXPECT_EQ(messages.texts(), c.messages) << c.clipboard;
    }
}

TEST_F(ChannelClipboardTest, ManyRefusalsComeAsOneListThatFitsTheScreen) {
    page().defaultButton().click();
    window->setMessenger(nullptr);  // the real dialogs
    QApplication::clipboard()->setText(QStringLiteral("x"));
    clickChannelNumber(1);
    press(Qt::Key_A, Qt::ControlModifier);
    int dialogs = 0;
    QString copied;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<gui::RefusalListDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        ++dialogs;
        EXPECT_EQ(dialog->list().count(), 144);
        EXPECT_LE(dialog->frameGeometry().height(), dialog->screen()->availableGeometry().height());
        QTest::mouseClick(dialog->findChild<QPushButton*>("copy"), Qt::LeftButton);
        copied = QApplication::clipboard()->text();
        dialog->accept();
    });
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(copied.count(QLatin1Char('\n')), 143);
    EXPECT_TRUE(copied.startsWith(QStringLiteral("channel 1, Receive: \"x\": Error Data Format"))) << copied.left(60).toStdString();
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

    // Cut copies, then empties.
    grid().SetCurrentCell(7, 1);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "161.32500");
    EXPECT_EQ(cell(7, 1), "");
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Cut");
    // With the focus on the type list the commands leave the table alone;
    // the port items' "Ctrl+C" is only text.
    page().typeCombo().setFocus();
    window->action(gui::kCmdEditClear)->trigger();
    EXPECT_EQ(cell(8, 1), "161.42500");
    EXPECT_TRUE(window->action(gui::kCmdCom1)->shortcut().isEmpty());
    // A paste whose every value is refused changes nothing and is no step.
    QApplication::clipboard()->setText(QStringLiteral("999"));
    goToCell(9, 1);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->action(gui::kCmdEditUndo)->text(), "&Undo Cut");
}

}  // namespace
}  // namespace zem::test
