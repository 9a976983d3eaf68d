#include "app/main_window.h"

#include "accessibility/accessible_names.h"
#include "accessibility/announcement.h"
#include "accessibility/menu_item_names.h"
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/device_commands.h"
#include "app/document_files.h"
#include "app/undo_router.h"
#include "app/window_commands.h"
#include "channels/channel_page.h"
#include "common/languages.h"
#include "view/kivu_view.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

#include <algorithm>
#include <utility>
#include <vector>

// The pictures and help pages live in the static library zemgui, whose
// resources must be registered by name.
static void InitZemResources() { Q_INIT_RESOURCE(zemprog); }

namespace zem::gui {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Zem Electronics Co., Ltd. Programing Software");
const char* const kIdleText = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Please press F1 for Help");
const char* const kContextHelpPrompt = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Choose a Object for help");
const char* const kSystemLanguage = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "System");
const char* const kLanguageNotice =
    QT_TRANSLATE_NOOP("zem::gui::MainWindow", "The language changes when the program starts again.");
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

// A themed icon where the desktop has one, else the picture we ship or the style's own.
QIcon MakeIcon(const Icon& icon, const QStyle& style) {
    const QIcon fallback = icon.file != nullptr ? QIcon(QStringLiteral(":/icons/") + QLatin1String(icon.file))
                                                : style.standardIcon(icon.standard);
    return QIcon::fromTheme(QLatin1String(icon.theme), fallback);
}

void SetKeys(QAction& action, const Keys& keys) {
    action.setShortcutContext(keys.context);
    if (keys.allStandard) {
        action.setShortcuts(keys.standard);
    } else if (keys.standard != QKeySequence::UnknownKey) {
        action.setShortcut(QKeySequence(keys.standard));
    } else if (keys.key.key() != Qt::Key_unknown) {
        QList<QKeySequence> sequences{QKeySequence(keys.key)};
        if (keys.alternative.key() != Qt::Key_unknown) sequences.append(QKeySequence(keys.alternative));
        action.setShortcuts(sequences);
    } else {
        return;
    }
    // The commands that tell the mouse from the keyboard ask it.
    new ShortcutWatch(&action);
}

}  // namespace

MainWindow::MainWindow(const CommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent),
      commandLine_(commandLine),
      boxes_(this),
      messenger_(&boxes_),
      desktopDialogs_(this),
      dialogs_(&desktopDialogs_) {
    InitZemResources();
    InstallAccessibleNames();
    setObjectName(QStringLiteral("mainWindow"));
    // The caption stays the same whatever file is open.
    setWindowTitle(tr(kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zemprog.png")));
    setAcceptDrops(true);

    view_ = std::make_unique<CKivuView>(doc_, messenger_, this);
    setCentralWidget(view_.get());
    doc_.attachView(view_.get());
    device_ = std::make_unique<DeviceCommands>(*this, this);

    createActions();
    undo_ = std::make_unique<UndoRouter>(doc_.undoStack(), *action(kCmdEditUndo), *action(kCmdEditRedo), this);
    createMenus();
    createToolBar();
    createStatusBar();

    files_ = std::make_unique<DocumentFiles>(*this, recentLabel_, this);
    targets_ = std::make_unique<CommandTargets>(CommandTargets{*this, *files_, *device_});
    QList<QAction*> exclusive;
    for (const WindowCommand& command : WindowCommandTable())
        if (command.flags & kExclusive) exclusive.append(action(command.id));
    device_->actionsReady(exclusive);

    files_->showNewDocument();
    // Never larger than the screen, whatever its size and scale.
    resize(QSize(1200, 700).boundedTo(screen()->availableGeometry().size()));
}

MainWindow::~MainWindow() { doc_.attachView(nullptr); }

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

QAction* MainWindow::makeAction(const WindowCommand& command) {
    auto* act = new QAction(CommandText(command.text), this);
    act->setObjectName(QStringLiteral("cmd%1").arg(command.id));
    // The prompt's first line goes to the status bar, the second is the tooltip.
    const QString prompt = CommandText(command.prompt);
    const int split = prompt.indexOf(QLatin1Char('\n'));
    act->setStatusTip(split < 0 ? prompt : prompt.left(split));
    if (split >= 0) act->setToolTip(prompt.mid(split + 1));
    if (command.icon.theme != nullptr) act->setIcon(MakeIcon(command.icon, *style()));
    SetKeys(*act, command.keys);
    if (command.flags & kHintWithoutKeys) HideShortcutHint(act);
    if (command.flags & kCheckable) {
        act->setCheckable(true);
        act->setChecked(command.flags & kChecked);
        if (command.run)
            connect(act, &QAction::toggled, this, [this, run = command.run](bool on) { run(*targets_, on); });
    } else if (command.run) {
        connect(act, &QAction::triggered, this, [this, run = command.run] { run(*targets_, false); });
    }
    actions_.insert(command.id, act);
    addAction(act);  // shortcuts work with the toolbar and menu hidden too
    return act;
}

void MainWindow::createActions() {
    for (const WindowCommand& command : WindowCommandTable())
        if (command.id != 0) makeAction(command);
}

void MainWindow::createMenus() {
    QMenu* menu = nullptr;
    Menu current = Menu::None;
    for (const WindowCommand& command : WindowCommandTable()) {
        if (command.menu == Menu::None) continue;
        if (command.menu != current) {
            current = command.menu;
            menu = menuBar()->addMenu(MenuTitle(current));
            if (current == Menu::Edit) menu->setObjectName(QStringLiteral("editMenu"));
        } else if (command.flags & kNewGroup) {
            menu->addSeparator();
        }
        if (command.flags & kSubmenu) {
            QMenu* languages = menu->addMenu(CommandText(command.text));
            languages->menuAction()->setStatusTip(CommandText(command.prompt).section(QLatin1Char('\n'), 0, 0));
            createLanguageMenu(*languages);
        } else if (command.id != 0) {
            menu->addAction(action(command.id));
        } else {
            recentLabel_ = menu->addAction(CommandText(command.text));
            recentLabel_->setEnabled(false);
        }
    }
}

void MainWindow::createLanguageMenu(QMenu& menu) {
    menu.setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(&menu);
    const QString chosen = ChosenLanguage();
    auto add = [&](const QString& code, const QString& name) {
        QAction* item = menu.addAction(name);
        item->setObjectName(QStringLiteral("language_") + (code.isEmpty() ? QStringLiteral("system") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    add(QString(), tr(kSystemLanguage));
    menu.addSeparator();
    for (const Language& language : Languages())
        add(QLatin1String(language.code), QString::fromUtf8(language.name));
}

void MainWindow::chooseLanguage(const QString& code) {
    SetChosenLanguage(code);
    // The window's texts were set when it was built; the new language takes
    // over when the program starts again.
    if (StartLanguage(QLocale::system().uiLanguages()) != CurrentLanguage())
        messenger_.notice(tr(kLanguageNotice).toStdString());
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("standardToolBar"));
    toolBar_->setIconSize(QSize(18, 18));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    std::vector<const WindowCommand*> buttons;
    for (const WindowCommand& command : WindowCommandTable())
        if (command.toolbar > 0) buttons.push_back(&command);
    std::sort(buttons.begin(), buttons.end(),
              [](const WindowCommand* a, const WindowCommand* b) { return a->toolbar < b->toolbar; });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i]->toolbar / 10 != buttons[i - 1]->toolbar / 10) toolBar_->addSeparator();
        toolBar_->addAction(action(buttons[i]->id));
    }
    connect(toolBar_, &QToolBar::visibilityChanged, action(kCmdViewToolbar), &QAction::setChecked);
}

void MainWindow::showToolBar(bool shown) { toolBar_->setVisible(shown); }

void MainWindow::showStatusBar(bool shown) { statusBar()->setVisible(shown); }

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
    connect(view_.get(), &CKivuView::statusHint, bar, [bar](const QString& hint) { bar->showMessage(hint); });
}

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

void MainWindow::showCurrentHelp() { showHelpTopic(view_->currentPage().helpTopic()); }

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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (files_->maybeSave())
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Back in the window: the file may have been changed meanwhile. Asked
    // once the activation is over, so the question's box does not nest in it.
    if (files_ && event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(files_.get(), &DocumentFiles::offerReloadIfChanged, Qt::QueuedConnection);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            files_->openFile(url.toLocalFile());
            return;
        }
    }
}

}  // namespace zem::gui
