// The built-in tables of each calculator and what their entries fill.
#include "katalog.h"
#include "oel.h"
#include "tabellen.h"

#include "gleitlager.h"
#include "zahlen.h"

#include <cstring>

void kv_eingebaute_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen);

namespace {

const std::string& zelle(const KvKatalog& k, size_t zeile, std::string_view spalte)
{
    return k.csv.zeilen[zeile][kv_csv_spalte(k.csv, spalte)];
}

double zahl(const KvKatalog& k, size_t zeile, std::string_view spalte)
{
    return kv_zahl_lesen(zelle(k, zeile, spalte).c_str());
}

bool auswahl_gesetzt(const KvKatalogLage& l, const char* option, const char* wert)
{
    const int o = kv_option_index(l.rechner, option);
    return o >= 0 && kv_optionswert_index(l.rechner.optionen[o], wert) == l.eingaben.optionen[o];
}

// Thread: d and P; the full shank's di1 = d unless the bolt is a
// reduced-shank one, the free loaded thread's di2 = d3.
bool gewinde(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
             std::string&)
{
    aus.felder = {{"d", zelle(k, z, "d_mm")}, {"P", zelle(k, z, "P_mm")}};
    if (!auswahl_gesetzt(l, "Dehnschraube", "ja"))
        aus.felder.push_back({"di1", zelle(k, z, "d_mm")});
    else
        aus.hinweis = "Dehnschraube: di1 bleibt, der Schaft ist verjuengt";
    aus.felder.push_back({"di2", zelle(k, z, "d3_mm")});
    return true;
}

// Property class: the class box; the core takes Rm and Rp0.2 from the class.
bool klasse(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
            std::string&)
{
    aus.felder = {{"Qualitaet", k.csv.zeilen[z][0]}};
    return true;
}

// One column into one field (hole series, head diameters).
bool eine_spalte(const char* feld, const KvKatalog& k, size_t z, KvKatalogEintrag& aus,
                 std::string& fehler)
{
    const std::string& w = zelle(k, z, k.spalte);
    if (w.empty()) {
        fehler = k.spalte + " ist fuer " + k.csv.zeilen[z][0] + " in keiner Quelle angegeben";
        return false;
    }
    aus.felder = {{feld, w}};
    return true;
}

bool bohrung(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
             std::string& fehler)
{
    return eine_spalte("DB", k, z, aus, fehler);
}

bool kopf(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
          std::string& fehler)
{
    return eine_spalte("DK", k, z, aus, fehler);
}

// Washer under the head: its outer diameter bears (DK), its thickness is
// one more clamped plate in the first plate row still empty.
bool scheibe(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
             std::string& fehler)
{
    const int da = kv_eingabe_index(l.rechner, "DA");
    if (da >= 0 && zahl(k, z, "d2_mm") > kv_zahl_lesen(l.eingaben.texte[da].c_str())) {
        fehler = "die Scheibe (d2 = " + zelle(k, z, "d2_mm") + " mm) ist groesser als DA";
        return false;
    }
    for (int n = 2; n <= 9; ++n) {
        const int i = kv_eingabe_index(l.rechner, "lpi" + std::to_string(n));
        if (i < 0)
            break;
        if (kv_zahl_lesen(l.eingaben.texte[i].c_str()) == 0) {
            aus.felder = {{"DK", zelle(k, z, "d2_mm")}, {l.rechner.eingaben[i].name, zelle(k, z, "h_mm")}};
            aus.hinweis = std::string("Epi") + std::to_string(n) + " bleibt: der E-Modul der Scheibe "
                          "steht in keiner Tabelle";
            return true;
        }
    }
    fehler = "keine Plattenzeile frei fuer die Scheibe";
    return false;
}

// Disc spring: its dimensions, the test deflection 0.75 h0 and the plot
// from 0 to h0.
bool tellerfeder(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
                 std::string&)
{
    aus.felder = {{"De", zelle(k, z, "De_mm")}, {"Di", zelle(k, z, "Di_mm")},
                  {"t", zelle(k, z, "t_mm")},   {"h0", zelle(k, z, "h0_mm")},
                  {"s", zelle(k, z, "s075_mm")}, {"s1", "0"},
                  {"s2", zelle(k, z, "h0_mm")}};
    return true;
}

// Section: area and the second moment of area about the axis of k.spalte.
bool profil(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
            std::string&)
{
    aus.felder = {{"A", zelle(k, z, "A_mm2")}, {"I", zelle(k, z, k.spalte)}};
    return true;
}

// Structural steel: E, and Re as ReH for the product thickness; of a rolled
// section taken before, its flange thickness tf.
bool stahl(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
           std::string& fehler)
{
    static const int bis[] = {16, 40, 63, 80, 100, 150, 200, 250};
    double dicke = 0;
    std::string von;
    for (auto w = l.vorher.rbegin(); w != l.vorher.rend() && von.empty(); ++w) {
        const KvKatalog* p = kv_katalog_finden(l.kataloge, w->tabelle);
        if (!p || p->eigene || p->zuordnung != profil)
            continue;
        von = w->bezeichnung;
        if (kv_csv_spalte(p->csv, "tf_mm") >= 0)
            dicke = zahl(*p, p->zeilen[kv_katalog_eintrag_index(*p, w->bezeichnung)], "tf_mm");
    }
    for (int b : bis) {
        if (dicke > b)
            continue;
        const std::string spalte = "ReH_t" + std::to_string(b) + "_N_mm2";
        aus.felder = {{"E", zelle(k, z, "E_N_mm2")}, {"Re", zelle(k, z, spalte)}};
        const std::string stufe = "Re = ReH fuer Erzeugnisdicken bis " + std::to_string(b) + " mm";
        if (dicke > 0)
            aus.hinweis = stufe + " (Flanschdicke tf = " + kv_kurz(dicke) + " mm von " + von + ")";
        else if (!von.empty())
            aus.hinweis = stufe + " (" + von + ": keine Flanschdicke in der Tabelle)";
        else
            aus.hinweis = stufe + " (kein Profil gewaehlt)";
        return true;
    }
    fehler = "keine Streckgrenze fuer Dicken ueber 250 mm";
    return false;
}

// The number in a field's text; false with the reason when it is none.
bool feldzahl(const KvKatalogLage& l, const char* name, double& wert, std::string& fehler)
{
    const std::string& t = l.eingaben.texte[kv_eingabe_index(l.rechner, name)];
    if (t.empty() || kv_erste_fehlstelle(t.c_str())) {
        fehler = std::string(name) + " = \"" + t + "\" ist keine Zahl";
        return false;
    }
    wert = kv_zahl_lesen(t.c_str());
    return true;
}

// Oil grade: eta = rho nu(T) at the mean of inlet and outlet temperature,
// nu(T) on the viscosity-temperature line through the grade's mid-point
// nu40 and the nu100 of the oil's data sheet; rho as the bearing assumes it.
bool oel(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
         std::string& fehler)
{
    if (l.kennwert.empty()) {
        fehler = "nu100 fehlt: die kinematische Viskositaet bei 100 Grad C aus dem Datenblatt des Oels ("
                 + k.name + ":" + k.csv.zeilen[z][0] + ":nu100=WERT)";
        return false;
    }
    const std::string n100(l.kennwert);
    if (kv_erste_fehlstelle(n100.c_str()) || kv_zahl_lesen(n100.c_str()) <= 0) {
        fehler = "nu100 = \"" + n100 + "\" ist keine positive Zahl";
        return false;
    }
    double tein = 0, taus = 0, nu = 0;
    if (!feldzahl(l, "tein", tein, fehler) || !feldzahl(l, "taus", taus, fehler))
        return false;
    const double t = (tein + taus) / 2, nu40 = zahl(k, z, "nu40_mid_mm2_s"), nu100 = kv_zahl_lesen(n100.c_str());
    std::string grund;
    if (!kv_oel_viskositaet(nu40, nu100, t, nu, grund)) {
        fehler = grund;
        return false;
    }
    const double eta = LAGER_OELDICHTE * nu / 1000; // mPa s from kg/m^3 and mm^2/s
    aus.felder = {{"eta", kv_format("%.2f", eta)}};
    double vi = 0;
    const std::string index = kv_oel_viskositaetsindex(nu40, nu100, vi, grund)
                                  ? "Viskositaetsindex " + kv_format("%.1f", vi)
                                  : "Viskositaetsindex nicht bestimmt: " + grund;
    aus.hinweis = "nu = " + kv_format("%.3f", nu) + " mm^2/s bei T = (tein + taus)/2 = " + kv_kurz(t)
                  + " Grad C nach ASTM D341 durch (40 Grad C; " + kv_kurz(nu40) + " mm^2/s) und (100 Grad C; "
                  + kv_kurz(nu100) + " mm^2/s); eta = rho nu mit rho = " + kv_kurz(LAGER_OELDICHTE)
                  + " kg/m^3, der Dichte, die die Rechnung annimmt (keine Quelle nennt die des Oels); "
                  + index;
    return true;
}

// A whole bolt: every size-dependent field at once, from the thread, the
// clearance hole and the head; the bearing annulus's inner edge DF as
// max(DB, da max) (a hole without chamfer).
bool schraube(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
              std::string& fehler)
{
    if (!gewinde(k, z, l, aus, fehler))
        return false;
    for (const char* f : {"DB", "DK", "DF"})
        aus.felder.push_back({f, zelle(k, z, f)});
    return true;
}

// The whole bolts of one head and hole series: the coarse threads that
// both tables list.
KvKatalog schrauben(const char* kopf_datei, const char* kopf_spalte, const char* bohrung_spalte,
                    const std::string& name, const std::string& titel)
{
    KvKatalog k;
    KvCsvTabelle g, b, h;
    int zeile = 0;
    std::string grund;
    kv_csv_lesen(kv_tabellentext("metric_threads_coarse.csv"), g, zeile, grund);
    kv_csv_lesen(kv_tabellentext("clearance_holes_iso273.csv"), b, zeile, grund);
    kv_csv_lesen(kv_tabellentext(kopf_datei), h, zeile, grund);
    k.csv.spalten = {"designation", "d_mm", "P_mm", "d3_mm", "DB", "DK", "DF"};
    auto wert = [](const KvCsvTabelle& t, const std::vector<std::string>& z, const char* s) {
        return z[kv_csv_spalte(t, s)];
    };
    for (const std::vector<std::string>& gz : g.zeilen)
        for (const std::vector<std::string>& bz : b.zeilen)
            for (const std::vector<std::string>& hz : h.zeilen) {
                if (bz[0] != gz[0] || hz[0] != gz[0] || wert(h, hz, kopf_spalte).empty())
                    continue;
                const std::string db = wert(b, bz, bohrung_spalte), da = wert(h, hz, "da_max_mm");
                const bool fase = !da.empty() && kv_zahl_lesen(da.c_str()) > kv_zahl_lesen(db.c_str());
                k.csv.zeilen.push_back({gz[0], wert(g, gz, "d_mm"), wert(g, gz, "P_mm"), wert(g, gz, "d3_mm"),
                                        db, wert(h, hz, kopf_spalte), fase ? da : db});
                k.zeilen.push_back(k.csv.zeilen.size() - 1);
            }
    k.name = name;
    k.titel = titel;
    k.datei = std::string("metric_threads_coarse.csv, clearance_holes_iso273.csv, ") + kopf_datei;
    k.quelle = "Zusammengesetzt aus den Tabellen der Gewinde, Durchgangsbohrungen und Koepfe; "
               "DF = max(DB, da max), eine Bohrung ohne Fase.";
    for (const KvCsvTabelle* t : {&g, &b, &h})
        for (size_t i = 0; i < t->kommentare.size(); ++i)
            k.quelle += (i ? "\n" : "\n\n") + t->kommentare[i];
    k.zuordnung = schraube;
    k.inhalt = "d, P, di1 = d, di2 = d3, DB, DK, DF";
    return k;
}

struct Eingebaut {
    const char* programm;
    const char* name;
    const char* datei;
    const char* titel;
    KvKatalogZuordnung zuordnung;
    const char* spalte;
    const char* inhalt;
};

const Eingebaut EINGEBAUT[] = {
    {"tarvex", "regelgewinde", "metric_threads_coarse.csv", "Metrisches ISO-Regelgewinde M4 bis M36",
     gewinde, "", "d, P, di1 = d, di2 = d3"},
    {"tarvex", "feingewinde", "metric_threads_fine.csv", "Metrisches ISO-Feingewinde M8x1 bis M36x3",
     gewinde, "", "d, P, di1 = d, di2 = d3"},
    {"tarvex", "festigkeitsklassen", "bolt_property_classes_iso898_1.csv",
     "Festigkeitsklassen nach ISO 898-1", klasse, "", "Qualitaet"},
    {"tarvex", "bohrung_fein", "clearance_holes_iso273.csv",
     "Durchgangsbohrungen nach ISO 273, Reihe fein", bohrung, "fine_mm", "DB"},
    {"tarvex", "bohrung_mittel", "clearance_holes_iso273.csv",
     "Durchgangsbohrungen nach ISO 273, Reihe mittel", bohrung, "medium_mm", "DB"},
    {"tarvex", "bohrung_grob", "clearance_holes_iso273.csv",
     "Durchgangsbohrungen nach ISO 273, Reihe grob", bohrung, "coarse_mm", "DB"},
    {"tarvex", "zylinderkopf", "socket_head_cap_screws_iso4762.csv",
     "Zylinderschrauben ISO 4762: Kopfdurchmesser dk", kopf, "dk_mm", "DK = dk"},
    {"tarvex", "zylinderkopf_dw", "socket_head_cap_screws_iso4762.csv",
     "Zylinderschrauben ISO 4762: kleinster Auflagedurchmesser dw", kopf, "dw_min_mm", "DK = dw min"},
    {"tarvex", "sechskantkopf", "hex_head_iso4014_iso4017.csv",
     "Sechskantschrauben ISO 4014/4017: kleinster Auflagedurchmesser dw", kopf, "dw_min_mm",
     "DK = dw min"},
    {"tarvex", "scheiben", "washers_iso7089_iso7090.csv", "Scheiben ISO 7089/7090 unter dem Kopf",
     scheibe, "", "DK = d2, h als weitere Platte"},
    {"wendis", "tellerfedern_a", "disc_springs_din2093_series_a.csv",
     "Tellerfedern DIN 2093 Reihe A", tellerfeder, "", "De, Di, t, h0, s = 0.75 h0, s1 = 0, s2 = h0"},
    {"stalor", "ipe", "sections_ipe.csv", "IPE-Traeger, Knicken um die schwache Achse", profil,
     "Iz_mm4", "A, I = Iz"},
    {"stalor", "hea", "sections_hea.csv", "HEA-Traeger, Knicken um die schwache Achse", profil,
     "Iz_mm4", "A, I = Iz"},
    {"stalor", "heb", "sections_heb.csv", "HEB-Traeger, Knicken um die schwache Achse", profil,
     "Iz_mm4", "A, I = Iz"},
    {"stalor", "ipn", "sections_ipn.csv", "IPN-Traeger, Knicken um die schwache Achse", profil,
     "Iz_mm4", "A, I = Iz"},
    {"stalor", "ipe_starke_achse", "sections_ipe.csv",
     "IPE-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
    {"stalor", "hea_starke_achse", "sections_hea.csv",
     "HEA-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
    {"stalor", "heb_starke_achse", "sections_heb.csv",
     "HEB-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
    {"stalor", "ipn_starke_achse", "sections_ipn.csv",
     "IPN-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
    {"stalor", "baustahl", "structural_steels_en10025_2.csv",
     "Baustaehle S235, S275, S355 nach EN 10025-2", stahl, "",
     "E, Re = ReH nach der Flanschdicke des zuvor gewaehlten Profils"},
    {"lupran", "oel_iso_vg", "oil_iso_vg_grades.csv",
     "Schmieroele ISO VG: eta aus nu40 der Klasse und nu100 des Datenblatts", oel, "",
     "eta = 900 kg/m^3 * nu bei (tein + taus)/2"},
};

} // namespace

void kv_eingebaute_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    for (const Eingebaut& e : EINGEBAUT) {
        if (std::strcmp(e.programm, r.name) != 0)
            continue;
        KvKatalog k;
        int zeile = 0;
        std::string grund;
        // Built in from the shipped files, which the tests read.
        if (!kv_csv_lesen(kv_tabellentext(e.datei), k.csv, zeile, grund))
            continue;
        k.name = e.name;
        k.titel = e.titel;
        for (size_t i = 0; i < k.csv.kommentare.size(); ++i)
            k.quelle += (i ? "\n" : "") + k.csv.kommentare[i];
        k.datei = e.datei;
        k.zuordnung = e.zuordnung;
        k.spalte = e.spalte;
        k.inhalt = e.inhalt;
        if (e.zuordnung == oel)
            k.kennwert = {"nu100", "kinematische Viskositaet bei 100 Grad C (Datenblatt)", "mm^2/s"};
        // Offered once per designation, and only what the field offers
        // (the class box has no 9.8).
        const int feld = e.zuordnung == klasse ? kv_eingabe_index(r, "Qualitaet") : -1;
        for (size_t i = 0; i < k.csv.zeilen.size(); ++i) {
            const std::string& b = k.csv.zeilen[i][0];
            if (kv_katalog_eintrag_index(k, b) >= 0)
                continue;
            if (feld >= 0) {
                const std::vector<const char*>& a = r.eingaben[feld].auswahl;
                bool angeboten = false;
                for (const char* w : a)
                    angeboten = angeboten || b == w;
                if (!angeboten)
                    continue;
            }
            k.zeilen.push_back(i);
        }
        tabellen.push_back(std::move(k));
    }
    if (std::strcmp(r.name, "tarvex") != 0)
        return;
    const struct {
        const char* kopf;
        const char* datei;
        const char* spalte;
        const char* art;
    } koepfe[] = {{"zylinder", "socket_head_cap_screws_iso4762.csv", "dk_mm", "Zylinderschrauben ISO 4762"},
                  {"sechskant", "hex_head_iso4014_iso4017.csv", "dw_min_mm", "Sechskantschrauben ISO 4014/4017"}};
    const char* const reihen[][2] = {{"fein", "fine_mm"}, {"mittel", "medium_mm"}, {"grob", "coarse_mm"}};
    for (const auto& k : koepfe)
        for (const auto& reihe : reihen)
            tabellen.push_back(schrauben(k.datei, k.spalte, reihe[1],
                                         std::string("schrauben_") + k.kopf + "_" + reihe[0],
                                         std::string(k.art) + ", Regelgewinde, Bohrung " + reihe[0]));
}
