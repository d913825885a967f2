// One disc spring after DIN 2093 at a given deflection: the coefficients
// K1, K2, K3, spring force, spring work and four stresses; and the spring
// characteristic plot as lines in the 800 x 300 drawing area.  Plain C++.
#pragma once
#include "rechner.h"

#include <string>
#include <vector>

struct TellerEingabe {
    double De, E, Di, nue, t, h0, s; // mm, N/mm^2, mm, 1, mm, mm, mm
};

struct TellerErgebnis {
    double k, delta, K1, K2, K3;
    double F, sig1, W, sig2, sigom, sig3; // N, N/mm^2, mJ, N/mm^2 ...
};

// With a KvRechengang, also writes down every step and the four stresses.
TellerErgebnis tellerfeder_berechnen(const TellerEingabe& e, KvRechengang* gang = nullptr);
// Spring force at deflection s of the spring computed last (with a
// KvRechengang, written down as a step).
double tellerfeder_kraft(const TellerEingabe& e, const TellerErgebnis& r, double s,
                         KvRechengang* gang = nullptr);

struct Linie {
    int x1, y1, x2, y2;
};

struct Kennlinienbild {
    std::vector<Linie> gitter; // 22 lines, always
    std::vector<Linie> kurve;  // 30 segments, empty when a force is not finite
    bool endlich = true;       // false: some force in the range is not finite
};

// Drawing area geometry in pixels.
constexpr int Z_BREITE_X = 800;
constexpr int Z_HOEHE_Y = 300;
constexpr int Abstand_Rand = 2;

// Grid and characteristic from s1 to s2 (s1 < s2), scaled to fill the plot
// window between the margins; of a stack of i packets in series of n
// springs each (federsaeule.h), the stack's force from i s1 to i s2.
Kennlinienbild kennlinie_berechnen(const TellerEingabe& e, const TellerErgebnis& r,
                                   double s1, double s2, double i = 1, double n = 1);

std::string tellerfeder_bericht(const double d_box_werkstoffdaten[7],
                                const double d_box_ergebnisse[6]);

// Fields, plot range, results and computation of the disc-spring calculator.
extern const KvRechner wendis_rechner;
// Its built-in tables (wendis_kataloge.cpp).
void wendis_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen);
// The spring as the fields hold it, and where the plot range stands.
TellerEingabe tellerfeder_eingabe(const KvStand& s);
// The same from the seven fields of the window in their order.
TellerEingabe tellerfeder_eingabe(const double d_box_werkstoffdaten[7]);
constexpr int TELLER_S1 = 7, TELLER_S2 = 8;
// The stack's springs in series and nested in each packet.
constexpr int TELLER_I = 9, TELLER_N = 10;
