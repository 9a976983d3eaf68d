#include "service/password_dialog.h"
#include "service/power_set_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zem::gui {
namespace {

TEST(AccessCodeDialog, MasksTheEntryAndTakesElevenCharactersAtMost) {
    CPasswordDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zem Programming Software"));
    EXPECT_EQ(dialog.edit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(dialog.edit(), QStringLiteral("123456789012345"));
    EXPECT_EQ(dialog.edit()->text(), QStringLiteral("12345678901"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.password(), QStringLiteral("12345678901"));
}

TEST(AccessCodeDialog, CancelLeavesNoText) {
    CPasswordDlg dialog;
    dialog.show();
    QTest::keyClicks(dialog.edit(), QStringLiteral("52038417"));
    QTest::keyClick(dialog.edit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.password().isEmpty());
}

TEST(PowerDialog, DefaultSettingRestoresTheFourteenValues) {
    CPowerSetDlg dialog(136.0, 174.0);
    EXPECT_EQ(dialog.lowCombo(1)->count(), 256);
    EXPECT_EQ(dialog.lowCombo(1)->itemText(255), QStringLiteral("255"));
    EXPECT_EQ(dialog.values(), DefaultPowerValues());

    PowerValues changed;
    for (int p = 0; p < CPowerSetDlg::kPoints; ++p) {
        changed.low[p] = static_cast<std::uint8_t>(200 + p);
        changed.high[p] = static_cast<std::uint8_t>(p);
    }
    dialog.setValues(changed);
    EXPECT_EQ(dialog.highCombo(7)->currentText(), QStringLiteral("6"));
    EXPECT_EQ(dialog.values(), changed);

    QTest::mouseClick(dialog.defaultButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.values(), DefaultPowerValues());
}

TEST(PowerDialog, ExitDuringAnExchangeWaitsForItsEnd) {
    CPowerSetDlg dialog(136.0, 174.0);
    QSignalSpy reads(&dialog, &CPowerSetDlg::readRequested);
    dialog.show();
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    EXPECT_EQ(reads.count(), 1);

    dialog.setExchanging(true);
    EXPECT_FALSE(dialog.readButton()->isEnabled());
    EXPECT_FALSE(dialog.writeButton()->isEnabled());
    QTest::mouseClick(dialog.exitButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());

    dialog.setExchanging(false);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zem::gui
