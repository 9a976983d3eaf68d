#pragma once

#include <QDialog>

namespace zem::gui {

// "About Zem Electronics Co., Ltd.": the program's name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace zem::gui
