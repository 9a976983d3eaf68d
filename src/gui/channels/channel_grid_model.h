#pragma once

#include "channels/channel_table.h"

#include <QAbstractTableModel>

namespace zem {
class Messenger;
}

namespace zem::gui {

// The grid's texts are the page's ChannelTable; an edit reaches them only
// through the commit rules, which may change other cells of the row.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // bandIndex reads the band selection the frequency checks use.
    ChannelGridModel(zem::ChannelPageValues& values, zem::Messenger& messenger, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The edit role commits text by the rules of its column, as leaving the
    // cell does; other roles and the fixed cells are refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Commits an editor's text into (row, col); onEnter tells a choice that
    // Enter closed the editor.
    void commit(int row, int col, const QString& text, bool onEnter);

    // Writes one cell as it is, without the rules (the fixed cells).
    void setCellText(int row, int col, const QString& text);

    // The texts changed wholesale (a fill).
    void reload();

signals:
    // A value was committed into (row, col) by the commit rules, whether or
    // not it changed anything.
    void cellCommitted(int row, int col);

private:
    zem::ChannelPageValues& values_;
    zem::Messenger& messenger_;
};

}  // namespace zem::gui
