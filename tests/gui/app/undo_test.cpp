// Undo and redo of the document, driven by the keys and the Edit menu.
#include "gui/support/window_test.h"

namespace zem::test {
namespace {

class UndoTest : public WindowTest {
protected:
    QAction& undoAction() { return *window->action(gui::kCmdEditUndo); }
    QAction& redoAction() { return *window->action(gui::kCmdEditRedo); }
    static QString shown(const QAction& action) { return QString(action.text()).remove(QLatin1Char('&')); }

    void undo() { press(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { press(Qt::Key_Y, Qt::ControlModifier); }

    // The next entry of a drop-down, chosen with the keyboard.
    void pickNext(QComboBox* combo) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
    }
    // A check box ticked or cleared with the space bar.
    void toggle(QCheckBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }
};

TEST_F(UndoTest, CtrlZAndRedoFromKeysFieldsAndTheMenuASaveIsTheBaselineAndNewStartsAfresh) {
    enterValue(5, 1, "145.5");
    enterValue(5, 1, "146.25");
    // Enter has opened the next cell's editor, which keeps Ctrl+Z even
    // with nothing typed; Esc closes it, and then Ctrl+Z undoes the document.
    ASSERT_NE(grid().OpenEditor(), nullptr);
    EXPECT_EQ(shown(undoAction()), "Undo Receive of channel 5");
    undo();
    EXPECT_EQ(cell(5, 1), "146.25000");
    press(Qt::Key_Escape);
    undo();
    EXPECT_EQ(cell(5, 1), "145.50000");
    EXPECT_EQ(grid().OpenEditor(), nullptr);
    EXPECT_EQ(shown(redoAction()), "Redo Receive of channel 5");
    undo();
    for (int col = 1; col < 10; ++col) EXPECT_TRUE(cell(5, col).isEmpty()) << "the new channel's defaults go too";
    EXPECT_FALSE(undoAction().isEnabled());

    redo();
    EXPECT_EQ(cell(5, 5), "Yes");
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(5, 1), "146.25000");
    EXPECT_FALSE(redoAction().isEnabled());
    EXPECT_TRUE(messages.empty());

    // In the PTT ID field Ctrl+Z undoes the typing there; once there is
    // none left it does nothing, the channel's steps stay. (A cell's open
    // editor keeps Ctrl+Z the same way, as above.)
    clickTab(1);
    auto* pttId = control<QLineEdit>("pttIdStart");
    QTest::mouseClick(pttId, Qt::LeftButton);
    ASSERT_EQ(focus(), pttId);
    const QString pttBefore = pttId->text();
    press(Qt::Key_A, Qt::ControlModifier);
    type("7");
    undo();
    undo();
    redo();
    redo();
    EXPECT_EQ(pttId->text(), "7") << "the field's own redo";
    undo();
    EXPECT_EQ(pttId->text(), pttBefore);
    EXPECT_EQ(history().index(), 2);
    // The Edit menu's Undo is the document's, wherever the focus is.
    trigger(gui::kCmdEditUndo);
    EXPECT_EQ(history().index(), 1);
    clickTab(0);
    EXPECT_EQ(cell(5, 1), "145.50000");

    // The baseline and the history's rules are the core session's; here
    // only that a save sets the baseline and New starts a new history.
    dialogs.saveNames = {tempPath("saved.Zem")};
    trigger(gui::kCmdFileSaveAs);
    EXPECT_FALSE(window->document().isModified());
    trigger(gui::kCmdFileNew);  // asks nothing
    EXPECT_EQ(history().count(), 0);
    EXPECT_EQ(shown(undoAction()), "Undo");
}

TEST_F(UndoTest, EditsOnAllThreePagesUndoInOrderOnThePageTheUserIsOn) {
    const auto shows = [this](const RadioImage& image) { return DiffAsShown(image, view().storedImage()); };
    const RadioImage start = view().storedImage();
    enterValue(3, 1, "150");
    clickTab(1);
    pickNext(control<QComboBox>("squelchLevel"));
    toggle(control<QCheckBox>("scramble"));
    auto* pttEnd = control<QLineEdit>("pttIdEnd");
    pttEnd->setFocus();
    pttEnd->selectAll();
    type("555");
    press(Qt::Key_Return);  // moves on, like Tab
    clickTab(2);
    pickNext(control<QComboBox>("topLong"));
    clickTab(1);
    const RadioImage edited = view().storedImage();

    const QStringList steps = {"Receive of channel 3", "Squelch Level", "Scramble", "PTT ID End",
                               "Top Key Long Press"};
    ASSERT_EQ(history().count(), steps.size());
    for (int i = 0; i < steps.size(); ++i) EXPECT_EQ(history().text(i), steps.at(i));

    // Undone from the options page, every page shows its value back and the page stays.
    window->activateWindow();
    window->setFocus();
    for (int i = 0; i < steps.size(); ++i) undo();
    EXPECT_EQ(view().currentTab(), 1);
    EXPECT_EQ(shows(start), std::vector<std::string>{});

    // Redo fills the pages the way undo does.
    for (int i = 0; i < steps.size(); ++i) redo();
    EXPECT_EQ(shows(edited), std::vector<std::string>{});
    EXPECT_EQ(history().index(), steps.size());
}

TEST_F(UndoTest, DefaultSettingOnEachPageIsOneStep) {
    const struct {
        int tab;
        const char* page;
        std::function<void()> edit;
        std::function<bool()> edited;
    } cases[] = {
        {0, "channelPage", [this] { enterValue(1, 1, "140"); }, [this] { return cell(1, 1) == "140.00000"; }},
        {1, "optionPage", [this] { toggle(control<QCheckBox>("scramble")); },
         [this] { return control<QCheckBox>("scramble")->isChecked(); }},
        {2, "keyPage", [this] { pickNext(control<QComboBox>("bottomShort")); },
         [this] { return control<QComboBox>("bottomShort")->currentText() != "Monitor"; }},
    };
    for (const auto& c : cases) {
        clickTab(c.tab);
        c.edit();
        ASSERT_TRUE(c.edited()) << c.page;
        QTest::mouseClick(control<QWidget>(c.page)->findChild<QPushButton*>("defaultSetting"), Qt::LeftButton);
        EXPECT_FALSE(c.edited()) << c.page;
        EXPECT_EQ(shown(undoAction()), "Undo Default Setting") << c.page;
        window->setFocus();
        undo();
        EXPECT_TRUE(c.edited()) << c.page;
        EXPECT_EQ(view().currentTab(), c.tab);
    }
}

}  // namespace
}  // namespace zem::test
