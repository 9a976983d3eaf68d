#include "service/power_set_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zem::gui {

CPowerSetDlg::CPowerSetDlg(double minFreq, double maxFreq, QWidget* parent)
    : QDialog(parent),
      m_maxEdit(new QLineEdit(this)),
      m_minEdit(new QLineEdit(this)),
      m_default(new QPushButton(QStringLiteral("Default Setting"), this)),
      m_read(new QPushButton(QStringLiteral("Read"), this)),
      m_write(new QPushButton(QStringLiteral("Write"), this)),
      m_exit(new QPushButton(QStringLiteral("Exit"), this)) {
    setWindowTitle(QStringLiteral("Zem Electronics Co., Ltd. On Line Power Setting"));

    // The range is shown for orientation only; nothing reads it back.
    m_maxEdit->setText(QString::fromStdString(zem::FormatPowerFrequency(maxFreq)));
    m_minEdit->setText(QString::fromStdString(zem::FormatPowerFrequency(minFreq)));
    auto* range = new QGroupBox(QStringLiteral("The Frequency Range Setting"), this);
    auto* rangeLayout = new QGridLayout(range);
    QLineEdit* const edits[] = {m_maxEdit, m_minEdit};
    const char* const editLabels[] = {"The Maximum Frequency  (MHZ)", "The Minimum Frequency (MHZ)"};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(QLatin1String(editLabels[row]), range);
        label->setBuddy(edits[row]);
        rangeLayout->addWidget(label, row, 0);
        rangeLayout->addWidget(edits[row], row, 1);
    }

    QStringList entries;
    for (int value = 0; value <= 255; ++value) {
        entries << QString::number(value);
    }
    const auto& labels = zem::PowerPointLabels(maxFreq);
    auto* table = new QGridLayout;
    const QString heads[] = {QStringLiteral("Frequency Range"), QStringLiteral("Low Power Value"),
                             QStringLiteral("High Power Value")};
    for (int column = 0; column < 3; ++column) table->addWidget(new QLabel(heads[column], this), 0, column);
    for (int p = 0; p < kPoints; ++p) {
        m_rowLabels[p] = new QLabel(QString::fromLatin1(labels[p]), this);
        table->addWidget(m_rowLabels[p], p + 1, 0);
        for (int column = 0; column < 2; ++column) {
            auto* combo = new QComboBox(this);
            combo->addItems(entries);
            combo->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(column == 0 ? "low" : "high")).arg(p + 1));
            // A list of the grid is named by its column and row heads:
            // "Low Power Value 136-141(MHZ)".
            combo->setAccessibleName(heads[column + 1] + QLatin1Char(' ') + m_rowLabels[p]->text());
            m_combos[column * kPoints + p] = combo;
            table->addWidget(combo, p + 1, column + 1);
        }
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_default);
    buttons->addStretch(1);
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addWidget(m_exit);
    for (QPushButton* button : {m_default, m_read, m_write, m_exit}) {
        button->setAutoDefault(false);
    }
    // Enter closes the dialog as Exit does; it never reads or writes the
    // radio. Escape closes it too.
    m_exit->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addLayout(table);
    layout->addLayout(buttons);

    connect(m_default, &QPushButton::clicked, this, &CPowerSetDlg::restoreDefaults);
    connect(m_read, &QPushButton::clicked, this, &CPowerSetDlg::readRequested);
    connect(m_write, &QPushButton::clicked, this, &CPowerSetDlg::writeRequested);
    connect(m_exit, &QPushButton::clicked, this, &CPowerSetDlg::accept);
    restoreDefaults();
}

zem::PowerValues CPowerSetDlg::values() const {
    zem::PowerValues values;
    for (int p = 0; p < kPoints; ++p) {
        values.low[p] = static_cast<std::uint8_t>(std::max(0, lowCombo(p + 1)->currentIndex()));
        values.high[p] = static_cast<std::uint8_t>(std::max(0, highCombo(p + 1)->currentIndex()));
    }
    return values;
}

void CPowerSetDlg::setValues(const zem::PowerValues& values) {
    for (int p = 0; p < kPoints; ++p) {
        lowCombo(p + 1)->setCurrentIndex(values.low[p]);
        highCombo(p + 1)->setCurrentIndex(values.high[p]);
    }
}

void CPowerSetDlg::restoreDefaults() { setValues(zem::DefaultPowerValues()); }

void CPowerSetDlg::setExchanging(bool exchanging) {
    m_exchanging = exchanging;
    m_read->setEnabled(!exchanging);
    m_write->setEnabled(!exchanging);
    if (!exchanging && m_pendingResult >= 0) {
        const int result = m_pendingResult;
        m_pendingResult = -1;
        QDialog::done(result);
    }
}

void CPowerSetDlg::done(int result) {
    if (m_exchanging) {
        m_pendingResult = result;
        return;
    }
    QDialog::done(result);
}

}  // namespace zem::gui
