#pragma once

#include "messenger.h"

#include <deque>
#include <string>
#include <vector>

namespace zem::test {

// A Messenger for tests: records every text in the order it was said, and
// answers confirm/retry questions from a script (then from a default).
class RecordingMessenger : public Messenger {
public:
    enum class Kind { Notice, Confirm, Retry };

    struct Entry {
        Kind kind;
        std::string text;
        std::string detail = {};  // what a retry question had for its details
    };

    // Answers given to the next questions, in order; when they run out the
    // default answer is used.
    void scriptAnswers(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
    void setDefaultAnswer(bool answer) { defaultAnswer_ = answer; }

    void notice(const std::string& text) override { entries_.push_back({Kind::Notice, text}); }
    bool confirm(const std::string& text) override { return ask(Kind::Confirm, text); }
    bool retry(const std::string& text) override { return ask(Kind::Retry, text); }
    bool retryWithDetail(const std::string& text, const Text& detail) override
    {
        return ask(Kind::Retry, text, detail.english());
    }

    const std::vector<Entry>& entries() const { return entries_; }

    // Every text said, whatever its kind, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const Entry& entry : entries_)
            all.push_back(entry.text);
        return all;
    }

    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

private:
    bool ask(Kind kind, const std::string& text, const std::string& detail = {})
    {
        entries_.push_back({kind, text, detail});
        if (answers_.empty())
            return defaultAnswer_;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<Entry> entries_;
    std::deque<bool> answers_;
    bool defaultAnswer_ = false;
};

}  // namespace zem::test
