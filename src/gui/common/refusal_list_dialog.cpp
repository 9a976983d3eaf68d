#include "common/refusal_list_dialog.h"

#include "common/app_title.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zem::gui {

RefusalListDialog::RefusalListDialog(const QString& text, const QStringList& items, QWidget* parent)
    : QDialog(parent), text_(text), list_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("refusalListDialog"));
    setWindowTitle(ApplicationTitle());

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));
    auto* heading = new QLabel(text, this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);

    list_->setObjectName(QStringLiteral("items"));
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setPlainText(items.join(QLatin1Char('\n')));
    list_->setAccessibleName(tr("Refused values"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    copy->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(this->text()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(heading, 0, 1);
    layout->addWidget(list_, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    // Tall enough for the list up to two thirds of the screen; beyond
    // that the list scrolls.
    const QFontMetrics metrics(list_->font());
    const int wanted = metrics.lineSpacing() * static_cast<int>(items.size() + 1) + 2 * list_->frameWidth() + 8;
    const QScreen* screen = parent != nullptr ? parent->screen() : QApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    list_->setMinimumHeight(std::min(wanted, metrics.lineSpacing() * 4));
    const int listHeight = std::min(wanted, available.height() * 2 / 3);
    const QSize hint = sizeHint();
    resize(std::min(std::max(hint.width(), 560), available.width()),
           std::min(hint.height() - list_->sizeHint().height() + listHeight, available.height()));
    setMaximumHeight(available.height());
}

QString RefusalListDialog::text() const {
    return text_ + QLatin1Char('\n') + list_->toPlainText() + QLatin1Char('\n');
}

}  // namespace zem::gui
