// The document's undo rules, once for every front end: steps, names, the
// limit, the baseline and the scopes that gather changes into one step.
#include "session/document_session.h"
#include "session/value_pages.h"

#include "document/input_text.h"
#include "plan/plan_text.h"

#include "support/recording_messenger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace zem::test {
namespace {

// Pages that show one byte; a refill tries to record, as a page's change
// signals would.
class BytePages final : public SessionPages {
public:
    explicit BytePages(DocumentSession& session) : session_(session) { session_.attachPages(this); }
    RadioImage storedImage() const override {
        RadioImage image = session_.image();
        image[0x10] = shown;
        return image;
    }
    void fillAllPages() override {
        shown = session_.image()[0x10];
        session_.recordChange();
    }
    std::string stepName(const RadioImage&, const RadioImage& after) const override {
        return "value " + std::to_string(after[0x10]);
    }
    std::uint8_t shown = 0;

private:
    DocumentSession& session_;
};

// Runs ops on a fresh session: "eN" shows N and records, "xN" shows N only,
// "u" undo, "r" redo, "s" save (the baseline), "h" a new history, "[" and
// "]" open and close a scope named "Scope".
struct EditRun {
    DocumentSession session;
    BytePages pages{session};
    int told = 0;
    explicit EditRun(const std::string& ops) {
        session.stepRecorded = [this](const std::string&) { ++told; };
        pages.fillAllPages();
        session.markUnmodified();
        session.resetHistory();
        std::vector<std::unique_ptr<DocumentSession::ChangeScope>> scopes;
        std::istringstream in(ops);
        for (std::string op; in >> op;) {
            const auto value = static_cast<std::uint8_t>(op.size() > 1 ? std::stoi(op.substr(1)) : 0);
            switch (op[0]) {
            case 'e': pages.shown = value; session.recordChange(); break;
            case 'x': pages.shown = value; break;
            case 'u': session.undo(); break;
            case 'r': session.redo(); break;
            case 's': session.markUnmodified(); break;
            case 'h': session.resetHistory(); break;
            case '[': scopes.push_back(std::make_unique<DocumentSession::ChangeScope>(session, "Scope")); break;
            case ']': scopes.pop_back(); break;
            }
        }
    }
};

TEST(DocumentSession, StepsUndoRedoBaselineAndScopes) {
    // 501 changes, then as many undos: the oldest step went, so undoing
    // everything ends after the first change.
    std::string past500;
    for (int step = 1; step <= 501; ++step) past500 += " e" + std::to_string(step % 200 + 1);
    for (int step = 1; step <= 501; ++step) past500 += " u";
    const struct {
        const char* name;
        std::string ops;
        int shown;
        std::size_t steps;
        bool modified;
        const char* undoName;
        const char* redoName;
        int told;  // steps told to the window, whose undo stack drops its oldest command as well
    } cases[] = {
        {"a change made while the pages show no difference records no step", "e0 e0", 0, 0, false, "", "", 0},
        {"each change is a step the pages name", "e1 e2", 2, 2, true, "value 2", "", 2},
        {"undo puts the image back and refills the pages", "e1 e2 u", 1, 2, true, "value 1", "value 2", 2},
        {"redo makes the step again", "e1 e2 u u r", 1, 2, true, "value 1", "value 2", 2},
        {"undo and redo with nothing to take back do nothing", "u r", 0, 0, false, "", "", 0},
        {"an undo back to the saved document is no change", "e1 s e2 u", 1, 2, false, "value 1", "value 2", 2},
        {"undone past the save, it is a change again", "e1 s u", 0, 1, true, "", "value 1", 1},
        {"a new change drops the undone steps", "e1 e2 u e3", 3, 2, true, "value 3", "", 3},
        {"a scope gathers its changes into one named step", "[ e1 e2 e3 ]", 3, 1, true, "Scope", "", 1},
        {"what the pages showed before a scope is a step of its own", "x1 [ e2 ] u", 1, 2, true, "value 1", "Scope", 2},
        {"nested scopes record once, at the outermost end", "[ [ e1 ] e2 ]", 2, 1, true, "Scope", "", 1},
        {"a scope without a change records nothing", "[ x0 ]", 0, 0, false, "", "", 0},
        {"a new history forgets every step, not the baseline", "e1 e2 h", 2, 0, true, "", "", 2},
        {"the newest 500 steps are kept", past500, 2, DocumentSession::kUndoLimit, true, "", "value 3", 501},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditRun run(c.ops);
        const DocumentSession& session = run.session;
        EXPECT_EQ(run.pages.shown, c.shown);
        EXPECT_EQ(session.stepCount(), c.steps);
        EXPECT_EQ(session.isModified(), c.modified);
        EXPECT_EQ(session.undoName(), c.undoName);
        EXPECT_EQ(session.redoName(), c.redoName);
        EXPECT_EQ(run.told, c.told);
    }
}

// The browser edition's pages: a page is stored when left and filled when
// shown, and what they would store is the document as the user sees it.
TEST(DocumentSession, ValuePagesStoreWhenLeftAndFillWhenShown) {
    RecordingMessenger messenger;
    DocumentSession session;
    ValuePages pages(session, messenger);
    pages.storeAllPages();
    session.markUnmodified();
    session.resetHistory();
    const RadioImage before = session.image();
    pages.show(kKeyPage);
    pages.keys.topShort = pages.keys.topShort == 1 ? 2 : 1;
    EXPECT_EQ(session.image(), before);  // not stored yet
    EXPECT_NE(session.currentImage(), before);
    EXPECT_TRUE(session.isModified());
    EXPECT_TRUE(session.recordChange());
    pages.show(kChannelPage);  // left: stored
    EXPECT_EQ(session.image(), session.currentImage());
    session.undo();
    EXPECT_EQ(session.image(), before);
    EXPECT_EQ(session.currentImage(), before);
    EXPECT_FALSE(session.isModified());
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// One open for program files and plan texts: a refused file leaves the
// document and its file as they were and says why (a plan's first ten
// errors, then how many more); a plan stored otherwise than written says
// what changed; the message is a text with its values for the front end
// to translate.
TEST(DocumentSession, OpensProgramFilesAndPlanTextsOrSaysWhyNot) {
    namespace fs = std::filesystem;
    if (!PlanTextReadable()) GTEST_SKIP() << "built without the plan-text reader";
    const fs::path dir = fs::temp_directory_path() / "zem-core-session-open";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.yaml");
    const std::string plan = ExportPlanText(NewDocumentImage());
    std::string manyErrors = plan;
    for (const char* key : {"receive:", "transmit:"}) manyErrors = Replaced(manyErrors, key, "x" + std::string(key));
    const struct {
        const char* name;
        std::string bytes;  // empty: not written
        bool ok;
        std::string message;  // the start of it
        int lines;            // of the message
    } cases[] = {
        {"a.Zem", std::string(kImageSize, '\x5A'), true, "", 1},
        {"short.Zem", "zem", false, "The file", 1},
        {"p.YML", plan, true, "", 1},
        {"folder.yaml", "", false, PathText(dir / "folder.yaml") + " is a folder, not a plan text", 1},
        {"bad.yaml", Replaced(plan, "squelch_level:", "squelch_levle:"), false,
         "The plan bad.yaml was not opened:\nline 30, column 3, options.squelch_levle: unknown key\n", 3},
        {"many.yaml", manyErrors, false, "The plan many.yaml was not opened:\n", 12},
        {"kept.yaml", Replaced(plan, "squelch_level: \"5\"", "squelch_level: \"7\""), true,
         "The plan kept.yaml was opened with these changes:\nsquelch_level: the radio keeps \"4\"; \"7\" was stored as \"4\"", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.empty()) std::ofstream(dir / c.name, std::ios::binary) << c.bytes;
        DocumentSession session;
        session.setPath(dir / "before.Zem");
        const RadioImage before = session.image();
        const FileResult result = session.open(dir / c.name);
        EXPECT_EQ(result.ok, c.ok);
        EXPECT_EQ(result.message.rfind(c.message, 0), 0u) << result.message;
        EXPECT_EQ(result.said().english(), result.message);
        EXPECT_EQ(std::count(result.message.begin(), result.message.end(), '\n') + 1, c.lines) << result.message;
        EXPECT_EQ(session.path(), c.ok ? dir / c.name : dir / "before.Zem");
        EXPECT_TRUE(c.ok || session.image() == before);
    }
    // What the last one said beyond the ten errors shown.
    DocumentSession session;
    const std::string many = session.open(dir / "many.yaml").message;
    EXPECT_EQ(many.substr(many.rfind('\n')), "\n(54 more)");
    // A plan handed in as text is bounded as a file is, and keeps no file.
    EXPECT_EQ(session.openPlanText(std::string(kMaxInputTextBytes + 1, ' '), "big.yaml").message,
              "big.yaml is 1.1 MB; a plan text is at most 1 MB");
    ASSERT_TRUE(session.openPlanText(plan, "given.yaml").ok);
    EXPECT_TRUE(session.path().empty());
    // Saved as a plan text it opens as the same document, unmodified.
    session.image()[0x10] = 0x33;
    ASSERT_TRUE(session.save(dir / "saved.yaml").ok);
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(session.path(), dir / "saved.yaml");
    const RadioImage saved = session.image();
    session.newDocument();
    EXPECT_TRUE(session.path().empty());
    ASSERT_TRUE(session.open(dir / "saved.yaml").ok);
    EXPECT_EQ(session.image(), saved);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zem::test
