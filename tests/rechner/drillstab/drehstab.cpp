#include "drehstab.h"

#include "rechengang_aufzeichnen.h"
#include "zahlen.h"

#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

} // namespace

DrehstabErgebnis drehstab_berechnen(const DrehstabEingabe& e, KvRechengang* gang)
{
    DrehstabErgebnis r{};
    const double di = e.hohl ? e.di : 0;
    r.Ip = pi / 32 * (e.d * e.d * e.d * e.d - di * di * di * di);
    kv_schritt(gang, "Ip", "pi / 32 (d^4 - di^4)", {{"pi", pi}, {"d", e.d}, {"di", di}}, r.Ip, "mm^4");
    r.Wp = 2 * r.Ip / e.d;
    kv_schritt(gang, "Wp", "2 Ip / d", {{"Ip", r.Ip}, {"d", e.d}}, r.Wp, "mm^3");
    // N mm/rad to Nm/rad, Nm to N mm.
    r.c = e.G * r.Ip / e.l / 1000;
    kv_schritt(gang, "c", "G Ip / l / 1000", {{"G", e.G}, {"Ip", r.Ip}, {"l", e.l}}, r.c, "Nm/rad");
    r.phi = e.T / r.c * 180 / pi;
    kv_schritt(gang, "phi", "T / c 180 / pi", {{"T", e.T}, {"c", r.c}, {"pi", pi}}, r.phi, "Grad");
    r.tau = e.T * 1000 / r.Wp;
    kv_schritt(gang, "tau", "T 1000 / Wp", {{"T", e.T}, {"Wp", r.Wp}}, r.tau, "N/mm^2");
    if (gang)
        kv_pruefung(*gang, "Schubspannung tau", r.tau, "N/mm^2", "<=", e.tau_zul, r.tau <= e.tau_zul);
    return r;
}

std::string drehstab_bericht(const DrehstabEingabe& e, const DrehstabErgebnis& r)
{
    auto zeile = [](const char* text, double wert) { return text + kv_format("%7.5lf", wert) + "\n"; };
    std::string t = std::string("Drehstab, ") + (e.hohl ? "Hohlquerschnitt" : "Vollquerschnitt") + "\n\n";
    t += "Eingabedaten:\n";
    t += zeile("Drehmoment T / Nm:                    ", e.T);
    t += zeile("Laenge l / mm:                        ", e.l);
    t += zeile("Aussendurchmesser d / mm:             ", e.d);
    if (e.hohl)
        t += zeile("Innendurchmesser di / mm:             ", e.di);
    t += zeile("Schubmodul G / (N/mm^2):              ", e.G);
    t += zeile("zul. Schubspannung / (N/mm^2):        ", e.tau_zul);
    t += "\nErgebnisse:\n";
    t += zeile("polares Flaechenmoment Ip / mm^4:     ", r.Ip);
    t += zeile("polares Widerstandsmoment Wp / mm^3:  ", r.Wp);
    t += zeile("Drehfedersteife c / (Nm/rad):         ", r.c);
    t += zeile("Verdrehwinkel phi / Grad:             ", r.phi);
    t += zeile("Schubspannung tau / (N/mm^2):         ", r.tau);
    return t;
}
