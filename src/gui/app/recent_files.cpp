#include "app/recent_files.h"

#include "common/user_settings.h"

#include <QFileInfo>

namespace zem::gui {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.absoluteFilePath() : path;
}

}  // namespace

RecentFiles::RecentFiles() {
    QSettings settings = UserSettings();
    settings.beginGroup(kSection);
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !entries_.contains(path)) entries_ << path;
    }
}

void RecentFiles::add(const QString& path) {
    const QString entry = Canonical(path);
    entries_.removeAll(entry);
    entries_.prepend(entry);
    while (entries_.size() > kMaxEntries) entries_.removeLast();
    save();
}

void RecentFiles::remove(const QString& path) {
    entries_.removeAll(path);
    entries_.removeAll(Canonical(path));
    save();
}

void RecentFiles::save() const {
    QSettings settings = UserSettings();
    settings.remove(kSection);
    settings.beginGroup(kSection);
    for (int i = 0; i < entries_.size(); ++i) settings.setValue(QStringLiteral("File%1").arg(i + 1), entries_.at(i));
}

}  // namespace zem::gui
