#include "gleitlager.h"

#include "zahlen.h"

#include <cmath>

namespace {

// This program's value of pi: five decimals, every result depends on it.
const double pi = 3.14159;

// c0 + c1 x + c2 x^2 + c3 x^3 + c4 x^4, summed as c1 x + c0, then the rest.
double polynom(const double c[5], double x)
{
    return c[1] * x + c[0] + c[2] * std::pow(x, 2) + c[3] * std::pow(x, 3) + c[4] * std::pow(x, 4);
}

const double ALFA1[5] = {1.1642, -1.9456, 7.1161, -10.1073, 5.0141};
const double ALFA2[5] = {-1.000026, -0.023634, -0.4215, -0.038817, -0.090551};
const double AC[5] = {1.153423, -2.69332, 6.552763, -7.81938, 3.405146};
const double AE[5] = {-0.7441784, 0.104245, -0.343503, 0.4677244, -0.215028};
const double AF[5] = {-0.0105921, 0.342048, -0.459955, 0.381193, -0.1056112};
const double AG[5] = {-0.000397154, -0.01669, 0.00966612, -0.0191126, -0.01094135};
const double AH[5] = {0.00258444, -0.00870384, -0.00157289, 0.01759905, -0.006688832};

// Sommerfeld function So(eps) for the width ratio bd.
double sofunc(double eps, double bd, double alfa1, double alfa2)
{
    const double epsh2 = eps * eps;
    return bd * bd * eps / ((1 - epsh2) * (2 * (1 - epsh2)))
         * std::sqrt(16 * epsh2 + pi * pi * (1 - epsh2)) * alfa1 * (eps - 1) / (eps + alfa2);
}

// Direct curve fit eps(So), coefficients c3, c2, c1, c0 by width ratio.
double eps_direkt(double so, double bd)
{
    struct Band { double bis, c3, c2, c1, c0; };
    static const Band baender[] = {
        {0.167, 0.0614368, 0.0459025, 0.0761622, 0.0350305},
        {0.2, 0.0609246, -0.0009578, 0.0644066, 0.0502757},
        {0.25, 0.0624507, -0.0251849, 0.0715752, 0.0594245},
        {0.33, 0.0608744, -0.0657667, 0.0868669, 0.0710114},
        {0.4, 0.0592091, -0.114519, 0.12953, 0.0912981},
        {0.5, 0.0583217, -0.145226, 0.168221, 0.108936},
        {0.75, 0.0545729, -0.183951, 0.228868, 0.136875},
    };
    Band c{1.0, 0.0191334, -0.28819, 0.50159, 0.281377};
    for (const Band& band : baender)
        if (bd <= band.bis) { c = band; break; }
    const double L = std::log10(so);
    const double ex = c.c3 * std::pow(L, 3) + c.c2 * std::pow(L, 2) + c.c1 * L - c.c0;
    return std::pow(10, ex);
}

} // namespace

LagerEingabe gleitlager_eingabe(const double v[13], int radio_status, int check_status)
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
            radio_status, check_status};
}

LagerErgebnis gleitlager_berechnen(const LagerEingabe& e)
{
    LagerErgebnis r{};
    const double temp = (e.tein + e.taus) * 0.5;
    r.u = e.d * pi * e.rn / 60000;
    const double ome = (pi + pi) * e.rn / 60;
    const double psim = e.s / e.d;
    const double dpsi = (e.a1b - e.a1s) * (temp - 20);
    r.psi = dpsi + psim;
    r.bd = e.b / e.d;
    r.pq = e.f / (e.d * e.b);
    r.so = r.pq * r.psi * r.psi * 1e9 / (e.eta * ome);
    if (0.125 > r.bd || r.bd > 1) {
        r.abbruch = LagerAbbruch::breite;
        return r;
    }
    const double alfa1 = polynom(ALFA1, r.bd), alfa2 = polynom(ALFA2, r.bd);

    // Bisection on So(eps) = so; the value kept is the lower end as it
    // stood at the start of the last step.
    double xu = GLEITLAGER_EPS_UNTEN, xo = GLEITLAGER_EPS_OBEN;
    const double tol = 0.0001;
    const int max = 10000;
    int iter = 0;
    double fehler = (xo - xu) / 2;
    double eps = 0;
    while (fehler > tol && iter < max) {
        const double xneu = (xo + xu) / 2;
        const double fxneu = r.so - sofunc(xneu, r.bd, alfa1, alfa2);
        eps = xu;
        const double fxu = r.so - sofunc(xu, r.bd, alfa1, alfa2);
        if (fxneu * fxu < 0)
            xo = xneu;
        else
            xu = xneu;
        fehler = fehler * 0.5;
        iter = iter + 1;
    }
    if (iter == max || e.check_status == EPS_DIREKT) {
        eps = eps_direkt(r.so, r.bd);
        iter = 0;
        // The fit is unbounded; only a true eccentricity goes on.
        if (!(std::isfinite(eps) && eps > 0 && eps < 1)) {
            r.abbruch = LagerAbbruch::direkt;
            return r;
        }
    } else if (!(r.so > sofunc(GLEITLAGER_EPS_UNTEN, r.bd, alfa1, alfa2)
                 && r.so < sofunc(GLEITLAGER_EPS_OBEN, r.bd, alfa1, alfa2))) {
        // Outside the bracketed span the bisection finds no root.
        r.abbruch = LagerAbbruch::iteration;
        return r;
    }
    r.eps = eps;
    r.iter = iter;

    r.h0 = (1 - eps) * (e.d * 0.5 * r.psi);
    const double x = r.bd;
    const double faktor = (6.6294 - 1.591732 * x) * std::pow(eps, 4)
                        + (3.424337 * x - 13.3415) * std::pow(eps, 3)
                        + (8.73393 - 2.3291 * x) * std::pow(eps, 2)
                        + (0.798745 * x - 2.5905) * eps + (1.152624 - 0.105465 * x);
    r.beta = std::atan(std::sqrt(1 - eps * eps) * pi / (eps + eps)) * faktor;
    r.beta = r.beta * (180 / pi);
    r.re = pi * e.d * e.rn / 60 * r.psi * e.d * 900 / (1000 * (e.eta + e.eta));
    r.rs = 41.3 * std::sqrt(e.d / e.s);

    const double L = std::log10(r.so);
    double y = L * polynom(AE, x) + polynom(AC, x);
    y = y + polynom(AF, x) * std::pow(L, 2);
    y = y + polynom(AG, x) * std::pow(L, 3);
    y = y + polynom(AH, x) * std::pow(L, 4);
    r.brz = std::pow(10, y);

    const double q1 = eps * ((x - 0.223 * std::pow(x, 3)) * 0.25);
    r.Q1 = q1 * (std::pow(e.d / 10, 3) * r.psi * ome);
    const double dhb = e.dh / e.b;
    const double qh = 1.204 + 0.368 * dhb - 1.046 * std::pow(dhb, 2) + 1.942 * std::pow(dhb, 3);
    double q2 = 0;
    switch (e.radio_status) {
    case SCHMIERLOCH_GEGENUEBER:
        q2 = (pi / 48) * std::pow(eps + 1, 3) / (qh * std::log(e.b / e.dh));
        break;
    case SCHMIERLOCH_90_GRAD:
        q2 = (pi / 48) / (qh * std::log(e.b / e.dh));
        break;
    case RINGNUT:
        q2 = (pi / 24) * (1 + 1.5 * std::pow(eps, 2)) / x * e.b / (e.b - e.dh);
        break;
    }
    r.Q2 = std::pow(e.d / 10, 3) * std::pow(r.psi, 3) * e.pe / e.eta * q2 * 1e8;
    r.Q = r.Q1 + r.Q2;
    r.pf = r.u * (r.brz * r.psi * e.f);
    r.t2 = e.tein + r.pf / (1.8 * r.Q);
    r.epsue = 1 + (-2 * e.h0lim) / (r.psi * e.d);
    r.soue = sofunc(r.epsue, x, alfa1, alfa2);
    return r;
}

double gleitlager_so(double eps, double bd)
{
    return sofunc(eps, bd, polynom(ALFA1, bd), polynom(ALFA2, bd));
}

double gleitlager_eps_direkt(double so, double bd)
{
    return eps_direkt(so, bd);
}

const char* gleitlager_abbruch_text(LagerAbbruch a)
{
    switch (a) {
    case LagerAbbruch::breite:
        return "Breite zu Durchmesser zu klein oder zu gross!\nDer Wert muss zwischen\n"
               "0.125 >= B/D <= 1\nliegen!\nBitte Eingabe ueberpruefen und erneut rechnen.";
    case LagerAbbruch::iteration:
        return "Sommerfeld-Zahl ausserhalb des Iterationsbereichs!\n"
               "Die relative Exzentrizitaet liegt nicht zwischen 0.125 und 0.999.\n"
               "Bitte Eingabe ueberpruefen oder Eps direkt berechnen.";
    case LagerAbbruch::direkt:
        return "Die direkte Berechnung ergibt keine gueltige Exzentrizitaet (0 < eps < 1)!\n"
               "Bitte Eingabe ueberpruefen oder Eps iterativ berechnen.";
    case LagerAbbruch::keiner:
        break;
    }
    return "";
}

std::string gleitlager_eps_beschriftung(int iter)
{
    return "eps (" + std::to_string(iter) + ") / 1";
}

const char* gleitlager_reynolds_text(const LagerErgebnis& r)
{
    return r.re <= r.rs ? "Reynolds-Bedingung erfuellt\n" : "Reynolds-Bedingung nicht erfuellt\n";
}

std::string gleitlager_bericht(const double d_box_geom_werkstoff[13], int radio_status,
                               int check_status, int iter, const double d_box_ergebnisse[17],
                               bool reynolds_erfuellt)
{
    struct Zeile { const char* format; int index; };
    static const Zeile eingaben[13] = {
        {"Kraft F / N:                           %.8lf\n", 0},
        {"Drehzahl / 1/min:                      %.8lf\n", 1},
        {"Durchmesser / mm:                      %.8lf\n", 2},
        {"Breite / mm:                           %.8lf\n", 3},
        {"Lagerspiel / mm:                       %.8lf\n", 4},
        {"h0 lim / mm:                           %.8lf\n", 5},
        {"dynamische Viskositaet / mPa s:        %.8lf\n", 7},
        {"Oeldruck / bar:                        %.8lf\n", 8},
        {"Oeleintrittstemperatur / Grad C:       %.8lf\n", 9},
        {"Oelaustrittstemperatur / Grad C:       %.8lf\n", 10},
        {"alpha Welle / 1/K:                     %.8lf\n", 11},
        {"alpha Lager / 1/K:                     %.8lf\n", 12},
        {"dh bzw. dG / mm:                       %.8lf\n", 6},
    };
    static const char* const ergebnisse[17] = {
        "Breite/Durchmesser BD / 1:             %.8lf\n",
        "Geschwindigkeit u / m/s:               %.8lf\n",
        "Druck p / N/mm^2:                      %.8lf\n",
        "my/psi / 1:                            %.8lf\n",
        "Po / W:                                %.8lf\n",
        "Oelaustrittstemperatur / Grad C:       %.8lf\n",
        "psi / 1:                               %.8lf\n",
        "Sommerfeldzahl So / 1:                 %.8lf\n",
        nullptr, // the eps line carries the iteration count
        "Oelmenge Q1 / cm^3/s:                  %.8lf\n",
        "Oelmenge Q2 / cm^3/s:                  %.8lf\n",
        "Oelmenge Q / cm^3/s:                   %.8lf\n",
        "beta / Grad:                           %.8lf\n",
        "h0 / mm:                               %.8lf\n",
        "Reynolds-Zahl / 1:                     %.8lf\n",
        "eps (Uebergang) / 1:                   %.8lf\n",
        "Sommerfeld-Zahl (Uebergang) / 1:       %.8lf\n",
    };
    std::string t = "Berechnungsergebnisse:\n\n\nEingabedaten:\n\nGeometrie und Werkstoffdaten:\n";
    for (const Zeile& z : eingaben)
        t += kv_format(z.format, d_box_geom_werkstoff[z.index]);
    t += "\nAuswahl:\n";
    const char* schmierung = radio_status == SCHMIERLOCH_90_GRAD ? "Schmierloch 90 Grad zur Last\n"
                           : radio_status == RINGNUT ? "Ringnut\n"
                           : "Schmierloch gegenueber der Last\n";
    t += std::string("Schmierung: ") + schmierung + "\n";
    t += std::string(check_status == EPS_DIREKT ? "Eps direkt berechnet!\n"
                                                : "Eps iterativ berechnet!\n") + "\n";
    t += "\n\n\nErgebnisse:\n\n";
    for (int i = 0; i < 17; ++i) {
        if (i == 8)
            t += "eps (" + std::to_string(iter) + ") / 1:" + std::string(26, ' ')
               + kv_format("%.8lf\n", d_box_ergebnisse[8]);
        else
            t += kv_format(ergebnisse[i], d_box_ergebnisse[i]);
    }
    t += std::string("Reynolds-Bedingung: ;                  ")
       + (reynolds_erfuellt ? "erfuellt\n" : "nicht erfuellt\n") + "\n";
    return t;
}
