// How long the channel table's editing commands take in the window: a paste
// of all 16 channels (144 values typed through the commit rules and recorded
// as one undo step), a copy of them, a delete of them, and the undo of the
// paste. Prints the median and the slowest of a number of runs.
// The window runs on Qt's offscreen platform unless another is asked for.
#include "app/main_window.h"
#include "bench_support.h"
#include "channels/channel_page.h"
#include "channels/ms_flex_grid.h"
#include "commands/command_ids.h"
#include "view/kivu_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 50;

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %7.2f ms   slowest %7.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

double Timed(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zem::bench::CountingMessenger messenger;
    zem::gui::MainWindow window;
    window.setMessenger(&messenger);
    window.show();
    zem::gui::CChannelPage& page = window.view().channelPage();
    zem::gui::CMSFlexGrid& grid = page.grid();

    // Sixteen channels as a spreadsheet copies them, list values in lower case.
    QString plan;
    for (int channel = 1; channel <= 16; ++channel)
        plan += QStringLiteral("%1\t%1\t67.0\tD023N\tyes\tlow\tnarrow\tcarrier\ton\r\n").arg(145.0 + channel * 0.0125, 0, 'f', 4);

    std::vector<double> paste, copy, erase, undo;
    for (int run = 0; run < kRuns; ++run) {
        grid.setFocus();
        QApplication::clipboard()->setText(plan);
        grid.SetCurrentCell(1, 1);
        paste.push_back(Timed([&] { window.action(zem::gui::kCmdEditPaste)->trigger(); }));
        grid.selectAll();
        copy.push_back(Timed([&] { window.action(zem::gui::kCmdEditCopy)->trigger(); }));
        erase.push_back(Timed([&] { window.action(zem::gui::kCmdEditClear)->trigger(); }));
        window.action(zem::gui::kCmdEditUndo)->trigger();  // back to the pasted plan
        undo.push_back(Timed([&] { window.action(zem::gui::kCmdEditUndo)->trigger(); }));
    }
    std::printf("channel table, %d runs each:\n", kRuns);
    Report("paste 16 x 9 cells", paste);
    Report("copy 16 channels", copy);
    Report("delete 16 channels", erase);
    Report("undo the paste", undo);
    if (messenger.said > 0) std::printf("the commands said %d messages\n", messenger.said);
    return messenger.said == 0 ? 0 : 1;
}
