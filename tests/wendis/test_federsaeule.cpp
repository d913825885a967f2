// A stack of disc springs from the single spring: its results against the
// single spring's values of test_tellerfeder (defaults: F = 130.411989 N,
// W = 81.507493 mJ at s = 1 mm, t = h0 = 1 mm, so l0 = 2 mm), the refusals,
// the working and the stack's characteristic.
#include "diagramm_pruefen.h"
#include "federsaeule.h"
#include "rechengang_pruefen.h"
#include "tellerfeder_diagramm.h"
#include "zahlen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string f(double v) { return kv_format("%10.6lf", v); }

struct Fall {
    const char* i;
    const char* n;
    // F_ges, s_ges, L0_ges, L_ges, W_ges as the result fields show them.
    const char* erwartet[5];
};

// Each row: where its numbers come from.
const Fall faelle[] = {
    // One spring: the single spring's F, s, l0 = t + h0 = 2, l0 - s, W.
    {"1", "1", {"130.411989", "  1.000000", "  2.000000", "  1.000000", " 81.507493"}},
    // Five in series: F as one; 5 x 1 mm; 5 x 2 mm; 10 - 5; 5 x 81.507493.
    {"5", "1", {"130.411989", "  5.000000", " 10.000000", "  5.000000", "407.537466"}},
    // Three nested: 3 x 130.411989; s as one; 2 + 2 x t = 4; 4 - 1; 3 x W.
    {"1", "3", {"391.235967", "  1.000000", "  4.000000", "  3.000000", "244.522480"}},
    // Three packets of two: 2 x F; 3 x 1; 3 x (2 + 1) = 9; 9 - 3; 6 x W.
    {"3", "2", {"260.823978", "  3.000000", "  9.000000", "  6.000000", "489.044959"}},
};

const char* const NAMEN[5] = {"F_ges", "s_ges", "L0_ges", "L_ges", "W_ges"};

int ergebnis(const KvRechner& r, const std::string& name)
{
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (r.ergebnisse[j].name == name)
            return static_cast<int>(j);
    return -1;
}

TEST(Federsaeule, AusDerEinzelfeder)
{
    const KvRechner& R = wendis_rechner;
    for (const Fall& fall : faelle) {
        const KvEingaben e = kv_eingaben_mit(R, {{"i", fall.i}, {"n", fall.n}});
        KvStand stand;
        const KvRechnung r = kv_rechnen(R, e, stand);
        ASSERT_EQ(r.status, KvStatus::berechnet) << fall.i << " " << fall.n;
        for (int k = 0; k < 5; ++k) {
            const int j = ergebnis(R, NAMEN[k]);
            ASSERT_GE(j, 0) << NAMEN[k];
            EXPECT_EQ(kv_ergebnistext(R, r, stand.optionen, j), fall.erwartet[k])
                << "i=" << fall.i << " n=" << fall.n << ": " << NAMEN[k];
        }
        // The single spring's results stay those of one spring.
        EXPECT_EQ(f(r.ergebnisse[0]), "130.411989");
        EXPECT_EQ(f(r.ergebnisse[2]), " 81.507493");
    }
}

TEST(Federsaeule, NurGanzeZahlenAbEins)
{
    const KvRechner& R = wendis_rechner;
    const std::string reihe = "Die Zahl der Federn in Reihe i muss eine ganze Zahl ab 1 sein!";
    const std::string paket = "Die Zahl der Federn parallel je Paket n muss eine ganze Zahl ab 1 sein!";
    const struct {
        const char* i;
        const char* n;
        const std::string& meldung;
    } faelle[] = {
        {"0", "1", reihe},   {"2.5", "1", reihe}, {"1", "1.5", paket},
        {"1", "0", paket},   {"3", "0.999", paket},
    };
    for (const auto& fall : faelle) {
        const KvEingaben e = kv_eingaben_mit(R, {{"i", fall.i}, {"n", fall.n}});
        KvStand stand;
        const KvRechnung r = kv_rechnen(R, e, stand);
        EXPECT_EQ(r.status, KvStatus::verweigert) << fall.i << " " << fall.n;
        EXPECT_EQ(r.meldung, fall.meldung) << fall.i << " " << fall.n;
        // Nothing to draw either, for the same reason.
        Diagramm d;
        std::string fehler;
        KvRechnung gelesen;
        ASSERT_TRUE(kv_lesen(R, e, stand, gelesen, true));
        EXPECT_FALSE(R.diagramm(stand, d, fehler));
        EXPECT_EQ(fehler, fall.meldung);
    }
    // What no field reads (the digit check rejects it) the core refuses too.
    EXPECT_NE(federsaeule_verweigerung(INFINITY, 1), nullptr);
    EXPECT_NE(federsaeule_verweigerung(1, NAN), nullptr);
    EXPECT_NE(federsaeule_verweigerung(-2, 1), nullptr);
    // A whole number written with a point is whole.
    const KvEingaben e = kv_eingaben_mit(R, {{"i", "2.0"}, {"n", "3.00"}});
    KvStand stand;
    EXPECT_EQ(kv_rechnen(R, e, stand).status, KvStatus::berechnet);
}

TEST(Federsaeule, RechengangNenntJedenSchritt)
{
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 1, 1};
    const TellerErgebnis r = tellerfeder_berechnen(e);
    KvRechengang g;
    const SaeulenErgebnis a = federsaeule_berechnen(e, r, 3, 2, &g);
    std::vector<std::string> symbole, eingesetzt;
    for (const KvSchritt& s : g.schritte) {
        symbole.push_back(s.symbol);
        eingesetzt.push_back(s.eingesetzt);
    }
    EXPECT_EQ(symbole, (std::vector<std::string>{"l0", "F_ges", "s_ges", "L0_ges", "L_ges", "W_ges"}));
    EXPECT_EQ(eingesetzt, (std::vector<std::string>{"1 + 1", "2 * 130.412", "3 * 1", "3 * (2 + (2 - 1) * 1)",
                                                    "9 - 3", "3 * 2 * 81.5075"}));
    EXPECT_TRUE(g.pruefungen.empty());
    // Through the description, the stack's steps stand in its addition's
    // frame, the single spring's in the window's.
    const KvEingaben ein = kv_eingaben_mit(wendis_rechner, {{"i", "3"}, {"n", "2"}});
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(wendis_rechner, ein, stand);
    KvRechengang alle;
    wendis_rechner.rechengang(stand, rechnung, alle);
    for (const KvSchritt& s : alle.schritte)
        EXPECT_EQ(s.rahmen, s.symbol == "l0" || s.symbol.ends_with("_ges") ? "Federsaeule" : "")
            << s.symbol;
    const SaeulenErgebnis b = federsaeule_berechnen(e, r, 3, 2);
    EXPECT_EQ(a.F_ges, b.F_ges);
    EXPECT_EQ(a.W_ges, b.W_ges);
}

Diagramm diagramm_mit(const std::vector<KvAenderung>& setzen)
{
    const KvEingaben e = kv_eingaben_mit(wendis_rechner, setzen);
    KvStand stand;
    KvRechnung r;
    Diagramm d;
    std::string fehler;
    EXPECT_TRUE(kv_lesen(wendis_rechner, e, stand, r, true));
    EXPECT_TRUE(wendis_rechner.diagramm(stand, d, fehler)) << fehler;
    return d;
}

TEST(FedersaeuleDiagramm, VonIs1BisIs2MitBetriebspunkt)
{
    // i = 3, n = 2, s1 = 0.2, s2 = 0.9 of one spring: the stack from 0.6 to
    // 2.7 mm, working point (3 x 1, 2 x 130.411989), outside that range.
    const Diagramm d = diagramm_mit({{"i", "3"}, {"n", "2"}, {"s1", "0.2"}, {"s2", "0.9"}});
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 1, 1};
    const TellerErgebnis r = tellerfeder_berechnen(e);
    EXPECT_TRUE(nahe(d.x.min, 0.6));
    EXPECT_TRUE(nahe(d.x.max, 2.7));
    ASSERT_EQ(d.kurven.size(), 1u);
    const std::vector<Punkt>& k = d.kurven[0].punkte;
    EXPECT_TRUE(nahe(k.front().x, 0.6));
    EXPECT_TRUE(nahe(k.back().x, 2.7));
    for (const Punkt& p : k) {
        EXPECT_TRUE(nahe(p.y, 2 * tellerfeder_kraft(e, r, p.x / 3)));
        EXPECT_TRUE(im_bereich(d.y, p.y));
    }
    const Marke* m = marke_bei(d, {3, 2 * r.F});
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->beschriftung, "s_ges = 3 mm, F_ges = 260.8 N");
    EXPECT_TRUE(bezug_bei(d, true, 3 * e.h0));
    EXPECT_EQ(d.x.titel, "Federweg der Saeule s_ges");
    EXPECT_EQ(d.y.titel, "Kraft der Saeule F_ges");
    EXPECT_NE(d.hinweis.find("ausserhalb"), std::string::npos);
    EXPECT_NE(d.hinweis.find("i = 3"), std::string::npos);
    EXPECT_NE(d.hinweis.find("Reibung"), std::string::npos);
}

TEST(FedersaeuleDiagramm, EineFederWieBisher)
{
    // i = n = 1 draws the single spring's diagram, whatever else is set.
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 1, 1};
    const Diagramm einzeln = tellerfeder_diagramm(e, tellerfeder_berechnen(e), 0, 1);
    const Diagramm d = diagramm_mit({});
    EXPECT_EQ(d.titel, einzeln.titel);
    EXPECT_EQ(d.hinweis, einzeln.hinweis);
    EXPECT_EQ(d.x.titel, "Federweg s");
    ASSERT_EQ(d.kurven.size(), 1u);
    ASSERT_EQ(d.kurven[0].punkte.size(), einzeln.kurven[0].punkte.size());
    for (size_t j = 0; j < d.kurven[0].punkte.size(); ++j) {
        EXPECT_EQ(d.kurven[0].punkte[j].x, einzeln.kurven[0].punkte[j].x);
        EXPECT_EQ(d.kurven[0].punkte[j].y, einzeln.kurven[0].punkte[j].y);
    }
    ASSERT_EQ(d.marken.size(), 1u);
    EXPECT_EQ(d.marken[0].beschriftung, "s = 1 mm, F = 130.4 N");
}

TEST(FedersaeuleKennlinienbild, SaeuleFuelltDieFlaecheWieDieEinzelfeder)
{
    // The stack's force is n F(s / i) over i s1 to i s2: scaled on both
    // axes, it fills the drawing area as the single spring does.
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 1, 1};
    const TellerErgebnis r = tellerfeder_berechnen(e);
    const Kennlinienbild eins = kennlinie_berechnen(e, r, 0, 1);
    const Kennlinienbild saeule = kennlinie_berechnen(e, r, 0, 1, 4, 2);
    ASSERT_EQ(saeule.kurve.size(), eins.kurve.size());
    for (size_t j = 0; j < eins.kurve.size(); ++j) {
        EXPECT_NEAR(saeule.kurve[j].x1, eins.kurve[j].x1, 1) << j;
        EXPECT_NEAR(saeule.kurve[j].y1, eins.kurve[j].y1, 1) << j;
    }
    EXPECT_EQ(saeule.kurve.front().x1, 2);
    EXPECT_EQ(saeule.kurve.back().x2, 798);
}

} // namespace
