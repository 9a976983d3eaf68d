#include "fleet/fleet_dialog.h"

#include "accessibility/announcement.h"
#include "common/app_title.h"
#include "document/program_file.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"
#include "messenger.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zem::gui {

namespace {

enum Column { kPort, kProgress, kState, kCount, kMessage, kColumns };

// A radio nobody watches gets one more try when it does not answer.
constexpr int kRetries = 1;

QSettings Settings() { return QSettings(SettingsOrganisation(), ApplicationTitle()); }

QString CountText(const zem::PortStatus& s) {
    QString text = QString::number(s.done);
    if (s.failed > 0) text += QStringLiteral(" (%1 failed)").arg(s.failed);
    return text;
}

}  // namespace

FleetDialog::FleetDialog(zem::Messenger& messenger, PlanSource takePlan, QWidget* parent)
    : QDialog(parent), messenger_(messenger), takePlan_(std::move(takePlan)) {
    setWindowTitle(tr("Write to Several Radios"));
    setModal(false);

    auto* portBox = new QGroupBox(tr("Ports"), this);
    ports_ = new QListWidget(portBox);
    ports_->setObjectName(QStringLiteral("ports"));
    ports_->setAccessibleName(tr("Ports"));
    portEdit_ = new QLineEdit(portBox);
    portEdit_->setObjectName(QStringLiteral("portPath"));
    portEdit_->setPlaceholderText(tr("Port numbers or device paths"));
    add_ = new QPushButton(tr("Add"), portBox);
    add_->setObjectName(QStringLiteral("addPort"));
    auto* typed = new QHBoxLayout;
    typed->addWidget(portEdit_);
    typed->addWidget(add_);
    auto* portLayout = new QVBoxLayout(portBox);
    portLayout->addWidget(ports_);
    portLayout->addLayout(typed);

    auto* optionBox = new QGroupBox(tr("For every radio"), this);
    verify_ = new QCheckBox(tr("Verify"), optionBox);
    verify_->setObjectName(QStringLiteral("verify"));
    verify_->setToolTip(tr("Read each radio back and compare it with the plan"));
    backup_ = new QCheckBox(tr("Backup into"), optionBox);
    backup_->setObjectName(QStringLiteral("backup"));
    backup_->setToolTip(tr("First read each radio into a program file of its own in this folder"));
    backupFolder_ = new QLineEdit(optionBox);
    backupFolder_->setObjectName(QStringLiteral("backupFolder"));
    browse_ = new QPushButton(tr("Browse..."), optionBox);
    repeat_ = new QCheckBox(tr("Repeat: one cable, many radios"), optionBox);
    repeat_->setObjectName(QStringLiteral("repeat"));
    repeat_->setToolTip(tr("After each radio, wait until it is taken off and program the next one put on, until Stop"));
    auto* optionLayout = new QGridLayout(optionBox);
    optionLayout->addWidget(verify_, 0, 0);
    optionLayout->addWidget(backup_, 1, 0);
    optionLayout->addWidget(backupFolder_, 1, 1);
    optionLayout->addWidget(browse_, 1, 2);
    optionLayout->addWidget(repeat_, 2, 0, 1, 3);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("radios"));
    table_->setAccessibleName(tr("Radios"));
    table_->setHorizontalHeaderLabels({tr("Port"), tr("Progress"), tr("State"), tr("Count"), tr("Message")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(kProgress, 140);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    start_ = new QPushButton(tr("Start"), this);
    start_->setObjectName(QStringLiteral("start"));
    stop_ = new QPushButton(tr("Stop"), this);
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setEnabled(false);
    save_ = new QPushButton(tr("Save report..."), this);
    save_->setObjectName(QStringLiteral("saveReport"));
    save_->setEnabled(false);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(save_);
    buttons->addWidget(close);

    // Enter in the port field adds the port; no button starts a run by Enter.
    for (QPushButton* button : {add_, browse_, start_, stop_, save_, close}) button->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(portBox, 1);
    top->addWidget(optionBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(760, 480);

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &FleetDialog::poll);
    // Several ports may be given at once, e.g. the paths zemsim printed, pasted.
    connect(add_, &QPushButton::clicked, this, [this] {
        static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
        for (const QString& port : portEdit_->text().split(separators, Qt::SkipEmptyParts)) addPort(port);
        portEdit_->clear();
    });
    connect(portEdit_, &QLineEdit::returnPressed, add_, &QPushButton::click);
    connect(browse_, &QPushButton::clicked, this, &FleetDialog::chooseBackupFolder);
    connect(backup_, &QCheckBox::toggled, this, [this](bool on) {
        backupFolder_->setEnabled(on && !running_);
        browse_->setEnabled(on && !running_);
    });
    connect(start_, &QPushButton::clicked, this, &FleetDialog::start);
    connect(stop_, &QPushButton::clicked, this, &FleetDialog::stop);
    connect(save_, &QPushButton::clicked, this, &FleetDialog::saveReportAs);
    connect(close, &QPushButton::clicked, this, &FleetDialog::close);
    loadSettings();
}

FleetDialog::~FleetDialog() {
    if (run_) run_->cancel();  // the run's own end waits for every port
}

void FleetDialog::setAvailablePorts(const std::vector<zem::PortInfo>& ports) {
    const QStringList ticked = checkedPorts();
    ports_->clear();
    for (const zem::PortInfo& info : ports) {
        const QString device = QString::fromStdString(info.device);
        auto* item = new QListWidgetItem(info.description.empty()
                                             ? device
                                             : device + QStringLiteral("  ") + QString::fromStdString(info.description),
                                         ports_);
        item->setData(Qt::UserRole, device);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(device) ? Qt::Checked : Qt::Unchecked);
    }
    // Ports ticked by hand stay ticked, also when the machine no longer lists them.
    for (const QString& port : ticked) addPort(port);
}

void FleetDialog::addPort(const QString& port) {
    for (int i = 0; i < ports_->count(); ++i) {
        if (ports_->item(i)->data(Qt::UserRole).toString() == port) {
            ports_->item(i)->setCheckState(Qt::Checked);
            return;
        }
    }
    auto* item = new QListWidgetItem(port, ports_);
    item->setData(Qt::UserRole, port);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
}

QStringList FleetDialog::checkedPorts() const {
    QStringList ports;
    for (int i = 0; i < ports_->count(); ++i)
        if (ports_->item(i)->checkState() == Qt::Checked) ports << ports_->item(i)->data(Qt::UserRole).toString();
    return ports;
}

bool FleetDialog::start() {
    if (running_) return false;
    const QStringList ports = checkedPorts();
    if (ports.isEmpty()) {
        messenger_.notice("Tick the ports of the radios to write.");
        return false;
    }
    zem::FleetOptions options;
    options.job.verify = verify_->isChecked();
    options.job.retries = kRetries;
    options.repeat = repeat_->isChecked();
    if (backup_->isChecked()) {
        // A folder that cannot take the backups stops the run before any radio is touched.
        const std::string folder = backupFolder_->text().trimmed().toStdString();
        zem::FileResult usable = folder.empty() ? zem::FileResult::failure("Choose the folder for the backups.")
                                                : zem::CheckWritableFolder(folder);
        if (!usable.ok) {
            messenger_.notice(usable.message);
            return false;
        }
        options.job.backupFolder = folder;
    }
    zem::RadioImage plan;
    if (!takePlan_ || !takePlan_(plan)) return false;
    storeSettings();
    if (adjust_) adjust_(options);

    std::vector<std::string> names;
    table_->setRowCount(0);
    table_->setRowCount(ports.size());
    for (int row = 0; row < ports.size(); ++row) {
        names.push_back(ports[row].toStdString());
        table_->setItem(row, kPort, new QTableWidgetItem(ports[row]));
        auto* bar = new QProgressBar(table_);
        bar->setRange(0, 100);
        bar->setValue(0);
        table_->setCellWidget(row, kProgress, bar);
        for (int col : {kState, kCount, kMessage}) table_->setItem(row, col, new QTableWidgetItem);
    }
    results_.clear();
    summary_->clear();
    run_ = std::make_unique<zem::FleetRun>(plan, names, options);
    run_->start();
    setRunning(true);
    poll();
    timer_->start();
    return true;
}

void FleetDialog::stop() {
    if (!run_ || !running_) return;
    run_->cancel();
    stop_->setEnabled(false);
}

// Brings the rows up to date with the run; its end brings the summary.
void FleetDialog::poll() {
    if (!run_) return;
    const bool ended = run_->finished();
    const std::vector<zem::PortStatus> statuses = run_->snapshot();
    for (int row = 0; row < static_cast<int>(statuses.size()) && row < table_->rowCount(); ++row) {
        const zem::PortStatus& s = statuses[static_cast<std::size_t>(row)];
        if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgress))) bar->setValue(s.percent);
        table_->item(row, kState)->setText(QString::fromUtf8(zem::RadioStateText(s.state)));
        table_->item(row, kCount)->setText(CountText(s));
        const bool showFailure = s.state == zem::RadioState::Failed || (s.failed > 0 && !s.message.empty());
        table_->item(row, kMessage)->setText(showFailure ? QString::fromStdString(s.message) : QString());
        table_->item(row, kMessage)->setToolTip(showFailure ? QString::fromStdString(s.detail) : QString());
    }
    if (!ended) return;
    timer_->stop();
    run_->wait();
    results_ = run_->results();
    summary_->setText(QString::fromStdString(zem::FleetSummary(results_)));
    Announce(this, summary_->text());
    setRunning(false);
    if (closeWhenDone_) {
        closeWhenDone_ = false;
        close();
    }
}

void FleetDialog::setRunning(bool running) {
    if (running_ == running) return;
    running_ = running;
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    save_->setEnabled(!running && !results_.empty());
    for (QWidget* w : std::initializer_list<QWidget*>{ports_, portEdit_, add_, verify_, backup_, repeat_})
        w->setEnabled(!running);
    backupFolder_->setEnabled(!running && backup_->isChecked());
    browse_->setEnabled(!running && backup_->isChecked());
    emit runningChanged(running);
}

bool FleetDialog::saveReport(const QString& path) {
    zem::FileResult written = zem::WriteFileAtomically(path.toStdString(), zem::FleetReportCsv(results_));
    if (!written.ok) messenger_.notice(written.message);
    return written.ok;
}

void FleetDialog::saveReportAs() {
    const QString path =
        chooseReport_ ? chooseReport_()
                      : QFileDialog::getSaveFileName(this, tr("Save report"), QStringLiteral("report.csv"),
                                                     tr("CSV file (*.csv)"));
    if (!path.isEmpty()) saveReport(path);
}

void FleetDialog::chooseBackupFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Backup folder"), backupFolder_->text());
    if (!folder.isEmpty()) backupFolder_->setText(QDir::toNativeSeparators(folder));
}

void FleetDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        closeWhenDone_ = true;
        stop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FleetDialog::loadSettings() {
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Fleet"));
    verify_->setChecked(settings.value(QStringLiteral("Verify"), true).toBool());
    backup_->setChecked(settings.value(QStringLiteral("Backup"), false).toBool());
    backupFolder_->setText(settings.value(QStringLiteral("BackupFolder"), QString()).toString());
    repeat_->setChecked(settings.value(QStringLiteral("Repeat"), false).toBool());
    backupFolder_->setEnabled(backup_->isChecked());
    browse_->setEnabled(backup_->isChecked());
}

void FleetDialog::storeSettings() const {
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Fleet"));
    settings.setValue(QStringLiteral("Verify"), verify_->isChecked());
    settings.setValue(QStringLiteral("Backup"), backup_->isChecked());
    settings.setValue(QStringLiteral("BackupFolder"), backupFolder_->text().trimmed());
    settings.setValue(QStringLiteral("Repeat"), repeat_->isChecked());
}

}  // namespace zem::gui
