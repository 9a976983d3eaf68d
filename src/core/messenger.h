#pragma once

#include "text.h"

#include <string>
#include <vector>

namespace zem {

// Everything the program says to the user goes through this interface: the
// window shows a message box captioned "Zem Programming Software", zemtool
// prints to stderr and answers from its options, tests record the exact text
// and answer as scripted.
class Messenger {
public:
    virtual ~Messenger() = default;

    // A notice with only an OK button.
    virtual void notice(const std::string& text) = 0;

    // A core message with its values: the window translates it, everything
    // else says its English.
    virtual void notice(const Text& text) { notice(text.english()); }

    // A question with OK and Cancel; true when the user chose OK.
    virtual bool confirm(const std::string& text) = 0;

    // A question with Retry and Cancel; true when the user chose Retry.
    virtual bool retry(const std::string& text) = 0;

    // The same question with what the program found out about the failure
    // (the radio echoing bytes back, a line that failed ...), for a box's
    // details, which the window translates; the question's own text stays
    // as it is. Without a place for details the detail is dropped.
    virtual bool retryWithDetail(const std::string& text, const Text& detail) {
        (void)detail;
        return retry(text);
    }

    // Several findings of one action at once (the values a paste could not
    // take): the window shows them as one scrollable list under the text.
    // Without a place for a list they are said as one notice, a line each.
    virtual void noticeList(const std::string& text, const std::vector<std::string>& items) {
        std::string all = text;
        for (const std::string& item : items)
            all += "\n" + item;
        notice(all);
    }

    // The same with core messages as the list's lines.
    virtual void noticeList(const std::string& text, const std::vector<Text>& items) {
        std::vector<std::string> english;
        for (const Text& item : items) english.push_back(item.english());
        noticeList(text, english);
    }

    // The same list under a question with OK and Cancel (take what can be
    // taken, leaving these out?); true when the user chose OK. Without a
    // place for a list it is one question, a line each.
    virtual bool confirmList(const std::string& text, const std::vector<std::string>& items) {
        std::string all = text;
        for (const std::string& item : items)
            all += "\n" + item;
        return confirm(all);
    }

    // The same with core messages as the list's lines.
    virtual bool confirmList(const std::string& text, const std::vector<Text>& items) {
        std::vector<std::string> english;
        for (const Text& item : items) english.push_back(item.english());
        return confirmList(text, english);
    }
};

// Says nothing and answers every question with Cancel: for storing pages
// into a scratch image only to look at it (a comparison, a plan's
// footprint), where nobody is to be asked.
class SilentMessenger : public Messenger {
public:
    void notice(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    bool retry(const std::string&) override { return false; }
};

}  // namespace zem
