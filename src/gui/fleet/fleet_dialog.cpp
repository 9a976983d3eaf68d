#include "fleet/fleet_dialog.h"

#include "accessibility/announcement.h"
#include "commands/user_dialogs.h"
#include "common/core_text.h"
#include "common/file_names.h"
#include "common/user_settings.h"
#include "document/program_file.h"
#include "document/sha256.h"
#include "fleet/fleet_checks.h"
#include "fleet/fleet_report.h"
#include "messenger.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
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

QString CountText(const zem::PortStatus& s) {
    QString text = QString::number(s.done);
    if (s.failed > 0) text += FleetDialog::tr(" (%1 failed)").arg(s.failed);
    return text;
}

// A failed radio's message, what it holds, and the way back: with one
// cable for many radios the radio is no longer on the cable.
QString FailureText(const zem::RadioJobResult& job, bool repeat) {
    QString text = Translated(job.message);
    if (const zem::Text holds = job.holdsText(); !holds.empty()) text += QStringLiteral("; ") + Translated(holds);
    if (job.needsRestore() && !job.backupPath.empty())
        text += (repeat ? FleetDialog::tr("; backup: %1; to put it back: put it on the cable again and write the "
                                          "backup to it (Open, then Write)")
                        : FleetDialog::tr("; backup: %1; to put it back: Restore from backups"))
                    .arg(QString::fromStdString(job.backupPath));
    return text;
}

}  // namespace

const char* const FleetDialog::kAskStopRun = QT_TRANSLATE_NOOP("zem::gui::FleetDialog",
                                                      "The radios are still being written.\n"
                                                      "Stop every radio at its next block and close this window?");

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
    restore_ = new QPushButton(tr("Restore from backups"), this);
    restore_->setObjectName(QStringLiteral("restore"));
    restore_->setToolTip(tr("Write each failed radio's own backup back into it"));
    restore_->setEnabled(false);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(save_);
    buttons->addWidget(restore_);
    buttons->addWidget(close);

    // Enter presses the button that has the focus, else the default one:
    // Start while idle, Stop during a run. In the port field it adds the port.
    for (QPushButton* button : {add_, browse_, start_, stop_, save_, restore_, close}) button->setAutoDefault(true);
    start_->setDefault(true);
    portEdit_->installEventFilter(this);

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
        const QStringList added = portEdit_->text().split(separators, Qt::SkipEmptyParts);
        for (const QString& port : added) addPort(port);
        portEdit_->clear();
        // The list grows out of sight of a screen reader, which stays on the field.
        if (added.size() == 1)
            Announce(this, tr("1 port added: %1").arg(added.first()));
        else if (added.size() > 1)
            Announce(this, tr("%1 ports added: %2").arg(added.size()).arg(added.join(QStringLiteral(", "))));
    });
    connect(browse_, &QPushButton::clicked, this, &FleetDialog::chooseBackupFolder);
    connect(backup_, &QCheckBox::toggled, this, [this](bool on) {
        backupFolder_->setEnabled(on && !running_);
        browse_->setEnabled(on && !running_);
    });
    connect(start_, &QPushButton::clicked, this, &FleetDialog::start);
    connect(stop_, &QPushButton::clicked, this, &FleetDialog::stop);
    connect(save_, &QPushButton::clicked, this, &FleetDialog::saveReportAs);
    connect(restore_, &QPushButton::clicked, this, &FleetDialog::restoreFromBackups);
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
                                             : device + QStringLiteral("  ") + TranslatedEnglish(info.description),
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
        messenger_.notice(tr("Tick the ports of the radios to write.").toStdString());
        return false;
    }
    zem::FleetOptions options;
    options.job.verify = verify_->isChecked();
    options.job.retries = kRetries;
    options.repeat = repeat_->isChecked();
    if (backup_->isChecked()) {
        // A folder that cannot take the backups stops the run before any radio is touched.
        const std::string folder = backupFolder_->text().trimmed().toStdString();
        zem::FileResult usable = folder.empty() ? zem::FileResult::failure(tr("Choose the folder for the backups.").toStdString())
                                                : zem::CheckWritableFolder(folder);
        if (!usable.ok) {
            messenger_.notice(usable.said());
            return false;
        }
        options.job.backupFolder = folder;
    }
    zem::RadioImage plan;
    std::string planName;
    if (!takePlan_ || !takePlan_(plan, planName)) return false;
    storeSettings();
    reportInfo_ = {planName, zem::Sha256Hex(plan.data(), zem::kImageSize), {}};
    restoring_ = false;
    repeatRun_ = options.repeat;
    begin({plan}, ports, options);
    return true;
}

bool FleetDialog::restoreFromBackups() {
    if (running_ || repeatRun_) return false;
    const std::vector<zem::RestoreItem> items = zem::RadiosToRestore(results_);
    if (items.empty()) return false;
    // Every backup is read before any radio is touched.
    std::vector<zem::RadioImage> backups(items.size());
    QStringList ports;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (zem::FileResult loaded = zem::LoadFleetPlan(items[i].backupPath, backups[i]); !loaded.ok) {
            messenger_.notice(loaded.said());
            return false;
        }
        ports << QString::fromStdString(items[i].port);
    }
    zem::FleetOptions options;
    options.job.verify = verify_->isChecked();
    options.job.retries = kRetries;
    reportInfo_ = {tr("the backups").toStdString(), {}, {}};
    restoring_ = true;
    repeatRun_ = false;
    restoredFrom_.clear();
    for (const zem::RadioResult& r : results_)
        if (r.job.needsRestore() && !r.job.backupPath.empty()) restoredFrom_.push_back(r.job);
    begin(std::move(backups), ports, options);
    return true;
}

void FleetDialog::begin(std::vector<zem::RadioImage> plans, const QStringList& ports,
                        const zem::FleetOptions& given) {
    zem::FleetOptions options = given;
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
    run_ = std::make_unique<zem::FleetRun>(std::move(plans), names, options);
    run_->start();
    setRunning(true);
    poll();
    timer_->start();
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
        table_->item(row, kState)->setText(CoreText(zem::kTextLink, zem::RadioStateText(s.state)));
        table_->item(row, kCount)->setText(CountText(s));
        const bool showFailure = s.state == zem::RadioState::Failed || (s.failed > 0 && !s.message.empty());
        table_->item(row, kMessage)->setText(showFailure ? FailureText(s.last, repeatRun_) : QString());
        // The whole text too, since a narrow column cuts it off.
        table_->item(row, kMessage)->setToolTip(
            showFailure ? FailureText(s.last, repeatRun_) + QLatin1Char('\n') + Translated(s.detail) : QString());
    }
    if (!ended) return;
    timer_->stop();
    run_->wait();
    results_ = run_->results();
    // A radio whose restore failed keeps its backup, to be tried again; one
    // the restore left untouched still holds what it held before.
    if (restoring_)
        for (zem::RadioResult& r : results_) {
            if (r.job.noRadio || r.portIndex >= restoredFrom_.size()) continue;
            const zem::RadioJobResult& before = restoredFrom_[r.portIndex];
            r.job.backupPath = before.backupPath;
            if (!r.job.ok && r.job.holds == zem::RadioHolds::Unchanged) {
                r.job.holds = before.holds;
                r.job.blocksWritten = before.blocksWritten;
            }
        }
    const QString summary = Translated(zem::FleetSummary(results_));
    summary_->setText(restoring_ ? tr("Restore: %1").arg(summary) : summary);
    Announce(this, summary_->text());
    if (!reportAtEnd_.isEmpty()) {
        writeReport(reportAtEnd_);
        reportAtEnd_.clear();
    }
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
    start_->setDefault(!running);
    stop_->setDefault(running);
    save_->setEnabled(running || !results_.empty());
    restore_->setEnabled(!running && !repeatRun_ && !zem::RadiosToRestore(results_).empty());
    for (QWidget* w : std::initializer_list<QWidget*>{ports_, portEdit_, add_, verify_, backup_, repeat_})
        w->setEnabled(!running);
    backupFolder_->setEnabled(!running && backup_->isChecked());
    browse_->setEnabled(!running && backup_->isChecked());
    emit runningChanged(running);
}

bool FleetDialog::mayReplace(const QString& path) {
    return !QFileInfo::exists(path) ||
           messenger_.confirm(tr("The report \"%1\" exists already. Replace it?").arg(path).toStdString());
}

bool FleetDialog::saveReport(const QString& path) { return mayReplace(path) && writeReport(path); }

bool FleetDialog::writeReport(const QString& path) {
    zem::FleetReportInfo info = reportInfo_;
    info.wayBack = repeatRun_ ? tr("put it on the cable again and write the backup to it").toStdString()
                              : tr("\"Restore from backups\" in the window, or zemtool fleet restore %1")
                                    .arg(path)
                                    .toStdString();
    zem::FileResult written = zem::WriteFileAtomically(FilePath(path), zem::FleetReportCsv(results_, info));
    if (!written.ok) messenger_.notice(written.said());
    return written.ok;
}

void FleetDialog::saveReportAs() {
    const QString path =
        chooseReport_ ? chooseReport_()
                      : QFileDialog::getSaveFileName(this, tr("Save report"), QStringLiteral("report.csv"),
                                                     tr("CSV file (*.csv)"), nullptr,
                                                     QFileDialog::DontConfirmOverwrite);  // saveReport asks
    if (path.isEmpty()) return;
    if (running_)
        saveReportAtEnd(path);
    else
        saveReport(path);
}

bool FleetDialog::saveReportAtEnd(const QString& path) {
    if (!mayReplace(path)) return false;
    reportAtEnd_ = path;
    summary_->setText(tr("The report goes to %1 when the run ends.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void FleetDialog::chooseBackupFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Backup folder"), backupFolder_->text());
    if (!folder.isEmpty()) backupFolder_->setText(QDir::toNativeSeparators(folder));
}

// Yes stops the run, and the dialog closes once every port is released.
bool FleetDialog::askStopAndClose() {
    if (closeWhenDone_) return true;  // asked already; stopping
    if (!AskYesNo(this, tr(kAskStopRun))) return false;
    closeWhenDone_ = true;
    stop();
    return true;
}

void FleetDialog::reject() {
    if (running_) {
        askStopAndClose();
        return;
    }
    QDialog::reject();
}

bool FleetDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == portEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            add_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FleetDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        askStopAndClose();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FleetDialog::loadSettings() {
    QSettings settings = UserSettings();
    settings.beginGroup(QStringLiteral("Fleet"));
    verify_->setChecked(settings.value(QStringLiteral("Verify"), true).toBool());
    backup_->setChecked(settings.value(QStringLiteral("Backup"), false).toBool());
    backupFolder_->setText(settings.value(QStringLiteral("BackupFolder"), QString()).toString());
    repeat_->setChecked(settings.value(QStringLiteral("Repeat"), false).toBool());
    backupFolder_->setEnabled(backup_->isChecked());
    browse_->setEnabled(backup_->isChecked());
}

void FleetDialog::storeSettings() const {
    QSettings settings = UserSettings();
    settings.beginGroup(QStringLiteral("Fleet"));
    settings.setValue(QStringLiteral("Verify"), verify_->isChecked());
    settings.setValue(QStringLiteral("Backup"), backup_->isChecked());
    settings.setValue(QStringLiteral("BackupFolder"), backupFolder_->text().trimmed());
    settings.setValue(QStringLiteral("Repeat"), repeat_->isChecked());
}

}  // namespace zem::gui
