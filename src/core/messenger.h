#pragma once

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

    // A notice followed by a list of items, one each (every value an import
    // refused): the window shows them in a list that scrolls. Without one,
    // the items follow the text one per line.
    virtual void noticeList(const std::string& text, const std::vector<std::string>& items) {
        std::string all = text;
        for (const std::string& item : items) all += "\n" + item;
        notice(all);
    }

    // A question with OK and Cancel; true when the user chose OK.
    virtual bool confirm(const std::string& text) = 0;

    // A question with Retry and Cancel; true when the user chose Retry.
    virtual bool retry(const std::string& text) = 0;

    // The same question with what the program found out about the failure
    // (the radio echoing bytes back, a line that failed ...), for a box's
    // details; the question's own text stays as it is. Without a place for
    // details the detail is dropped.
    virtual bool retryWithDetail(const std::string& text, const std::string& detail) {
        (void)detail;
        return retry(text);
    }
};

}  // namespace zem
