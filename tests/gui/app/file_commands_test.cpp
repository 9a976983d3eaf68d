// New, Open, Save, the recent files, the file on the command line, the
// question whether to save changes, and Compare with file...
#include "gui/support/window_test.h"

#include "pages/key_values.h"
#include "pages/option_values.h"

namespace zem::test {
namespace {

using Choice = gui::UserDialogs::SaveChoice;

// The command line: Qt's own options and their values are no file, the first
// file is the one opened, and a mistyped option refuses the start, even
// beside a file; --help and --version win over everything.
TEST(CommandLine, ReadsEveryOptionAndRefusesWhatItDoesNotKnow) {
    using Action = gui::ParsedCommandLine::Action;
    const struct {
        QStringList arguments;
        Action action;
        const char* file;
        const char* port;
    } cases[] = {
        {{"-platform", "offscreen", "-style=fusion", "x.Zem"}, Action::Run, "x.Zem", ""},
        {{"--port=5", "a.Zem", "b.Zem"}, Action::Run, "a.Zem", "5"},
        {{"--port", "/dev/pts/3", "--", "--odd.Zem"}, Action::Run, "--odd.Zem", "/dev/pts/3"},
        {{"x.Zem", "--bogus"}, Action::Refuse, "", ""},
        {{"-x"}, Action::Refuse, "", ""},
        {{"--port"}, Action::Refuse, "", ""},
        {{"--bogus", "-h"}, Action::Help, "", ""},
        {{"x.Zem", "--version"}, Action::Version, "", ""},
    };
    for (const auto& c : cases) {
        const gui::ParsedCommandLine parsed = gui::ParseCommandLine(c.arguments);
        const std::string args = c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.action, c.action) << args;
        EXPECT_EQ(parsed.error.isEmpty(), c.action != Action::Refuse) << args;
        EXPECT_EQ(parsed.options.file.toStdString(), c.file) << args;
        EXPECT_EQ(parsed.options.port.toStdString(), c.port) << args;
    }
    const gui::CommandLine flags =
        gui::ParseCommandLine({"--screenshot-dir", "shots", "--dark-palette", "--quit-after-show"}).options;
    EXPECT_EQ(flags.screenshotDir, "shots");
    EXPECT_TRUE(flags.darkPalette && flags.quitAfterShow && flags.file.isEmpty());
}

class FileCommandsTest : public WindowTest {
protected:
    // Runs Compare with file... on path and returns the rows listed
    // ("where|document|file"), then the summary line and "copy" when Copy
    // can be pressed.
    QStringList compareWith(const QString& path) {
        QStringList rows;
        WhenModal<gui::CompareDialog>([&](gui::CompareDialog* dialog) {
            for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = dialog->list()->topLevelItem(i);
                rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
            }
            rows << dialog->findChild<QLabel*>("summary")->text();
            if (dialog->findChild<QPushButton*>("copy")->isEnabled()) rows << "copy";
            dialog->reject();
        });
        dialogs.openNames = {path};
        window->action(gui::kCmdCompareWithFile)->trigger();
        return rows;
    }
    // A program file of band 2 ("400-470MHZ") as the pages store it, so a
    // save gives the same bytes back, with a kept byte outside every page.
    QString writeBand2File(const QString& name) {
        RadioImage image = BandImage(2);
        StoreToImage(PageOf(image), image);
        OptionValues options;
        FillFromImage(image, options);
        RecordingMessenger quiet;
        StoreToImage(options, image, quiet);
        image[0x3F0] = 0x5A;
        const QString path = tempPath(name);
        writeFile(path, bytesOf(image));
        return path;
    }
};

TEST_F(FileCommandsTest, SavedFileHoldsExactlyWhatThePagesStoreTheValueBeingTypedIncluded) {
    clickCell(3, 1);
    type("150.0125");
    const QString path = tempPath("saved.Zem");
    dialogs.saveNames = {path};
    trigger(gui::kCmdFileSave);
    EXPECT_EQ(cell(3, 1), "150.01250");

    // What the pages store, worked out with the page values as shown.
    RadioImage expected = NewDocumentImage();
    StoreToImage(page().values(), expected);
    StoreToImage(view().optionPage().values(), expected, messages);
    StoreToImage(view().keyPage().values(), expected);
    EXPECT_EQ(readFile(path), bytesOf(expected));
    EXPECT_EQ(window->document().pathName(), path);
    EXPECT_EQ(window->windowTitle(), "Zem Electronics Co., Ltd. Programing Software");
    EXPECT_EQ(window->files().recentFiles(), QStringList{path});
}

TEST_F(FileCommandsTest, FileOnTheCommandLineShowsItsBandAndSavesBackUnchangedAndNewRefillsEveryPage) {
    const QString path = writeBand2File("start.Zem");
    const QByteArray original = readFile(path);
    startWindow({"--port", "/dev/ttyUSB0", path});
    EXPECT_TRUE(openedCommandLineFile);
    EXPECT_EQ(page().bandCombo().currentText(), "400-470MHZ");
    EXPECT_EQ(window->document().pathName(), path);
    EXPECT_FALSE(window->document().isModified());  // closing would not ask

    // A save stores the pages: the same bytes show they hold the file's channels.
    trigger(gui::kCmdFileSave);
    EXPECT_EQ(readFile(path), original);
    EXPECT_TRUE(messages.empty());

    // New, from the key page with an edit there, asks, refills every page
    // and shows the channel tab, on the first band again.
    clickTab(2);
    control<QComboBox>("topLong")->setCurrentIndex(9);
    dialogs.saveChoices = {Choice::Discard};
    trigger(gui::kCmdFileNew);
    EXPECT_EQ(dialogs.saveQuestions, 1);
    EXPECT_EQ(view().currentTab(), 0);
    EXPECT_EQ(control<QComboBox>("topLong")->currentText(), "Alarm");  // a new document's bytes are the core's
    EXPECT_EQ(page().bandCombo().currentText(), "136-174MHZ");
    EXPECT_TRUE(window->document().pathName().isEmpty());
}

// Two windows on one file: the second save does not silently drop the
// first one's work, and a window without changes offers to reload a file
// the other window saved, once for each change.
TEST_F(FileCommandsTest, FileChangedByAnotherWindowIsNotOverwrittenUnasked) {
    const QString path = writeBand2File("shared.Zem");
    ASSERT_TRUE(window->files().openFile(path));
    gui::MainWindow other;
    RecordingMessenger otherMessages;
    ScriptedDialogs otherDialogs;
    other.setMessenger(&otherMessages);
    other.setUserDialogs(&otherDialogs);
    ASSERT_TRUE(other.files().openFile(path));
    other.show();
    QApplication::setActiveWindow(window.get());
    const auto otherSaves = [&](const char* receive) {
        ChannelPageValues values = PageOf(other.document().image());
        values.cells.setText(1, 1, receive);
        StoreToImage(values, other.document().image());
        other.view().fillAllPages();
        ASSERT_TRUE(other.files().fileSave());
    };
    const auto comeBack = [&] {
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(window.get());
        QCoreApplication::processEvents();
    };

    // (A question not scripted fails the test: the saves and returns that
    // must not ask are checked by that.)
    enterValue(1, 1, "402");
    otherSaves("401.00000");
    const QByteArray first = readFile(path);
    dialogs.yesNoAnswers = {false, true};
    trigger(gui::kCmdFileSave);  // No: the other window's save stays, this work stays unsaved
    EXPECT_EQ(readFile(path), first);
    EXPECT_TRUE(window->document().isModified());
    trigger(gui::kCmdFileSave);  // Yes
    EXPECT_FALSE(window->document().isModified());
    trigger(gui::kCmdFileSave);  // nobody else wrote since: not asked

    // Back in the window without changes after the other window saved.
    dialogs.yesNoAnswers = {false, true};
    otherDialogs.yesNoAnswers = {true};  // the other window was overwritten meanwhile
    otherSaves("403.00000");
    comeBack();  // No: this window keeps what it shows
    EXPECT_EQ(cell(1, 1), "402.00000");
    comeBack();  // the same change is not offered again
    otherSaves("404.00000");
    comeBack();  // a new change is; Yes reloads
    EXPECT_EQ(cell(1, 1), "404.00000");
    EXPECT_FALSE(window->document().isModified());
    const QString changed = "The file shared.Zem was changed by another program";
    const QString overwrite = changed + " since you opened it. Overwrite it?", reload = changed + ". Reload it?";
    EXPECT_EQ(dialogs.yesNoQuestions, QStringList({overwrite, overwrite, reload, reload}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(otherMessages.empty());
}

// (A refused file leaves the document and its name as they were: the
// session's open cases; the window shows the message and keeps its pages:
// the refused plan of the plan window test.)
TEST_F(FileCommandsTest, SaveChangesIsAskedOnlyWhenSomethingChanged) {
    // A value changed and changed back is no change: New does not ask.
    view().selectTab(2);
    auto* duration = view().findChild<QComboBox*>("longPressDuration");
    duration->setCurrentIndex(3);
    duration->setCurrentIndex(1);
    trigger(gui::kCmdFileNew);  // (an unscripted question fails the test)

    // Cancel keeps the edit and the document.
    enterValue(1, 1, "145");
    dialogs.saveChoices = {Choice::Cancel, Choice::Cancel};
    trigger(gui::kCmdFileNew);
    EXPECT_EQ(cell(1, 1), "145.00000");
    EXPECT_FALSE(window->close());

    // Save writes the edit, then the new document starts.
    const QString path = tempPath("asked.Zem");
    dialogs.saveChoices = {Choice::Save};
    dialogs.saveNames = {path};
    trigger(gui::kCmdFileNew);
    EXPECT_TRUE(cell(1, 1).isEmpty());
    ASSERT_EQ(readFile(path).size(), 1024);
    EXPECT_EQ(static_cast<unsigned char>(readFile(path)[0x013]), 0x14);

    // An options edit counts as well; Discard drops it.
    view().selectTab(1);
    view().findChild<QComboBox*>("timeOutTimer")->setCurrentIndex(1);
    dialogs.saveChoices = {Choice::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.saveQuestions, 4);
}

TEST_F(FileCommandsTest, RecentListKeepsFourEntriesOpensEachAndDropsFilesThatAreGone) {
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << writeBand2File(QStringLiteral("f%1.Zem").arg(i));
        dialogs.openNames = {paths.last()};
        trigger(gui::kCmdFileOpen);
    }
    EXPECT_EQ(window->files().recentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    EXPECT_TRUE(window->action(gui::kCmdRecentFile1 + 3)->isVisible());

    // The first entry opens like any other.
    trigger(gui::kCmdFileNew);
    trigger(gui::kCmdRecentFile1);
    EXPECT_EQ(window->document().pathName(), paths[4]);
    EXPECT_EQ(page().bandCombo().currentText(), "400-470MHZ");
    trigger(gui::kCmdRecentFile1 + 1);
    EXPECT_EQ(window->document().pathName(), paths[3]);
    EXPECT_EQ(window->files().recentFiles(), (QStringList{paths[3], paths[4], paths[2], paths[1]}));

    // A file that is gone is reported and leaves the list; the document stays.
    QFile::remove(paths[2]);
    trigger(gui::kCmdRecentFile1 + 2);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(window->document().pathName(), paths[3]);
    EXPECT_EQ(window->files().recentFiles(), (QStringList{paths[3], paths[4], paths[1]}));
}

// Program, Compare with file...: what the pages show against a program file.
TEST_F(FileCommandsTest, CompareWithFileListsWhatThePagesShowDifferentlyAndNothingElse) {
    enterValue(2, 1, "146.5");
    const QString path = tempPath("plan.Zem");
    dialogs.saveNames = {path};
    window->action(gui::kCmdFileSaveAs)->trigger();

    EXPECT_EQ(compareWith(path), QStringList{gui::CompareDialog::kNoDifference});

    // A settings edit not yet stored counts; an open editor is committed.
    view().selectTab(gui::CKivuView::kKeyTab);
    auto* duration = view().findChild<QComboBox*>("longPressDuration");
    duration->setCurrentIndex((duration->currentIndex() + 1) % duration->count());
    const QString shownDuration = duration->currentText();
    view().selectTab(gui::CKivuView::kChannelTab);
    clickCell(2, 5);
    const RadioImage before = window->document().image();
    const QStringList rows = compareWith(path);
    ASSERT_EQ(rows.size(), 3) << rows.join("; ").toStdString();
    EXPECT_EQ(rows.last(), "copy");
    EXPECT_TRUE(rows.front().startsWith("Long Press Duration(s)|" + shownDuration + "|")) << rows.front().toStdString();
    EXPECT_EQ(window->document().image(), before) << "comparing stores nothing";

    // A file that is no program file is refused with the file's message.
    const QString shortFile = tempPath("short.Zem");
    writeFile(shortFile, QByteArray(10, '\0'));
    dialogs.openNames = {shortFile};
    window->action(gui::kCmdCompareWithFile)->trigger();
    EXPECT_EQ(messages.texts().size(), 1u);
}

}  // namespace
}  // namespace zem::test
