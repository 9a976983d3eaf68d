#pragma once

#include <QRect>
#include <QString>
#include <QTableView>

namespace zem::gui {

// The channel table: a table view of 17 x 10 text cells (row 0 the column
// headers, column 0 the channel numbers, both fixed) with one current cell.
// It speaks in the terms the channel page is written in: TextMatrix, Row,
// Col, the current cell's rectangle, and five events.
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

    // Any cell, fixed ones included; reading or writing moves nothing and
    // raises no event.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    // The current cell's text.
    QString Text() const { return TextMatrix(Row(), Col()); }

    int Row() const;
    int Col() const;
    // Moving the current cell commits an open editor (LeaveCell) and then
    // raises EnterCell for the new cell.
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrentCell(int row, int col);

    // The current cell's rectangle in pixels of the grid's viewport.
    QRect CellRect() const;

    // The editor open over the current cell, or nullptr.
    QWidget* OpenEditor() const;
    // Opens the current cell's editor (no-op on a fixed cell).
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
    void MouseDown(Qt::MouseButton button);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace zem::gui
