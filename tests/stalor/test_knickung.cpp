// Buckling computation and report, without a display.
#include "knickung.h"
#include "zahlen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

const KnickEingabe vorgabe{3500, 229, 78.54, 490.87, 206000, 500, 7, KNICKFALL_1};

std::string f(double v) { return kv_format("%7.5lf", v); }

// The default inputs in each of the four Euler cases, as the result fields
// print them (worked by hand with pi = 3.14159265 and 1/sqrt(2) for case 3).
TEST(Knickung, VorgabenInAllenVierKnickfaellen)
{
    struct Zeile { int fall; const char* werte[7]; const char* knickung; } tabelle[] = {
        {KNICKFALL_1, {"458.00000", "2.49999", "183.20093", "63.76737", "44.56328", "8.65393", "679.67995"},
         "elastische Knickung nach Euler"},
        {KNICKFALL_2, {"229.00000", "2.49999", "91.60047", "63.76737", "44.56328", "34.61573", "2718.71980"},
         "elastische Knickung nach Euler"},
        {KNICKFALL_3, {"161.92745", "2.49999", "64.77131", "63.76737", "44.56328", "69.23147", "5437.43961"},
         "elastische Knickung nach Euler"},
        {KNICKFALL_4, {"114.50000", "2.49999", "45.80023", "63.76737", "44.56328", "138.46294", "10874.87921"},
         "unelastische Knickung nach Tetmajer"},
    };
    for (const Zeile& z : tabelle) {
        KnickEingabe e = vorgabe;
        e.stat_knickfall = z.fall;
        const KnickErgebnis r = knickung_berechnen(e);
        const double werte[7] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                                 r.sig_druck, r.sig_druck_zul, r.F_max_zul};
        for (int j = 0; j < 7; ++j)
            EXPECT_EQ(f(werte[j]), z.werte[j]) << "Fall " << z.fall - 879 << ", Ergebnis " << j;
        EXPECT_STREQ(r.knickung, z.knickung);
    }
}

TEST(Knickung, NullFlaecheGibtNanUndEuler)
{
    KnickEingabe e = vorgabe;
    e.A = 0;
    e.I = 0;
    const KnickErgebnis r = knickung_berechnen(e);
    EXPECT_EQ(f(r.sig_druck), "    inf");
    EXPECT_TRUE(std::isnan(r.lambda));
    EXPECT_STREQ(r.knickung, "elastische Knickung nach Euler");
}

TEST(KnickBericht, NeunundzwanzigZeilenByteFuerByte)
{
    const KnickErgebnis r = knickung_berechnen(vorgabe);
    const double ein[7] = {3500, 229, 78.54, 490.87, 206000, 500, 7};
    const double aus[7] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                           r.sig_druck, r.sig_druck_zul, r.F_max_zul};
    const std::string erwartet =
        "Ergebnisse der Berechnung:\n"
        "\n"
        "\n"
        "Eingabedaten:\n"
        "\n"
        "Geometriedaten:\n"
        "Kraft F / N:                             3500.00000\n"
        "Knicklaenge l1 / mm:                     229.00000\n"
        "Flaeche A / mm^2:                        78.54000\n"
        "Flaechentraegheitsmoment I / mm^4:       490.87000\n"
        "E-Modul E / (N/mm^2):                    206000.00000\n"
        "Streckgrenze Re / (N/mm^2):              500.00000\n"
        "Sicherheit S / 1:                        7.00000\n"
        "\n"
        "Auswahl:\n"
        "Knickfall: 1\n"
        "\n"
        "\n"
        "\n"
        "Ergebnisse:\n"
        "\n"
        "freie Knicklaenge / mm:                  458.00000\n"
        "Traegheitsradius / mm:                   2.49999\n"
        "Schlankheitsgrad / 1:                    183.20093\n"
        "Grenzschlankheitsgrad / 1:               63.76737\n"
        "Druckspannung / (N/mm^2):                44.56328\n"
        "zul. Druckspannung (N/mm^2):             8.65393\n"
        "zul. Maximalkraft / N:                   679.67995\n"
        "Knickung:                                elastische Knickung nach Euler\n";
    EXPECT_EQ(knickung_bericht(ein, KNICKFALL_1, aus, r.knickung), erwartet);
}

TEST(KnickBericht, FallzeileUndVolleBreiteNegativerWerte)
{
    double ein[7] = {-1, 229, 78.54, 490.87, 206000, 500, 7};
    const double aus[7] = {};
    const std::string t = knickung_bericht(ein, KNICKFALL_4, aus, "x");
    EXPECT_NE(t.find("Kraft F / N:                             -1.00000\n"), std::string::npos);
    EXPECT_NE(t.find("\nKnickfall: 4\n"), std::string::npos);
    // A force of 1 followed by 300 zeros is written in full.
    ein[0] = 1e300;
    const std::string gross = knickung_bericht(ein, KNICKFALL_4, aus, "x");
    const size_t anfang = gross.find("Kraft F / N:");
    const size_t ende = gross.find('\n', anfang);
    EXPECT_EQ(ende - anfang, 41u + 301u + 6u);
}

} // namespace
