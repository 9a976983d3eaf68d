#include "workbench/radio_history.h"

#include "channels/band.h"
#include "channels/channel_table.h"
#include "document/document_diff.h"
#include "document/program_file.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zem::gui {

namespace {

// "2026-12-07_05-04-55.Zem", with "_2", "_3"... for reads within one second.
const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".Zem");

QDateTime StampOf(const QString& fileName) {
    return QDateTime::fromString(fileName.left(kStampFormat.size()), kStampFormat);
}

}  // namespace

RadioHistory::RadioHistory(const QString& folder)
    : folder_(folder.isEmpty()
                  ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/radios")
                  : folder) {}

QStringList RadioHistory::fileNames() const {
    QStringList names = QDir(folder_).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& name) { return !StampOf(name).isValid(); }),
                names.end());
    // The stamps sort by time as text; a same-second suffix sorts after
    // its first read.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const QString stampA = a.left(kStampFormat.size());
        const QString stampB = b.left(kStampFormat.size());
        if (stampA != stampB) return stampA < stampB;
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

QString RadioHistory::add(const zem::RadioImage& image, const QDateTime& when, QString* why) {
    QDir dir(folder_);
    if (!dir.mkpath(QStringLiteral("."))) {
        // Qt does not say why; the file system does.
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::u8path(folder_.toStdString()), error);
        if (why) *why = error ? QString::fromStdString(error.message()) : QStringLiteral("it is not a folder");
        return {};
    }
    const QString stamp = when.toString(kStampFormat);
    QString path = dir.filePath(stamp + kSuffix);
    for (int n = 2; QFile::exists(path); ++n) path = dir.filePath(stamp + QStringLiteral("_%1").arg(n) + kSuffix);
    const zem::FileResult saved = zem::SaveProgramFile(QFile::encodeName(path).toStdString(), image);
    if (!saved.ok) {
        if (why) *why = QString::fromStdString(saved.message);
        return {};
    }

    const QStringList names = fileNames();
    for (qsizetype i = 0; i + kMaxEntries < names.size(); ++i) dir.remove(names.at(i));
    return path;
}

QList<RadioHistory::Entry> RadioHistory::entries() const {
    QList<Entry> list;
    const QStringList names = fileNames();
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        const QString path = QDir(folder_).filePath(*name);
        zem::RadioImage image;
        if (!zem::LoadProgramFile(QFile::encodeName(path).toStdString(), image).ok) continue;
        const zem::PagesSnapshot pages = zem::FillPages(image);
        Entry entry;
        entry.path = path;
        entry.when = StampOf(*name);
        entry.type = QString::fromStdString(zem::EntryText(zem::TypeEntries(), pages.channels.typeIndex));
        entry.band = QString::fromStdString(zem::EntryText(zem::BandEntries(), pages.channels.bandIndex));
        for (int channel = 1; channel <= zem::kChannelCount && entry.firstFrequency.isEmpty(); ++channel)
            entry.firstFrequency = QString::fromStdString(pages.channels.cells.text(channel, zem::kColReceive));
        list << entry;
    }
    return list;
}

RadioHistoryDialog::RadioHistoryDialog(const RadioHistory& history, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("radioHistoryDialog"));
    setWindowTitle(QStringLiteral("Radio history"));
    list_->setObjectName(QStringLiteral("historyList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Type"),
                            QStringLiteral("Band"), QStringLiteral("First channel")});
    for (const RadioHistory::Entry& entry : history.entries()) {
        auto* item = new QTreeWidgetItem(list_, {entry.when.date().toString(Qt::ISODate),
                                                 entry.when.time().toString(QStringLiteral("HH:mm:ss")), entry.type,
                                                 entry.band, entry.firstFrequency});
        item->setData(0, Qt::UserRole, entry.path);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close, this);
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    open->setEnabled(list_->currentItem() != nullptr);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::currentItemChanged, open,
            [open](QTreeWidgetItem* current) { open->setEnabled(current != nullptr); });

    auto* layout = new QVBoxLayout(this);
    auto* where = new QLabel(
        list_->topLevelItemCount() > 0
            ? QStringLiteral("Every complete read from a radio, newest first (the newest %1 are kept).")
                  .arg(RadioHistory::kMaxEntries)
            : QStringLiteral("No radio has been read yet."),
        this);
    layout->addWidget(where);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(620, 360);
}

QString RadioHistoryDialog::chosenPath() const {
    if (result() != QDialog::Accepted || list_->currentItem() == nullptr) return {};
    return list_->currentItem()->data(0, Qt::UserRole).toString();
}

}  // namespace zem::gui
