#include "workbench/compare_commands.h"

#include "channels/channel_page.h"
#include "commands/command_host.h"
#include "commands/user_dialogs.h"
#include "common/core_text.h"
#include "common/file_names.h"
#include "doc/kivu_doc.h"
#include "compare/document_diff.h"
#include "document/program_file.h"
#include "view/kivu_view.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zem::gui {

const char* const CompareDialog::kNoDifference =
    QT_TRANSLATE_NOOP("zem::gui::CompareDialog", "No differences: both hold the same data.");

CompareDialog::CompareDialog(const zem::RadioImage& document, const zem::RadioImage& other,
                             const QString& otherSide, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)), summary_(new QLabel(this)) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare with %1").arg(otherSide));
    list_->setObjectName(QStringLiteral("differences"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Where"), tr("Document"), otherSide});
    list_->setAccessibleName(tr("Differences"));
    const std::vector<zem::Difference> lines = zem::DifferencesAsShown(document, other);
    for (const zem::Difference& parts : lines) {
        auto* item = new QTreeWidgetItem(list_, {Translated(parts.where), Translated(parts.before), Translated(parts.after)});
        // A screen reader reads each value with its column's name, so the
        // document's value is told from the other side's.
        for (int col = 0; col < list_->columnCount(); ++col)
            item->setData(col, Qt::AccessibleTextRole,
                          tr("%1: %2").arg(list_->headerItem()->text(col), item->text(col)));
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    summary_->setObjectName(QStringLiteral("summary"));
    const zem::Text note = zem::SameAsShownText(document, other);
    summary_->setText(!lines.empty() ? tr("%1 difference(s) between the document and %2:").arg(lines.size()).arg(otherSide)
                      : note.empty() ? tr(kNoDifference)
                                     : tr("No differences on the pages: %1.").arg(Translated(note)));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    copy->setEnabled(!lines.empty());
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("close"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 400);
}

QString CompareDialog::text() const {
    QStringList lines;
    QStringList header;
    for (int col = 0; col < list_->columnCount(); ++col) header << list_->headerItem()->text(col);
    lines << header.join(QLatin1Char('\t'));
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        lines << QStringList{item->text(0), item->text(1), item->text(2)}.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

CompareCommands::CompareCommands(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {
    setObjectName(QStringLiteral("compareCommands"));
}

bool CompareCommands::compareWithFile() {
    const QString path = host_.dialogs().openFileName();
    return !path.isEmpty() && compareWithFile(path);
}

bool CompareCommands::compareWithFile(const QString& path) {
    zem::RadioImage file;
    const zem::FileResult result = zem::LoadProgramFile(FilePath(path), file);
    if (!result.ok) {
        host_.messenger().notice(result.said());
        return false;
    }
    host_.view().channelPage().commitOpenEditor();
    showDifferences(host_.document().currentImage(), file, QFileInfo(path).fileName());
    return true;
}

void CompareCommands::showDifferences(const zem::RadioImage& document, const zem::RadioImage& other,
                                      const QString& otherSide) {
    CompareDialog dialog(document, other, otherSide, &host_.hostWidget());
    dialog.exec();
}

}  // namespace zem::gui
