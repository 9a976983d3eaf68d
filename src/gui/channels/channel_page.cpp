#include "channels/channel_page.h"

#include "channels/band.h"
#include "channels/cell_delegates.h"
#include "channels/channel_codec.h"
#include "channels/channel_commit.h"
#include "channels/channel_grid_model.h"
#include "channels/ms_flex_grid.h"
#include "channels/tone_table.h"
#include "common/core_text.h"
#include "messenger.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace zem::gui {

namespace {

QStringList ToQStringList(const std::vector<std::string>& entries) {
    QStringList list;
    list.reserve(static_cast<int>(entries.size()));
    for (const auto& entry : entries) list << QString::fromStdString(entry);
    return list;
}

QString HeaderText(int col) { return CoreText(zem::kTextChannelTable, zem::kColumnHeaders[col]); }

// Column widths as multiples of the transmit column's width.
constexpr double kWidthFactors[zem::kGridCols] = {0.6, 1.25, 1.25, 1.4, 1.4, 0.8, 0.8, 1.0, 1.0, 0.8};
constexpr int kBaseColumnWidth = 88;

// The undo step of a cell's edit: "Receive of channel 5".
QString CellStep(int row, int col) {
    return CChannelPage::tr("%1 of channel %2").arg(HeaderText(col)).arg(row);
}

}  // namespace

CChannelPage::CChannelPage(zem::RadioImage& image, zem::Messenger& messenger, QWidget* parent)
    : RadioPage(parent), image_(image), messenger_(messenger) {
    setObjectName(QStringLiteral("channelPage"));

    auto* typeGroup = new QGroupBox(tr("Type Setting"), this);
    typeCombo_ = new QComboBox(typeGroup);
    typeCombo_->setObjectName(QStringLiteral("typeCombo"));
    typeCombo_->addItems(CoreTexts(zem::kTextChannelTable, zem::TypeEntries()));
    bandCombo_ = new QComboBox(typeGroup);
    bandCombo_->setObjectName(QStringLiteral("bandCombo"));
    bandCombo_->addItems(CoreTexts(zem::kTextChannelTable, zem::BandEntries()));
    defaultButton_ = makeDefaultButton(typeGroup);

    auto* typeRow = new QHBoxLayout(typeGroup);
    auto* typeLabel = new QLabel(tr("Type"), typeGroup);
    typeLabel->setBuddy(typeCombo_);
    auto* bandLabel = new QLabel(tr("Field"), typeGroup);
    bandLabel->setBuddy(bandCombo_);
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(typeCombo_);
    typeRow->addSpacing(16);
    typeRow->addWidget(bandLabel);
    typeRow->addWidget(bandCombo_);
    typeRow->addSpacing(24);
    typeRow->addWidget(defaultButton_);
    typeRow->addStretch();

    grid_ = new CMSFlexGrid(this);
    grid_->setObjectName(QStringLiteral("channelGrid"));
    QFont gridFont(QStringLiteral("宋体"));
    gridFont.setPointSizeF(10.2);
    gridFont.setBold(true);
    grid_->setFont(gridFont);
    model_ = new ChannelGridModel(values_, messenger_, this);
    grid_->setModel(model_);

    frequencyDelegate_ = new FrequencyDelegate(this);
    const QStringList tones = ToQStringList(zem::ToneTable());
    toneDelegate_ = new ComboDelegate(tones, tones, true, this);
    for (int i = 0; i < 5; ++i) {
        const std::vector<std::string>& entries = zem::ChoiceEntries(zem::kColScan + i);
        choiceDelegates_[i] =
            new ComboDelegate(ToQStringList(entries), CoreTexts(zem::kTextChannelTable, entries), false, this);
    }
    for (int col = zem::kColReceive; col <= zem::kColPtt; ++col)
        grid_->setItemDelegateForColumn(grid_->CellIndex(1, col).column(), delegateFor(col));
    for (CellDelegate* delegate : {frequencyDelegate_, toneDelegate_})
        connect(delegate, &CellDelegate::keyPressed, this, &CChannelPage::onEditorKey);
    for (CellDelegate* delegate : choiceDelegates_)
        connect(delegate, &CellDelegate::keyPressed, this, &CChannelPage::onEditorKey);

    // Row 0 and column 0 are the grid's fixed title row and channel numbers.
    grid_->SetCornerText(HeaderText(zem::kColChannel));
    // A column is at least as wide as its title in the window's language.
    const QFontMetrics titleMetrics(gridFont);
    grid_->verticalHeader()->setFixedWidth(
        std::max(static_cast<int>(kBaseColumnWidth * kWidthFactors[zem::kColChannel]),
                 titleMetrics.horizontalAdvance(HeaderText(zem::kColChannel)) + 8));
    for (int col = zem::kColReceive; col < zem::kGridCols; ++col)
        grid_->setColumnWidth(grid_->CellIndex(1, col).column(),
                              std::max(static_cast<int>(kBaseColumnWidth * kWidthFactors[col]),
                                       titleMetrics.horizontalAdvance(HeaderText(col)) + 8));
    const int rowHeight = static_cast<int>(QFontMetrics(gridFont).height() * 1.1) + 6;
    grid_->horizontalHeader()->setFixedHeight(rowHeight);
    grid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->setAccessibleName(tr("Channel Setting"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeGroup);
    layout->addWidget(grid_, 1);

    setTabOrder(typeCombo_, bandCombo_);
    setTabOrder(bandCombo_, grid_);
    setTabOrder(grid_, defaultButton_);

    connect(typeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) { values_.typeIndex = index; });
    connect(bandCombo_, &QComboBox::currentIndexChanged, this, [this](int index) { values_.bandIndex = index; });
    // Each edit is one undo step: a committed cell, a type or band picked.
    connect(model_, &ChannelGridModel::cellCommitted, this, [this](int row, int col) { emit edited(CellStep(row, col)); });
    for (QComboBox* combo : {typeCombo_, bandCombo_})
        connect(combo, &QComboBox::activated, this, [this] { emit edited(QString()); });
    // The grid's keys and presses go to the table's rules.
    using zem::CellKey;
    using zem::KeyPlace;
    connect(grid_, &CMSFlexGrid::MouseDown, this, [this](Qt::MouseButton button) {
        pressCellKey(KeyPlace::Grid, button == Qt::RightButton ? CellKey::RightPress : CellKey::Press);
    });
    connect(grid_, &CMSFlexGrid::DblClick, this, [this] { pressCellKey(KeyPlace::Grid, CellKey::DoubleClick); });
    connect(grid_, &CMSFlexGrid::KeyPress, this, [this](QChar key) { pressCellKey(KeyPlace::Grid, CellKey::Typed, key); });
    connect(grid_, &CMSFlexGrid::EnterKey, this, [this] { pressCellKey(KeyPlace::Grid, CellKey::Enter); });
    grid_->SetMoveRule([this](int row, int col, CellKey key) {
        const zem::CellAction action = zem::CellKeyAction(values_, KeyPlace::Grid, row, col, key);
        return std::pair{action.row, action.col};
    });
    auto* editKey = new QShortcut(QKeySequence(Qt::Key_F2), grid_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(editKey, &QShortcut::activated, this, [this] { pressCellKey(KeyPlace::Grid, CellKey::F2); });

    grid_->setWhatsThis(tr(
        "The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz "
        "(for example 145.5), tones and choices from the lists. Enter moves on to the next cell."));
    typeCombo_->setWhatsThis(tr("The radio type."));
    bandCombo_->setWhatsThis(tr("The frequency band of the radio; frequencies outside it are refused."));
    defaultButton_->setWhatsThis(tr("Fills the channel table with demonstration channels of the band."));

    FillFromImage();
}

CChannelPage::~CChannelPage() = default;

void CChannelPage::FillFromImage() {
    hideEditors();
    zem::FillFromImage(image_, values_);
    const int type = values_.typeIndex;
    const int band = values_.bandIndex;
    typeCombo_->setCurrentIndex(type);
    bandCombo_->setCurrentIndex(band);
    values_.typeIndex = type;
    values_.bandIndex = band;
    model_->reload();
}

void CChannelPage::StoreToImage() {
    commitOpenEditor();
    storeCommitted();
}

void CChannelPage::storeCommitted() { zem::StoreToImage(values_, image_); }

void CChannelPage::storeQuietly(zem::RadioImage& image) const { zem::StoreToImage(values_, image); }

QString CChannelPage::title() const { return tr("Channel Setting"); }

QString CChannelPage::helpTopic() const { return QStringLiteral("channel_table.html"); }

QString CChannelPage::stepName(const zem::RadioImage& before, const zem::RadioImage& after) const {
    zem::ChannelPageValues a;
    zem::ChannelPageValues b;
    zem::FillFromImage(before, a);
    zem::FillFromImage(after, b);
    if (a.typeIndex != b.typeIndex) return tr("Type");
    if (a.bandIndex != b.bandIndex) return tr("Band");
    for (int row = 1; row <= zem::kChannelCount; ++row)
        for (int col = zem::kColReceive; col < zem::kGridCols; ++col)
            if (a.cells.text(row, col) != b.cells.text(row, col)) return CellStep(row, col);
    return {};
}

const char* CChannelPage::areaHint(const QWidget& widget) const { return &widget == grid_ ? kHintGrid : nullptr; }

void CChannelPage::selectFirstEntries() {
    typeCombo_->setCurrentIndex(0);
    bandCombo_->setCurrentIndex(0);
}

void CChannelPage::commitOpenEditor() { grid_->CloseOpenEditor(true); }

void CChannelPage::hideEditors() { grid_->CloseOpenEditor(false); }

bool CChannelPage::ownsOpenEditor(const QObject* object) const {
    const QWidget* editor = grid_->OpenEditor();
    for (; editor && object; object = object->parent())
        if (object == editor) return true;
    return false;
}

void CChannelPage::setCurrentCell(int row, int col) {
    grid_->SetCurrentCell(row, col);
    grid_->setFocus();
}

CellDelegate* CChannelPage::delegateFor(int col) const {
    switch (col) {
    case zem::kColDecode:
    case zem::kColEncode:
        return toneDelegate_;
    case zem::kColScan:
    case zem::kColPower:
    case zem::kColBandwidth:
    case zem::kColBusy:
    case zem::kColPtt:
        return choiceDelegates_[col - zem::kColScan];
    default:
        return frequencyDelegate_;
    }
}

bool CChannelPage::pressCellKey(zem::KeyPlace place, zem::CellKey key, const QString& typed) {
    const int row = grid_->Row();
    const int col = grid_->Col();
    QWidget* editor = grid_->OpenEditor();
    if (place == zem::KeyPlace::Editor && (!editor || row < 1 || col < 1)) return true;
    const QString text = place == zem::KeyPlace::Editor ? delegateFor(col)->editorText(editor) : typed;
    const zem::CellAction action = zem::CellKeyAction(values_, place, row, col, key, text.toStdString());
    if (action.native) return false;
    if (!action.notice.empty()) messenger_.notice(tr(action.notice.c_str()).toStdString());
    if (action.commit && editor) model_->commit(row, col, text, action.onEnter);
    if (action.close) {
        grid_->CloseOpenEditor(false);
        grid_->setFocus();
    }
    if (action.emptySelection) deleteSelection();
    if (action.row > 0 && (action.row != row || action.col != col)) grid_->SetCurrentCell(action.row, action.col);
    if (action.focusNext) focusNextChild();
    if (action.open != zem::CellEditor::None) openEditor(action);
    return true;
}

void CChannelPage::openEditor(const zem::CellAction& action) {
    if (!grid_->OpenCellEditor()) return;
    QWidget* editor = grid_->OpenEditor();
    if (!editor) return;
    delegateFor(action.col)->show(editor, action);
    editor->setFocus();
}

void CChannelPage::onEditorKey(QWidget* editor, zem::CellKey key) {
    if (editor == grid_->OpenEditor()) pressCellKey(zem::KeyPlace::Editor, key);
}

std::vector<zem::ChannelCell> CChannelPage::selectedCells() const {
    std::vector<zem::ChannelCell> cells;
    for (const auto& [row, col] : grid_->SelectedCells()) cells.push_back({row, col});
    // Without a selection the current cell is what the commands act on.
    if (cells.empty() && grid_->Row() > 0) cells.push_back({grid_->Row(), grid_->Col()});
    return cells;
}

QString CChannelPage::copySelection() {
    commitOpenEditor();
    return QString::fromStdString(zem::CopyCells(values_.cells, selectedCells()));
}

QString CChannelPage::cutSelection() {
    const QString text = copySelection();
    emptySelection(tr("Cut"));
    return text;
}

void CChannelPage::deleteSelection() { emptySelection(tr("Delete")); }

void CChannelPage::emptySelection(const QString& what) {
    const std::vector<zem::ChannelCell> cells = selectedCells();
    changeCells(what, [&cells](zem::ChannelTable& table) { zem::DeleteCells(table, cells); });
}

void CChannelPage::pasteText(const QString& text) {
    commitOpenEditor();
    pasteInto(selectedCells(), text);
}

void CChannelPage::pasteIntoEditor(const QString& text) {
    QWidget* editor = grid_->OpenEditor();
    const int row = grid_->Row();
    const int col = grid_->Col();
    if (!editor || row < 1 || col < 1) {
        pasteText(text);
        return;
    }
    const std::string raw = text.toStdString();
    const std::optional<std::string> value = zem::SingleValue(raw);
    if (!value) {
        // Several values: the spreadsheet's way, from this cell on; what
        // the editor held is dropped. Nothing at all changes nothing.
        if (!zem::ParseTabText(raw).empty()) {
            hideEditors();
            grid_->setFocus();
            pasteInto({{row, col}}, text);
        }
        return;
    }
    const zem::EditorPaste paste = zem::PasteIntoEditor(row, col, *value);
    if (!paste.refusal.empty()) {
        messenger_.notice(paste.refusal);
        return;
    }
    delegateFor(col)->pasteInto(editor, QString::fromStdString(paste.text));
}

void CChannelPage::pasteInto(const std::vector<zem::ChannelCell>& cells, const QString& text) {
    zem::CellBlock block;
    changeCells(tr("Paste"), [&](zem::ChannelTable& table) {
        block = zem::PasteCells(table, cells, text.toStdString(), values_.bandIndex, messenger_);
    });
    if (block.empty()) return;
    grid_->SetCurrentCell(block.top, block.left);
    grid_->SelectCells(block.top, block.left, block.bottom, block.right);
}

void CChannelPage::changeCells(const QString& what, const std::function<void(zem::ChannelTable&)>& change) {
    commitOpenEditor();
    const zem::ChannelTable before = values_.cells;
    change(values_.cells);
    // Refused values only, or cells already empty: nothing was edited.
    if (values_.cells == before) return;
    model_->reload();
    emit edited(what);
}

void CChannelPage::applyDefaults() {
    // A value still in an editor is dropped: the defaults replace the table.
    hideEditors();
    zem::ApplyChannelDefaults(image_, values_.typeIndex, values_.bandIndex, messenger_);
    FillFromImage();
}

void CChannelPage::hideEvent(QHideEvent* event) {
    // Leaving the page drops a value not yet committed; minimising the
    // window does not.
    if (!event->spontaneous()) hideEditors();
    QWidget::hideEvent(event);
}

void CChannelPage::keyPressEvent(QKeyEvent* event) {
    // Enter on the combos or the button goes to the table's rules: it moves
    // on as Tab does and does not press the button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        pressCellKey(zem::KeyPlace::Control, zem::CellKey::Enter)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zem::gui
