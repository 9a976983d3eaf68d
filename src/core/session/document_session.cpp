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

// A text of opening a document, in the context the window first had it in.
Text OpenText(const char* source, std::vector<Text> values = {}) {
    return Text("zem::gui::CKivuDoc", source, std::move(values));
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

FileResult DocumentSession::open(const std::filesystem::path& path) {
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
    const Text what = OpenText(kWhatPlanText);
    if (FileResult checked = CheckInputFile(path, what); !checked.ok) return checked;
    std::string text;
    std::ifstream in(path, std::ios::binary);
    if (!in || !ReadInputText(in, PathText(path), what, text).ok)
        return FileResult::failure(
            OpenText(kMsgPlanCannotRead, {PathText(std::filesystem::path(path).make_preferred())}));
    const FileResult result = openPlanText(text, PathText(path.filename()));
    if (result.ok) setPath(path);
    return result;
}

FileResult DocumentSession::openPlanText(const std::string& text, const std::string& name) {
    if (text.size() > kMaxInputTextBytes)
        return FileResult::failure(TooLargeText(name, text.size(), OpenText(kWhatPlanText)));
    const PlanTextImport plan = ImportPlanText(text);
    if (!plan.ok()) {
        std::vector<Text> lines = {OpenText(kMsgPlanNotOpened, {name})};
        // The first errors say what is wrong; a file that is no plan at all gives many.
        constexpr std::size_t kShown = 10;
        for (std::size_t i = 0; i < plan.errors.size() && i < kShown; ++i) lines.push_back(plan.errors[i].said());
        if (plan.errors.size() > kShown)
            lines.push_back(OpenText(kMsgPlanMoreErrors, {std::to_string(plan.errors.size() - kShown)}));
        return FileResult::failure(Text::Joined(std::move(lines)));
    }
    image_ = plan.image;
    setPath({});
    // An opened plan that was stored otherwise than written says so.
    if (plan.notes.empty()) return FileResult::success();
    std::vector<Text> lines = {OpenText(kMsgPlanOpenedChanged, {name})};
    lines.insert(lines.end(), plan.notes.begin(), plan.notes.end());
    Text said = Text::Joined(std::move(lines));
    std::string english = said.english();
    return {true, std::move(english), std::move(said)};
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
