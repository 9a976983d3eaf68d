#include "common/refusal_list_dialog.h"

#include "common/app_title.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <vector>

namespace zem::gui {

RefusalListDialog::RefusalListDialog(const QString& text, const QStringList& items, QWidget* parent,
                                     Buttons choice)
    : QDialog(parent) {
    setObjectName(QStringLiteral("refusalList"));
    setWindowTitle(ApplicationTitle());

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);

    list_ = new QListWidget(this);
    // One line a refusal, all alike: thousands of them lay out and scroll
    // without measuring each.
    list_->setUniformItemSizes(true);
    list_->addItems(items);
    list_->setAccessibleName(text);
    label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(
        choice == Buttons::OkCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    copy->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(copyText()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(label, 0, 1);
    layout->addWidget(list_, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setRowStretch(1, 1);

    // As tall as the lines need, up to half the screen: beyond that the
    // list scrolls.
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const int rowHeight = std::max(list_->sizeHintForRow(0), fontMetrics().height());
    const int lines = static_cast<int>(std::min<qsizetype>(items.size(), 100));
    list_->setMinimumHeight(std::min(rowHeight * lines + 2 * list_->frameWidth() + 4, area.height() / 2));
    // As wide as the longest lines need: measured on the longest hundred
    // texts only, so thousands of refusals open as fast as a few.
    std::vector<qsizetype> lengths;
    lengths.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items) lengths.push_back(item.size());
    const std::size_t measured = std::min<std::size_t>(lengths.size(), 100);
    std::nth_element(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(measured) - (measured ? 1 : 0),
                     lengths.end(), std::greater<>());
    const qsizetype shortestMeasured = measured ? lengths[measured - 1] : 0;
    int textWidth = 0;
    for (const QString& item : items) {
        if (item.size() >= shortestMeasured) textWidth = std::max(textWidth, list_->fontMetrics().horizontalAdvance(item));
    }
    const int widest = textWidth + 2 * list_->frameWidth() + 24;
    list_->setMinimumWidth(std::min(std::max(widest, 360), area.width() * 2 / 3));
    setMaximumHeight(area.height());
    adjustSize();
}

QString RefusalListDialog::copyText() const {
    QStringList lines;
    for (int i = 0; i < list_->count(); ++i) lines << list_->item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace zem::gui
