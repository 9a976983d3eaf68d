#pragma once

#include "commands/user_dialogs.h"

#include <QObject>
#include <QString>

namespace zem::gui {

class CommandHost;

// File, Import channel list... and Export channel list...: the channel table
// in the exchange formats the window offers (this program's comma-separated
// list, the memory list of other programming tools), with the rules of
// their zemtool commands.
class CsvCommands : public QObject {
    Q_OBJECT

public:
    explicit CsvCommands(CommandHost& host, QObject* parent = nullptr);

    // Ask for a file, then import or export it. False when nothing was
    // imported or written (cancelled, or refused with a message).
    bool importCsv();
    bool exportCsv();

    // Imports the list in path, in the format its header row names: every
    // row must be accepted, or nothing changes and one message lists every
    // refused value; when the other rows fit, that message asks whether to
    // take them and leave the refused rows out. An accepted import is one undo step and shows the
    // channel tab; what the radio does not store is then listed.
    bool importFrom(const QString& path);
    // Writes the channel table as the page shows it, an open editor's value
    // committed first.
    // format names an exchange format ("csv", "memories").
    bool exportTo(const QString& path, const QString& format = QStringLiteral("csv"));

    static const char* const kMsgCannotRead;     // "Could not read %1"
    static const char* const kMsgCannotWrite;    // "Could not write %1"

private:
    CommandHost& host_;
};

}  // namespace zem::gui
