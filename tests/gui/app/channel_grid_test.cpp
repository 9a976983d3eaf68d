// Editing the channel table with the mouse and the keyboard.
#include "gui/support/window_test.h"

#include "channels/channel_commit.h"

#include <QAccessible>

namespace zem::test {
namespace {

using ChannelGridTest = WindowTest;

TEST_F(ChannelGridTest, RefusedFrequencyShowsOneWarningBoxAndKeepsTheRow) {
    enterValue(2, 1, "146");
    // The message box takes the focus from the editor in the middle of the
    // commit; that must not commit (and warn) a second time.
    window->setMessenger(nullptr);
    QStringList seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // Assistive technology announces it as an alert.
            seen << box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|" +
                        QString::number(QAccessible::queryAccessibleInterface(box)->role());
            box->accept();
        }
    });
    answer.start(10);
    // Leaving the cell by a click commits as Enter does.
    clickCell(2, 1);
    type("5");
    clickCell(3, 2);
    answer.stop();
    EXPECT_EQ(seen, QStringList{QStringLiteral("Zem Programming Software|%1|%2|%3")
                                    .arg(QString::fromUtf8(kMsgErrorDataFormat))
                                    .arg(int(QMessageBox::Warning))
                                    .arg(int(QAccessible::AlertMessage))});
    // The refused value does not cost the user the frequency or its tone.
    EXPECT_EQ(cell(2, 1), "146.00000");
    EXPECT_EQ(cell(2, 2), "146.00000");
    EXPECT_EQ(cell(2, 3), "Off");
    EXPECT_TRUE(qobject_cast<QLineEdit*>(grid().OpenEditor()));  // the clicked cell's editor
}

// Which editor a key opens with what, and where Enter runs on to, are the
// table's rules (test_core_channels); here the window carries them out.
TEST_F(ChannelGridTest, KeysAndPressesReachTheTablesRules) {
    QApplication::clipboard()->setText("kept by the user");
    enterValue(1, 1, "145");
    // A notice, then the editor with the typed character, the clipboard untouched.
    goToCell(1, 1);
    messages.clear();
    type("a");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please input Number"});
    auto* edit = qobject_cast<QLineEdit*>(grid().OpenEditor());
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "a");
    EXPECT_EQ(QApplication::clipboard()->text(), "kept by the user");
    press(Qt::Key_Escape);
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_EQ(cell(1, 1), "145.00000");

    // A press opens the list on the cell's entry; Tab commits and runs on as Enter does.
    clickCell(1, 6);
    auto* combo = qobject_cast<QComboBox*>(grid().OpenEditor());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->currentText(), "High");
    combo->setCurrentIndex(1);
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(1, 6), "Low");
    EXPECT_EQ(grid().Col(), 7);

    // From channel 16's PTT editor Enter leaves the table.
    press(Qt::Key_Escape);
    clickCell(16, 9);
    press(Qt::Key_Return);
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_EQ(focus(), &page().defaultButton());
}

// Hiding the page or Default Setting drops a value not yet committed;
// Enter on the Type Setting controls moves the focus without pressing the
// button.
TEST_F(ChannelGridTest, HidingThePageOrDefaultSettingDropsAValueNotYetCommittedAndEnterDoesNotPressIt) {
    // A new window starts in the table, on channel 1's receive frequency.
    EXPECT_EQ(focus(), &grid());
    EXPECT_EQ(grid().Row() * 10 + grid().Col(), 11);
    page().typeCombo().setFocus();
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange)) << "the focused list draws its focus frame";
    clickCell(1, 1);
    type("150");
    page().hideEditors();
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_TRUE(cell(1, 1).isEmpty());

    page().defaultButton().setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(cell(1, 1).isEmpty()) << "no defaults written";
    EXPECT_NE(focus(), &page().defaultButton());

    // Default setting then writes the band's table.
    clickCell(1, 1);
    type("150");
    page().defaultButton().click();
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_EQ(cell(1, 1), "136.05000");  // the band's table itself is the core's
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelGridTest, AllSixteenChannelsStayInViewWhateverTheRowHeight) {
    // Rows as tall as a large fallback font makes them: the window grows
    // rather than hide channel 16 under the table's edge.
    const int rows = grid().model()->rowCount();
    for (int row = 0; row < rows; ++row) grid().setRowHeight(row, 44);
    const auto lastRowShown = [&] {
        return grid().rowViewportPosition(rows - 1) + grid().rowHeight(rows - 1) <= grid().viewport()->height();
    };
    EXPECT_TRUE(QTest::qWaitFor(lastRowShown, 2000));
}

// One Enter on an entry of a list opened with F4 commits it and runs on.
// The table, its headers and its cells as a screen reader reads them are
// checked over the accessibility bus (gui_accessible_tree); an open editor
// is not reached there, so here each kind is announced with its column and
// channel.
TEST_F(ChannelGridTest, OneEnterOnAnEntryOfAnOpenedListCommitsItAndRunsOnAndEditorsAreNamed) {
    const auto name = [this] {
        return QAccessible::queryAccessibleInterface(grid().OpenEditor())->text(QAccessible::Name);
    };
    clickCell(1, 1);
    EXPECT_EQ(name(), "Receive, channel 1");
    type("145");
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    // A choice list and a tone list.
    const std::tuple<int, const char*, const char*> lists[] = {{6, "Low", "Power, channel 1"},
                                                               {3, "67.0", "QT/DQT DEC, channel 1"}};
    for (const auto& [col, chosen, named] : lists) {
        clickCell(1, col);
        auto* combo = qobject_cast<QComboBox*>(grid().OpenEditor());
        ASSERT_TRUE(combo);
        EXPECT_EQ(name(), named);
        press(Qt::Key_F4);
        ASSERT_TRUE(combo->view()->isVisible());
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        EXPECT_EQ(cell(1, col), chosen);
        EXPECT_FALSE(combo->view()->isVisible());
        EXPECT_EQ(grid().Col(), col + 1);
        EXPECT_TRUE(qobject_cast<QComboBox*>(grid().OpenEditor()));
        press(Qt::Key_Escape);
    }
}

}  // namespace
}  // namespace zem::test
