#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace zem::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Zem Electronics Co., Ltd."));
    QFont face(QStringLiteral("Times New Roman"));
    face.setPointSize(10);
    setFont(face);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/zemprog.png")).pixmap(32, 32));
    icon->setAccessibleName(tr("Program icon"));
    auto* name = new QLabel(tr("Zem  Communication Software-1.0"), this);
    name->setObjectName(QStringLiteral("aboutName"));
    auto* notice = new QLabel(tr("Programs the 16-channel handheld radio over its serial cable.\n"
                                 "Copyright (C) Zem Electronics Co., Ltd.\n"
                                 "All rights reserved."),
                              this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->addWidget(notice, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(420, 160)));
}

}  // namespace zem::gui
