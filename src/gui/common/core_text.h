#pragma once

#include "text.h"

#include <QString>

#include <string>

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

}  // namespace zem::gui
