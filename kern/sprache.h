// Texts a person reads, in the reader's language (GNU gettext).  The German
// text in the code is the message's id: German needs no catalogue, and a
// language without one reads German.  _() marks a text and gives it in the
// reader's language; N_() only marks a text in a table, given in the
// reader's language where it is used.
#pragma once

const char* kv_text(const char* deutsch);

#define _(text) kv_text(text)
#define N_(text) text

// The reader's language as the desktop sets it (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), and where the catalogues are: the folder in
// KV_LOCALEDIR if set (the build's own, for its tests), else the installed
// one.  Numbers are not touched: they keep the point in every language.
void kv_sprache_einrichten();

#include <initializer_list>
#include <string>

// A sentence of a catalogue with its pieces put in: {1} the first, {2} the
// second, ..., in the order the language puts them.
std::string kv_einsetzen(const char* satz, std::initializer_list<std::string> stuecke);
