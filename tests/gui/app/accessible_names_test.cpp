// What assistive technology is told about drop-down lists the pages'
// labels do not name (the labelled ones are checked over the accessibility
// bus by gui_accessible_tree), and every menu command's Alt letter.
#include "gui/support/window_test.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMenuBar>
#include <QSet>

namespace zem::test {
namespace {

struct Told {
    QString name, value, text;
};

Told TellOf(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface) return {};
    QAccessibleTextInterface* text = iface->textInterface();
    return {iface->text(QAccessible::Name), iface->text(QAccessible::Value),
            text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>")};
}

TEST_F(WindowTest, ListsOutsideALabelAreNamedByEntryOrOwnName) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "Qt's own list interface is used here";
#endif
    // A list in a group box without a label is named by its entry, not by
    // the group; an editable one reads what is typed; its own name wins.
    QGroupBox group(QStringLiteral("Group"));
    auto* bare = new QComboBox(&group);
    bare->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    auto* typed = new QComboBox(&group);
    typed->setEditable(true);
    typed->setEditText(QStringLiteral("67.0"));
    auto* named = new QComboBox(&group);
    named->addItem(QStringLiteral("Off"));
    named->setAccessibleName(QStringLiteral("Receive, channel 5"));
    EXPECT_EQ(TellOf(bare).name, "One");
    EXPECT_EQ(TellOf(typed).name, "67.0");
    EXPECT_EQ(TellOf(typed).text, "67.0");
    EXPECT_EQ(TellOf(named).name, "Receive, channel 5");
    EXPECT_EQ(TellOf(named).value, "Off");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(typed)->childCount(), 2);
}

TEST_F(WindowTest, EveryMenuCommandHasItsAltLetter) {
    QSet<QString> menuLetters;
    for (QAction* menu : window->menuBar()->actions()) {
        const QString letter = QKeySequence::mnemonic(menu->text()).toString();
        EXPECT_FALSE(letter.isEmpty()) << menu->text().toStdString();
        EXPECT_FALSE(menuLetters.contains(letter)) << menu->text().toStdString();
        menuLetters.insert(letter);
        for (QAction* item : menu->menu()->actions()) {
            // The greyed "Recent File" stands in for an empty list.
            if (item->isSeparator() || !item->isVisible() || item->text() == "Recent File") continue;
            EXPECT_FALSE(QKeySequence::mnemonic(item->text()).isEmpty())
                << menu->text().toStdString() << ": " << item->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace zem::test
