// The buckling calculator's built-in tables: rolled I sections about either
// axis and the structural steels; what an entry of each fills.
#include "knickung.h"

#include "eingebaut.h"
#include "sprache.h"
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
        const std::string bis_mm = std::to_string(b);
        if (dicke > 0)
            aus.hinweis = kv_einsetzen(
                _("Re = ReH fuer Erzeugnisdicken bis {1} mm (Flanschdicke tf = {2} mm von {3})"),
                {bis_mm, kv_kurz(dicke), von});
        else if (!von.empty())
            aus.hinweis = kv_einsetzen(
                _("Re = ReH fuer Erzeugnisdicken bis {1} mm ({2}: keine Flanschdicke in der Tabelle)"),
                {bis_mm, von});
        else
            aus.hinweis =
                kv_einsetzen(_("Re = ReH fuer Erzeugnisdicken bis {1} mm (kein Profil gewaehlt)"), {bis_mm});
        return true;
    }
    fehler = _("keine Streckgrenze fuer Dicken ueber 250 mm");
    return false;
}

} // namespace

void stalor_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    static const std::vector<KvEingebaut> eingebaut = {
        {"ipe", "sections_ipe.csv", N_("IPE-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz")},
        {"hea", "sections_hea.csv", N_("HEA-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz")},
        {"heb", "sections_heb.csv", N_("HEB-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz")},
        {"ipn", "sections_ipn.csv", N_("IPN-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz")},
        {"ipe_starke_achse", "sections_ipe.csv",
         N_("IPE-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy")},
        {"hea_starke_achse", "sections_hea.csv",
         N_("HEA-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy")},
        {"heb_starke_achse", "sections_heb.csv",
         N_("HEB-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy")},
        {"ipn_starke_achse", "sections_ipn.csv",
         N_("IPN-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy")},
        {"baustahl", "structural_steels_en10025_2.csv", N_("Baustaehle S235, S275, S355 nach EN 10025-2"),
         stahl, "",
         N_("E, Re = ReH nach der Flanschdicke des zuvor gewaehlten Profils")},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
}
