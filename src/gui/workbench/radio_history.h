#pragma once

#include "document/radio_image.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QTreeWidget;

namespace zem::gui {

// Every complete read from a radio, kept as a program file in the user's
// data folder (radios/), named by the date and time of the read; the newest
// kMaxEntries are kept.
class RadioHistory {
public:
    static constexpr int kMaxEntries = 200;

    // One kept read, as the list shows it.
    struct Entry {
        QString path;
        QDateTime when;
        QString type;
        QString band;
        QString firstFrequency;  // the first channel's receive frequency, or empty
    };

    // The folder under QStandardPaths::AppDataLocation; folder overrides it.
    explicit RadioHistory(const QString& folder = QString());

    const QString& folder() const { return folder_; }

    // Saves image as read at when, then drops the oldest files beyond
    // kMaxEntries. The path saved, or empty when it could not be saved;
    // then why (when given) says why: the folder cannot be made, or the
    // file not written (a read-only folder, a full disk).
    QString add(const zem::RadioImage& image, const QDateTime& when = QDateTime::currentDateTime(),
                QString* why = nullptr);

    // The kept reads, newest first. Files that are not program files, or
    // not named by a date and time, are left out.
    QList<Entry> entries() const;

private:
    QStringList fileNames() const;  // oldest first

    QString folder_;
};

// File, Radio history...: the kept reads with date, time, type, band and
// the first channel's frequency; Open (or a double click) chooses one.
class RadioHistoryDialog : public QDialog {
    Q_OBJECT

public:
    explicit RadioHistoryDialog(const RadioHistory& history, QWidget* parent = nullptr);

    // The file chosen, once the dialog was accepted.
    QString chosenPath() const;

    QTreeWidget* list() const { return list_; }

private:
    QTreeWidget* list_;
};

}  // namespace zem::gui
