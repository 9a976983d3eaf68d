#include "channels/ms_flex_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <set>

namespace zem::gui {

namespace {

// Draws a fixed cell the way the table draws its own cells: the button
// colour behind left-aligned text, and the grid's lines on the right and
// at the bottom.
void PaintFixedCell(const QTableView& table, QPainter* painter, const QRect& rect, const QString& text) {
    QStyleOptionViewItem option;
    option.initFrom(&table);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = rect.adjusted(0, 0, -1, -1);
    option.font = table.font();
    option.fontMetrics = QFontMetrics(option.font);
    option.text = text;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = table.textElideMode();
    option.backgroundBrush = option.palette.brush(QPalette::Button);
    option.palette.setBrush(QPalette::Text, option.palette.brush(QPalette::ButtonText));
    option.widget = &table;
    painter->save();
    table.style()->drawControl(QStyle::CE_ItemViewItem, &option, painter, &table);
    const int gridHint = table.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &table);
    painter->setPen(QColor::fromRgba(static_cast<QRgb>(gridHint)));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

// Beyond the last section of a header the table's own background shows,
// as it does below and right of the cells.
class PlainEmptyAreaStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_HeaderEmptyArea) {
            painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A header whose sections look like the grid's fixed cells.
class FixedCellHeader : public QHeaderView {
public:
    FixedCellHeader(Qt::Orientation orientation, QTableView* table) : QHeaderView(orientation, table), table_(table) {
        setSectionResizeMode(QHeaderView::Fixed);
        setHighlightSections(false);
        auto* style = new PlainEmptyAreaStyle;
        style->setParent(this);
        setStyle(style);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid() || !model()) return;
        PaintFixedCell(*table_, painter, rect, model()->headerData(logicalIndex, orientation()).toString());
    }

private:
    QTableView* table_;
};

}  // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent) {
    // The column titles and the channel numbers are the view's headers,
    // which keep the grid's fixed-cell look. A click on a channel number
    // selects the channel; the titles are not buttons.
    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(true);
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, [this] { setFocus(); });
    // The current cell is highlighted, so the user sees where typing goes;
    // Shift with the arrow keys or a click extends a selection from it.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Editors open on the page's say (a press, a typed character, Enter),
    // never on the view's own triggers.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) corner->installEventFilter(this);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
}

QSize CMSFlexGrid::minimumSizeHint() const {
    const QSize hint = QTableView::minimumSizeHint();
    int height = 2 * frameWidth();
    if (!horizontalHeader()->isHidden())
        height += std::max(horizontalHeader()->sizeHint().height(), horizontalHeader()->minimumHeight());
    // Nor narrower than all its columns: a horizontal scroll bar would hide
    // the last channel; the window's page area scrolls instead.
    int width = 2 * frameWidth();
    if (!verticalHeader()->isHidden()) width += verticalHeader()->width();
    if (model()) {
        for (int row = 0; row < model()->rowCount(); ++row) height += rowHeight(row);
        for (int col = 0; col < model()->columnCount(); ++col) width += columnWidth(col);
    }
    return {std::max(hint.width(), width), std::max(hint.height(), height)};
}

void CMSFlexGrid::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model && model->rowCount() > 0 && model->columnCount() > 0) setCurrentIndex(model->index(0, 0));
}

void CMSFlexGrid::SetCornerText(const QString& text) {
    cornerText_ = text;
    if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        corner->setAccessibleName(text);
        corner->update();
    }
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton*>(watched) &&
        watched->parent() == this) {
        auto* corner = static_cast<QWidget*>(watched);
        QPainter painter(corner);
        PaintFixedCell(*this, &painter, corner->rect(), cornerText_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

QModelIndex CMSFlexGrid::CellIndex(int row, int col) const {
    if (!model() || row < 1 || col < 1) return {};
    return model()->index(row - 1, col - 1);
}

QString CMSFlexGrid::TextMatrix(int row, int col) const {
    if (!model()) return {};
    if (row == 0 && col == 0) return cornerText_;
    if (row == 0) return model()->headerData(col - 1, Qt::Horizontal).toString();
    if (col == 0) return model()->headerData(row - 1, Qt::Vertical).toString();
    return CellIndex(row, col).data(Qt::DisplayRole).toString();
}

int CMSFlexGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }
int CMSFlexGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() + 1 : 0; }

void CMSFlexGrid::SetRow(int row) { SetCurrentCell(row, Col()); }
void CMSFlexGrid::SetCol(int col) { SetCurrentCell(Row(), col); }

void CMSFlexGrid::SetCurrentCell(int row, int col) {
    const QModelIndex index = CellIndex(row, col);
    if (!index.isValid()) return;
    movingByProgram_ = true;
    setCurrentIndex(index);
    movingByProgram_ = false;
}

QItemSelectionModel::SelectionFlags CMSFlexGrid::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    // A move the program makes (Enter, Edit Channel, a paste) selects the new
    // cell alone, whichever keys happen to be held.
    if (movingByProgram_) return QItemSelectionModel::ClearAndSelect;
    return QTableView::selectionCommand(index, event);
}

std::vector<std::pair<int, int>> CMSFlexGrid::SelectedCells() const {
    std::set<std::pair<int, int>> cells;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes())
            cells.insert({index.row() + 1, index.column() + 1});
    }
    return {cells.begin(), cells.end()};
}

void CMSFlexGrid::SelectCells(int top, int left, int bottom, int right) {
    const QModelIndex first = CellIndex(top, left);
    const QModelIndex last = CellIndex(bottom, right);
    if (!first.isValid() || !last.isValid() || !selectionModel()) return;
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

QWidget* CMSFlexGrid::OpenEditor() const {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return nullptr;
    return indexWidget(index);
}

bool CMSFlexGrid::OpenCellEditor() {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return false;
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

QModelIndex CMSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    static const std::pair<CursorAction, zem::CellKey> kKeys[] = {
        {MoveUp, zem::CellKey::Up},       {MoveDown, zem::CellKey::Down}, {MoveLeft, zem::CellKey::Left},
        {MoveRight, zem::CellKey::Right}, {MoveHome, zem::CellKey::Home}, {MoveEnd, zem::CellKey::End},
    };
    if (moveRule_ && !(modifiers & Qt::ControlModifier) && currentIndex().isValid()) {
        for (const auto& [cursor, key] : kKeys) {
            if (cursor != action) continue;
            const auto [row, col] = moveRule_(Row(), Col(), key);
            return CellIndex(row, col);
        }
    }
    return QTableView::moveCursor(action, modifiers);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterKey();
        event->accept();
        return;
    }
    // The clipboard is the window's Copy command's alone.
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
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
    // Shift and Ctrl clicks extend or change the selection; they open nothing.
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index != currentIndex()) return;
    // A press inside a selection would leave it standing until the release;
    // the cell whose editor opens now is the one selected.
    if (event->button() != Qt::RightButton && selectionModel())
        selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    emit MouseDown(event->button());
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index == currentIndex() && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        emit DblClick();
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

}  // namespace zem::gui
