#pragma once

#include <QObject>
#include <QString>

namespace zem::gui {

class CommandHost;

// File, Import CSV... and Export CSV...: the channel table as a
// comma-separated list, in the format and by the rules of zemtool csv.
class CsvCommands : public QObject {
    Q_OBJECT

public:
    explicit CsvCommands(CommandHost& host, QObject* parent = nullptr);

    // Ask for a file, then import or export it. False when nothing was
    // imported or written (cancelled, or refused with a message).
    bool importCsv();
    bool exportCsv();

    // Imports the list in path: every row must be accepted, or nothing
    // changes and one message lists every refused value. An accepted
    // import is one undo step and shows the channel tab.
    bool importFrom(const QString& path);
    // Writes the channel table as the page shows it, an open editor's value
    // committed first.
    bool exportTo(const QString& path);

    static const char* const kMsgImportRefused;  // heads the list of refused values
    static const char* const kMsgCannotRead;     // "Could not read %1"
    static const char* const kMsgCannotWrite;    // "Could not write %1"

private:
    CommandHost& host_;
};

}  // namespace zem::gui
