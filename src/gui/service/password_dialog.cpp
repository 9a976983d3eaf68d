#include "service/password_dialog.h"

#include "common/app_title.h"
#include "service/access_code.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zem::gui {

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setWindowTitle(ApplicationTitle());
    edit_->setObjectName(QStringLiteral("password"));
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMaxLength(kAccessCodeMaxLength);

    auto* prompt = new QLabel(tr("Please input password"), this);
    prompt->setBuddy(edit_);
    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(edit_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    edit_->setFocus();
}

void CPasswordDlg::accept() {
    password_ = edit_->text();
    QDialog::accept();
}

void CPasswordDlg::reject() {
    password_.clear();
    QDialog::reject();
}

}  // namespace zem::gui
