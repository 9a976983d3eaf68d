// File, Import channel list... and Export channel list..., and plans as text, from the window.
#include "gui/support/window_test.h"

#include "plan/exchange_formats.h"
#include "plan/plan_text.h"
#include "workbench/csv_commands.h"

namespace zem::test {
namespace {

using CsvWindowTest = WindowTest;

TEST_F(CsvWindowTest, ExportedListImportsBackAsOneUndoStep) {
    enterValue(4, 1, "146.025");
    const QString path = tempPath("plan.csv");
    dialogs.csvSaveNames = {path};
    trigger(gui::kCmdExportCsv);
    ASSERT_TRUE(readFile(path).startsWith("Ch,"));  // the list's columns and round trip are the core's to check

    dialogs.saveChoices = {gui::UserDialogs::SaveChoice::Discard};
    trigger(gui::kCmdFileNew);
    view().selectTab(gui::CKivuView::kKeyTab);
    dialogs.csvOpenNames = {path};
    trigger(gui::kCmdImportCsv);

    EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages.texts());
    EXPECT_EQ(view().currentTab(), gui::CKivuView::kChannelTab);
    EXPECT_EQ(cell(4, 1), "146.02500");
    ASSERT_EQ(history().count(), 1);
    EXPECT_EQ(history().text(0), "Import CSV");
    EXPECT_TRUE(window->document().isModified());
    history().undo();
    EXPECT_TRUE(cell(4, 1).isEmpty());
    EXPECT_FALSE(window->document().isModified());
}

// A list with refused values, or a file that cannot be read, changes
// nothing and says so; when other rows fit, OK takes them as one step (the
// rules and their words are the core's).
TEST_F(CsvWindowTest, ListWithBadRowsChangesNothingUnlessTheRowsThatFitAreTaken) {
    enterValue(2, 1, "150");
    const RadioImage shown = view().storedImage();
    const int steps = history().count();
    const QString path = tempPath("bad.csv");
    writeFile(path, "Ch,Receive,PTT\r\n1,146,Maybe\r\n16,999,Off\r\n");
    dialogs.csvOpenNames = {path, tempPath("missing.csv"), QString()};
    for (int i = 0; i < 3; ++i) trigger(gui::kCmdImportCsv);
    ASSERT_EQ(messages.texts().size(), 2u);
    EXPECT_EQ(messages.texts().front().rfind(std::string(zem::kMsgImportRefused) + "\nline 2, channel 1, PTT", 0), 0u);
    EXPECT_NE(messages.texts().front().find("choose the band on the Channel Setting page)"), std::string::npos);
    EXPECT_EQ(view().storedImage(), shown);
    EXPECT_EQ(cell(2, 1), "150.00000");
    EXPECT_EQ(history().count(), steps);

    writeFile(path, "Ch,Receive,PTT\r\n1,146,Maybe\r\n3,147,Off\r\n");
    dialogs.csvOpenNames = {path};
    messages.clear();
    messages.scriptAnswers({true});
    trigger(gui::kCmdImportCsv);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{std::string(zem::kMsgSkipRefused) +
                                                         "\nline 2, channel 1, PTT \"Maybe\": must be one of On, Off"});
    EXPECT_EQ(cell(3, 1), "147.00000");
    EXPECT_EQ(cell(1, 1), QString::fromStdString(PageOf(shown).cells.text(1, kColReceive)));
    EXPECT_EQ(history().count(), steps + 1);
}

using PlanWindowTest = WindowTest;

TEST_F(PlanWindowTest, MemoryListGoesOutAndComesBackThroughTheDialogsAsOneUndoStep) {
    enterValue(1, 1, "145.5");
    clickCell(1, 4);
    type("D023N");
    press(Qt::Key_Return);
    const QString path = tempPath(QStringLiteral("张伟 memories.csv"));
    dialogs.csvSaveNames = {path};
    dialogs.listFormats = {QStringLiteral("memories")};
    trigger(gui::kCmdExportCsv);
    const QByteArray written = readFile(path);
    EXPECT_TRUE(written.startsWith("Location,Name,Frequency,")) << written.toStdString();  // the memory list, not ours

    // Another tool's list with a name this radio does not keep.
    writeFile(path, written + "2,Repeater,146.000000,-,0.600000,Tone,100.0,88.5,023,NN,023,,NFM,5.00,S,5.0W,,\r\n");
    dialogs.saveChoices = {gui::UserDialogs::SaveChoice::Discard};
    trigger(gui::kCmdFileNew);
    dialogs.csvOpenNames = {path};
    trigger(gui::kCmdImportCsv);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts().front(), std::string(zem::kMsgNotStored) +
                                             "\nnames not stored: Location 2 \"Repeater\"");
    EXPECT_EQ(cell(1, 4), "D023N");
    EXPECT_EQ(cell(2, 4), "100.0");
    ASSERT_EQ(history().count(), 1);
    EXPECT_EQ(history().text(0), "Import memory list");
}

TEST_F(PlanWindowTest, APlanSavedAsTextIsSavedBackAsTextAndARefusedOneChangesNothing) {
    if (!PlanTextReadable()) GTEST_SKIP() << "built without the plan-text reader";
    enterValue(3, 1, "146.5");
    const QString path = tempPath(QStringLiteral("José plan.yaml"));
    dialogs.saveNames = {path};
    trigger(gui::kCmdFileSaveAs);
    ASSERT_TRUE(readFile(path).startsWith("zem-plan: 1\n"));

    enterValue(3, 1, "147.5");
    trigger(gui::kCmdFileSave);
    EXPECT_TRUE(readFile(path).contains("{ch: 3, receive: \"147.50000\""));
    EXPECT_FALSE(window->document().isModified());

    writeFile(path, readFile(path).replace("receive: \"147.50000\"", "recieve: \"147.50000\""));
    dialogs.openNames = {path};
    trigger(gui::kCmdFileOpen);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts().front().rfind("The plan José plan.yaml was not opened:\n", 0), 0u)
        << messages.texts().front();
    EXPECT_EQ(cell(3, 1), "147.50000");
}

}  // namespace
}  // namespace zem::test
