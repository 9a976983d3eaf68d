#pragma once

#include "text.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace zem::gui {

// A core message in the window's language: its source text translated in
// its context, the places filled with its values (themselves translated
// when they are marked texts), so a translation may put them in any order.
// Without a translation it is the core's English, byte for byte.
QString Translated(const zem::Text& text);

// A message the window only has as the core's English (a Messenger's plain
// notice or question, a link's status text): the translation when it is one
// of the core's fixed marked texts, otherwise the text as it is.
QString TranslatedEnglish(const std::string& english);

// A list text of the core (a column title, a choice, a setting's entry) as
// the window shows it: translated under the core's context (kTextChannelTable,
// kTextRadioSettings). The core keeps and compares the English text, so a
// combo shows this and hands the core its index or the English entry.
QString CoreText(const char* context, const std::string& text);
QStringList CoreTexts(const char* context, const std::vector<std::string>& texts);

}  // namespace zem::gui
