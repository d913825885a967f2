// The plain bearing's built-in table: lubricating oils by ISO VG grade,
// each giving the dynamic viscosity at the bearing's mean temperature.
#include "gleitlager.h"

#include "eingebaut.h"
#include "oel.h"
#include "sprache.h"
#include "zahlen.h"

namespace {

// Oil grade: eta = rho nu(T) at the mean of inlet and outlet temperature,
// nu(T) on the viscosity-temperature line through the grade's mid-point
// nu40 and the nu100 of the oil's data sheet; rho as the bearing assumes it.
bool oel(const KvKatalog& k, size_t z, const KvKatalogLage& l, KvKatalogEintrag& aus,
         std::string& fehler)
{
    if (l.kennwert.empty()) {
        fehler = kv_einsetzen(_("nu100 fehlt: die kinematische Viskositaet bei 100 Grad C aus dem "
                                "Datenblatt des Oels ({1}:{2}:nu100=WERT)"),
                              {k.name, k.csv.zeilen[z][0]});
        return false;
    }
    const std::string n100(l.kennwert);
    if (kv_erste_fehlstelle(n100.c_str()) || kv_zahl_lesen(n100.c_str()) <= 0) {
        fehler = kv_einsetzen(_("nu100 = \"{1}\" ist keine positive Zahl"), {n100});
        return false;
    }
    double tein = 0, taus = 0, nu = 0;
    if (!kv_katalog_feldzahl(l, "tein", tein, fehler) || !kv_katalog_feldzahl(l, "taus", taus, fehler))
        return false;
    const double t = (tein + taus) / 2, nu40 = kv_katalog_zahl(k, z, "nu40_mid_mm2_s"),
                 nu100 = kv_zahl_lesen(n100.c_str());
    std::string grund;
    if (!kv_oel_viskositaet(nu40, nu100, t, nu, grund)) {
        fehler = grund;
        return false;
    }
    const double eta = LAGER_OELDICHTE * nu / 1000; // mPa s from kg/m^3 and mm^2/s
    aus.felder = {{"eta", kv_format("%.2f", eta)}};
    double vi = 0;
    const std::string index = kv_oel_viskositaetsindex(nu40, nu100, vi, grund)
                                  ? kv_einsetzen(_("Viskositaetsindex {1}"), {kv_format("%.1f", vi)})
                                  : kv_einsetzen(_("Viskositaetsindex nicht bestimmt: {1}"), {grund});
    aus.hinweis = kv_einsetzen(_("nu = {1} mm^2/s bei T = (tein + taus)/2 = {2} Grad C nach ASTM D341 durch "
                                 "(40 Grad C; {3} mm^2/s) und (100 Grad C; {4} mm^2/s); eta = rho nu mit "
                                 "rho = {5} kg/m^3, der Dichte, die die Rechnung annimmt (keine Quelle nennt "
                                 "die des Oels); {6}"),
                               {kv_format("%.3f", nu), kv_kurz(t), kv_kurz(nu40), kv_kurz(nu100),
                                kv_kurz(LAGER_OELDICHTE), index});
    return true;
}

} // namespace

void lupran_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    static const std::vector<KvEingebaut> eingebaut = {
        {"oel_iso_vg", "oil_iso_vg_grades.csv",
         N_("Schmieroele ISO VG: eta aus nu40 der Klasse und nu100 des Datenblatts"), oel, "",
         N_("eta = 900 kg/m^3 * nu bei (tein + taus)/2"),
         {"nu100", N_("kinematische Viskositaet bei 100 Grad C (Datenblatt)"), "mm^2/s"}},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
}
