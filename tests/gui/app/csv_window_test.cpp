// File, Import CSV... and Export CSV... from the window.
#include "app_test_support.h"

#include "common/refusal_list_dialog.h"
#include "workbench/csv_commands.h"

#include <QAction>
#include <QClipboard>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace zem::test {
namespace {

class CsvWindowTest : public WindowTest {
protected:
    QUndoStack& history() { return window->document().undoStack(); }
};

TEST_F(CsvWindowTest, ExportedListImportsBackAsOneUndoStep) {
    enterValue(1, 1, "145.5");
    enterValue(4, 1, "146.025");
    clickCell(4, 3);
    type("67.0");
    press(Qt::Key_Return);
    const QString path = tempPath("plan.csv");
    dialogs.csvSaveNames = {path};
    trigger(gui::kCmdExportCsv);
    const QByteArray written = readFile(path);
    ASSERT_TRUE(written.startsWith("Ch,Receive,Transmit,QT/DQT DEC,QT/DQT ENC,Scan,Power,W/N,Busy,PTT\r\n"));
    EXPECT_TRUE(written.contains("\r\n4,146.02500,146.02500,67.0,")) << written.toStdString();
    const RadioImage exported = view().storedImage();

    dialogs.saveChoices = {gui::UserDialogs::SaveChoice::Discard};
    trigger(gui::kCmdFileNew);
    view().selectTab(gui::CKivuView::kKeyTab);
    dialogs.csvOpenNames = {path};
    trigger(gui::kCmdImportCsv);

    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    EXPECT_EQ(view().currentTab(), gui::CKivuView::kChannelTab);
    // The channels come back as the radio would store them.
    const RadioImage imported = view().storedImage();
    EXPECT_TRUE(std::equal(imported.bytes.begin() + 0x010, imported.bytes.begin() + 0x110,
                           exported.bytes.begin() + 0x010));
    EXPECT_EQ(cell(4, 3), "67.0");
    ASSERT_EQ(history().count(), 1);
    EXPECT_EQ(history().text(0), "Import CSV");
    EXPECT_TRUE(window->document().isModified());
    history().undo();
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_FALSE(window->document().isModified());
}

// A list with a bad value in every cell changes nothing; its 144 refusals
// come in one window that fits the screen, scrolls, and copies them.
TEST_F(CsvWindowTest, ListWithBadRowsChangesNothingAndListsEveryRefusalInOneWindow) {
    enterValue(2, 1, "150");
    const RadioImage shown = view().storedImage();
    const int steps = history().count();
    QByteArray text = "Ch,Receive,Transmit,QT/DQT DEC,QT/DQT ENC,Scan,Power,W/N,Busy,PTT\r\n";
    for (int channel = 1; channel <= 16; ++channel)
        text += QByteArray::number(channel) + ",999,999,12.3,12.3,Maybe,Maybe,Maybe,Maybe,Maybe\r\n";
    const QString path = tempPath("bad.csv");
    writeFile(path, text);

    window->setMessenger(nullptr);  // the desktop's own boxes
    int lines = 0;
    int height = 0;
    QString copied;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<gui::RefusalListDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        answer.stop();
        lines = dialog->list().count();
        height = dialog->frameGeometry().height();
        QTest::mouseClick(dialog->findChild<QPushButton*>("copy"), Qt::LeftButton);
        copied = QApplication::clipboard()->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    answer.start(10);
    dialogs.csvOpenNames = {path};
    trigger(gui::kCmdImportCsv);
    window->setMessenger(&messages);

    EXPECT_EQ(lines, 144);
    EXPECT_GT(height, 0);
    EXPECT_LE(height, window->screen()->availableGeometry().height());
    EXPECT_TRUE(copied.startsWith("line 2, channel 1, Receive \"999\": ")) << copied.toStdString();
    EXPECT_TRUE(copied.endsWith("line 17, channel 16, PTT \"Maybe\": must be one of On, Off")) << copied.toStdString();
    EXPECT_EQ(view().storedImage(), shown);
    EXPECT_EQ(cell(2, 1), "150.00000");
    EXPECT_EQ(history().count(), steps);

    // A file that cannot be read, and a cancelled chooser, change nothing either.
    dialogs.csvOpenNames = {tempPath("missing.csv"), QString()};
    trigger(gui::kCmdImportCsv);
    trigger(gui::kCmdImportCsv);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(view().storedImage(), shown);
}

}  // namespace
}  // namespace zem::test
