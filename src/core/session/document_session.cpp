#include "session/document_session.h"

#include <utility>

namespace zem {

DocumentSession::DocumentSession() : image_(NewDocumentImage()), baseline_(image_), recorded_(image_) {}

void DocumentSession::resetHistory() {
    steps_.clear();
    position_ = 0;
    recorded_ = currentImage();
}

bool DocumentSession::recordChange(const std::string& name) {
    if (scopeDepth_ > 0 || applying_) return false;
    const RadioImage now = currentImage();
    if (now == recorded_) return false;  // a control touched without a change
    std::string named = name.empty() && pages_ ? pages_->stepName(recorded_, now) : name;
    steps_.resize(position_);  // a new change drops what was undone
    steps_.push_back({recorded_, now, std::move(named)});
    if (steps_.size() > kUndoLimit) steps_.erase(steps_.begin());
    position_ = steps_.size();
    recorded_ = now;
    if (stepRecorded) stepRecorded(steps_.back().name);
    return true;
}

bool DocumentSession::undo() {
    if (!canUndo()) return false;
    apply(steps_[--position_].before);
    return true;
}

bool DocumentSession::redo() {
    if (!canRedo()) return false;
    apply(steps_[position_++].after);
    return true;
}

void DocumentSession::apply(const RadioImage& image) {
    image_ = image;
    applying_ = true;
    if (pages_) pages_->fillAllPages();
    applying_ = false;
    recorded_ = currentImage();
}

DocumentSession::ChangeScope::ChangeScope(DocumentSession& session, std::string name)
    : session_(session), name_(std::move(name)) {
    if (session_.scopeDepth_ == 0) session_.recordChange();
    ++session_.scopeDepth_;
}

DocumentSession::ChangeScope::~ChangeScope() {
    if (--session_.scopeDepth_ == 0) session_.recordChange(name_);
}

}  // namespace zem
