// The buckling calculator's fields, case selection and results, and its
// computation and report from the values as read.
#include "biegeknicken.h"
#include "knickung_diagramm.h"
#include "knickung.h"
#include "sprache.h"

KnickEingabe knickung_eingabe(const KvStand& s)
{
    const double* v = s.werte;
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], KNICKFALL_1 + s.optionen[0]};
}

namespace {

// The addition the window offers from its menu: the member check against
// flexural buckling.
const char* const EN1993 = N_("Nachweis nach EN 1993-1-1");

// The strut of the window with the free buckling length it computed, the
// addition's curve and partial factor.
BiegeknickEingabe biegeknick_eingabe(const KvStand& s, const KnickEingabe& e, const KnickErgebnis& r)
{
    return {e.F, e.A, e.I, e.E, e.Re, r.fkl, s.optionen[1], s.werte[7]};
}

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const KnickEingabe e = knickung_eingabe(s);
    const KnickErgebnis r = knickung_berechnen(e);
    const BiegeknickErgebnis b = biegeknicken_berechnen(biegeknick_eingabe(s, e, r));
    if (b.verweigert) {
        rechnung.status = KvStatus::verweigert;
        rechnung.meldung = b.verweigert;
        return;
    }
    const double werte[13] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                              r.sig_druck, r.sig_druck_zul, r.F_max_zul,
                              b.Ncr, b.lambda_quer, b.Phi, b.chi, b.Nb_Rd, b.Ausnutzung};
    for (int j = 0; j < 13; ++j)
        rechnung.ergebnisse[j] = werte[j];
    rechnung.hinweise[0] = r.knickung;
    rechnung.hinweise[1] = b.hinweis;
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    const KnickEingabe e = knickung_eingabe(s);
    const KnickErgebnis r = knickung_berechnen(e, &gang);
    gang.rahmen = EN1993;
    biegeknicken_berechnen(biegeknick_eingabe(s, e, r), &gang);
    gang.rahmen = "";
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    return knickung_bericht(s.werte, KNICKFALL_1 + s.optionen[0], rechnung.ergebnisse,
                            rechnung.hinweise[0]);
}

// Force, length and area down the left pair of columns, moment of inertia,
// modulus and yield point down the right; the safety below on the left.
// The addition's partial factor stands in a frame of its own.
KvZelle zelle(int i) { return i > 6 ? KvZelle{} : i == 6 ? KvZelle{3, 0} : KvZelle{i % 3, i / 3}; }

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
    }}, {EN1993, {
        {"gammaM1", N_("Teilsicherheitsbeiwert gammaM1 / 1"), "1", "1.0"},
    }}}),
    .optionen = kv_rahmenweise<KvOption>({{N_("Auswahl"), {
        {"Knickfall", N_("Knickfall"), {"1", "2", "3", "4"},
         {N_("Knickfall 1 (eingespannt/frei)"), N_("Knickfall 2 (gelenkig/gelenkig)"),
          N_("Knickfall 3 (eingespannt/gelenkig)"), N_("Knickfall 4 (eingespannt/eingespannt)")}},
    }}, {EN1993, {
        {"Knicklinie", N_("Knicklinie"), {"a0", "a", "b", "c", "d"},
         {N_("Knicklinie a0"), N_("Knicklinie a"), N_("Knicklinie b"), N_("Knicklinie c"),
          N_("Knicklinie d")}, KNICKLINIE_C},
    }}}),
    .ergebnisse = kv_rahmenweise<KvAusgabe>({{"", {
        {"fkl", N_("freie Knicklaenge / mm"), "mm", "%7.5lf"},
        {"thr", N_("Traegheitsradius / mm"), "mm", "%7.5lf"},
        {"lambda", N_("Schlankheitsgrad / 1"), "1", "%7.5lf"},
        {"lambda_grenz", N_("Grenzschlankheitsgrad / 1"), "1", "%7.5lf"},
        {"sig_druck", N_("Druckspannung / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"sig_druck_zul", N_("zul. Druckspannung / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"F_max_zul", N_("zul. Maximalkraft / N"), "N", "%7.5lf"},
    }}, {EN1993, {
        {"Ncr", N_("ideale Verzweigungslast Ncr / N"), "N", "%7.5lf"},
        {"lambda_quer", N_("bezogener Schlankheitsgrad lambda_quer / 1"), "1", "%7.5lf"},
        {"Phi", N_("Hilfswert Phi / 1"), "1", "%7.5lf"},
        {"chi", N_("Abminderungsbeiwert chi / 1"), "1", "%7.5lf"},
        {"Nb_Rd", N_("Biegeknickwiderstand Nb_Rd / N"), "N", "%7.5lf"},
        {"Ausnutzung", N_("Ausnutzung F / Nb_Rd / 1"), "1", "%7.5lf"},
    }}}),
    .hinweise = kv_rahmenweise<KvHinweis>({{"", {{"Knickung", N_("Knickung?")}}},
                                           {EN1993, {{"Biegeknicken", N_("Biegeknicken?")}}}}),
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
    .zusatz = {EN1993, N_("_Nachweis nach EN 1993-1-1..."),
               N_("EN 1993-1-1:2005, 6.3.1: Ncr = pi^2 E I / fkl^2, lambda_quer = sqrt(A Re / Ncr) (6.50), "
                  "Phi und chi (6.49), Nb_Rd = chi A Re / gammaM1 (6.47), Ausnutzung F / Nb_Rd; "
                  "Vernachlaessigung nach 6.3.1.2 (4); Imperfektionsbeiwerte alpha nach Tabelle 6.1, Knicklinien gewalzter "
                  "I-Profile nach Tabelle 6.2. Geprueft am Berechnungsbeispiel A.5 (Stuetze HE 300 B, "
                  "S235) aus \"Steel Buildings in Europe, Multi-Storey Steel Buildings, Detailed Design\": "
                  "https://infosteel.eu/images/Steel-Buildings-in-Europe/MSB04/105"),
               N_("Nur Biegeknicken um die Achse von I mit Re als fy, Querschnittsklasse 1 bis 3; "
                  "Drillknicken, Biegedrillknicken und Biegung bleiben unberuecksichtigt.")},
};
