// The buckling calculator's built-in tables: rolled I sections about either
// axis and the structural steels; what an entry of each fills.
#include "biegeknicken.h"
#include "knickung.h"

#include "eingebaut.h"
#include "sprache.h"
#include "zahlen.h"

namespace {

bool profil(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus, std::string&);

bool ist_s460(std::string_view bezeichnung) { return bezeichnung.substr(0, 4) == "S460"; }

// The buckling curve of a rolled section after EN 1993-1-1 Table 6.2, from
// its h/b and tf, the axis of its table's I and the steel grade; -1 when
// the table gives no dimensions (IPN).
int knicklinie(const KvKatalog& k, size_t z, bool s460)
{
    for (const char* spalte : {"h_mm", "b_mm", "tf_mm"})
        if (kv_csv_spalte(k.csv, spalte) < 0)
            return -1;
    return knicklinie_gewalzt(kv_katalog_zahl(k, z, "h_mm"), kv_katalog_zahl(k, z, "b_mm"),
                              kv_katalog_zahl(k, z, "tf_mm"), k.spalte == "Iy_mm4", s460);
}

// Section: area and the second moment of area about the axis of k.spalte,
// and its buckling curve for the steel taken last before it (S460 has its
// own column, every other grade the same).
bool profil(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus, std::string&)
{
    aus.felder = {{"A", kv_katalog_zelle(k, z, "A_mm2")}, {"I", kv_katalog_zelle(k, z, k.spalte)}};
    bool s460 = false;
    for (auto w = l.vorher.rbegin(); w != l.vorher.rend(); ++w) {
        const KvKatalog* p = kv_katalog_finden(l.kataloge, w->tabelle);
        if (p && p->zuordnung != profil) {
            s460 = ist_s460(w->bezeichnung);
            break;
        }
    }
    const int linie = knicklinie(k, z, s460);
    if (linie < 0)
        return true;
    aus.felder.push_back({"Knicklinie", knicklinie_namen[linie]});
    const std::string hb = kv_kurz(kv_katalog_zahl(k, z, "h_mm") / kv_katalog_zahl(k, z, "b_mm"));
    const std::string tf = kv_katalog_zelle(k, z, "tf_mm");
    const std::string achse = k.spalte == "Iy_mm4" ? "y-y" : "z-z";
    aus.hinweis = kv_einsetzen(s460 ? _("Knicklinie {1} nach EN 1993-1-1 Tabelle 6.2 fuer S460: h/b = {2}, "
                                        "tf = {3} mm, Achse {4}")
                                    : _("Knicklinie {1} nach EN 1993-1-1 Tabelle 6.2: h/b = {2}, "
                                        "tf = {3} mm, Achse {4}"),
                               {knicklinie_namen[linie], hb, tf, achse});
    return true;
}

// Structural steel: E, and Re as ReH for the product thickness; of a rolled
// section taken before, its flange thickness tf, and the section's buckling
// curve for this grade where it differs from the one the inputs hold.
bool stahl(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
           std::string& fehler)
{
    static const int bis[] = {16, 40, 63, 80, 100, 150, 200, 250};
    double dicke = 0;
    std::string von;
    int linie = -1;
    for (auto w = l.vorher.rbegin(); w != l.vorher.rend() && von.empty(); ++w) {
        const KvKatalog* p = kv_katalog_finden(l.kataloge, w->tabelle);
        if (!p || p->eigene || p->zuordnung != profil)
            continue;
        von = w->bezeichnung;
        const size_t zeile = p->zeilen[kv_katalog_eintrag_index(*p, w->bezeichnung)];
        if (kv_csv_spalte(p->csv, "tf_mm") >= 0)
            dicke = kv_katalog_zahl(*p, zeile, "tf_mm");
        linie = knicklinie(*p, zeile, ist_s460(k.csv.zeilen[z][0]));
    }
    for (int b : bis) {
        if (dicke > b)
            continue;
        const std::string spalte = "ReH_t" + std::to_string(b) + "_N_mm2";
        aus.felder = {{"E", kv_katalog_zelle(k, z, "E_N_mm2")}, {"Re", kv_katalog_zelle(k, z, spalte)}};
        // The section's curve for this grade, where it is not what the
        // inputs hold already (S460 has curves of its own).
        const int o = kv_option_index(l.rechner, "Knicklinie");
        if (linie >= 0 && o >= 0 && l.eingaben.optionen[o] != linie)
            aus.felder.push_back({"Knicklinie", knicklinie_namen[linie]});
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
         profil, "Iz_mm4", N_("A, I = Iz, Knicklinie nach Tabelle 6.2")},
        {"hea", "sections_hea.csv", N_("HEA-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz, Knicklinie nach Tabelle 6.2")},
        {"heb", "sections_heb.csv", N_("HEB-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz, Knicklinie nach Tabelle 6.2")},
        {"ipn", "sections_ipn.csv", N_("IPN-Traeger, Knicken um die schwache Achse"),
         profil, "Iz_mm4", N_("A, I = Iz")},
        {"ipe_starke_achse", "sections_ipe.csv",
         N_("IPE-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy, Knicklinie nach Tabelle 6.2")},
        {"hea_starke_achse", "sections_hea.csv",
         N_("HEA-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy, Knicklinie nach Tabelle 6.2")},
        {"heb_starke_achse", "sections_heb.csv",
         N_("HEB-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy, Knicklinie nach Tabelle 6.2")},
        {"ipn_starke_achse", "sections_ipn.csv",
         N_("IPN-Traeger, Knicken um die starke Achse (schwache Achse gehalten)"),
         profil, "Iy_mm4", N_("A, I = Iy")},
        {"baustahl", "structural_steels_en10025_2.csv", N_("Baustaehle S235, S275, S355 nach EN 10025-2"),
         stahl, "",
         N_("E, Re = ReH nach der Flanschdicke des zuvor gewaehlten Profils")},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
    // Where the buckling curve of a section's entry comes from, beside the
    // provenance of its file.
    static const char* const tabelle_6_2 =
        "Buckling curve (Knicklinie) of each entry: EN 1993-1-1:2005 Table 6.2, rolled I sections:\n"
        "  h/b > 1.2, tf <= 40 mm: y-y a, z-z b (S460: a0, a0); 40 < tf <= 100 mm: y-y b, z-z c (S460: a, a);\n"
        "  h/b <= 1.2, tf <= 100 mm: y-y b, z-z c (S460: a, a); tf > 100 mm: y-y d, z-z d (S460: c, c).\n"
        "  The S460 column when the steel taken last before the section is named S460..., else the other.\n"
        "  [SCIA] SCIA Engineer help, Flexural Buckling (rows of Table 6.2 for rolled I sections):\n"
        "       https://help.scia.net/21.0/en/steel/code_checks_inc_fire_resistance/tb_steel_uls/en/"
        "flexural_buckling.htm\n"
        "  Checked against [SBE] Steel Buildings in Europe, Multi-Storey Steel Buildings, Detailed Design,\n"
        "       worked example A.5 (HE 300 B, h/b = 1.00, tf = 19 mm: y-y curve b):\n"
        "       https://infosteel.eu/images/Steel-Buildings-in-Europe/MSB04/105";
    for (KvKatalog& t : tabellen)
        if (!t.eigene && t.zuordnung == profil && kv_csv_spalte(t.csv, "tf_mm") >= 0)
            t.quelle += std::string("\n") + tabelle_6_2;
}
