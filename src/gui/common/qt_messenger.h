#pragma once

#include "messenger.h"

class QWidget;

namespace zem::gui {

// Message boxes captioned "Zem Programming Software": a warning icon for
// notices and OK/Cancel questions, Retry and Cancel for a retry question.
class QtMessenger : public zem::Messenger {
public:
    explicit QtMessenger(QWidget* parent) : parent_(parent) {}

    // Plain texts are shown translated when they are the core's fixed
    // marked texts, core messages with their values translated.
    void notice(const std::string& text) override;
    void notice(const zem::Text& text) override;
    bool confirm(const std::string& text) override;
    bool retry(const std::string& text) override;
    // The Retry/Cancel box with what the link found out under "Show Details...",
    // translated.
    bool retryWithDetail(const std::string& text, const zem::Text& detail) override;
    // The text over a scrollable list with Copy (RefusalListDialog).
    void noticeList(const std::string& text, const std::vector<std::string>& items) override;
    void noticeList(const std::string& text, const std::vector<zem::Text>& items) override;
    // The same dialog with OK and Cancel.
    bool confirmList(const std::string& text, const std::vector<std::string>& items) override;
    bool confirmList(const std::string& text, const std::vector<zem::Text>& items) override;

private:
    QWidget* parent_;
};

// The messenger that the window hands to every page and command. It passes
// each message on to its current target, so that a test can swap in a
// recording messenger after the window is built.
class ForwardingMessenger : public zem::Messenger {
public:
    explicit ForwardingMessenger(zem::Messenger* target) : target_(target) {}

    void setTarget(zem::Messenger* target) { target_ = target; }
    zem::Messenger* target() const { return target_; }

    void notice(const std::string& text) override { target_->notice(text); }
    void notice(const zem::Text& text) override { target_->notice(text); }
    bool confirm(const std::string& text) override { return target_->confirm(text); }
    bool retry(const std::string& text) override { return target_->retry(text); }
    bool retryWithDetail(const std::string& text, const zem::Text& detail) override {
        return target_->retryWithDetail(text, detail);
    }
    void noticeList(const std::string& text, const std::vector<std::string>& items) override {
        target_->noticeList(text, items);
    }
    void noticeList(const std::string& text, const std::vector<zem::Text>& items) override {
        target_->noticeList(text, items);
    }
    bool confirmList(const std::string& text, const std::vector<std::string>& items) override {
        return target_->confirmList(text, items);
    }
    bool confirmList(const std::string& text, const std::vector<zem::Text>& items) override {
        return target_->confirmList(text, items);
    }

private:
    zem::Messenger* target_;
};

}  // namespace zem::gui
