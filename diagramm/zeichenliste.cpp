#include "zeichenliste.h"

#include <algorithm>

double Rechteck::ueberlappung(const Rechteck& o) const
{
    const double w = std::min(rechts(), o.rechts()) - std::max(x, o.x);
    const double h2 = std::min(unten(), o.unten()) - std::max(y, o.y);
    return w > 0 && h2 > 0 ? w * h2 : 0;
}

std::vector<double> strichmuster(Strich s, double breite)
{
    if (s == Strich::gestrichelt)
        return {4 * breite, 3 * breite};
    if (s == Strich::punktiert)
        return {1.2 * breite, 2.2 * breite};
    return {};
}
