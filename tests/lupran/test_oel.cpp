// The oil's viscosity at its working temperature (the line of ASTM D341
// through two points of its data sheet), the viscosity index where its
// closed form holds, and the oil grades' entries in the bearing's eta.
#include "katalog.h"
#include "oel.h"

#include "gleitlager.h"
#include "zahlen.h"

#include <gtest/gtest.h>

namespace {

double viskositaet(double nu40, double nu100, double t)
{
    double nu = 0;
    std::string grund;
    EXPECT_TRUE(kv_oel_viskositaet(nu40, nu100, t, nu, grund)) << grund;
    return nu;
}

} // namespace

TEST(Oel, ViskositaetNachAstmD341)
{
    // The worked example of the viscosity-temperature calculator cited in
    // the catalogues' README (scribd.com, document 361017004): 32 mm^2/s at
    // 40 degC and 5.4 mm^2/s at 100 degC give 8.5 mm^2/s at 80 degC, the
    // equation to two decimals 8.53.
    EXPECT_NEAR(viskositaet(32, 5.4, 80), 8.53, 0.005);
    // The line runs through both of its points, also where the correction
    // below 2 mm^2/s takes part, and falls with the temperature.
    for (const auto& [nu40, nu100] : {std::pair{32.0, 5.4}, {680.0, 35.0}, {10.0, 1.8}, {4.0, 1.2}}) {
        EXPECT_NEAR(viskositaet(nu40, nu100, 40), nu40, 1e-9 * nu40);
        EXPECT_NEAR(viskositaet(nu40, nu100, 100), nu100, 1e-9);
        EXPECT_GT(viskositaet(nu40, nu100, 60), viskositaet(nu40, nu100, 61));
        EXPECT_LT(viskositaet(nu40, nu100, 140), nu100);
    }
    double nu = 0;
    std::string grund;
    EXPECT_FALSE(kv_oel_viskositaet(32, 32, 60, nu, grund));
    EXPECT_EQ(grund, "nu100 = 32 mm^2/s ist nicht kleiner als nu40 = 32 mm^2/s");
    EXPECT_FALSE(kv_oel_viskositaet(32, 0, 60, nu, grund));
    EXPECT_FALSE(kv_oel_viskositaet(32, 5.4, -300, nu, grund));
}

TEST(Oel, ViskositaetsindexNurInDerGeschlossenenForm)
{
    double vi = 0;
    std::string grund;
    // Up to 70 mm^2/s the basic values L and H are a table not shipped.
    EXPECT_FALSE(kv_oel_viskositaetsindex(32, 5.4, vi, grund));
    EXPECT_NE(grund.find("ASTM D2270"), std::string::npos);
    EXPECT_FALSE(kv_oel_viskositaetsindex(2000, 70, vi, grund));
    // Above it: VI 0 where nu40 equals L, 100 where it equals H, from both
    // branches; a thinner oil at 40 degC has the higher index.
    const double y = 80, l = 0.8353 * y * y + 14.67 * y - 216, h = 0.1684 * y * y + 11.85 * y - 97;
    ASSERT_TRUE(kv_oel_viskositaetsindex(l, y, vi, grund)) << grund;
    EXPECT_NEAR(vi, 0, 1e-9);
    ASSERT_TRUE(kv_oel_viskositaetsindex(h, y, vi, grund));
    EXPECT_NEAR(vi, 100, 1e-9);
    ASSERT_TRUE(kv_oel_viskositaetsindex(h * (1 - 1e-9), y, vi, grund));
    EXPECT_NEAR(vi, 100, 1e-4);
    double vi_duenner = 0;
    ASSERT_TRUE(kv_oel_viskositaetsindex(0.8 * h, y, vi_duenner, grund));
    EXPECT_GT(vi_duenner, 100);
}

TEST(Oel, SorteSetztEtaBeiDerMittlerenTemperatur)
{
    const KvKataloge k = kv_kataloge(lupran_rechner, "");
    const KvKatalog* t = kv_katalog_finden(k, "oel_iso_vg");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->zeilen.size(), 13u);
    EXPECT_EQ(t->kennwert.name, "nu100");
    KvEingaben e = kv_vorgaben(lupran_rechner);
    std::vector<KvKatalogWahl> vorher;
    std::string fehler;
    // Without nu100 no grade gives a viscosity, and says what it needs.
    EXPECT_FALSE(kv_katalog_waehlen(lupran_rechner, k, "oel_iso_vg:VG 32", e, vorher, fehler));
    EXPECT_EQ(fehler, "nu100 fehlt: die kinematische Viskositaet bei 100 Grad C aus dem Datenblatt des Oels "
                      "(oel_iso_vg:VG 32:nu100=WERT)");
    EXPECT_FALSE(kv_katalog_waehlen(lupran_rechner, k, "oel_iso_vg:VG 32:nu100=5,4", e, vorher, fehler));
    EXPECT_EQ(fehler, "nu100 = \"5,4\" ist keine positive Zahl");
    EXPECT_FALSE(kv_katalog_waehlen(lupran_rechner, k, "oel_iso_vg:VG 10:nu100=12", e, vorher, fehler));
    EXPECT_EQ(vorher.size(), 0u);
    EXPECT_EQ(e.texte, kv_vorgaben(lupran_rechner).texte);

    // The defaults' oil runs at (58 + 78)/2 = 68 degC; eta in mPa s with
    // the 900 kg/m^3 of the Reynolds number.
    ASSERT_TRUE(kv_katalog_waehlen(lupran_rechner, k, "oel_iso_vg:VG 32:nu100=5.4", e, vorher, fehler)) << fehler;
    const int eta = kv_eingabe_index(lupran_rechner, "eta");
    EXPECT_EQ(e.texte[eta], kv_format("%.2f", 0.9 * viskositaet(32, 5.4, 68)));
    EXPECT_EQ(LAGER_OELDICHTE, 900);
    ASSERT_EQ(vorher.size(), 1u);
    EXPECT_EQ(vorher[0].bezeichnung, "VG 32");
    EXPECT_EQ(vorher[0].kennwert, "5.4");
    const std::string& h = vorher[0].hinweis;
    EXPECT_NE(h.find("T = (tein + taus)/2 = 68 Grad C nach ASTM D341 durch (40 Grad C; 32 mm^2/s) und "
                     "(100 Grad C; 5.4 mm^2/s)"), std::string::npos) << h;
    EXPECT_NE(h.find("rho = 900 kg/m^3"), std::string::npos) << h;
    EXPECT_NE(h.find("Viskositaetsindex nicht bestimmt: fuer nu100 bis 70 mm^2/s"), std::string::npos) << h;
    EXPECT_EQ(kv_katalog_zeile(k, vorher[0]).rfind("Katalog oel_iso_vg (" + t->titel
                                                   + ", oil_iso_vg_grades.csv): VG 32 mit nu100 = 5.4 mm^2/s: eta = "
                                                   + e.texte[eta] + " (nu = ", 0), 0u);

    // Named as used while eta holds its text; typed over, no longer.
    EXPECT_EQ(kv_katalog_verwendet(lupran_rechner, e, vorher).size(), 1u);
    e.texte[eta] = "27";
    EXPECT_TRUE(kv_katalog_verwendet(lupran_rechner, e, vorher).empty());

    // A temperature field that is no number is named.
    e.texte[kv_eingabe_index(lupran_rechner, "taus")] = "7x";
    EXPECT_FALSE(kv_katalog_waehlen(lupran_rechner, k, "oel_iso_vg:VG 32:nu100=5.4", e, vorher, fehler));
    EXPECT_EQ(fehler, "taus = \"7x\" ist keine Zahl");
}
