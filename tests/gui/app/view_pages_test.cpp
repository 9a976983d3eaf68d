// Tab changes, the return to the channel tab, and the options and key pages
// as the user works them.
#include "gui/support/window_test.h"

#include "app/help_window.h"
#include "common/languages.h"
#include "pages/option_values.h"

#include <QStatusBar>
#include <QTextBrowser>

namespace zem::test {
namespace {

using ViewPagesTest = WindowTest;

TEST_F(ViewPagesTest, TabChangeStoresThePageLeftAndRefillsThePageShown) {
    // The channel page is stored with the value being typed, and shown re-encoded.
    enterValue(1, 1, "145.0125");
    clickCell(2, 1);
    type("146.5");
    clickTab(1);
    EXPECT_EQ(view().currentTab(), 1);
    EXPECT_EQ(image()[0x010], 0x50);  // how a frequency is held is the core's
    EXPECT_EQ(image()[0x020 + 2], 0x65);

    auto* start = control<QLineEdit>("pttIdStart");
    start->setText("123");
    clickTab(2);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kMsgPttIdTooShort});
    EXPECT_EQ(image()[0x213], 0);
    clickTab(1);
    EXPECT_EQ(start->text(), "12300000");
    // Which picks fall back is the core's rule; here that a pick goes through it.
    auto* squelch = control<QComboBox>("squelchLevel");
    squelch->setCurrentIndex(9);
    emit squelch->activated(9);
    EXPECT_EQ(squelch->currentText(), "4");

    clickTab(0);
    EXPECT_EQ(image()[0x134], 4);
    EXPECT_EQ(cell(1, 1), "145.01250");
    EXPECT_EQ(cell(2, 1), "146.50000");
}

TEST_F(ViewPagesTest, EditChannelKeepsTheEditsOfThePageItLeaves) {
    clickTab(1);
    auto* scan = control<QComboBox>("scanMode");
    ASSERT_EQ(scan->currentIndex(), 1);  // "Carrier" in a new document
    scan->setCurrentIndex(0);
    window->action(gui::kCmdEditChannel)->trigger();

    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please directly double click inside the table"});
    EXPECT_EQ(view().currentTab(), 0);
    EXPECT_EQ(tabs().currentIndex(), 0);
    EXPECT_EQ(std::make_pair(grid().Row(), grid().Col()), std::make_pair(1, 1));
    EXPECT_EQ(focus(), &grid());
    EXPECT_EQ(image()[0x131] & 0x02, 0);
    clickTab(1);
    EXPECT_EQ(scan->currentIndex(), 0);

    // From the keyboard, Ctrl+G goes to the table without the hint to double-click.
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(view().currentTab(), 0);
    EXPECT_EQ(focus(), &grid());
}

TEST_F(ViewPagesTest, HoverHintsNameTheControlAndF1OpensTheTopicOfThePageShown) {
    auto hint = [this] { return window->statusBar()->currentMessage(); };
    const QString general = QString::fromUtf8("For help，please press F1");
    const QString choose = QStringLiteral("Please click the CommBox to choose value");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&page().defaultButton(), &enter);
    EXPECT_EQ(hint(), general);
    // The combo that opens over a grid cell is one of the page's combos too.
    clickCell(3, 5);
    ASSERT_NE(qobject_cast<QComboBox*>(grid().OpenEditor()), nullptr);
    QApplication::sendEvent(grid().OpenEditor(), &enter);
    EXPECT_EQ(hint(), choose);
    // Over the open frequency edit box the hint is the general one.
    clickCell(3, 1);
    ASSERT_NE(qobject_cast<QLineEdit*>(grid().OpenEditor()), nullptr);
    QApplication::sendEvent(grid().OpenEditor(), &enter);
    EXPECT_EQ(hint(), general);
    press(Qt::Key_Escape);

    // The hint follows the pointer onto the bare "Type Setting" box around
    // the type combo and onto the page's margin below the table, and back.
    QWidget* typeBox = page().typeCombo().parentWidget();
    QTest::mouseMove(&page().typeCombo());
    EXPECT_EQ(hint(), choose);
    QTest::mouseMove(typeBox, QPoint(typeBox->width() - 4, typeBox->height() / 2));
    EXPECT_EQ(hint(), general);
    QTest::mouseMove(grid().viewport(), grid().CellRect(2, 2).center());
    EXPECT_EQ(hint(), "Please Click the cell to edit or input data");
    QTest::mouseMove(&page(), QPoint(page().width() / 2, page().height() - 2));
    EXPECT_EQ(hint(), general);
    QTest::mouseMove(grid().viewport(), grid().CellRect(2, 2).center());
    EXPECT_EQ(hint(), "Please Click the cell to edit or input data");

    clickTab(1);
    window->action(gui::kCmdHelp)->trigger();
    gui::HelpWindow* help = &gui::HelpWindow::Instance(window.get());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentTopic(), "optional_features.html");
    window->action(gui::kCmdHelpContents)->trigger();
    EXPECT_EQ(help->currentTopic(), "contents.html");
    // In Spanish the Spanish pages show; a language without pages falls back to English.
    for (const auto& [language, title] : {std::pair{"es", "Ayuda de Zem Programming Software"},
                                          std::pair{"zh_CN", "Zem 写频软件帮助"},
                                          std::pair{"ru", "Zem Programming Software Help"}}) {
        gui::UseLanguage(QString::fromLatin1(language));
        help->showTopic(QStringLiteral("contents.html"));
        EXPECT_EQ(help->findChild<QTextBrowser*>()->documentTitle(), QString::fromUtf8(title)) << language;
    }
    gui::UseLanguage(QStringLiteral("en"));
    // The page has the focus and Escape closes the help.
    QApplication::setActiveWindow(help);
    ASSERT_TRUE(help->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace zem::test
