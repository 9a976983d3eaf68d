// Program, Compare with file...: what the pages show against a program file.
#include "gui/support/window_test.h"

#include "workbench/compare_commands.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

namespace zem::test {
namespace {

class CompareFileTest : public WindowTest {
protected:
    // Runs Compare with file... on path and returns the rows listed
    // ("where|document|file") and the summary line.
    QStringList compareWith(const QString& path, QString* summary = nullptr, bool* copyEnabled = nullptr) {
        QStringList rows;
        WhenModal<gui::CompareDialog>([&](gui::CompareDialog* dialog) {
            for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = dialog->list()->topLevelItem(i);
                rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
            }
            if (summary) *summary = dialog->findChild<QLabel*>("summary")->text();
            if (copyEnabled) *copyEnabled = dialog->findChild<QPushButton*>("copy")->isEnabled();
            dialog->reject();
        });
        dialogs.openNames = {path};
        window->action(gui::kCmdCompareWithFile)->trigger();
        return rows;
    }
};

TEST_F(CompareFileTest, ListsWhatThePagesShowDifferentlyAndNothingElse) {
    enterValue(2, 1, "146.5");
    const QString path = tempPath("plan.Zem");
    dialogs.saveNames = {path};
    window->action(gui::kCmdFileSaveAs)->trigger();

    QString summary;
    bool copyEnabled = true;
    EXPECT_TRUE(compareWith(path, &summary, &copyEnabled).isEmpty());
    EXPECT_EQ(summary.toStdString(), gui::CompareDialog::kNoDifference);
    EXPECT_FALSE(copyEnabled);

    // A settings edit not yet stored counts; an open editor is committed.
    view().selectTab(gui::CKivuView::kKeyTab);
    auto* duration = view().findChild<QComboBox*>("longPressDuration");
    duration->setCurrentIndex((duration->currentIndex() + 1) % duration->count());
    const QString shownDuration = duration->currentText();
    view().selectTab(gui::CKivuView::kChannelTab);
    clickCell(2, 5);
    const RadioImage before = window->document().image();
    const QStringList rows = compareWith(path);
    ASSERT_EQ(rows.size(), 1) << rows.join("; ").toStdString();
    EXPECT_TRUE(rows.front().startsWith("Long Press Duration(s)|" + shownDuration + "|")) << rows.front().toStdString();
    EXPECT_EQ(window->document().image(), before) << "comparing stores nothing";
    EXPECT_TRUE(messages.empty());

    // A file that is no program file is refused with the file's message.
    const QString shortFile = tempPath("short.Zem");
    writeFile(shortFile, QByteArray(10, '\0'));
    dialogs.openNames = {shortFile};
    window->action(gui::kCmdCompareWithFile)->trigger();
    EXPECT_EQ(messages.texts().size(), 1u);
}

}  // namespace
}  // namespace zem::test
