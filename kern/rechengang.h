// The working of a computation, as a calculation record prints it: every
// quantity in the order the calculator computes it, with its formula in the
// calculator's symbols, the same formula with the numbers put in, its value
// and unit; and the checks the calculator makes, each with its verdict.
// Filled by the calculator's own code while it computes, so the record shows
// what the program does (its own value of pi included).  Plain C++, no GTK.
#pragma once
#include <string>
#include <vector>

struct KvSchritt {
    std::string symbol;     // e.g. "lambda"
    std::string formel;     // e.g. "lk / i"
    std::string eingesetzt; // e.g. "458 / 2.5" (numbers as kv_sechsstellig writes them)
    double wert = 0.0;
    std::string einheit;    // "1" for dimensionless quantities
    std::string rahmen;     // "" or the caption of the calculator's addition
};

// One check: a value against a limit ("erfuellt" / "nicht erfuellt"), or a
// statement without a limit (a regime, a mode).
struct KvPruefung {
    std::string text;        // what is checked, e.g. "Spannungsamplitude sigma_a"
    double wert = 0.0;
    std::string einheit;
    bool mit_grenze = false;
    std::string vergleich;   // "<=", ">=", "<", ">"
    double grenze = 0.0;
    bool erfuellt = true;
    std::string bemerkung;   // e.g. the regime's text, a note
    std::string rahmen;      // "" or the caption of the calculator's addition
};

struct KvRechengang {
    std::vector<KvSchritt> schritte;
    std::vector<KvPruefung> pruefungen;
    // What is recorded from now on belongs to this frame: "" the window's,
    // or the caption of the calculator's addition (KvZusatz), which a core
    // sets before it computes the addition.
    std::string rahmen;
};
