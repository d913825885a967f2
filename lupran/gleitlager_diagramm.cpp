#include "gleitlager_diagramm.h"

#include "sprache.h"

#include <algorithm>
#include <cmath>

namespace {

bool darstellbar(const Punkt& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && p.y > 0;
}

// So(eps) over the bisection's span, denser towards eps = 1 where So grows
// fast.
std::vector<Punkt> so_ueber_eps(double bd)
{
    std::vector<Punkt> p;
    const int n = 120;
    for (int i = 0; i <= n; ++i) {
        const double u = static_cast<double>(i) / n;
        const double eps = GLEITLAGER_EPS_UNTEN
                         + (GLEITLAGER_EPS_OBEN - GLEITLAGER_EPS_UNTEN) * (1 - (1 - u) * (1 - u));
        const Punkt q{eps, gleitlager_so(eps, bd)};
        if (darstellbar(q))
            p.push_back(q);
    }
    return p;
}

// The direct fit eps(So), So logarithmically from so_a to so_b; only true
// eccentricities 0 < eps < 1.
std::vector<Punkt> eps_ueber_so(double bd, double so_a, double so_b)
{
    std::vector<Punkt> p;
    const int n = 160;
    const double la = std::log10(so_a), lb = std::log10(so_b);
    for (int i = 0; i <= n; ++i) {
        const double so = std::pow(10, la + (lb - la) * i / n);
        const Punkt q{gleitlager_eps_direkt(so, bd), so};
        if (darstellbar(q) && q.x > 0 && q.x < 1)
            p.push_back(q);
    }
    return p;
}

} // namespace

Diagramm gleitlager_diagramm(const LagerEingabe& e, const LagerErgebnis& r)
{
    Diagramm d;
    const bool direkt = r.iter == 0; // the core fell back to the fit or was asked for it
    d.titel = kv_einsetzen(direkt ? _("Sommerfeld-Zahl ueber relativer Exzentrizitaet, B/D = {1} "
                                      "(direkte Naeherung eps(So))")
                                  : _("Sommerfeld-Zahl ueber relativer Exzentrizitaet, B/D = {1} "
                                      "(Bisektion ueber So(eps))"),
                           {diagramm_zahl(r.bd)});
    // The relation the method used, then the So axis around it and both points.
    const std::vector<Punkt> kurve =
        direkt ? eps_ueber_so(r.bd, 1e-3, 1e4) : so_ueber_eps(r.bd);
    double y_min = 1e300, y_max = 0;
    for (const Punkt& p : kurve) {
        y_min = std::min(y_min, p.y);
        y_max = std::max(y_max, p.y);
    }
    y_max = std::min(y_max, 1e4);
    for (double so : {r.so, r.soue})
        if (std::isfinite(so) && so > 0) {
            y_min = std::min(y_min, so);
            y_max = std::max(y_max, so);
        }
    if (!(y_min > 0 && y_min <= y_max)) {
        y_min = 1e-2;
        y_max = 1e2;
    }
    d.x = {_("relative Exzentrizitaet eps"), "1", 0, 1, false};
    d.y = {_("Sommerfeld-Zahl So"), "1", y_min / 2, y_max * 2, true};

    if (r.epsue > 0 && r.epsue < 1)
        d.band(r.epsue, 1, farben::hellrot, "h0 < h0 lim", _("Schmierfilm duenner als h0 lim"));
    d.kurve(kurve, farben::blau,
            kv_einsetzen(direkt ? _("eps(So), direkte Naeherung fuer B/D = {1}")
                                : _("So(eps) fuer B/D = {1}"),
                         {diagramm_zahl(r.bd)}));
    d.marke({r.epsue, r.soue}, farben::violett,
            "eps_ue = " + diagramm_zahl(r.epsue) + ", So_ue = " + diagramm_zahl(r.soue),
            _("Uebergang (h0 = h0 lim)"), Form::quadrat, Seite::links);
    d.marke({r.eps, r.so}, farben::rot,
            "eps = " + diagramm_zahl(r.eps) + ", So = " + diagramm_zahl(r.so), _("Betriebspunkt"),
            Form::kreis, Seite::rechts);
    d.hinweis = kv_einsetzen(direkt ? _("eps direkt aus der Naeherung eps(So) berechnet. "
                                        "h0 = {1} mm, h0 lim = {2} mm.")
                                    : _("eps iterativ (Bisektion ueber So(eps)) berechnet. "
                                        "h0 = {1} mm, h0 lim = {2} mm."),
                             {diagramm_zahl(r.h0), diagramm_zahl(e.h0lim)});
    return d;
}

bool lupran_diagramm(const KvStand& s, Diagramm& d, std::string& fehler)
{
    const LagerEingabe e = gleitlager_eingabe(s);
    const LagerErgebnis r = gleitlager_berechnen(e);
    if (r.abbruch != LagerAbbruch::keiner) {
        fehler = _(gleitlager_abbruch_text(r.abbruch));
        return false;
    }
    d = gleitlager_diagramm(e, r);
    return true;
}
