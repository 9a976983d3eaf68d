#include "link/port_dialog.h"

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

const char* const CPortDlg::kMsgBadPort = "Please enter an integer between 1 and 99.";

CPortDlg::CPortDlg(zem::Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_messenger(messenger), m_edit(new QLineEdit(this)), m_list(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral(" Please Choose serial ports"));

    auto* text = new QLabel(
        QStringLiteral("Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X"),
        this);
    text->setWordWrap(true);
    text->setBuddy(m_edit);

    m_edit->setObjectName(QStringLiteral("portNumber"));
#ifdef _WIN32
    m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), m_edit));
#endif

    m_list->setObjectName(QStringLiteral("portList"));
    m_list->setAccessibleName(QStringLiteral("Serial ports of this computer"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Device"), tr("Port"), tr("Description")});
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CPortDlg::onPicked);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CPortDlg::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortDlg::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    setPort(QStringLiteral("1"));
}

void CPortDlg::setPort(const QString& port) {
    m_port = port;
    m_edit->setText(port);
    m_edit->selectAll();
    m_edit->setFocus();
}

void CPortDlg::setAvailablePorts(const std::vector<zem::PortInfo>& ports) {
    m_list->clear();
    for (const zem::PortInfo& info : ports) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(kDeviceColumn, QString::fromStdString(info.device));
        item->setText(kNumberColumn, info.number > 0 ? QString::number(info.number) : QString());
        item->setText(kDescriptionColumn, QString::fromStdString(info.description));
    }
    m_list->resizeColumnToContents(kDeviceColumn);
    m_list->resizeColumnToContents(kNumberColumn);
    m_list->setVisible(!ports.empty());
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
    const QList<QTreeWidgetItem*> picked = m_list->selectedItems();
    if (picked.isEmpty()) {
        return;
    }
    // A port with a number is chosen by its number, as if typed; one
    // outside the numbering by its path.
    const QTreeWidgetItem* item = picked.first();
    const QString number = item->text(kNumberColumn);
    m_edit->setText(number.isEmpty() ? item->text(kDeviceColumn) : number);
}

void CPortDlg::accept() {
    const QString port = NormalisedPort(m_edit->text());
    if (port.isEmpty()) {
        m_messenger.notice(kMsgBadPort);
        m_edit->selectAll();
        m_edit->setFocus();
        return;
    }
    m_port = port;
    QDialog::accept();
}

}  // namespace zem::gui
