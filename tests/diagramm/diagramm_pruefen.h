// Looking into a diagram description: markers, dimensions, reference lines
// and stretches of curves at given data points.
#pragma once
#include "diagramm.h"

#include <algorithm>
#include <cmath>
#include <string>

inline bool nahe(double a, double b, double rel = 1e-9)
{
    return std::fabs(a - b) <= rel * std::max({1.0, std::fabs(a), std::fabs(b)});
}
inline bool nahe(Punkt a, Punkt b, double rel = 1e-9)
{
    return nahe(a.x, b.x, rel) && nahe(a.y, b.y, rel);
}

// The marker at p, or nullptr.
inline const Marke* marke_bei(const Diagramm& d, Punkt p, double rel = 1e-9)
{
    for (const Marke& m : d.marken)
        if (nahe(m.p, p, rel))
            return &m;
    return nullptr;
}

// The dimension whose label starts with the name, or nullptr.
inline const Bemassung* mass(const Diagramm& d, const std::string& name)
{
    for (const Bemassung& m : d.bemassungen)
        if (m.beschriftung.rfind(name + " ", 0) == 0)
            return &m;
    return nullptr;
}

inline bool bezug_bei(const Diagramm& d, bool senkrecht, double wert)
{
    for (const Bezugslinie& l : d.bezugslinien)
        if (l.senkrecht == senkrecht && nahe(l.wert, wert))
            return true;
    return false;
}

// Whether some curve runs straight from a to b (consecutive points).
inline bool strecke(const Diagramm& d, Punkt a, Punkt b, double rel = 1e-9)
{
    for (const Kurve& k : d.kurven)
        for (size_t i = 0; i + 1 < k.punkte.size(); ++i)
            if (nahe(k.punkte[i], a, rel) && nahe(k.punkte[i + 1], b, rel))
                return true;
    return false;
}

// Whether some curve has a point at p.
inline bool kurvenpunkt(const Diagramm& d, Punkt p, double rel = 1e-9)
{
    for (const Kurve& k : d.kurven)
        for (const Punkt& q : k.punkte)
            if (nahe(q, p, rel))
                return true;
    return false;
}

inline bool im_bereich(const Achse& a, double v) { return v >= a.min && v <= a.max; }
