#include "view/kivu_view.h"

#include "accessibility/announcement.h"
#include "channels/channel_page.h"
#include "pages/key_page.h"
#include "pages/option_page.h"

#include <QEvent>
#include <QFrame>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace zem::gui {

CKivuView::CKivuView(CKivuDoc& doc, zem::Messenger& messenger, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("kivuView"));
    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName(QStringLiteral("pageTabs"));
    tabBar_->setDrawBase(false);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    stack_ = new QStackedWidget(frame);
    // The pages, in the order of their tabs.
    pages_ = {
        new CChannelPage(doc_.image(), messenger, stack_),
        new COptionPage(doc_.image(), messenger, stack_),
        new CKeyPage(doc_.image(), stack_),
    };
    for (RadioPage* page : pages_) {
        tabBar_->addTab(page->title());
        stack_->addWidget(page);
        // Each edit the user makes becomes one undo step of the document.
        connect(page, &RadioPage::edited, this, [this](const QString& step) { doc_.recordChange(step); });
        connect(page, &RadioPage::statusHint, this, &CKivuView::statusHint);
    }

    // On a small screen or at a large scale the pages scroll rather than
    // being squeezed or cut off by the screen's edge; the pages never get
    // smaller than they need (taller rows make the channel table taller).
    stack_->layout()->setSizeConstraint(QLayout::SetMinimumSize);
    auto* scroller = new QScrollArea(frame);
    scroller->setObjectName(QStringLiteral("pageScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    // Not a stop of Tab of its own: it has no name and nothing to say, and
    // it brings every control it holds into sight as that gets the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
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
    // The keyboard stays where it was, so the new page's name is announced.
    const auto stepTab = [this](int step) {
        const int count = static_cast<int>(pages_.size());
        selectTab((currentTab_ + step + count) % count);
        Announce(this, tabBar_->tabText(currentTab_).remove(QLatin1Char('&')));
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [stepTab] { stepTab(1); });
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [stepTab] { stepTab(-1); });
    tabBar_->setWhatsThis(tr(
        "The three pages of the program: the channel table, the optional features and the key assignment."));
    // The pages give the hints for their controls; around them (the tabs,
    // the frame) it is the general one.
    QWidget* const chrome[] = {this, tabBar_, frame, scroller, scroller->viewport(), stack_};
    for (QWidget* widget : chrome) widget->installEventFilter(this);
}

CKivuView::~CKivuView() { doc_.attachView(nullptr); }

CChannelPage& CKivuView::channelPage() const { return page<CChannelPage>(); }

COptionPage& CKivuView::optionPage() const { return page<COptionPage>(); }

CKeyPage& CKivuView::keyPage() const { return page<CKeyPage>(); }

void CKivuView::selectTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(pages_.size())) return;
    tabBar_->setCurrentIndex(tab);
}

void CKivuView::onTabBarChanged(int index) {
    if (switching_ || index == currentTab_ || index < 0) return;
    // Store the page being left (an open grid editor first, so a typed value
    // is not lost), then fill and show the page chosen.
    currentPage().StoreToImage();
    currentTab_ = index;
    currentPage().FillFromImage();
    showPage(index);
}

void CKivuView::showPage(int tab) {
    switching_ = true;
    currentTab_ = tab;
    tabBar_->setCurrentIndex(tab);
    stack_->setCurrentIndex(tab);
    switching_ = false;
}

void CKivuView::returnToChannelTab() {
    if (currentTab_ != kChannelTab) currentPage().StoreToImage();
    showPage(kChannelTab);
}

void CKivuView::storeAllPages() {
    for (RadioPage* page : pages_) page->StoreToImage();
}

void CKivuView::fillAllPages() {
    for (RadioPage* page : pages_) page->FillFromImage();
}

zem::RadioImage CKivuView::storedImage() const {
    zem::RadioImage image = doc_.image();
    for (const RadioPage* page : pages_) page->storeQuietly(image);
    return image;
}

QString CKivuView::stepName(const zem::RadioImage& before, const zem::RadioImage& after) const {
    for (const RadioPage* page : pages_) {
        const QString name = page->stepName(before, after);
        if (!name.isEmpty()) return name;
    }
    return {};
}

void CKivuView::initialUpdate() {
    fillAllPages();
    showPage(kChannelTab);
    // The channel table's first cell, not the Type list, where one stray
    // arrow key would change the radio type unseen.
    channelPage().setCurrentCell(1, 1);
}

bool CKivuView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || (event->type() == QEvent::Leave && watched != this))
        emit statusHint(RadioPage::tr(RadioPage::kHintHelp));
    return QWidget::eventFilter(watched, event);
}

}  // namespace zem::gui
