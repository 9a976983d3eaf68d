#include "channels/channel_grid_model.h"

#include "channels/channel_commit.h"
#include "common/core_text.h"
#include "messenger.h"

#include <QBrush>
#include <QPalette>

namespace zem::gui {

ChannelGridModel::ChannelGridModel(zem::ChannelPageValues& values, zem::Messenger& messenger, QObject* parent)
    : QAbstractTableModel(parent), values_(values), messenger_(messenger) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : zem::kChannelCount; }

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zem::kColPtt;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::EditRole:
        return QString::fromStdString(values_.cells.text(rowOf(index), colOf(index)));
    case Qt::DisplayRole:
        return shownText(index);
    case Qt::AccessibleTextRole: {
        // A screen reader reads a row without its header: the row's first
        // cell names the channel, "channel 5, 161.12500".
        const QString text = shownText(index);
        if (colOf(index) != zem::kColReceive) return text;
        return tr("channel %1, %2").arg(rowOf(index)).arg(text);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return QBrush(QPalette().color(QPalette::Text));
    default:
        return {};
    }
}

QString ChannelGridModel::shownText(const QModelIndex& index) const {
    // A choice is shown in the window's language; the table keeps its own
    // entry, which the editors commit.
    const std::string& text = values_.cells.text(rowOf(index), colOf(index));
    return colOf(index) >= zem::kColScan ? CoreText(zem::kTextChannelTable, text) : QString::fromStdString(text);
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool across = orientation == Qt::Horizontal;
    if (section < 0 || section >= (across ? columnCount() : rowCount())) return {};
    switch (role) {
    case Qt::DisplayRole:
        // The titles and numbers are cells of the table's fixed row and column.
        return across ? CoreText(zem::kTextChannelTable, values_.cells.text(0, section + 1))
                      : QString::fromStdString(values_.cells.text(section + 1, 0));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    commit(rowOf(index), colOf(index), value.toString(), false);
    return true;
}

QModelIndex ChannelGridModel::cellIndex(int row, int col) const {
    if (row < 1 || row > zem::kChannelCount || col < zem::kColReceive || col > zem::kColPtt) return {};
    return index(row - 1, col - 1);
}

void ChannelGridModel::commit(int row, int col, const QString& text, bool onEnter) {
    if (!cellIndex(row, col).isValid()) return;
    const zem::Text refusal =
        zem::TypeCellValue(values_.cells, row, col, text.toStdString(), values_.bandIndex, {true, onEnter});
    if (!refusal.empty()) messenger_.notice(refusal);
    // A commit may rewrite the whole row (new-channel defaults, a cleared tone).
    emit dataChanged(cellIndex(row, zem::kColReceive), cellIndex(row, zem::kColPtt));
    emit cellCommitted(row, col);
}

void ChannelGridModel::reload() {
    // Not a model reset: that would lose the grid's current cell.
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace zem::gui
