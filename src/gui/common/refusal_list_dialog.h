#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace zem::gui {

// Many refusals at once (the values a paste or an import could not take):
// the text over a list with one refusal a line, Copy to put the list on
// the clipboard for a note or a spreadsheet, and OK. The list scrolls, so
// the dialog is never taller than the screen whatever the number of lines.
class RefusalListDialog : public QDialog {
    Q_OBJECT

public:
    // OkCancel makes the text a question: OK accepts, Cancel rejects.
    enum class Buttons { Ok, OkCancel };
    RefusalListDialog(const QString& text, const QStringList& items, QWidget* parent = nullptr,
                      Buttons buttons = Buttons::Ok);

    QListWidget& list() { return *list_; }
    // The lines as Copy puts them on the clipboard, one refusal a line.
    QString copyText() const;

private:
    QListWidget* list_ = nullptr;
};

}  // namespace zem::gui
