#pragma once

// Marks a text of the core for translation without translating it. The core
// stays free of Qt and keeps returning its English texts (zemtool prints them
// as they are); lupdate is told that this macro is QT_TRANSLATE_NOOP, so the
// text lands in the translation sources under context, and the window looks
// it up there when it shows it.
#define ZEM_TRANSLATE_NOOP(context, text) text
