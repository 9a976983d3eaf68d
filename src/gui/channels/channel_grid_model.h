#pragma once

#include "channels/channel_table.h"

#include <QAbstractTableModel>

namespace zem {
class Messenger;
}

namespace zem::gui {

// The grid's texts are the page's ChannelTable; an edit reaches them only
// through the commit rules, which may change other cells of the row.
// The model's rows are the 16 channels and its columns the nine settings;
// the column titles and the channel numbers are its headers, so that the
// table reads as a table to assistive technology too.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ChannelGridModel(zem::ChannelPageValues& values, zem::Messenger& messenger, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The edit role commits text by the rules of its column, as leaving the
    // cell does; other roles are refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The model index of channel row 1-16 and column kColReceive .. kColPtt;
    // invalid for any other cell.
    QModelIndex cellIndex(int row, int col) const;
    // The channel row and column of an index (0 when it is invalid).
    static int rowOf(const QModelIndex& index) { return index.isValid() ? index.row() + 1 : 0; }
    static int colOf(const QModelIndex& index) { return index.isValid() ? index.column() + 1 : 0; }

    // Commits an editor's text into (row, col); onEnter tells a choice that
    // Enter closed the editor.
    void commit(int row, int col, const QString& text, bool onEnter);

    // The texts changed wholesale (a fill, a paste).
    void reload();

signals:
    // A value was committed into (row, col) by the commit rules, whether or
    // not it changed anything.
    void cellCommitted(int row, int col);

private:
    QString shownText(const QModelIndex& index) const;

    zem::ChannelPageValues& values_;
    zem::Messenger& messenger_;
};

}  // namespace zem::gui
