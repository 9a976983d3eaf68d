#pragma once

#include "service/power_points.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zem::gui {

// The service dialog that shows and edits the radio's low and high transmit
// power values of seven frequency points. It only holds the values: Read and
// Write are carried out by whoever listens to readRequested/writeRequested,
// which calls setExchanging around the exchange.
class CPowerSetDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPoints = zem::kPowerPointCount;

    CPowerSetDlg(double minFreq, double maxFreq, QWidget* parent = nullptr);

    // Each combo lists "0".."255", so its index is the value.
    zem::PowerValues values() const;
    void setValues(const zem::PowerValues& values);

    // Read and Write are disabled while an exchange runs.
    void setExchanging(bool exchanging);

    QComboBox* lowCombo(int point) const { return combos_[point - 1]; }
    QComboBox* highCombo(int point) const { return combos_[kPoints + point - 1]; }
    QLabel* rowLabel(int point) const { return rowLabels_[point - 1]; }
    QLineEdit* maxFreqEdit() const { return maxEdit_; }
    QLineEdit* minFreqEdit() const { return minEdit_; }
    QPushButton* defaultButton() const { return defaultButton_; }
    QPushButton* readButton() const { return readButton_; }
    QPushButton* writeButton() const { return writeButton_; }
    QPushButton* exitButton() const { return exitButton_; }

public slots:
    void restoreDefaults();
    // Exit, Esc or the close box during an exchange take effect when the
    // exchange has ended, so the radio is never left with the port open.
    void done(int result) override;

signals:
    void readRequested();
    void writeRequested();

private:
    std::array<QComboBox*, 2 * kPoints> combos_{};
    std::array<QLabel*, kPoints> rowLabels_{};
    QLineEdit* maxEdit_;
    QLineEdit* minEdit_;
    QPushButton* defaultButton_;
    QPushButton* readButton_;
    QPushButton* writeButton_;
    QPushButton* exitButton_;
    bool exchanging_ = false;
    int pendingResult_ = -1;
};

}  // namespace zem::gui
