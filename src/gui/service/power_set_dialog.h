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

    QComboBox* lowCombo(int point) const { return m_combos[point - 1]; }
    QComboBox* highCombo(int point) const { return m_combos[kPoints + point - 1]; }
    QLabel* rowLabel(int point) const { return m_rowLabels[point - 1]; }
    QLineEdit* maxFreqEdit() const { return m_maxEdit; }
    QLineEdit* minFreqEdit() const { return m_minEdit; }
    QPushButton* defaultButton() const { return m_default; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* writeButton() const { return m_write; }
    QPushButton* exitButton() const { return m_exit; }

public slots:
    void restoreDefaults();
    // Exit, Esc or the close box during an exchange take effect when the
    // exchange has ended, so the radio is never left with the port open.
    void done(int result) override;

signals:
    void readRequested();
    void writeRequested();

private:
    std::array<QComboBox*, 2 * kPoints> m_combos{};
    std::array<QLabel*, kPoints> m_rowLabels{};
    QLineEdit* m_maxEdit;
    QLineEdit* m_minEdit;
    QPushButton* m_default;
    QPushButton* m_read;
    QPushButton* m_write;
    QPushButton* m_exit;
    bool m_exchanging = false;
    int m_pendingResult = -1;
};

}  // namespace zem::gui
