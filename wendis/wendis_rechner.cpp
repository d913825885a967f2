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
    .titel = N_("Berechung von Tellerfedern nach DIN 2093"),
    .eingaben = kv_rahmenweise<KvEingabe>({
    {N_("Geometrie und Werkstoffdaten"), {
        {"De", N_("Aussendurchmesser De / mm"), "mm", "100"},
        {"E", N_("E-Modul E / (N/mm^2)"), "N/mm^2", "206000"},
        {"Di", N_("Innendurchmesser Di / mm"), "mm", "50"},
        {"nue", N_("Querkontraktionszahl nue"), "1", "0.3"},
        {"t", N_("Dicke t / mm"), "mm", "1"},
        {"h0", N_("Stuelphoehe h0 / mm"), "mm", "1"},
        {"s", N_("Federweg s / mm"), "mm", "1"},
    }},
    // The plot range, read only by "Kennlinie zeichnen".
    {N_("Federkennlinie zeichnen von - bis"), {
        {"s1", N_("Federweg von s1 / mm"), "mm", "0", false, {}, {}, false},
        {"s2", N_("Federweg bis s2 / mm"), "mm", "1", false, {}, {}, false},
    }}}),
    .optionen = {},
    .ergebnisse = {
        {"F", N_("Federkraft F / N"), "N", "%10.6lf"},
        {"sig1", N_("Spannung 1 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"W", N_("Arbeit W / mJ"), "mJ", "%10.6lf"},
        {"sig2", N_("Spannung 2 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"sigom", N_("Spannung OM / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"sig3", N_("Spannung 3 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
    },
    .hinweise = {},
    .ergebnisse_vorher = "--",
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = N_("nach DIN 2093"),
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
