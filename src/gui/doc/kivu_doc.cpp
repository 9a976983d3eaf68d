#include "doc/kivu_doc.h"

#include "common/file_names.h"
#include "document/input_text.h"
#include "plan/plan_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoCommand>

namespace zem::gui {

namespace {

// Enough for a long session at the bench; a step holds two images.
constexpr int kUndoLimit = 500;

}  // namespace

// One change of the document: the image before and after it.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(CKivuDoc& doc, const QString& text, const zem::RadioImage& before, const zem::RadioImage& after)
        : QUndoCommand(text), doc_(doc), before_(before), after_(after) {}

    void undo() override { doc_.applySnapshot(before_); }
    void redo() override {
        // The change is already made when the step is recorded.
        if (recorded_) {
            recorded_ = false;
            return;
        }
        doc_.applySnapshot(after_);
    }

private:
    CKivuDoc& doc_;
    zem::RadioImage before_;
    zem::RadioImage after_;
    bool recorded_ = true;
};

CKivuDoc::CKivuDoc() : image_(zem::NewDocumentImage()), baseline_(image_), recorded_(image_) {
    undoStack_.setUndoLimit(kUndoLimit);
}

void CKivuDoc::newDocument() {
    image_ = zem::NewDocumentImage();
    path_.clear();
    stamp_ = {};
}

bool CKivuDoc::changedOnDisk() const { return !path_.isEmpty() && zem::ChangedOnDisk(stamp_, FilePath(path_)); }

zem::FileStamp CKivuDoc::stampOnDisk() const {
    return path_.isEmpty() ? zem::FileStamp() : zem::StampFile(FilePath(path_));
}

bool IsPlanTextPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QStringLiteral("yaml"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QStringLiteral("yml"), Qt::CaseInsensitive) == 0;
}

namespace {

zem::FileResult LoadPlanText(const QString& path, zem::RadioImage& image) {
    // A folder or a file far larger than any plan is refused before it is parsed.
    const zem::FileResult checked = zem::CheckInputFile(
        FilePath(path), QCoreApplication::translate("zem::gui::CKivuDoc", "a plan text").toStdString());
    if (!checked.ok) return checked;
    QFile file(path);
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.read(zem::kMaxInputTextBytes + 1) : QByteArray();
    if (file.error() != QFileDevice::NoError || text.size() > static_cast<qsizetype>(zem::kMaxInputTextBytes))
        return zem::FileResult::failure(QCoreApplication::translate("zem::gui::CKivuDoc", "Could not read %1")
                                            .arg(QDir::toNativeSeparators(path))
                                            .toStdString());
    const zem::PlanTextImport result = zem::ImportPlanText(text.toStdString());
    if (!result.ok()) {
        std::string message = QCoreApplication::translate("zem::gui::CKivuDoc", "The plan %1 was not opened:")
                                   .arg(QFileInfo(path).fileName())
                                   .toStdString();
        // The first errors say what is wrong; a file that is no plan at all gives many.
        constexpr std::size_t kShown = 10;
        for (std::size_t i = 0; i < result.errors.size() && i < kShown; ++i)
            message += "\n" + result.errors[i].describe();
        if (result.errors.size() > kShown)
            message += "\n" + QCoreApplication::translate("zem::gui::CKivuDoc", "(%1 more)")
                                  .arg(static_cast<qulonglong>(result.errors.size() - kShown))
                                  .toStdString();
        return zem::FileResult::failure(message);
    }
    image = result.image;
    // An opened plan that was stored otherwise than written says so.
    std::string notes;
    for (const std::string& note : result.notes) notes += "\n" + note;
    if (notes.empty()) return zem::FileResult::success();
    return {true, QCoreApplication::translate("zem::gui::CKivuDoc", "The plan %1 was opened with these changes:")
                          .arg(QFileInfo(path).fileName())
                          .toStdString() +
                      notes};
}

}  // namespace

zem::FileResult CKivuDoc::open(const QString& path) {
    // Loading goes into a copy, so a refused file leaves the document as it was.
    zem::RadioImage loaded = image_;
    zem::FileResult result =
        IsPlanTextPath(path) ? LoadPlanText(path, loaded) : zem::LoadProgramFile(FilePath(path), loaded);
    if (result.ok) {
        image_ = loaded;
        path_ = path;
        stamp_ = stampOnDisk();
    }
    return result;
}

zem::FileResult CKivuDoc::save(const QString& path) {
    const std::filesystem::path file = FilePath(path);
    zem::FileResult result = IsPlanTextPath(path) ? zem::WriteFileAtomically(file, zem::ExportPlanText(image_))
                                                  : zem::SaveProgramFile(file, image_);
    if (result.ok) {
        path_ = path;
        baseline_ = currentImage();
        stamp_ = stampOnDisk();
    }
    return result;
}

zem::RadioImage CKivuDoc::currentImage() const { return view_ ? view_->storedImage() : image_; }

void CKivuDoc::markUnmodified() { baseline_ = currentImage(); }

bool CKivuDoc::isModified() const { return currentImage() != baseline_; }

void CKivuDoc::resetHistory() {
    undoStack_.clear();
    recorded_ = currentImage();
}

bool CKivuDoc::recordChange(const QString& text) {
    if (scopeDepth_ > 0 || applying_) return false;
    const zem::RadioImage now = currentImage();
    if (now == recorded_) return false;
    const QString name = text.isEmpty() && view_ ? view_->stepName(recorded_, now) : text;
    const zem::RadioImage before = recorded_;
    recorded_ = now;
    undoStack_.push(new SnapshotStep(*this, name, before, now));
    return true;
}

void CKivuDoc::applySnapshot(const zem::RadioImage& image) {
    image_ = image;
    applying_ = true;
    if (view_) view_->fillAllPages();
    applying_ = false;
    recorded_ = currentImage();
}

CKivuDoc::ChangeScope::ChangeScope(CKivuDoc& doc, const QString& text) : doc_(doc), text_(text) {
    if (doc_.scopeDepth_ == 0) doc_.recordChange();
    ++doc_.scopeDepth_;
}

CKivuDoc::ChangeScope::~ChangeScope() {
    if (--doc_.scopeDepth_ == 0) doc_.recordChange(text_);
}

}  // namespace zem::gui
