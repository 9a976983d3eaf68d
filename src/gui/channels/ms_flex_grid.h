#pragma once

#include "channels/cell_keys.h"

#include <QRect>
#include <QString>
#include <QTableView>

#include <functional>
#include <utility>
#include <vector>

namespace zem::gui {

// The channel table: a table view of 17 x 10 text cells (row 0 the column
// headers, column 0 the channel numbers, both fixed) with one current cell.
// It speaks in the terms the channel page is written in: TextMatrix, Row,
// Col, the current cell's rectangle, and five events.
//
// The fixed row and column are the view's own headers, drawn like the
// grid's cells, so that assistive technology reads a table with column and
// row headers; the model holds the 16 x 9 cells of rows and columns 1 on.
class CMSFlexGrid : public QTableView {
    Q_OBJECT

public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);

    // The first channel's receive frequency is current from the start, so
    // typing and Enter reach the table before any click.
    void setModel(QAbstractItemModel* model) override;
    // Never shorter than all its rows, so every channel stays in view
    // whatever height the font gives them.
    QSize minimumSizeHint() const override;

    // The text of the top-left fixed cell, over the channel numbers.
    void SetCornerText(const QString& text);

    // Any cell, fixed ones included; reading moves nothing and raises no
    // event.
    QString TextMatrix(int row, int col) const;

    // The current cell's text.
    QString Text() const { return TextMatrix(Row(), Col()); }

    // The current cell; 0 when there is none.
    int Row() const;
    int Col() const;
    // Moving the current cell commits an open editor (LeaveCell) and then
    // raises EnterCell for the new cell. A fixed cell never becomes current.
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrentCell(int row, int col);

    // The model index of a non-fixed cell; invalid for a fixed one.
    QModelIndex CellIndex(int row, int col) const;
    // A cell's rectangle in pixels of the grid's viewport.
    QRect CellRect(int row, int col) const { return visualRect(CellIndex(row, col)); }
    // The current cell's rectangle.
    QRect CellRect() const { return visualRect(currentIndex()); }

    // The selected cells as (row, col), row by row; the current cell is
    // selected unless the user extended or changed the selection.
    std::vector<std::pair<int, int>> SelectedCells() const;
    // Selects the cells top..bottom, left..right.
    void SelectCells(int top, int left, int bottom, int right);

    // Where the arrow keys, Home and End move the current cell from (row,
    // col): the table's rules, which the page sets. Shift still extends the
    // selection to the cell moved to.
    using MoveRule = std::function<std::pair<int, int>(int row, int col, zem::CellKey key)>;
    void SetMoveRule(MoveRule rule) { moveRule_ = std::move(rule); }

    // The editor open over the current cell, or nullptr.
    QWidget* OpenEditor() const;
    // Opens the current cell's editor (no-op without a current cell).
    bool OpenCellEditor();
    // Closes the open editor; its value goes into the cell only when commit
    // is true.
    void CloseOpenEditor(bool commit);

signals:
    void DblClick();
    void EnterCell();
    void LeaveCell();
    // A printable character typed while the grid itself has the focus.
    void KeyPress(QChar key);
    // Enter pressed while the grid itself has the focus.
    void EnterKey();
    // A press of a mouse button on a cell, without Shift or Ctrl.
    void MouseDown(Qt::MouseButton button);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    QString cornerText_;
    bool movingByProgram_ = false;
    MoveRule moveRule_;
};

}  // namespace zem::gui
