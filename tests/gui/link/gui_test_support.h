#pragma once

// Helpers of the window tests: a virtual radio on a pseudo-terminal, a main
// window that reports to a recorder, and answering the program's modal
// dialogs the way a user would.

#include "app/document_files.h"
#include "app/main_window.h"
#include "channels/band.h"
#include "support/recording_messenger.h"
#include "view/kivu_view.h"
#ifndef _WIN32
#include "pty_radio.h"
#include "virtual_radio.h"
#endif

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace zem::test {

#ifndef _WIN32
// A radio behind a pseudo-terminal, answering on a thread of its own.
class RadioOnPty {
public:
    explicit RadioOnPty(const RadioImage& memory, sim::RadioFaults faults = {}, bool paced = false)
        : radio_(memory, faults) {
        sim::LineOptions options;
        options.paced = paced;
        std::string error;
        pty_ = sim::PtyRadio::Create(radio_, options, error);
        if (!pty_) {
            ADD_FAILURE() << "no pseudo-terminal: " << error;
            return;
        }
        thread_ = std::thread([this] { pty_->run(stop_); });
    }
    ~RadioOnPty() { stop(); }

    QString path() const { return pty_ ? QString::fromStdString(pty_->path()) : QString(); }

    // Stops answering; the radio's memory is final from here on.
    void stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    const RadioImage& memory() {
        stop();
        return radio_.memory();
    }

private:
    sim::VirtualRadio radio_;
    std::unique_ptr<sim::PtyRadio> pty_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
#endif

// A new document holding the demonstration channels of a band (0 is
// 136-174 MHz, 1 is 220-280 MHz, 2 is 400-470 MHz).
inline RadioImage BandImage(int band) {
    RadioImage image = NewDocumentImage();
    RecordingMessenger quiet;
    ApplyChannelDefaults(image, 0, band, quiet);
    return image;
}

// Whether a and b hold the same bytes from offset from up to offset to.
inline bool SameBytes(const RadioImage& a, const RadioImage& b, std::size_t from, std::size_t to) {
    return std::equal(a.bytes.begin() + from, a.bytes.begin() + to, b.bytes.begin() + from);
}

// Runs answer on the next modal dialog of type T that comes up (for up to a
// minute), the way a user would react to it; the test then starts the
// command that shows the dialog. Deleting the returned timer stops waiting.
template <typename T>
QPointer<QTimer> WhenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        } else if (++*waited > 6000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the dialog never came up";
        }
    });
    timer->start(10);
    return timer;
}

// Waits (without asserting on time) until done holds; fails after a
// generous limit so a hung exchange does not hang the suite.
inline bool WaitUntil(const std::function<bool()>& done) { return QTest::qWaitFor(done, 120000); }

// A shown main window whose messages go to a recorder instead of boxes.
class WindowTest : public ::testing::Test {
protected:
    RecordingMessenger messenger;
    std::unique_ptr<gui::MainWindow> window;

    void SetUp() override { open(); }
    void open(const QStringList& arguments = {}) {
        window = std::make_unique<gui::MainWindow>(gui::ParseCommandLine(arguments).options);
        window->setMessenger(&messenger);
        window->show();
    }

    gui::CKivuView& view() { return window->view(); }
    RadioImage& image() { return window->document().image(); }
    void load(const RadioImage& content) {
        image() = content;
        view().fillAllPages();
    }
    // An edit on the options page that has not been stored yet.
    void editOptionPage() {
        view().selectTab(gui::CKivuView::kOptionTab);
        auto* squelch = view().findChild<QComboBox*>(QStringLiteral("squelchLevel"));
        ASSERT_NE(squelch, nullptr);
        squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    }
};

}  // namespace zem::test
