#include "tellerfeder.h"

#include "bericht.h"
#include "federsaeule.h"
#include "rechengang_aufzeichnen.h"
#include "zahlen.h"

#include <climits>
#include <cmath>

namespace {

// This program's value of pi: five decimals, every result depends on it.
const double pi = 3.14159;

// A pixel coordinate: truncated toward zero; values beyond the int range
// are held at its ends so that the conversion is always defined.
int pixel(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

TellerErgebnis tellerfeder_berechnen(const TellerEingabe& e, KvRechengang* gang)
{
    TellerErgebnis r{};
    r.k = e.E * 4 / (1 - e.nue * e.nue);
    r.delta = e.De / e.Di;
    const double d = r.delta, ln = std::log(d);
    const double q = (d - 1) / d;
    r.K1 = (1 / pi) * (q * q) / ((d + 1) / (d - 1) - 2 / ln);
    r.K2 = ((6 / pi) / ln) * ((d - 1) / ln - 1);
    r.K3 = ((3 / pi) / ln) * (d - 1);
    const double t = e.t, s = e.s, h0 = e.h0;
    if (gang) {
        KvRechengang& g = *gang;
        kv_schritt(&g, "k", "E * 4 / (1 - nue * nue)",
                   {{"E", e.E}, {"nue", e.nue}}, r.k, "N/mm^2");
        kv_schritt(&g, "delta", "De / Di",
                   {{"De", e.De}, {"Di", e.Di}}, r.delta, "1");
        kv_schritt(&g, "K1", "(1 / pi) * (((delta - 1) / delta) * ((delta - 1) / delta)) "
                   "/ ((delta + 1) / (delta - 1) - 2 / ln(delta))",
                   {{"pi", pi}, {"delta", d}}, r.K1, "1");
        kv_schritt(&g, "K2", "((6 / pi) / ln(delta)) * ((delta - 1) / ln(delta) - 1)",
                   {{"pi", pi}, {"delta", d}}, r.K2, "1");
        kv_schritt(&g, "K3", "((3 / pi) / ln(delta)) * (delta - 1)",
                   {{"pi", pi}, {"delta", d}}, r.K3, "1");
    }
    r.F = tellerfeder_kraft(e, r, s, gang);
    r.W = (r.k / 2) * std::pow(t, 5) / (r.K1 * std::pow(e.De, 2)) * std::pow(s / t, 2)
        * (1 + std::pow(h0 / t - s / (2 * t), 2));
    const double c = -r.k * t * s / r.K1 / std::pow(e.De, 2);
    const double u = h0 / t - s / (2 * t);
    r.sig1 = c * (r.K3 + r.K2 * u);
    r.sig2 = c * (r.K2 * u - r.K3);
    r.sig3 = (c / d) * ((r.K2 - 2 * r.K3) * u - r.K3);
    r.sigom = c * 3 / pi;
    if (!gang)
        return r;

    KvRechengang& g = *gang;
    kv_schritt(&g, "W", "(k / 2) * t^5 / (K1 * De^2) * (s / t)^2 "
               "* (1 + (h0 / t - s / (2 * t))^2)",
               {{"k", r.k}, {"t", t}, {"K1", r.K1}, {"De", e.De}, {"s", s}, {"h0", h0}}, r.W, "mJ");
    kv_schritt(&g, "c", "-k * t * s / K1 / De^2",
               {{"k", r.k}, {"t", t}, {"s", s}, {"K1", r.K1}, {"De", e.De}}, c, "N/mm^2");
    kv_schritt(&g, "u", "h0 / t - s / (2 * t)",
               {{"h0", h0}, {"t", t}, {"s", s}}, u, "1");
    kv_schritt(&g, "sig1", "c * (K3 + K2 * u)",
               {{"c", c}, {"K3", r.K3}, {"K2", r.K2}, {"u", u}}, r.sig1, "N/mm^2");
    kv_schritt(&g, "sig2", "c * (K2 * u - K3)",
               {{"c", c}, {"K2", r.K2}, {"u", u}, {"K3", r.K3}}, r.sig2, "N/mm^2");
    kv_schritt(&g, "sig3", "(c / delta) * ((K2 - 2 * K3) * u - K3)",
               {{"c", c}, {"delta", d}, {"K2", r.K2}, {"K3", r.K3}, {"u", u}}, r.sig3, "N/mm^2");
    kv_schritt(&g, "sigom", "c * 3 / pi",
               {{"c", c}, {"pi", pi}}, r.sigom, "N/mm^2");
    // The program states the four stresses; it has no limits to hold them against.
    const struct { const char* text; double wert; } spannungen[4] = {
        {N_("Spannung OM sigom (Oberseite, Mitte)"), r.sigom},
        {N_("Spannung 1 sig1 (Oberseite, innen)"), r.sig1},
        {N_("Spannung 2 sig2 (Unterseite, innen)"), r.sig2},
        {N_("Spannung 3 sig3 (Unterseite, aussen)"), r.sig3},
    };
    for (const auto& sp : spannungen)
        kv_feststellung(g, sp.text, sp.wert, "N/mm^2",
                        sp.wert < 0 ? N_("Druck") : sp.wert > 0 ? N_("Zug") : N_("spannungsfrei"));
    return r;
}

double tellerfeder_kraft(const TellerEingabe& e, const TellerErgebnis& r, double s,
                         KvRechengang* gang)
{
    const double t = e.t, h0 = e.h0;
    const double F = r.k * std::pow(t, 4) / (r.K1 * std::pow(e.De, 2)) * (s / t)
                   * (1 + (h0 / t - s / t) * (h0 / t - s / (2 * t)));
    if (gang)
        kv_schritt(gang, "F", "k * t^4 / (K1 * De^2) * (s / t) "
                   "* (1 + (h0 / t - s / t) * (h0 / t - s / (2 * t)))",
                   {{"k", r.k}, {"t", t}, {"K1", r.K1}, {"De", e.De}, {"s", s}, {"h0", h0}}, F, "N");
    return F;
}

Kennlinienbild kennlinie_berechnen(const TellerEingabe& e, const TellerErgebnis& r,
                                   double s1_feder, double s2_feder, double i_reihe,
                                   double n_parallel)
{
    const double s1 = i_reihe * s1_feder, s2 = i_reihe * s2_feder;
    const double x_l = Abstand_Rand, x_r = Z_BREITE_X - Abstand_Rand;
    const double y_o = Abstand_Rand, y_u = Z_HOEHE_Y - Abstand_Rand;
    Kennlinienbild bild;

    const double g_x = x_r / 10, g_y = y_u / 10;
    for (int i = 0; i <= 10; ++i) {
        bild.gitter.push_back({0, pixel(i * g_y), pixel(x_r), pixel(i * g_y)});
        bild.gitter.push_back({pixel(i * g_x), 0, pixel(i * g_x), pixel(y_u)});
    }

    const int n = 30;
    const double ds = (s2 - s1) / n;
    double s_i[n + 1], F_i[n + 1];
    double F_max = -1e100, F_min = 1e100;
    for (int i = 0; i <= n; ++i) {
        s_i[i] = i * ds + s1;
        F_i[i] = federsaeule_kraft(e, r, i_reihe, n_parallel, s_i[i]);
        if (!std::isfinite(F_i[i]))
            bild.endlich = false;
        if (F_i[i] > F_max) F_max = F_i[i];
        if (F_i[i] < F_min) F_min = F_i[i];
    }
    if (!bild.endlich)
        return bild;

    const double m_x = (x_r - x_l) / (s2 - s1);
    const double b_x = x_l - m_x * s1;
    // Equal forces: the characteristic is a horizontal line across the middle.
    const bool flach = !(F_max > F_min);
    const double m_y = flach ? 0.0 : -(y_u - y_o) / (F_max - F_min);
    const double b_y = flach ? Z_HOEHE_Y / 2.0 : y_o - m_y * F_max;
    for (int i = 0; i < n; ++i)
        bild.kurve.push_back({pixel(s_i[i] * m_x + b_x), pixel(F_i[i] * m_y + b_y),
                              pixel(s_i[i + 1] * m_x + b_x), pixel(F_i[i + 1] * m_y + b_y)});
    return bild;
}

std::string tellerfeder_bericht(const double d_box_werkstoffdaten[7],
                                const double d_box_ergebnisse[6])
{
    struct Zeile { const char* format; double wert; };
    const double* w = d_box_werkstoffdaten;
    const double* r = d_box_ergebnisse;
    const Zeile eingaben[7] = {
        {N_("Aussendurchmesser De / mm:            %.5lf\n"), w[0]},
        {N_("Innendurchmesser Di / mm:             %.5lf\n"), w[2]},
        {N_("E-Modul E / (N/mm^2):                 %.5lf\n"), w[1]},
        {N_("Querkontraktionszahl nue / 1:         %.5lf\n"), w[3]},
        {N_("Dicke t / mm:                         %.5lf\n"), w[4]},
        {N_("Stuelphoehe h0 / mm:                  %.5lf\n"), w[5]},
        {N_("Federweg s / mm:                      %.5lf\n"), w[6]},
    };
    const Zeile ergebnisse[6] = {
        {N_("Federkraft F / N:                     %.5lf\n"), r[0]},
        {N_("Arbeit W / mJ:                        %.5lf\n"), r[2]},
        {N_("Spannung OM / (N/mm^2):               %.5lf\n"), r[4]},
        {N_("Spannung 1 / (N/mm^2):                %.5lf\n"), r[1]},
        {N_("Spannung 2 / (N/mm^2):                %.5lf\n"), r[3]},
        {N_("Spannung 3 / (N/mm^2):                %.5lf\n"), r[5]},
    };
    std::string t = kv_berichtskopf("", N_("Ergebnisse der Berechnung von WENDIS:"), "\n\n\n")
                  + kv_berichtskopf("", N_("Eingabedaten:"), "\n\n");
    for (const Zeile& z : eingaben)
        t += kv_berichtszeile(z.format, z.wert);
    t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
    for (const Zeile& z : ergebnisse)
        t += kv_berichtszeile(z.format, z.wert);
    t += "\n";
    return t;
}
