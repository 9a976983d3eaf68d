// File, Import CSV... and Export CSV... from the window.
#include "app_test_support.h"

#include "workbench/csv_commands.h"

#include <QAction>
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

TEST_F(CsvWindowTest, ListWithBadRowsChangesNothingAndNamesEveryRefusal) {
    enterValue(2, 1, "150");
    const RadioImage shown = view().storedImage();
    const int steps = history().count();
    const QString path = tempPath("bad.csv");
    writeFile(path,
              "Ch,Receive,Transmit,Power\r\n"
              "1,145.5,145.5,High\r\n"
              "2,999,146,Low\r\n"
              "3,146.5,146.5,Medium\r\n");
    dialogs.csvOpenNames = {path};
    trigger(gui::kCmdImportCsv);

    ASSERT_EQ(messages.texts().size(), 1u) << "one dialog";
    const std::string text = messages.texts().front();
    EXPECT_EQ(text.rfind(gui::CsvCommands::kMsgImportRefused, 0), 0u) << text;
    EXPECT_NE(text.find("line 3, channel 2, Receive \"999\""), std::string::npos) << text;
    EXPECT_NE(text.find("line 4, channel 3, Power \"Medium\""), std::string::npos) << text;
    EXPECT_EQ(text.find("line 2"), std::string::npos) << text;
    EXPECT_EQ(view().storedImage(), shown);
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_EQ(cell(2, 1), "150.00000");
    EXPECT_EQ(history().count(), steps);

    // A file that cannot be read, and a cancelled chooser, change nothing either.
    messages.clear();
    dialogs.csvOpenNames = {tempPath("missing.csv"), QString()};
    trigger(gui::kCmdImportCsv);
    trigger(gui::kCmdImportCsv);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(view().storedImage(), shown);
}

}  // namespace
}  // namespace zem::test
