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
      maxEdit_(new QLineEdit(this)),
      minEdit_(new QLineEdit(this)),
      defaultButton_(new QPushButton(tr("Default Setting"), this)),
      readButton_(new QPushButton(tr("Read"), this)),
      writeButton_(new QPushButton(tr("Write"), this)),
      exitButton_(new QPushButton(tr("Exit"), this)) {
    setWindowTitle(tr("Zem Electronics Co., Ltd. On Line Power Setting"));

    // The range is shown for orientation only; nothing reads it back.
    maxEdit_->setText(QString::fromStdString(zem::FormatPowerFrequency(maxFreq)));
    minEdit_->setText(QString::fromStdString(zem::FormatPowerFrequency(minFreq)));
    auto* range = new QGroupBox(tr("The Frequency Range Setting"), this);
    auto* rangeLayout = new QGridLayout(range);
    QLineEdit* const edits[] = {maxEdit_, minEdit_};
    const QString editLabels[] = {tr("The Maximum Frequency  (MHZ)"), tr("The Minimum Frequency (MHZ)")};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(editLabels[row], range);
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
    const QString heads[] = {tr("Frequency Range"), tr("Low Power Value"), tr("High Power Value")};
    for (int column = 0; column < 3; ++column) table->addWidget(new QLabel(heads[column], this), 0, column);
    for (int p = 0; p < kPoints; ++p) {
        rowLabels_[p] = new QLabel(QString::fromLatin1(labels[p]), this);
        table->addWidget(rowLabels_[p], p + 1, 0);
        for (int column = 0; column < 2; ++column) {
            auto* combo = new QComboBox(this);
            combo->addItems(entries);
            combo->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(column == 0 ? "low" : "high")).arg(p + 1));
            // A list of the grid is named by its column and row heads:
            // "Low Power Value 136-141(MHZ)".
            combo->setAccessibleName(heads[column + 1] + QLatin1Char(' ') + rowLabels_[p]->text());
            combos_[column * kPoints + p] = combo;
            table->addWidget(combo, p + 1, column + 1);
        }
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultButton_);
    buttons->addStretch(1);
    buttons->addWidget(readButton_);
    buttons->addWidget(writeButton_);
    buttons->addWidget(exitButton_);
    for (QPushButton* button : {defaultButton_, readButton_, writeButton_, exitButton_}) {
        button->setAutoDefault(false);
    }
    // Enter closes the dialog as Exit does; it never reads or writes the
    // radio. Escape closes it too.
    exitButton_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addLayout(table);
    layout->addLayout(buttons);

    connect(defaultButton_, &QPushButton::clicked, this, &CPowerSetDlg::restoreDefaults);
    connect(readButton_, &QPushButton::clicked, this, &CPowerSetDlg::readRequested);
    connect(writeButton_, &QPushButton::clicked, this, &CPowerSetDlg::writeRequested);
    connect(exitButton_, &QPushButton::clicked, this, &CPowerSetDlg::accept);
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
    exchanging_ = exchanging;
    readButton_->setEnabled(!exchanging);
    writeButton_->setEnabled(!exchanging);
    if (!exchanging && pendingResult_ >= 0) {
        const int result = pendingResult_;
        pendingResult_ = -1;
        QDialog::done(result);
    }
}

void CPowerSetDlg::done(int result) {
    if (exchanging_) {
        pendingResult_ = result;
        return;
    }
    QDialog::done(result);
}

}  // namespace zem::gui
