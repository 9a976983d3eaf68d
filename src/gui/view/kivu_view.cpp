#include "view/kivu_view.h"

#include "doc/kivu_doc.h"
#include "common/qt_messenger.h"
#include "channels/channel_codec.h"
#include "channels/channel_grid_model.h"
#include "channels/channel_page.h"
#include "channels/ms_flex_grid.h"
#include "pages/key_page.h"
#include "pages/key_values.h"
#include "pages/option_page.h"
#include "pages/option_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLineEdit>
#include <QShortcut>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <initializer_list>

namespace zem::gui {

const char* const CKivuView::kHintCombo = QT_TRANSLATE_NOOP("zem::gui::CKivuView", "Please click the CommBox to choose value");
const char* const CKivuView::kHintGrid = QT_TRANSLATE_NOOP("zem::gui::CKivuView", "Please Click the cell to edit or input data");
const char* const CKivuView::kHintHelp = QT_TRANSLATE_NOOP("zem::gui::CKivuView", "For help，please press F1");

CKivuView::CKivuView(CKivuDoc& doc, zem::Messenger& messenger, QWidget* parent)
    : QWidget(parent), doc_(doc), messenger_(messenger) {
    setObjectName(QStringLiteral("kivuView"));
    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName(QStringLiteral("pageTabs"));
    tabBar_->addTab(tr("Channel Setting"));
    tabBar_->addTab(tr("Optional features"));
    tabBar_->addTab(tr("Key assignment"));
    tabBar_->setDrawBase(false);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    stack_ = new QStackedWidget(frame);
    channelPage_ = new CChannelPage(doc_.image(), messenger_, stack_);
    optionPage_ = new COptionPage(doc_.image(), messenger_, stack_);
    keyPage_ = new CKeyPage(doc_.image(), stack_);
    stack_->addWidget(channelPage_);
    stack_->addWidget(optionPage_);
    stack_->addWidget(keyPage_);

    // On a small screen or at a large scale the pages scroll rather than
    // being squeezed or cut off by the screen's edge; the pages never get
    // smaller than they need (taller rows make the channel table taller).
    stack_->layout()->setSizeConstraint(QLayout::SetMinimumSize);
    auto* scroller = new QScrollArea(frame);
    scroller->setObjectName(QStringLiteral("pageScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(stack_);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(8, 8, 8, 8);
    frameLayout->addWidget(scroller);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabBar_);
    layout->addWidget(frame, 1);

    connect(tabBar_, &QTabBar::currentChanged, this, &CKivuView::onTabBarChanged);
    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages from anywhere in
    // the window, as in every tabbed window.
    const auto stepTab = [this](int step) { selectTab((currentTab_ + step + 3) % 3); };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [stepTab] { stepTab(1); });
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [stepTab] { stepTab(-1); });
    tabBar_->setWhatsThis(tr(
        "The three pages of the program: the channel table, the optional features and the key assignment."));
    watchForHints(this);
    recordEdits();
}

CKivuView::~CKivuView() { doc_.attachView(nullptr); }

void CKivuView::recordEdits() {
    // Each edit the user makes becomes one undo step of the document; a
    // control touched without a change records nothing.
    auto* model = qobject_cast<ChannelGridModel*>(channelPage_->grid().model());
    connect(model, &ChannelGridModel::cellCommitted, this, [this](int row, int col) {
        doc_.recordChange(
            tr("%1 of channel %2").arg(QLatin1String(zem::kColumnHeaders[col])).arg(row));
    });
    // A paste, cut or delete of cells is one step, however many cells it typed.
    connect(channelPage_, &CChannelPage::cellsEdited, this, [this](const QString& what) { doc_.recordChange(what); });
    for (QComboBox* combo : {&channelPage_->typeCombo(), &channelPage_->bandCombo()})
        connect(combo, &QComboBox::activated, this, [this] { doc_.recordChange(); });
    for (QWidget* page : std::initializer_list<QWidget*>{channelPage_, optionPage_, keyPage_}) {
        // The pages' own handlers are connected first: the step is recorded
        // after the defaults are in place.
        for (auto* button : page->findChildren<QPushButton*>(QStringLiteral("defaultSetting")))
            connect(button, &QPushButton::clicked, this,
                    [this] { doc_.recordChange(tr("Default Setting")); });
        if (page == channelPage_) continue;
        for (auto* combo : page->findChildren<QComboBox*>())
            connect(combo, &QComboBox::activated, this, [this] { doc_.recordChange(); });
        for (auto* check : page->findChildren<QCheckBox*>())
            connect(check, &QCheckBox::clicked, this, [this] { doc_.recordChange(); });
        for (auto* edit : page->findChildren<QLineEdit*>())
            connect(edit, &QLineEdit::editingFinished, this, [this] { doc_.recordChange(); });
    }
}

void CKivuView::selectTab(int tab) {
    if (tab < 0 || tab > kKeyTab) return;
    tabBar_->setCurrentIndex(tab);
}

void CKivuView::onTabBarChanged(int index) {
    if (switching_ || index == currentTab_ || index < 0) return;
    // Store the page being left (an open grid editor first, so a typed value
    // is not lost), then fill and show the page chosen.
    storePage(currentTab_);
    currentTab_ = index;
    fillPage(index);
    showPage(index);
}

void CKivuView::storePage(int tab) {
    switch (tab) {
    case kChannelTab:
        channelPage_->commitOpenEditor();
        channelPage_->StoreToImage();
        break;
    case kOptionTab:
        optionPage_->StoreToImage();
        break;
    case kKeyTab:
        keyPage_->StoreToImage();
        break;
    default:
        break;
    }
}

void CKivuView::fillPage(int tab) {
    switch (tab) {
    case kChannelTab:
        channelPage_->FillFromImage();
        break;
    case kOptionTab:
        optionPage_->FillFromImage();
        break;
    case kKeyTab:
        keyPage_->FillFromImage();
        break;
    default:
        break;
    }
}

void CKivuView::showPage(int tab) {
    switching_ = true;
    currentTab_ = tab;
    tabBar_->setCurrentIndex(tab);
    stack_->setCurrentIndex(tab);
    switching_ = false;
}

void CKivuView::returnToChannelTab() {
    if (currentTab_ != kChannelTab) storePage(currentTab_);
    showPage(kChannelTab);
}

void CKivuView::storeAllPages() {
    channelPage_->commitOpenEditor();
    channelPage_->StoreToImage();
    optionPage_->StoreToImage();
    keyPage_->StoreToImage();
}

void CKivuView::fillAllPages() {
    channelPage_->FillFromImage();
    optionPage_->FillFromImage();
    keyPage_->FillFromImage();
}

zem::RadioImage CKivuView::storedImage() const {
    zem::RadioImage image = doc_.image();
    SilentMessenger silent;
    zem::StoreToImage(channelPage_->values(), image);
    zem::StoreToImage(optionPage_->values(), image, silent);
    zem::StoreToImage(keyPage_->values(), image);
    return image;
}

void CKivuView::initialUpdate() {
    fillAllPages();
    showPage(kChannelTab);
    // The channel table's first cell, not the Type list, where one stray
    // arrow key would change the radio type unseen.
    channelPage_->setCurrentCell(1, 1);
}

void CKivuView::watchForHints(QWidget* root) {
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>()) child->installEventFilter(this);
}

QLineEdit* CKivuView::TypingField(QObject* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->isEditable() ? combo->lineEdit() : nullptr;
    return nullptr;
}

bool CKivuView::IsUndoKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo);
}

bool CKivuView::IsRedoKey(const QKeyEvent& key) {
    const QKeyCombination combination = key.keyCombination();
    return key.matches(QKeySequence::Redo) || combination == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
           combination == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

bool CKivuView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // Undo and redo keys in a text field or an open cell editor belong to
        // it, also when it has nothing left to undo: the document's history
        // behind it is the Edit menu's and the toolbar's, or the keys' when
        // no editor has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = IsUndoKey(*key);
        if (undo || IsRedoKey(*key)) {
            QLineEdit* field = TypingField(watched);
            if (field && field->isReadOnly()) field = nullptr;
            if (field || channelPage_->ownsOpenEditor(watched)) {
                if (event->type() == QEvent::KeyPress && field) undo ? field->undo() : field->redo();
                event->accept();
                return true;
            }
        }
    } else if (event->type() == QEvent::ChildPolished) {
        // The grid's cell editors are made when a cell opens: they get the
        // hints of their kind as well.
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) watchForHints(child);
    } else if (event->type() == QEvent::Enter) {
        emit statusHint(hintFor(qobject_cast<QWidget*>(watched)));
    } else if (event->type() == QEvent::Leave && watched != this) {
        // The pointer went back onto a parent (a group box, the page's
        // margin), which raises no Enter of its own; when it went onto
        // another control instead, that control's Enter follows and wins.
        if (auto* widget = qobject_cast<QWidget*>(watched)) emit statusHint(hintFor(widget->parentWidget()));
    }
    return QWidget::eventFilter(watched, event);
}

QString CKivuView::hintFor(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QComboBox*>(w)) return tr(kHintCombo);
        // The frequency edit box open over a cell is not the grid; the tone
        // combo's own field is the combo.
        if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
            return tr(kHintHelp);
        if (qobject_cast<CMSFlexGrid*>(w)) return tr(kHintGrid);
    }
    return tr(kHintHelp);
}

}  // namespace zem::gui
