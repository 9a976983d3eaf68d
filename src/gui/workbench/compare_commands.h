#pragma once

#include "document/radio_image.h"

#include <QDialog>
#include <QObject>
#include <QString>

class QLabel;
class QTreeWidget;

namespace zem::gui {

class CommandHost;

// The differences between the document and a radio or a program file, one
// row each in the pages' words: where (channel and column, or the
// setting's label), the document's value, the other side's value. "Copy"
// puts them on the clipboard as tab-separated text.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    // otherSide names the second value column: "Radio", or the file's name.
    CompareDialog(const zem::RadioImage& document, const zem::RadioImage& other, const QString& otherSide,
                  QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    // What Copy puts on the clipboard: a header line, then one line per
    // difference, the three columns separated by tabs.
    QString text() const;

    static const char* const kNoDifference;  // said when both sides agree

private:
    QTreeWidget* list_;
    QLabel* summary_;
};

// Program, Compare with file...; and the dialog the window's Compare with
// radio... shows once its read is complete.
class CompareCommands : public QObject {
    Q_OBJECT

public:
    explicit CompareCommands(CommandHost& host, QObject* parent = nullptr);

    // Asks for a program file and compares the document with it. False when
    // no comparison was shown (cancelled, or the file was refused).
    bool compareWithFile();
    bool compareWithFile(const QString& path);

    // Shows the differences between document and other.
    void showDifferences(const zem::RadioImage& document, const zem::RadioImage& other, const QString& otherSide);

private:
    CommandHost& host_;
};

}  // namespace zem::gui
