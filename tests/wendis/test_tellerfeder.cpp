// Disc-spring computation, characteristic plot geometry and report, no display.
#include "tellerfeder.h"
#include "zahlen.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

const TellerEingabe vorgabe{100, 206000, 50, 0.3, 1, 1, 1};

std::string f(double v) { return kv_format("%10.6lf", v); }

TEST(Tellerfeder, VorgabenWieDieErgebnisfelderSieZeigen)
{
    const TellerErgebnis r = tellerfeder_berechnen(vorgabe);
    EXPECT_EQ(kv_format("%.6lf", r.k), "905494.505495");
    EXPECT_EQ(kv_format("%.6lf", r.K1), "0.694334");
    EXPECT_EQ(kv_format("%.6lf", r.K2), "1.219778");
    EXPECT_EQ(kv_format("%.6lf", r.K3), "1.377673");
    EXPECT_EQ(f(r.F), "130.411989");
    EXPECT_EQ(f(r.sig1), "-259.201999");
    EXPECT_EQ(f(r.W), " 81.507493");
    EXPECT_EQ(f(r.sig2), "100.128270");
    EXPECT_EQ(f(r.sigom), "-124.534381");
    EXPECT_EQ(f(r.sig3), "139.896703");
}

TEST(Tellerfeder, FlachlageUndEntarteteScheibe)
{
    // s = h0: the bracket is 1, F = k t^3 h0 / (K1 De^2).
    TellerEingabe e = vorgabe;
    e.h0 = 0.8;
    e.s = 0.8;
    const TellerErgebnis r = tellerfeder_berechnen(e);
    EXPECT_DOUBLE_EQ(r.F, r.k * 0.8 / (r.K1 * 100 * 100));
    // De = Di: nothing finite, no crash.
    e = vorgabe;
    e.Di = e.De;
    const TellerErgebnis g = tellerfeder_berechnen(e);
    for (double v : {g.F, g.sig1, g.W, g.sig2, g.sigom, g.sig3})
        EXPECT_FALSE(std::isfinite(v));
}

TEST(Kennlinie, GitterUndKurveFuerNullBisEins)
{
    const TellerErgebnis r = tellerfeder_berechnen(vorgabe);
    const Kennlinienbild b = kennlinie_berechnen(vorgabe, r, 0, 1);
    ASSERT_EQ(b.gitter.size(), 22u);
    const int y[11] = {0, 29, 59, 89, 119, 149, 178, 208, 238, 268, 298};
    const int x[11] = {0, 79, 159, 239, 319, 399, 478, 558, 638, 718, 798};
    for (int i = 0; i <= 10; ++i) {
        const Linie& h = b.gitter[2 * i];
        const Linie& v = b.gitter[2 * i + 1];
        EXPECT_TRUE(h.x1 == 0 && h.x2 == 798 && h.y1 == y[i] && h.y2 == y[i]) << i;
        EXPECT_TRUE(v.y1 == 0 && v.y2 == 298 && v.x1 == x[i] && v.x2 == x[i]) << i;
    }
    ASSERT_EQ(b.kurve.size(), 30u);
    const Linie a = b.kurve.front(), z = b.kurve.back();
    EXPECT_TRUE(a.x1 == 2 && a.y1 == 298 && a.x2 == 28 && a.y2 == 278);
    EXPECT_TRUE(z.x1 == 771 && z.y1 == 6 && z.x2 == 798 && z.y2 == 2);
}

TEST(Kennlinie, NullBisZweiWirdNeuSkaliert)
{
    const TellerErgebnis r = tellerfeder_berechnen(vorgabe);
    EXPECT_EQ(f(tellerfeder_kraft(vorgabe, r, 2)), "260.823978");
    const Kennlinienbild b = kennlinie_berechnen(vorgabe, r, 0, 2);
    EXPECT_EQ(b.kurve.front().x1, 2);
    EXPECT_EQ(b.kurve.front().y1, 298);
    EXPECT_EQ(b.kurve.back().x2, 798);
    EXPECT_EQ(b.kurve.back().y2, 2);
}

TEST(Kennlinie, FallendeKennlinieBeruehrtObenUndUnten)
{
    TellerEingabe e = vorgabe;
    e.h0 = 3;
    const TellerErgebnis r = tellerfeder_berechnen(e);
    const Kennlinienbild b = kennlinie_berechnen(e, r, 0, 6);
    int oben = 1000, unten = -1;
    for (const Linie& l : b.kurve) {
        oben = std::min({oben, l.y1, l.y2});
        unten = std::max({unten, l.y1, l.y2});
    }
    EXPECT_EQ(oben, 2);
    EXPECT_EQ(unten, 298);
    EXPECT_NE(b.kurve.back().y2, 2); // the maximum lies inside the range
}

TEST(Kennlinie, GleicheKraefteWaagerechtInDerMitte)
{
    TellerEingabe e = vorgabe;
    e.E = 0;
    const TellerErgebnis r = tellerfeder_berechnen(e);
    const Kennlinienbild b = kennlinie_berechnen(e, r, 0, 1);
    ASSERT_EQ(b.kurve.size(), 30u);
    for (const Linie& l : b.kurve)
        EXPECT_TRUE(l.y1 == 150 && l.y2 == 150);
    EXPECT_EQ(b.kurve.front().x1, 2);
    EXPECT_EQ(b.kurve.back().x2, 798);
}

TEST(Kennlinie, NichtEndlicheKraftNurGitter)
{
    TellerEingabe e = vorgabe;
    e.Di = e.De;
    const Kennlinienbild b = kennlinie_berechnen(e, tellerfeder_berechnen(e), 0, 1);
    EXPECT_FALSE(b.endlich);
    EXPECT_EQ(b.gitter.size(), 22u);
    EXPECT_TRUE(b.kurve.empty());
}

TEST(TellerBericht, ByteFuerByteMitZweiZeilenvorschueben)
{
    const TellerErgebnis r = tellerfeder_berechnen(vorgabe);
    const double ein[7] = {100, 206000, 50, 0.3, 1, 1, 1};
    const double aus[6] = {r.F, r.sig1, r.W, r.sig2, r.sigom, r.sig3};
    EXPECT_EQ(tellerfeder_bericht(ein, aus),
              "Ergebnisse der Berechnung von WENDIS:\n\n\n"
              "Eingabedaten:\n\n"
              "Aussendurchmesser De / mm:            100.00000\n"
              "Innendurchmesser Di / mm:             50.00000\n"
              "E-Modul E / (N/mm^2):                 206000.00000\n"
              "Querkontraktionszahl nue / 1:         0.30000\n"
              "Dicke t / mm:                         1.00000\n"
              "Stuelphoehe h0 / mm:                  1.00000\n"
              "Federweg s / mm:                      1.00000\n"
              "\n\n\n"
              "Ergebnisse:\n\n"
              "Federkraft F / N:                     130.41199\n"
              "Arbeit W / mJ:                        81.50749\n"
              "Spannung OM / (N/mm^2):               -124.53438\n"
              "Spannung 1 / (N/mm^2):                -259.20200\n"
              "Spannung 2 / (N/mm^2):                100.12827\n"
              "Spannung 3 / (N/mm^2):                139.89670\n"
              "\n");
}

} // namespace
