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

void CKivuDoc::newDocument() {
    session_.image() = zem::NewDocumentImage();
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
    zem::RadioImage loaded = image();
    zem::FileResult result =
        IsPlanTextPath(path) ? LoadPlanText(path, loaded) : zem::LoadProgramFile(FilePath(path), loaded);
    if (result.ok) {
        image() = loaded;
        path_ = path;
        stamp_ = stampOnDisk();
    }
    return result;
}

zem::FileResult CKivuDoc::save(const QString& path) {
    const std::filesystem::path file = FilePath(path);
    zem::FileResult result = IsPlanTextPath(path) ? zem::WriteFileAtomically(file, zem::ExportPlanText(image()))
                                                  : zem::SaveProgramFile(file, image());
    if (result.ok) {
        path_ = path;
        session_.markUnmodified();
        stamp_ = stampOnDisk();
    }
    return result;
}

void CKivuDoc::resetHistory() {
    undoStack_.clear();
    session_.resetHistory();
}

bool CKivuDoc::recordChange(const QString& text) { return session_.recordChange(text.toStdString()); }

CKivuDoc::ChangeScope::ChangeScope(CKivuDoc& doc, const QString& text) : scope_(doc.session_, text.toStdString()) {}

CKivuDoc::ChangeScope::~ChangeScope() = default;

}  // namespace zem::gui
