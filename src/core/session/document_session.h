#pragma once

#include "document/program_file.h"
#include "document/radio_image.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zem {

// True for a plan as text (*.yaml, *.yml, in any case), which opens and
// saves as YAML instead of the 1024 bytes of a program file.
bool IsPlanTextPath(const std::filesystem::path& path);

// What opening a document says, marked in the context "zem::gui::CKivuDoc"
// (the window's, where they stood first); %1 stands for the file.
extern const char* const kWhatPlanText;          // "a plan text", for the refusals of input_text
extern const char* const kMsgPlanCannotRead;     // "Could not read %1" (the path)
extern const char* const kMsgPlanNotOpened;      // "The plan %1 was not opened:" (the name), then its errors
extern const char* const kMsgPlanMoreErrors;     // "(%1 more)": errors beyond the first ten
extern const char* const kMsgPlanOpenedChanged;  // "The plan %1 was opened with these changes:" (the name)

// What shows the document and may hold edits not yet stored into its image:
// the window's form with its three pages, or the page values of a front end
// without widgets (ValuePages).
class SessionPages {
public:
    // What the image would hold if the pages were stored now; nothing is
    // stored and no message is shown.
    virtual RadioImage storedImage() const = 0;
    // Fills every page from the image; the page shown stays shown.
    virtual void fillAllPages() = 0;
    // The name of an undo step from before to after in the pages' words
    // ("Receive of channel 5"); empty leaves the step unnamed.
    virtual std::string stepName(const RadioImage& before, const RadioImage& after) const = 0;

protected:
    ~SessionPages() = default;
};

// The one document of a front end: the radio image every page shows, the
// baseline that tells whether anything changed since it was last opened,
// saved or read, and the undo history of its changes.
//
// Every change is one undo step holding the image before and after it and a
// name. Whoever changes the document records the step:
//
//     session.recordChange("Receive of channel 5");
//
// compares what the pages now show with the state of the newest step and,
// when they differ, records one step. A command that makes many changes (a
// paste, an import, a read) holds a ChangeScope while it works, and all its
// changes become one step. Undo and redo put a step's image back and refill
// the pages; the page shown stays shown.
class DocumentSession {
public:
    // Enough for a long session at the bench; a step holds two images.
    static constexpr std::size_t kUndoLimit = 500;

    DocumentSession();
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }

    // The file the document belongs to; empty for a new document and for
    // one opened from elsewhere (a plan text handed in, a radio's history).
    const std::filesystem::path& path() const { return path_; }
    // Takes path as the document's file as it is now on disk; an empty
    // path leaves the document without one.
    void setPath(const std::filesystem::path& path);
    // Whether the document's file now holds other bytes than when the
    // document last opened or saved it (another window or program wrote
    // it); false without a file.
    bool changedOnDisk() const;
    // The document's file as it is now.
    FileStamp stampOnDisk() const;

    // The image of a new document, without a file. The caller fills the
    // pages, marks it unmodified and resets the history.
    void newDocument();
    // Opens a program file, or a plan text when IsPlanTextPath(path) says
    // so (read up to kMaxInputTextBytes, a folder or a larger file refused
    // first). On failure the image and the file are left as they were and
    // the result carries the message to show; a plan stored otherwise than
    // written (a pick the radio keeps, missing bytes) opens with a message
    // that says so. The message is a Text with its values (said() for the
    // front end to show in its language, message its English). The caller
    // then fills the pages, marks the document unmodified and resets the
    // history, as after newDocument.
    FileResult open(const std::filesystem::path& path);
    // The same for a plan text already in hand (the browser's file), name
    // standing for it in the messages; the document keeps no file.
    FileResult openPlanText(const std::string& text, const std::string& name);
    // Saves the image as it is (the caller stores the pages first), as a
    // plan text when path names one; on success path is the document's
    // file and the saved image the new baseline.
    FileResult save(const std::filesystem::path& path);

    // The pages that decide whether the document holds changes and that
    // undo and redo refill; null: the image alone.
    void attachPages(SessionPages* pages) { pages_ = pages; }

    // What the pages would store now: the document as the user sees it.
    RadioImage currentImage() const { return pages_ ? pages_->storedImage() : image_; }

    // The pages now show exactly what the document holds on disk or in the
    // radio: what they store from here on is the baseline to compare with.
    void markUnmodified() { baseline_ = currentImage(); }
    // True when the pages, stored as they stand, would give an image other
    // than the baseline. An undo back to the baseline is no change.
    bool isModified() const { return currentImage() != baseline_; }

    // Forgets every step: the document as the pages show it now is where
    // the history starts (after New and Open).
    void resetHistory();

    // Records the change the pages show against the newest step as one step
    // named name; an empty name lets the pages name it. False when nothing
    // changed (no step), while undo or redo refill the pages, and inside a
    // ChangeScope, whose end records instead.
    bool recordChange(const std::string& name = {});

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    bool undo();
    bool redo();
    // The names of the steps undo and redo would take back or make again.
    std::string undoName() const { return canUndo() ? steps_[position_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? steps_[position_].name : std::string(); }
    std::size_t stepCount() const { return steps_.size(); }

    // Told of every step recorded, after it was (the window's undo stack
    // takes a command for it).
    std::function<void(const std::string& name)> stepRecorded;

    // Gathers every change made while it lives into one step named name.
    // Changes the pages showed before it began become a step of their own
    // first. Scopes may nest: the outermost one records.
    class ChangeScope {
    public:
        ChangeScope(DocumentSession& session, std::string name);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        DocumentSession& session_;
        std::string name_;
    };

private:
    void apply(const RadioImage& image);

    struct Step {
        RadioImage before;
        RadioImage after;
        std::string name;
    };

    RadioImage image_;
    std::filesystem::path path_;
    FileStamp stamp_;  // the file as open or save left it
    RadioImage baseline_;  // as last opened, saved or read
    RadioImage recorded_;  // as of the newest step
    SessionPages* pages_ = nullptr;
    std::vector<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    int scopeDepth_ = 0;
    bool applying_ = false;
};

}  // namespace zem
