#pragma once

#include <QDialog>

class QLineEdit;

namespace zem::gui {

// Asks for the service access code before the power setting opens. The entry
// is masked and holds at most eleven characters; the check itself is made by
// the caller with CheckAccessCode.
class CPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPasswordDlg(QWidget* parent = nullptr);

    // The text typed when the dialog ended with OK; empty after Cancel.
    QString password() const { return password_; }

    QLineEdit* edit() const { return edit_; }

public slots:
    void accept() override;
    void reject() override;

private:
    QLineEdit* edit_;
    QString password_;
};

}  // namespace zem::gui
