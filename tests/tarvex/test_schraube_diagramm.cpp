// The joint diagram against the bolted-joint computation: slopes of bolt and
// plate lines, their ends and intersections, the loss by embedding, the
// service force split into FSA and FPA, and the residual clamp force.
#include "diagramm_pruefen.h"
#include "schraube_diagramm.h"

#include <gtest/gtest.h>

namespace {

// The window's defaults, class 12.9.
SchraubeEingabe vorgaben(double n = 0.3)
{
    const double g[9] = {12, 1.75, 2870, 24948, 0, 5, 1.6, 0.12, 0.12};
    double s[19] = {12, 30, 9.853, 12};
    s[18] = 210000;
    const double p[13] = {210000, 42, 210000, 0, 210000, 0, 210000, 0, 13.5, 18, 14.5, 80, n};
    return schraube_eingabe(g, s, p, 8, 0, 0);
}

double laenge(const Bemassung& m) { return std::hypot(m.bis.x - m.von.x, m.bis.y - m.von.y); }

void pruefen(const SchraubeEingabe& e)
{
    const SchraubeErgebnis r = schraube_berechnen(e);
    const Diagramm d = schraube_diagramm(e, r);
    const double ds = r.deltas, dp = r.deltap, FM = r.FMmax, FV = FM - r.FZ;
    // Bolt from the origin with slope 1/deltas through the assembly point.
    EXPECT_NE(marke_bei(d, {FM * ds, FM}), nullptr);
    bool schraube = false;
    for (const Kurve& k : d.kurven)
        if (k.punkte.size() == 2 && nahe(k.punkte[0], {0, 0})) {
            EXPECT_TRUE(nahe(k.punkte[1].y / k.punkte[1].x, 1 / ds));
            EXPECT_GE(k.punkte[1].y, FM);
            schraube = true;
        }
    EXPECT_TRUE(schraube);
    // Plates from the assembly point down with slope -1/deltap ...
    EXPECT_TRUE(strecke(d, {FM * ds, FM}, {FM * (ds + dp), 0}));
    // ... and after embedding from FMmax - FZ; both meet the axis fZ apart.
    EXPECT_TRUE(strecke(d, {FV * ds, FV}, {FV * (ds + dp), 0}));
    EXPECT_TRUE(nahe(FM * (ds + dp) - FV * (ds + dp), e.fZ * 0.001, 1e-9));

    const Bemassung* fz = mass(d, "FZ");
    const Bemassung* fsa = mass(d, "FSA");
    const Bemassung* fpa = mass(d, "FPA");
    const Bemassung* fa = mass(d, "FA");
    const Bemassung* fkr = mass(d, "FKR");
    ASSERT_TRUE(fz && fsa && fpa && fa && fkr);
    EXPECT_TRUE(nahe(laenge(*fz), r.FZ));
    EXPECT_TRUE(nahe(laenge(*fsa), r.FSA));
    EXPECT_TRUE(nahe(laenge(*fpa), r.FPA));
    EXPECT_TRUE(nahe(laenge(*fa), e.FAo));
    // FSA ends at the largest bolt force, FKR from zero to where FPA ends.
    EXPECT_TRUE(nahe(std::max(fsa->von.y, fsa->bis.y), r.FSmax));
    EXPECT_TRUE(nahe(fkr->von.y, 0));
    EXPECT_TRUE(nahe(fkr->bis.y, std::min(fpa->von.y, fpa->bis.y)));
    EXPECT_TRUE(nahe(fkr->bis.y, FV - r.FPA));
    EXPECT_GE(fkr->bis.y, e.FK);
    EXPECT_TRUE(bezug_bei(d, false, e.FK));
    EXPECT_TRUE(im_bereich(d.x, FM * (ds + dp)) && im_bereich(d.y, std::max(FM, r.FSmax)));
}

} // namespace

TEST(SchraubeDiagramm, VorgabenMitKrafteinleitung)
{
    pruefen(vorgaben());
    // With n = 0.3 the service force stands between the lines of load
    // introduction, which are drawn and named.
    const SchraubeEingabe e = vorgaben();
    const SchraubeErgebnis r = schraube_berechnen(e);
    const Diagramm d = schraube_diagramm(e, r);
    const Bemassung* fsa = mass(d, "FSA");
    ASSERT_NE(fsa, nullptr);
    const Punkt V{(r.FMmax - r.FZ) * r.deltas, r.FMmax - r.FZ};
    EXPECT_TRUE(strecke(d, V, {fsa->bis.x, r.FSmax}));
    EXPECT_TRUE(strecke(d, V, {fsa->bis.x, r.FMmax - r.FZ - r.FPA}));
}

TEST(SchraubeDiagramm, KrafteinleitungEinsAufDenLinien)
{
    const SchraubeEingabe e = vorgaben(1.0);
    pruefen(e);
    // For n = 1 the service force sits between the bolt line and the plate
    // line after embedding.
    const SchraubeErgebnis r = schraube_berechnen(e);
    const Diagramm d = schraube_diagramm(e, r);
    const Bemassung* fsa = mass(d, "FSA");
    const Bemassung* fpa = mass(d, "FPA");
    ASSERT_TRUE(fsa && fpa);
    const double x = fsa->bis.x, FV = r.FMmax - r.FZ;
    EXPECT_TRUE(nahe(r.FSmax, x / r.deltas));
    EXPECT_TRUE(nahe(FV - r.FPA, FV - (x - FV * r.deltas) / r.deltap, 1e-9));
    EXPECT_EQ(d.kurven.size(), 3u); // no separate lines of load introduction
}
