// The radio history's folder: names by date and time, newest first, the
// newest 200 kept, a repeated read not kept again, and what the list shows
// of each read; notes and deleting from the list.
#include "gui/support/window_test.h"

#include "workbench/radio_history.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace zem::test {
namespace {

// The demonstration channels of band, told apart by a kept byte.
RadioImage Demo(int band, int mark = 0) {
    RadioImage image = BandImage(band);
    image[0x005] = static_cast<std::uint8_t>(mark);
    return image;
}

TEST(RadioHistory, KeepsTheNewest200NamedByDateAndTime) {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/张伟-XXXXXX"));  // a profile in Chinese
    gui::RadioHistory history(folder.path());
    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0, 0));
    for (int i = 0; i < 203; ++i) ASSERT_FALSE(history.add(Demo(i % 3, i), start.addSecs(i * 3600)).isEmpty()) << i;
    // Two reads in one second both stay.
    const QString again = history.add(Demo(0, 1), start.addSecs(202 * 3600));
    EXPECT_TRUE(again.endsWith("2026-03-09_19-00-00_2.Zem")) << again.toStdString();
    QFile::copy(again, folder.filePath("not a read.Zem"));

    const QList<gui::RadioHistory::Entry> entries = history.entries();
    ASSERT_EQ(entries.size(), gui::RadioHistory::kMaxEntries);
    EXPECT_EQ(entries.front().path, again) << "newest first";
    EXPECT_EQ(entries.at(1).when, start.addSecs(202 * 3600));
    EXPECT_EQ(entries.back().when, start.addSecs(4 * 3600)) << "the four oldest went";
    EXPECT_FALSE(QFile::exists(folder.filePath("2026-03-01_09-00-00.Zem")));

    // What a read is (type, band, first frequency) is told by the core.
    EXPECT_EQ(entries.at(1).type, "ZEM-KR-M4");
    EXPECT_EQ(entries.at(1).band, "220-280MHZ");
    EXPECT_FALSE(entries.at(1).firstFrequency.isEmpty());

    RecordingMessenger messenger;
    gui::RadioHistoryDialog dialog(history, messenger);
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 200);
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(0), "2026-03-09");
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(1), "19:00:00");
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(gui::RadioHistoryDialog::kFirstChannel),
              entries.at(1).firstFrequency);

    // A repeated read is not kept again, a compare's is named as one (which
    // reads are kept or make room is the core's rule).
    EXPECT_EQ(history.add(Demo(0, 1), start.addSecs(299 * 3600), nullptr, true), again);
    const QString compared = history.add(Demo(1, 7), start.addSecs(300 * 3600), nullptr, true);
    EXPECT_TRUE(compared.endsWith("_compare.Zem")) << compared.toStdString();
}

// Note... opens the note of the current read for typing; Delete asks, then
// deletes the read and its note.
TEST(RadioHistory, ANoteIsTypedInTheListAndDeleteRemovesTheRead) {
    QTemporaryDir folder;
    gui::RadioHistory history(folder.path());
    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0, 0));
    const QString older = history.add(Demo(0), start);
    const QString newer = history.add(Demo(2), start.addSecs(60));
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
    ASSERT_EQ(messenger.texts().size(), 2u);
    EXPECT_EQ(messenger.texts().back(), "Delete the read of 2026-03-01 09:00:00 from the radio history?");
    EXPECT_FALSE(QFile::exists(older));
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
