#pragma once

// The one fixture of the window suites: a shown main window whose messages
// are recorded and answered from a script, file choices and the
// save-changes question scripted, helpers that click and type the way a
// user does, a virtual radio on a pseudo-terminal, and answering the
// program's modal dialogs as a user would.

#include "app/document_files.h"
#include "app/main_window.h"
#include "channels/channel_page.h"
#include "channels/ms_flex_grid.h"
#include "commands/user_dialogs.h"
#include "common/user_settings.h"
#include "compare/document_diff.h"
#include "core/channels/channel_test_support.h"
#include "document/program_file.h"
#include "link/port_selection.h"
#include "link/progress_dialog.h"
#include "link/transfer_controller.h"
#include "pages/key_page.h"
#include "pages/option_page.h"
#include "support/radio_images.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"
#include "workbench/compare_commands.h"
#ifndef _WIN32
#include "core/link/link_test_support.h"
#endif

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

namespace zem::test {

#ifndef _WIN32
// A virtual radio on a pseudo-terminal: its device as the port dialog takes
// it, its memory once it has stopped answering.
class RadioOnPty : public SimLine {
public:
    explicit RadioOnPty(const RadioImage& memory, Faults faults = {}, bool paced = false)
        : SimLine(memory, faults, sim::LineOptions{{}, paced}) {}
    QString path() const { return QString::fromStdString(device()); }
    const RadioImage& memory() {
        stop();
        return radio().memory();
    }
};
#endif

// Runs answer on the next modal dialog of type T that comes up (for up to a
// minute), the way a user would react to it; the test then starts the
// command that shows the dialog. Deleting the returned timer stops waiting.
template <typename T>
QPointer<QTimer> WhenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        } else if (++*waited > 6000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the dialog never came up";
        }
    });
    timer->start(10);
    return timer;
}

// Waits (without asserting on time) until done holds; fails after a
// generous limit so a hung exchange does not hang the suite.
inline bool WaitUntil(const std::function<bool()>& done) { return QTest::qWaitFor(done, 120000); }

class ScriptedDialogs : public gui::UserDialogs {
public:
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<SaveChoice> saveChoices;
    std::deque<QString> csvOpenNames;
    std::deque<QString> csvSaveNames;
    std::deque<QString> listFormats;  // with csvSaveNames; this program's CSV ("csv") when empty
    int saveQuestions = 0;
    std::deque<bool> yesNoAnswers;  // to askYesNo, which records its questions
    QStringList yesNoQuestions;

    QString openFileName() override { return take(openNames, QString()); }
    QString saveFileName(const QString&) override { return take(saveNames, QString()); }
    QString openCsvFileName() override { return take(csvOpenNames, QString()); }
    QString saveCsvFileName(const QString&) override { return take(csvSaveNames, QString()); }
    QString saveChannelListName(const QString&, QString& format) override {
        format = take(listFormats, QStringLiteral("csv"));
        return take(csvSaveNames, QString());
    }
    SaveChoice askSaveChanges(const QString&) override {
        ++saveQuestions;
        if (saveChoices.empty()) ADD_FAILURE() << "unexpected save-changes question";
        return take(saveChoices, SaveChoice::Cancel);
    }

    bool askYesNo(const QString& question) override {
        yesNoQuestions << question;
        if (yesNoAnswers.empty()) ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return take(yesNoAnswers, false);
    }

private:
    // The next scripted answer, or the given one when the script has run out.
    template <typename T>
    static T take(std::deque<T>& script, T whenEmpty) {
        if (script.empty()) return whenEmpty;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Every test starts with the user's settings cleared: no recent files.
        gui::UserSettings().clear();
        startWindow();
    }

    void startWindow(const QStringList& arguments = {}) {
        window.reset();
        window = std::make_unique<gui::MainWindow>(gui::ParseCommandLine(arguments).options);
        window->setMessenger(&messages);
        window->setUserDialogs(&dialogs);
        openedCommandLineFile = window->files().openCommandLineFile();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    gui::TransferController& transfer() { return *window->findChild<gui::TransferController*>(); }
    gui::PortSelection& port() { return *window->findChild<gui::PortSelection*>(); }
#ifndef _WIN32
    // A virtual radio on its own pseudo-terminal, chosen as the port; it
    // replaces the one plugged in before.
    RadioOnPty& plugIn(const RadioImage& memory, Faults faults = {}, bool paced = false) {
        radio_ = std::make_unique<RadioOnPty>(memory, faults, paced);
        port().setPort(radio_->path());
        return *radio_;
    }
#endif
    gui::CProgressDlg& progress() { return transfer().progressDialog(); }
    // A radio command, then Start in the progress window; with blocks,
    // returns once that many blocks went, otherwise at the end of the
    // exchange, when the progress window has gone.
    void run(int command, int blocks = 0) {
        window->action(command)->trigger();
        ASSERT_TRUE(progress().isVisible());
        QTest::mouseClick(progress().startButton(), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return blocks ? progress().bar()->value() >= blocks : !transfer().isRunning(); }));
        EXPECT_FALSE(!blocks && progress().isVisible()) << "the progress window stays after the exchange";
    }

    gui::CKivuView& view() { return window->view(); }
    RadioImage& image() { return window->document().image(); }
    QUndoStack& history() { return window->document().undoStack(); }
    // Puts content in the document and shows it on the pages.
    void load(const RadioImage& content) {
        image() = content;
        view().fillAllPages();
    }
    // An edit on the options page that has not been stored yet.
    void editOptionPage() {
        view().selectTab(gui::CKivuView::kOptionTab);
        auto* squelch = control<QComboBox>("squelchLevel");
        ASSERT_NE(squelch, nullptr);
        squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    }
    gui::CChannelPage& page() { return window->view().channelPage(); }
    gui::CMSFlexGrid& grid() { return page().grid(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }
    // The table focused on that cell, no editor open, as the arrow keys leave it.
    void goToCell(int row, int col) { grid().setFocus(); grid().SetCurrentCell(row, col); }
    void trigger(int id) { window->action(id)->trigger(); }
    QTabBar& tabs() { return *view().findChild<QTabBar*>("pageTabs"); }
    void clickTab(int tab) { QTest::mouseClick(&tabs(), Qt::LeftButton, {}, tabs().tabRect(tab).center()); }
    // A named control of one of the pages.
    template <typename T>
    T* control(const char* name) {
        T* widget = view().findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    void clickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        const QModelIndex index = grid().CellIndex(row, col);
        grid().scrollTo(index);
        QTest::mouseClick(grid().viewport(), button, {}, grid().visualRect(index).center());
    }

    // Keys go where the user's keys go: to the widget with the focus, else
    // to the window. The desktop gives the focus back to the window when a
    // dialog closes; the test platform leaves no window active.
    QWidget* focus() {
        if (!QApplication::activeWindow()) QApplication::setActiveWindow(window.get());
        return QApplication::focusWidget();
    }
    void type(const QString& text) {
        for (QChar c : text) QTest::keyClick(focus(), c.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = focus();
        QTest::keyClick(target ? target : window.get(), key, modifiers);
    }

    // Opens the cell with a click and types a value, then Enter.
    void enterValue(int row, int col, const QString& text) {
        clickCell(row, col);
        type(text);
        press(Qt::Key_Return);
    }

    // The files of a test lie in folders named in the users' own languages,
    // which on Windows no 8-bit code page holds together.
    QString tempPath(const QString& name) const {
        QDir dir(temp.path() + QStringLiteral("/José/张伟"));
        dir.mkpath(QStringLiteral("."));
        return dir.filePath(name);
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray bytesOf(const RadioImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<int>(kImageSize));
    }

    RecordingMessenger messages;
    bool openedCommandLineFile = false;
    ScriptedDialogs dialogs;
    QTemporaryDir temp;
    std::unique_ptr<gui::MainWindow> window;
#ifndef _WIN32
    std::unique_ptr<RadioOnPty> radio_;  // stopped before the window goes
#endif
};

}  // namespace zem::test
