#pragma once

#include <QString>
#include <QStringList>

namespace zem::gui {

// The recent-file list of the File menu: at most four program files, most
// recent first, kept in the user's settings between runs.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 4;

    // Reads the list from the settings.
    RecentFiles();

    const QStringList& entries() const { return entries_; }

    // Puts path at the top (once) and saves the list.
    void add(const QString& path);
    // Takes path off the list and saves it (a file that can no longer be opened).
    void remove(const QString& path);

private:
    void save() const;

    QStringList entries_;
};

}  // namespace zem::gui
