// Bolted joint after VDI 2230 in a single pass: thread, resiliences of bolt
// and plates, load factor, embedding, forces, tightening torque, stresses,
// surface pressure and the strength values of the class.  Plain C++, no GTK.
#pragma once
#include "rechner.h"

#include <array>
#include <string>

struct SchraubeEingabe {
    double d, P, FK, FAo, FAu, fZ, alfaA, myG, myK;
    double di[10], li[10]; // sections 1 to 9 (slot 0 unused)
    double Es;
    double Epi[5], lpi[5]; // plates 1 to 4 (slot 0 unused)
    double DB, DK, DF, DA, n;
    int iqu;   // strength class 1 to 8
    int idehn; // 1: reduced-shank bolt
    int isr;   // 1: thread rolled after heat treatment
};

struct SchraubeErgebnis {
    double PhiK, deltas, deltap, Siga, SigA, Sigsa, FSmax, Sigmax, pP, Rp, Rm, Fp02, FBruch,
        FZ, FSA, FPA, FMmax, MA, Fm, Fa;
    double d2, d3, lk, AB, rm;
    int is, ip;
};

// Class index 1 to 8 of "4.6" ... "12.9" contained in the text (the last
// one found in that order), 0 when it holds none.
int festigkeitsklasse(const char* text);
// The message when the class text holds no class.
extern const char* const schraube_klassen_meldung;
// The class as a number: 4.6, 4.8, ... 12.9.
double klassen_zahl(int iqu);

// The inputs as the window's three groups hold them: geometry and material
// (d ... myK), the bolt's sections in di/li pairs and Es, the plates in
// Epi/lpi pairs and DB, DK, DF, DA, n; with the class and the two options.
SchraubeEingabe schraube_eingabe(const double d_box_geometrie_werkstoff[9],
                                 const double d_box_nachgiebigkeit_schraube[19],
                                 const double d_box_nachgiebigkeit_platte[13], int iqu,
                                 int idehn, int isr);

// With gang, also the working: every quantity where it is computed, and the
// checks.
SchraubeErgebnis schraube_berechnen(const SchraubeEingabe& e, KvRechengang* gang = nullptr);

// The twenty result fields in the window's order.
std::array<double, 20> schraube_ergebnisfelder(const SchraubeErgebnis& r);

std::string schraube_bericht(const double d_box_geometrie_werkstoff[10],
                             const double d_box_nachgiebigkeit_schraube[19],
                             const double d_box_nachgiebigkeit_platte[13], int stat_dehns,
                             int stat_schgs, const double d_box_ergebnisse[20]);

// Fields, options, results and computation of the bolted-joint calculator.
extern const KvRechner tarvex_rechner;
// Its built-in tables (tarvex_kataloge.cpp).
void tarvex_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen);
// The joint as the fields, the class box and the options hold it; iqu 0 when
// the class text holds no class.
SchraubeEingabe schraube_eingabe(const KvStand& s);
