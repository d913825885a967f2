#include "knickung_diagramm.h"

#include "sprache.h"

#include <algorithm>
#include <cmath>

namespace {

const double pi = knickung_pi;

// The Euler hyperbola sigma = pi^2 E / lambda^2, divided by the safety s,
// from lambda a to b (both included).
std::vector<Punkt> hyperbel(double E, double s, double a, double b)
{
    const int n = 80;
    std::vector<Punkt> p;
    for (int i = 0; i <= n; ++i) {
        const double l = a + (b - a) * i / n;
        p.push_back({l, pi * pi * E / (s * l * l)});
    }
    return p;
}

} // namespace

Diagramm knickung_diagramm(const KnickEingabe& e, const KnickErgebnis& r)
{
    Diagramm d;
    const bool tetmajer = r.lambda_grenz > r.lambda;
    d.titel = kv_einsetzen(_("Knickspannung ueber Schlankheitsgrad: {1}"), {_(r.knickung)});
    d.x = {_("Schlankheitsgrad lambda"), "1", 0, 1.3 * std::max(r.lambda, r.lambda_grenz), false};
    const double y_max =
        1.25 * std::max({e.Re, r.sig_druck, std::min(r.sig_druck_zul, 2 * e.Re)});
    d.y = {_("Spannung sigma"), "N/mm^2", 0, y_max, false};

    // Where the hyperbola leaves the top of the plot, and where it is valid.
    const double l_oben = pi * std::sqrt(e.E / y_max);
    const double l_oben_zul = pi * std::sqrt(e.E / (e.S * y_max));
    const double lg = r.lambda_grenz;
    d.band(0, lg, farben::hellrot, _("Tetmajer-Bereich"),
           _("lambda < lambda_g: Euler gilt nicht"));
    d.kurve(hyperbel(e.E, 1, l_oben, lg), farben::blau, "", Strich::gestrichelt);
    d.kurve(hyperbel(e.E, 1, lg, d.x.max), farben::blau,
            _("Euler-Hyperbel sigma_K = pi^2 E / lambda^2"));
    if (l_oben_zul < lg)
        d.kurve(hyperbel(e.E, e.S, l_oben_zul, lg), farben::orange, "", Strich::gestrichelt);
    d.kurve(hyperbel(e.E, e.S, std::max(lg, l_oben_zul), d.x.max), farben::orange,
            kv_einsetzen(_("zulaessig sigma_K / S (S = {1})"), {diagramm_zahl(e.S)}));
    d.bezug(true, lg, farben::schwarz, "lambda_g = " + diagramm_zahl(lg));
    d.bezug(false, e.Re, farben::violett, "Re = " + diagramm_zahl(e.Re) + " N/mm^2");

    d.marke({r.lambda, r.sig_druck_zul}, farben::orange,
            "sigma_zul = " + diagramm_zahl(r.sig_druck_zul), _("zulaessige Spannung bei lambda"),
            Form::quadrat, Seite::rechts);
    d.marke({r.lambda, r.sig_druck}, farben::rot,
            "lambda = " + diagramm_zahl(r.lambda) + ", sigma_d = " + diagramm_zahl(r.sig_druck),
            _("Betriebspunkt (lambda, Druckspannung)"), Form::kreis, Seite::oben);

    if (tetmajer)
        d.hinweis = kv_einsetzen(_("lambda = {1} < lambda_g = {2}: unelastische Knickung nach "
                                   "Tetmajer. Die Euler-Hyperbel und die daraus berechnete "
                                   "zulaessige Spannung gelten hier nicht."),
                                 {diagramm_zahl(r.lambda), diagramm_zahl(lg)});
    else
        d.hinweis = kv_einsetzen(_("lambda = {1} >= lambda_g = {2}: elastische Knickung nach Euler."),
                                 {diagramm_zahl(r.lambda), diagramm_zahl(lg)});
    if (r.sig_druck > r.sig_druck_zul)
        d.hinweis += _(" Die Druckspannung liegt ueber der zulaessigen Spannung.");
    return d;
}

bool stalor_diagramm(const KvStand& s, Diagramm& d, std::string&)
{
    const KnickEingabe e = knickung_eingabe(s);
    d = knickung_diagramm(e, knickung_berechnen(e));
    return true;
}
