// On Line Power Set from the window: the access code, then the power dialog
// reading and writing the power values of the virtual radio.
#include "gui/link/gui_test_support.h"

#include "app/main_window.h"
#include "channels/band.h"
#include "channels/channel_codec.h"
#include "channels/channel_page.h"
#include "link/port_selection.h"
#include "service/access_code.h"
#include "service/password_dialog.h"
#include "service/power_set_dialog.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zem::gui {
namespace {

using test::RadioOnPty;
using test::WaitUntil;
using test::WhenModal;

const QString kAccessCode = QStringLiteral("52038417");

RadioImage RadioWithPowerValues() {
    RadioImage image = NewDocumentImage();
    test::RecordingMessenger quiet;
    ApplyChannelDefaults(image, 0, 0, quiet);
    for (int i = 0; i < 14; ++i) {
        image[0x3D0 + i] = static_cast<std::uint8_t>(10 + i);
    }
    image[0x3DE] = 0xAB;
    image[0x3DF] = 0xCD;
    return image;
}

class PowerSetWindow : public ::testing::Test {
protected:
    test::RecordingMessenger messenger;
    std::unique_ptr<MainWindow> window;
    bool powerDialogShown = false;

    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->setMessenger(&messenger);
        window->show();
    }

    CKivuView& view() { return window->view(); }
    RadioImage& image() { return window->document().image(); }

    // Runs the command, types code into the access code dialog (or cancels
    // it when code is null) and hands the power dialog, if it opens, to use;
    // use must end the dialog.
    void runCommand(int command, const QString* code, std::function<void(CPowerSetDlg*)> use = {}) {
        WhenModal<CPasswordDlg>([code](CPasswordDlg* dialog) {
            if (code == nullptr) {
                dialog->reject();
                return;
            }
            QTest::keyClicks(dialog->edit(), *code);
            QTest::keyClick(dialog->edit(), Qt::Key_Return);
        });
        QPointer<QTimer> power = WhenModal<CPowerSetDlg>([this, use](CPowerSetDlg* dialog) {
            powerDialogShown = true;
            if (use) {
                use(dialog);
            } else {
                dialog->reject();
            }
        });
        window->action(command)->trigger();
        delete power.data();
    }

    static void press(QPushButton* button, CPowerSetDlg* dialog) {
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([dialog] { return dialog->readButton()->isEnabled(); }));
    }
};

TEST_F(PowerSetWindow, WrongCodesAreRefusedWithoutTheDialog) {
    for (const QString& code : {QString(), QStringLiteral("5203841"), QStringLiteral("52038417 "),
                               QStringLiteral("520384170")}) {
        messenger.clear();
        runCommand(kCmdOnLinePowerSet, &code);
        EXPECT_EQ(messenger.texts(), std::vector<std::string>{kMsgWrongAccessCode}) << code.toStdString();
        EXPECT_FALSE(powerDialogShown) << code.toStdString();
    }
    messenger.clear();
    runCommand(kCmdOnLinePowerSet, nullptr);
    EXPECT_TRUE(messenger.empty()) << "Cancel says nothing";
    EXPECT_FALSE(powerDialogShown);
}

TEST_F(PowerSetWindow, ToolbarButtonOpensTheSameCommandAndKeepsThePageEdits) {
    view().selectTab(CKivuView::kOptionTab);
    auto* squelch = view().findChild<QComboBox*>(QStringLiteral("squelchLevel"));
    ASSERT_NE(squelch, nullptr);
    squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    const RadioImage before = image();

    runCommand(kCmdDebugTxPower, &kAccessCode);

    EXPECT_TRUE(powerDialogShown);
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
    EXPECT_NE(image(), before) << "the options page was stored when the command left it";
    EXPECT_EQ(image(), view().storedImage());

    // Ctrl+T asks for the code as well.
    bool asked = false;
    QPointer<QTimer> waiting = WhenModal<CPasswordDlg>([&asked](CPasswordDlg* dialog) {
        asked = true;
        dialog->reject();
    });
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    delete waiting.data();
    EXPECT_TRUE(asked);
}

TEST_F(PowerSetWindow, DialogShowsTheRangeOfTheChosenBand) {
    RadioImage band = NewDocumentImage();
    test::RecordingMessenger quiet;
    ApplyChannelDefaults(band, 0, 1, quiet);  // 220-280 MHz
    image() = band;
    view().fillAllPages();
    ASSERT_EQ(view().channelPage().values().bandIndex, 1);

    runCommand(kCmdOnLinePowerSet, &kAccessCode, [](CPowerSetDlg* dialog) {
        EXPECT_EQ(dialog->maxFreqEdit()->text(), QStringLiteral("280.00000"));
        EXPECT_EQ(dialog->minFreqEdit()->text(), QStringLiteral("220.00000"));
        EXPECT_EQ(dialog->rowLabel(1)->text(), QStringLiteral("400-410(MHZ)"));
        EXPECT_EQ(dialog->values(), DefaultPowerValues());
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(powerDialogShown);
}

TEST_F(PowerSetWindow, ReadShowsTheRadiosValuesAndRefreshesTheChannels) {
    const RadioImage radioMemory = RadioWithPowerValues();
    RadioOnPty radio(radioMemory);
    window->findChild<PortSelection*>()->setPort(radio.path());
    const RadioImage before = image();

    runCommand(kCmdOnLinePowerSet, &kAccessCode, [](CPowerSetDlg* dialog) {
        press(dialog->readButton(), dialog);
        for (int p = 1; p <= 7; ++p) {
            EXPECT_EQ(dialog->lowCombo(p)->currentText(), QString::number(9 + p));
            EXPECT_EQ(dialog->highCombo(p)->currentText(), QString::number(16 + p));
        }
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    });

    EXPECT_TRUE(messenger.empty());
    EXPECT_TRUE(std::equal(radioMemory.bytes.begin(), radioMemory.bytes.begin() + 0xB0, image().bytes.begin()));
    EXPECT_TRUE(std::equal(radioMemory.bytes.begin() + 0x3D0, radioMemory.bytes.begin() + 0x3E0,
                           image().bytes.begin() + 0x3D0));
    EXPECT_TRUE(std::equal(before.bytes.begin() + 0xB0, before.bytes.begin() + 0x3D0, image().bytes.begin() + 0xB0))
        << "the rest of the image is not the power read's";
    ChannelPageValues expected;
    FillFromImage(image(), expected);
    EXPECT_EQ(view().channelPage().values().cells, expected.cells);
    EXPECT_EQ(view().currentTab(), CKivuView::kChannelTab);
}

TEST_F(PowerSetWindow, WriteSendsTheChosenValuesWithTheRadiosOwnLastBytes) {
    const RadioImage radioMemory = RadioWithPowerValues();
    RadioOnPty radio(radioMemory);
    window->findChild<PortSelection*>()->setPort(radio.path());

    runCommand(kCmdOnLinePowerSet, &kAccessCode, [](CPowerSetDlg* dialog) {
        dialog->lowCombo(1)->setCurrentIndex(200);
        press(dialog->writeButton(), dialog);
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    });

    EXPECT_TRUE(messenger.empty());
    const std::uint8_t expected[16] = {200, 65, 65, 60, 60, 50, 50, 45, 50, 50, 65, 65, 65, 60, 0xAB, 0xCD};
    const RadioImage& memory = radio.memory();
    EXPECT_TRUE(std::equal(expected, expected + 16, memory.bytes.begin() + 0x3D0));
    EXPECT_TRUE(std::equal(expected, expected + 16, image().bytes.begin() + 0x3D0));
    EXPECT_TRUE(std::equal(radioMemory.bytes.begin(), radioMemory.bytes.begin() + 0x3D0, memory.bytes.begin()))
        << "only the power values were written";
}

}  // namespace
}  // namespace zem::gui
