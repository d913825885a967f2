// The disc-spring calculator's fields, plot range and results, and its
// computation and report from the values as read.
#include "tellerfeder_diagramm.h"
#include "tellerfeder.h"
#include "sprache.h"

TellerEingabe tellerfeder_eingabe(const double v[7])
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

TellerEingabe tellerfeder_eingabe(const KvStand& s) { return tellerfeder_eingabe(s.werte); }

namespace {

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const TellerErgebnis r = tellerfeder_berechnen(tellerfeder_eingabe(s));
    const double werte[6] = {r.F, r.sig1, r.W, r.sig2, r.sigom, r.sig3};
    for (int j = 0; j < 6; ++j)
        rechnung.ergebnisse[j] = werte[j];
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    tellerfeder_berechnen(tellerfeder_eingabe(s), &gang);
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    return tellerfeder_bericht(s.werte, rechnung.ergebnisse);
}

// The spring's fields two to a row, the plot range's two in one row.
KvZelle zelle(int i) { return i < 7 ? KvZelle{i / 2, i % 2} : KvZelle{0, i - 7}; }

} // namespace

const KvRechner wendis_rechner = {
    .name = "wendis",
    .titel = "Berechung von Tellerfedern nach DIN 2093",
    .eingaben = kv_rahmenweise<KvEingabe>({
    {"Geometrie und Werkstoffdaten", {
        {"De", "Aussendurchmesser De / mm", "mm", "100"},
        {"E", "E-Modul E / (N/mm^2)", "N/mm^2", "206000"},
        {"Di", "Innendurchmesser Di / mm", "mm", "50"},
        {"nue", "Querkontraktionszahl nue", "1", "0.3"},
        {"t", "Dicke t / mm", "mm", "1"},
        {"h0", "Stuelphoehe h0 / mm", "mm", "1"},
        {"s", "Federweg s / mm", "mm", "1"},
    }},
    // The plot range, read only by "Kennlinie zeichnen".
    {"Federkennlinie zeichnen von - bis", {
        {"s1", "Federweg von s1 / mm", "mm", "0", false, {}, {}, false},
        {"s2", "Federweg bis s2 / mm", "mm", "1", false, {}, {}, false},
    }}}),
    .optionen = {},
    .ergebnisse = {
        {"F", "Federkraft F / N", "N", "%10.6lf"},
        {"sig1", "Spannung 1 / (N/mm^2)", "N/mm^2", "%10.6lf"},
        {"W", "Arbeit W / mJ", "mJ", "%10.6lf"},
        {"sig2", "Spannung 2 / (N/mm^2)", "N/mm^2", "%10.6lf"},
        {"sigom", "Spannung OM / (N/mm^2)", "N/mm^2", "%10.6lf"},
        {"sig3", "Spannung 3 / (N/mm^2)", "N/mm^2", "%10.6lf"},
    },
    .hinweise = {},
    .ergebnisse_vorher = "--",
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = "nach DIN 2093",
    .rechengang = rechengang,
    .zelle = zelle,
    .thema = N_("Tellerfedern"),
    .beispiele = {
        "--auslegung tellerfedern_a \"F>=1000\"",
        "--suche s F=1500 --bereich 0:1 --format json",
    },
    .diagramm = wendis_diagramm,
    .diagramm_bereich = N_("die Kennlinie von s1 bis s2"),
    .kataloge = wendis_kataloge,
};
