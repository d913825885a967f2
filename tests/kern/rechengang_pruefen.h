// What holds for the working of every computation: each step's text with
// the numbers put in, evaluated on its own, gives the step's value; a step
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
class KvNachrechnen {
public:
    static std::optional<double> wert(const std::string& text)
    {
        KvNachrechnen n{text.c_str()};
        const double w = n.summe();
        n.leer();
        if (!n.gut_ || *n.p_)
            return std::nullopt;
        return w;
    }

private:
    explicit KvNachrechnen(const char* p) : p_(p) {}
    void leer() { while (*p_ == ' ') ++p_; }
    bool zeichen(char c) { leer(); return *p_ == c ? (++p_, true) : false; }
    double summe()
    {
        double w = produkt();
        for (;;) {
            if (zeichen('+')) w = w + produkt();
            else if (zeichen('-')) w = w - produkt();
            else return w;
        }
    }
    double produkt()
    {
        double w = vorzeichen();
        for (;;) {
            if (zeichen('*')) w = w * vorzeichen();
            else if (zeichen('/')) w = w / vorzeichen();
            else return w;
        }
    }
    double vorzeichen() { return zeichen('-') ? -vorzeichen() : potenz(); }
    double potenz()
    {
        const double basis = einfach();
        return zeichen('^') ? std::pow(basis, vorzeichen()) : basis;
    }
    double einfach()
    {
        leer();
        if (zeichen('(')) {
            const double w = summe();
            gut_ = gut_ && zeichen(')');
            return w;
        }
        double w = 0;
        const auto [ende, fehler] = std::from_chars(p_, p_ + std::strlen(p_), w);
        if (fehler == std::errc()) {
            p_ = ende;
            return w;
        }
        const char* anfang = p_;
        while (std::isalnum(static_cast<unsigned char>(*p_))) ++p_;
        const std::string name(anfang, p_);
        double (*f)(double) = name == "sqrt" ? static_cast<double (*)(double)>(std::sqrt)
                            : name == "log10" ? static_cast<double (*)(double)>(std::log10)
                            : name == "ln" ? static_cast<double (*)(double)>(std::log)
                            : name == "atan" ? static_cast<double (*)(double)>(std::atan)
                            : nullptr;
        if (!f || !zeichen('(')) {
            gut_ = false;
            return 0;
        }
        w = f(summe());
        gut_ = gut_ && zeichen(')');
        return w;
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
        if (const std::optional<double> w = KvNachrechnen::wert(s.eingesetzt)) {
            EXPECT_TRUE(*w == s.wert || (std::isnan(*w) && std::isnan(s.wert))
                        || std::fabs(*w - s.wert) <= 1e-12 * std::fabs(s.wert))
                << *w << " / " << s.wert;
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
