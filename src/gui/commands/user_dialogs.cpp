#include "commands/user_dialogs.h"

#include "common/app_title.h"
#include "plan/exchange_formats.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <vector>

namespace zem::gui {

const char* const kProgramFileFilter = QT_TRANSLATE_NOOP("zem::gui::QtUserDialogs", "Program file(*.Zem)");
const char* const kPlanTextFilter = QT_TRANSLATE_NOOP("zem::gui::QtUserDialogs", "Plan as text (*.yaml)");

namespace {

// Program files come as .Zem and, from other systems, .zem; plans as text
// as .yaml.
QString DialogFilter() {
    return QtUserDialogs::tr("Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;") +
           QtUserDialogs::tr(kPlanTextFilter);
}

// Every file suffix of the exchange formats the window offers.
QString CsvFilter() {
    QStringList patterns;
    for (const zem::ExchangeFormat& format : zem::ExchangeFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromUtf8(format.extension);
        if (format.filter && !patterns.contains(pattern)) patterns << pattern;
    }
    return QtUserDialogs::tr("Channel list (%1);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
}

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
    return QFileDialog::getOpenFileName(parent_, tr("Open"), QString(), DialogFilter());
}

QString QtUserDialogs::saveFileName(const QString& suggested) {
    // The filter chosen decides the suffix a name without one gets.
    const QString program = tr(kProgramFileFilter);
    const QString text = tr(kPlanTextFilter);
    QFileDialog dialog(parent_, tr("Save As"), suggested, program + QStringLiteral(";;") + text);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const bool asText = QFileInfo(suggested).suffix().compare(QStringLiteral("yaml"), Qt::CaseInsensitive) == 0;
    dialog.selectNameFilter(asText ? text : program);
    dialog.setDefaultSuffix(asText ? QStringLiteral("yaml") : QStringLiteral("Zem"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, text](const QString& filter) {
        dialog.setDefaultSuffix(filter == text ? QStringLiteral("yaml") : QStringLiteral("Zem"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtUserDialogs::openCsvFileName() {
    return QFileDialog::getOpenFileName(parent_, tr("Import channel list"), QString(), CsvFilter());
}

QString QtUserDialogs::saveCsvFileName(const QString& suggested) {
    return AskSaveName(parent_, tr("Export CSV"), suggested, CsvFilter(), QStringLiteral("csv"));
}

QString QtUserDialogs::saveChannelListName(const QString& suggested, QString& format) {
    // The exchange formats offered in the window, by their filters; the
    // filter chosen decides the suffix a name without one gets.
    QStringList filters;
    std::vector<const zem::ExchangeFormat*> offered;
    for (const zem::ExchangeFormat& each : zem::ExchangeFormats()) {
        if (!each.filter) continue;
        filters << tr(each.filter);
        offered.push_back(&each);
    }
    auto chosen = [&](const QString& filter) {
        return offered[static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter)))];
    };
    QFileDialog dialog(parent_, tr("Export channel list"), suggested, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromUtf8(offered.front()->extension));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromUtf8(chosen(filter)->extension));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    format = QString::fromUtf8(chosen(dialog.selectedNameFilter())->name);
    return dialog.selectedFiles().first();
}

UserDialogs::SaveChoice QtUserDialogs::askSaveChanges(const QString& documentName) {
    const auto answer = QMessageBox::warning(
        parent_, ApplicationTitle(),
        tr("Save the changes to %1?").arg(documentName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool QtUserDialogs::askYesNo(const QString& question) { return AskYesNo(parent_, question); }

bool AskYesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, ApplicationTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace zem::gui
