#include "suche.h"

#include "kuerzeste.h"
#include "sprache.h"
#include "zahlen.h"

#include <boost/math/policies/policy.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <boost/throw_exception.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#ifdef BOOST_NO_EXCEPTIONS
// Built without exceptions, Boost hands its errors here; the policy above
// turns every one of the solver's into a value, so this is never reached.
namespace boost {
void throw_exception(const std::exception&) { std::abort(); }
void throw_exception(const std::exception&, const boost::source_location&) { std::abort(); }
} // namespace boost
#endif

namespace {

constexpr double NAN_ = std::numeric_limits<double>::quiet_NaN();
// Intervals of the scan: evenly over the range, or per decade by factors.
constexpr int SCHRITTE_GLEICH = 16;
constexpr int SCHRITTE_JE_DEKADE = 12;
// The bracket solver's limit of computations per bracket.
constexpr int SCHRITTE_TOMS = 60;

// Trials: the inputs with the field's text changed, computed as "Rechnen"
// computes them.
class Versuche {
public:
    Versuche(const KvRechner& r, const KvEingaben& e, const KvSuche& s) : r_(r), e_(e), s_(s) {}

    // Result minus target at the field text t; NaN where the calculator
    // refuses or gives no finite result.
    double abweichung(const std::string& t, double& ergebnis)
    {
        e_.texte[s_.feld] = t;
        ++rechnungen;
        const KvRechnung rechnung = kv_rechnen(r_, e_, stand_);
        ergebnis = rechnung.ergebnisse[s_.ergebnis];
        if (rechnung.status != KvStatus::berechnet || !std::isfinite(ergebnis))
            return NAN_;
        if (!gesehen || ergebnis < kleinstes) kleinstes = ergebnis;
        if (!gesehen || ergebnis > groesstes) groesstes = ergebnis;
        gesehen = true;
        return ergebnis - s_.ziel;
    }
    double abweichung(double x, double& ergebnis) { return abweichung(kv_feldtext(x), ergebnis); }

    long rechnungen = 0;
    bool gesehen = false;
    double kleinstes = 0, groesstes = 0;

private:
    const KvRechner& r_;
    KvEingaben e_;
    const KvSuche& s_;
    KvStand stand_;
};

std::vector<double> rasterpunkte(double von, double bis)
{
    std::vector<double> x;
    const bool faktoren = von > 0 && bis / von > 10;
    const int n = faktoren ? static_cast<int>(std::ceil(std::log10(bis / von) * SCHRITTE_JE_DEKADE))
                           : SCHRITTE_GLEICH;
    for (int k = 0; k <= n; ++k) {
        const double t = static_cast<double>(k) / n;
        x.push_back(k == 0 ? von
                    : k == n ? bis
                    : faktoren ? von * std::pow(bis / von, t)
                               : von + (bis - von) * t);
    }
    return x;
}

// A decimal m * 10^k.
struct Dezimal {
    int64_t m;
    int k;
};

// x rounded to p significant digits.
Dezimal gerundet(double x, int p)
{
    const std::string s = kv_format(("%." + std::to_string(p - 1) + "e").c_str(), x);
    const size_t e = s.find('e');
    std::string ziffern = s.substr(0, e);
    ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), '.'), ziffern.end());
    int exponent = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    int64_t m = 0;
    std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), m);
    return {m, exponent - (p - 1)};
}

// The field text of a decimal: digits and at most one point, no zeros
// after the last digit behind the point.
std::string text_von(Dezimal d)
{
    std::string z = std::to_string(d.m);
    if (d.m == 0)
        return "0";
    if (d.k >= 0)
        return z + std::string(static_cast<size_t>(d.k), '0');
    const int punkt = static_cast<int>(z.size()) + d.k;
    z = punkt <= 0 ? "0." + std::string(static_cast<size_t>(-punkt), '0') + z
                   : z.substr(0, static_cast<size_t>(punkt)) + "." + z.substr(static_cast<size_t>(punkt));
    z.erase(z.find_last_not_of('0') + 1);
    if (z.back() == '.')
        z.pop_back();
    return z;
}

struct Punkt {
    double x;
    double abstand; // |result - target|
    double ergebnis;
    std::string text;
};

class Suche {
public:
    Suche(const KvRechner& r, const KvEingaben& e, const KvSuche& s)
        : s_(s), format_(r.ergebnisse[s.ergebnis].format), v_(r, e, s)
    {
    }
    KvSuchergebnis ausfuehren(const KvRechner& r);

private:
    std::optional<Punkt> konvergieren(double a, double fa, double b, double fb);
    Punkt kuerzester_text(const Punkt& bester, double lo, double hi);
    template <class Gut>
    std::optional<Punkt> mit_stellen(const Punkt& bester, int p, double lo, double hi, Gut gut);
    template <class Gut>
    Punkt halbierend(const Punkt& bester, double lo, double hi, Gut gut);

    const KvSuche& s_;
    const char* format_; // how the window shows the sought result
    Versuche v_;
};

// Errors of the solver (bounds out of order, no sign change) come back as
// values rather than exceptions; the caller gives it only brackets with a
// sign change.
using OhneAusnahmen = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;

// TOMS 748 in [a, b] (fa, fb of opposite signs); the best point it
// computed.  None where a trial inside gives no result, or where the sign
// changes in a jump or a pole rather than through the target: far beyond
// both ends' deviation a result does not cross the target smoothly.  Such a
// trial answers 0, the one value that ends the solver at once, right after
// it; the gap is noted and the bracket given up.
std::optional<Punkt> Suche::konvergieren(double a, double fa, double b, double fb)
{
    Punkt bester = std::fabs(fa) < std::fabs(fb) ? Punkt{a, std::fabs(fa), fa + s_.ziel, {}}
                                                 : Punkt{b, std::fabs(fb), fb + s_.ziel, {}};
    const double pol = 10 * std::max(std::fabs(fa), std::fabs(fb));
    bool luecke = false;
    auto f = [&](double x) {
        double y = 0;
        const double d = v_.abweichung(x, y);
        if (std::isnan(d) || std::fabs(d) > pol) {
            luecke = true;
            return 0.0;
        }
        if (std::fabs(d) < bester.abstand)
            bester = {x, std::fabs(d), y, {}};
        return d;
    };
    auto genug = [](double x, double y) {
        return std::fabs(x - y) <= 4 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(x), std::fabs(y));
    };
    std::uintmax_t schritte = SCHRITTE_TOMS;
    if (fa != 0 && fb != 0)
        boost::math::tools::toms748_solve(f, a, b, fa, fb, genug, schritte, OhneAusnahmen());
    if (luecke || bester.abstand > 1e-3 * std::fabs(fa - fb))
        return std::nullopt;
    bester.text = kv_feldtext(bester.x);
    return bester;
}

// The text of p significant digits in lo..hi next to the best point that
// `gut` accepts: the one the point rounds to, else its neighbour on the
// other side.
template <class Gut>
std::optional<Punkt> Suche::mit_stellen(const Punkt& bester, int p, double lo, double hi, Gut gut)
{
    const Dezimal d = gerundet(bester.x, p);
    const double x1 = kv_zahl_lesen(text_von(d).c_str());
    const Dezimal nachbar{x1 > bester.x ? d.m - 1 : d.m + 1, d.k};
    for (const Dezimal& c : {d, nachbar}) {
        if (c.m < 0)
            continue;
        const std::string t = text_von(c);
        const double x = kv_zahl_lesen(t.c_str());
        if (x < lo || x > hi)
            continue;
        double y = 0;
        const Punkt q{x, std::fabs(v_.abweichung(t, y)), y, t};
        if (gut(q))
            return q;
    }
    return std::nullopt;
}

// The fewest significant digits, up to the best point's own, with which
// `gut` accepts a text, found by halving: where p digits suffice, p + 1 do
// as well.  The best point itself when none do.
template <class Gut>
Punkt Suche::halbierend(const Punkt& bester, double lo, double hi, Gut gut)
{
    int unten = 1, oben = kv_kuerzeste_stellen(bester.x);
    Punkt p = bester;
    while (unten < oben) {
        const int mitte = (unten + oben) / 2;
        if (const std::optional<Punkt> q = mit_stellen(bester, mitte, lo, hi, gut)) {
            p = *q;
            oben = mitte;
        } else {
            unten = mitte + 1;
        }
    }
    return p;
}

// The shortest text in lo..hi whose result the window shows as it shows
// the target (14.92 rather than 14.915737589845097 where both show the
// same).  Where the best point's result is shown so, those texts make an
// interval around it and the digits are found by halving; where it is not
// (a target just on a rounding edge of the format), they lie to one side,
// fewer digits may fit where more do not, and each count is tried in turn.
// Where no text is shown as the target, the shortest text whose result is
// as close to the target as the best point's.
Punkt Suche::kuerzester_text(const Punkt& bester, double lo, double hi)
{
    const std::string ziel = kv_format(format_, s_.ziel);
    auto wie_ziel = [&](const Punkt& q) { return kv_format(format_, q.ergebnis) == ziel; };
    if (wie_ziel(bester))
        return halbierend(bester, lo, hi, wie_ziel);
    const int alle = kv_kuerzeste_stellen(bester.x);
    for (int p = 1; p < alle; ++p)
        if (const std::optional<Punkt> q = mit_stellen(bester, p, lo, hi, wie_ziel))
            return *q;
    return halbierend(bester, lo, hi, [&](const Punkt& q) { return q.abstand <= bester.abstand; });
}

KvSuchergebnis Suche::ausfuehren(const KvRechner& r)
{
    KvSuchergebnis e;
    const std::string feld = kv_such_name(r.eingaben[s_.feld]);
    const std::string ergebnis = kv_such_name(r.ergebnisse[s_.ergebnis]);
    const std::vector<double> x = rasterpunkte(s_.von, s_.bis);
    std::vector<double> f(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        double y = 0;
        f[i] = v_.abweichung(x[i], y);
    }
    if (v_.gesehen && v_.kleinstes == v_.groesstes
        && std::count_if(f.begin(), f.end(), [](double d) { return !std::isnan(d); }) > 1) {
        e.meldung = kv_einsetzen(_("{1} haengt von {2} bis {3} nicht von {4} ab"),
                                 {ergebnis, kv_feldtext(s_.von), kv_feldtext(s_.bis), feld});
        e.rechnungen = v_.rechnungen;
        return e;
    }
    for (size_t i = 0; i < x.size(); ++i) {
        std::optional<Punkt> p;
        double lo = x[i], hi = x[i];
        if (f[i] == 0) {
            lo = x[i == 0 ? 0 : i - 1];
            hi = x[i + 1 < x.size() ? i + 1 : i];
            p = Punkt{x[i], 0, s_.ziel, kv_feldtext(x[i])};
        } else if (i + 1 < x.size() && f[i + 1] != 0 && (f[i] < 0) != (f[i + 1] < 0)
                   && !std::isnan(f[i]) && !std::isnan(f[i + 1])) {
            lo = x[i];
            hi = x[i + 1];
            p = konvergieren(x[i], f[i], x[i + 1], f[i + 1]);
        }
        if (!p)
            continue;
        const Punkt k = kuerzester_text(*p, lo, hi);
        if (e.loesungen.empty() || e.loesungen.back().text != k.text)
            e.loesungen.push_back({k.text, k.x, k.ergebnis});
    }
    e.rechnungen = v_.rechnungen;
    e.ergebnisse_gesehen = v_.gesehen;
    e.kleinstes = v_.kleinstes;
    e.groesstes = v_.groesstes;
    if (!e.loesungen.empty()) {
        e.status = KvSuchstatus::gefunden;
        return e;
    }
    e.status = KvSuchstatus::keine_loesung;
    const std::string ziel = kv_kurz(s_.ziel), von = kv_feldtext(s_.von), bis = kv_feldtext(s_.bis);
    e.meldung = v_.gesehen
                    ? kv_einsetzen(_("keine Loesung: {1} erreicht {2} mit {3} von {4} bis {5} nicht "
                                     "(Ergebnisse von {6} bis {7})"),
                                   {ergebnis, ziel, feld, von, bis, kv_kurz(v_.kleinstes), kv_kurz(v_.groesstes)})
                    : kv_einsetzen(_("keine Loesung: {1} erreicht {2} mit {3} von {4} bis {5} nicht "
                                     "(keine Berechnung im Bereich gelungen)"),
                                   {ergebnis, ziel, feld, von, bis});
    return e;
}

} // namespace

std::string kv_such_name(const KvEingabe& f)
{
    return std::string(f.name) + " (" + _(f.beschriftung) + ")";
}

std::string kv_such_name(const KvAusgabe& a)
{
    return std::string(a.name) + " (" + _(a.beschriftung) + ")";
}

std::string kv_suchfeld(const KvRechner& r, const int* optionen, const std::string& name, int& feld)
{
    feld = kv_eingabe_index(r, name);
    if (feld < 0) {
        if (kv_option_index(r, name) >= 0)
            return kv_einsetzen(_("{1} ist eine Auswahl; gesucht werden kann nur ein Zahlenfeld"), {name});
        return kv_einsetzen(_("unbekanntes Eingabefeld \"{1}\" fuer {2}"), {name, r.name});
    }
    const KvEingabe& f = r.eingaben[feld];
    std::string grund;
    if (f.text)
        grund = kv_einsetzen(_("{1} ist ein Textfeld; gesucht werden kann nur ein Zahlenfeld"), {kv_such_name(f)});
    else if (!kv_gelesen(r, feld, optionen))
        grund = kv_einsetzen(_("{1} wird bei dieser Auswahl nicht gelesen"), {kv_such_name(f)});
    if (!grund.empty())
        feld = -1;
    return grund;
}

std::string kv_suchergebnis(const KvRechner& r, const int* optionen, const std::string& name,
                            int& ergebnis)
{
    ergebnis = -1;
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (name == r.ergebnisse[j].name)
            ergebnis = static_cast<int>(j);
    if (ergebnis < 0)
        return kv_einsetzen(_("unbekanntes Ergebnis \"{1}\" fuer {2}"), {name, r.name});
    if (!kv_gilt(r.ergebnisse[ergebnis].nur_bei, optionen)) {
        const std::string grund = kv_einsetzen(_("{1} wird bei dieser Auswahl nicht berechnet"),
                                               {kv_such_name(r.ergebnisse[ergebnis])});
        ergebnis = -1;
        return grund;
    }
    return "";
}

void kv_suchbereich_vorgabe(double wert, double& von, double& bis)
{
    von = wert / 10;
    bis = wert * 10;
}

KvSuchergebnis kv_suchen(const KvRechner& r, const KvEingaben& e, const KvSuche& s)
{
    KvSuchergebnis ergebnis;
    auto verweigert = [&](std::string grund) {
        ergebnis.meldung = std::move(grund);
        return ergebnis;
    };
    const bool feld_gut = s.feld >= 0 && s.feld < static_cast<int>(r.eingaben.size());
    const bool ergebnis_gut = s.ergebnis >= 0 && s.ergebnis < static_cast<int>(r.ergebnisse.size());
    if (!feld_gut || !ergebnis_gut)
        return verweigert(_("kein Eingabefeld oder kein Ergebnis gewaehlt"));
    int i = 0;
    if (std::string grund = kv_suchfeld(r, e.optionen.data(), r.eingaben[s.feld].name, i); !grund.empty())
        return verweigert(grund);
    if (std::string grund = kv_suchergebnis(r, e.optionen.data(), r.ergebnisse[s.ergebnis].name, i);
        !grund.empty())
        return verweigert(grund);
    if (!std::isfinite(s.ziel))
        return verweigert(_("der Zielwert ist keine endliche Zahl"));
    const std::string von = kv_feldtext(s.von), bis = kv_feldtext(s.bis);
    if (!std::isfinite(s.von) || !std::isfinite(s.bis) || s.von < 0 || s.bis < 0)
        return verweigert(
            kv_einsetzen(_("Bereich von {1} bis {2}: die Grenzen duerfen nicht negativ sein"), {von, bis}));
    if (s.von >= s.bis)
        return verweigert(kv_einsetzen(_("Bereich von {1} bis {2}: VON muss kleiner als BIS sein"), {von, bis}));
    // The other fields are read as they stand: one that fails the digit
    // check fails every trial.
    KvEingaben probe = e;
    probe.texte[s.feld] = kv_feldtext(s.von);
    KvStand stand;
    KvRechnung rechnung;
    if (!kv_lesen(r, probe, stand, rechnung))
        return verweigert(kv_rechnung_fehler(r, rechnung).meldung);
    return Suche(r, e, s).ausfuehren(r);
}
