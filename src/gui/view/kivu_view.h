#pragma once

#include "doc/kivu_doc.h"
#include "document/radio_image.h"
#include "pages/radio_page.h"

#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;

namespace zem {
class Messenger;
}

namespace zem::gui {

class CChannelPage;
class CKeyPage;
class COptionPage;

// The form that fills the window: a tab bar over the pages. Leaving a page
// stores it into the document's image, showing one fills it from the
// image, so the image is always current when somebody uses it. The form
// knows its pages through RadioPage only; the one list in the constructor
// says which pages there are and in what order.
class CKivuView : public QWidget, public DocumentPages {
    Q_OBJECT

public:
    // The places of the pages in that list.
    enum Tab { kChannelTab = 0, kOptionTab = 1, kKeyTab = 2 };

    CKivuView(CKivuDoc& doc, zem::Messenger& messenger, QWidget* parent = nullptr);
    // Detaches from the document before the pages go, so nothing they do
    // on their way out reaches a half-destroyed view.
    ~CKivuView() override;

    CChannelPage& channelPage() const;
    COptionPage& optionPage() const;
    CKeyPage& keyPage() const;

    // The page of that class.
    template <class Page>
    Page& page() const {
        for (RadioPage* each : pages_)
            if (auto* found = qobject_cast<Page*>(each)) return *found;
        Q_UNREACHABLE();
    }

    int currentTab() const { return currentTab_; }
    // The page shown.
    RadioPage& currentPage() const { return *pages_.at(static_cast<std::size_t>(currentTab_)); }

    // Selects a tab as a click on it would: the page left is stored, the
    // page shown is filled.
    void selectTab(int tab);

    // Shows the channel tab. The page being left is stored first, as on a
    // tab change, so no edit of the options or key page is lost; the
    // channel page is shown as it stands.
    void returnToChannelTab();

    // Stores every page into the image, in the order of the tabs (an open
    // grid editor is committed first).
    void storeAllPages();

    // Fills every page from the image.
    void fillAllPages() override;

    // What the image would hold if the pages were stored now; the pages and
    // the document are left untouched and no message is shown.
    zem::RadioImage storedImage() const override;

    QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const override;

    // After New or Open: fill all pages and show the channel tab, the focus
    // on its first cell.
    void initialUpdate();

signals:
    // A hover hint for the message pane of the status bar.
    void statusHint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTabBarChanged(int index);
    void showPage(int tab);

    CKivuDoc& doc_;
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::vector<RadioPage*> pages_;
    int currentTab_ = 0;
    bool switching_ = false;
};

}  // namespace zem::gui
