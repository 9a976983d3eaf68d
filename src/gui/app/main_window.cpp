#include "app/main_window.h"

#include "accessibility/accessible_names.h"
#include "accessibility/announcement.h"
#include "accessibility/menu_item_names.h"
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/recent_files.h"
#include "channels/channel_page.h"
#include "app/device_commands.h"
#include "app/edit_commands.h"
#include "app/undo_router.h"
#include "view/kivu_view.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QWhatsThis>

#include <utility>

// The pictures and help pages live in the static library zemgui, whose
// resources must be registered by name.
static void InitZemResources() { Q_INIT_RESOURCE(zemprog); }

namespace zem::gui {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Zem Electronics Co., Ltd. Programing Software");
const char* const kIdleText = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Please press F1 for Help");
const char* const kContextHelpPrompt = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Choose a Object for help");
const char* const kEditChannelNotice = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Please directly double click inside the table");

// Tells whether an action's last trigger came from its shortcut key.
class ShortcutWatch : public QObject {
public:
    explicit ShortcutWatch(QAction* action) : QObject(action) { action->installEventFilter(this); }
    bool takeKeyPress() { return std::exchange(byKey_, false); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Shortcut) byKey_ = true;
        return false;
    }

private:
    bool byKey_ = false;
};

// A themed icon where the desktop has one, else the one we ship.
QIcon Icon(const char* themeName, const char* bundled) {
    return QIcon::fromTheme(QLatin1String(themeName), QIcon(QStringLiteral(":/icons/") + QLatin1String(bundled)));
}

}  // namespace

MainWindow::MainWindow(const CommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent),
      commandLine_(commandLine),
      boxes_(this),
      messenger_(&boxes_),
      desktopDialogs_(this),
      dialogs_(&desktopDialogs_),
      recent_(std::make_unique<RecentFiles>()) {
    InitZemResources();
    InstallAccessibleNames();
    setObjectName(QStringLiteral("mainWindow"));
    // The caption stays the same whatever file is open.
    setWindowTitle(tr(kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zemprog.png")));
    setAcceptDrops(true);

    view_ = new CKivuView(doc_, messenger_, this);
    setCentralWidget(view_);
    doc_.attachView(view_);

    createActions();
    new UndoRouter(doc_.undoStack(), *action(kCmdEditUndo), *action(kCmdEditRedo), this);
    createMenus();
    createToolBar();
    createStatusBar();
    updateRecentFileActions();

    afterDocumentLoaded(true);
    // Never larger than the screen, whatever its size and scale.
    resize(QSize(1200, 700).boundedTo(screen()->availableGeometry().size()));

    InstallDeviceCommands(*this);
    InstallEditCommands(*this);
}

MainWindow::~MainWindow() {
    // The pages and the radio commands refer to the document and the
    // messenger, which are members: they go first, newest first, while both
    // still exist.
    QList<QPointer<QObject>> children;
    for (QObject* child : QObject::children())
        if (!qobject_cast<QLayout*>(child)) children.prepend(child);
    for (const QPointer<QObject>& child : children) delete child.data();
    doc_.attachView(nullptr);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The focused control always shows its focus frame, not only after the
    // first Tab: a list that takes arrow keys must never have the focus
    // unseen. Showing a window clears the flag, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

QAction* MainWindow::action(int commandId) const { return actions_.value(commandId, nullptr); }

void MainWindow::setMessenger(zem::Messenger* target) { messenger_.setTarget(target ? target : &boxes_); }

void MainWindow::setUserDialogs(UserDialogs* dialogs) { dialogs_ = dialogs ? dialogs : &desktopDialogs_; }

QAction* MainWindow::makeAction(int id, const QString& text, const QString& prompt) {
    auto* act = new QAction(text, this);
    act->setObjectName(QStringLiteral("cmd%1").arg(id));
    // The prompt's first line goes to the status bar, the second is the tooltip.
    const int split = prompt.indexOf(QLatin1Char('\n'));
    act->setStatusTip(split < 0 ? prompt : prompt.left(split));
    if (split >= 0) act->setToolTip(prompt.mid(split + 1));
    actions_.insert(id, act);
    addAction(act);  // shortcuts work with the toolbar and menu hidden too
    return act;
}

void MainWindow::createActions() {
    auto shortcut = [](QAction* act, const QKeySequence& keys) {
        act->setShortcut(keys);
        act->setShortcutContext(Qt::WindowShortcut);
    };
    QAction* a = nullptr;

    a = makeAction(kCmdFileNew, QStringLiteral("New(&N)\tCtrl+N"), QStringLiteral("Create a new document\nNew"));
    a->setIcon(Icon("document-new", "new.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(a, &QAction::triggered, this, [this] { fileNew(); });

    a = makeAction(kCmdFileOpen, QStringLiteral("Open(&O)...\tCtrl+O"), QStringLiteral("Open an existing document\nOpen"));
    a->setIcon(Icon("document-open", "open.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(a, &QAction::triggered, this, [this] { fileOpen(); });

    a = makeAction(kCmdFileSave, QStringLiteral("Save(&S)\tCtrl+S"), QStringLiteral("Save the active document\nSave"));
    a->setIcon(Icon("document-save", "save.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(a, &QAction::triggered, this, [this] { fileSave(); });

    a = makeAction(kCmdFileSaveAs, QStringLiteral("Save as(&A)..."),
                   QStringLiteral("Save the active document with a new name\nSave As"));
    connect(a, &QAction::triggered, this, [this] { fileSaveAs(); });

    // Cut, copy, paste and delete of the channel table's cells (and of a
    // text field's text) are connected by InstallEditCommands.
    a = makeAction(kCmdEditCut, QStringLiteral("Cut(&T)\tCtrl+X"),
                   QStringLiteral("Cut the selected cells and put them on the Clipboard\nCut"));
    shortcut(a, QKeySequence::Cut);
    a = makeAction(kCmdEditCopy, QStringLiteral("Copy(&C)\tCtrl+C"),
                   QStringLiteral("Copy the selected cells to the Clipboard\nCopy"));
    shortcut(a, QKeySequence::Copy);
    a = makeAction(kCmdEditPaste, QStringLiteral("Paste(&P)\tCtrl+V"),
                   QStringLiteral("Insert the Clipboard contents at the selected cell\nPaste"));
    shortcut(a, QKeySequence::Paste);
    a = makeAction(kCmdEditClear, QStringLiteral("Delete(&D)\tDel"), QStringLiteral("Empty the selected cells\nDelete"));
    shortcut(a, QKeySequence(Qt::Key_Delete));

    // The channel list as CSV, printing, the radio, the ports and the
    // service mode are connected and enabled by InstallDeviceCommands.
    a = makeAction(kCmdImportCsv, QStringLiteral("&Import channel list..."),
                   QStringLiteral("Replace the channels by those of a channel list: this program's CSV or the "
                                  "memory list of other programming tools\nImport channel list"));
    a->setEnabled(false);
    a = makeAction(kCmdExportCsv, QStringLiteral("&Export channel list..."),
                   QStringLiteral("Save the channels as this program's CSV or as the memory list of other "
                                  "programming tools\nExport channel list"));
    a->setEnabled(false);
    a = makeAction(kCmdRadioHistory, QStringLiteral("&Radio history..."),
                   QStringLiteral("Open one of the radios read before\nRadio history"));
    connect(a, &QAction::triggered, this, [this] { showRadioHistory(); });

    a = makeAction(kCmdPrint, QStringLiteral("Print(&P)...\tCtrl+P"), QStringLiteral("Print the active document\nPrint"));
    a->setIcon(Icon("document-print", "print.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_P));
    a->setEnabled(false);
    a = makeAction(kCmdPrintPreview, QStringLiteral("Print Preview(&V)"), QStringLiteral("Display full pages\nPrint Preview"));
    a->setEnabled(false);
    a = makeAction(kCmdPrintSetup, QStringLiteral("Print Setup(&S)..."),
                   QStringLiteral("Change the printer and printing options\nPrint Setup"));
    a->setEnabled(false);

    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        a = makeAction(kCmdRecentFile1 + i, QString(), QStringLiteral("Open this file"));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { openRecentFile(i); });
    }

    // Undo and Redo act on the document's history; inside a text field or
    // an open cell editor their keys act on the typing there alone.
    a = makeAction(kCmdEditUndo, QString(), QStringLiteral("Undo the last change\nUndo"));
    a->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), style()->standardIcon(QStyle::SP_ArrowBack)));
    a->setShortcuts(QKeySequence::Undo);
    a->setShortcutContext(Qt::WindowShortcut);
    a = makeAction(kCmdEditRedo, QString(), QStringLiteral("Redo the change undone last\nRedo"));
    a->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), style()->standardIcon(QStyle::SP_ArrowForward)));
    a->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    a->setShortcutContext(Qt::WindowShortcut);

    a = makeAction(kCmdExit, QStringLiteral("Exit(&X)"),
                   QStringLiteral("Quit the application; prompts to save documents\nExit"));
    connect(a, &QAction::triggered, this, &QWidget::close);

    a = makeAction(kCmdReadFromRadio, QStringLiteral("Read From Radio(&U)\tCtrl+R"),
                   QStringLiteral("Read Data From interphone \nRead"));
    a->setIcon(Icon("go-down", "read.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_R));
    a->setEnabled(false);
    a = makeAction(kCmdWriteToRadio, QStringLiteral("&Write to Radio\tCtrl+W"), QStringLiteral("Write Data to interphone\nWrite"));
    a->setIcon(Icon("go-up", "write.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_W));
    a->setEnabled(false);

    a = makeAction(kCmdWriteSeveral, QStringLiteral("Write to &several radios..."),
                   QStringLiteral("Write this document into many radios, at once or one after another\nWrite to several radios"));
    a->setIcon(Icon("mail-send", "write.png"));
    a->setEnabled(false);

    a = makeAction(kCmdCompareWithRadio, QStringLiteral("&Compare with radio..."),
                   QStringLiteral("Read the radio and list where it differs from the document; the document stays as it is\n"
                                  "Compare with radio"));
    a->setEnabled(false);
    a = makeAction(kCmdCompareWithFile, QStringLiteral("Compare with &file..."),
                   QStringLiteral("List where a program file differs from the document\nCompare with file"));
    a->setEnabled(false);

    a = makeAction(kCmdEditChannel, QStringLiteral("&Edit Channel\tCtrl+G"), QStringLiteral("Edit channel Data \nEdit"));
    a->setIcon(Icon("document-edit", "edit.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_G));
    new ShortcutWatch(a);
    connect(a, &QAction::triggered, this, &MainWindow::editChannel);

    a = makeAction(kCmdOnLinePowerSet, QStringLiteral("On Line Power Set(&Y)\tCtrl+T"), QString());
    a->setEnabled(false);
    // The toolbar's power button; Ctrl+T reaches it.
    a = makeAction(kCmdDebugTxPower, QStringLiteral("Debug TX Power,Squelch Level,Low Power Alert on line"),
                   QStringLiteral("Debug TX Power,Squelch Level,Low Power Alert on line"));
    a->setIcon(Icon("preferences-system", "power.png"));
    shortcut(a, QKeySequence(Qt::CTRL | Qt::Key_T));
    a->setEnabled(false);

    // The hints Ctrl+C .. Ctrl+F in these texts have no keys behind them, so
    // copying text never switches the port.
    const struct {
        int id;
        const char* text;
        const char* prompt;
    } ports[] = {
        {kCmdCom1, "COM1(&P)\tCtrl+C", "Choose Com1"},
        {kCmdCom2, "COM2(&Q)\tCtrl+D", "Choose Com2"},
        {kCmdCom3, "COM3(&S)\tCtrl+E", "Choose Com3"},
        {kCmdCom4, "COM4(&T\tCtrl+F", "Choose Com4"},
        {kCmdOtherPort, "&Other ....", "Choose other Com Port"},
    };
    for (const auto& port : ports) {
        a = makeAction(port.id, QLatin1String(port.text), QLatin1String(port.prompt));
        a->setEnabled(false);
        HideShortcutHint(a);
    }

    a = makeAction(kCmdVerifyAfterWrite, QStringLiteral("&Verify after write"),
                   QStringLiteral("Read the radio back after a write and compare it with what was written\nVerify"));
    a->setCheckable(true);
    a->setEnabled(false);

    a = makeAction(kCmdViewToolbar, QStringLiteral("Toolbar(&T)"), QStringLiteral("Show or hide the toolbar\nToggle ToolBar"));
    a->setCheckable(true);
    a->setChecked(true);
    a = makeAction(kCmdViewStatusBar, QStringLiteral("Status Bar(&S)"),
                   QStringLiteral("Show or hide the status bar\nToggle StatusBar"));
    a->setCheckable(true);
    a->setChecked(true);

    a = makeAction(kCmdHelpContents, QStringLiteral("Help Content(&H)"), QString());
    connect(a, &QAction::triggered, this, [this] { showHelpTopic(QStringLiteral("contents.html")); });
    a = makeAction(kCmdHelpIndex, QStringLiteral("Help List"), QStringLiteral("List the catalog of help \nHelp List"));
    connect(a, &QAction::triggered, this, [this] { showHelpTopic(QStringLiteral("contents.html")); });
    a = makeAction(kCmdHelp, QStringLiteral("Help"), QStringLiteral("Show the help about current task\nhelp"));
    shortcut(a, QKeySequence(Qt::Key_F1));
    connect(a, &QAction::triggered, this, &MainWindow::showCurrentHelp);
    a = makeAction(kCmdContextHelp, QStringLiteral("What's This"), QStringLiteral("Show the context of help\nhelp"));
    a->setIcon(Icon("help-contextual", "whatsthis.png"));
    shortcut(a, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    new ShortcutWatch(a);
    connect(a, &QAction::triggered, this, &MainWindow::showContextHelp);

    a = makeAction(kCmdAbout, QStringLiteral("About Me(&A)..."),
                   QStringLiteral("Display the version,copyright of this software \n about"));
    a->setIcon(Icon("help-about", "about.png"));
    connect(a, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::createMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("File(&F)"));
    fileMenu_->addAction(action(kCmdFileNew));
    fileMenu_->addAction(action(kCmdFileOpen));
    fileMenu_->addAction(action(kCmdFileSave));
    fileMenu_->addAction(action(kCmdFileSaveAs));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(kCmdImportCsv));
    fileMenu_->addAction(action(kCmdExportCsv));
    fileMenu_->addAction(action(kCmdRadioHistory));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(kCmdPrint));
    fileMenu_->addAction(action(kCmdPrintPreview));
    fileMenu_->addAction(action(kCmdPrintSetup));
    fileMenu_->addSeparator();
    recentPlaceholder_ = fileMenu_->addAction(tr("Recent File"));
    recentPlaceholder_->setEnabled(false);
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) fileMenu_->addAction(action(kCmdRecentFile1 + i));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(kCmdExit));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addAction(action(kCmdEditUndo));
    edit->addAction(action(kCmdEditRedo));
    edit->addSeparator();
    for (int id : {kCmdEditCut, kCmdEditCopy, kCmdEditPaste, kCmdEditClear}) edit->addAction(action(id));

    QMenu* program = menuBar()->addMenu(QStringLiteral("Program(&P)"));
    program->addAction(action(kCmdReadFromRadio));
    program->addSeparator();
    program->addAction(action(kCmdWriteToRadio));
    program->addAction(action(kCmdWriteSeveral));
    program->addSeparator();
    program->addAction(action(kCmdCompareWithRadio));
    program->addAction(action(kCmdCompareWithFile));
    program->addSeparator();
    program->addAction(action(kCmdEditChannel));
    program->addSeparator();
    program->addAction(action(kCmdOnLinePowerSet));

    QMenu* setup = menuBar()->addMenu(QStringLiteral("Setup(&S)"));
    for (int id : {kCmdCom1, kCmdCom2, kCmdCom3, kCmdCom4, kCmdOtherPort}) setup->addAction(action(id));
    setup->addSeparator();
    setup->addAction(action(kCmdVerifyAfterWrite));

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("View(&V)"));
    viewMenu->addAction(action(kCmdViewToolbar));
    viewMenu->addAction(action(kCmdViewStatusBar));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->addAction(action(kCmdHelpContents));
    help->addSeparator();
    help->addAction(action(kCmdAbout));
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("standardToolBar"));
    toolBar_->setIconSize(QSize(18, 18));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave}) toolBar_->addAction(action(id));
    toolBar_->addSeparator();
    for (int id : {kCmdEditUndo, kCmdEditRedo}) toolBar_->addAction(action(id));
    toolBar_->addSeparator();
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio, kCmdWriteSeveral, kCmdEditChannel, kCmdPrint, kCmdContextHelp, kCmdAbout,
                   kCmdDebugTxPower})
        toolBar_->addAction(action(id));
    connect(action(kCmdViewToolbar), &QAction::toggled, toolBar_, &QToolBar::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, action(kCmdViewToolbar), &QAction::setChecked);
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    idleText_ = new QLabel(tr(kIdleText), bar);
    idleText_->setObjectName(QStringLiteral("idleText"));
    bar->addWidget(idleText_, 1);
    // Qt cannot read the lock keys' state on every platform, so the three
    // indicators only name their keys.
    for (const char* key : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QLatin1String(key), bar);
        pane->setObjectName(QStringLiteral("pane") + QLatin1String(key));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
    connect(view_, &CKivuView::statusHint, bar, [bar](const QString& hint) { bar->showMessage(hint); });
    connect(action(kCmdViewStatusBar), &QAction::toggled, bar, &QStatusBar::setVisible);
}

void MainWindow::updateRecentFileActions() {
    const QStringList& files = recent_->entries();
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        QAction* a = action(kCmdRecentFile1 + i);
        if (i < files.size()) {
            QString shown = files.at(i);
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            a->setText(tr("&%1 %2").arg(i + 1).arg(shown));
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
    recentPlaceholder_->setVisible(files.isEmpty());
}

QStringList MainWindow::recentFiles() const { return recent_->entries(); }

void MainWindow::editChannel() {
    // The hint to double-click is for the mouse; Ctrl+G goes straight to the table.
    auto* watch = action(kCmdEditChannel)->findChild<ShortcutWatch*>();
    if (!watch || !watch->takeKeyPress()) messenger_.notice(tr(kEditChannelNotice).toStdString());
    view_->returnToChannelTab();
    view_->channelPage().setCurrentCell(1, 1);
}

void MainWindow::showAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void MainWindow::showHelpTopic(const QString& page) { HelpWindow::Instance(this).showTopic(page); }

void MainWindow::showCurrentHelp() {
    showHelpTopic(view_->currentPage().helpTopic());
}

void MainWindow::showContextHelp() {
    // From the keyboard the help is the focused control's (or its nearest
    // container's that has one); the mouse chooses the control.
    auto* watch = action(kCmdContextHelp)->findChild<ShortcutWatch*>();
    if (watch && watch->takeKeyPress()) {
        for (QWidget* w = QApplication::focusWidget(); w && isAncestorOf(w); w = w->parentWidget()) {
            if (w->whatsThis().isEmpty()) continue;
            QWhatsThis::showText(w->mapToGlobal(w->rect().center()), w->whatsThis(), w);
            Announce(this, w->whatsThis());
            return;
        }
    }
    statusBar()->showMessage(tr(kContextHelpPrompt));
    QWhatsThis::enterWhatsThisMode();
}

}  // namespace zem::gui
