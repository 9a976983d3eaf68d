// A plan programmed from start to save with the keyboard alone: the File
// menu by Alt keys and the file dialogs typed into, a channel typed into
// the table, every page changed with Ctrl+Tab, Tab, Enter and the arrow
// keys (Enter and Escape move on like Tab on the settings pages). Not a
// single click.
#include "gui/support/window_test.h"

#include "common/file_names.h"

#include <QFileDialog>
#include <QMenu>

namespace zem::test {
namespace {

class KeyboardWalkTest : public WindowTest {
protected:
    // Keys go to an open menu first.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, k, modifiers);
        else press(k, modifiers);
    }

    // Tab until the focus is on target; false when a round of the window
    // never reaches it.
    bool tabTo(QWidget* target) {
        for (int i = 0; i < 60 && focus() != target; ++i) key(Qt::Key_Tab);
        return focus() == target;
    }

    // Answers the next file dialog as a user does: the path typed into its
    // file name field, a completion list closed with Escape, then Enter.
    static void answerFileDialog(const QString& path, bool* answered) {
        auto* timer = new QTimer;
        auto tries = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, tries, path, answered] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            // The desktop activates a dialog as it opens; the test platform
            // is given a moment for it, then told.
            if (dialog && !dialog->isActiveWindow() && *tries > 20) QApplication::setActiveWindow(dialog);
            if ((!dialog || !dialog->isActiveWindow()) && ++*tries < 1000) return;
            timer->stop();
            timer->deleteLater();
            if (!dialog) return;
            QWidget* field = QApplication::focusWidget();
            *answered = qobject_cast<QLineEdit*>(field) && dialog->isAncestorOf(field);
            // Each letter as the keyboard or an input method sends it: the
            // folder names José and 张伟 arrive as key events carrying text.
            for (QChar c : path) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(field, c.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
            if (QApplication::activePopupWidget()) QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        timer->start(10);
    }
};

TEST_F(KeyboardWalkTest, PlanProgrammedFromOpenToSaveWithoutAClick) {
    window->setUserDialogs(nullptr);  // the desktop's own file dialogs
    const RadioImage plan = BandImage(2);  // 400-470 MHz demonstration channels
    const QString opened = tempPath("plan.Zem");
    writeFile(opened, bytesOf(plan));

    // File, Open: Alt+F, O, the path typed into the file dialog.
    bool answered = false;
    answerFileDialog(opened, &answered);
    key(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(qobject_cast<QMenu*>(QApplication::activePopupWidget())) << "Alt+F opens no menu";
    key(Qt::Key_O);
    EXPECT_TRUE(answered) << "the file dialog's name field had no focus";
    ASSERT_EQ(window->document().pathName(), opened);
    EXPECT_EQ(page().bandCombo().currentText(), "400-470MHZ");

    // The channel table, where Open leaves the focus on channel 1's receive
    // frequency: the arrow keys move the cell, typing opens its editor,
    // Enter commits and runs on to the transmit frequency, Escape leaves
    // that one as it was.
    EXPECT_EQ(focus(), &grid());
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(std::make_pair(grid().Row(), grid().Col()), std::make_pair(3, 1));
    type("435.0125");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(3, 1), "435.01250");
    EXPECT_EQ(grid().Col(), 2);
    key(Qt::Key_Escape);
    EXPECT_FALSE(grid().OpenEditor());
    key(Qt::Key_F2);  // opens the editor with the cell's value
    ASSERT_TRUE(grid().OpenEditor());
    key(Qt::Key_Escape);
    EXPECT_FALSE(grid().OpenEditor());
    key(Qt::Key_Right);
    type("D023N");  // a decode tone typed into its list's field
    key(Qt::Key_Return);
    EXPECT_EQ(cell(3, 3), "D023N");
    key(Qt::Key_Escape);

    // Optional features: Ctrl+Tab, the focus moves into the page with it.
    key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(view().currentTab(), 1);
    EXPECT_TRUE(view().optionPage().isAncestorOf(focus()));
    auto* scanMode = control<QComboBox>("scanMode");
    ASSERT_TRUE(tabTo(scanMode));
    key(Qt::Key_Up);  // "Carrier" to "Off"
    key(Qt::Key_Escape);  // moves on as Tab does, like Enter
    EXPECT_EQ(focus(), control<QComboBox>("receiveRecovery"));
    auto* energyCheck = control<QCheckBox>("energyCheck");
    ASSERT_TRUE(tabTo(energyCheck));
    key(Qt::Key_Space);
    auto* start = control<QLineEdit>("pttIdStart");
    ASSERT_TRUE(tabTo(start));
    key(Qt::Key_A, Qt::ControlModifier);
    type("87654321");
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), control<QLineEdit>("pttIdEnd"));

    // Key assignment: Ctrl+Tab again, the top key's short press one entry on.
    key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(view().currentTab(), 2);
    auto* topShort = control<QComboBox>("topShort");
    ASSERT_TRUE(tabTo(control<QComboBox>("topLong")));
    key(Qt::Key_Return);
    ASSERT_EQ(focus(), topShort);
    const int shortBefore = topShort->currentIndex();
    key(Qt::Key_Down);
    EXPECT_EQ(topShort->currentIndex(), shortBefore + 1);

    // Back to the channel page with Ctrl+Shift+Tab twice: every page stored.
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(view().currentTab(), 0);
    EXPECT_TRUE(page().isAncestorOf(focus()));

    // File, Save as: Alt+F, A, a new name typed.
    const QString saved = tempPath("saved.Zem");
    answered = false;
    answerFileDialog(saved, &answered);
    key(Qt::Key_F, Qt::AltModifier);
    key(Qt::Key_A);
    EXPECT_TRUE(answered);
    ASSERT_EQ(window->document().pathName(), saved);
    EXPECT_TRUE(messages.empty()) << messages.texts().front();

    // The file holds the plan with the three pages' changes and nothing
    // else (an off tone the demonstration channels hold as 00 00 is saved
    // the way the pages store it).
    RadioImage file;
    ASSERT_TRUE(LoadProgramFile(gui::FilePath(saved), file).ok);
    EXPECT_EQ(DiffAsShown(plan, file),
              (std::vector<std::string>{"channel 3 Receive: 469.95000 -> 435.01250",
                                        "channel 3 QT/DQT DEC: (empty) -> D023N", "Scan Mode: Carrier -> Off",
                                        "PTT ID Start: 12345678 -> 87654321", "Energy Check: on -> off",
                                        "Top Key Short Press: Power -> Energy Check"}));
}

}  // namespace
}  // namespace zem::test
