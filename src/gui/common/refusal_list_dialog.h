#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace zem::gui {

// A notice with a long list under it, such as every value an import
// refused: the text on top, the items one per line in a read-only list
// that scrolls, Copy (the text and the items, one per line, to the
// clipboard) and OK. However many items, the window never grows taller
// than the screen it opens on.
class RefusalListDialog : public QDialog {
    Q_OBJECT

public:
    RefusalListDialog(const QString& text, const QStringList& items, QWidget* parent = nullptr);

    // What Copy puts on the clipboard.
    QString text() const;

    QPlainTextEdit* list() const { return list_; }

private:
    QString text_;
    QPlainTextEdit* list_;
};

}  // namespace zem::gui
