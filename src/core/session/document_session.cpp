#include "session/document_session.h"

#include "document/input_text.h"
#include "plan/plan_text.h"
#include "translate.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <utility>

namespace zem {

const char* const kWhatPlanText = ZEM_TRANSLATE_NOOP("zem::gui::CKivuDoc", "a plan text");
const char* const kMsgPlanCannotRead = ZEM_TRANSLATE_NOOP("zem::gui::CKivuDoc", "Could not read %1");
const char* const kMsgPlanNotOpened = ZEM_TRANSLATE_NOOP("zem::gui::CKivuDoc", "The plan %1 was not opened:");
const char* const kMsgPlanMoreErrors = ZEM_TRANSLATE_NOOP("zem::gui::CKivuDoc", "(%1 more)");
const char* const kMsgPlanOpenedChanged =
    ZEM_TRANSLATE_NOOP("zem::gui::CKivuDoc", "The plan %1 was opened with these changes:");

namespace {

// text with its %1 replaced by value.
std::string Placed(std::string text, const std::string& value) {
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

}  // namespace

bool IsPlanTextPath(const std::filesystem::path& path) {
    std::string suffix = PathText(path.extension());
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".yaml" || suffix == ".yml";
}

DocumentSession::DocumentSession() : image_(NewDocumentImage()), baseline_(image_), recorded_(image_) {}

void DocumentSession::setPath(const std::filesystem::path& path) {
    path_ = path;
    stamp_ = stampOnDisk();
}

bool DocumentSession::changedOnDisk() const { return !path_.empty() && ChangedOnDisk(stamp_, path_); }

FileStamp DocumentSession::stampOnDisk() const { return path_.empty() ? FileStamp() : StampFile(path_); }

void DocumentSession::newDocument() {
    image_ = NewDocumentImage();
    setPath({});
}

FileResult DocumentSession::open(const std::filesystem::path& path, const OpenTexts& texts) {
    if (!IsPlanTextPath(path)) {
        // Loading goes into a copy, so a refused file leaves the document as it was.
        RadioImage loaded = image_;
        const FileResult result = LoadProgramFile(path, loaded);
        if (result.ok) {
            image_ = loaded;
            setPath(path);
        }
        return result;
    }
    // A folder or a file far larger than any plan is refused before it is read.
    if (FileResult checked = CheckInputFile(path, texts.planText); !checked.ok) return checked;
    std::string text;
    std::ifstream in(path, std::ios::binary);
    if (!in || !ReadInputText(in, PathText(path), texts.planText, text).ok)
        return FileResult::failure(Placed(texts.cannotRead, PathText(std::filesystem::path(path).make_preferred())));
    const FileResult result = openPlanText(text, PathText(path.filename()), texts);
    if (result.ok) setPath(path);
    return result;
}

FileResult DocumentSession::openPlanText(const std::string& text, const std::string& name, const OpenTexts& texts) {
    if (text.size() > kMaxInputTextBytes) return FileResult::failure(TooLargeText(name, text.size(), texts.planText));
    const PlanTextImport plan = ImportPlanText(text);
    if (!plan.ok()) {
        std::string message = Placed(texts.notOpened, name);
        // The first errors say what is wrong; a file that is no plan at all gives many.
        constexpr std::size_t kShown = 10;
        for (std::size_t i = 0; i < plan.errors.size() && i < kShown; ++i) message += "\n" + plan.errors[i].describe();
        if (plan.errors.size() > kShown)
            message += "\n" + Placed(texts.moreErrors, std::to_string(plan.errors.size() - kShown));
        return FileResult::failure(message);
    }
    image_ = plan.image;
    setPath({});
    // An opened plan that was stored otherwise than written says so.
    std::string notes;
    for (const std::string& note : plan.notes) notes += "\n" + note;
    if (notes.empty()) return FileResult::success();
    return {true, Placed(texts.openedChanged, name) + notes};
}

FileResult DocumentSession::save(const std::filesystem::path& path) {
    const FileResult result =
        IsPlanTextPath(path) ? WriteFileAtomically(path, ExportPlanText(image_)) : SaveProgramFile(path, image_);
    if (result.ok) {
        setPath(path);
        markUnmodified();
    }
    return result;
}

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
