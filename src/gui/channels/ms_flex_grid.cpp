#include "channels/ms_flex_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace zem::gui {

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent) {
    // Row 0 and column 0 are cells of the table itself, so the view's own
    // headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The current cell is highlighted, so the user sees where typing goes.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Editors open on the page's say (a press, a typed character, Enter),
    // never on the view's own triggers.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
}

QSize CMSFlexGrid::minimumSizeHint() const {
    const QSize hint = QTableView::minimumSizeHint();
    int height = 2 * frameWidth();
    if (model()) {
        for (int row = 0; row < model()->rowCount(); ++row) height += rowHeight(row);
    }
    return {hint.width(), std::max(hint.height(), height)};
}

void CMSFlexGrid::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model && model->rowCount() > 1 && model->columnCount() > 1) setCurrentIndex(model->index(1, 1));
}

QString CMSFlexGrid::TextMatrix(int row, int col) const {
    if (!model()) return {};
    return model()->index(row, col).data(Qt::DisplayRole).toString();
}

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (model()) model()->setData(model()->index(row, col), text, Qt::DisplayRole);
}

int CMSFlexGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() : 0; }
int CMSFlexGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }

void CMSFlexGrid::SetRow(int row) { SetCurrentCell(row, Col()); }
void CMSFlexGrid::SetCol(int col) { SetCurrentCell(Row(), col); }

void CMSFlexGrid::SetCurrentCell(int row, int col) {
    if (!model()) return;
    setCurrentIndex(model()->index(row, col));
}

QRect CMSFlexGrid::CellRect() const { return visualRect(currentIndex()); }

QWidget* CMSFlexGrid::OpenEditor() const {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return nullptr;
    return indexWidget(index);
}

bool CMSFlexGrid::OpenCellEditor() {
    const QModelIndex index = currentIndex();
    if (!index.isValid() || index.row() == 0 || index.column() == 0) return false;
    if (indexWidget(index)) return true;
    return edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

void CMSFlexGrid::CloseOpenEditor(bool commit) {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    if (commit) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The base class commits and closes the editor of the cell being left.
    if (previous.isValid()) emit LeaveCell();
    QTableView::currentChanged(current, previous);
    if (current.isValid()) emit EnterCell();
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterKey();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        emit KeyPress(text.at(0));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() != 0 && index.column() != 0 && index == currentIndex())
        emit MouseDown(event->button());
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() != 0 && index.column() != 0 && index == currentIndex()) {
        emit DblClick();
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

QModelIndex CMSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // The fixed row and column never become the current cell.
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && (next.row() == 0 || next.column() == 0)) return currentIndex();
    return next;
}

}  // namespace zem::gui
