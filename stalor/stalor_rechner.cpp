// The buckling calculator's fields, case selection and results, and its
// computation and report from the values as read.
#include "knickung_diagramm.h"
#include "knickung.h"
#include "sprache.h"

KnickEingabe knickung_eingabe(const KvStand& s)
{
    const double* v = s.werte;
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], KNICKFALL_1 + s.optionen[0]};
}

namespace {

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const KnickErgebnis r = knickung_berechnen(knickung_eingabe(s));
    const double werte[7] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                             r.sig_druck, r.sig_druck_zul, r.F_max_zul};
    for (int j = 0; j < 7; ++j)
        rechnung.ergebnisse[j] = werte[j];
    rechnung.hinweise[0] = r.knickung;
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    knickung_berechnen(knickung_eingabe(s), &gang);
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    return knickung_bericht(s.werte, KNICKFALL_1 + s.optionen[0], rechnung.ergebnisse,
                            rechnung.hinweise[0]);
}

// Force, length and area down the left pair of columns, moment of inertia,
// modulus and yield point down the right; the safety below on the left.
KvZelle zelle(int i) { return i == 6 ? KvZelle{3, 0} : KvZelle{i % 3, i / 3}; }

} // namespace

const KvRechner stalor_rechner = {
    .name = "stalor",
    .titel = N_("Knickung von Bauteilen"),
    .eingaben = kv_rahmenweise<KvEingabe>({{N_("Geometrie"), {
        {"F", N_("Kraft F / N"), "N", "3500"},
        {"l1", N_("Knicklaenge L1 / mm"), "mm", "229"},
        {"A", N_("Flaeche A / mm^2"), "mm^2", "78.54"},
        {"I", N_("Flaechentraegheitsmoment I / mm^4"), "mm^4", "490.87"},
        {"E", N_("E-Modul E / (N/mm^2)"), "N/mm^2", "206000"},
        {"Re", N_("Streckgrenze Re / (N/mm^2)"), "N/mm^2", "500"},
        {"S", N_("Sicherheit / 1"), "1", "7"},
    }}}),
    .optionen = kv_rahmenweise<KvOption>({{N_("Auswahl"), {
        {"Knickfall", N_("Knickfall"), {"1", "2", "3", "4"},
         {N_("Knickfall 1 (eingespannt/frei)"), N_("Knickfall 2 (gelenkig/gelenkig)"),
          N_("Knickfall 3 (eingespannt/gelenkig)"), N_("Knickfall 4 (eingespannt/eingespannt)")}},
    }}}),
    .ergebnisse = {
        {"fkl", N_("freie Knicklaenge / mm"), "mm", "%7.5lf"},
        {"thr", N_("Traegheitsradius / mm"), "mm", "%7.5lf"},
        {"lambda", N_("Schlankheitsgrad / 1"), "1", "%7.5lf"},
        {"lambda_grenz", N_("Grenzschlankheitsgrad / 1"), "1", "%7.5lf"},
        {"sig_druck", N_("Druckspannung / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"sig_druck_zul", N_("zul. Druckspannung / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"F_max_zul", N_("zul. Maximalkraft / N"), "N", "%7.5lf"},
    },
    .hinweise = {{"Knickung", N_("Knickung?")}},
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = N_("nach Euler und Tetmajer"),
    .rechengang = rechengang,
    .zelle = zelle,
    .thema = N_("Knickung"),
    .beispiele = {
        "F=5000 Knickfall=2",
        "--variiere l1=100:400:31 --format csv",
        "--suche l1 F_max_zul=2000",
        "--katalog \"ipe:IPE 200\" --katalog baustahl:S235 l1=4000",
    },
    .diagramm = stalor_diagramm,
    .kataloge = stalor_kataloge,
};
