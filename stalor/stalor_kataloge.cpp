// The buckling calculator's built-in tables: rolled I sections about either
// axis and the structural steels; what an entry of each fills.
#include "knickung.h"

#include "eingebaut.h"
#include "zahlen.h"

namespace {

// Section: area and the second moment of area about the axis of k.spalte.
bool profil(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
            std::string&)
{
    aus.felder = {{"A", kv_katalog_zelle(k, z, "A_mm2")}, {"I", kv_katalog_zelle(k, z, k.spalte)}};
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
            dicke = kv_katalog_zahl(*p, p->zeilen[kv_katalog_eintrag_index(*p, w->bezeichnung)], "tf_mm");
    }
    for (int b : bis) {
        if (dicke > b)
            continue;
        const std::string spalte = "ReH_t" + std::to_string(b) + "_N_mm2";
        aus.felder = {{"E", kv_katalog_zelle(k, z, "E_N_mm2")}, {"Re", kv_katalog_zelle(k, z, spalte)}};
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

} // namespace

void stalor_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    static const std::vector<KvEingebaut> eingebaut = {
        {"ipe", "sections_ipe.csv", "IPE-Traeger, Knicken um die schwache Achse", profil, "Iz_mm4", "A, I = Iz"},
        {"hea", "sections_hea.csv", "HEA-Traeger, Knicken um die schwache Achse", profil, "Iz_mm4", "A, I = Iz"},
        {"heb", "sections_heb.csv", "HEB-Traeger, Knicken um die schwache Achse", profil, "Iz_mm4", "A, I = Iz"},
        {"ipn", "sections_ipn.csv", "IPN-Traeger, Knicken um die schwache Achse", profil, "Iz_mm4", "A, I = Iz"},
        {"ipe_starke_achse", "sections_ipe.csv",
         "IPE-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
        {"hea_starke_achse", "sections_hea.csv",
         "HEA-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
        {"heb_starke_achse", "sections_heb.csv",
         "HEB-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
        {"ipn_starke_achse", "sections_ipn.csv",
         "IPN-Traeger, Knicken um die starke Achse (schwache Achse gehalten)", profil, "Iy_mm4", "A, I = Iy"},
        {"baustahl", "structural_steels_en10025_2.csv", "Baustaehle S235, S275, S355 nach EN 10025-2", stahl, "",
         "E, Re = ReH nach der Flanschdicke des zuvor gewaehlten Profils"},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
}
