// Flexural buckling of a strut in compression after EN 1993-1-1:2005,
// 6.3.1: the elastic critical force from the free buckling length, the
// non-dimensional slenderness, the reduction factor of the chosen buckling
// curve and the design buckling resistance against the force.  Only
// flexural buckling about the axis of I.  Plain C++, no GTK.
#pragma once
#include "rechengang.h"

// The buckling curves a0 to d (Table 6.1), as the option Knicklinie counts them.
enum { KNICKLINIE_A0 = 0, KNICKLINIE_A, KNICKLINIE_B, KNICKLINIE_C, KNICKLINIE_D, KNICKLINIEN };

// Value names of the curves ("a0" ... "d") and their imperfection factors.
extern const char* const knicklinie_namen[KNICKLINIEN];
extern const double knicklinie_alpha[KNICKLINIEN];

struct BiegeknickEingabe {
    double F, A, I, E, fy; // N, mm^2, mm^4, N/mm^2, N/mm^2 (fy = Re)
    double Lcr;            // free buckling length fkl, mm
    int knicklinie;        // KNICKLINIE_A0 to KNICKLINIE_D
    double gammaM1;        // partial factor, 1
};

struct BiegeknickErgebnis {
    // A partial factor that is no positive number: nothing computed, and
    // why (the calculator's refusal).
    const char* verweigert = nullptr;
    double Ncr = 0, lambda_quer = 0, alpha = 0, Phi = 0, chi = 0, Nb_Rd = 0, Ausnutzung = 0;
    bool vernachlaessigbar = false; // 6.3.1.2 (4): chi = 1
    const char* hinweis = "";       // the note's text (German, marked)
};

// With a KvRechengang, also writes down every step and the check
// Ausnutzung <= 1.
BiegeknickErgebnis biegeknicken_berechnen(const BiegeknickEingabe& e, KvRechengang* gang = nullptr);

// The buckling curve of a rolled I or H section after Table 6.2 from its
// height h, flange width b and flange thickness tf (mm), for buckling about
// the strong axis y-y or the weak axis z-z, in S460 or another grade.
int knicklinie_gewalzt(double h, double b, double tf, bool starke_achse, bool s460);
