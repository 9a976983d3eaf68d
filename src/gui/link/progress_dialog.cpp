#include "link/progress_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zem::gui {

CProgressDlg::CProgressDlg(QWidget* parent)
    : QDialog(parent),
      m_start(new QPushButton(QStringLiteral("Start"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this)),
      m_bar(new QProgressBar(this)),
      m_status(new QLabel(this)) {
    setModal(false);
    m_start->setObjectName(QStringLiteral("start"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_status->setObjectName(QStringLiteral("status"));
    m_start->setDefault(true);
    m_start->setAutoDefault(true);
    m_cancel->setAutoDefault(false);
    m_bar->setTextVisible(false);

    auto* grid = new QGridLayout;
    auto* progress = new QLabel(QStringLiteral("Progress:"), this);
    progress->setBuddy(m_bar);
    grid->addWidget(progress, 0, 0);
    grid->addWidget(m_status, 0, 1);
    grid->addWidget(m_bar, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, &CProgressDlg::onStart);
    connect(m_cancel, &QPushButton::clicked, this, &CProgressDlg::reject);
    prepare(QString());
}

void CProgressDlg::prepare(const QString& title) {
    setWindowTitle(title);
    m_phase.clear();
    m_bar->setRange(0, kBarMaximum);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_status->setText(QStringLiteral("Ready ......"));
    m_bCancel = false;
    m_running = false;
    m_start->setEnabled(true);
    m_start->setFocus();
}

QString CProgressDlg::statusText() const { return m_status->text(); }

void CProgressDlg::setStatusText(const QString& text) {
    const QString shown = m_phase.isEmpty() ? text : tr("%1: %2").arg(m_phase, text);
    m_status->setText(shown);
    emit statusShown(shown);
}

void CProgressDlg::stepBlock() {
    if (m_bar->value() < kBarMaximum - 1) {
        m_bar->setValue(m_bar->value() + 1);
        setStatusText(QString::number(m_bar->value()));
    }
}

void CProgressDlg::beginPhase(const QString& title, const QString& status, const QString& phase) {
    setWindowTitle(title);
    m_phase = phase;
    m_bar->setValue(0);
    m_bar->setFormat(phase);
    m_bar->setTextVisible(true);
    setStatusText(status);
}

void CProgressDlg::endRun(bool complete) {
    if (complete) {
        m_bar->setValue(kBarMaximum);
    }
    m_running = false;
    QDialog::reject();
}

void CProgressDlg::onStart() {
    if (m_running) {
        return;
    }
    m_running = true;
    m_start->setEnabled(false);
    emit startRequested();
}

void CProgressDlg::reject() {
    if (m_running) {
        // The exchange notices the flag at its next wait and ends itself;
        // the window closes when it has.
        m_bCancel = true;
        emit cancelRequested();
        return;
    }
    QDialog::reject();
}

}  // namespace zem::gui
