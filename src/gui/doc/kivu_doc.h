#pragma once

#include "document/program_file.h"
#include "document/radio_image.h"
#include "session/document_session.h"

#include <QString>
#include <QUndoStack>

namespace zem::gui {

// What shows the document and may hold edits not yet stored into its image:
// the form with the three pages.
class DocumentPages {
public:
    // What the image would hold if the pages were stored now; nothing is
    // stored and no message is shown.
    virtual zem::RadioImage storedImage() const = 0;

    // Fills every page from the image; the page shown stays shown.
    virtual void fillAllPages() = 0;

    // The name of an undo step from before to after in the pages' words:
    // the first setting shown differently ("Receive of channel 5",
    // "Squelch Level"); empty when every page shows both the same way.
    virtual QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const = 0;

protected:
    ~DocumentPages() = default;
};

// The one document of the program: the core's session (the radio image that
// every page shows, the baseline that tells whether the user has changed
// anything since it was last loaded, saved or read from the radio, and the
// undo history of its changes, the file it belongs to) in the window's
// words, and the session's steps on a QUndoStack for the Edit menu.
//
// Every change of the document is one undo step holding the image before
// and after it. Steps are recorded by whoever changes the document:
//
//     doc.recordChange(QStringLiteral("Receive of channel 5"));
//
// compares what the pages now show with the state of the last step and, if
// they differ, records one step under that name. A command that makes many
// changes (a paste, an import, a read) holds a ChangeScope while it works,
// and all its changes become one step:
//
//     {
//         CKivuDoc::ChangeScope step(doc, QStringLiteral("Paste"));
//         ... commit cells, fill pages ...
//     }   // one step "Paste", or none when nothing changed
class CKivuDoc {
public:
    CKivuDoc();
    CKivuDoc(const CKivuDoc&) = delete;
    CKivuDoc& operator=(const CKivuDoc&) = delete;

    zem::RadioImage& image() { return session_.image(); }
    const zem::RadioImage& image() const { return session_.image(); }

    // The program file the document belongs to; empty for a new document.
    QString pathName() const;
    void setPathName(const QString& path);

    // Whether the document's file now holds other bytes than when the
    // document last opened or saved it (another window or program wrote
    // it); false without a file.
    bool changedOnDisk() const { return session_.changedOnDisk(); }
    // The document's file as it is now.
    zem::FileStamp stampOnDisk() const { return session_.stampOnDisk(); }

    // The pages that decide whether the document holds changes and that
    // undo and redo refill.
    void attachView(DocumentPages* view) {
        view_ = view;
        session_.attachPages(view ? &pages_ : nullptr);
    }

    // Builds the image of a new document and forgets the path.
    void newDocument();

    // The session's open; its message (said()) is shown translated.
    zem::FileResult open(const QString& path);

    // The session's save: a plan text when path names one; on success path
    // is the document's file and the saved image the new baseline.
    zem::FileResult save(const QString& path);

    // The pages now show exactly what the document holds on disk or in the
    // radio: what they store from here on is the baseline to compare with.
    void markUnmodified() { session_.markUnmodified(); }

    // True when the pages, stored as they stand, would give an image other
    // than the baseline. Nothing is stored into the document's image. An
    // undo back to the baseline is no change.
    bool isModified() const { return session_.isModified(); }

    // What the pages would store now: the document as the user sees it.
    zem::RadioImage currentImage() const { return session_.currentImage(); }

    // The undo history: one command for each of the session's steps, whose
    // undo and redo put the step's image back and refill the pages; the
    // page shown stays shown.
    QUndoStack& undoStack() { return undoStack_; }

    // Forgets every step: the document as the pages show it now is where
    // the history starts (after New and Open).
    void resetHistory();

    // Records the change the pages show against the state of the last step
    // as one undo step named text ("Paste"); an empty text lets the pages
    // name it after what changed ("Squelch Level"). Returns false
    // when nothing changed (no step), and inside a ChangeScope, whose end
    // records instead.
    bool recordChange(const QString& text = QString());

    // Gathers every change made while it lives into one undo step named
    // text. Changes the pages showed before it began become a step of their
    // own first. Scopes may nest: the outermost one records.
    class ChangeScope {
    public:
        ChangeScope(CKivuDoc& doc, const QString& text);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        zem::DocumentSession::ChangeScope scope_;
    };

private:
    friend class SessionStep;

    // The window's pages in the session's words.
    class PagesAdapter final : public zem::SessionPages {
    public:
        explicit PagesAdapter(CKivuDoc& doc) : doc_(doc) {}
        zem::RadioImage storedImage() const override { return doc_.view_->storedImage(); }
        void fillAllPages() override { doc_.view_->fillAllPages(); }
        std::string stepName(const zem::RadioImage& before, const zem::RadioImage& after) const override {
            return doc_.view_->stepName(before, after).toStdString();
        }

    private:
        CKivuDoc& doc_;
    };

    zem::DocumentSession session_;
    PagesAdapter pages_{*this};
    DocumentPages* view_ = nullptr;
    QUndoStack undoStack_;
};

}  // namespace zem::gui
