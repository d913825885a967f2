#include "oel.h"

#include "sprache.h"
#include "zahlen.h"

#include <cmath>

namespace {

constexpr double NULLPUNKT = 273.15; // K at 0 degC

// Z of the viscosity-temperature line; the exponential term only counts
// below 2 mm^2/s.
double z_wert(double nu)
{
    return nu >= 2 ? nu + 0.7 : nu + 0.7 + std::exp(-1.47 - 1.84 * nu - 0.51 * nu * nu);
}

double loglog(double nu) { return std::log10(std::log10(z_wert(nu))); }

} // namespace

bool kv_oel_viskositaet(double nu40, double nu100, double t, double& nu, std::string& grund)
{
    if (!(nu40 > 0) || !(nu100 > 0) || !std::isfinite(nu40) || !std::isfinite(nu100)) {
        grund = _("die Viskositaeten bei 40 und 100 Grad C muessen positiv sein");
        return false;
    }
    if (!(nu100 < nu40)) {
        grund = kv_einsetzen(_("nu100 = {1} mm^2/s ist nicht kleiner als nu40 = {2} mm^2/s"),
                             {kv_kurz(nu100), kv_kurz(nu40)});
        return false;
    }
    if (!(t > -NULLPUNKT) || !std::isfinite(t)) {
        grund = _("keine Temperatur ueber dem absoluten Nullpunkt");
        return false;
    }
    const double x40 = std::log10(40 + NULLPUNKT), x100 = std::log10(100 + NULLPUNKT);
    const double b = (loglog(nu40) - loglog(nu100)) / (x100 - x40);
    const double a = loglog(nu40) + b * x40;
    const double z = std::pow(10.0, std::pow(10.0, a - b * std::log10(t + NULLPUNKT)));
    nu = z - 0.7;
    if (nu >= 2)
        return true;
    if (z <= z_wert(0)) {
        grund = kv_einsetzen(_("unter {1} mm^2/s kennt die Gleichung keine Viskositaet"),
                             {kv_kurz(z_wert(0) - 0.7)});
        return false;
    }
    // Below 2 mm^2/s with the correction term; z_wert rises with nu.
    double u = 0, o = 2;
    for (int i = 0; i < 200 && o - u > 1e-12; ++i)
        (z_wert(0.5 * (u + o)) < z ? u : o) = 0.5 * (u + o);
    nu = 0.5 * (u + o);
    return true;
}

bool kv_oel_viskositaetsindex(double nu40, double nu100, double& vi, std::string& grund)
{
    if (!(nu100 > 70)) {
        grund = _("fuer nu100 bis 70 mm^2/s braucht der Viskositaetsindex die Grundwerte L und H "
                  "der ASTM D2270 als Tabelle, die nicht mitgeliefert ist");
        return false;
    }
    if (!(nu100 < nu40) || !std::isfinite(nu40)) {
        grund = _("nu100 ist nicht kleiner als nu40");
        return false;
    }
    const double y = nu100, u = nu40;
    const double l = 0.8353 * y * y + 14.67 * y - 216, h = 0.1684 * y * y + 11.85 * y - 97;
    if (u >= h) {
        vi = 100 * (l - u) / (l - h);
    } else {
        const double n = (std::log10(h) - std::log10(u)) / std::log10(y);
        vi = (std::pow(10.0, n) - 1) / 0.00715 + 100;
    }
    return true;
}
