#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace zem::gui {

// The questions of the file commands that need more than the Messenger's
// OK/Cancel: choosing a file and the three-way save-changes question.
// Tests install a scripted implementation.
class UserDialogs {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~UserDialogs() = default;

    // An existing program file to open; empty when the user cancelled.
    virtual QString openFileName() = 0;
    // Where to save; suggested is the current path or the default name.
    // Empty when the user cancelled.
    virtual QString saveFileName(const QString& suggested) = 0;
    // "Save the changes to <name>?" with Save, Discard and Cancel.
    virtual SaveChoice askSaveChanges(const QString& documentName) = 0;
    // A Yes/No question about the document's file (overwrite a file another
    // program changed, reload it); No is the default. True for Yes.
    virtual bool askYesNo(const QString& question) = 0;
    // A comma-separated channel list to import, and where to export one;
    // empty when the user cancelled.
    virtual QString openCsvFileName() = 0;
    virtual QString saveCsvFileName(const QString& suggested) = 0;

    // Where to export a channel list and in which exchange format (its
    // name, "csv"); empty when the user cancelled. Without a choice of its
    // own: this program's CSV.
    virtual QString saveChannelListName(const QString& suggested, QString& format) {
        format = QStringLiteral("csv");
        return saveCsvFileName(suggested);
    }
};

// The desktop's own file dialogs and a question box.
class QtUserDialogs : public UserDialogs {
    Q_DECLARE_TR_FUNCTIONS(zem::gui::QtUserDialogs)

public:
    explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}

    QString openFileName() override;
    QString saveFileName(const QString& suggested) override;
    SaveChoice askSaveChanges(const QString& documentName) override;
    bool askYesNo(const QString& question) override;
    QString openCsvFileName() override;
    QString saveCsvFileName(const QString& suggested) override;
    QString saveChannelListName(const QString& suggested, QString& format) override;

private:
    QWidget* parent_;
};

// A Yes/No question in a box captioned with the application title; No is
// the default button, so a stray Enter never stops a radio half-written.
// True for Yes.
bool AskYesNo(QWidget* parent, const QString& question);

// The filter of the file dialogs.
extern const char* const kProgramFileFilter;  // "Program file(*.Zem)"
extern const char* const kPlanTextFilter;     // "Plan as text (*.yaml)"

}  // namespace zem::gui
