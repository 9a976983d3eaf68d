// The radio history's folder: names by date and time, newest first, the
// newest 200 kept, and what the list shows of each read.
#include "app_test_support.h"

#include "channels/band.h"
#include "workbench/radio_history.h"

#include <QTreeWidget>

namespace zem::test {
namespace {

RadioImage Demo(int band) {
    RadioImage image = NewDocumentImage();
    RecordingMessenger quiet;
    ApplyChannelDefaults(image, 0, band, quiet);
    return image;
}

TEST(RadioHistory, KeepsTheNewest200NamedByDateAndTime) {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/张伟-XXXXXX"));  // a profile in Chinese
    gui::RadioHistory history(folder.path());
    const QDateTime start(QDate(2026, 3, 1), QTime(9, 0, 0));
    for (int i = 0; i < 203; ++i) {
        ASSERT_FALSE(history.add(Demo(i % 3), start.addSecs(i * 3600)).isEmpty()) << i;
    }
    // Two reads in one second both stay.
    const QString again = history.add(Demo(0), start.addSecs(202 * 3600));
    EXPECT_TRUE(again.endsWith("2026-03-09_19-00-00_2.Zem")) << again.toStdString();
    QFile::copy(again, folder.filePath("not a read.Zem"));

    const QList<gui::RadioHistory::Entry> entries = history.entries();
    ASSERT_EQ(entries.size(), gui::RadioHistory::kMaxEntries);
    EXPECT_EQ(entries.front().path, again) << "newest first";
    EXPECT_EQ(entries.at(1).when, start.addSecs(202 * 3600));
    EXPECT_EQ(entries.back().when, start.addSecs(4 * 3600)) << "the four oldest went";
    EXPECT_FALSE(QFile::exists(folder.filePath("2026-03-01_09-00-00.Zem")));

    const struct {
        int index;
        const char* band;
    } shown[] = {{1, "220-280MHZ"}, {2, "136-174MHZ"}, {3, "400-470MHZ"}};
    for (const auto& s : shown) {
        const auto& entry = entries.at(s.index);
        EXPECT_EQ(entry.type, "ZEM-KR-M4");
        EXPECT_EQ(entry.band.toStdString(), s.band);
        EXPECT_FALSE(entry.firstFrequency.isEmpty());
    }

    gui::RadioHistoryDialog dialog(history);
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 200);
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(0), "2026-03-09");
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(1), "19:00:00");
}

}  // namespace
}  // namespace zem::test
