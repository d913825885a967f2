// The bolted joint's built-in tables: threads, property classes, clearance
// holes, heads, washers, and whole bolts put together from them; what an
// entry of each fills.
#include "schraube.h"

#include "eingebaut.h"
#include "sprache.h"
#include "tabellen.h"
#include "zahlen.h"

namespace {

// Thread: d and P; the full shank's di1 = d unless the bolt is a
// reduced-shank one, the free loaded thread's di2 = d3.
bool gewinde(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
             std::string&)
{
    aus.felder = {{"d", kv_katalog_zelle(k, z, "d_mm")}, {"P", kv_katalog_zelle(k, z, "P_mm")}};
    if (!kv_katalog_auswahl(l, "Dehnschraube", "ja"))
        aus.felder.push_back({"di1", kv_katalog_zelle(k, z, "d_mm")});
    else
        aus.hinweis = _("Dehnschraube: di1 bleibt, der Schaft ist verjuengt");
    aus.felder.push_back({"di2", kv_katalog_zelle(k, z, "d3_mm")});
    return true;
}

// Property class: the class box; the core takes Rm and Rp0.2 from the class.
bool klasse(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
            std::string&)
{
    aus.felder = {{"Qualitaet", k.csv.zeilen[z][0]}};
    return true;
}

bool bohrung(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
             std::string& fehler)
{
    return kv_katalog_eine_spalte("DB", k, z, aus, fehler);
}

bool kopf(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
          std::string& fehler)
{
    return kv_katalog_eine_spalte("DK", k, z, aus, fehler);
}

// Washer under the head: its outer diameter bears (DK), its thickness is
// one more clamped plate in the first plate row still empty.
bool scheibe(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
             std::string& fehler)
{
    const int da = kv_eingabe_index(l.rechner, "DA");
    if (da >= 0 && kv_katalog_zahl(k, z, "d2_mm") > kv_zahl_lesen(l.eingaben.texte[da].c_str())) {
        fehler = kv_einsetzen(_("die Scheibe (d2 = {1} mm) ist groesser als DA"),
                              {kv_katalog_zelle(k, z, "d2_mm")});
        return false;
    }
    for (int n = 2; n <= 9; ++n) {
        const int i = kv_eingabe_index(l.rechner, "lpi" + std::to_string(n));
        if (i < 0)
            break;
        if (kv_zahl_lesen(l.eingaben.texte[i].c_str()) == 0) {
            aus.felder = {{"DK", kv_katalog_zelle(k, z, "d2_mm")},
                          {l.rechner.eingaben[i].name, kv_katalog_zelle(k, z, "h_mm")}};
            aus.hinweis = kv_einsetzen(_("Epi{1} bleibt: der E-Modul der Scheibe steht in keiner Tabelle"),
                                       {std::to_string(n)});
            return true;
        }
    }
    fehler = _("keine Plattenzeile frei fuer die Scheibe");
    return false;
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
        aus.felder.push_back({f, kv_katalog_zelle(k, z, f)});
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
    k.quelle = _("Zusammengesetzt aus den Tabellen der Gewinde, Durchgangsbohrungen und Koepfe; "
                 "DF = max(DB, da max), eine Bohrung ohne Fase.");
    for (const KvCsvTabelle* t : {&g, &b, &h})
        for (size_t i = 0; i < t->kommentare.size(); ++i)
            k.quelle += (i ? "\n" : "\n\n") + t->kommentare[i];
    k.zuordnung = schraube;
    k.inhalt = "d, P, di1 = d, di2 = d3, DB, DK, DF";
    return k;
}

} // namespace

void tarvex_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    static const std::vector<KvEingebaut> eingebaut = {
        {"regelgewinde", "metric_threads_coarse.csv", N_("Metrisches ISO-Regelgewinde M4 bis M36"),
         gewinde, "", N_("d, P, di1 = d, di2 = d3")},
        {"feingewinde", "metric_threads_fine.csv", N_("Metrisches ISO-Feingewinde M8x1 bis M36x3"),
         gewinde, "", N_("d, P, di1 = d, di2 = d3")},
        {"festigkeitsklassen", "bolt_property_classes_iso898_1.csv", N_("Festigkeitsklassen nach ISO 898-1"),
         klasse, "", N_("Qualitaet"), {}, "Qualitaet"},
        {"bohrung_fein", "clearance_holes_iso273.csv", N_("Durchgangsbohrungen nach ISO 273, Reihe fein"),
         bohrung,
         "fine_mm", "DB"},
        {"bohrung_mittel", "clearance_holes_iso273.csv", N_("Durchgangsbohrungen nach ISO 273, Reihe mittel"),
         bohrung, "medium_mm", N_("DB")},
        {"bohrung_grob", "clearance_holes_iso273.csv", N_("Durchgangsbohrungen nach ISO 273, Reihe grob"),
         bohrung,
         "coarse_mm", "DB"},
        {"zylinderkopf", "socket_head_cap_screws_iso4762.csv",
         N_("Zylinderschrauben ISO 4762: Kopfdurchmesser dk"),
         kopf, "dk_mm", N_("DK = dk")},
        {"zylinderkopf_dw", "socket_head_cap_screws_iso4762.csv",
         N_("Zylinderschrauben ISO 4762: kleinster Auflagedurchmesser dw"),
         kopf, "dw_min_mm", N_("DK = dw min")},
        {"sechskantkopf", "hex_head_iso4014_iso4017.csv",
         N_("Sechskantschrauben ISO 4014/4017: kleinster Auflagedurchmesser dw"),
         kopf, "dw_min_mm", N_("DK = dw min")},
        {"scheiben", "washers_iso7089_iso7090.csv", N_("Scheiben ISO 7089/7090 unter dem Kopf"),
         scheibe, "", N_("DK = d2, h als weitere Platte")},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
    const struct {
        const char* kopf;
        const char* datei;
        const char* spalte;
        const char* art;
    } koepfe[] = {
        {"zylinder", "socket_head_cap_screws_iso4762.csv", "dk_mm", N_("Zylinderschrauben ISO 4762")},
        {"sechskant", "hex_head_iso4014_iso4017.csv", "dw_min_mm", N_("Sechskantschrauben ISO 4014/4017")}};
    // The series' name in the table's name, its column, its word in the title.
    const char* const reihen[][3] = {{"fein", "fine_mm", N_("Bohrung fein")},
                                     {"mittel", "medium_mm", N_("Bohrung mittel")},
                                     {"grob", "coarse_mm", N_("Bohrung grob")}};
    for (const auto& k : koepfe)
        for (const auto& reihe : reihen)
            tabellen.push_back(schrauben(k.datei, k.spalte, reihe[1],
                                         std::string("schrauben_") + k.kopf + "_" + reihe[0],
                                         kv_einsetzen(_("{1}, Regelgewinde, {2}"), {_(k.art), _(reihe[2])})));
}
