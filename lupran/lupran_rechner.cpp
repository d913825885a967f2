// The plain-bearing calculator's fields, options and results, and its
// computation and report from the values as read.
#include "gleitlager_diagramm.h"
#include "gleitlager.h"
#include "sprache.h"

#include <algorithm>

LagerEingabe gleitlager_eingabe(const KvStand& s)
{
    return gleitlager_eingabe(s.werte, SCHMIERLOCH_GEGENUEBER + s.optionen[0],
                              s.optionen[1] == 1 ? EPS_DIREKT : EPS_ITERATIV);
}

namespace {

LagerErgebnis lager(const KvStand& s) { return gleitlager_berechnen(gleitlager_eingabe(s)); }

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const LagerErgebnis r = lager(s);
    if (r.abbruch != LagerAbbruch::keiner) {
        rechnung.status = KvStatus::verweigert;
        rechnung.meldung = gleitlager_abbruch_text(r.abbruch);
        return;
    }
    const std::array<double, 17> werte = gleitlager_ergebnisfelder(r);
    std::copy(werte.begin(), werte.end(), rechnung.ergebnisse);
    rechnung.hinweise[0] = gleitlager_eps_beschriftung(r.iter);
    rechnung.hinweise[1] = gleitlager_reynolds_text(r);
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    // The bisection count and the Reynolds verdict of this computation.
    const LagerErgebnis r = lager(s);
    const LagerEingabe e = gleitlager_eingabe(s);
    return gleitlager_bericht(s.werte, e.radio_status, e.check_status, r.iter,
                              rechnung.ergebnisse, gleitlager_reynolds_erfuellt(r));
}

// The same computation once more, this time writing down its working.
void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    gleitlager_berechnen(gleitlager_eingabe(s), &gang);
}

// Inputs 0-6 down the left pair of columns, 7-12 down the right.
KvZelle zelle(int i) { return {i % 7, i / 7}; }

} // namespace

const KvRechner lupran_rechner = {
    .name = "lupran",
    .titel = N_("Radial-Gleitlager-Berechnung nach DIN 31652"),
    .eingaben = kv_rahmenweise<KvEingabe>({{N_("Geometrie und Werkstoffdaten"), {
        {"f", N_("Kraft F / N"), "N", "36000"},
        {"rn", N_("Drehzahl / (1/min)"), "1/min", "2000"},
        {"d", N_("Durchmesser / mm"), "mm", "120"},
        {"b", N_("Breite / mm"), "mm", "60"},
        {"s", N_("Lagerspiel / mm"), "mm", "0.12"},
        {"h0lim", N_("h0 Limit / mm"), "mm", "0.005"},
        {"dh", N_("dh bzw. dG / mm"), "mm", "5"},
        {"eta", N_("dynamische Viskositaet / mPa s"), "mPa s", "27"},
        {"pe", N_("Oeldruck / bar"), "bar", "5"},
        {"tein", N_("Oeleintrittstemperatur / Grad C"), "Grad C", "58"},
        {"taus", N_("Oelaustrittstemperatur / Grad C"), "Grad C", "78"},
        {"a1s", N_("alpha Welle / (1/K)"), "1/K", "0.000011"},
        {"a1b", N_("alpha Lager / (1/K)"), "1/K", "0.000023"},
    }}}),
    .optionen = kv_rahmenweise<KvOption>({{N_("Auswahl"), {
        {"Oelzufuhr", N_("Oelzufuhr"), {"1", "2", "3"},
         {N_("Schmierloch gegenueber der Last"), N_("Schmierloch 90 Grad zur Last"), N_("Ringnut")}},
        {"eps_direkt", N_("Eps direkt berechnen"), {"nein", "ja"}, {}},
    }}}),
    .ergebnisse = {
        {"bd", N_("Breite/Durchmesser BD / 1"), "1", "%7.5lf"},
        {"u", N_("Geschwindigkeit u / (m/s)"), "m/s", "%7.5lf"},
        {"pq", N_("Flaechenpressung p / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"brz", N_("my/psi / 1"), "1", "%7.5lf"},
        {"pf", N_("Po / W"), "W", "%7.5lf"},
        {"t2", N_("Oelaustrittstemperatur / Grad C"), "Grad C", "%7.5lf"},
        {"psi", N_("psi / 1"), "1", "%7.5lf"},
        {"so", N_("Sommerfeld-Zahl So / 1"), "1", "%7.5lf"},
        {"eps", N_("eps / 1"), "1", "%7.5lf"},
        {"Q1", N_("Oelmenge Q1 / (cm^3/s)"), "cm^3/s", "%7.5lf"},
        {"Q2", N_("Oelmenge Q2 / (cm^3/s)"), "cm^3/s", "%7.5lf"},
        {"Q", N_("Oelmenge Q / (cm^3/s)"), "cm^3/s", "%7.5lf"},
        {"beta", N_("beta / Grad"), "Grad", "%7.5lf"},
        {"h0", N_("h0 / mm"), "mm", "%7.5lf"},
        {"re", N_("Reynolds-Zahl / 1"), "1", "%7.5lf"},
        {"epsue", N_("eps (Uebergang) / 1"), "1", "%7.5lf"},
        {"soue", N_("Sommerfeld-Zahl (Uebergang) / 1"), "1", "%7.5lf"},
    },
    // The eps caption shows the bisection count; the verdict stands beside
    // the last result.
    .hinweise = {{"eps_beschriftung", N_("eps / 1"), "eps"}, {"Reynolds", ""}},
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = N_("nach DIN 31652"),
    .rechengang = rechengang,
    .zelle = zelle,
    .thema = N_("Radial-Gleitlager"),
    .beispiele = {
        "--format json",
    },
    .diagramm = lupran_diagramm,
    .kataloge = lupran_kataloge,
};
