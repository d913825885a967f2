// Pieces of a calculator's plain-text report in the reader's language: a
// line of a table (its text marked N_() where the table is written, with its
// padding and printf format, the value's column kept by every catalogue) and
// a heading with the line breaks around it.  Plain C++, no GTK.
#pragma once
#include "sprache.h"
#include "zahlen.h"

#include <string>

inline std::string kv_berichtszeile(const char* format, double wert)
{
    return kv_format(_(format), wert);
}

inline std::string kv_berichtskopf(const char* vor, const char* text, const char* nach)
{
    return vor + std::string(_(text)) + nach;
}
