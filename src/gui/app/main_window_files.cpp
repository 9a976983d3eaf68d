// The file commands of the main window: New, Open, Save, Save As, the
// recent files, dropped files, the file named on the command line, and the
// question whether to keep unsaved changes.
#include "app/main_window.h"
#include "accessibility/announcement.h"

#include "app/recent_files.h"
#include "channels/channel_page.h"
#include "view/kivu_view.h"
#include "workbench/radio_history.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace zem::gui {

namespace {

// What a new document is called until it is saved.
const char* const kNewDocumentName = QT_TRANSLATE_NOOP("zem::gui::MainWindow", "Programing Data");

}  // namespace

bool MainWindow::openCommandLineFile() {
    return commandLine_.file.isEmpty() || loadFile(commandLine_.file);
}

void MainWindow::afterDocumentLoaded(bool isNewDocument) {
    view_->initialUpdate();
    // A new document starts on the first type and band; a file shows its own.
    if (isNewDocument) view_->channelPage().selectFirstEntries();
    doc_.markUnmodified();
    // A new or opened document starts a history of its own.
    doc_.resetHistory();
}

bool MainWindow::maybeSave() {
    // A value still being typed into the grid counts as a change.
    view_->channelPage().commitOpenEditor();
    if (!doc_.isModified()) return true;
    switch (dialogs_->askSaveChanges(documentName())) {
    case UserDialogs::SaveChoice::Save:
        return fileSave();
    case UserDialogs::SaveChoice::Discard:
        return true;
    case UserDialogs::SaveChoice::Cancel:
    default:
        return false;
    }
}

QString MainWindow::documentName() const {
    if (doc_.pathName().isEmpty()) return tr(kNewDocumentName);
    return QFileInfo(doc_.pathName()).fileName();
}

bool MainWindow::fileNew() {
    if (!maybeSave()) return false;
    doc_.newDocument();
    afterDocumentLoaded(true);
    return true;
}

bool MainWindow::fileOpen() {
    if (!maybeSave()) return false;
    const QString path = dialogs_->openFileName();
    if (path.isEmpty()) return false;
    return loadFile(path);
}

bool MainWindow::openFile(const QString& path) {
    if (!maybeSave()) return false;
    return loadFile(path);
}

bool MainWindow::openRecentFile(int entry) {
    const QStringList files = recent_->entries();
    if (entry < 0 || entry >= files.size()) return false;
    if (!maybeSave()) return false;
    const QString path = files.at(entry);
    if (loadFile(path)) return true;
    // A file that cannot be opened any more leaves the list.
    recent_->remove(path);
    updateRecentFileActions();
    return false;
}

bool MainWindow::showRadioHistory() {
    RadioHistory history;
    RadioHistoryDialog dialog(history, messenger_, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QString path = dialog.chosenPath();
    return !path.isEmpty() && openUntitled(path);
}

bool MainWindow::openUntitled(const QString& path) {
    if (!maybeSave()) return false;
    const zem::FileResult result = doc_.open(path);
    if (!result.ok) {
        messenger_.notice(result.message);
        return false;
    }
    doc_.setPathName(QString());
    afterDocumentLoaded(false);
    return true;
}

bool MainWindow::loadFile(const QString& path) {
    // A refused file leaves the document and the pages as they were.
    const zem::FileResult result = doc_.open(path);
    if (!result.ok) {
        messenger_.notice(result.message);
        return false;
    }
    recent_->add(path);
    updateRecentFileActions();
    afterDocumentLoaded(false);
    return true;
}

bool MainWindow::fileSave() {
    if (doc_.pathName().isEmpty()) return fileSaveAs();
    return saveTo(doc_.pathName());
}

bool MainWindow::fileSaveAs() {
    const QString suggested =
        doc_.pathName().isEmpty() ? tr(kNewDocumentName) + QStringLiteral(".Zem") : doc_.pathName();
    const QString path = dialogs_->saveFileName(suggested);
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
    // What reaches the disk is what the pages show, an open editor included.
    view_->storeAllPages();
    const zem::FileResult result = doc_.save(path);
    if (!result.ok) {
        messenger_.notice(result.message);
        return false;
    }
    recent_->add(path);
    updateRecentFileActions();
    Announce(this, tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            openFile(url.toLocalFile());
            return;
        }
    }
}

}  // namespace zem::gui
