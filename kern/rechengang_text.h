// The working of a computation in words and numbers, as the calculation
// record sets it: its headings, the explanation, a step's lines and a
// check's line.  The record sets them on its pages; the web page prints
// them as plain text (kv_rechengang_text).  Plain C++, no GLib.
#pragma once
#include "rechengang.h"

#include <string>
#include <vector>

// German, marked: given in the reader's language where they are set.
extern const char* const KV_RECHENGANG_TITEL;     // "Rechengang"
extern const char* const KV_RECHENGANG_ERKLAERUNG; // below it, once
extern const char* const KV_PRUEFUNGEN_TITEL;     // "Pruefungen"

// The lines beside a step's symbol: "= formel", "= eingesetzt", "= wert einheit".
std::vector<std::string> kv_schritt_zeilen(const KvSchritt& s);

// What stands below a check's text: value, limit and verdict, then the
// remark on a line of its own; either may be missing.  In the reader's
// language, as kv_rechengang_text (a check's text and remark are recorded
// in German, the catalogues' ids).
std::string kv_pruefung_zeile(const KvPruefung& p);

// Everything as text with line breaks: the steps under KV_RECHENGANG_TITEL
// with the explanation, each symbol with its lines below one another, and
// the checks under KV_PRUEFUNGEN_TITEL, each with its line indented.  A
// part without entries is left out, as the record leaves it out.  The steps
// and checks of the calculator's addition follow under its caption, as in
// the record's section of it.
std::string kv_rechengang_text(const KvRechengang& g);
