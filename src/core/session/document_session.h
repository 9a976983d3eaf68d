#pragma once

#include "document/radio_image.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zem {

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
    RadioImage baseline_;  // as last opened, saved or read
    RadioImage recorded_;  // as of the newest step
    SessionPages* pages_ = nullptr;
    std::vector<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    int scopeDepth_ = 0;
    bool applying_ = false;
};

}  // namespace zem
