// Tab changes, the return to the channel tab, and the options and key pages
// as the user works them.
#include "app_test_support.h"

#include "app/help_window.h"
#include "pages/option_values.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

namespace zem::test {
namespace {

class ViewPagesTest : public WindowTest {
protected:
    QTabBar& tabs() { return *view().findChild<QTabBar*>("pageTabs"); }
    void clickTab(int tab) {
        QTest::mouseClick(&tabs(), Qt::LeftButton, {}, tabs().tabRect(tab).center());
    }
    template <typename T>
    T* control(const char* name) {
        T* widget = view().findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    const RadioImage& image() { return window->document().image(); }
};

TEST_F(ViewPagesTest, TabChangeStoresThePageLeftAndRefillsThePageShown) {
    clickTab(1);
    EXPECT_EQ(view().currentTab(), 1);
    auto* start = control<QLineEdit>("pttIdStart");
    start->setText("123");
    clickTab(2);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kMsgPttIdTooShort});
    EXPECT_EQ(image()[0x210], 1);
    EXPECT_EQ(image()[0x213], 0);
    clickTab(1);
    EXPECT_EQ(start->text(), "12300000");
}

TEST_F(ViewPagesTest, GridIsStoredAndShownReEncodedAfterATabChange) {
    enterValue(1, 1, "145.0125");
    clickTab(2);
    EXPECT_EQ(image()[0x010], 0x50);
    EXPECT_EQ(image()[0x013], 0x14);
    clickTab(0);
    EXPECT_EQ(cell(1, 1), "145.01250");
    EXPECT_EQ(cell(1, 5), "Yes");
}

TEST_F(ViewPagesTest, ValueBeingTypedIsCommittedWhenTheTabChanges) {
    enterValue(1, 1, "145");
    clickCell(2, 1);
    type("146.5");
    clickTab(1);
    EXPECT_EQ(image()[0x020 + 3], 0x14);
    EXPECT_EQ(image()[0x020 + 2], 0x65);
    clickTab(0);
    EXPECT_EQ(cell(2, 1), "146.50000");
}

TEST_F(ViewPagesTest, EditChannelKeepsTheEditsOfThePageItLeaves) {
    clickTab(1);
    auto* scan = control<QComboBox>("scanMode");
    ASSERT_EQ(scan->currentIndex(), 1);  // "Carrier" in a new document
    scan->setCurrentIndex(0);
    window->action(gui::kCmdEditChannel)->trigger();

    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please directly double click inside the table"});
    EXPECT_EQ(view().currentTab(), 0);
    EXPECT_EQ(tabs().currentIndex(), 0);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(focus(), &grid());
    EXPECT_EQ(image()[0x131] & 0x02, 0);
    clickTab(1);
    EXPECT_EQ(scan->currentIndex(), 0);
}

TEST_F(ViewPagesTest, NewWhileTheKeyPageIsShownRefillsEverythingAndShowsTheChannelTab) {
    clickTab(2);
    control<QComboBox>("topLong")->setCurrentIndex(9);
    dialogs.saveChoices = {gui::UserDialogs::SaveChoice::Discard};
    window->action(gui::kCmdFileNew)->trigger();
    EXPECT_EQ(view().currentTab(), 0);
    EXPECT_EQ(control<QComboBox>("topLong")->currentText(), "Alarm");
    EXPECT_EQ(image()[0x13F], 0x46);
}

TEST_F(ViewPagesTest, SquelchAndDtmfSpeedPicksFallBackToTheirFixedEntries) {
    clickTab(1);
    auto* squelch = control<QComboBox>("squelchLevel");
    auto* speed = control<QComboBox>("dtmfSpeed");
    squelch->setFocus();
    squelch->setCurrentIndex(9);
    emit squelch->activated(9);
    speed->setCurrentIndex(11);
    emit speed->activated(11);
    EXPECT_EQ(squelch->currentText(), "4");
    EXPECT_EQ(speed->currentText(), "6");
    clickTab(0);
    EXPECT_EQ(image()[0x134], 4);
    EXPECT_EQ(image()[0x133], 6);
}

TEST_F(ViewPagesTest, EnterAndEscapeMoveOnLikeTabOnTheSettingsPages) {
    clickTab(1);
    auto* lock = control<QComboBox>("lockDetect");
    lock->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focus(), control<QComboBox>("dtmfSpeed"));
    press(Qt::Key_Escape);
    EXPECT_EQ(focus(), control<QComboBox>("firstDigitTime"));
    control<QLineEdit>("pttIdStart")->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focus(), control<QLineEdit>("pttIdEnd"));
    EXPECT_TRUE(window->isVisible());

    clickTab(2);
    control<QComboBox>("topLong")->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focus(), control<QComboBox>("topShort"));
}

TEST_F(ViewPagesTest, DefaultSettingButtonsRestoreTheirPagesOnly) {
    clickTab(1);
    control<QCheckBox>("scramble")->setChecked(true);
    control<QLineEdit>("pttIdEnd")->setText("9");
    view().findChild<QWidget*>("optionPage")->findChild<QPushButton*>("defaultSetting")->click();
    EXPECT_FALSE(control<QCheckBox>("scramble")->isChecked());
    EXPECT_EQ(control<QLineEdit>("pttIdEnd")->text(), "12345678");

    clickTab(2);
    auto* keyPage = view().findChild<QWidget*>("keyPage");
    auto* bottomShort = keyPage->findChild<QComboBox*>("bottomShort");
    bottomShort->setCurrentIndex(7);
    keyPage->findChild<QPushButton*>("defaultSetting")->click();
    EXPECT_EQ(bottomShort->currentText(), "Monitor");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewPagesTest, F1OpensTheTopicOfThePageShown) {
    clickTab(1);
    window->action(gui::kCmdHelp)->trigger();
    gui::HelpWindow* help = &gui::HelpWindow::Instance(window.get());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentTopic(), "optional_features.html");
    window->action(gui::kCmdHelpContents)->trigger();
    EXPECT_EQ(help->currentTopic(), "contents.html");
    help->close();
}

TEST_F(ViewPagesTest, HoverHintsNameWhatTheCursorIsOver) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&page().bandCombo(), &enter);
    EXPECT_EQ(window->statusBar()->currentMessage(), "Please click the CommBox to choose value");
    QApplication::sendEvent(grid().viewport(), &enter);
    EXPECT_EQ(window->statusBar()->currentMessage(), "Please Click the cell to edit or input data");
    QApplication::sendEvent(&page().defaultButton(), &enter);
    EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8("For help，please press F1"));
}

}  // namespace
}  // namespace zem::test
