// A round bar in torsion, solid or hollow: polar second moment of area,
// polar section modulus, torsional spring rate, angle of twist and the
// greatest shear stress at the surface, checked against an admissible
// stress.  The formulas of the elastic torsion of circular shafts
// (Gere/Timoshenko, Mechanics of Materials, ch. 3; Roark's Formulas for
// Stress and Strain, table 10.1, cases 1 and 10).  A calculator of the test
// build only.  Plain C++.
#pragma once
#include "rechner.h"

#include <string>

struct DrehstabEingabe {
    double T;       // torque, Nm
    double l;       // length between the ends twisted, mm
    double d;       // outer diameter, mm
    double di;      // inner diameter of a hollow bar, mm
    double G;       // shear modulus, N/mm^2
    double tau_zul; // admissible shear stress, N/mm^2
    bool hohl;
};

struct DrehstabErgebnis {
    double Ip;  // mm^4
    double Wp;  // mm^3
    double c;   // Nm/rad
    double phi; // degrees
    double tau; // N/mm^2
};

// With a KvRechengang, also writes down every step and the check.
DrehstabErgebnis drehstab_berechnen(const DrehstabEingabe& e, KvRechengang* gang = nullptr);
// The report text of a computation.
std::string drehstab_bericht(const DrehstabEingabe& e, const DrehstabErgebnis& r);

extern const KvRechner drillstab_rechner;
DrehstabEingabe drehstab_eingabe(const KvStand& s);
// Torque over angle of twist up to a quarter beyond the working point.
bool drillstab_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
