// Bolted-joint computation and report, without a display.
#include "schraube.h"
#include "zahlen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

SchraubeEingabe vorgabe()
{
    SchraubeEingabe e{};
    e.d = 12; e.P = 1.75; e.FK = 2870; e.FAo = 24948; e.FAu = 0; e.fZ = 5;
    e.alfaA = 1.6; e.myG = 0.12; e.myK = 0.12;
    e.di[1] = 12; e.li[1] = 30; e.di[2] = 9.853; e.li[2] = 12;
    e.Es = 210000;
    for (int k = 1; k <= 4; ++k) e.Epi[k] = 210000;
    e.lpi[1] = 42;
    e.DB = 13.5; e.DK = 18; e.DF = 14.5; e.DA = 80; e.n = 0.3;
    e.iqu = 8;
    return e;
}

std::vector<std::string> felder(const SchraubeErgebnis& r)
{
    const double w[20] = {r.PhiK, r.deltas, r.deltap, r.Siga, r.SigA, r.Sigsa, r.FSmax, r.Sigmax,
                          r.pP, r.Rp, r.Rm, r.Fp02, r.FBruch, r.FZ, r.FSA, r.FPA, r.FMmax, r.MA,
                          r.Fm, r.Fa};
    std::vector<std::string> t;
    for (int i = 0; i < 20; ++i)
        t.push_back(kv_format(i < 3 ? "%7.5g" : "%7.5lf", w[i]));
    return t;
}

const std::vector<std::string> vorgabe_felder = {
    "0.11181", "2.7915e-06", "3.514e-07", "5.48755", "50.00000", "9.93066", "44961.23950",
    "533.56001", "503.26530", "1100.00000", "1220.00000", "92693.16048", "102805.14162",
    "1590.88812", "836.82229", "24111.17771", "45715.30533", "90.56606", "44542.82836",
    "418.41114"};

TEST(Schraube, VorgabenKlasse12_9)
{
    const SchraubeErgebnis r = schraube_berechnen(vorgabe());
    EXPECT_EQ(felder(r), vorgabe_felder);
    EXPECT_EQ(kv_format("%.5lf", r.d2), "10.86334");
    EXPECT_EQ(kv_format("%.7lf", r.d3), "9.8529775");
    EXPECT_EQ(r.lk, 42);
    EXPECT_EQ(r.is, 2);
    EXPECT_EQ(r.ip, 4);
    EXPECT_EQ(r.rm, 7.875);
}

TEST(Schraube, Optionen)
{
    SchraubeEingabe e = vorgabe();
    e.idehn = 1;
    std::vector<std::string> erwartet = vorgabe_felder;
    erwartet[5] = "13.54950"; erwartet[7] = "727.99500";
    erwartet[11] = "67936.40564"; erwartet[12] = "75347.64989";
    EXPECT_EQ(felder(schraube_berechnen(e)), erwartet);

    e = vorgabe();
    e.isr = 1;
    erwartet = vorgabe_felder;
    erwartet[4] = "90.00000";
    EXPECT_EQ(felder(schraube_berechnen(e)), erwartet);
    e.iqu = 6; // 8.8: the option changes nothing
    EXPECT_EQ(kv_format("%7.5lf", schraube_berechnen(e).SigA), "50.00000");
}

TEST(Schraube, KlasseUndDurchmesserbaender)
{
    SchraubeEingabe e = vorgabe();
    e.iqu = 6;
    e.d = 16;
    EXPECT_EQ(schraube_berechnen(e).Rm, 800);
    EXPECT_EQ(schraube_berechnen(e).Rp, 640);
    e.d = 16.01;
    EXPECT_EQ(schraube_berechnen(e).Rm, 830);
    EXPECT_EQ(schraube_berechnen(e).Rp, 660);
    struct { double d; double SigA; } baender[] = {
        {7.99, 60}, {8, 50}, {12, 50}, {13, 40}, {14, 40}, {20, 40}, {20.01, 35}};
    for (const auto& b : baender) {
        e.d = b.d;
        EXPECT_EQ(schraube_berechnen(e).SigA, b.SigA) << b.d;
    }
}

TEST(Schraube, ErsatzquerschnittFaelle)
{
    SchraubeEingabe e = vorgabe();
    e.DA = 18;
    SchraubeErgebnis r = schraube_berechnen(e);
    EXPECT_EQ(kv_format("%.5lf", r.AB), "111.33019");
    EXPECT_EQ(kv_format("%7.5g", r.PhiK), "0.39156");
    EXPECT_EQ(kv_format("%7.5g", r.deltap), "1.7965e-06");
    EXPECT_EQ(kv_format("%7.5lf", r.FMmax), "41563.55258");
    e.DA = 40;
    r = schraube_berechnen(e);
    EXPECT_EQ(kv_format("%.5lf", r.AB), "447.91244");
    EXPECT_EQ(kv_format("%7.5g", r.PhiK), " 0.1379");
    EXPECT_EQ(kv_format("%7.5g", r.deltap), "4.4652e-07");
    EXPECT_EQ(kv_format("%7.5lf", r.FMmax), "45328.11636");
    EXPECT_EQ(kv_format("%7.5lf", r.MA), "89.79901");
}

TEST(Schraube, LeereZeilenWerdenUebersprungen)
{
    // Section 2 moved to row 4, plate 1 to row 3: same joint, same results.
    SchraubeEingabe e = vorgabe();
    e.di[4] = e.di[2]; e.li[4] = e.li[2]; e.di[2] = 0; e.li[2] = 0;
    e.Epi[3] = 210000; e.lpi[3] = 42; e.Epi[1] = 0; e.lpi[1] = 0;
    const SchraubeErgebnis r = schraube_berechnen(e);
    EXPECT_EQ(felder(r), vorgabe_felder);
    EXPECT_EQ(r.is, 2);
    EXPECT_EQ(r.ip, 3);
}

TEST(Schraube, FestigkeitsklasseImText)
{
    EXPECT_EQ(festigkeitsklasse("12.9"), 8);
    EXPECT_EQ(festigkeitsklasse("Kl. 8.8"), 6);
    EXPECT_EQ(festigkeitsklasse("10.9"), 7);
    EXPECT_EQ(festigkeitsklasse("9.9"), 0);
    EXPECT_EQ(festigkeitsklasse(""), 0);
    EXPECT_EQ(klassen_zahl(6), 8.8);
}

TEST(SchraubeBericht, VorgabenByteFuerByte)
{
    const SchraubeEingabe e = vorgabe();
    const SchraubeErgebnis r = schraube_berechnen(e);
    const double g[10] = {12, 1.75, 2870, 24948, 0, 5, 1.6, 0.12, 0.12, klassen_zahl(8)};
    double s[19] = {12, 30, 9.853, 12};
    s[18] = 210000;
    const double p[13] = {210000, 42, 210000, 0, 210000, 0, 210000, 0, 13.5, 18, 14.5, 80, 0.3};
    const double w[20] = {r.PhiK, r.deltas, r.deltap, r.Siga, r.SigA, r.Sigsa, r.FSmax, r.Sigmax,
                          r.pP, r.Rp, r.Rm, r.Fp02, r.FBruch, r.FZ, r.FSA, r.FPA, r.FMmax, r.MA,
                          r.Fm, r.Fa};
    std::string erwartet =
        "Ergebnisse der Berechnung von TARVEX:\n\n\n"
        "Eingabedaten:\n\n"
        "Geometriedaten:\n"
        "Nenndurchmesser d / mm:                      12.00000\n"
        "Steigung P / mm:                             1.75000\n"
        "min. Klemmkraft FK / N:                      2870.00000\n"
        "max. Betriebskraft FAo / N:                  24948.00000\n"
        "min. Betriebskraft FAu / N:                  0.00000\n"
        "Setzbetrag fZ / ym:                          5.00000\n"
        "Anziehfaktor alfaA / 1:                      1.60000\n"
        "Reibwert Gewinde yG / 1:                     0.12000\n"
        "Reibwert Kopf yK / 1:                        0.12000\n"
        "Qualitaet / 1:                                  12.9\n"
        "\n"
        "Nachgiebigkeit der Schraube:\n"
        "di / mm\n"
        "di1: 12.00000\ndi2: 9.85300\ndi3: 0.00000\ndi4: 0.00000\ndi5: 0.00000\n"
        "di6: 0.00000\ndi7: 0.00000\ndi8: 0.00000\ndi9: 0.00000\n"
        "\n"
        "li / mm\n"
        "li1: 30.00000\nli2: 12.00000\nli3: 0.00000\nli4: 0.00000\nli5: 0.00000\n"
        "li6: 0.00000\nli7: 0.00000\nli8: 0.00000\nli9: 0.00000\n"
        "\n"
        "E-Modul / (N/mm^2):                          210000.00000\n"
        "\n\n"
        "Nachgiebigkeit der Platte:\n"
        "Epi / (N/mm^2)\n"
        "Epi1: 210000.00000\nEpi2: 210000.00000\nEpi3: 210000.00000\nEpi4: 210000.00000\n"
        "\n"
        "lpi / mm\n"
        "lpi1: 42.00000\nlpi2: 0.00000\nlpi3: 0.00000\nlpi4: 0.00000\n"
        "\n"
        "Bohrung DB / mm:                             13.50000\n"
        "Kopfauflagedurchmesser DK / mm:              18.00000\n"
        "Fasendurchmesser DF / mm:                    14.50000\n"
        "Aussendurchmesser DA / mm:                   80.00000\n"
        "Krafteinleitungsfaktor n / 1:                0.30000\n"
        "\n"
        "Auswahl:\n"
        "Dehnschraube gewaehlt: Nein\n"
        "Schraube schlussgerollt gewaehlt: Nein\n"
        "\n\n\n"
        "Ergebnisse:\n\n"
        "Kraftverhaeltnis PhiK / 1:                      0.11181\n"
        "Nachgiebigkeit der Schraube /  (mm/N):          2.7915e-06\n"
        "Nachgiebigkeit der Platte / (mm/N):             3.514e-07\n"
        "Ausschlagsspannung / (N/mm^2):                  5.48755\n"
        "zulaessige Ausschlagsspannung / (N/mm^2):       50.00000\n"
        "Spannungsdifferenz / (N/mm^2):                  9.93066\n"
        "max. Schraubenkraft / N:                        44961.23950\n"
        "max. Spannung (N/mm^2):                         533.56001\n"
        "pP / (N/mm^2):                                  503.26530\n"
        "Rp02 / (N/mm^2):                                1100.00000\n"
        "Rm / (N/mm^2):                                  1220.00000\n"
        "Fp02 / N:                                       92693.16048\n"
        "F Bruch / N:                                    102805.14162\n"
        "Kraftverlust durch Setzen FZ / N:               1590.88812\n"
        "Schraubenzusatzkraft FSA / N:                   836.82229\n"
        "Flanschentlastungskraft FPA / N:                24111.17771\n"
        "max. Montagekraft FM max / N:                   45715.30533\n"
        "Anziehmoment MA / Nm:                           90.56606\n"
        "Mittelkraft FM / N:                             44542.82836\n"
        "Ausschlagskraft / N:                             418.41114\n";
    EXPECT_EQ(schraube_bericht(g, s, p, 902, 902, w), erwartet);
}

} // namespace
