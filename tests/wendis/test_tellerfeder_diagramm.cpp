// The disc-spring characteristic against the computation: the curve spans
// s1 to s2 with the core's forces, the operating point is (s, F).
#include "diagramm_pruefen.h"
#include "tellerfeder_diagramm.h"

#include <gtest/gtest.h>

namespace {

void pruefen(const TellerEingabe& e, double s1, double s2)
{
    const TellerErgebnis r = tellerfeder_berechnen(e);
    const Diagramm d = tellerfeder_diagramm(e, r, s1, s2);
    ASSERT_NE(marke_bei(d, {e.s, r.F}), nullptr);
    ASSERT_EQ(d.kurven.size(), 1u);
    const std::vector<Punkt>& k = d.kurven[0].punkte;
    EXPECT_EQ(k.front().x, s1);
    EXPECT_TRUE(nahe(k.back().x, s2));
    for (const Punkt& p : k) {
        EXPECT_TRUE(nahe(p.y, tellerfeder_kraft(e, r, p.x)));
        EXPECT_TRUE(im_bereich(d.y, p.y));
    }
    EXPECT_EQ(d.x.min, s1);
    EXPECT_EQ(d.x.max, s2);
}

} // namespace

TEST(TellerfederDiagramm, VorgabenVonNullBisEins)
{
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 1, 1};
    pruefen(e, 0, 1);
    // s = 1 at the end of the range: inside, and F about 130 N.
    const Diagramm d = tellerfeder_diagramm(e, tellerfeder_berechnen(e), 0, 1);
    EXPECT_EQ(d.hinweis.find("ausserhalb"), std::string::npos);
}

TEST(TellerfederDiagramm, FallendeKennlinieUndPunktAusserhalb)
{
    // h0/t = 2: the force falls after its peak; s = 3.5 lies beyond s2.
    const TellerEingabe e{100, 206000, 50, 0.3, 1, 2, 3.5};
    pruefen(e, 0.5, 3);
    const Diagramm d = tellerfeder_diagramm(e, tellerfeder_berechnen(e), 0.5, 3);
    EXPECT_NE(d.hinweis.find("ausserhalb"), std::string::npos);
}
