#include "app/qt_messenger.h"

#include <QMessageBox>

namespace zem::gui {

namespace {

const QString& Caption() {
    static const QString caption = QStringLiteral("Zem Programming Software");
    return caption;
}

}  // namespace

void QtMessenger::notice(const std::string& text) {
    QMessageBox::warning(parent_, Caption(), QString::fromStdString(text), QMessageBox::Ok);
}

bool QtMessenger::confirm(const std::string& text) {
    return QMessageBox::warning(parent_, Caption(), QString::fromStdString(text),
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtMessenger::retry(const std::string& text) {
    return QMessageBox::question(parent_, Caption(), QString::fromStdString(text),
                                 QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry) == QMessageBox::Retry;
}

}  // namespace zem::gui
