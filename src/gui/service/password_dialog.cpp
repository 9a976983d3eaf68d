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

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent), m_edit(new QLineEdit(this)) {
    setWindowTitle(ApplicationTitle());
    m_edit->setObjectName(QStringLiteral("password"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMaxLength(kAccessCodeMaxLength);

    auto* prompt = new QLabel(QStringLiteral("Please input password"), this);
    prompt->setBuddy(m_edit);
    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(m_edit, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CPasswordDlg::accept() {
    m_strPassword = m_edit->text();
    QDialog::accept();
}

void CPasswordDlg::reject() {
    m_strPassword.clear();
    QDialog::reject();
}

}  // namespace zem::gui
