// Engagement of a shiftable friction clutch between a driving inertia and a
// load inertia, coupled by a constant slipping torque.  Plain C++, no GTK.
#pragma once
#include "rechner.h"

#include <string>

// Modes: clutch torque given, or clutch torque sought for a slip time.
enum { TK_GEGEBEN = 200, TK_GESUCHT = 300 };

struct KupplungEingabe {
    double TA, TL, TK;      // Nm
    double n10, n20, nL, Z; // 1/min, 1/min, 1/min, 1/h
    double JAN, JL;         // kgm^2
    double tb;              // s, slip time (TK sought)
};

// TK given: slip time, synchronous speed, time tB to tC, friction work,
// friction heat per hour, run-up time.
struct KupplungGegeben {
    double tb, n12, tctb, wr, pv, tct0;
};

// With a KvRechengang, each also writes down its steps and the mode.
KupplungGegeben kupplung_tk_gegeben(const KupplungEingabe& e, KvRechengang* gang = nullptr);
// TK sought: the clutch torque that synchronises both sides after tb.
double kupplung_tk_gesucht(const KupplungEingabe& e, KvRechengang* gang = nullptr);

// Report of the last computation in the given mode, from the values as read
// (drehmomente TA TL TK, drehzahlen n10 n20 nL Z, drehmassen JA JL,
// beschleunigung tB) and the seven result slots.
std::string kupplung_bericht(int window_status, const double d_box_drehmomente[3],
                             const double d_box_drehzahlen[4], const double d_box_drehmassen[2],
                             const double d_box_beschleunigung[1],
                             const double d_box_ergebnisse[7]);

// Fields, mode, results and computation of the clutch calculator.
extern const KvRechner kopdra_rechner;
// The clutch as the fields hold it (fields the mode does not read are 0).
KupplungEingabe kupplung_eingabe(const KvStand& s);
// Whether the clutch torque is sought.
inline bool kupplung_tk_gesucht_gewaehlt(const KvStand& s) { return s.optionen[0] == 1; }
