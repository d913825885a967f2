// The working the cores write down: computed with the recorder the results
// are bitwise those of the normal path, every result field has its step,
// and every formula with the numbers put in (six digits each), evaluated on
// its own, gives the value beside it within the rounding of those numbers.
#include "knickung.h"
#include "kupplung.h"
#include "rechengang_aufzeichnen.h"
#include "rechengang_pruefen.h"
#include "rechengang_text.h"
#include "tellerfeder.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

bool gleich(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || kv_bitgleich(a, b);
}

struct Fall {
    const KvRechner* r;
    std::vector<KvAenderung> setzen; // field or option = text
    std::vector<std::string> pruefungen; // expected verdicts: text + "=" + erfuellt/-
};

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
        const KvEingaben e = kv_eingaben_mit(*f.r, f.setzen);
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
            const std::optional<KvNachrechnen::Bereich> b = KvNachrechnen::bereich(s.eingesetzt);
            ASSERT_TRUE(b) << fall << ": " << s.eingesetzt;
            EXPECT_TRUE(b->enthaelt(s.wert)) << fall << ": " << s.symbol << " = " << s.eingesetzt
                                             << " = " << b->unten << " bis " << b->oben
                                             << ", Kern: " << s.wert;
        }
        // The window's checks; an addition's its own tests hold.
        std::vector<std::string> urteile;
        for (const KvPruefung& p : gang.pruefungen)
            if (!kv_im_zusatz(*f.r, p.rahmen.c_str()))
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
    kv_schritt(&g, "x", "a - b * 2", {{"a", 1.5}, {"b", -0.1}}, 0, "mm");
    ASSERT_EQ(g.schritte.size(), 1u);
    EXPECT_EQ(g.schritte[0].formel, "a - b * 2");
    EXPECT_EQ(g.schritte[0].eingesetzt, "1.5 - (-0.1) * 2");
    // Operands to six digits; the formula's own constants as written.
    kv_schritt(&g, "A", "pi * d^2 / 4 + 1.000026 * x", {{"pi", 3.14159265}, {"d", 9.8529775},
                                                       {"x", -2.79154321e-6}}, 0, "mm^2");
    EXPECT_EQ(g.schritte[1].eingesetzt, "3.14159 * 9.85298^2 / 4 + 1.000026 * (-2.79154e-6)");
}

// The working as text, as the web page prints it: each symbol with its
// lines below one another, each check with its line indented; a value just
// past its limit with every digit.
TEST(Rechengang, AlsText)
{
    KvRechengang g;
    EXPECT_EQ(kv_rechengang_text(g), "");
    kv_schritt(&g, "lambda", "lk / i", {{"lk", 458}, {"i", 2.5}}, 183.2, "1");
    kv_schritt(&g, "F", "a * 2", {{"a", 0.5}}, 1, "N");
    kv_pruefung(g, "Kraft F <= Grenze", 1.0000001, "N", "<=", 1, false);
    kv_feststellung(g, "Bereich", 0, "", "elastisch");
    EXPECT_EQ(kv_rechengang_text(g), std::string(KV_RECHENGANG_TITEL) + "\n" + KV_RECHENGANG_ERKLAERUNG + "\n"
                                         "\n"
                                         "lambda = lk / i\n"
                                         "       = 458 / 2.5\n"
                                         "       = 183.2\n"
                                         "\n"
                                         "F = a * 2\n"
                                         "  = 0.5 * 2\n"
                                         "  = 1 N\n"
                                         "\n"
                                         "Pruefungen\n"
                                         "\n"
                                         "Kraft F <= Grenze\n"
                                         "    1.0000001 N <= 1 N: nicht erfuellt\n"
                                         "\n"
                                         "Bereich\n"
                                         "    elastisch\n");
    g.schritte.clear();
    EXPECT_EQ(kv_rechengang_text(g).rfind("Pruefungen\n\nKraft", 0), 0u);
}

// What a core records after setting the addition's frame carries it, and
// the text gives it after the window's working, under its caption, as the
// record's section of its own.
TEST(Rechengang, ZusatzNachDemFenster)
{
    KvRechengang g;
    kv_schritt(&g, "phi", "T / c", {{"T", 10}, {"c", 5}}, 2, "Grad");
    kv_pruefung(g, "Spannung", 1, "N/mm^2", "<=", 2, true);
    g.rahmen = "Verdrehung je Meter";
    kv_schritt(&g, "theta", "phi / l 1000", {{"phi", 2}, {"l", 500}}, 4, "Grad/m");
    kv_pruefung(g, "Verdrehung theta", 4, "Grad/m", "<=", 3, false);
    EXPECT_EQ(g.schritte[0].rahmen, "");
    EXPECT_EQ(g.pruefungen[0].rahmen, "");
    EXPECT_EQ(g.schritte[1].rahmen, "Verdrehung je Meter");
    EXPECT_EQ(g.pruefungen[1].rahmen, "Verdrehung je Meter");
    const std::string t = kv_rechengang_text(g);
    const size_t zusatz = t.find("\nVerdrehung je Meter\n\nRechengang\n\ntheta = phi / l 1000\n");
    ASSERT_NE(zusatz, std::string::npos) << t;
    EXPECT_LT(t.find("Spannung\n"), zusatz);
    EXPECT_EQ(t.substr(0, zusatz).find("theta"), std::string::npos) << t;
    EXPECT_EQ(t.substr(t.rfind("Pruefungen")), "Pruefungen\n\nVerdrehung theta\n    4 Grad/m <= 3 Grad/m: nicht erfuellt\n");
    // Without the window's steps the addition's stand alone.
    g.schritte.erase(g.schritte.begin());
    g.pruefungen.erase(g.pruefungen.begin());
    EXPECT_EQ(kv_rechengang_text(g).rfind("Verdrehung je Meter\n\nRechengang\n", 0), 0u);
}

TEST(Rechengang, NachrechnenMitDerRundungDerZahlen)
{
    auto enthaelt = [](const char* text, double wert) {
        const std::optional<KvNachrechnen::Bereich> b = KvNachrechnen::bereich(text);
        return b && b->enthaelt(wert);
    };
    // The program's pi to eight decimals, printed to six digits.
    EXPECT_TRUE(enthaelt("3.14159 * 12^2 / 4", 3.14159265 * 144 / 4));
    EXPECT_FALSE(enthaelt("3.14159 * 12^2 / 4", 113.1));      // 2.4e-5 off, 2e-5 allowed
    EXPECT_FALSE(enthaelt("3.14159 * 12^2 / 4", 3.14159265 * 12 / 4));
    // Rounding of close numbers grows in their difference.
    EXPECT_TRUE(enthaelt("100.001 - 100", 100.0014 - 100));
    EXPECT_FALSE(enthaelt("100.001 - 100", 0.0025));
    // Powers multiply the rounding; whole exponents of a negative base.
    EXPECT_TRUE(enthaelt("1.00001^100", std::pow(1.0000149, 100)));
    EXPECT_TRUE(enthaelt("(-0.3)^3 + sqrt(4)", -0.027 + 2));
    EXPECT_TRUE(enthaelt("0 / 0", NAN));
    EXPECT_FALSE(enthaelt("1 / 2", NAN));
    EXPECT_FALSE(KvNachrechnen::bereich("uSA(12, 12.9, 0)"));
}

} // namespace
