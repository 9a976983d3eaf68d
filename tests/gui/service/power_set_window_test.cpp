// On Line Power Set: the access code, then the power dialog reading and
// writing the power values of the virtual radio.
#include "gui/support/window_test.h"

#include "service/access_code.h"
#include "service/password_dialog.h"
#include "service/power_set_dialog.h"

namespace zem::gui {
namespace {

using test::WaitUntil;
using test::WhenModal;

const QString kAccessCode = QStringLiteral("52038417");

// A radio on the first band with power values 10..23 of its own and last
// bytes AB CD behind them.
RadioImage RadioWithPowerValues() {
    RadioImage image = test::BandImage(0);
    for (int i = 0; i < 14; ++i) image[0x3D0 + i] = static_cast<std::uint8_t>(10 + i);
    image[0x3DE] = 0xAB;
    image[0x3DF] = 0xCD;
    return image;
}

class PowerSetWindow : public test::WindowTest {
protected:
    bool powerDialogShown = false;

    // Runs the command, types code into the access code dialog and hands
    // the power dialog, if it opens, to use; use must end the dialog.
    void runCommand(int command, const QString& code, std::function<void(CPowerSetDlg*)> use = {}) {
        WhenModal<CPasswordDlg>([code](CPasswordDlg* dialog) {
            QTest::keyClicks(dialog->edit(), code);
            QTest::keyClick(dialog->edit(), Qt::Key_Return);
        });
        QPointer<QTimer> power = WhenModal<CPowerSetDlg>([this, use](CPowerSetDlg* dialog) {
            powerDialogShown = true;
            use ? use(dialog) : dialog->reject();
        });
        window->action(command)->trigger();
        delete power.data();
    }
};

TEST_F(PowerSetWindow, WrongCodesAreRefusedWithoutTheDialogAndTheCodeIsTypedMasked) {
    // Which codes open is the core's rule; here a near one.
    runCommand(kCmdOnLinePowerSet, QStringLiteral("52038417 "));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kMsgWrongAccessCode});
    EXPECT_FALSE(powerDialogShown);
    // Ctrl+T asks for the code as well, masked and eleven characters at
    // most; Cancel says nothing.
    messages.clear();
    bool asked = false;
    QPointer<QTimer> waiting = WhenModal<CPasswordDlg>([&asked](CPasswordDlg* dialog) {
        asked = true;
        EXPECT_EQ(dialog->edit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog->edit(), QStringLiteral("123456789012345"));
        EXPECT_EQ(dialog->edit()->text(), QStringLiteral("12345678901"));
        dialog->reject();
    });
    press(Qt::Key_T, Qt::ControlModifier);
    delete waiting.data();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(powerDialogShown);
}

TEST_F(PowerSetWindow, ToolbarButtonKeepsThePageEditsAndShowsTheBandsRange) {
    load(test::BandImage(1));  // 220-280 MHz
    ASSERT_EQ(view().channelPage().values().bandIndex, 1);
    editOptionPage();
    const RadioImage before = image();

    runCommand(kCmdDebugTxPower, kAccessCode, [](CPowerSetDlg* dialog) {
        EXPECT_EQ(dialog->maxFreqEdit()->text(), QStringLiteral("280.00000"));
        EXPECT_EQ(dialog->minFreqEdit()->text(), QStringLiteral("220.00000"));
        EXPECT_EQ(dialog->values(), DefaultPowerValues());
        // Each of the fourteen lists offers 0-255; Default Setting brings
        // back the factory values (which they are is the core's case).
        for (int p = 1; p <= CPowerSetDlg::kPoints; ++p) {
            for (QComboBox* list : {dialog->lowCombo(p), dialog->highCombo(p)}) {
                ASSERT_EQ(list->count(), 256) << p;
                list->setCurrentIndex(200 + p);
            }
        }
        QTest::mouseClick(dialog->defaultButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->values(), DefaultPowerValues());
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    });

    EXPECT_TRUE(powerDialogShown);
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
    EXPECT_NE(image(), before) << "the options page was stored when the command left it";
    EXPECT_EQ(image(), view().storedImage());
}

// Read shows the radio's values and refreshes the channels it covers; Write
// then sends the chosen values with the radio's own last two bytes. Exit
// during the write waits for its end.
TEST_F(PowerSetWindow, ReadRefreshesTheChannelsAndWriteSendsOnlyThePowerRow) {
    const RadioImage radioMemory = RadioWithPowerValues();
    auto& radio = plugIn(radioMemory);
    // A channel the radio's bytes do not cover, edited but not yet stored.
    enterValue(16, 1, QStringLiteral("150.125"));
    RadioImage before = image();
    StoreToImage(page().values(), before);

    runCommand(kCmdOnLinePowerSet, kAccessCode, [](CPowerSetDlg* dialog) {
        QTest::mouseClick(dialog->readButton(), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([dialog] { return dialog->readButton()->isEnabled(); }));
        EXPECT_EQ(dialog->values(), PowerValuesFromImage(RadioWithPowerValues()));
        EXPECT_EQ(dialog->highCombo(7)->currentText(), QStringLiteral("23"));
        dialog->lowCombo(1)->setCurrentIndex(200);
        QTest::mouseClick(dialog->writeButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->readButton()->isEnabled());
        EXPECT_FALSE(dialog->writeButton()->isEnabled());
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_TRUE(WaitUntil([dialog] { return !dialog->isVisible(); }));
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    });

    EXPECT_TRUE(messages.empty());
    RadioImage expected = radioMemory;
    expected[0x3D0] = 200;  // the chosen value, the rest as read (what a write sends is the core's case)
    EXPECT_EQ(radio.memory(), expected) << "only the power values were written";
    // The document takes the channels the read covers and the power values;
    // the rest, the edit outside the read with it, stays.
    std::copy_n(&expected[0], 0xB0, &before[0]);
    std::copy_n(&expected[0x3D0], 0x10, &before[0x3D0]);
    EXPECT_EQ(image(), before);
    EXPECT_EQ(DiffAsShown(image(), view().storedImage()), std::vector<std::string>{}) << "the pages show it";
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
}

}  // namespace
}  // namespace zem::gui
