// Buckling of a straight strut under axial compression: the four Euler
// cases, slenderness against the limit slenderness, admissible stress and
// force.  Plain C++, no GTK.
#pragma once
#include "rechner.h"

#include <string>

// This program's value of pi: eight decimals, every result depends on it.
inline constexpr double knickung_pi = 3.14159265;

// Codes of the four buckling cases, as the case buttons set them.
enum { KNICKFALL_1 = 880, KNICKFALL_2, KNICKFALL_3, KNICKFALL_4 };

struct KnickEingabe {
    double F, l1, A, I, E, Re, S; // N, mm, mm^2, mm^4, N/mm^2, N/mm^2, 1
    int stat_knickfall;           // 880 to 883
};

struct KnickErgebnis {
    double fkl, thr, lambda, lambda_grenz, sig_druck, sig_druck_zul, F_max_zul;
    const char* knickung; // regime text
};

// With a KvRechengang, also writes down every step and the two checks.
KnickErgebnis knickung_berechnen(const KnickEingabe& e, KvRechengang* gang = nullptr);

// The report text: the seven inputs as converted, the chosen case, the seven
// results and the regime text of the last computation.
std::string knickung_bericht(const double d_box_geometrie[7], int stat_knickfall,
                             const double d_box_ergebnisse[7], const std::string& knickung);

// Fields, case selection, results and labels of the buckling calculator.
extern const KvRechner stalor_rechner;
// Its built-in tables (stalor_kataloge.cpp).
void stalor_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen);
// The strut as the fields and the case buttons hold it.
KnickEingabe knickung_eingabe(const KvStand& s);
