// The document's undo rules, once for every front end: steps, names, the
// limit, the baseline and the scopes that gather changes into one step.
#include "session/document_session.h"
#include "session/value_pages.h"

#include "support/recording_messenger.h"

#include <gtest/gtest.h>

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
    const struct {
        const char* name;
        const char* ops;
        int shown;
        std::size_t steps;
        bool modified;
        const char* undoName;
        const char* redoName;
    } cases[] = {
        {"a change made while the pages show no difference records no step", "e0 e0", 0, 0, false, "", ""},
        {"each change is a step the pages name", "e1 e2", 2, 2, true, "value 2", ""},
        {"undo puts the image back and refills the pages", "e1 e2 u", 1, 2, true, "value 1", "value 2"},
        {"redo makes the step again", "e1 e2 u u r", 1, 2, true, "value 1", "value 2"},
        {"undo and redo with nothing to take back do nothing", "u r", 0, 0, false, "", ""},
        {"an undo back to the saved document is no change", "e1 s e2 u", 1, 2, false, "value 1", "value 2"},
        {"undone past the save, it is a change again", "e1 s u", 0, 1, true, "", "value 1"},
        {"a new change drops the undone steps", "e1 e2 u e3", 3, 2, true, "value 3", ""},
        {"a scope gathers its changes into one named step", "[ e1 e2 e3 ]", 3, 1, true, "Scope", ""},
        {"what the pages showed before a scope is a step of its own", "x1 [ e2 ] u", 1, 2, true, "value 1", "Scope"},
        {"nested scopes record once, at the outermost end", "[ [ e1 ] e2 ]", 2, 1, true, "Scope", ""},
        {"a scope without a change records nothing", "[ x0 ]", 0, 0, false, "", ""},
        {"a new history forgets every step, not the baseline", "e1 e2 h", 2, 0, true, "", ""},
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
    }
}

TEST(DocumentSession, KeepsTheNewest500StepsAndUndoesThemAll) {
    EditRun run("");
    for (int step = 1; step <= 501; ++step) {
        run.pages.shown = static_cast<std::uint8_t>(step % 200 + 1);
        ASSERT_TRUE(run.session.recordChange());
    }
    EXPECT_EQ(run.session.stepCount(), DocumentSession::kUndoLimit);
    EXPECT_EQ(run.told, 501);  // the window's undo stack drops its oldest command as well
    int undone = 0;
    while (run.session.undo()) ++undone;
    EXPECT_EQ(undone, 500);
    // The oldest step went: undoing everything ends after the first change.
    EXPECT_EQ(run.pages.shown, 2);
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
    EXPECT_NE(session.image(), before);
    EXPECT_EQ(session.image(), session.currentImage());
    session.undo();
    EXPECT_EQ(session.image(), before);
    EXPECT_EQ(session.currentImage(), before);
    EXPECT_FALSE(session.isModified());
}

}  // namespace
}  // namespace zem::test
