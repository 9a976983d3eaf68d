#pragma once

#include "channels/channel_clipboard.h"
#include "channels/channel_table.h"
#include "document/program_file.h"
#include "document/radio_image.h"
#include "messenger.h"
#include "pages/key_values.h"
#include "pages/option_values.h"
#include "session/document_session.h"
#include "session/value_pages.h"

#include <string>
#include <vector>

namespace zem::web {

// The three pages of the browser edition, in tab order.
enum Tab : int { kChannelTab = kChannelPage, kOptionTab = kOptionPage, kKeyTab = kKeyPage };

// The browser edition's commands on the core's session: the document with
// its undo history, and the three pages as values (the image holds what was
// last stored, each page the values it shows; a page is stored when it is
// left, before a save and before a write, and filled when it is shown).
// Every edit becomes one undo step. Standard C++ only: the page reaches it
// through the bindings, tests and tools may use it directly.
class WebSession {
public:
    explicit WebSession(Messenger& messenger);

    // A new document on the first type and band, unmodified, no history.
    void newDocument();
    // Loads a program file (a plan text by its name); a refused file changes
    // nothing and says why.
    FileResult open(const std::string& path);
    // Stores every page (its messages included) and saves the image.
    FileResult save(const std::string& path);
    // True when the pages show something other than what was last opened,
    // saved or read.
    bool isModified() const;

    // Typing text into a channel cell, as its editor commits it.
    void commitCell(int row, int col, const std::string& text, bool onEnter);
    // The channel table and the band as the page shows them.
    const ChannelPageValues& channelValues() const { return channel_; }
    // Copy, cut, paste and delete over channel cells, as the window's channel
    // page does them: tab-separated text, every value typed through the
    // commit rules. Paste returns the block the values went into.
    std::string copyCells(const std::vector<ChannelCell>& cells) const;
    CellBlock pasteCells(const std::vector<ChannelCell>& selection, const std::string& text);
    void deleteCells(const std::vector<ChannelCell>& cells);
    void setType(int index);
    void setBand(int index);
    // An option or key control by its name (the names of zemtool's JSON):
    // a list's entry index, a check box as 0 or 1, or a code text.
    // False for a name no control has.
    bool setControl(const std::string& name, const std::string& value);
    // A page's "Default Setting" button.
    void defaultSetting(int tab);
    // Leaves the current page (storing it) and shows tab (filled).
    void showTab(int tab);
    int currentTab() const { return tab_; }

    bool undo();
    bool redo();
    bool canUndo() const { return doc_.canUndo(); }
    bool canRedo() const { return doc_.canRedo(); }

    // The channel list or plan text in the exchange format called format.
    std::string exportText(const std::string& format) const;
    // Types a channel list (the format told by its header) into the channel
    // table; refused values are listed and nothing changes, unless the user
    // takes the rows that fit. What the radio does not store is said after.
    bool importText(const std::string& text);
    // Opens a plan text as the document; a refused one changes nothing and
    // says why, one opened with changes says which (in message).
    FileResult openPlan(const std::string& text, const std::string& name);

    // The radio exchanges: what a write sends (every page stored first),
    // and a completed read taken in as one undo step.
    const RadioImage& imageForWrite();
    const RadioImage& image() const { return doc_.image(); }
    // What Share as link hands on: the bytes opened, saved or read while the
    // pages show them unchanged (so the link is the one zemtool share makes
    // of the file), else what the pages show.
    RadioImage imageForShare() const { return isModified() ? currentImage() : doc_.image(); }
    void takeRead(const RadioImage& image);
    void returnToChannelTab();
    // On Line Power Set: the power values (and after a read, the channel
    // area the service read refreshes) taken from the exchange's image as
    // one undo step.
    void takeServiceBytes(const RadioImage& exchanged, bool channelArea);
    // The power values and the dialog's frequency range for the band shown, as JSON.
    std::string powerJson() const;

    // What the page shows, as JSON: pages, selections, modified, undo state.
    std::string stateJson() const;
    // Every list the page offers, as JSON.
    static std::string listsJson();

    RadioImage currentImage() const { return doc_.currentImage(); }  // every page stored, silently

private:
    // An opened document shown from the channel page, unmodified, with a
    // history of its own.
    FileResult opened(FileResult result);
    void fillPage(int tab) { pages_.fillPage(tab); }
    void recordChange() { doc_.recordChange(); }
    void resetHistory() { doc_.resetHistory(); }

    Messenger& messenger_;
    DocumentSession doc_;
    ValuePages pages_{doc_, messenger_};
    // The session's image and page values under the names the commands use.
    RadioImage& image_ = doc_.image();
    ChannelPageValues& channel_ = pages_.channel;
    OptionValues& options_ = pages_.options;
    KeyValues& keys_ = pages_.keys;
    const int& tab_ = pages_.shown();
};

}  // namespace zem::web
