#include "tellerfeder_diagramm.h"

#include "fenstertexte.h"
#include "sprache.h"

#include <algorithm>
#include <cmath>

Diagramm tellerfeder_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2)
{
    Diagramm d;
    d.titel = _("Federkennlinie F(s) der Tellerfeder");
    const int n = 100;
    std::vector<Punkt> kennlinie;
    double F_min = 0, F_max = 0;
    for (int i = 0; i <= n; ++i) {
        const double s = s1 + (s2 - s1) * i / n;
        const double F = tellerfeder_kraft(e, r, s);
        kennlinie.push_back({s, F});
        if (std::isfinite(F)) {
            F_min = std::min(F_min, F);
            F_max = std::max(F_max, F);
        }
    }
    const bool drin = e.s >= s1 && e.s <= s2;
    if (drin && std::isfinite(r.F)) {
        F_min = std::min(F_min, r.F);
        F_max = std::max(F_max, r.F);
    }
    const double rand = 0.1 * (F_max - F_min);
    d.x = {_("Federweg s"), "mm", s1, s2, false};
    d.y = {_("Federkraft F"), "N", F_min < 0 ? F_min - rand : 0, F_max + rand, false};
    d.kurve(std::move(kennlinie), farben::blau, _("Kennlinie F(s)"));
    d.bezug(true, e.h0, farben::grau, "s = h0");
    d.marke({e.s, r.F}, farben::rot,
            "s = " + diagramm_zahl(e.s) + " mm, F = " + diagramm_zahl(r.F) + " N",
            _("Betriebspunkt (s, F)"), Form::kreis, Seite::oben);
    d.hinweis = kv_einsetzen(_("De = {1} mm, Di = {2} mm, t = {3} mm, h0 = {4} mm (h0/t = {5}); "
                               "Kennlinie von s1 = {6} mm bis s2 = {7} mm."),
                             {diagramm_zahl(e.De), diagramm_zahl(e.Di), diagramm_zahl(e.t),
                              diagramm_zahl(e.h0), diagramm_zahl(e.h0 / e.t), diagramm_zahl(s1),
                              diagramm_zahl(s2)});
    if (!drin)
        d.hinweis += _(" Der Betriebspunkt liegt ausserhalb dieses Bereichs.");
    return d;
}

bool wendis_diagramm(const KvStand& s, Diagramm& d, std::string& fehler)
{
    // The plot range as "Kennlinie zeichnen" reads it.
    const double s1 = s.werte[TELLER_S1], s2 = s.werte[TELLER_S2];
    if (!(s1 < s2)) {
        fehler = _(KV_FEHLER_BEREICH);
        return false;
    }
    const TellerEingabe e = tellerfeder_eingabe(s);
    d = tellerfeder_diagramm(e, tellerfeder_berechnen(e), s1, s2);
    return true;
}
