#include "gleitlager.h"

#include "bericht.h"
#include "rechengang_aufzeichnen.h"
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

// The polynomial's formula in bd, in the order polynom sums it.
std::string polynom_formel(const double c[5])
{
    std::string t = kv_kurz(c[1]) + " * bd";
    const char* const potenzen[5] = {"", "", " * bd^2", " * bd^3", " * bd^4"};
    for (int i : {0, 2, 3, 4}) {
        t += c[i] < 0 ? " - " : " + ";
        kv_kurz_anhaengen(t, std::fabs(c[i]));
        t += potenzen[i];
    }
    return t;
}

void polynom_schritt(KvRechengang* gang, const char* symbol, const double c[5], double bd,
                     double wert)
{
    if (gang)
        kv_schritt(gang, symbol, polynom_formel(c), {{"bd", bd}}, wert, "1");
}

const double ALFA1[5] = {1.1642, -1.9456, 7.1161, -10.1073, 5.0141};
const double ALFA2[5] = {-1.000026, -0.023634, -0.4215, -0.038817, -0.090551};
const double AC[5] = {1.153423, -2.69332, 6.552763, -7.81938, 3.405146};
const double AE[5] = {-0.7441784, 0.104245, -0.343503, 0.4677244, -0.215028};
const double AF[5] = {-0.0105921, 0.342048, -0.459955, 0.381193, -0.1056112};
const double AG[5] = {-0.000397154, -0.01669, 0.00966612, -0.0191126, -0.01094135};
const double AH[5] = {0.00258444, -0.00870384, -0.00157289, 0.01759905, -0.006688832};

// Sommerfeld function So(eps) for the width ratio bd, and its formula as
// the working writes it for the transition eccentricity epsue.
const char* const SOFUNC_EPSUE =
    "bd * bd * epsue / ((1 - epsue * epsue) * (2 * (1 - epsue * epsue)))"
    " * sqrt(16 * (epsue * epsue) + pi * pi * (1 - epsue * epsue)) * alfa1 * (epsue - 1)"
    " / (epsue + alfa2)";
double sofunc(double eps, double bd, double alfa1, double alfa2)
{
    const double epsh2 = eps * eps;
    return bd * bd * eps / ((1 - epsh2) * (2 * (1 - epsh2)))
         * std::sqrt(16 * epsh2 + pi * pi * (1 - epsh2)) * alfa1 * (eps - 1) / (eps + alfa2);
}

// Direct curve fit eps(So), coefficients c3, c2, c1, c0 by width ratio.
double eps_direkt(double so, double bd, KvRechengang* gang = nullptr)
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
    kv_schritt(gang, "L", "log10(so)", {{"so", so}}, L, "1");
    const double ex = c.c3 * std::pow(L, 3) + c.c2 * std::pow(L, 2) + c.c1 * L - c.c0;
    kv_schritt(gang, "ex", "c3 * L^3 + c2 * L^2 + c1 * L - c0",
               {{"c3", c.c3}, {"c2", c.c2}, {"c1", c.c1}, {"c0", c.c0}, {"L", L}}, ex, "1");
    const double eps = std::pow(10, ex);
    kv_schritt(gang, "eps", "10^ex", {{"ex", ex}}, eps, "1");
    return eps;
}

// The checks: the film thickness against its limit, the Reynolds number
// against its limit as the window's label tells it.
void pruefungen(const LagerEingabe& e, const LagerErgebnis& r, KvRechengang& gang)
{
    gang.pruefungen.push_back({N_("minimale Schmierfilmdicke h0"), r.h0, "mm", true, ">=", e.h0lim,
                               r.h0 >= e.h0lim, "h0 lim"});
    // The label's words without its line end.
    const bool erfuellt = gleitlager_reynolds_erfuellt(r);
    gang.pruefungen.push_back({N_("Reynolds-Zahl re"), r.re, "1", true, "<=", r.rs, erfuellt,
                               erfuellt ? N_("Reynolds-Bedingung erfuellt")
                                        : N_("Reynolds-Bedingung nicht erfuellt")});
}

} // namespace

LagerEingabe gleitlager_eingabe(const double v[13], int radio_status, int check_status)
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
            radio_status, check_status};
}

LagerErgebnis gleitlager_berechnen(const LagerEingabe& e, KvRechengang* gang)
{
    LagerErgebnis r{};
    const double temp = (e.tein + e.taus) * 0.5;
    kv_schritt(gang, "temp", "(tein + taus) * 0.5", {{"tein", e.tein}, {"taus", e.taus}}, temp,
               N_("Grad C"));
    r.u = e.d * pi * e.rn / 60000;
    kv_schritt(gang, "u", "d * pi * rn / 60000", {{"d", e.d}, {"pi", pi}, {"rn", e.rn}}, r.u,
               "m/s");
    const double ome = (pi + pi) * e.rn / 60;
    kv_schritt(gang, "ome", "(pi + pi) * rn / 60", {{"pi", pi}, {"rn", e.rn}}, ome, "1/s");
    const double psim = e.s / e.d;
    kv_schritt(gang, "psim", "s / d", {{"s", e.s}, {"d", e.d}}, psim, "1");
    const double dpsi = (e.a1b - e.a1s) * (temp - 20);
    kv_schritt(gang, "dpsi", "(a1b - a1s) * (temp - 20)",
               {{"a1b", e.a1b}, {"a1s", e.a1s}, {"temp", temp}}, dpsi, "1");
    r.psi = dpsi + psim;
    kv_schritt(gang, "psi", "dpsi + psim", {{"dpsi", dpsi}, {"psim", psim}}, r.psi, "1");
    r.bd = e.b / e.d;
    kv_schritt(gang, "bd", "b / d", {{"b", e.b}, {"d", e.d}}, r.bd, "1");
    r.pq = e.f / (e.d * e.b);
    kv_schritt(gang, "pq", "f / (d * b)", {{"f", e.f}, {"d", e.d}, {"b", e.b}}, r.pq, "N/mm^2");
    r.so = r.pq * r.psi * r.psi * 1e9 / (e.eta * ome);
    kv_schritt(gang, "so", "pq * psi * psi * 1e9 / (eta * ome)",
               {{"pq", r.pq}, {"psi", r.psi}, {"eta", e.eta}, {"ome", ome}}, r.so, "1");
    if (0.125 > r.bd || r.bd > 1) {
        r.abbruch = LagerAbbruch::breite;
        return r;
    }
    const double alfa1 = polynom(ALFA1, r.bd), alfa2 = polynom(ALFA2, r.bd);
    polynom_schritt(gang, "alfa1", ALFA1, r.bd, alfa1);
    polynom_schritt(gang, "alfa2", ALFA2, r.bd, alfa2);

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
        eps = eps_direkt(r.so, r.bd, gang);
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
    } else {
        // The step in words, in the reader's language before the numbers go in.
        if (gang)
            // Uebersetzung: so, xu, xo and iter are symbols; they get their values.
            kv_schritt(gang, "eps", _("Bisektion So(eps) = so zwischen xu und xo, iter Schritte"),
                       {{"so", r.so}, {"xu", GLEITLAGER_EPS_UNTEN}, {"xo", GLEITLAGER_EPS_OBEN},
                        {"iter", double(iter)}}, eps, "1");
    }
    r.eps = eps;
    r.iter = iter;

    r.h0 = (1 - eps) * (e.d * 0.5 * r.psi);
    kv_schritt(gang, "h0", "(1 - eps) * (d * 0.5 * psi)",
               {{"eps", eps}, {"d", e.d}, {"psi", r.psi}}, r.h0, "mm");
    const double x = r.bd;
    const double faktor = (6.6294 - 1.591732 * x) * std::pow(eps, 4)
                        + (3.424337 * x - 13.3415) * std::pow(eps, 3)
                        + (8.73393 - 2.3291 * x) * std::pow(eps, 2)
                        + (0.798745 * x - 2.5905) * eps + (1.152624 - 0.105465 * x);
    kv_schritt(gang, "faktor",
               "(6.6294 - 1.591732 * bd) * eps^4 + (3.424337 * bd - 13.3415) * eps^3"
               " + (8.73393 - 2.3291 * bd) * eps^2 + (0.798745 * bd - 2.5905) * eps"
               " + (1.152624 - 0.105465 * bd)",
               {{"bd", x}, {"eps", eps}}, faktor, "1");
    r.beta = std::atan(std::sqrt(1 - eps * eps) * pi / (eps + eps)) * faktor;
    r.beta = r.beta * (180 / pi);
    kv_schritt(gang, "beta", "atan(sqrt(1 - eps * eps) * pi / (eps + eps)) * faktor * (180 / pi)",
               {{"eps", eps}, {"pi", pi}, {"faktor", faktor}}, r.beta, N_("Grad"));
    r.re = pi * e.d * e.rn / 60 * r.psi * e.d * LAGER_OELDICHTE / (1000 * (e.eta + e.eta));
    kv_schritt(gang, "re", "pi * d * rn / 60 * psi * d * 900 / (1000 * (eta + eta))",
               {{"pi", pi}, {"d", e.d}, {"rn", e.rn}, {"psi", r.psi}, {"eta", e.eta}}, r.re, "1");
    r.rs = 41.3 * std::sqrt(e.d / e.s);
    kv_schritt(gang, "rs", "41.3 * sqrt(d / s)", {{"d", e.d}, {"s", e.s}}, r.rs, "1");

    const double L = std::log10(r.so);
    kv_schritt(gang, "L", "log10(so)", {{"so", r.so}}, L, "1");
    const double ac = polynom(AC, x), ae = polynom(AE, x), af = polynom(AF, x),
                 ag = polynom(AG, x), ah = polynom(AH, x);
    polynom_schritt(gang, "ac", AC, x, ac);
    polynom_schritt(gang, "ae", AE, x, ae);
    polynom_schritt(gang, "af", AF, x, af);
    polynom_schritt(gang, "ag", AG, x, ag);
    polynom_schritt(gang, "ah", AH, x, ah);
    double y = L * ae + ac;
    y = y + af * std::pow(L, 2);
    y = y + ag * std::pow(L, 3);
    y = y + ah * std::pow(L, 4);
    kv_schritt(gang, "y", "L * ae + ac + af * L^2 + ag * L^3 + ah * L^4",
               {{"L", L}, {"ac", ac}, {"ae", ae}, {"af", af}, {"ag", ag}, {"ah", ah}}, y, "1");
    r.brz = std::pow(10, y);
    kv_schritt(gang, "brz", "10^y", {{"y", y}}, r.brz, "1");

    const double q1 = eps * ((x - 0.223 * std::pow(x, 3)) * 0.25);
    kv_schritt(gang, "q1", "eps * ((bd - 0.223 * bd^3) * 0.25)", {{"eps", eps}, {"bd", x}}, q1,
               "1");
    r.Q1 = q1 * (std::pow(e.d / 10, 3) * r.psi * ome);
    kv_schritt(gang, "Q1", "q1 * ((d / 10)^3 * psi * ome)",
               {{"q1", q1}, {"d", e.d}, {"psi", r.psi}, {"ome", ome}}, r.Q1, "cm^3/s");
    const double dhb = e.dh / e.b;
    kv_schritt(gang, "dhb", "dh / b", {{"dh", e.dh}, {"b", e.b}}, dhb, "1");
    const double qh = 1.204 + 0.368 * dhb - 1.046 * std::pow(dhb, 2) + 1.942 * std::pow(dhb, 3);
    kv_schritt(gang, "qh", "1.204 + 0.368 * dhb - 1.046 * dhb^2 + 1.942 * dhb^3", {{"dhb", dhb}},
               qh, "1");
    double q2 = 0;
    const char* q2_formel = "0";
    switch (e.radio_status) {
    case SCHMIERLOCH_GEGENUEBER:
        q2 = (pi / 48) * std::pow(eps + 1, 3) / (qh * std::log(e.b / e.dh));
        q2_formel = "(pi / 48) * (eps + 1)^3 / (qh * ln(b / dh))";
        break;
    case SCHMIERLOCH_90_GRAD:
        q2 = (pi / 48) / (qh * std::log(e.b / e.dh));
        q2_formel = "(pi / 48) / (qh * ln(b / dh))";
        break;
    case RINGNUT:
        q2 = (pi / 24) * (1 + 1.5 * std::pow(eps, 2)) / x * e.b / (e.b - e.dh);
        q2_formel = "(pi / 24) * (1 + 1.5 * eps^2) / bd * b / (b - dh)";
        break;
    }
    kv_schritt(gang, "q2", q2_formel,
               {{"pi", pi}, {"eps", eps}, {"qh", qh}, {"b", e.b}, {"dh", e.dh}, {"bd", x}}, q2,
               "1");
    r.Q2 = std::pow(e.d / 10, 3) * std::pow(r.psi, 3) * e.pe / e.eta * q2 * 1e8;
    kv_schritt(gang, "Q2", "(d / 10)^3 * psi^3 * pe / eta * q2 * 1e8",
               {{"d", e.d}, {"psi", r.psi}, {"pe", e.pe}, {"eta", e.eta}, {"q2", q2}}, r.Q2,
               "cm^3/s");
    r.Q = r.Q1 + r.Q2;
    kv_schritt(gang, "Q", "Q1 + Q2", {{"Q1", r.Q1}, {"Q2", r.Q2}}, r.Q, "cm^3/s");
    r.pf = r.u * (r.brz * r.psi * e.f);
    kv_schritt(gang, "pf", "u * (brz * psi * f)",
               {{"u", r.u}, {"brz", r.brz}, {"psi", r.psi}, {"f", e.f}}, r.pf, "W");
    r.t2 = e.tein + r.pf / (1.8 * r.Q);
    kv_schritt(gang, "t2", "tein + pf / (1.8 * Q)", {{"tein", e.tein}, {"pf", r.pf}, {"Q", r.Q}},
               r.t2, N_("Grad C"));
    r.epsue = 1 + (-2 * e.h0lim) / (r.psi * e.d);
    kv_schritt(gang, "epsue", "1 + (-2 * h0lim) / (psi * d)",
               {{"h0lim", e.h0lim}, {"psi", r.psi}, {"d", e.d}}, r.epsue, "1");
    r.soue = sofunc(r.epsue, x, alfa1, alfa2);
    kv_schritt(gang, "soue", SOFUNC_EPSUE,
               {{"bd", x}, {"epsue", r.epsue}, {"pi", pi}, {"alfa1", alfa1}, {"alfa2", alfa2}},
               r.soue, "1");
    if (gang)
        pruefungen(e, r, *gang);
    return r;
}

std::array<double, 17> gleitlager_ergebnisfelder(const LagerErgebnis& r)
{
    return {r.bd, r.u, r.pq, r.brz, r.pf, r.t2, r.psi, r.so, r.eps,
            r.Q1, r.Q2, r.Q, r.beta, r.h0, r.re, r.epsue, r.soue};
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
        return N_("Breite zu Durchmesser zu klein oder zu gross!\nDer Wert muss zwischen\n"
                  "0.125 >= B/D <= 1\nliegen!\nBitte Eingabe ueberpruefen und erneut rechnen.");
    case LagerAbbruch::iteration:
        return N_("Sommerfeld-Zahl ausserhalb des Iterationsbereichs!\n"
                  "Die relative Exzentrizitaet liegt nicht zwischen 0.125 und 0.999.\n"
                  "Bitte Eingabe ueberpruefen oder Eps direkt berechnen.");
    case LagerAbbruch::direkt:
        return N_("Die direkte Berechnung ergibt keine gueltige Exzentrizitaet (0 < eps < 1)!\n"
                  "Bitte Eingabe ueberpruefen oder Eps iterativ berechnen.");
    case LagerAbbruch::keiner:
        break;
    }
    return "";
}

std::string gleitlager_eps_beschriftung(int iter)
{
    return "eps (" + std::to_string(iter) + ") / 1";
}

bool gleitlager_reynolds_erfuellt(const LagerErgebnis& r)
{
    return r.re <= r.rs;
}

const char* gleitlager_reynolds_text(const LagerErgebnis& r)
{
    return gleitlager_reynolds_erfuellt(r) ? N_("Reynolds-Bedingung erfuellt\n")
                                           : N_("Reynolds-Bedingung nicht erfuellt\n");
}

std::string gleitlager_bericht(const double d_box_geom_werkstoff[13], int radio_status,
                               int check_status, int iter, const double d_box_ergebnisse[17],
                               bool reynolds_erfuellt)
{
    struct Zeile { const char* format; int index; };
    static const Zeile eingaben[13] = {
        {N_("Kraft F / N:                           %.8lf\n"), 0},
        {N_("Drehzahl / 1/min:                      %.8lf\n"), 1},
        {N_("Durchmesser / mm:                      %.8lf\n"), 2},
        {N_("Breite / mm:                           %.8lf\n"), 3},
        {N_("Lagerspiel / mm:                       %.8lf\n"), 4},
        {N_("h0 lim / mm:                           %.8lf\n"), 5},
        {N_("dynamische Viskositaet / mPa s:        %.8lf\n"), 7},
        {N_("Oeldruck / bar:                        %.8lf\n"), 8},
        {N_("Oeleintrittstemperatur / Grad C:       %.8lf\n"), 9},
        {N_("Oelaustrittstemperatur / Grad C:       %.8lf\n"), 10},
        {N_("alpha Welle / 1/K:                     %.8lf\n"), 11},
        {N_("alpha Lager / 1/K:                     %.8lf\n"), 12},
        {N_("dh bzw. dG / mm:                       %.8lf\n"), 6},
    };
    static const char* const ergebnisse[17] = {
        N_("Breite/Durchmesser BD / 1:             %.8lf\n"),
        N_("Geschwindigkeit u / m/s:               %.8lf\n"),
        N_("Druck p / N/mm^2:                      %.8lf\n"),
        N_("my/psi / 1:                            %.8lf\n"),
        N_("Po / W:                                %.8lf\n"),
        N_("Oelaustrittstemperatur / Grad C:       %.8lf\n"),
        N_("psi / 1:                               %.8lf\n"),
        N_("Sommerfeldzahl So / 1:                 %.8lf\n"),
        nullptr, // the eps line carries the iteration count
        N_("Oelmenge Q1 / cm^3/s:                  %.8lf\n"),
        N_("Oelmenge Q2 / cm^3/s:                  %.8lf\n"),
        N_("Oelmenge Q / cm^3/s:                   %.8lf\n"),
        N_("beta / Grad:                           %.8lf\n"),
        N_("h0 / mm:                               %.8lf\n"),
        N_("Reynolds-Zahl / 1:                     %.8lf\n"),
        N_("eps (Uebergang) / 1:                   %.8lf\n"),
        N_("Sommerfeld-Zahl (Uebergang) / 1:       %.8lf\n"),
    };
    std::string t = kv_berichtskopf("", N_("Berechnungsergebnisse:"), "\n\n\n")
                  + kv_berichtskopf("", N_("Eingabedaten:"), "\n\n")
                  + kv_berichtskopf("", N_("Geometrie und Werkstoffdaten:"), "\n");
    for (const Zeile& z : eingaben)
        t += kv_berichtszeile(z.format, d_box_geom_werkstoff[z.index]);
    t += kv_berichtskopf("\n", N_("Auswahl:"), "\n");
    const char* schmierung = radio_status == SCHMIERLOCH_90_GRAD ? N_("Schmierloch 90 Grad zur Last")
                           : radio_status == RINGNUT ? N_("Ringnut")
                           : N_("Schmierloch gegenueber der Last");
    t += kv_einsetzen(_("Schmierung: {1}\n"), {_(schmierung)}) + "\n";
    t += kv_berichtskopf("", check_status == EPS_DIREKT ? N_("Eps direkt berechnet!")
                                                        : N_("Eps iterativ berechnet!"), "\n\n");
    t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
    for (int i = 0; i < 17; ++i) {
        if (i == 8)
            t += "eps (" + std::to_string(iter) + ") / 1:" + std::string(26, ' ')
               + kv_format("%.8lf\n", d_box_ergebnisse[8]);
        else
            t += kv_berichtszeile(ergebnisse[i], d_box_ergebnisse[i]);
    }
    t += std::string(reynolds_erfuellt ? _("Reynolds-Bedingung: ;                  erfuellt\n")
                                       : _("Reynolds-Bedingung: ;                  nicht erfuellt\n"))
       + "\n";
    return t;
}
