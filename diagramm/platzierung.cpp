#include "platzierung.h"

#include <algorithm>
#include <cmath>

namespace {

double abstand(const Rechteck& r, double x, double y)
{
    return std::hypot(std::clamp(x, r.x, r.rechts()) - x, std::clamp(y, r.y, r.unten()) - y);
}

} // namespace

double Platzierung::kosten(const Rechteck& r, double x, double y) const
{
    double k = 0;
    const double ausserhalb = r.b * r.h - r.ueberlappung(innen);
    k += 1000 * ausserhalb;
    for (const Rechteck& b : belegt)
        k += 50 * r.ueberlappung(b);
    for (const Punkt& p : linien)
        if (r.enthaelt(p.x, p.y))
            k += 6;
    return k + 1.5 * abstand(r, x, y);
}

Rechteck Platzierung::waehlen(const std::vector<Rechteck>& kandidaten, double x, double y)
{
    Rechteck best = kandidaten.front();
    double k_best = kosten(best, x, y);
    for (const Rechteck& r : kandidaten) {
        const double k = kosten(r, x, y);
        if (k < k_best - 1e-9) {
            best = r;
            k_best = k;
        }
    }
    belegt.push_back(best);
    return best;
}

std::vector<Rechteck> rund_um(double x, double y, double b, double h, double g, Seite bevorzugt)
{
    const Rechteck rechts{x + g, y - h / 2, b, h}, links{x - g - b, y - h / 2, b, h};
    const Rechteck oben{x - b / 2, y - g - h, b, h}, unten{x - b / 2, y + g, b, h};
    std::vector<Rechteck> k;
    switch (bevorzugt) {
    case Seite::rechts: k = {rechts, links, oben, unten}; break;
    case Seite::links: k = {links, rechts, oben, unten}; break;
    case Seite::oben: k = {oben, unten, rechts, links}; break;
    case Seite::unten: k = {unten, oben, rechts, links}; break;
    }
    for (double sx : {1.0, -1.0})
        for (double sy : {-1.0, 1.0})
            k.push_back({sx > 0 ? x + 0.7 * g : x - 0.7 * g - b,
                         sy < 0 ? y - 0.7 * g - h : y + 0.7 * g, b, h});
    // Farther out along the preferred side as a last resort.
    for (double f : {2.5, 4.0}) {
        const Rechteck& r0 = k.front();
        k.push_back({r0.x + (r0.x + b / 2 - x) * (f - 1), r0.y + (r0.y + h / 2 - y) * (f - 1), b, h});
    }
    return k;
}
