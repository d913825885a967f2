// Writing down the working while a core computes: each step from one
// template such as "sqrt({I} / {A})", which gives the formula in the
// calculator's symbols ("sqrt(I / A)") and, with the values handed in the
// same order, the formula with the numbers put in ("sqrt(490.87 / 78.54)",
// numbers as kv_kurz writes them, negative ones in parentheses).  A core
// calls these only when it is given a KvRechengang, so the normal path costs
// one pointer test per step.  Plain C++, no GTK.
#pragma once
#include "rechengang.h"

#include <initializer_list>

void kv_schritt(KvRechengang& gang, const char* symbol, const char* vorlage,
                std::initializer_list<double> werte, double wert, const char* einheit);

// A check against a limit: "wert vergleich grenze" holds or not.
void kv_pruefung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                 const char* vergleich, double grenze, bool erfuellt,
                 const char* bemerkung = "");
// A statement without a limit (a regime, a mode, a stress).
void kv_feststellung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                     const char* bemerkung);
