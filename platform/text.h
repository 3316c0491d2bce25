// Texts the user reads, in the user's language. The libraries write them in English and mark
// them with text::Tr so that the translators find them (context "text" of translations/); the
// program that shows them installs the lookup, kavimo its Qt translation. Without a lookup the
// English text is used.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace text {

// Gives `source` (UTF-8) in the user's language, or as it is when it has no translation, with
// "%n" replaced by `n` (-1: the text counts nothing).
using Lookup = std::string (*)(const char* source, const char* disambiguation, int n);

// Installed once before the threads that show texts start; nullptr removes it.
void SetLookup(Lookup lookup);

// For the programs without Qt (the kavimo-* tools): installs the lookup in the message catalogs
// made from the same translations (gettext's kavimo.mo, in share/locale beside the program's bin
// folder), in the language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Only the
// messages' locale is taken from the environment: numbers keep the C locale's form.
void UseMessageCatalogs();

// `source` in the user's language, "%n" replaced by n. Written `text::Tr("...")` with a literal so
// that lupdate finds it.
std::string Tr(const char* source, const char* disambiguation = nullptr, int n = -1);

// `pattern` with "%1" to "%9" replaced by the values in one pass: a value that holds "%2" stays as
// it is, and a number with no value stays as written.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace text
