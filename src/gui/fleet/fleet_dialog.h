#pragma once

#include "document/radio_image.h"
#include "fleet/fleet_report.h"
#include "fleet/fleet_run.h"
#include "link/serial_port.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zem {
class Messenger;
}

namespace zem::gui {

// "Write to several radios...": the plan (the document as it stands at
// Start) written into the radios on the ports ticked, all at once, or one
// after another on one cable with Repeat. One row per port shows its
// progress bar, state, count of radios and the message of a failure; the
// summary line and "Save report..." come at the end; after failures,
// "Restore from backups" writes each failed radio's own backup back. The
// exchange runs on threads of its own; the dialog only looks at it ten
// times a second.
class FleetDialog : public QDialog {
    Q_OBJECT

public:
    // Called at Start: stores the pages and gives the image to write and
    // the name of its file (for the report); false keeps the run from starting.
    using PlanSource = std::function<bool(zem::RadioImage& plan, std::string& planName)>;

    FleetDialog(zem::Messenger& messenger, PlanSource takePlan, QWidget* parent = nullptr);
    ~FleetDialog() override;  // a run still going is cancelled and waited for

    // The machine's serial ports, one check box each; ticked ones stay ticked.
    void setAvailablePorts(const std::vector<zem::PortInfo>& ports);
    // A port typed in (or added by a caller), ticked.
    void addPort(const QString& port);
    QStringList checkedPorts() const;

    bool isRunning() const { return running_; }
    // Start: false (after a message where there is something to say) when
    // the run did not start. Stop: every radio stops at its next block.
    bool start();
    void stop();
    // Writes each failed radio of the last run that holds a partial or
    // unchecked write back from its own backup; false when it did not start.
    bool restoreFromBackups();
    // The report of the last run as CSV; an existing file is replaced only
    // when the user agrees. False after a message or a refusal.
    bool saveReport(const QString& path);
    // "Save report..." during a run: the report goes to path when the run
    // ends, also when it is stopped or the program quits; false when the
    // file exists and the user would not have it replaced.
    bool saveReportAtEnd(const QString& path);
    std::vector<zem::RadioResult> results() const { return results_; }

    // Where "Save report..." saves; the desktop's file dialog by default.
    void setReportChooser(std::function<QString()> chooser) { chooseReport_ = std::move(chooser); }
    // Lets a test or benchmark change the options of the next runs.
    void setOptionsAdjuster(std::function<void(zem::FleetOptions&)> adjust) { adjust_ = std::move(adjust); }

    QListWidget* portList() const { return ports_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QPushButton* addButton() const { return add_; }
    QCheckBox* verifyBox() const { return verify_; }
    QCheckBox* backupBox() const { return backup_; }
    QLineEdit* backupFolderEdit() const { return backupFolder_; }
    QCheckBox* repeatBox() const { return repeat_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }
    QPushButton* saveReportButton() const { return save_; }
    QPushButton* restoreButton() const { return restore_; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }

    // The question Escape or closing the dialog asks during a run.
    static const char* const kAskStopRun;

signals:
    void runningChanged(bool running);

public slots:
    // Escape during a run asks whether to stop it, as closing does.
    void reject() override;

protected:
    // Closing during a run asks whether to stop it; Yes stops it and the
    // dialog closes once every port is released. It never goes away while
    // its run goes on.
    void closeEvent(QCloseEvent* event) override;
    // Enter in the port field adds the port and starts nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(std::vector<zem::RadioImage> plans, const QStringList& ports, const zem::FleetOptions& options);
    void poll();
    void setRunning(bool running);
    bool askStopAndClose();
    bool mayReplace(const QString& path);  // asks when path exists
    bool writeReport(const QString& path);
    void chooseBackupFolder();
    void saveReportAs();
    void loadSettings();
    void storeSettings() const;

    zem::Messenger& messenger_;
    PlanSource takePlan_;
    std::function<QString()> chooseReport_;
    std::function<void(zem::FleetOptions&)> adjust_;
    std::unique_ptr<zem::FleetRun> run_;
    std::vector<zem::RadioResult> results_;
    zem::FleetReportInfo reportInfo_;  // of the last run
    bool restoring_ = false;           // the last run put backups back
    bool repeatRun_ = false;           // the last run was one cable, many radios
    std::vector<zem::RadioJobResult> restoredFrom_;  // each port's radio before that run
    bool running_ = false;
    bool closeWhenDone_ = false;
    QString reportAtEnd_;

    QListWidget* ports_;
    QLineEdit* portEdit_;
    QPushButton* add_;
    QCheckBox* verify_;
    QCheckBox* backup_;
    QLineEdit* backupFolder_;
    QPushButton* browse_;
    QCheckBox* repeat_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* save_;
    QPushButton* restore_;
    QTableWidget* table_;
    QLabel* summary_;
    QTimer* timer_;
};

}  // namespace zem::gui
