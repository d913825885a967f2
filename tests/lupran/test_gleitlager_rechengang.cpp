// The working of the plain bearing, step by step, against what the core
// computes; without a display.
#include "gleitlager.h"
#include "rechengang_pruefen.h"
#include "zahlen.h"

namespace {

// The results in the order the bearing is computed.
const std::vector<std::string> reihenfolge = {
    "u", "psi", "bd", "pq", "so", "eps", "h0", "beta", "re", "brz", "Q1", "Q2", "Q", "pf", "t2",
    "epsue", "soue"};

// Each oil feed with each method, the narrowest bearing, a light load by the
// direct fit, a thin oil (Reynolds limit exceeded), a higher film limit.
const std::vector<std::vector<KvAenderung>> faelle = {
    {}, {{"Oelzufuhr", "2"}}, {{"Oelzufuhr", "3"}},
    {{"eps_direkt", "ja"}}, {{"eps_direkt", "ja"}, {"Oelzufuhr", "2"}},
    {{"eps_direkt", "ja"}, {"Oelzufuhr", "3"}},
    {{"b", "15"}}, {{"f", "500"}, {"eps_direkt", "ja"}}, {{"eta", "0.5"}}, {{"h0lim", "0.02"}}};

KvRechengang gang(const std::vector<KvAenderung>& f)
{
    return kv_rechengang_pruefen(lupran_rechner, kv_eingaben_mit(lupran_rechner, f), reihenfolge);
}

TEST(GleitlagerRechengang, SchritteWieDieErgebnisseUndBitgleichOhneAufzeichnung)
{
    EXPECT_STREQ(lupran_rechner.verfahren, "nach DIN 31652");
    for (const auto& f : faelle) {
        EXPECT_EQ(gang(f).pruefungen.size(), 2u);
        const KvEingaben eingaben = kv_eingaben_mit(lupran_rechner, f);
        const KvStand s = kv_stand_mit(lupran_rechner, eingaben);
        KvRechengang g;
        const LagerErgebnis a = gleitlager_berechnen(gleitlager_eingabe(s));
        const LagerErgebnis b = gleitlager_berechnen(gleitlager_eingabe(s), &g);
        EXPECT_EQ(a.iter, b.iter);
        const std::array<double, 17> fa = gleitlager_ergebnisfelder(a),
                                     fb = gleitlager_ergebnisfelder(b);
        EXPECT_EQ(std::memcmp(fa.data(), fb.data(), sizeof fa), 0);
        EXPECT_TRUE(kv_bitgleich(a.rs, b.rs));
    }
}

// Expected texts and values worked out by hand from the defaults (F 36000,
// n 2000, D 120, B 60, s 0.12, oil 58 to 78 Grad C) and the program's pi 3.14159.
TEST(GleitlagerRechengang, EingesetztMitDenZahlen)
{
    const KvRechengang g = gang({});
    struct { const char* symbol; const char* eingesetzt; double wert; } faelle[] = {
        {"temp", "(58 + 78) * 0.5", 68},
        {"u", "120 * 3.14159 * 2000 / 60000", 12.56636},  // not 12.56637: five decimals of pi
        {"bd", "60 / 120", 0.5},
        {"pq", "36000 / (120 * 60)", 5},
        {"rs", "41.3 * sqrt(120 / 0.12)", 1306.0206736},  // 41.3 sqrt(1000)
        {"dhb", "5 / 60", 0.0833333333},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(kv_schritt_von(g, f.symbol).eingesetzt, f.eingesetzt);
        EXPECT_NEAR(kv_schritt_von(g, f.symbol).wert, f.wert, 1e-7) << f.symbol;
    }
    // psi = 0.12/120 + (0.000023 - 0.000011) (68 - 20) = 0.001576, as it
    // enters the film thickness with the bisection's eps (13 steps).
    const KvSchritt& psi = kv_schritt_von(g, "psi");
    EXPECT_NEAR(psi.wert, 0.001576, 1e-15);
    const std::string eps = kv_sechsstellig(kv_schritt_von(g, "eps").wert);
    EXPECT_EQ(kv_schritt_von(g, "h0").eingesetzt,
              "(1 - " + eps + ") * (120 * 0.5 * 0.001576)");
    EXPECT_NE(kv_schritt_von(g, "eps").eingesetzt.find("13 Schritte"), std::string::npos);
    // The direct fit of the band 0.4 < B/D <= 0.5; the annular groove's flow.
    const KvRechengang d = gang({{"eps_direkt", "ja"}, {"Oelzufuhr", "3"}});
    EXPECT_EQ(kv_schritt_von(d, "ex").eingesetzt.rfind("0.0583217 * ", 0), 0u);
    EXPECT_EQ(kv_schritt_von(d, "q2").formel, "(pi / 24) * (1 + 1.5 * eps^2) / bd * b / (b - dh)");
}

TEST(GleitlagerRechengang, Pruefungen)
{
    // h0 against h0lim, re against rs as the window's label says.
    struct { std::vector<KvAenderung> f; int pruefung; bool erfuellt; } faelle[] = {
        {{}, 0, true},                     // 0.01674 >= 0.005
        {{}, 1, true},                     // 39.6 <= 1306
        {{{"h0lim", "0.02"}}, 0, false},   // 0.01674 < 0.02
        {{{"eta", "0.5"}}, 1, false},      // 54 times the Reynolds number: 2139 > 1306
    };
    for (const auto& f : faelle) {
        const KvRechengang g = gang(f.f);
        ASSERT_EQ(g.pruefungen.size(), 2u);
        EXPECT_EQ(g.pruefungen[f.pruefung].erfuellt, f.erfuellt) << g.pruefungen[f.pruefung].text;
        EXPECT_EQ(g.pruefungen[1].bemerkung, g.pruefungen[1].erfuellt
                                                 ? "Reynolds-Bedingung erfuellt"
                                                 : "Reynolds-Bedingung nicht erfuellt");
    }
}

} // namespace
