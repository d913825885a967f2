// Speeds over time against the clutch computation: both sides meet at n12
// at tB, the run-up reaches nL at tCt0; with the torque sought the sides
// meet at tB for the computed torque and nothing after it is drawn.
#include "diagramm_pruefen.h"
#include "kupplung_diagramm.h"

#include <gtest/gtest.h>

namespace {

// The window's defaults.
const KupplungEingabe vorgaben{15325, 4000, 16000, 350, 0, 350, 200, 76, 80, 0.23069};

void gegeben_pruefen(const KupplungEingabe& e)
{
    const KupplungGegeben r = kupplung_tk_gegeben(e);
    const Diagramm d = kupplung_diagramm(e, r);
    EXPECT_TRUE(strecke(d, {0, e.n10}, {r.tb, r.n12}));
    EXPECT_TRUE(strecke(d, {0, e.n20}, {r.tb, r.n12}));
    EXPECT_TRUE(strecke(d, {r.tb, r.n12}, {r.tct0, e.nL}));
    EXPECT_NE(marke_bei(d, {r.tb, r.n12}), nullptr);
    EXPECT_NE(marke_bei(d, {r.tct0, e.nL}), nullptr);
    EXPECT_TRUE(bezug_bei(d, true, r.tb));
    EXPECT_TRUE(bezug_bei(d, true, r.tct0));
    for (double n : {e.n10, e.n20, e.nL, r.n12})
        EXPECT_TRUE(im_bereich(d.y, n)) << n;
    EXPECT_TRUE(im_bereich(d.x, r.tct0));
}

} // namespace

TEST(KupplungDiagramm, GegebenMitVorgaben)
{
    gegeben_pruefen(vorgaben);
}

TEST(KupplungDiagramm, GegebenMitBremsenderLast)
{
    // The load turns backwards at first: negative speeds stay on the axis.
    KupplungEingabe e = vorgaben;
    e.n20 = -120;
    e.nL = 300;
    gegeben_pruefen(e);
    EXPECT_LT(kupplung_diagramm(e, kupplung_tk_gegeben(e)).y.min, -120);
}

TEST(KupplungDiagramm, ZuKleinesMomentSynchronisiertNicht)
{
    KupplungEingabe e = vorgaben;
    e.TK = 3000; // below the load torque: tB comes out negative
    const KupplungGegeben r = kupplung_tk_gegeben(e);
    ASSERT_LT(r.tb, 0);
    EXPECT_NE(kupplung_diagramm(e, r).hinweis.find("Keine Synchronisation"), std::string::npos);
}

TEST(KupplungDiagramm, GesuchtZeigtNurWasDieEingabenBestimmen)
{
    KupplungEingabe e = vorgaben;
    e.tb = 0.5;
    const double TK = kupplung_tk_gesucht(e);
    const Diagramm d = kupplung_diagramm_gesucht(e, TK);
    // With the computed torque both sides reach the same speed at tB.
    const double pi = 3.14159;
    const double n_an = e.n10 + (e.TA - TK) / e.JAN * e.tb * 60 / (2 * pi);
    const double n_last = e.n20 + (TK - e.TL) / e.JL * e.tb * 60 / (2 * pi);
    ASSERT_TRUE(nahe(n_an, n_last, 1e-6));
    const Marke* m = marke_bei(d, {e.tb, n_last}, 1e-6);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(strecke(d, {0, e.n10}, m->p));
    EXPECT_TRUE(strecke(d, {0, e.n20}, m->p));
    // nL and Z are no inputs here: nothing after tB, and the note says why.
    for (const Kurve& k : d.kurven)
        for (const Punkt& p : k.punkte)
            EXPECT_LE(p.x, e.tb * (1 + 1e-9));
    EXPECT_NE(d.hinweis.find("nL und Z"), std::string::npos);
    EXPECT_NE(d.titel.find("gesucht"), std::string::npos);
}
