// The window's language: the system's or the chosen one, the translations
// it loads, and View -> Language.
#include "gui/support/window_test.h"

#include "common/languages.h"
#include "link/link_messages.h"

#include <QMessageBox>

#include <QLocale>
#include <QMenuBar>

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
        {{"zh-Hant"}, "zh_TW"},
        {{"zh-HK"}, "zh_TW"},
        {{"zh"}, "zh_CN"},
        {{"pt-PT"}, "pt_BR"},
        {{"ar-EG"}, "ar"},
        {{"sv-SE", "fr-FR"}, "fr"},   // the first one the window speaks
        {{"en-US", "de-DE"}, "en"},   // English is one of them
        {{"C"}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gui::MatchLanguage(c.system).toStdString(), c.language) << c.system.join(' ').toStdString();
}

TEST(Language, ShowsTheTranslatedWindowAndArabicRightToLeft) {
    // A translation of one menu title, compiled from this folder's language_de.ts.
    gui::UseLanguage(QStringLiteral("de"), QStringLiteral(ZEM_TEST_TRANSLATIONS));
    {
        gui::MainWindow window;
        EXPECT_EQ(window.menuBar()->actions().value(0)->text(), "Datei(&D)");
        EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
    }
    // Qt's own texts (the message boxes' buttons) come embedded with the program's.
    gui::UseLanguage(QStringLiteral("ar"));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "ألغِ");
    gui::UseLanguage(QStringLiteral("en"));
    gui::MainWindow window;
    EXPECT_EQ(window.menuBar()->actions().value(0)->text(), "File(&F)");
    EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
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
        shown << box->text();
        box->reject();
    };
    test::WhenModal<QMessageBox>(answer);
    window->messenger().notice(Text(kTextLink,
                                    ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First "
                                                                    "difference: %1 is %2 in the radio, %3 in the "
                                                                    "program.\nThe program has kept its data: write "
                                                                    "again, or check the radio and the cable."),
                                    {std::string("channel 2 Receive"), std::string("435.51200"), std::string("435.55500")}));
    // A fixed text that reaches the window in English only.
    test::WhenModal<QMessageBox>(answer);
    window->messenger().retry(kMsgCommunicationError);
    gui::UseLanguage(QStringLiteral("en"));
    EXPECT_EQ(shown, QStringList({"Erster Unterschied: channel 2 Receive – im Programm 435.55500, im Funkgerät 435.51200.",
                                  "Kommunikationsfehler"}));
}

}  // namespace
}  // namespace zem::test
