#include "workbench/radio_history.h"

#include "channels/band.h"
#include "channels/channel_table.h"
#include "common/core_text.h"
#include "common/file_names.h"
#include "common/languages.h"
#include "compare/document_diff.h"
#include "document/program_file.h"
#include "compare/read_history.h"
#include "messenger.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zem::gui {

namespace {

// "2026-12-07_05-04-55.Zem", with "_2", "_3"... for reads within one second
// and "_compare" for the read of a compare; the note in "<name>.txt".
const QString kStampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".Zem");
const QString kCompareMark = QStringLiteral("_compare");
const QString kNoteSuffix = QStringLiteral(".txt");

QDateTime StampOf(const QString& fileName) {
    return QDateTime::fromString(fileName.left(kStampFormat.size()), kStampFormat);
}

bool FromCompare(const QString& fileName) { return fileName.endsWith(kCompareMark + kSuffix); }

QString NotePath(const QString& path) { return path.left(path.size() - kSuffix.size()) + kNoteSuffix; }

bool Load(const QString& path, zem::RadioImage& image) {
    return zem::LoadProgramFile(FilePath(path), image).ok;
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

QString RadioHistory::add(const zem::RadioImage& image, const QDateTime& when, QString* why, bool fromCompare) {
    QDir dir(folder_);
    QStringList names = fileNames();
    // The same radio read again unchanged: its newest read says it all. Only
    // the reads back to that one need loading.
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        zem::KeptRead newest;
        if (!Load(dir.filePath(names.at(i)), newest.image) || !zem::SameRadio(newest.image, image)) continue;
        if (zem::RepeatsNewestRead({newest}, image)) return dir.filePath(names.at(i));
        break;
    }

    if (!dir.mkpath(QStringLiteral("."))) {
        // Qt does not say why; the file system does.
        std::error_code error;
        std::filesystem::create_directories(FilePath(folder_), error);
        if (why) *why = error ? QString::fromStdString(error.message()) : QCoreApplication::translate("zem::gui::RadioHistory", "it is not a folder");
        return {};
    }
    const QString stamp = when.toString(kStampFormat);
    const QString mark = fromCompare ? kCompareMark : QString();
    QString path = dir.filePath(stamp + mark + kSuffix);
    for (int n = 2; QFile::exists(path); ++n)
        path = dir.filePath(stamp + QStringLiteral("_%1").arg(n) + mark + kSuffix);
    const zem::FileResult saved = zem::SaveProgramFile(FilePath(path), image);
    if (!saved.ok) {
        if (why) *why = Translated(saved.said());
        return {};
    }

    // The rules take the new read last, whatever its time says.
    names = fileNames();
    names.removeAll(QFileInfo(path).fileName());
    names << QFileInfo(path).fileName();
    std::vector<bool> compares;
    for (const QString& name : names) compares.push_back(FromCompare(name));
    for (std::size_t index : zem::ReadsToDrop(compares, kMaxEntries))
        remove(dir.filePath(names.at(static_cast<qsizetype>(index))));
    return path;
}

bool RadioHistory::remove(const QString& path) {
    QFile::remove(NotePath(path));
    return QFile::remove(path);
}

bool RadioHistory::setNote(const QString& path, const QString& note) {
    const QString text = note.trimmed();
    if (text.isEmpty()) return !QFile::exists(NotePath(path)) || QFile::remove(NotePath(path));
    QSaveFile file(NotePath(path));
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QList<RadioHistory::Entry> RadioHistory::entries() const {
    QList<Entry> list;
    const QStringList names = fileNames();
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        const QString path = QDir(folder_).filePath(*name);
        zem::RadioImage image;
        if (!Load(path, image)) continue;
        const zem::PagesSnapshot pages = zem::FillPages(image);
        Entry entry;
        entry.path = path;
        entry.when = StampOf(*name);
        entry.type = QString::fromStdString(zem::EntryText(zem::TypeEntries(), pages.channels.typeIndex));
        entry.band = QString::fromStdString(zem::EntryText(zem::BandEntries(), pages.channels.bandIndex));
        for (int channel = 1; channel <= zem::kChannelCount && entry.firstFrequency.isEmpty(); ++channel)
            entry.firstFrequency = QString::fromStdString(pages.channels.cells.text(channel, zem::kColReceive));
        entry.fromCompare = FromCompare(*name);
        QFile note(NotePath(path));
        if (note.open(QIODevice::ReadOnly)) entry.note = QString::fromUtf8(note.readAll());
        list << entry;
    }
    return list;
}

RadioHistoryDialog::RadioHistoryDialog(RadioHistory& history, zem::Messenger& messenger, QWidget* parent)
    : QDialog(parent), history_(history), messenger_(messenger), list_(new QTreeWidget(this)), where_(new QLabel(this)) {
    setObjectName(QStringLiteral("radioHistoryDialog"));
    setWindowTitle(tr("Radio history"));
    list_->setObjectName(QStringLiteral("historyList"));
    list_->setAccessibleName(tr("Radios read"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Date"), tr("Time"), tr("Type"), tr("Band"), tr("First channel"), tr("Taken by"),
                            tr("Note")});
    // Only Note... opens a note for editing; a double click opens the read.
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fill();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close, this);
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    QPushButton* note = buttons->addButton(tr("&Note..."), QDialogButtonBox::ActionRole);
    note->setObjectName(QStringLiteral("note"));
    QPushButton* remove = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    remove->setObjectName(QStringLiteral("delete"));
    auto enable = [=] {
        for (QPushButton* button : {open, note, remove}) button->setEnabled(list_->currentItem() != nullptr);
    };
    enable();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(note, &QPushButton::clicked, this, &RadioHistoryDialog::editNote);
    connect(remove, &QPushButton::clicked, this, &RadioHistoryDialog::deleteCurrent);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &RadioHistoryDialog::deleteCurrent);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::currentItemChanged, this, enable);
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (filling_ || column != kNote) return;
        if (!history_.setNote(item->data(0, Qt::UserRole).toString(), item->text(kNote)))
            messenger_.notice(tr("Could not save the note.").toStdString());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(720, 360);
}

void RadioHistoryDialog::fill() {
    filling_ = true;
    list_->clear();
    for (const RadioHistory::Entry& entry : history_.entries()) {
        auto* item = new QTreeWidgetItem(list_, {entry.when.date().toString(Qt::ISODate),
                                                 entry.when.time().toString(QStringLiteral("HH:mm:ss")),
                                                 CoreText(zem::kTextChannelTable, entry.type.toStdString()),
                                                 CoreText(zem::kTextChannelTable, entry.band.toStdString()), entry.firstFrequency,
                                                 entry.fromCompare ? tr("Compare") : tr("Read"), entry.note});
        item->setData(0, Qt::UserRole, entry.path);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    where_->setText(list_->topLevelItemCount() > 0
                        ? tr("Every complete read from a radio, newest first (the newest %1 are kept).")
                              .arg(RadioHistory::kMaxEntries)
                        : tr("No radio has been read yet."));
    filling_ = false;
}

bool RadioHistoryDialog::deleteCurrent() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr) return false;
    const QString question = tr("Delete the read of %1 %2 from the radio history?").arg(item->text(kDate), item->text(kTime));
    if (!messenger_.confirm(question.toStdString())) return false;
    const int row = list_->indexOfTopLevelItem(item);
    if (!history_.remove(item->data(0, Qt::UserRole).toString())) {
        messenger_.notice(tr("Could not delete the read of %1 %2.").arg(item->text(kDate), item->text(kTime)).toStdString());
        return false;
    }
    fill();
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(std::min(row, list_->topLevelItemCount() - 1)));
    return true;
}

void RadioHistoryDialog::editNote() {
    if (QTreeWidgetItem* item = list_->currentItem()) list_->editItem(item, kNote);
}

QString RadioHistoryDialog::chosenPath() const {
    if (result() != QDialog::Accepted || list_->currentItem() == nullptr) return {};
    return list_->currentItem()->data(0, Qt::UserRole).toString();
}

}  // namespace zem::gui
