#include "commands/user_dialogs.h"

#include "common/app_title.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace zem::gui {

const char* const kProgramFileFilter = "Program file(*.Zem)";

namespace {

// Program files come as .Zem and, from other systems, .zem.
QString DialogFilter() { return QStringLiteral("Program file(*.Zem *.zem)"); }

QString CsvFilter() { return QStringLiteral("Channel list (*.csv);;All files (*)"); }

// A save dialog that adds the suffix when the name typed has none.
QString AskSaveName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter,
                    const QString& suffix) {
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QString QtUserDialogs::openFileName() {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), QString(), DialogFilter());
}

QString QtUserDialogs::saveFileName(const QString& suggested) {
    return AskSaveName(parent_, QStringLiteral("Save As"), suggested, DialogFilter(), QStringLiteral("Zem"));
}

QString QtUserDialogs::openCsvFileName() {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Import CSV"), QString(), CsvFilter());
}

QString QtUserDialogs::saveCsvFileName(const QString& suggested) {
    return AskSaveName(parent_, QStringLiteral("Export CSV"), suggested, CsvFilter(), QStringLiteral("csv"));
}

UserDialogs::SaveChoice QtUserDialogs::askSaveChanges(const QString& documentName) {
    const auto answer = QMessageBox::warning(
        parent_, ApplicationTitle(),
        QStringLiteral("Save the changes to %1?").arg(documentName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool AskYesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, ApplicationTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace zem::gui
