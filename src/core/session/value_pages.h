#pragma once

#include "channels/channel_table.h"
#include "messenger.h"
#include "pages/key_values.h"
#include "pages/option_values.h"
#include "session/document_session.h"

#include <string>

namespace zem {

// The three pages, in tab order.
enum PageTab : int { kChannelPage = 0, kOptionPage = 1, kKeyPage = 2 };

// The three pages' values for a front end without widgets of its own (the
// browser edition): each page holds the values it shows, the document's
// image what was last stored. A page is stored when it is left, before a
// save and before a write, and filled when it is shown; storing the options
// page says what it changed through the messenger.
class ValuePages final : public SessionPages {
public:
    ValuePages(DocumentSession& session, Messenger& messenger);
    ~ValuePages() { session_.attachPages(nullptr); }
    ValuePages(const ValuePages&) = delete;
    ValuePages& operator=(const ValuePages&) = delete;

    ChannelPageValues channel;
    OptionValues options;
    KeyValues keys;

    const int& shown() const { return shown_; }
    // A new or opened document: every page filled, the channel page shown.
    void restart() {
        fillAllPages();
        shown_ = kChannelPage;
    }
    // Leaves the page shown (storing it) and shows tab (filled).
    void show(int tab);
    // Stores the page shown unless it is the channel page, which is then shown.
    void returnToChannelPage();
    void storePage(int tab);
    void fillPage(int tab);
    void storeAllPages();

    RadioImage storedImage() const override;
    void fillAllPages() override;
    std::string stepName(const RadioImage&, const RadioImage&) const override { return {}; }

private:
    DocumentSession& session_;
    Messenger& messenger_;
    int shown_ = kChannelPage;
};

}  // namespace zem
