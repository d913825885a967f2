// The disc-spring calculator's fields, plot range and results, and its
// computation and report from the values as read.
#include "federsaeule.h"
#include "tellerfeder_diagramm.h"
#include "tellerfeder.h"
#include "sprache.h"

TellerEingabe tellerfeder_eingabe(const double v[7])
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

TellerEingabe tellerfeder_eingabe(const KvStand& s) { return tellerfeder_eingabe(s.werte); }

namespace {

// The addition the window offers from its menu: a stack of these springs.
const char* const SAEULE = N_("Federsaeule");

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const double i = s.werte[TELLER_I], n = s.werte[TELLER_N];
    if (const char* nein = federsaeule_verweigerung(i, n)) {
        rechnung.status = KvStatus::verweigert;
        rechnung.meldung = nein;
        return;
    }
    const TellerEingabe e = tellerfeder_eingabe(s);
    const TellerErgebnis r = tellerfeder_berechnen(e);
    const SaeulenErgebnis g = federsaeule_berechnen(e, r, i, n);
    const double werte[11] = {r.F, r.sig1, r.W, r.sig2, r.sigom, r.sig3,
                              g.F_ges, g.s_ges, g.L0_ges, g.L_ges, g.W_ges};
    for (int j = 0; j < 11; ++j)
        rechnung.ergebnisse[j] = werte[j];
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    const TellerEingabe e = tellerfeder_eingabe(s);
    const TellerErgebnis r = tellerfeder_berechnen(e, &gang);
    // The stack's steps belong to the addition.
    gang.rahmen = SAEULE;
    federsaeule_berechnen(e, r, s.werte[TELLER_I], s.werte[TELLER_N], &gang);
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    return tellerfeder_bericht(s.werte, rechnung.ergebnisse);
}

// The spring's fields two to a row, the plot range's two in one row, the
// stack's one below the other.
KvZelle zelle(int i)
{
    return i < TELLER_S1 ? KvZelle{i / 2, i % 2} : i < TELLER_I ? KvZelle{0, i - TELLER_S1}
                                                               : KvZelle{i - TELLER_I, 0};
}

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
    }},
    {SAEULE, {
        {"i", N_("Federn in Reihe i / 1"), "1", "1"},
        {"n", N_("Federn parallel je Paket n / 1"), "1", "1"},
    }}}),
    .optionen = {},
    .ergebnisse = kv_rahmenweise<KvAusgabe>({{"", {
        {"F", N_("Federkraft F / N"), "N", "%10.6lf"},
        {"sig1", N_("Spannung 1 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"W", N_("Arbeit W / mJ"), "mJ", "%10.6lf"},
        {"sig2", N_("Spannung 2 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"sigom", N_("Spannung OM / (N/mm^2)"), "N/mm^2", "%10.6lf"},
        {"sig3", N_("Spannung 3 / (N/mm^2)"), "N/mm^2", "%10.6lf"},
    }}, {SAEULE, {
        {"F_ges", N_("Kraft der Saeule F_ges / N"), "N", "%10.6lf"},
        {"s_ges", N_("Federweg der Saeule s_ges / mm"), "mm", "%10.6lf"},
        {"L0_ges", N_("unbelastete Laenge der Saeule L0_ges / mm"), "mm", "%10.6lf"},
        {"L_ges", N_("Laenge der Saeule L_ges / mm"), "mm", "%10.6lf"},
        {"W_ges", N_("Arbeit der Saeule W_ges / mJ"), "mJ", "%10.6lf"},
    }}}),
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
    .zusatz = {SAEULE, N_("_Federsaeule..."),
               N_("Reihen- und Parallelschichtung von Tellerfedern ohne Reibung: "
                  "F_ges = n F, s_ges = i s, L0_ges = i (l0 + (n - 1) t) mit l0 = t + h0 "
                  "(Tellerfederhersteller, surisa.es, \"Series and parallel stacking of disc "
                  "springs\"; Handbuch eines Herstellers, iecltd.co.uk, \"stacks in parallel\" "
                  "und \"stacks from spring sets\"); W_ges = i n W, die Arbeit von i n "
                  "Einzelfedern; Federpaket (parallel) und Federsaeule (in Reihe) nach EN 16984."),
               N_("Ohne Reibung zwischen geschichteten Federn und an den Auflagerraendern: "
                  "die wirkliche Kraft der Saeule weicht beim Be- und Entlasten davon ab.")},
};
