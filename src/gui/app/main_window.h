#pragma once

#include "commands/user_dialogs.h"
#include "commands/command_host.h"
#include "commands/command_ids.h"
#include "common/qt_messenger.h"
#include "doc/kivu_doc.h"

#include <QMainWindow>
#include <QMap>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace zem {
class Messenger;
}

namespace zem::gui {

class CKivuView;
class RecentFiles;

// The program's one window: menus, toolbar, status bar, the form view with
// the three pages, and the file commands. The radio, port, service and
// print commands are created disabled here and are connected and enabled
// by InstallDeviceCommands, called once at the end of construction.
class MainWindow : public QMainWindow, public CommandHost {
    Q_OBJECT

public:
    // commandLine is what the program was asked at the start.
    explicit MainWindow(const CommandLine& commandLine = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The action of a command of commands/command_ids.h (menu item, toolbar button
    // and shortcut share it); nullptr for an unknown id. Recent-file entries
    // are kCmdRecentFile1 + 0..3.
    QAction* action(int commandId) const override;

    QWidget& hostWidget() override { return *this; }
    CKivuView& view() override { return *view_; }
    CKivuDoc& document() override { return doc_; }
    zem::Messenger& messenger() override { return messenger_; }

    // Every message of the window, its pages and commands goes to target;
    // nullptr restores the message boxes.
    void setMessenger(zem::Messenger* target);
    // File choosers and the save-changes question; nullptr restores the
    // desktop's dialogs.
    void setUserDialogs(UserDialogs* dialogs);
    UserDialogs& dialogs() override { return *dialogs_; }

    const CommandLine& commandLine() const override { return commandLine_; }

    // Opens the program file named on the command line, if any. False when
    // that file cannot be opened; the message has been shown then.
    bool openCommandLineFile();

    // The file commands. Each returns false when it did not happen (the
    // user cancelled, or the file was refused, with a message).
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

    // The recent-file list, most recent first, at most 4 entries.
    QStringList recentFiles() const;

    // Opens the help window at a topic page ("contents.html",
    // "channel_table.html", ...); gui dialogs use it for their F1.
    void showHelpTopic(const QString& page);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* makeAction(int id, const QString& text, const QString& prompt);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateRecentFileActions();
    void afterDocumentLoaded(bool isNewDocument);
    bool loadFile(const QString& path);
    bool saveTo(const QString& path);
    void showCurrentHelp();
    void editChannel();
    void showAbout();
    void showContextHelp();
    QString documentName() const;

    CommandLine commandLine_;
    CKivuDoc doc_;
    QtMessenger boxes_;
    ForwardingMessenger messenger_;
    QtUserDialogs desktopDialogs_;
    UserDialogs* dialogs_;
    std::unique_ptr<RecentFiles> recent_;
    CKivuView* view_ = nullptr;
    QMap<int, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentPlaceholder_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* idleText_ = nullptr;
};

}  // namespace zem::gui
