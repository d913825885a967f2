// Flexural buckling after EN 1993-1-1 without a display: a published worked
// example, the curves' imperfection factors, the rule when buckling may be
// ignored at its edges, a bad partial factor, the curves of rolled sections.
#include "biegeknicken.h"
#include "knickung.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Steel Buildings in Europe, Multi-Storey Steel Buildings, Detailed Design,
// worked example A.5 "Pinned column using non-slender H sections":
// HE 300 B in S235, A = 149 cm^2, Iy = 25170 cm^4, Iz = 8560 cm^4,
// E = 210000 N/mm^2, NEd = 2000 kN, Lcr,y = 8.00 m, Lcr,z = 5.60 m, gammaM1 = 1.0
// (https://infosteel.be/images/Steel-Buildings-in-Europe/MSB04/104 and
//  https://infosteel.eu/images/Steel-Buildings-in-Europe/MSB04/105).
TEST(Biegeknicken, BerechnungsbeispielHe300b)
{
    struct Zeile {
        const char* achse;
        double I, Lcr;
        int linie;
        double Ncr_kN, lambda_quer, Phi, chi; // as printed there; -1: not printed
    } tabelle[] = {
        // y-y: 5.6 Ncr,y = 8151.2 kN; 5.7 lambda_y = 0.655; 5.8 curve b, Phi_y = 0.792, chi_y = 0.808
        {"y-y", 25170e4, 8000, KNICKLINIE_B, 8151.2, 0.655, 0.792, 0.808},
        // z-z: 5.6 Ncr,z = 5657.4 kN; 5.7 lambda_z = 0.787 (curve c after h/b = 1.00, tf = 19 mm)
        {"z-z", 8560e4, 5600, KNICKLINIE_C, 5657.4, 0.787, -1, -1},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.achse);
        const BiegeknickErgebnis r =
            biegeknicken_berechnen({2000e3, 14900, z.I, 210000, 235, z.Lcr, z.linie, 1.0});
        ASSERT_EQ(r.verweigert, nullptr);
        EXPECT_NEAR(r.Ncr / 1000, z.Ncr_kN, 0.05);
        EXPECT_NEAR(r.lambda_quer, z.lambda_quer, 0.0005);
        if (z.Phi > 0) {
            EXPECT_NEAR(r.Phi, z.Phi, 0.0005);
            EXPECT_NEAR(r.chi, z.chi, 0.0005);
        }
        // (6.47) and the utilisation from the values just checked.
        EXPECT_DOUBLE_EQ(r.Nb_Rd, r.chi * 14900 * 235);
        EXPECT_DOUBLE_EQ(r.Ausnutzung, 2000e3 / r.Nb_Rd);
        EXPECT_FALSE(r.vernachlaessigbar);
        EXPECT_STREQ(r.hinweis, "Biegeknicken nachgewiesen");
    }
}

// Table 6.1 (alpha a0 0.13, a 0.21, b 0.34, c 0.49, d 0.76; b and c as the
// worked example above uses them); a worse curve never gives a larger chi.
TEST(Biegeknicken, KnicklinienUndIhreImperfektionsbeiwerte)
{
    const char* namen[] = {"a0", "a", "b", "c", "d"};
    const double alpha[] = {0.13, 0.21, 0.34, 0.49, 0.76};
    double chi_vorher = 2;
    for (int k = 0; k < KNICKLINIEN; ++k) {
        EXPECT_STREQ(knicklinie_namen[k], namen[k]);
        const BiegeknickErgebnis r = biegeknicken_berechnen({2000e3, 14900, 8560e4, 210000, 235, 5600, k, 1.0});
        EXPECT_EQ(r.alpha, alpha[k]) << namen[k];
        EXPECT_LT(r.chi, chi_vorher) << namen[k];
        chi_vorher = r.chi;
    }
}

// 6.3.1.2 (4): buckling ignored (chi = 1) at lambda_quer <= 0.2 or F/Ncr
// <= 0.04, on both sides of each edge.
TEST(Biegeknicken, VernachlaessigungAnIhrenGrenzen)
{
    const double pi = knickung_pi;
    const double A = 14900, I = 8560e4, E = 210000, fy = 235;
    // The length that gives Ncr = A fy / lambda^2.
    auto laenge = [&](double lambda) { return std::sqrt(pi * pi * E * I * lambda * lambda / (A * fy)); };
    struct Fall {
        const char* was;
        double Lcr, F_durch_Ncr;
        bool vernachlaessigbar;
    } faelle[] = {
        {"lambda_quer knapp unter 0.2", laenge(0.2) * (1 - 1e-9), 0.5, true},
        {"lambda_quer knapp ueber 0.2", laenge(0.2) * (1 + 1e-6), 0.5, false},
        {"F/Ncr knapp unter 0.04", laenge(1.0), 0.04 * (1 - 1e-9), true},
        {"F/Ncr knapp ueber 0.04", laenge(1.0), 0.04 * (1 + 1e-6), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const double Ncr = pi * pi * E * I / (f.Lcr * f.Lcr);
        const BiegeknickErgebnis r =
            biegeknicken_berechnen({f.F_durch_Ncr * Ncr, A, I, E, fy, f.Lcr, KNICKLINIE_D, 1.0});
        EXPECT_EQ(r.vernachlaessigbar, f.vernachlaessigbar);
        if (f.vernachlaessigbar) {
            EXPECT_EQ(r.chi, 1.0);
            EXPECT_DOUBLE_EQ(r.Nb_Rd, A * fy);
            EXPECT_NE(std::string(r.hinweis).find("vernachlaessigt"), std::string::npos);
        } else {
            EXPECT_LT(r.chi, 1.0);
        }
    }
}

TEST(Biegeknicken, TeilsicherheitsbeiwertWirdGeteiltOderVerweigert)
{
    const BiegeknickEingabe e{2000e3, 14900, 8560e4, 210000, 235, 5600, KNICKLINIE_C, 1.0};
    BiegeknickEingabe g = e;
    g.gammaM1 = 1.1;
    EXPECT_DOUBLE_EQ(biegeknicken_berechnen(g).Nb_Rd, biegeknicken_berechnen(e).Nb_Rd / 1.1);
    for (double schlecht : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()}) {
        g.gammaM1 = schlecht;
        KvRechengang gang;
        const BiegeknickErgebnis r = biegeknicken_berechnen(g, &gang);
        ASSERT_NE(r.verweigert, nullptr) << schlecht;
        EXPECT_STREQ(r.verweigert, "Der Teilsicherheitsbeiwert gammaM1 muss eine Zahl groesser als 0 sein!");
        EXPECT_TRUE(gang.schritte.empty());
        EXPECT_EQ(r.Nb_Rd, 0.0);
    }
}

TEST(Biegeknicken, RechengangMitPruefung)
{
    KvRechengang gang;
    const BiegeknickErgebnis r =
        biegeknicken_berechnen({3000e3, 14900, 8560e4, 210000, 235, 5600, KNICKLINIE_C, 1.0}, &gang);
    ASSERT_EQ(gang.schritte.size(), 7u);
    const char* symbole[] = {"Ncr", "lambda_quer", "alpha", "Phi", "chi", "Nb_Rd", "Ausnutzung"};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(gang.schritte[i].symbol, symbole[i]);
    EXPECT_EQ(gang.schritte[2].formel, "alpha_c");
    EXPECT_EQ(gang.schritte[2].eingesetzt, "0.49");
    ASSERT_EQ(gang.pruefungen.size(), 1u);
    const KvPruefung& p = gang.pruefungen[0];
    EXPECT_TRUE(p.mit_grenze);
    EXPECT_EQ(p.grenze, 1.0);
    EXPECT_EQ(p.wert, r.Ausnutzung);
    EXPECT_GT(r.Ausnutzung, 1.0); // 3000 kN against 2348 kN
    EXPECT_FALSE(p.erfuellt);
    EXPECT_STREQ(r.hinweis, "Biegeknicken nicht nachgewiesen!");
}

// Table 6.2, rolled I sections, every row and both columns of steel grades.
TEST(Biegeknicken, KnicklinieGewalzterProfile)
{
    struct Zeile {
        const char* was;
        double h, b, tf;
        int y, z, y460, z460;
    } tabelle[] = {
        {"IPE 200: h/b > 1.2, tf <= 40", 200, 100, 8.5, KNICKLINIE_A, KNICKLINIE_B, KNICKLINIE_A0, KNICKLINIE_A0},
        {"h/b > 1.2, tf = 40", 500, 300, 40, KNICKLINIE_A, KNICKLINIE_B, KNICKLINIE_A0, KNICKLINIE_A0},
        {"h/b > 1.2, 40 < tf <= 100", 500, 300, 40.5, KNICKLINIE_B, KNICKLINIE_C, KNICKLINIE_A, KNICKLINIE_A},
        {"HE 300 B: h/b = 1.0 <= 1.2", 300, 300, 19, KNICKLINIE_B, KNICKLINIE_C, KNICKLINIE_A, KNICKLINIE_A},
        {"h/b = 1.2 exactly", 360, 300, 20, KNICKLINIE_B, KNICKLINIE_C, KNICKLINIE_A, KNICKLINIE_A},
        {"tf > 100", 500, 400, 101, KNICKLINIE_D, KNICKLINIE_D, KNICKLINIE_C, KNICKLINIE_C},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.was);
        EXPECT_EQ(knicklinie_gewalzt(z.h, z.b, z.tf, true, false), z.y);
        EXPECT_EQ(knicklinie_gewalzt(z.h, z.b, z.tf, false, false), z.z);
        EXPECT_EQ(knicklinie_gewalzt(z.h, z.b, z.tf, true, true), z.y460);
        EXPECT_EQ(knicklinie_gewalzt(z.h, z.b, z.tf, false, true), z.z460);
    }
}

} // namespace
