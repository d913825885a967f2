// The diagrams of all five calculators with their window defaults, by name,
// for the tests and the reference pictures of the diagram files.
#pragma once
#include "gleitlager_diagramm.h"
#include "knickung_diagramm.h"
#include "kupplung_diagramm.h"
#include "schraube_diagramm.h"
#include "tellerfeder_diagramm.h"

#include <map>
#include <string>

inline Diagramm stalor_vorgaben()
{
    const KnickEingabe e{3500, 229, 78.54, 490.87, 206000, 500, 7, KNICKFALL_1};
    return knickung_diagramm(e, knickung_berechnen(e));
}

// The diagrams of all five calculators with their window defaults.
inline std::map<std::string, Diagramm> alle_diagramme()
{
    std::map<std::string, Diagramm> d;
    d["stalor"] = stalor_vorgaben();
    const double g[9] = {12, 1.75, 2870, 24948, 0, 5, 1.6, 0.12, 0.12};
    double s[19] = {12, 30, 9.853, 12};
    s[18] = 210000;
    const double p[13] = {210000, 42, 210000, 0, 210000, 0, 210000, 0, 13.5, 18, 14.5, 80, 0.3};
    const SchraubeEingabe se = schraube_eingabe(g, s, p, 8, 0, 0);
    d["tarvex"] = schraube_diagramm(se, schraube_berechnen(se));
    const KupplungEingabe ke{15325, 4000, 16000, 350, 0, 350, 200, 76, 80, 0.23069};
    d["kopdra"] = kupplung_diagramm(ke, kupplung_tk_gegeben(ke));
    d["kopdra_gesucht"] = kupplung_diagramm_gesucht(ke, kupplung_tk_gesucht(ke));
    const LagerEingabe le{36000, 2000, 120, 60, 0.12, 0.005, 5, 27, 5, 58, 78, 0.000011,
                          0.000023, SCHMIERLOCH_GEGENUEBER, EPS_ITERATIV};
    d["lupran"] = gleitlager_diagramm(le, gleitlager_berechnen(le));
    const TellerEingabe te{100, 206000, 50, 0.3, 1, 1, 1};
    d["wendis"] = tellerfeder_diagramm(te, tellerfeder_berechnen(te), 0, 1);
    return d;
}
