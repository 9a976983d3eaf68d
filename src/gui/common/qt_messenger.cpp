#include "common/qt_messenger.h"

#include "common/app_title.h"
#include "common/refusal_list_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zem::gui {

namespace {

// A notice of more lines than this is shown in a scrolling list.
constexpr int kLongNoticeLines = 8;

const QString& Caption() {
    static const QString caption = ApplicationTitle();
    return caption;
}

}  // namespace

void QtMessenger::notice(const std::string& text) {
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    if (lines.size() <= kLongNoticeLines) {
        QMessageBox::warning(parent_, Caption(), QString::fromStdString(text), QMessageBox::Ok);
        return;
    }
    // A long list (every refused value of an import) scrolls under its first
    // line instead of growing past the screen.
    QDialog dialog(parent_);
    dialog.setWindowTitle(Caption());
    auto* layout = new QVBoxLayout(&dialog);
    auto* head = new QLabel(lines.first(), &dialog);
    head->setWordWrap(true);
    auto* list = new QPlainTextEdit(lines.mid(1).join(QLatin1Char('\n')), &dialog);
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setMinimumSize(560, 260);
    list->setAccessibleName(lines.first());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(head);
    layout->addWidget(list);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    dialog.exec();
}

bool QtMessenger::confirm(const std::string& text) {
    return QMessageBox::warning(parent_, Caption(), QString::fromStdString(text),
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtMessenger::retry(const std::string& text) {
    return retryWithDetail(text, std::string());
}

bool QtMessenger::retryWithDetail(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Question, Caption(), QString::fromStdString(text),
                    QMessageBox::Retry | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Retry);
    if (!detail.empty()) box.setDetailedText(QString::fromStdString(detail));
    return box.exec() == QMessageBox::Retry;
}

void QtMessenger::noticeList(const std::string& text, const std::vector<std::string>& items) {
    QStringList lines;
    for (const std::string& item : items) lines << QString::fromStdString(item);
    RefusalListDialog dialog(QString::fromStdString(text), lines, parent_);
    dialog.exec();
}

}  // namespace zem::gui
