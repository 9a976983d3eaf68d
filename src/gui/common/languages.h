#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zem::gui {

// A language the window speaks: its code as the translation files name it
// ("de", "zh_CN"; "en" for English, the texts of the sources) and its name
// in itself, as the View menu lists it.
struct Language {
    const char* code;
    const char* name;  // UTF-8
};

// English first, then the translations, in the menu's order.
const std::vector<Language>& Languages();

// The language of the first of the user's interface languages (as
// QLocale::uiLanguages() spells them: "de-DE", "zh-Hant-TW", "pt") that the
// window speaks; "en" when there is none.
QString MatchLanguage(const QStringList& uiLanguages);

// The language chosen under View -> Language and kept in the settings;
// empty: follow the system.
QString ChosenLanguage();
void SetChosenLanguage(const QString& code);

// The language the window starts in: the chosen one, else the system's.
QString StartLanguage(const QStringList& systemLanguages);

// Installs language code's translations on the application: the program's
// zemprog_<code>.qm and Qt's own qtbase_<code>.qm from dir, replacing those
// installed before, and lays the windows out right to left for a language
// written so. "en" removes them: the texts of the sources.
void UseLanguage(const QString& code, const QString& dir = QStringLiteral(":/translations"));

// The language UseLanguage installed last ("en" before any).
QString CurrentLanguage();

}  // namespace zem::gui
