#pragma once

// A main window under test: messages recorded and answered from a script,
// file choices and the save-changes question scripted, and helpers that
// click and type the way a user does.

#include "app/document_files.h"
#include "app/main_window.h"
#include "commands/user_dialogs.h"
#include "channels/channel_page.h"
#include "channels/ms_flex_grid.h"
#include "pages/key_page.h"
#include "pages/option_page.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace zem::test {

class ScriptedDialogs : public gui::UserDialogs {
public:
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<SaveChoice> saveChoices;
    std::deque<QString> csvOpenNames;
    std::deque<QString> csvSaveNames;
    std::deque<ChannelListFormat> listFormats;  // with csvSaveNames; this program's CSV when empty
    int saveQuestions = 0;

    QString openFileName() override { return take(openNames, QString()); }
    QString saveFileName(const QString&) override { return take(saveNames, QString()); }
    QString openCsvFileName() override { return take(csvOpenNames, QString()); }
    QString saveCsvFileName(const QString&) override { return take(csvSaveNames, QString()); }
    QString saveChannelListName(const QString&, ChannelListFormat& format) override {
        format = take(listFormats, ChannelListFormat::ThisProgram);
        return take(csvSaveNames, QString());
    }
    SaveChoice askSaveChanges(const QString&) override {
        ++saveQuestions;
        if (saveChoices.empty()) ADD_FAILURE() << "unexpected save-changes question";
        return take(saveChoices, SaveChoice::Cancel);
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
        // Every test starts with an empty recent-file list.
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Zem Programming Software"))
            .clear();
        startWindow({});
    }

    void startWindow(const QStringList& arguments) {
        window.reset();
        window = std::make_unique<gui::MainWindow>(gui::ParseCommandLine(arguments).options);
        window->setMessenger(&messages);
        window->setUserDialogs(&dialogs);
        openedCommandLineFile = window->files().openCommandLineFile();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    gui::CKivuView& view() { return window->view(); }
    gui::CChannelPage& page() { return window->view().channelPage(); }
    gui::CMSFlexGrid& grid() { return page().grid(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }
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

    // Keys go where the user's keys go: to the widget with the focus.
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void type(const QString& text) {
        for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
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
};

}  // namespace zem::test
