// What holds for the working of every computation: each step's text with
// the numbers put in, evaluated on its own, gives the step's value within
// the rounding of its printed numbers; a step
// named like a result field has that field's value to the bit; the results
// come in the order the calculator computes them; a verdict's "erfuellt"
// is its comparison.  For the cores' tests, no display.
#pragma once
#include "rechner.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// Evaluates a text with numbers put in: + - * / ^ (a power), parentheses,
// unary minus, sqrt, log10, ln, atan; nothing for any other name (a table,
// the bisection) or a text left over.
//
// The record prints every value to six significant digits, so a number in
// the text stands for any value within half a unit of its sixth digit: at
// most 5e-6 of its own size (the most, 5e-6, at a leading 1; at a leading 9
// it is 5.6e-7).  A fixed tolerance for the step cannot be right: a product
// of three rounded numbers may be off by 1.5e-5, a difference of two close
// ones by far more of its size, a power by its exponent's multiple.  So the
// text is evaluated over those ranges (interval arithmetic, every number of
// the text taken as +-5e-6 of itself; the formula's own constants, exact,
// widen it no more than that), and the step's value must lie in the range
// that comes out, give or take 1e-12 of its size for the rounding of double
// arithmetic in either evaluation.  Only a power's whole exponent counts as
// exact: the formulas write those themselves ("d^2"), and +-5e-6 on it would
// let a power of 12 be off by 2.5e-5 more.
class KvNachrechnen {
public:
    struct Bereich {
        double unten, oben;
        bool enthaelt(double w) const
        {
            if (std::isnan(w)) // 0 / 0: a range without bounds takes it
                return std::isnan(unten) || std::isnan(oben)
                    || (unten == -INFINITY && oben == INFINITY);
            const double rand = 1e-12 * std::fmax(std::fabs(unten), std::fabs(oben));
            return w >= unten - rand && w <= oben + rand;
        }
    };
    static std::optional<Bereich> bereich(const std::string& text)
    {
        KvNachrechnen n{text.c_str()};
        const Bereich b = n.summe();
        n.leer();
        if (!n.gut_ || *n.p_)
            return std::nullopt;
        return b;
    }

private:
    static constexpr double RUNDUNG = 5e-6;
    explicit KvNachrechnen(const char* p) : p_(p) {}
    // The range of f over the corners of a and b: right for +, -, * and /
    // away from 0 and for powers of a positive base, each monotonic in
    // either operand.
    template <class F>
    static Bereich ecken(Bereich a, Bereich b, F f)
    {
        const double w[4] = {f(a.unten, b.unten), f(a.unten, b.oben), f(a.oben, b.unten),
                             f(a.oben, b.oben)};
        Bereich r{w[0], w[0]};
        for (double x : w) {
            if (std::isnan(x))
                return {x, x};
            r.unten = std::fmin(r.unten, x);
            r.oben = std::fmax(r.oben, x);
        }
        return r;
    }
    static Bereich quotient(Bereich a, Bereich b)
    {
        if (b.unten <= 0 && b.oben >= 0)
            return {-INFINITY, INFINITY};
        return ecken(a, b, [](double x, double y) { return x / y; });
    }
    static Bereich hoch(Bereich a, Bereich b)
    {
        auto pow = [](double x, double y) { return std::pow(x, y); };
        // A whole exponent ("d^2", "(-0.3)^3") is the formula's own, exact.
        const double mitte = 0.5 * (b.unten + b.oben), n = std::round(mitte);
        if (std::fabs(mitte - n) <= 1e-9 * std::fmax(1, std::fabs(n))) {
            Bereich r = ecken(a, {n, n}, pow);
            if (a.unten < 0 && a.oben > 0)
                r = {std::fmin(r.unten, std::pow(0.0, n)), std::fmax(r.oben, std::pow(0.0, n))};
            return r;
        }
        // Any other only of a base of at least 0.
        return ecken({std::fmax(a.unten, 0.0), a.oben}, b, pow);
    }
    void leer() { while (*p_ == ' ') ++p_; }
    bool zeichen(char c) { leer(); return *p_ == c ? (++p_, true) : false; }
    Bereich summe()
    {
        Bereich w = produkt();
        for (;;) {
            if (zeichen('+'))
                w = ecken(w, produkt(), [](double x, double y) { return x + y; });
            else if (zeichen('-'))
                w = ecken(w, produkt(), [](double x, double y) { return x - y; });
            else
                return w;
        }
    }
    Bereich produkt()
    {
        Bereich w = vorzeichen();
        for (;;) {
            if (zeichen('*'))
                w = ecken(w, vorzeichen(), [](double x, double y) { return x * y; });
            else if (zeichen('/'))
                w = quotient(w, vorzeichen());
            else
                return w;
        }
    }
    Bereich vorzeichen()
    {
        if (!zeichen('-'))
            return potenz();
        const Bereich w = vorzeichen();
        return {-w.oben, -w.unten};
    }
    Bereich potenz()
    {
        const Bereich basis = einfach();
        return zeichen('^') ? hoch(basis, vorzeichen()) : basis;
    }
    Bereich einfach()
    {
        leer();
        if (zeichen('(')) {
            const Bereich w = summe();
            gut_ = gut_ && zeichen(')');
            return w;
        }
        double w = 0;
        const auto [ende, fehler] = std::from_chars(p_, p_ + std::strlen(p_), w);
        if (fehler == std::errc()) {
            p_ = ende;
            const double rand = RUNDUNG * std::fabs(w);
            return {w - rand, w + rand};
        }
        const char* anfang = p_;
        while (std::isalnum(static_cast<unsigned char>(*p_))) ++p_;
        const std::string name(anfang, p_);
        // Each of them rises with its argument.
        double (*f)(double) = name == "sqrt" ? static_cast<double (*)(double)>(std::sqrt)
                            : name == "log10" ? static_cast<double (*)(double)>(std::log10)
                            : name == "ln" ? static_cast<double (*)(double)>(std::log)
                            : name == "atan" ? static_cast<double (*)(double)>(std::atan)
                            : nullptr;
        if (!f || !zeichen('(')) {
            gut_ = false;
            return {0, 0};
        }
        const Bereich a = summe();
        gut_ = gut_ && zeichen(')');
        return {f(a.unten), f(a.oben)};
    }
    const char* p_;
    bool gut_ = true;
};

inline bool kv_bitgleich(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline bool kv_vergleich_gilt(const KvPruefung& p)
{
    return p.vergleich == "<=" ? p.wert <= p.grenze : p.vergleich == ">=" ? p.wert >= p.grenze
         : p.vergleich == "<" ? p.wert < p.grenze : p.vergleich == ">" && p.wert > p.grenze;
}

// Computes with the inputs as the window would and checks the working
// against the results; reihenfolge: the result fields in computation order.
inline KvRechengang kv_rechengang_pruefen(const KvRechner& r, const KvEingaben& e,
                                          const std::vector<std::string>& reihenfolge)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(r, e, stand);
    KvRechengang gang;
    EXPECT_EQ(rechnung.status, KvStatus::berechnet);
    if (rechnung.status != KvStatus::berechnet)
        return gang;
    r.rechengang(stand, rechnung, gang);
    std::vector<std::string> ergebnisse;
    for (const KvSchritt& s : gang.schritte) {
        SCOPED_TRACE(s.symbol + " = " + s.eingesetzt);
        for (std::size_t j = 0; j < r.ergebnisse.size(); ++j)
            if (s.symbol == r.ergebnisse[j].name) {
                ergebnisse.push_back(s.symbol);
                EXPECT_TRUE(kv_bitgleich(s.wert, rechnung.ergebnisse[j]))
                    << s.wert << " / " << rechnung.ergebnisse[j];
            }
        EXPECT_FALSE(s.formel.empty() || s.eingesetzt.empty() || s.einheit.empty());
        if (const std::optional<KvNachrechnen::Bereich> b = KvNachrechnen::bereich(s.eingesetzt)) {
            EXPECT_TRUE(b->enthaelt(s.wert)) << b->unten << " bis " << b->oben << " / " << s.wert;
        }
    }
    EXPECT_EQ(ergebnisse, reihenfolge);
    for (const KvPruefung& p : gang.pruefungen)
        if (p.mit_grenze)
            EXPECT_EQ(p.erfuellt, kv_vergleich_gilt(p)) << p.text;
        else
            EXPECT_FALSE(p.bemerkung.empty()) << p.text;
    return gang;
}

// The inputs of the defaults with some fields and options changed.
struct KvAenderung {
    const char* name;
    const char* text; // a field's text, or an option's value name
};

inline KvEingaben kv_eingaben_mit(const KvRechner& r, const std::vector<KvAenderung>& aenderungen)
{
    KvEingaben e = kv_vorgaben(r);
    for (const KvAenderung& a : aenderungen) {
        const int o = kv_option_index(r, a.name);
        if (o >= 0)
            e.optionen[o] = kv_optionswert_index(r.optionen[o], a.text);
        else
            e.texte[kv_eingabe_index(r, a.name)] = a.text;
    }
    return e;
}

// The values as read from the inputs, what a core computes from; the texts
// stay the inputs', so e must outlive the result.
inline KvStand kv_stand_mit(const KvRechner& r, const KvEingaben& e)
{
    KvStand stand;
    KvRechnung rechnung;
    EXPECT_TRUE(kv_lesen(r, e, stand, rechnung));
    return stand;
}

// The first step of that symbol.
inline const KvSchritt& kv_schritt_von(const KvRechengang& g, const std::string& symbol)
{
    for (const KvSchritt& s : g.schritte)
        if (s.symbol == symbol)
            return s;
    ADD_FAILURE() << "kein Schritt " << symbol;
    static const KvSchritt keiner;
    return keiner;
}
