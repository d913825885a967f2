// The stack of disc springs, no friction: i packets in series (the stack,
// "Saeule"), n springs nested in each (the packet).  Load, deflection and
// free length as a disc-spring maker's page gives them for series, parallel
// and combined stacking (surisa.es, "Series and parallel stacking of disc
// springs": F = n F1, s = i s1, L0 = i (l0 + (n - 1) t)) and a maker's
// handbook (iecltd.co.uk, Schnorr disc springs, "stacks in parallel" and
// "stacks from spring sets", without considering friction); EN 16984 calls
// springs in parallel a packet and springs in series a stack.  The work is
// that of i n single springs, each deflected by s.
#include "federsaeule.h"

#include "rechengang_aufzeichnen.h"
#include "sprache.h"

#include <cmath>

namespace {

bool ganz_ab_eins(double x) { return std::isfinite(x) && x >= 1 && x == std::floor(x); }

} // namespace

const char* federsaeule_verweigerung(double i, double n)
{
    if (!ganz_ab_eins(i))
        return N_("Die Zahl der Federn in Reihe i muss eine ganze Zahl ab 1 sein!");
    if (!ganz_ab_eins(n))
        return N_("Die Zahl der Federn parallel je Paket n muss eine ganze Zahl ab 1 sein!");
    return nullptr;
}

SaeulenErgebnis federsaeule_berechnen(const TellerEingabe& e, const TellerErgebnis& r, double i,
                                      double n, KvRechengang* gang)
{
    const double t = e.t, l0 = e.t + e.h0;
    SaeulenErgebnis g{};
    g.F_ges = n * r.F;
    g.s_ges = i * e.s;
    g.L0_ges = i * (l0 + (n - 1) * t);
    g.L_ges = g.L0_ges - g.s_ges;
    g.W_ges = i * n * r.W;
    kv_schritt(gang, "l0", "t + h0", {{"t", t}, {"h0", e.h0}}, l0, "mm");
    kv_schritt(gang, "F_ges", "n * F", {{"n", n}, {"F", r.F}}, g.F_ges, "N");
    kv_schritt(gang, "s_ges", "i * s", {{"i", i}, {"s", e.s}}, g.s_ges, "mm");
    kv_schritt(gang, "L0_ges", "i * (l0 + (n - 1) * t)", {{"i", i}, {"l0", l0}, {"n", n}, {"t", t}},
               g.L0_ges, "mm");
    kv_schritt(gang, "L_ges", "L0_ges - s_ges", {{"L0_ges", g.L0_ges}, {"s_ges", g.s_ges}}, g.L_ges,
               "mm");
    kv_schritt(gang, "W_ges", "i * n * W", {{"i", i}, {"n", n}, {"W", r.W}}, g.W_ges, "mJ");
    return g;
}

double federsaeule_kraft(const TellerEingabe& e, const TellerErgebnis& r, double i, double n,
                         double s_ges)
{
    return n * tellerfeder_kraft(e, r, s_ges / i);
}
