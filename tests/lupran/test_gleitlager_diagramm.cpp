// Sommerfeld number over eccentricity against the bearing computation: the
// operating and transition points, and the curve of the method used
// (So(eps) for the bisection, the fit eps(So) for the direct method).
#include "diagramm_pruefen.h"
#include "gleitlager_diagramm.h"

#include <gtest/gtest.h>

namespace {

// The window's defaults.
LagerEingabe vorgaben(int methode)
{
    return {36000, 2000, 120, 60, 0.12, 0.005, 5, 27, 5, 58, 78, 0.000011, 0.000023,
            SCHMIERLOCH_GEGENUEBER, methode};
}

Diagramm pruefen(const LagerEingabe& e, LagerErgebnis& r)
{
    r = gleitlager_berechnen(e);
    EXPECT_EQ(r.abbruch, LagerAbbruch::keiner);
    const Diagramm d = gleitlager_diagramm(e, r);
    EXPECT_NE(marke_bei(d, {r.eps, r.so}), nullptr);
    EXPECT_NE(marke_bei(d, {r.epsue, r.soue}), nullptr);
    EXPECT_TRUE(d.y.logarithmisch);
    for (double so : {r.so, r.soue})
        EXPECT_TRUE(im_bereich(d.y, so));
    EXPECT_EQ(d.kurven.size(), 1u);
    return d;
}

} // namespace

TEST(GleitlagerDiagramm, BisektionZeichnetSoVonEps)
{
    LagerErgebnis r;
    const Diagramm d = pruefen(vorgaben(EPS_ITERATIV), r);
    ASSERT_GT(r.iter, 0);
    const std::vector<Punkt>& k = d.kurven[0].punkte;
    ASSERT_GT(k.size(), 50u);
    EXPECT_TRUE(nahe(k.front().x, GLEITLAGER_EPS_UNTEN));
    EXPECT_TRUE(nahe(k.back().x, GLEITLAGER_EPS_OBEN));
    for (const Punkt& p : k)
        EXPECT_TRUE(nahe(p.y, gleitlager_so(p.x, r.bd)));
    // The operating point lies on it within the bisection's tolerance.
    EXPECT_NEAR(gleitlager_so(r.eps, r.bd) / r.so, 1, 0.01);
    EXPECT_NE(d.titel.find("Bisektion"), std::string::npos);
}

TEST(GleitlagerDiagramm, DirektZeichnetDieNaeherung)
{
    LagerErgebnis r;
    const Diagramm d = pruefen(vorgaben(EPS_DIREKT), r);
    ASSERT_EQ(r.iter, 0);
    EXPECT_TRUE(nahe(gleitlager_eps_direkt(r.so, r.bd), r.eps));
    for (const Punkt& p : d.kurven[0].punkte) {
        EXPECT_TRUE(nahe(p.x, gleitlager_eps_direkt(p.y, r.bd)));
        EXPECT_TRUE(p.x > 0 && p.x < 1);
    }
    EXPECT_NE(d.titel.find("direkte Naeherung"), std::string::npos);
}

TEST(GleitlagerDiagramm, AndereBreiteUndRingnut)
{
    LagerEingabe e = vorgaben(EPS_ITERATIV);
    e.b = 100; // B/D 0.83
    e.radio_status = RINGNUT;
    LagerErgebnis r;
    const Diagramm d = pruefen(e, r);
    EXPECT_NE(d.titel.find("B/D = 0.8333"), std::string::npos) << d.titel;
    for (const Punkt& p : d.kurven[0].punkte)
        EXPECT_TRUE(nahe(p.y, gleitlager_so(p.x, r.bd)));
}
