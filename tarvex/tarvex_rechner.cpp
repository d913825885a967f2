// The bolted-joint calculator's fields, options and results, and its
// computation and report from the values as read.
#include "schraube_diagramm.h"
#include "schraube.h"
#include "sprache.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Where the window's three groups start among the fields.
constexpr int QUALITAET = 9, SCHRAUBE = 10, PLATTE = 29;

} // namespace

SchraubeEingabe schraube_eingabe(const KvStand& s)
{
    return schraube_eingabe(s.werte, s.werte + SCHRAUBE, s.werte + PLATTE,
                            festigkeitsklasse(s.texte[QUALITAET].c_str()), s.optionen[0],
                            s.optionen[1]);
}

namespace {

int stat_dehns(const KvStand& s) { return s.optionen[0] == 1 ? 900 : 902; }
int stat_schgs(const KvStand& s) { return s.optionen[1] == 1 ? 901 : 902; }

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const SchraubeEingabe e = schraube_eingabe(s);
    if (e.iqu == 0) {
        rechnung.status = KvStatus::verweigert;
        rechnung.meldung = schraube_klassen_meldung;
        return;
    }
    const SchraubeErgebnis r = schraube_berechnen(e);
    const std::array<double, 20> w = schraube_ergebnisfelder(r);
    std::copy(w.begin(), w.end(), rechnung.ergebnisse);
}

// The same computation once more, this time writing down its working.
void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    const SchraubeEingabe e = schraube_eingabe(s);
    if (e.iqu != 0)
        schraube_berechnen(e, &gang);
}

// "3 bis 9", "2, 4", "2, 5 bis 7": runs of three and more as a range.
std::string nummern(const std::vector<int>& n)
{
    std::string t;
    for (std::size_t i = 0; i < n.size();) {
        std::size_t j = i;
        while (j + 1 < n.size() && n[j + 1] == n[j] + 1)
            ++j;
        t += t.empty() ? "" : ", ";
        if (j >= i + 2)
            t += kv_einsetzen(_("{1} bis {2}"), {std::to_string(n[i]), std::to_string(n[j])});
        else if (j == i + 1)
            t += std::to_string(n[i]) + ", " + std::to_string(n[j]);
        else
            t += std::to_string(n[i]);
        i = j + 1;
    }
    return t;
}

// A section without diameter and length, a plate without thickness: the
// row adds nothing to the joint.
KvNichtBelegt nicht_belegt(const KvStand& s)
{
    KvNichtBelegt b;
    std::vector<int> abschnitte, platten;
    for (int k = 1; k <= 9; ++k) {
        const int di = SCHRAUBE + 2 * k - 2;
        if (s.werte[di] == 0 && s.werte[di + 1] == 0) {
            abschnitte.push_back(k);
            b.felder.insert(b.felder.end(), {di, di + 1});
        }
    }
    for (int k = 1; k <= 4; ++k) {
        const int Epi = PLATTE + 2 * k - 2;
        if (s.werte[Epi + 1] == 0) {
            platten.push_back(k);
            b.felder.insert(b.felder.end(), {Epi, Epi + 1});
        }
    }
    auto zeile = [&b](const std::vector<int>& n, const char* einer, const char* mehrere) {
        if (n.empty())
            return;
        b.text += (b.text.empty() ? "" : "; ")
                + kv_einsetzen(_(n.size() == 1 ? einer : mehrere), {nummern(n)});
    };
    zeile(abschnitte, N_("Abschnitt {1} (di = li = 0)"), N_("Abschnitte {1} (di = li = 0)"));
    zeile(platten, N_("Platte {1} (lpi = 0)"), N_("Platten {1} (lpi = 0)"));
    return b;
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    double g[10];
    std::copy(s.werte, s.werte + 9, g);
    g[9] = klassen_zahl(schraube_eingabe(s).iqu);
    return schraube_bericht(g, s.werte + SCHRAUBE, s.werte + PLATTE, stat_dehns(s),
                            stat_schgs(s), rechnung.ergebnisse);
}

std::vector<KvEingabe> eingaben()
{
    const std::vector<KvEingabe> geometrie = {
        {"d", N_("Nenndurchmesser d / mm"), "mm", "12"},
        {"P", N_("Steigung P / mm"), "mm", "1.75"},
        {"FK", N_("Min. Klemmkraft FK / N"), "N", "2870"},
        {"FAo", N_("max. Betriebskraft FAo / N"), "N", "24948"},
        {"FAu", N_("min. Betriebskraft FAu / N"), "N", "0"},
        {"fZ", N_("Setzbetrag fZ / ym"), "ym", "5"},
        {"alfaA", N_("Anziehfaktor alphaA / 1"), "1", "1.6"},
        {"myG", N_("Reibwert Gewinde yG / 1"), "1", "0.12"},
        {"myK", N_("Reibwert Kopf yK / 1"), "1", "0.12"},
        {"Qualitaet", N_("Qualitaet"), "", "12.9", true,
         {"4.6", "4.8", "5.6", "5.8", "6.8", "8.8", "10.9", "12.9"}},
    };
    // The bolt's sections, row by row: diameter and length.
    std::vector<KvEingabe> e;
    static const char* const di[9] = {"di1", "di2", "di3", "di4", "di5", "di6", "di7", "di8", "di9"};
    static const char* const li[9] = {"li1", "li2", "li3", "li4", "li5", "li6", "li7", "li8", "li9"};
    static const char* const schaft[4] = {"12", "30", "9.853", "12"};
    for (int k = 0; k < 9; ++k) {
        e.push_back({di[k], N_("di / mm"), "mm", k < 2 ? schaft[2 * k] : "0"});
        e.push_back({li[k], N_("li / mm"), "mm", k < 2 ? schaft[2 * k + 1] : "0"});
    }
    e.push_back({"Es", N_("E-Modul / (N/mm^2)"), "N/mm^2", "210000"});
    const std::vector<KvEingabe> schraube = std::move(e);
    // The plates, row by row: modulus and thickness.
    e.clear();
    static const char* const Epi[4] = {"Epi1", "Epi2", "Epi3", "Epi4"};
    static const char* const lpi[4] = {"lpi1", "lpi2", "lpi3", "lpi4"};
    for (int k = 0; k < 4; ++k) {
        e.push_back({Epi[k], N_("Epi / (N/mm^2)"), "N/mm^2", "210000"});
        e.push_back({lpi[k], N_("lpi / mm"), "mm", k == 0 ? "42" : "0"});
    }
    e.insert(e.end(), {
        {"DB", N_("Bohrung DB / mm"), "mm", "13.5"},
        {"DK", N_("Kopfauflaged. DK / mm"), "mm", "18"},
        {"DF", N_("Fasendurchmessser DF / mm"), "mm", "14.5"},
        {"DA", N_("Aussend. DA / mm"), "mm", "80"},
        {"n", N_("Krafteinleitungsfaktor n / 1"), "1", "0.3"},
    });
    return kv_rahmenweise<KvEingabe>({{N_("Geometrie und Werkstoffdaten"), geometrie},
                                      {N_("Nachgiebigkeit der Schraube"), schraube},
                                      {N_("Nachgiebigkeit der Platte"), e}});
}

// The geometry one below the other.  A bolt section's di and li, a plate's
// Epi and lpi side by side under their column heads, a row each; the
// modulus of the bolt and the plates' further fields below them, caption
// beside field.
KvZelle zelle(int i)
{
    if (i < SCHRAUBE)
        return {i, 0};
    const bool schraube = i < PLATTE;
    const int j = i - (schraube ? SCHRAUBE : PLATTE), zeilen = schraube ? 9 : 4;
    if (j < 2 * zeilen)
        return {j / 2 + 1, j % 2, true};
    return {j - zeilen + 1, 0};
}

} // namespace

const KvRechner tarvex_rechner = {
    .name = "tarvex",
    .titel = N_("Schraubenberechnung nach VDI 2230"),
    .eingaben = eingaben(),
    .optionen = kv_rahmenweise<KvOption>({{N_("Auswahl"), {
        {"Dehnschraube", N_("Dehnschraube"), {"nein", "ja"}, {}},
        {"schlussgerollt", N_("Schraube schlussgerollt"), {"nein", "ja"}, {}},
    }}}),
    .ergebnisse = {
        {"PhiK", N_("Kraftverhaeltnis PhiK"), "1", "%7.5g"},
        {"deltas", N_("Nachgiebigkeit der Schraube / (mm/N)"), "mm/N", "%7.5g"},
        {"deltap", N_("Nachgiebigkeit der Platte / (mm/N)"), "mm/N", "%7.5g"},
        {"Siga", N_("Ausschl. Sp. / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"SigA", N_("zul. Ausschlag. / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"Sigsa", N_("Sp. Diff / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"FSmax", N_("FS max / N"), "N", "%7.5lf"},
        {"Sigmax", N_("Sig max / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"pP", N_("pP / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"Rp", N_("Rp0.2 / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"Rm", N_("Rm / (N/mm^2)"), "N/mm^2", "%7.5lf"},
        {"Fp02", N_("Fp0.2 / N"), "N", "%7.5lf"},
        {"FBruch", N_("F Bruch / N"), "N", "%7.5lf"},
        {"FZ", N_("Kraftv. Setz. FZ / N"), "N", "%7.5lf"},
        {"FSA", N_("S-Zusatzkraft FSA / N"), "N", "%7.5lf"},
        {"FPA", N_("F. Entl. Kraft FPA / N"), "N", "%7.5lf"},
        {"FMmax", N_("Montagek. FM max / N"), "N", "%7.5lf"},
        {"MA", N_("Anziehm. MA / Nm"), "Nm", "%7.5lf"},
        {"Fm", N_("Mittelkraft / N"), "N", "%7.5lf"},
        {"Fa", N_("Ausschlagkraft / N"), "N", "%7.5lf"},
    },
    .hinweise = {},
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = N_("nach VDI 2230"),
    .rechengang = rechengang,
    .nicht_belegt = nicht_belegt,
    .zelle = zelle,
    .thema = N_("Schraubenverbindungen"),
    .beispiele = {
        "--diagramm verspannung.svg --groesse 1000x600",
        "--nachweis nachweis.pdf --projekt \"Flansch 3\" --bearbeiter \"A. Muster\"",
        "--eingaben-schreiben mein.tarvex",
        "--eingaben mein.tarvex d=16",
        "--katalog regelgewinde:M16 --katalog bohrung_mittel:M16",
    },
    .diagramm = tarvex_diagramm,
    .kataloge = tarvex_kataloge,
};
