#include "diagramm_teilung.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

std::string tick_text(double v, double schritt)
{
    if (std::fabs(v) < schritt * 1e-6)
        v = 0;
    const double gross = std::max(std::fabs(v), std::fabs(schritt));
    if (gross >= 1e7 || schritt < 1e-6)
        return kv_format("%.3g", v);
    const int stellen = std::max(0, -static_cast<int>(std::floor(std::log10(schritt) + 1e-9)));
    return kv_format(("%." + std::to_string(stellen) + "f").c_str(), v);
}

Teilung linear_teilen(double a, double b, int anzahl)
{
    Teilung t;
    const double roh = (b - a) / std::max(anzahl, 1);
    const double zehner = std::pow(10, std::floor(std::log10(roh)));
    double schritt = 10 * zehner;
    for (double m : {1.0, 2.0, 5.0})
        if (m * zehner >= roh * (1 - 1e-9)) {
            schritt = m * zehner;
            break;
        }
    if (!(schritt > 0) || !std::isfinite(schritt))
        return t;
    const double k0 = std::ceil(a / schritt - 1e-9);
    for (double k = k0; k * schritt <= b + schritt * 1e-9 && t.werte.size() < 200; k += 1) {
        t.werte.push_back(k * schritt);
        t.texte.push_back(tick_text(k * schritt, schritt));
    }
    return t;
}

Teilung log_teilen(double a, double b, int anzahl)
{
    Teilung t;
    const int e0 = static_cast<int>(std::floor(std::log10(a) + 1e-9));
    const int e1 = static_cast<int>(std::ceil(std::log10(b) - 1e-9));
    const int dekaden = std::max(e1 - e0, 1);
    const int sprung = std::max(1, (dekaden + anzahl - 1) / std::max(anzahl, 1));
    const bool fein = dekaden <= 2 && anzahl >= 3 * dekaden;
    for (int e = e0; e <= e1; ++e)
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = m * std::pow(10, e);
            if (v < a * (1 - 1e-9) || v > b * (1 + 1e-9))
                continue;
            if (m == 1 && (e - e0) % sprung == 0) {
                t.werte.push_back(v);
                t.texte.push_back(diagramm_zahl(v, 1));
            } else if (m != 1 && fein) {
                t.werte.push_back(v);
                t.texte.push_back(diagramm_zahl(v, 1));
            }
        }
    if (dekaden <= 6)
        for (int e = e0; e <= e1; ++e)
            for (int m = 2; m <= 9; ++m) {
                const double v = m * std::pow(10, e);
                if (v >= a && v <= b)
                    t.neben.push_back(v);
            }
    return t;
}

} // namespace

// The range actually drawn: finite, ascending, positive on a log axis.
Achse bereinigt(Achse a)
{
    if (a.logarithmisch) {
        if (!(std::isfinite(a.max) && a.max > 0))
            a.max = 10;
        if (!(std::isfinite(a.min) && a.min > 0 && a.min < a.max))
            a.min = a.max / 1000;
        if (a.max / a.min < 1.0001) {
            a.min /= 2;
            a.max *= 2;
        }
        return a;
    }
    if (!std::isfinite(a.min)) a.min = 0;
    if (!std::isfinite(a.max)) a.max = a.min + 1;
    if (a.max < a.min) std::swap(a.min, a.max);
    const double spanne = a.max - a.min;
    if (!(spanne > 1e-12 * std::max(std::fabs(a.min), std::fabs(a.max))) || spanne < 1e-300) {
        const double m = std::max(std::fabs(a.min) * 0.1, 1e-9);
        a.min -= m;
        a.max += m;
    }
    if (!std::isfinite(a.max - a.min)) {
        a.min = -1e300;
        a.max = 1e300;
    }
    return a;
}

// Where v lies along the axis, 0 at its start and 1 at its end.
double anteil(const Achse& a, double v)
{
    return a.logarithmisch ? std::log10(v / a.min) / std::log10(a.max / a.min)
                           : (v - a.min) / (a.max - a.min);
}

Teilung teilen(const Achse& a, int anzahl)
{
    return a.logarithmisch ? log_teilen(a.min, a.max, anzahl) : linear_teilen(a.min, a.max, anzahl);
}

std::string achsentitel(const Achse& a)
{
    if (a.einheit.empty())
        return a.titel;
    // A unit that is itself a quotient goes in parentheses: n / (1/min).
    return a.titel + " / " + (a.einheit.find('/') != std::string::npos ? "(" + a.einheit + ")"
                                                                       : a.einheit);
}
