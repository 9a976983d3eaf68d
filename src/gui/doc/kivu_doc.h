#pragma once

#include "document/program_file.h"
#include "document/radio_image.h"

#include <QString>

namespace zem::gui {

// What shows the document and may hold edits not yet stored into its image:
// the form with the three pages.
class DocumentPages {
public:
    // What the image would hold if the pages were stored now; nothing is
    // stored and no message is shown.
    virtual zem::RadioImage storedImage() const = 0;

protected:
    ~DocumentPages() = default;
};

// The one document of the program: the radio image that every page shows,
// the path of the program file it came from, and the baseline that tells
// whether the user has changed anything since it was last loaded, saved or
// read from the radio.
class CKivuDoc {
public:
    CKivuDoc();

    zem::RadioImage& image() { return image_; }
    const zem::RadioImage& image() const { return image_; }

    // The program file the document belongs to; empty for a new document.
    const QString& pathName() const { return path_; }
    void setPathName(const QString& path) { path_ = path; }

    // The pages that decide whether the document holds changes.
    void attachView(DocumentPages* view) { view_ = view; }

    // Builds the image of a new document and forgets the path.
    void newDocument();

    // Loads a program file. On failure the image and the path are left as
    // they were and the result carries the message to show.
    zem::FileResult open(const QString& path);

    // Saves the image as it is (the caller stores the pages first) and, on
    // success, takes path as the document's path and the saved image as
    // the new baseline.
    zem::FileResult save(const QString& path);

    // The pages now show exactly what the document holds on disk or in the
    // radio: what they store from here on is the baseline to compare with.
    void markUnmodified();

    // True when the pages, stored as they stand, would give an image other
    // than the baseline. Nothing is stored into the document's image.
    bool isModified() const;

private:
    zem::RadioImage image_;
    zem::RadioImage baseline_;
    QString path_;
    DocumentPages* view_ = nullptr;
};

}  // namespace zem::gui
