#include "doc/kivu_doc.h"

#include "common/file_names.h"

#include <QUndoCommand>

namespace zem::gui {

// One step of the session on the window's undo stack.
class SessionStep : public QUndoCommand {
public:
    SessionStep(CKivuDoc& doc, const QString& text) : QUndoCommand(text), doc_(doc) {}

    void undo() override { doc_.session_.undo(); }
    void redo() override {
        // The change is already made when the step is recorded.
        if (recorded_) {
            recorded_ = false;
            return;
        }
        doc_.session_.redo();
    }

private:
    CKivuDoc& doc_;
    bool recorded_ = true;
};

CKivuDoc::CKivuDoc() {
    undoStack_.setUndoLimit(static_cast<int>(zem::DocumentSession::kUndoLimit));
    session_.stepRecorded = [this](const std::string& name) {
        undoStack_.push(new SessionStep(*this, QString::fromStdString(name)));
    };
}

void CKivuDoc::newDocument() { session_.newDocument(); }

QString CKivuDoc::pathName() const { return FileNameText(session_.path()); }

void CKivuDoc::setPathName(const QString& path) { session_.setPath(FilePath(path)); }

zem::FileResult CKivuDoc::open(const QString& path) { return session_.open(FilePath(path)); }

zem::FileResult CKivuDoc::save(const QString& path) { return session_.save(FilePath(path)); }

void CKivuDoc::resetHistory() {
    undoStack_.clear();
    session_.resetHistory();
}

bool CKivuDoc::recordChange(const QString& text) { return session_.recordChange(text.toStdString()); }

CKivuDoc::ChangeScope::ChangeScope(CKivuDoc& doc, const QString& text) : scope_(doc.session_, text.toStdString()) {}

CKivuDoc::ChangeScope::~ChangeScope() = default;

}  // namespace zem::gui
