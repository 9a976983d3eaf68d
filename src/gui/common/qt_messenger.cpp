#include "common/qt_messenger.h"

#include "common/app_title.h"
#include "common/core_text.h"
#include "common/refusal_list_dialog.h"

#include <QMessageBox>

namespace zem::gui {

namespace {

const QString& Caption() {
    static const QString caption = ApplicationTitle();
    return caption;
}

}  // namespace

void QtMessenger::notice(const std::string& text) {
    QMessageBox::warning(parent_, Caption(), TranslatedEnglish(text), QMessageBox::Ok);
}

void QtMessenger::notice(const zem::Text& text) {
    QMessageBox::warning(parent_, Caption(), Translated(text), QMessageBox::Ok);
}

bool QtMessenger::confirm(const std::string& text) {
    return QMessageBox::warning(parent_, Caption(), TranslatedEnglish(text),
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtMessenger::retry(const std::string& text) {
    return retryWithDetail(text, zem::Text());
}

bool QtMessenger::retryWithDetail(const std::string& text, const zem::Text& detail) {
    QMessageBox box(QMessageBox::Question, Caption(), TranslatedEnglish(text),
                    QMessageBox::Retry | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Retry);
    if (!detail.empty()) box.setDetailedText(Translated(detail));
    return box.exec() == QMessageBox::Retry;
}

namespace {

QStringList Lines(const std::vector<std::string>& items) {
    QStringList lines;
    for (const std::string& item : items) lines << TranslatedEnglish(item);
    return lines;
}

QStringList Lines(const std::vector<zem::Text>& items) {
    QStringList lines;
    for (const zem::Text& item : items) lines << Translated(item);
    return lines;
}

}  // namespace

void QtMessenger::noticeList(const std::string& text, const std::vector<std::string>& items) {
    RefusalListDialog dialog(TranslatedEnglish(text), Lines(items), parent_);
    dialog.exec();
}

void QtMessenger::noticeList(const std::string& text, const std::vector<zem::Text>& items) {
    RefusalListDialog dialog(TranslatedEnglish(text), Lines(items), parent_);
    dialog.exec();
}

bool QtMessenger::confirmList(const std::string& text, const std::vector<std::string>& items) {
    RefusalListDialog dialog(TranslatedEnglish(text), Lines(items), parent_, RefusalListDialog::Buttons::OkCancel);
    return dialog.exec() == QDialog::Accepted;
}

bool QtMessenger::confirmList(const std::string& text, const std::vector<zem::Text>& items) {
    RefusalListDialog dialog(TranslatedEnglish(text), Lines(items), parent_, RefusalListDialog::Buttons::OkCancel);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zem::gui
