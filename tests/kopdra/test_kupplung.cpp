// Clutch computation in both modes and both report variants, no display.
#include "kupplung.h"
#include "zahlen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// The form's defaults; tb is the slip time that mode 200 gives, rounded.
const KupplungEingabe vorgabe{15325, 4000, 16000, 350, 0, 350, 200, 76, 80, 0.23069};
const double drehmomente[3] = {15325, 4000, 16000};
const double drehzahlen[4] = {350, 0, 350, 200};
const double drehmassen[2] = {76, 80};
const double beschleunigung[1] = {0.23069};

std::string f(double v) { return kv_format("%7.5lf", v); }

TEST(Kupplung, TkGegebenMitVorgaben)
{
    const KupplungGegeben r = kupplung_tk_gegeben(vorgabe);
    EXPECT_EQ(f(r.tb), "0.23069");
    EXPECT_EQ(f(r.n12), "330.43478");
    EXPECT_EQ(f(r.tctb), "0.02822");
    EXPECT_EQ(f(r.wr), "67640.84601");
    EXPECT_EQ(f(r.pv), "13528169.20154");
    EXPECT_EQ(f(r.tct0), "0.25891");
}

TEST(Kupplung, TkGesuchtIstDieUmkehrungBisAufDieRundungVonTb)
{
    EXPECT_EQ(f(kupplung_tk_gesucht(vorgabe)), "15999.91416");
}

TEST(Kupplung, GleicheMomenteGebenNichtEndlicheWerte)
{
    KupplungEingabe e = vorgabe;
    e.TL = e.TA;
    EXPECT_FALSE(std::isfinite(kupplung_tk_gegeben(e).tctb));
}

TEST(KupplungBericht, TkGegebenByteFuerByte)
{
    const KupplungGegeben r = kupplung_tk_gegeben(vorgabe);
    const double erg[7] = {r.tb, r.n12, r.tctb, r.wr, r.pv, r.tct0, 0};
    EXPECT_EQ(kupplung_bericht(TK_GEGEBEN, drehmomente, drehzahlen, drehmassen, beschleunigung, erg),
              "Ergebnisse, wenn das Kupplungsmoment gegeben ist:\n\n\n"
              "Eingabedaten:\n\n"
              "Drehmomente:\n"
              "Antriebsmoment TA / Nm:                      15325.00000\n"
              "Lastmoment TL / Nm:                          4000.00000\n"
              "Kupplungsmoment TK / Nm:                     16000.00000\n"
              "\n"
              "Drehzahlen:\n"
              "Drehzahl Antrieb n10 / (1/min):              350.00000\n"
              "Lastdrehzahl vor dem Kuppeln n20 / (1/min):  0.00000\n"
              "Lastdrehzahl nach dem Kuppeln nL / (1/min):  350.00000\n"
              "Anzahl der Schaltungen Z / (1/h):            200.00000\n"
              "\n"
              "Drehmassen:\n"
              "Drehmasse des Antriebs JA / kgm^2:           76.00000\n"
              "Drehmasse der Last JL / kgm^2:               80.00000\n"
              "\n\n\n"
              "Ergebnisse:\n\n"
              "Beschleunigungszeit tB / s:                  0.23069\n"
              "Synchrondrehzahl n12 / (1/min):              330.43478\n"
              "Zeit von tB bis tC / s:                      0.02822\n"
              "Reibarbeit WR / J:                           67640.84601\n"
              "Verlustleistung PV / (J/h):                  13528169.20154\n"
              "Hochlaufzeit tCt0 / s:                       0.25891\n");
}

TEST(KupplungBericht, TkGesuchtByteFuerByte)
{
    const double erg[7] = {0, 0, 0, 0, 0, 0, kupplung_tk_gesucht(vorgabe)};
    const std::string t =
        kupplung_bericht(TK_GESUCHT, drehmomente, drehzahlen, drehmassen, beschleunigung, erg);
    EXPECT_EQ(t,
              "Ergebnisse, wenn das Kupplungsmoment gesucht ist:\n\n\n"
              "Eingabedaten:\n\n"
              "Drehmomente:\n"
              "Antriebsmoment TA / Nm:                      15325.00000\n"
              "Lastmoment TL / Nm:                          4000.00000\n"
              "\n"
              "Drehzahlen:\n"
              "Drehzahl Antrieb n10 / (1/min):               350.00000\n"
              "Lastdrehzahl vor dem Kuppeln n20 / (1/min):   0.00000\n"
              "\n"
              "Drehmassen:\n"
              "Drehmasse des Antriebs JA / kgm^2:            76.00000\n"
              "Drehmasse der Last JL / kgm^2:                80.00000\n"
              "\n"
              "Beschleunigungszeit:\n"
              "Beschleunigungszeit tB / s:                   0.23069\n"
              "\n\n\n"
              "Ergebnisse:\n\n"
              "Kupplungsmoment TK / Nm:                      15999.91416\n");
    // Value columns: 45 for TA, 46 for n10.
    EXPECT_EQ(t.find("15325.00000") - t.find("Antriebsmoment"), 45u);
    EXPECT_EQ(t.find("350.00000") - t.find("Drehzahl Antrieb"), 46u);
}

} // namespace
