#pragma once

#include "document/radio_image.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QTreeWidget;

namespace zem {
class Messenger;
}

namespace zem::gui {

// Every complete read from a radio, kept as a program file in the user's
// data folder (radios/), named by the date and time of the read ("_compare"
// added for the read of a Compare with radio), with the user's note beside
// it in a text file of the same name. At most kMaxEntries are kept; which
// reads are kept is decided by the rules of core's read_history.
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
        bool fromCompare = false;
        QString note;
    };

    // The folder under QStandardPaths::AppDataLocation; folder overrides it.
    explicit RadioHistory(const QString& folder = QString());

    const QString& folder() const { return folder_; }

    // Keeps image as read at when (by a compare when fromCompare), unless it
    // repeats the newest kept read of the same radio, then makes room as the
    // rules say. The path of the kept read (the earlier one for a repeat), or
    // empty when it could not be saved; then why (when given) says why: the
    // folder cannot be made, or the file not written (a read-only folder, a
    // full disk).
    QString add(const zem::RadioImage& image, const QDateTime& when = QDateTime::currentDateTime(),
                QString* why = nullptr, bool fromCompare = false);

    // The kept reads, newest first. Files that are not program files, or
    // not named by a date and time, are left out.
    QList<Entry> entries() const;

    // Deletes a kept read and its note; false when the file stays.
    bool remove(const QString& path);
    // Gives a kept read a note, or takes it away when note is blank.
    bool setNote(const QString& path, const QString& note);

private:
    QStringList fileNames() const;  // oldest first

    QString folder_;
};

// File, Radio history...: the kept reads with date, time, type, band, the
// first channel's frequency, whether a Read or a Compare took it, and the
// note; Open (or a double click) chooses one, Note... edits the note in the
// list, Delete (or the Delete key) deletes the read after asking.
class RadioHistoryDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { kDate, kTime, kType, kBand, kFirstChannel, kTakenBy, kNote };

    RadioHistoryDialog(RadioHistory& history, zem::Messenger& messenger, QWidget* parent = nullptr);

    // The file chosen, once the dialog was accepted.
    QString chosenPath() const;

    QTreeWidget* list() const { return list_; }

    // The current read is deleted after the user agreed; false otherwise.
    bool deleteCurrent();
    // Opens the current read's note for editing in the list.
    void editNote();

private:
    void fill();

    RadioHistory& history_;
    zem::Messenger& messenger_;
    QTreeWidget* list_;
    QLabel* where_;
    bool filling_ = false;
};

}  // namespace zem::gui
