#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "document/program_file.h"

#include <memory>

class QAction;

namespace zem::gui {

class CommandHost;
class RecentFiles;

// The life of the program file the window shows: New, Open, Save, Save As,
// the recent files, the radio history, the file named on the command line,
// and the question whether to keep unsaved changes before the document is
// replaced or the window closes.
class DocumentFiles : public QObject {
    Q_OBJECT

public:
    // The recent-file entries are the actions kCmdRecentFile1 + 0..3 of
    // host; recentLabel is the greyed menu item that stands in for an empty
    // list.
    DocumentFiles(CommandHost& host, QAction* recentLabel, QObject* parent);
    ~DocumentFiles() override;

    // Shows the document as a new one: the pages filled from it, no
    // changes, a history of its own.
    void showNewDocument();

    // Opens the program file named on the command line, if any. False when
    // that file cannot be opened; the message has been shown then.
    bool openCommandLineFile();

    // Each returns false when it did not happen (the user cancelled, or the
    // file was refused, with a message).
    bool fileNew();
    bool fileOpen();
    bool openFile(const QString& path);
    bool fileSave();
    bool fileSaveAs();
    bool openRecentFile(int entry);  // 0-3

    // File, Radio history...: lists the radios read before and opens the
    // one chosen as an untitled document.
    bool showRadioHistory();
    // Opens a program file as a new, untitled document: Save asks for a
    // name, and the file does not join the recent files.
    bool openUntitled(const QString& path);

    // Offers to save when the pages hold changes. False when the user
    // cancelled (or the save failed): the caller must not go on.
    bool maybeSave();

    // When the window gets the focus back: if the document holds no changes
    // and its file was changed on disk meanwhile, offers to reload it. A
    // change the user chose to keep out is not offered again.
    void offerReloadIfChanged();

    // The recent-file list, most recent first, at most 4 entries.
    QStringList recentFiles() const;

private:
    void afterDocumentLoaded(bool isNewDocument);
    // Opens path into the document; announce says "Opened NAME" when done.
    bool loadFile(const QString& path, bool announce = true);
    QString openedText(const QString& path) const;
    bool saveTo(const QString& path);
    void updateRecentFileActions();
    QString documentName() const;

    CommandHost& host_;
    QAction* recentLabel_;
    zem::FileStamp declinedReload_;  // the file as the user last chose not to reload it
    bool askingReload_ = false;
    std::unique_ptr<RecentFiles> recent_;
};

}  // namespace zem::gui
