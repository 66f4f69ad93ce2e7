#pragma once

#include <initializer_list>
#include <string>

namespace korbit::cli {

// korbit's own texts in its user's language. The texts are marked with
// QT_TRANSLATE_NOOP("korbit", ...) where they are written, so that lupdate
// finds them; what the control says, and what scripts read, never passes
// through here.

// Loads the translation for the language of LC_ALL, LC_MESSAGES or LANG
// (the first one set) from the program's folder (translations/, as in the
// build tree) or its installation (KORBIT_TRANSLATIONS_FROM_PROGRAM). With
// none found, or for C, POSIX and English, every text stays as written.
void loadTranslation();

// `source` in the user's language, its %1, %2... replaced by `args` in turn
// (never inside an argument).
std::string translated(const char* source, std::initializer_list<std::string> args = {});

// `source` of another context than "korbit" in the user's language, as it
// stands when there is no translation of it.
std::string translatedIn(const char* context, const char* source);

// Whether a translation was loaded: false for English.
bool translationLoaded();

// A text with a count: %n replaced by `count`, in the plural form the
// language takes for it. `source` is the English plural.
std::string translatedCount(const char* source, long count);

}  // namespace korbit::cli
