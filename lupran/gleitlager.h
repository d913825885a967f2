// Hydrodynamic radial plain bearing after DIN 31652: Sommerfeld number,
// relative eccentricity (bisection or direct curve fit), friction, oil flows
// for three kinds of oil feed, outlet temperature, attitude angle, film
// thickness, Reynolds check and transition values.  Plain C++, no GTK.
#pragma once
#include "rechner.h"

#include <array>
#include <string>

// The oil's density the Reynolds number assumes, kg/m^3.
constexpr double LAGER_OELDICHTE = 900;

// Oil feed and eccentricity method, as the option buttons set them.
enum { SCHMIERLOCH_GEGENUEBER = 1001, SCHMIERLOCH_90_GRAD, RINGNUT,
       EPS_DIREKT, EPS_ITERATIV };

struct LagerEingabe {
    double f, rn, d, b, s, h0lim, dh, eta, pe, tein, taus, a1s, a1b;
    int radio_status; // oil feed
    int check_status; // eccentricity method
};

// Why a press computes nothing.
enum class LagerAbbruch { keiner, breite, iteration, direkt };

struct LagerErgebnis {
    LagerAbbruch abbruch = LagerAbbruch::keiner;
    double bd, u, pq, brz, pf, t2, psi, so, eps, Q1, Q2, Q, beta, h0, re, epsue, soue;
    int iter;  // bisection steps, 0 after the direct formula
    double rs; // limit of the Reynolds number
};

// The inputs from the 13 fields in window order and the two options.
LagerEingabe gleitlager_eingabe(const double d_box_geom_werkstoff[13], int radio_status,
                                int check_status);

// With gang, also the working: every quantity where it is computed, and the
// checks.
LagerErgebnis gleitlager_berechnen(const LagerEingabe& e, KvRechengang* gang = nullptr);

// The 17 result fields in the window's order.
std::array<double, 17> gleitlager_ergebnisfelder(const LagerErgebnis& r);

// The span of relative eccentricities the bisection searches.
inline constexpr double GLEITLAGER_EPS_UNTEN = 0.125, GLEITLAGER_EPS_OBEN = 0.999;
// Sommerfeld number So(eps) for the width ratio bd, the function the
// bisection solves (bd between 0.125 and 1).
double gleitlager_so(double eps, double bd);
// Relative eccentricity eps(So) of the direct curve fit for the width ratio bd.
double gleitlager_eps_direkt(double so, double bd);

// The message shown when a press is refused.
const char* gleitlager_abbruch_text(LagerAbbruch a);

// The eps caption after a computation, with its bisection count, and the
// verdict of the Reynolds check (re against its limit rs) and its label.
std::string gleitlager_eps_beschriftung(int iter);
bool gleitlager_reynolds_erfuellt(const LagerErgebnis& r);
const char* gleitlager_reynolds_text(const LagerErgebnis& r);

// Report of the last computation: the inputs as read, the options the
// results were computed with, and the 17 results.
std::string gleitlager_bericht(const double d_box_geom_werkstoff[13], int radio_status,
                               int check_status, int iter, const double d_box_ergebnisse[17],
                               bool reynolds_erfuellt);

// Fields, options, results and computation of the plain-bearing calculator.
extern const KvRechner lupran_rechner;
// Its built-in tables (lupran_kataloge.cpp).
void lupran_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen);
// The bearing as the fields and option buttons hold it.
LagerEingabe gleitlager_eingabe(const KvStand& s);
