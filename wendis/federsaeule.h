// A stack of equal disc springs: i packets in series, each of n springs
// nested in parallel, from the single spring computed after DIN 2093.
// Friction between nested springs and at the edges is not included.
// Plain C++.
#pragma once
#include "tellerfeder.h"

struct SaeulenErgebnis {
    double F_ges, s_ges, L0_ges, L_ges, W_ges; // N, mm, mm, mm, mJ
};

// nullptr when i and n are whole numbers from 1; else the text of the
// refusal (marked, not translated).
const char* federsaeule_verweigerung(double i, double n);

// The stack at the single spring's deflection e.s (r computed from e); with
// a KvRechengang, also writes down every step.
SaeulenErgebnis federsaeule_berechnen(const TellerEingabe& e, const TellerErgebnis& r, double i,
                                      double n, KvRechengang* gang = nullptr);

// Force of the stack at the stack's deflection s_ges: n F(s_ges / i).
double federsaeule_kraft(const TellerEingabe& e, const TellerErgebnis& r, double i, double n,
                         double s_ges);
