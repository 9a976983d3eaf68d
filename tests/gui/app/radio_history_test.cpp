// The radio history's list: notes and deleting from the list. (Which reads
// are kept, their names and the room made are the core's rules.)
#include "gui/support/window_test.h"

#include "workbench/radio_history.h"

#include <QInputMethodEvent>

namespace zem::test {
namespace {

// Note... opens the note of the current read for typing; Delete asks, then
// deletes the read and its note.
TEST(RadioHistory, ANoteIsTypedInTheListAndDeleteRemovesTheRead) {
    QTemporaryDir folder;
    gui::RadioHistory history(folder.path());
    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0, 0));
    history.add(BandImage(0), start);
    const QString newer = history.add(BandImage(2), start.addSecs(60));
    RecordingMessenger messenger;
    auto dialog = std::make_unique<gui::RadioHistoryDialog>(history, messenger);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTreeWidget* list = dialog->list();
    list->setCurrentItem(list->topLevelItem(1));
    QTest::mouseClick(dialog->findChild<QPushButton*>("note"), Qt::LeftButton);
    auto* editor = list->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Jose's car, ");
    // Letters beyond the keyboard's arrive from the input method.
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("张伟"));
    QApplication::sendEvent(editor, &composed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog->isVisible()) << "Enter ends the note, it does not open the read";
    EXPECT_EQ(history.entries().at(1).note, QString::fromUtf8("Jose's car, 张伟"));
    EXPECT_TRUE(history.entries().at(0).note.isEmpty());

    messenger.scriptAnswers({false, true});
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(history.entries().size(), 2) << "the question was answered Cancel";
    QTest::mouseClick(dialog->findChild<QPushButton*>("delete"), Qt::LeftButton);
    const std::string question = "Delete the read of 2026-03-01 09:00:00 from the radio history?";
    EXPECT_EQ(messenger.texts(), std::vector<std::string>(2, question));
    // The read and its note are gone.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QFileInfo(newer).fileName()});
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));

    // A note read back by a new list.
    history.setNote(newer, "spare");
    EXPECT_EQ(gui::RadioHistoryDialog(history, messenger).list()->topLevelItem(0)->text(gui::RadioHistoryDialog::kNote),
              "spare");
}

}  // namespace
}  // namespace zem::test
