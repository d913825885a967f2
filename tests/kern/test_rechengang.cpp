// The working the cores write down: computed with the recorder the results
// are bitwise those of the normal path, every result field has its step,
// and every formula with the numbers put in, evaluated here in double
// arithmetic, gives exactly the value beside it.
#include "knickung.h"
#include "kupplung.h"
#include "mitschrift.h"
#include "tellerfeder.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A small evaluator for the formulas as the cores write them: numbers,
// + - * /, unary minus, ^ (pow), parentheses, sqrt(x), ln(x).
class Ausdruck {
public:
    explicit Ausdruck(const std::string& t) : t_(t) {}
    double wert()
    {
        const double v = summe();
        leer();
        if (p_ != t_.size())
            throw std::runtime_error("Rest: " + t_.substr(p_));
        return v;
    }

private:
    void leer() { while (p_ < t_.size() && t_[p_] == ' ') ++p_; }
    bool ist(char c) { leer(); if (p_ < t_.size() && t_[p_] == c) { ++p_; return true; } return false; }
    double summe()
    {
        double v = produkt();
        for (;;) {
            if (ist('+')) v = v + produkt();
            else if (ist('-')) v = v - produkt();
            else return v;
        }
    }
    double produkt()
    {
        double v = vorzeichen();
        for (;;) {
            if (ist('*')) v = v * vorzeichen();
            else if (ist('/')) v = v / vorzeichen();
            else return v;
        }
    }
    double vorzeichen() { return ist('-') ? -vorzeichen() : potenz(); }
    double potenz()
    {
        const double b = einfach();
        return ist('^') ? std::pow(b, vorzeichen()) : b;
    }
    double einfach()
    {
        leer();
        if (ist('(')) { const double v = summe(); klammer_zu(); return v; }
        for (const char* f : {"sqrt(", "ln("})
            if (t_.compare(p_, std::strlen(f), f) == 0) {
                p_ += std::strlen(f);
                const double v = summe();
                klammer_zu();
                return f[0] == 's' ? std::sqrt(v) : std::log(v);
            }
        double v = 0;
        const auto [ende, fehler] = std::from_chars(t_.data() + p_, t_.data() + t_.size(), v);
        if (fehler != std::errc())
            throw std::runtime_error("keine Zahl bei: " + t_.substr(p_));
        p_ = ende - t_.data();
        return v;
    }
    void klammer_zu() { if (!ist(')')) throw std::runtime_error("')' fehlt in " + t_); }

    std::string t_;
    size_t p_ = 0;
};

bool gleich(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

struct Fall {
    const KvRechner* r;
    std::vector<std::pair<const char*, const char*>> setzen; // field or option = text
    std::vector<std::string> pruefungen; // expected verdicts: text + "=" + erfuellt/-
};

KvEingaben eingaben(const Fall& f)
{
    KvEingaben e = kv_vorgaben(*f.r);
    for (const auto& [name, wert] : f.setzen) {
        if (const int i = kv_eingabe_index(*f.r, name); i >= 0)
            e.texte[i] = wert;
        else
            e.optionen[kv_option_index(*f.r, name)] =
                kv_optionswert_index(f.r->optionen[kv_option_index(*f.r, name)], wert);
    }
    return e;
}

std::string urteil(const KvPruefung& p)
{
    return p.text + "=" + (!p.mit_grenze ? "-" : p.erfuellt ? "ja" : "nein");
}

const char* const EULER = "Euler-Bereich: Schlankheitsgrad lambda >= Grenzschlankheitsgrad lambda_grenz";
const char* const DRUCK = "Druckspannung sig_druck <= zul. Druckspannung sig_druck_zul";
const char* const SYNC = "Synchronisation: Beschleunigungszeit tb > 0";

TEST(Rechengang, WerteSindDieDesKerns)
{
    const std::vector<std::string> spannungen = {
        "Spannung OM sigom (Oberseite, Mitte)=-", "Spannung 1 sig1 (Oberseite, innen)=-",
        "Spannung 2 sig2 (Unterseite, innen)=-", "Spannung 3 sig3 (Unterseite, aussen)=-"};
    const Fall faelle[] = {
        {&stalor_rechner, {}, {std::string(EULER) + "=ja", std::string(DRUCK) + "=nein"}},
        {&stalor_rechner, {{"Knickfall", "2"}, {"F", "1000"}}, {std::string(EULER) + "=ja", std::string(DRUCK) + "=ja"}},
        {&stalor_rechner, {{"Knickfall", "3"}}, {std::string(EULER) + "=ja", std::string(DRUCK) + "=ja"}},
        {&stalor_rechner, {{"Knickfall", "4"}}, {std::string(EULER) + "=nein", std::string(DRUCK) + "=ja"}},
        {&stalor_rechner, {{"A", "0"}, {"I", "0"}}, {std::string(EULER) + "=ja", std::string(DRUCK) + "=nein"}},
        {&kopdra_rechner, {}, {"Betriebsart=-", std::string(SYNC) + "=ja"}},
        {&kopdra_rechner, {{"TK", "3000"}}, {"Betriebsart=-", std::string(SYNC) + "=nein"}},
        {&kopdra_rechner, {{"Modus", "gesucht"}}, {"Betriebsart=-"}},
        {&kopdra_rechner, {{"Modus", "gesucht"}, {"tB", "0.5"}, {"n20", "50"}}, {"Betriebsart=-"}},
        {&wendis_rechner, {}, spannungen},
        {&wendis_rechner, {{"t", "1.2"}, {"s", "0.8"}, {"De", "80"}, {"Di", "31"}}, spannungen},
    };
    for (const Fall& f : faelle) {
        const KvEingaben e = eingaben(f);
        KvStand stand;
        const KvRechnung rechnung = kv_rechnen(*f.r, e, stand);
        ASSERT_EQ(rechnung.status, KvStatus::berechnet);
        ASSERT_NE(f.r->rechengang, nullptr) << f.r->name;
        KvRechengang gang;
        f.r->rechengang(stand, rechnung, gang);
        const std::string fall = std::string(f.r->name) + " " + e.texte[0] + " Option "
                                 + (e.optionen.empty() ? "-" : std::to_string(e.optionen[0]));

        // Every result field the mode computes has its step, with its value.
        for (size_t j = 0; j < f.r->ergebnisse.size(); ++j) {
            const KvAusgabe& a = f.r->ergebnisse[j];
            if (!kv_gilt(a.nur_bei, stand.optionen))
                continue;
            const std::string symbol = std::string(a.name) == "TK_gesucht" ? "TK" : a.name;
            int gefunden = 0;
            for (const KvSchritt& s : gang.schritte)
                if (s.symbol == symbol) {
                    ++gefunden;
                    EXPECT_TRUE(gleich(s.wert, rechnung.ergebnisse[j])) << fall << ": " << symbol;
                    EXPECT_EQ(s.einheit, a.einheit) << fall << ": " << symbol;
                }
            EXPECT_EQ(gefunden, 1) << fall << ": " << symbol;
        }
        // Each formula with its numbers gives the value written beside it.
        for (const KvSchritt& s : gang.schritte) {
            EXPECT_FALSE(s.formel.empty());
            EXPECT_EQ(s.formel.find('{'), std::string::npos) << s.formel;
            double v = 0;
            ASSERT_NO_THROW(v = Ausdruck(s.eingesetzt).wert()) << fall << ": " << s.eingesetzt;
            EXPECT_TRUE(gleich(v, s.wert)) << fall << ": " << s.symbol << " = " << s.eingesetzt
                                           << " = " << v << ", Kern: " << s.wert;
        }
        std::vector<std::string> urteile;
        for (const KvPruefung& p : gang.pruefungen)
            urteile.push_back(urteil(p));
        EXPECT_EQ(urteile, f.pruefungen) << fall;
    }
}

TEST(Rechengang, MitschriftAendertKeinErgebnis)
{
    // The same inputs through the normal path and with the recorder.
    const KnickEingabe k{5000, 229, 78.54, 490.87, 206000, 500, 7, KNICKFALL_4};
    KvRechengang g;
    const KnickErgebnis a = knickung_berechnen(k), b = knickung_berechnen(k, &g);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);

    const KupplungEingabe c{15325, 4000, 16000, 350, 0, 350, 200, 76, 80, 0.23069};
    const KupplungGegeben ga = kupplung_tk_gegeben(c), gb = kupplung_tk_gegeben(c, &g);
    EXPECT_EQ(std::memcmp(&ga, &gb, sizeof ga), 0);
    const double ta = kupplung_tk_gesucht(c), tb = kupplung_tk_gesucht(c, &g);
    EXPECT_TRUE(gleich(ta, tb));

    const TellerEingabe t{100, 206000, 50, 0.3, 1, 1, 1};
    const TellerErgebnis wa = tellerfeder_berechnen(t), wb = tellerfeder_berechnen(t, &g);
    EXPECT_EQ(std::memcmp(&wa, &wb, sizeof wa), 0);
}

TEST(Rechengang, VorlageSetztZahlenEin)
{
    KvRechengang g;
    kv_schritt(g, "x", "{a} - {b} * 2", {1.5, -0.1}, 0, "mm");
    ASSERT_EQ(g.schritte.size(), 1u);
    EXPECT_EQ(g.schritte[0].formel, "a - b * 2");
    EXPECT_EQ(g.schritte[0].eingesetzt, "1.5 - (-0.1) * 2");
}

} // namespace
