#include "link/port_dialog.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "support/recording_messenger.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace zem::gui {
namespace {

TEST(PortEntry, AcceptsPortNumbersAndDevicePaths) {
    const struct {
        const char* entry;
        const char* port;
    } cases[] = {
        {"1", "1"},     {"99", "99"},   {"012", "12"}, {" 7 ", "7"}, {"0", ""},
        {"100", ""},    {"-3", ""},     {"abc", ""},   {"", ""},     {"3x", ""},
        {"99999999999", ""},
#ifndef _WIN32
        {"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/", ""},  {"dev/ttyS0", ""},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CPortDlg::NormalisedPort(QString::fromUtf8(c.entry)).toStdString(), c.port) << c.entry;
    }
}

TEST(PortSelectionTest, ReadsThePortOption) {
    const struct {
        QStringList arguments;
        const char* port;
    } cases[] = {
        {{}, ""},
        {{"--port", "7"}, "7"},
        {{"file.Zem", "--port=12"}, "12"},
        {{"--port", "0"}, ""},
        {{"--port"}, ""},
#ifndef _WIN32
        {{"--port", "/dev/pts/4", "x.Zem"}, "/dev/pts/4"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortSelection::FromArguments(c.arguments).toStdString(), c.port) << c.arguments.join(' ').toStdString();
    }
}

class PortDialog : public ::testing::Test {
protected:
    test::RecordingMessenger messenger;
    CPortDlg dialog{messenger};

    void SetUp() override {
        dialog.setPort(QStringLiteral("5"));
        dialog.show();
    }

    void type(const QString& text) {
        dialog.edit()->clear();
        QTest::keyClicks(dialog.edit(), text);
    }
};

TEST_F(PortDialog, RefusesEntriesOutsideOneToNinetyNineAndStaysOpen) {
    for (const char* entry : {"0", "100", ""}) {
        messenger.clear();
        type(QString::fromUtf8(entry));
        QTest::keyClick(dialog.edit(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << entry;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << entry;
        EXPECT_EQ(messenger.texts(), std::vector<std::string>{CPortDlg::kMsgBadPort}) << entry;
        EXPECT_EQ(dialog.port(), QStringLiteral("5"));
    }
    type(QStringLiteral("12"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.port(), QStringLiteral("12"));
}

TEST_F(PortDialog, PickingAFoundPortChoosesItsNumberOrItsPath) {
    dialog.setAvailablePorts({{33, "/dev/ttyUSB0", "USB serial cable"}, {0, "/dev/pts/7", ""}});
    QTreeWidget* list = dialog.portList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("USB serial cable"));

    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(dialog.edit()->text(), QStringLiteral("33"));
#ifndef _WIN32
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(dialog.edit()->text(), QStringLiteral("/dev/pts/7"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    EXPECT_EQ(dialog.port(), QStringLiteral("/dev/pts/7"));
#endif
}

class ProgressWindow : public ::testing::Test {
protected:
    CProgressDlg dialog;
    QSignalSpy starts{&dialog, &CProgressDlg::startRequested};
    QSignalSpy cancels{&dialog, &CProgressDlg::cancelRequested};

    void SetUp() override {
        dialog.prepare(QStringLiteral("Reading Data Progress"));
        dialog.show();
    }
};

TEST_F(ProgressWindow, StartsIdleAndCancelCloses) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reading Data Progress"));
    EXPECT_EQ(dialog.statusText(), QStringLiteral("Ready ......"));
    EXPECT_EQ(dialog.bar()->minimum(), 0);
    EXPECT_EQ(dialog.bar()->maximum(), 123);
    EXPECT_EQ(dialog.bar()->value(), 0);
    EXPECT_TRUE(dialog.startButton()->isEnabled());

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(starts.count(), 0);
    EXPECT_EQ(cancels.count(), 0);
    EXPECT_FALSE(dialog.cancelFlag().load());
}

TEST_F(ProgressWindow, CancelDuringARunOnlyRaisesTheFlag) {
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    EXPECT_EQ(starts.count(), 1);
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    EXPECT_TRUE(dialog.isRunning());

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.cancelFlag().load());
    EXPECT_EQ(cancels.count(), 1);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());

    dialog.endRun(false);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isRunning());

    // The next run starts clean.
    dialog.prepare(QStringLiteral("Writing Data Progress"));
    EXPECT_FALSE(dialog.cancelFlag().load());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Writing Data Progress"));
}

}  // namespace
}  // namespace zem::gui
