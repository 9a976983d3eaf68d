// The window's language: the system's or the chosen one, the translations
// it loads, and View -> Language.
#include "gui/support/window_test.h"

#include "common/languages.h"
#include "compare/verify_mismatch.h"
#include "fleet/fleet_dialog.h"
#include "link/link_messages.h"
#include "plan/plan_text.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QMenuBar>
#include <QTableWidget>

namespace zem::test {
namespace {

TEST(Language, FollowsTheFirstSystemLanguageTheWindowSpeaks) {
    const struct {
        QStringList system;
        const char* language;
    } cases[] = {
        {QLocale(QStringLiteral("de_DE")).uiLanguages(), "de"},  // LANG=de_DE.UTF-8
        {QLocale(QStringLiteral("zh_TW")).uiLanguages(), "zh_TW"},
        {QLocale(QStringLiteral("zh_CN")).uiLanguages(), "zh_CN"},
        {{"zh-Hant"}, "zh_TW"}, {{"zh-HK"}, "zh_TW"}, {{"zh"}, "zh_CN"}, {{"pt-PT"}, "pt_BR"}, {{"ar-EG"}, "ar"},
        {{"sv-SE", "fr-FR"}, "fr"},   // the first one the window speaks
        {{"en-US", "de-DE"}, "en"},   // English is one of them
        {{"C"}, "en"}, {{}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gui::MatchLanguage(c.system).toStdString(), c.language) << c.system.join(' ').toStdString();
}

TEST(Language, ShowsQtsOwnTextsAndArabicRightToLeftAndEnglishAgain) {
    // Qt's own texts (the message boxes' buttons) come embedded with the program's.
    gui::UseLanguage(QStringLiteral("ar"));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "ألغِ");
    // The file dialog's "Folder", which Qt's catalogue has under an older context.
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), "مجلّد");
    gui::UseLanguage(QStringLiteral("en"));
    gui::MainWindow window;
    EXPECT_EQ(window.menuBar()->actions().value(0)->text(), "File(&F)");
    EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
}

// The window in this folder's language_de.ts: a menu title and the list
// texts of the table and the settings.
TEST_F(WindowTest, MenusAndListTextsShowTranslatedAndStayEnglishInTheTable) {
    gui::UseLanguage(QStringLiteral("de"), QStringLiteral(ZEM_TEST_TRANSLATIONS));
    startWindow();
    EXPECT_EQ(window->menuBar()->actions().value(0)->text(), "Datei(&D)");
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);
    enterValue(1, 1, "145");
    press(Qt::Key_Escape);
    EXPECT_EQ(cell(0, 1), "Empfang");
    EXPECT_EQ(cell(0, 2), "Transmit");  // not translated in this file
    EXPECT_EQ(cell(1, 6), "Hoch");
    EXPECT_EQ(page().typeCombo().itemText(1), "Andere...");
    EXPECT_EQ(window->findChild<QComboBox*>("scanMode")->itemText(1), "Träger");
    // The choice list shows German and commits the table's own entry.
    clickCell(1, 6);
    auto* combo = qobject_cast<QComboBox*>(grid().OpenEditor());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->itemText(1), "Niedrig");
    press(Qt::Key_F4);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(page().values().cells.text(1, 6), "Low");
    EXPECT_EQ(cell(1, 6), "Niedrig");
    gui::UseLanguage(QStringLiteral("en"));
}

// The texts of the shown labels, boxes, buttons, tabs, menu titles and
// column titles under top that are cut: narrower (a wrapped label: lower)
// than their size hint.
QStringList CutTexts(QWidget& top) {
    QStringList cut;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        const QSize hint = widget->sizeHint();
        bool fits = widget->width() >= hint.width() && widget->height() >= hint.height();
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (label->wordWrap()) fits = label->height() >= label->heightForWidth(label->width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
            fits = group->width() >= group->minimumSizeHint().width();
        } else if (qobject_cast<QTabBar*>(widget) || qobject_cast<QMenuBar*>(widget)) {
            text = QString::fromLatin1(widget->metaObject()->className());
            fits = widget->width() >= hint.width();
        } else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->orientation() == Qt::Horizontal) {
            for (int section = 0; section < header->count(); ++section) {
                const QString title = header->model()->headerData(section, Qt::Horizontal).toString();
                if (header->sectionSize(section) < header->fontMetrics().horizontalAdvance(title) + 8) cut << title;
            }
            continue;
        }
        if (!text.isEmpty() && !fits) cut << text;
    }
    return cut;
}

TEST_F(WindowTest, EveryPageInEveryLanguageFitsItsTextsAt1366x768) {
    // Screenshots of each page in each language, to look at.
    const QDir shots(QStringLiteral(ZEM_SCREENSHOTS));
    shots.mkpath(QStringLiteral("."));
    for (const gui::Language& language : gui::Languages()) {
        const QString code = QLatin1String(language.code);
        gui::UseLanguage(code);
        startWindow();
        window->resize(1366, 768);
        for (int tab = 0; tab < tabs().count(); ++tab) {
            clickTab(tab);
            QApplication::processEvents();
            EXPECT_EQ(CutTexts(*window).join(" | ").toStdString(), "") << code.toStdString() << ", page " << tab;
            window->grab().save(shots.filePath(QStringLiteral("%1-page%2.png").arg(code).arg(tab + 1)));
        }
    }
    gui::UseLanguage(QStringLiteral("en"));
}

TEST_F(WindowTest, ViewLanguageListsTheLanguagesAndKeepsTheChoiceForTheNextStart) {
    auto* menu = window->findChild<QMenu*>("languageMenu");
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (QAction* item : menu->actions())
        if (!item->isSeparator()) names << item->text();
    EXPECT_EQ(names, QStringList({"System", "English", "中文（简体）", "中文（繁體）", "Español", "Português (Brasil)",
                                  "Русский", "Українська", "Deutsch", "Français", "Italiano", "日本語", "Polski",
                                  "العربية"}));
    EXPECT_TRUE(menu->actions().value(0)->isChecked());

    window->findChild<QAction*>("language_de")->trigger();
    EXPECT_TRUE(window->findChild<QAction*>("language_de")->isChecked());
    EXPECT_EQ(gui::UserSettings().value("language").toString(), "de");
    EXPECT_EQ(gui::StartLanguage({"en-US"}), "de");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"The language changes when the program starts again."});
    window->findChild<QAction*>("language_system")->trigger();
    EXPECT_EQ(gui::StartLanguage({"en-US"}), "en");
}

TEST_F(WindowTest, ShowsTheCoresMessagesTranslatedWithTheirValuesInTheTranslationsOrder) {
    gui::UseLanguage(QStringLiteral("de"), QStringLiteral(ZEM_TEST_TRANSLATIONS));
    window->setMessenger(nullptr);
    QStringList shown;
    const auto answer = [&](QMessageBox* box) {
        shown << box->text() << box->detailedText();
        box->reject();
    };
    test::WhenModal<QMessageBox>(answer);
    // A verify's mismatch names the place in the window's language.
    const RadioImage written = BandImage(2);
    RadioImage radio = written;
    radio[0x021] = 0x12;
    window->messenger().notice(VerifyMismatchText(written, WriteDifferences(written, radio)));
    // A fixed text that reaches the window in English only, and what the
    // link found out under the box's details, its reason nested in it.
    test::WhenModal<QMessageBox>(answer);
    window->messenger().retryWithDetail(
        kMsgCommunicationError,
        LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio did not answer the wake-up %1 times (%2)"),
                 {std::string("15"), LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "no acknowledgement from the radio"))}));
    // A plan text that is not opened: the heading and each error line in the
    // window's language, the text's own keys as they are.
    const QString bad = tempPath(QStringLiteral("bad.yaml"));
    std::string plan = ExportPlanText(NewDocumentImage());
    plan.replace(plan.find("squelch_level:"), 14, "squelch_levle:");
    writeFile(bad, QByteArray::fromStdString(plan));
    test::WhenModal<QMessageBox>(answer);
    EXPECT_FALSE(window->files().openFile(bad));
    // A refusal of the channel table with the list of entries it names.
    page().defaultButton().click();
    QApplication::clipboard()->setText(QStringLiteral("x"));
    clickCell(1, 6);
    test::WhenModal<QMessageBox>(answer);
    press(Qt::Key_V, Qt::ControlModifier);
    // A fleet's row: a file given as its port, its message and, in the
    // tooltip, its detail.
    const std::string port = temp.path().toStdString() + "/port";
    writeFile(QString::fromStdString(port), "x");
    gui::FleetDialog fleet(window->messenger(), [](RadioImage& plan, std::string&) {
        plan = NewDocumentImage();
        return true;
    });
    fleet.addPort(QString::fromStdString(port));
    const bool started = fleet.start();
    EXPECT_TRUE(started && WaitUntil([&] { return !fleet.isRunning(); }));
    shown << (started ? fleet.table()->item(0, 4)->toolTip() : QString());
    // A row of Compare: the place and the table's choices on each side.
    ChannelPageValues lowPower = PageOf(written);
    lowPower.cells.setText(1, kColPower, "Low");
    StoreToImage(lowPower, radio);
    const gui::CompareDialog compare(written, radio, QStringLiteral("Radio"));
    const QTreeWidgetItem* row = compare.list()->topLevelItem(0);
    shown << (row ? QStringList{row->text(0), row->text(1), row->text(2)}.join('|') : QString());
    gui::UseLanguage(QStringLiteral("en"));
    EXPECT_EQ(shown, QStringList({"Erster Unterschied: Kanal 2 Empfang – im Programm 435.55500, im Funkgerät 435.51200.",
                                  "", "Kommunikationsfehler", "Keine Bestätigung vom Funkgerät, 15 Weckversuche",
                                  "Der Plan bad.yaml wurde nicht geöffnet:\n"
                                  "options.squelch_levle in Zeile 30, Spalte 3: unbekannter Schlüssel\n"
                                  "options in Zeile 24, Spalte 1: der Schlüssel options.squelch_level fehlt",
                                  "", "channel 1, Power: \"x\": muss eins von High, Low sein", "",
                                  QString::fromStdString("Anschluss nicht zu öffnen\nkein serieller Anschluss: " + port),
                                  "Kanal 1 Power|Hoch|Niedrig"}));
}

}  // namespace
}  // namespace zem::test
