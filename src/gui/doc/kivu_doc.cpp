#include "doc/kivu_doc.h"

#include <QFile>

namespace zem::gui {

CKivuDoc::CKivuDoc() : image_(zem::NewDocumentImage()), baseline_(image_) {}

void CKivuDoc::newDocument() {
    image_ = zem::NewDocumentImage();
    path_.clear();
}

zem::FileResult CKivuDoc::open(const QString& path) {
    // Loading goes into a copy, so a refused file leaves the document as it was.
    zem::RadioImage loaded = image_;
    zem::FileResult result = zem::LoadProgramFile(QFile::encodeName(path).toStdString(), loaded);
    if (result.ok) {
        image_ = loaded;
        path_ = path;
    }
    return result;
}

zem::FileResult CKivuDoc::save(const QString& path) {
    zem::FileResult result = zem::SaveProgramFile(QFile::encodeName(path).toStdString(), image_);
    if (result.ok) {
        path_ = path;
        baseline_ = view_ ? view_->storedImage() : image_;
    }
    return result;
}

void CKivuDoc::markUnmodified() { baseline_ = view_ ? view_->storedImage() : image_; }

bool CKivuDoc::isModified() const {
    const zem::RadioImage current = view_ ? view_->storedImage() : image_;
    return current != baseline_;
}

}  // namespace zem::gui
