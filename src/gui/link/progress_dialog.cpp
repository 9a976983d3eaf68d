#include "link/progress_dialog.h"

#include "accessibility/accessible_events.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zem::gui {

CProgressDlg::CProgressDlg(QWidget* parent)
    : QDialog(parent),
      startButton_(new QPushButton(tr("Start"), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)),
      bar_(new QProgressBar(this)),
      status_(new QLabel(this)) {
    setModal(false);
    startButton_->setObjectName(QStringLiteral("start"));
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    status_->setObjectName(QStringLiteral("status"));
    startButton_->setDefault(true);
    startButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);
    bar_->setTextVisible(false);

    auto* grid = new QGridLayout;
    auto* progress = new QLabel(tr("Progress:"), this);
    progress->setBuddy(bar_);
    grid->addWidget(progress, 0, 0);
    grid->addWidget(status_, 0, 1);
    grid->addWidget(bar_, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(startButton_, &QPushButton::clicked, this, &CProgressDlg::onStart);
    connect(cancelButton_, &QPushButton::clicked, this, &CProgressDlg::reject);
    prepare(QString());
}

void CProgressDlg::prepare(const QString& title) {
    setWindowTitle(title);
    phase_.clear();
    bar_->setRange(0, kBarMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    status_->setText(tr("Ready ......"));
    cancelFlag_ = false;
    running_ = false;
    startButton_->setEnabled(true);
    startButton_->setFocus();
}

QString CProgressDlg::statusText() const { return status_->text(); }

void CProgressDlg::setStatusText(const QString& text) {
    const QString shown = phase_.isEmpty() ? text : tr("%1: %2").arg(phase_, text);
    status_->setText(shown);
    emit statusShown(shown);
}

void CProgressDlg::stepBlock() {
    if (bar_->value() < kBarMaximum - 1) {
        bar_->setValue(bar_->value() + 1);
        // The count is shown, not told at every block: a screen reader
        // hears the bar's percentage instead.
        status_->setProperty(kQuietRenamesProperty, true);
        setStatusText(QString::number(bar_->value()));
        status_->setProperty(kQuietRenamesProperty, false);
    }
}

void CProgressDlg::beginPhase(const QString& title, const QString& status, const QString& phase) {
    setWindowTitle(title);
    phase_ = phase;
    bar_->setValue(0);
    bar_->setFormat(phase);
    bar_->setTextVisible(true);
    setStatusText(status);
}

void CProgressDlg::endRun(bool complete) {
    if (complete) {
        bar_->setValue(kBarMaximum);
    }
    running_ = false;
    QDialog::reject();
}

void CProgressDlg::onStart() {
    if (running_) {
        return;
    }
    running_ = true;
    startButton_->setEnabled(false);
    emit startRequested();
}

void CProgressDlg::reject() {
    if (running_) {
        // The exchange notices the flag at its next wait and ends itself;
        // the window closes when it has.
        cancelFlag_ = true;
        emit cancelRequested();
        return;
    }
    QDialog::reject();
}

}  // namespace zem::gui
