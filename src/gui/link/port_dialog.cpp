#include "link/port_dialog.h"

#include "common/core_text.h"
#include "messenger.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zem::gui {

namespace {

constexpr int kDeviceColumn = 0;
constexpr int kNumberColumn = 1;
constexpr int kDescriptionColumn = 2;

}  // namespace

const char* const CPortDlg::kMsgBadPort = QT_TRANSLATE_NOOP("zem::gui::CPortDlg", "Please enter an integer between 1 and 99.");

CPortDlg::CPortDlg(zem::Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger), edit_(new QLineEdit(this)), list_(new QTreeWidget(this)) {
    setWindowTitle(tr(" Please Choose serial ports"));

    auto* text = new QLabel(
        tr("Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X"),
        this);
    text->setWordWrap(true);
    text->setBuddy(edit_);

    edit_->setObjectName(QStringLiteral("portNumber"));
#ifdef _WIN32
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), edit_));
#endif

    list_->setObjectName(QStringLiteral("portList"));
    list_->setAccessibleName(tr("Serial ports of this computer"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Device"), tr("Port"), tr("Description")});
    list_->header()->setStretchLastSection(true);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CPortDlg::onPicked);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CPortDlg::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortDlg::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    setPort(QStringLiteral("1"));
}

void CPortDlg::setPort(const QString& port) {
    port_ = port;
    edit_->setText(port);
    edit_->selectAll();
    edit_->setFocus();
}

void CPortDlg::setAvailablePorts(const std::vector<zem::PortInfo>& ports) {
    list_->clear();
    for (const zem::PortInfo& info : ports) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kDeviceColumn, QString::fromStdString(info.device));
        item->setText(kNumberColumn, info.number > 0 ? QString::number(info.number) : QString());
        item->setText(kDescriptionColumn, TranslatedEnglish(info.description));
    }
    list_->resizeColumnToContents(kDeviceColumn);
    list_->resizeColumnToContents(kNumberColumn);
    list_->setVisible(!ports.empty());
}

QString CPortDlg::NormalisedPort(const QString& entry) {
    const QString text = entry.trimmed();
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    if (digits.match(text).hasMatch()) {
        const int number = text.toInt();
        return number >= 1 && number <= 99 ? QString::number(number) : QString();
    }
#ifndef _WIN32
    if (text.startsWith(QLatin1Char('/')) && text.size() > 1) {
        return text;
    }
#endif
    return QString();
}

void CPortDlg::onPicked() {
    const QList<QTreeWidgetItem*> picked = list_->selectedItems();
    if (picked.isEmpty()) {
        return;
    }
    // A port with a number is chosen by its number, as if typed; one
    // outside the numbering by its path.
    const QTreeWidgetItem* item = picked.first();
    const QString number = item->text(kNumberColumn);
    edit_->setText(number.isEmpty() ? item->text(kDeviceColumn) : number);
}

void CPortDlg::accept() {
    const QString port = NormalisedPort(edit_->text());
    if (port.isEmpty()) {
        messenger_.notice(tr(kMsgBadPort).toStdString());
        edit_->selectAll();
        edit_->setFocus();
        return;
    }
    port_ = port;
    QDialog::accept();
}

}  // namespace zem::gui
