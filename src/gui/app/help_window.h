#pragma once

#include <QWidget>

class QTextBrowser;

namespace zem::gui {

// The help pages, shown in one window that stays open beside the program.
// Topics are HTML pages under :/help/ ("contents.html", "channel_table.html",
// "optional_features.html", "key_assignment.html", "read_write.html",
// "port_selection.html", "power_setting.html", "printing.html").
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows page (a file name under :/help/) and raises the window.
    void showTopic(const QString& page);
    QString currentTopic() const;

    // The help window of the program, created on first use.
    static HelpWindow& Instance(QWidget* parent);

private:
    QTextBrowser* browser_;
};

}  // namespace zem::gui
