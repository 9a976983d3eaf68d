#include "app/help_window.h"

#include "common/languages.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zem::gui {

namespace {

// The help's folder in the language the window speaks, falling back to the
// English pages at the top.
QString HelpFolder() {
    const QString name = CurrentLanguage();
    for (const QString& language : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        if (QFile::exists(QStringLiteral(":/help/") + language + QStringLiteral("/contents.html")))
            return QStringLiteral("qrc:/help/") + language + QLatin1Char('/');
    }
    return QStringLiteral("qrc:/help/");
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Zem Programming Software Help"));
    browser_ = new QTextBrowser(this);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(true);
    // A text cursor the arrow keys move: a screen reader reads the page line
    // by line and word by word as it moves.
    browser_->setTextInteractionFlags(browser_->textInteractionFlags() | Qt::TextSelectableByKeyboard);

    auto* contents = new QPushButton(tr("Contents"), this);
    auto* back = new QPushButton(tr("Back"), this);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("contents.html")); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
    // Escape closes the help as it closes a dialog; the page has the focus,
    // so the keys scroll it and Tab runs through its links.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    browser_->setAccessibleName(tr("Help page"));
    setFocusProxy(browser_);
}

void HelpWindow::showTopic(const QString& page) {
    browser_->setSource(QUrl(HelpFolder() + page));
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}

QString HelpWindow::currentTopic() const { return browser_->source().fileName(); }

HelpWindow& HelpWindow::Instance(QWidget* parent) {
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow(parent);
    return *window;
}

}  // namespace zem::gui
