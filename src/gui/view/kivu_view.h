#pragma once

#include "doc/kivu_doc.h"
#include "document/radio_image.h"

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QStackedWidget;
class QTabBar;

namespace zem {
class Messenger;
}

namespace zem::gui {

class CChannelPage;
class CKeyPage;
class COptionPage;

// The form that fills the window: a tab bar over the three pages. Leaving
// a page stores it into the document's image, showing one fills it from
// the image, so the image is always current when somebody uses it.
class CKivuView : public QWidget, public DocumentPages {
    Q_OBJECT

public:
    enum Tab { kChannelTab = 0, kOptionTab = 1, kKeyTab = 2 };

    CKivuView(CKivuDoc& doc, zem::Messenger& messenger, QWidget* parent = nullptr);
    // Detaches from the document before the pages go, so nothing they do
    // on their way out reaches a half-destroyed view.
    ~CKivuView() override;

    CChannelPage& channelPage() { return *channelPage_; }
    COptionPage& optionPage() { return *optionPage_; }
    CKeyPage& keyPage() { return *keyPage_; }

    int currentTab() const { return currentTab_; }

    // Selects a tab as a click on it would: the page left is stored, the
    // page shown is filled.
    void selectTab(int tab);

    // Shows the channel tab. The page being left is stored first, as on a
    // tab change, so no edit of the options or key page is lost; the
    // channel page is shown as it stands.
    void returnToChannelTab();

    // Commits an open grid editor, then stores the channel, options and key
    // pages into the image, in that order.
    void storeAllPages();

    // Fills the channel, options and key pages from the image.
    void fillAllPages() override;

    // What the image would hold if the pages were stored now; the pages and
    // the document are left untouched and no message is shown.
    zem::RadioImage storedImage() const override;

    // After New or Open: fill all pages and show the channel tab, the focus
    // on its first cell.
    void initialUpdate();

    // The text field a widget types into: a line edit, or the edit line of
    // an editable drop-down (a tone cell); nullptr for any other widget.
    static QLineEdit* TypingField(QObject* widget);
    // Ctrl+Z; Ctrl+Y, Ctrl+Shift+Z and the desktop's own redo key.
    static bool IsUndoKey(const QKeyEvent& key);
    static bool IsRedoKey(const QKeyEvent& key);

    // The hover hints for the status bar.
    static const char* const kHintCombo;  // "Please click the CommBox to choose value"
    static const char* const kHintGrid;   // "Please Click the cell to edit or input data"
    static const char* const kHintHelp;   // "For help，please press F1"

signals:
    // A hover hint for the message pane of the status bar.
    void statusHint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTabBarChanged(int index);
    void storePage(int tab);
    void fillPage(int tab);
    void showPage(int tab);
    void watchForHints(QWidget* root);
    // The status-bar hint for the pointer over widget.
    QString hintFor(QWidget* widget) const;
    void recordEdits();

    CKivuDoc& doc_;
    zem::Messenger& messenger_;
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    CChannelPage* channelPage_ = nullptr;
    COptionPage* optionPage_ = nullptr;
    CKeyPage* keyPage_ = nullptr;
    int currentTab_ = 0;
    bool switching_ = false;
};

}  // namespace zem::gui
