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
class DeviceCommands;
class DocumentFiles;
class UndoRouter;
struct CommandTargets;
struct WindowCommand;

// The program's one window: menus, toolbar and shortcuts built from the
// command table (app/window_commands.h), status bar, and the form view with
// the three pages. The program file's life is DocumentFiles', the radio,
// port, service and print commands are DeviceCommands'.
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

    // New, open, save, the recent files and the save-changes question.
    DocumentFiles& files() { return *files_; }

    // Opens the help window at a topic page ("contents.html",
    // "channel_table.html", ...); gui dialogs use it for their F1.
    void showHelpTopic(const QString& page);

    // The window's own commands.
    void editChannel();
    void showCurrentHelp();
    void showContextHelp();
    void showAbout();
    void showToolBar(bool shown);
    void showStatusBar(bool shown);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* makeAction(const WindowCommand& command);
    void createActions();
    void createMenus();
    void createLanguageMenu(QMenu& menu);
    void chooseLanguage(const QString& code);
    void createToolBar();
    void createStatusBar();

    CommandLine commandLine_;
    CKivuDoc doc_;
    QtMessenger boxes_;
    ForwardingMessenger messenger_;
    QtUserDialogs desktopDialogs_;
    UserDialogs* dialogs_;
    QMap<int, QAction*> actions_;
    QAction* recentLabel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* idleText_ = nullptr;
    // Children of the window that use the document and the messenger: they
    // are deleted first, while both still exist, newest first.
    std::unique_ptr<CKivuView> view_;
    std::unique_ptr<UndoRouter> undo_;
    std::unique_ptr<DocumentFiles> files_;
    std::unique_ptr<DeviceCommands> device_;
    std::unique_ptr<CommandTargets> targets_;
};

}  // namespace zem::gui
