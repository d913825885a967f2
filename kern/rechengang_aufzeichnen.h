// Recording the working while a core computes: a core takes an optional
// KvRechengang* (nullptr on the normal path) and, right where it computes a
// quantity, appends the step with the formula it has just evaluated.  The
// formula is written once in the calculator's symbols; the text with the
// numbers put in is made from it.  Plain C++, no GTK.
#pragma once
#include "rechengang.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// An operand of a formula: its symbol and its value at that point.
struct KvOperand {
    std::string_view symbol;
    double wert;
};

// formel with every symbol of the operands (a whole name, not part of one)
// replaced by its value as kv_sechsstellig writes it, a negative value in
// parentheses; other names (functions, words) and numbers stay as they are.
std::string kv_eingesetzt(std::string_view formel, std::span<const KvOperand> operanden);

// Appends the step to gang; nothing when gang is nullptr.
void kv_schritt(KvRechengang* gang, std::string_view symbol, std::string_view formel,
                std::span<const KvOperand> operanden, double wert, std::string_view einheit);
inline void kv_schritt(KvRechengang* gang, std::string_view symbol, std::string_view formel,
                       std::initializer_list<KvOperand> operanden, double wert,
                       std::string_view einheit)
{
    kv_schritt(gang, symbol, formel, std::span(operanden.begin(), operanden.size()), wert, einheit);
}

// A check against a limit: "wert vergleich grenze" holds or not.
void kv_pruefung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                 const char* vergleich, double grenze, bool erfuellt,
                 const char* bemerkung = "");
// A statement without a limit (a regime, a mode, a stress).
void kv_feststellung(KvRechengang& gang, const char* text, double wert, const char* einheit,
                     const char* bemerkung);
