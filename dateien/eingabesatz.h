// Input sets: everything a calculator's window holds (the text of every
// field and the value of every option) in a key file (schluesseldatei.h),
// one group named after the program:
//
//   # Eingabesatz von PROGRAMM: TITEL
//   [PROGRAMM]
//   Formatversion=1
//   # Kraft F / N
//   F=3500
//   ...
//   Knickfall=1
//
// Keys are the calculators' variable names; a key that is missing keeps the
// field's default.  The file ends in "." plus the program's name
// (mein.PROGRAMM).  The windows, the command line and the browser read and
// write this one format; from text and to text without GLib, as files
// through eingabesatz_datei.h.
#pragma once
#include "rechner.h"

#include <string>

// The version this program writes and reads.
constexpr int KV_EINGABESATZ_FORMAT = 1;

// ".PROGRAMM": "." and the program's name.
std::string kv_eingabesatz_endung(const KvRechner& r);

// The complete set: every field and option, defaults included.
std::string kv_eingabesatz_text(const KvRechner& r, const KvEingaben& e);

// Reads a set onto e (fields and options not in it get their defaults).
// Checks the whole text first: on any fault e stays as it was and fehler
// says what is wrong, in German.
bool kv_eingabesatz_aus_text(const KvRechner& r, const std::string& text, KvEingaben& e,
                             std::string& fehler);

