#include "channels/channel_grid_model.h"

#include "channels/channel_commit.h"
#include "messenger.h"

#include <QBrush>
#include <QFont>
#include <QPalette>

namespace zem::gui {

ChannelGridModel::ChannelGridModel(zem::ChannelPageValues& values, zem::Messenger& messenger, QObject* parent)
    : QAbstractTableModel(parent), values_(values), messenger_(messenger) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : zem::kGridRows; }

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zem::kGridCols;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool fixed = index.row() == 0 || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(values_.cells.text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (fixed) return QBrush(QPalette().color(QPalette::Button));
        return {};
    case Qt::ForegroundRole:
        // The fixed cells cannot become current, yet must not look greyed.
        return QBrush(QPalette().color(fixed ? QPalette::ButtonText : QPalette::Text));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() == 0 || index.column() == 0) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::DisplayRole && index.isValid()) {
        setCellText(index.row(), index.column(), value.toString());
        return true;
    }
    if (role != Qt::EditRole || !index.isValid() || index.row() == 0 || index.column() == 0) return false;
    commit(index.row(), index.column(), value.toString(), false);
    return true;
}

void ChannelGridModel::commit(int row, int col, const QString& text, bool onEnter) {
    if (row < 1 || row >= zem::kGridRows || col < 1 || col >= zem::kGridCols) return;
    const std::string value = text.toStdString();
    auto& table = values_.cells;
    if (col == zem::kColReceive || col == zem::kColTransmit)
        zem::CommitFrequency(table, row, col, value, values_.bandIndex, messenger_);
    else if (col == zem::kColDecode || col == zem::kColEncode)
        zem::CommitTone(table, row, col, value);
    else
        zem::CommitChoice(table, row, col, value, onEnter);
    // A commit may rewrite the whole row (new-channel defaults, a cleared tone).
    emit dataChanged(index(row, 1), index(row, zem::kGridCols - 1));
    emit cellCommitted(row, col);
}

void ChannelGridModel::setCellText(int row, int col, const QString& text) {
    if (row < 0 || row >= zem::kGridRows || col < 0 || col >= zem::kGridCols) return;
    values_.cells.setText(row, col, text.toStdString());
    emit dataChanged(index(row, col), index(row, col));
}

void ChannelGridModel::reload() {
    // Not a model reset: that would lose the grid's current cell.
    emit dataChanged(index(0, 0), index(zem::kGridRows - 1, zem::kGridCols - 1));
}

}  // namespace zem::gui
