// The torsion bar against values worked by hand from the closed forms of a
// circular shaft in torsion (Gere/Timoshenko, Mechanics of Materials,
// eqs. 3-10, 3-11, 3-17; Roark, table 10.1, cases 1 and 10):
//   Ip = pi (d^4 - di^4) / 32,  Wp = 2 Ip / d,  c = G Ip / l,
//   phi = T / c,  tau = T / Wp.
#include "drehstab.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

struct Fall {
    const char* was;
    DrehstabEingabe e;
    // Worked by hand for d = 12 mm (d^4 = 20736 mm^4), l = 300 mm,
    // G = 81000 N/mm^2, T = 50 Nm = 50000 N mm.
    double Ip, Wp, c, phi, tau;
};

const Fall faelle[] = {
    // Solid: Ip = pi 20736 / 32 = 648 pi, Wp = Ip / 6 = 108 pi,
    // c = 81000 * 648 pi / 300 N mm = 174.96 pi Nm/rad.
    {"voll", {50, 300, 12, 6, 81000, 300, false}, 648 * pi, 108 * pi, 174.96 * pi,
     50 / (174.96 * pi) * 180 / pi, 50000 / (108 * pi)},
    // Hollow, di = 6 mm (di^4 = 1296 mm^4): Ip = pi 19440 / 32 = 607.5 pi,
    // Wp = 101.25 pi, c = 164.025 pi Nm/rad.
    {"hohl", {50, 300, 12, 6, 81000, 300, true}, 607.5 * pi, 101.25 * pi, 164.025 * pi,
     50 / (164.025 * pi) * 180 / pi, 50000 / (101.25 * pi)},
};

TEST(Drehstab, WerteVonHand)
{
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const DrehstabErgebnis r = drehstab_berechnen(f.e);
        EXPECT_NEAR(r.Ip, f.Ip, 1e-12 * f.Ip);
        EXPECT_NEAR(r.Wp, f.Wp, 1e-12 * f.Wp);
        EXPECT_NEAR(r.c, f.c, 1e-12 * f.c);
        EXPECT_NEAR(r.phi, f.phi, 1e-12 * f.phi);
        EXPECT_NEAR(r.tau, f.tau, 1e-12 * f.tau);
    }
}

TEST(Drehstab, RechengangUndPruefung)
{
    KvRechengang gang;
    const DrehstabErgebnis r = drehstab_berechnen(faelle[0].e, &gang);
    ASSERT_EQ(gang.schritte.size(), 5u);
    EXPECT_EQ(gang.schritte[4].symbol, "tau");
    EXPECT_EQ(gang.schritte[4].wert, r.tau);
    ASSERT_EQ(gang.pruefungen.size(), 1u);
    EXPECT_TRUE(gang.pruefungen[0].erfuellt); // 147.4 <= 300 N/mm^2
}

TEST(Drehstab, HohlNurMitKleineremInnendurchmesser)
{
    KvEingaben e = kv_vorgaben(drillstab_rechner);
    e.optionen[0] = 1;
    e.texte[kv_eingabe_index(drillstab_rechner, "di")] = "12";
    KvStand stand;
    const KvRechnung r = kv_rechnen(drillstab_rechner, e, stand);
    EXPECT_EQ(r.status, KvStatus::verweigert);
    // A solid bar does not read di at all.
    e.optionen[0] = 0;
    e.texte[kv_eingabe_index(drillstab_rechner, "di")] = "x";
    EXPECT_EQ(kv_rechnen(drillstab_rechner, e, stand).status, KvStatus::berechnet);
}

} // namespace
