#include "app/document_files.h"

#include "accessibility/announcement.h"
#include "app/recent_files.h"
#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "commands/command_ids.h"
#include "commands/user_dialogs.h"
#include "doc/kivu_doc.h"
#include "view/kivu_view.h"
#include "workbench/radio_history.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>

#include "messenger.h"

namespace zem::gui {

namespace {

// What a new document is called until it is saved.
const char* const kNewDocumentName = QT_TRANSLATE_NOOP("zem::gui::DocumentFiles", "Programing Data");

}  // namespace

DocumentFiles::DocumentFiles(CommandHost& host, QAction* recentLabel, QObject* parent)
    : QObject(parent), host_(host), recentLabel_(recentLabel), recent_(std::make_unique<RecentFiles>()) {
    setObjectName(QStringLiteral("documentFiles"));
    updateRecentFileActions();
}

DocumentFiles::~DocumentFiles() = default;

void DocumentFiles::showNewDocument() { afterDocumentLoaded(true); }

bool DocumentFiles::openCommandLineFile() {
    const QString& file = host_.commandLine().file;
    if (file.isEmpty()) return true;
    if (!loadFile(file, false)) return false;
    // The window is not shown yet; the caption never names the file.
    AnnounceWhenActive(&host_.hostWidget(), openedText(file));
    return true;
}

QString DocumentFiles::openedText(const QString& path) const {
    return tr("Opened %1").arg(QFileInfo(path).fileName());
}

void DocumentFiles::afterDocumentLoaded(bool isNewDocument) {
    CKivuView& view = host_.view();
    view.initialUpdate();
    // A new document starts on the first type and band; a file shows its own.
    if (isNewDocument) view.channelPage().selectFirstEntries();
    host_.document().markUnmodified();
    // A new or opened document starts a history of its own.
    host_.document().resetHistory();
}

bool DocumentFiles::maybeSave() {
    // A value still being typed into the grid counts as a change.
    host_.view().channelPage().commitOpenEditor();
    if (!host_.document().isModified()) return true;
    switch (host_.dialogs().askSaveChanges(documentName())) {
        case UserDialogs::SaveChoice::Save:
            return fileSave();
        case UserDialogs::SaveChoice::Discard:
            return true;
        case UserDialogs::SaveChoice::Cancel:
        default:
            return false;
    }
}

QString DocumentFiles::documentName() const {
    const QString& path = host_.document().pathName();
    if (path.isEmpty()) return tr(kNewDocumentName);
    return QFileInfo(path).fileName();
}

bool DocumentFiles::fileNew() {
    if (!maybeSave()) return false;
    host_.document().newDocument();
    afterDocumentLoaded(true);
    return true;
}

bool DocumentFiles::fileOpen() {
    if (!maybeSave()) return false;
    const QString path = host_.dialogs().openFileName();
    if (path.isEmpty()) return false;
    return loadFile(path);
}

bool DocumentFiles::openFile(const QString& path) {
    if (!maybeSave()) return false;
    return loadFile(path);
}

bool DocumentFiles::openRecentFile(int entry) {
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

bool DocumentFiles::showRadioHistory() {
    RadioHistory history;
    RadioHistoryDialog dialog(history, host_.messenger(), &host_.hostWidget());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QString path = dialog.chosenPath();
    return !path.isEmpty() && openUntitled(path);
}

bool DocumentFiles::openUntitled(const QString& path) {
    if (!maybeSave()) return false;
    const zem::FileResult result = host_.document().open(path);
    if (!result.ok) {
        host_.messenger().notice(result.said());
        return false;
    }
    host_.document().setPathName(QString());
    afterDocumentLoaded(false);
    if (!result.message.empty()) host_.messenger().notice(result.said());
    return true;
}

bool DocumentFiles::loadFile(const QString& path, bool announce) {
    // A refused file leaves the document and the pages as they were.
    const zem::FileResult result = host_.document().open(path);
    if (!result.ok) {
        host_.messenger().notice(result.said());
        return false;
    }
    recent_->add(path);
    updateRecentFileActions();
    afterDocumentLoaded(false);
    if (!result.message.empty()) host_.messenger().notice(result.said());
    // Heard once the file dialog has closed and the window has its focus back.
    if (announce) AnnounceWhenSettled(&host_.hostWidget(), openedText(path));
    return true;
}

bool DocumentFiles::fileSave() {
    const QString path = host_.document().pathName();
    if (path.isEmpty()) return fileSaveAs();
    return saveTo(path);
}

bool DocumentFiles::fileSaveAs() {
    const QString current = host_.document().pathName();
    const QString suggested =
        current.isEmpty() ? tr(kNewDocumentName) + QStringLiteral(".Zem") : current;
    const QString path = host_.dialogs().saveFileName(suggested);
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool DocumentFiles::saveTo(const QString& path) {
    // Another window or program wrote the document's file since it was
    // opened or saved here: its work would be lost without a word.
    CKivuDoc& doc = host_.document();
    if (!doc.pathName().isEmpty() && QFileInfo(path) == QFileInfo(doc.pathName()) && doc.changedOnDisk() &&
        !host_.dialogs().askYesNo(
            tr("The file %1 was changed by another program since you opened it. Overwrite it?")
                .arg(QFileInfo(path).fileName())))
        return false;
    // What reaches the disk is what the pages show, an open editor included.
    host_.view().storeAllPages();
    const zem::FileResult result = host_.document().save(path);
    if (!result.ok) {
        host_.messenger().notice(result.said());
        return false;
    }
    recent_->add(path);
    updateRecentFileActions();
    Announce(&host_.hostWidget(), tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

void DocumentFiles::offerReloadIfChanged() {
    CKivuDoc& doc = host_.document();
    // The question's own box takes the focus and gives it back: one question
    // at a time, and none while another box (a transfer's) is up.
    if (askingReload_ || QApplication::activeModalWidget() || doc.pathName().isEmpty() || !doc.changedOnDisk())
        return;
    if (doc.isModified()) return;  // Save asks before it overwrites
    const zem::FileStamp now = doc.stampOnDisk();
    if (now == declinedReload_) return;
    askingReload_ = true;
    const QString path = doc.pathName();
    const bool reload = host_.dialogs().askYesNo(
        tr("The file %1 was changed by another program. Reload it?").arg(QFileInfo(path).fileName()));
    askingReload_ = false;
    if (!reload || !loadFile(path)) declinedReload_ = now;
}

QStringList DocumentFiles::recentFiles() const { return recent_->entries(); }

void DocumentFiles::updateRecentFileActions() {
    const QStringList& files = recent_->entries();
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        QAction* a = host_.action(kCmdRecentFile1 + i);
        if (a == nullptr) continue;
        if (i < files.size()) {
            QString shown = files.at(i);
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            a->setText(tr("&%1 %2").arg(i + 1).arg(shown));
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
    if (recentLabel_ != nullptr) recentLabel_->setVisible(files.isEmpty());
}

}  // namespace zem::gui
