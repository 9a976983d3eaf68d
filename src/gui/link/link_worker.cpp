#include "link/link_worker.h"

#include "common/app_title.h"
#include "common/core_text.h"
#include "common/qt_messenger.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <future>

namespace zem::gui {

// The messenger an exchange uses on the worker thread.
class LinkWorker::WorkerMessenger : public zem::Messenger {
public:
    WorkerMessenger(LinkWorker& owner, std::shared_ptr<std::atomic<bool>> abandoned)
        : owner_(owner), abandoned_(std::move(abandoned)) {}

    void notice(const std::string& text) override { notices_.emplace_back(text); }
    void notice(const zem::Text& text) override { notices_.push_back(text); }
    bool confirm(const std::string& text) override { return ask(&zem::Messenger::confirm, text); }
    bool retry(const std::string& text) override { return ask(&zem::Messenger::retry, text); }
    bool retryWithDetail(const std::string& text, const zem::Text& detail) override {
        return ask([text, detail](zem::Messenger& gui) { return gui.retryWithDetail(text, detail); });
    }

    std::vector<zem::Text> takeNotices() { return std::move(notices_); }

private:
    using Question = bool (zem::Messenger::*)(const std::string&);

    bool ask(Question question, const std::string& text) {
        return ask([question, text](zem::Messenger& gui) { return (gui.*question)(text); });
    }

    // Asks on the GUI thread and waits for the answer. A program that is
    // closing answers Cancel, so the exchange ends instead of waiting for a
    // box that will never be shown.
    bool ask(std::function<bool(zem::Messenger&)> question) {
        auto answer = std::make_shared<std::promise<bool>>();
        std::future<bool> future = answer->get_future();
        zem::Messenger* gui = &owner_.guiMessenger_;
        QMetaObject::invokeMethod(
            &owner_, [gui, question = std::move(question), answer] { answer->set_value(question(*gui)); },
            Qt::QueuedConnection);
        while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            if (abandoned_->load()) {
                return false;
            }
        }
        try {
            return future.get();
        } catch (const std::future_error&) {
            return false;
        }
    }

    LinkWorker& owner_;
    std::shared_ptr<std::atomic<bool>> abandoned_;
    std::vector<zem::Text> notices_;
};

LinkWorker::LinkWorker(zem::Messenger& guiMessenger, QWidget* boxParent, QObject* parent)
    : QObject(parent),
      guiMessenger_(guiMessenger),
      boxParent_(boxParent),
      abandoned_(std::make_shared<std::atomic<bool>>(false)),
      workerMessenger_(std::make_unique<WorkerMessenger>(*this, abandoned_)) {}

LinkWorker::~LinkWorker() {
    abandoned_->store(true);
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool LinkWorker::start(Job job, Done done) {
    if (running_) {
        return false;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    running_ = true;
    done_ = std::move(done);
    emit runningChanged(true);
    thread_ = std::thread([this, job = std::move(job)] {
        zem::LinkOutcome outcome = job(*workerMessenger_);
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                outcome_ = outcome;
                finish();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void LinkWorker::finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
    // The link shows every message at the moment it arises; the last one is
    // the outcome's, and it carries the link's explanation.
    const std::vector<zem::Text> notices = workerMessenger_->takeNotices();
    for (std::size_t i = 0; i < notices.size(); ++i) {
        const bool last = i + 1 == notices.size();
        const bool explained = last && notices[i] == outcome_.message.english();
        ShowNotice(guiMessenger_, boxParent_, notices[i], explained ? outcome_.detail : zem::Text());
    }
    running_ = false;
    Done done = std::move(done_);
    done_ = nullptr;
    QPointer<LinkWorker> alive(this);
    if (done) {
        done(outcome_);
    }
    if (alive) {
        emit runningChanged(false);
    }
}

zem::LinkHooks LinkWorker::hooks(std::function<void(const QString&)> status, std::function<void()> step,
                                 std::shared_ptr<const std::atomic<bool>> userCancel) const {
    auto* self = const_cast<LinkWorker*>(this);
    zem::LinkHooks hooks;
    if (status) {
        hooks.status = [self, status](const std::string& text) {
            const QString shown = TranslatedEnglish(text);
            QMetaObject::invokeMethod(self, [status, shown] { status(shown); }, Qt::QueuedConnection);
        };
    }
    if (step) {
        hooks.progress = [self, step](int, int) {
            QMetaObject::invokeMethod(self, [step] { step(); }, Qt::QueuedConnection);
        };
    }
    auto abandoned = abandoned_;
    hooks.cancelled = [userCancel, abandoned] {
        return abandoned->load() || (userCancel && userCancel->load());
    };
    return hooks;
}

void ShowNotice(zem::Messenger& messenger, QWidget* parent, const zem::Text& text, const zem::Text& detail) {
    auto* forwarding = dynamic_cast<ForwardingMessenger*>(&messenger);
    zem::Messenger* target = forwarding != nullptr ? forwarding->target() : &messenger;
    if (detail.empty() || dynamic_cast<QtMessenger*>(target) == nullptr) {
        messenger.notice(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), Translated(text), QMessageBox::Ok, parent);
    box.setDetailedText(Translated(detail));
    box.exec();
}

}  // namespace zem::gui
