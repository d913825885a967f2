#include "schraube.h"

#include "zahlen.h"

#include <cmath>
#include <cstring>

namespace {

// This program's constants: pi, pi/4 and pi/8 to eight decimals.
const double pi = 3.14159265;
const double pivier = 0.78539816;
const double piacht = 0.39269908;

const char* const klassen[8] = {"4.6", "4.8", "5.6", "5.8", "6.8", "8.8", "10.9", "12.9"};
const double klassen_werte[8] = {4.6, 4.8, 5.6, 5.8, 6.8, 8.8, 10.9, 12.9};

// Tensile and yield strength of the class.
void uRm(int iqu, double d, double& Rm, double& Rp)
{
    static const double rm[9] = {0, 400, 420, 500, 520, 600, 800, 1040, 1220};
    static const double rp[9] = {0, 240, 340, 300, 420, 480, 640, 940, 1100};
    if (iqu < 1 || iqu > 8)
        return;
    Rm = rm[iqu];
    Rp = rp[iqu];
    if (iqu == 6 && d > 16) {
        Rm = 830;
        Rp = 660;
    }
}

// Admissible stress amplitude by diameter band and class.  Between 12 and
// 14 mm, where the table has no band, the band 14 to 20 mm holds: its lower
// amplitude is on the safe side.
double uSA(double d, int iqu, int isr)
{
    struct Band { double bis6_8, ab8_8, gerollt; };
    Band b;
    if (d < 8) b = {50, 60, 100};
    else if (d <= 12) b = {40, 50, 90};
    else if (d <= 20) b = {35, 40, 70};
    else b = {35, 35, 60};
    double SigA = iqu <= 5 ? b.bis6_8 : b.ab8_8;
    if (isr == 1 && iqu > 6)
        SigA = b.gerollt;
    return SigA;
}

} // namespace

const char* const schraube_klassen_meldung =
    "Fehler in einem Eingabefeld\nQualitaet muss eine Festigkeitsklasse enthalten:\n"
    "4.6, 4.8, 5.6, 5.8, 6.8, 8.8, 10.9 oder 12.9!";

int festigkeitsklasse(const char* text)
{
    int iqu = 0;
    for (int i = 0; i < 8; ++i)
        if (std::strstr(text, klassen[i]))
            iqu = i + 1;
    return iqu;
}

SchraubeEingabe schraube_eingabe(const double g[9], const double s[19], const double p[13],
                                 int iqu, int idehn, int isr)
{
    SchraubeEingabe e{};
    e.d = g[0]; e.P = g[1]; e.FK = g[2]; e.FAo = g[3]; e.FAu = g[4];
    e.fZ = g[5]; e.alfaA = g[6]; e.myG = g[7]; e.myK = g[8];
    for (int k = 1; k <= 9; ++k) {
        e.di[k] = s[2 * k - 2];
        e.li[k] = s[2 * k - 1];
    }
    e.Es = s[18];
    for (int k = 1; k <= 4; ++k) {
        e.Epi[k] = p[2 * k - 2];
        e.lpi[k] = p[2 * k - 1];
    }
    e.DB = p[8]; e.DK = p[9]; e.DF = p[10]; e.DA = p[11]; e.n = p[12];
    e.iqu = iqu;
    e.idehn = idehn;
    e.isr = isr;
    return e;
}

std::array<double, 20> schraube_ergebnisfelder(const SchraubeErgebnis& r)
{
    return {r.PhiK, r.deltas, r.deltap, r.Siga, r.SigA, r.Sigsa, r.FSmax, r.Sigmax, r.pP, r.Rp,
            r.Rm, r.Fp02, r.FBruch, r.FZ, r.FSA, r.FPA, r.FMmax, r.MA, r.Fm, r.Fa};
}

double klassen_zahl(int iqu)
{
    return iqu >= 1 && iqu <= 8 ? klassen_werte[iqu - 1] : 0.0;
}

SchraubeErgebnis schraube_berechnen(const SchraubeEingabe& e)
{
    SchraubeErgebnis r{};
    const double d = e.d, P = e.P;
    r.d2 = d - 0.64952 * P;
    r.d3 = d - 1.22687 * P;
    const double AN = pi * std::pow(d, 2) / 4;
    const double A3 = pi * std::pow(r.d3, 2) / 4;

    // Only sections with a diameter and plates with a modulus take part,
    // wherever their row stands.
    double summe = 0.4 * d / AN;
    for (int k = 1; k <= 9; ++k)
        if (e.di[k] > 0) {
            summe += 4 * e.li[k] / (pi * std::pow(e.di[k], 2));
            ++r.is;
        }
    summe += 0.5 * d / A3 + 0.4 * d / AN;
    r.deltas = (1 / e.Es) * summe;

    double nachgiebig = 0;
    for (int k = 1; k <= 4; ++k)
        if (e.Epi[k] > 0) {
            r.lk += e.lpi[k];
            nachgiebig += e.lpi[k] / e.Epi[k];
            ++r.ip;
        }
    const double DA = e.DA, DK = e.DK, DB = e.DB, lk = r.lk;
    if (DK >= DA)
        r.AB = pivier * (std::pow(DA, 2) - std::pow(DB, 2));
    if (DA > DK && DK + lk > DA) {
        const double x = std::pow(lk * DK / std::pow(DA, 2), 1.0 / 3.0);
        r.AB = pivier * (std::pow(DK, 2) - std::pow(DB, 2))
             + piacht * DK * (DA - DK) * (std::pow(x + 1, 2) - 1);
    }
    if (DA >= DK + lk) {
        const double x = std::pow(lk * DK / std::pow(lk + DK, 2), 1.0 / 3.0);
        r.AB = pivier * (std::pow(DK, 2) - std::pow(DB, 2))
             + piacht * DK * lk * (std::pow(x + 1, 2) - 1);
    }
    r.deltap = nachgiebig * (1 / r.AB);

    r.PhiK = r.deltap / (r.deltas + r.deltap);
    r.FZ = (e.fZ * 0.001) / (r.deltas + r.deltap);
    const double FA = e.FAo;
    r.FSA = FA * (e.n * r.PhiK);
    r.FPA = FA - r.FSA;
    r.FMmax = e.alfaA * (e.FK + r.FPA + r.FZ);
    r.rm = 0.25 * (DK + DB);
    r.MA = 0.001 * ((0.16 * P + 0.58 * e.myG * r.d2 + e.myK * r.rm) * r.FMmax);
    r.Fa = (e.FAo - e.FAu) * (e.n * r.PhiK * 0.5);
    r.Fm = r.FMmax - r.FZ + r.FSA - r.Fa;
    const double ds = 0.5 * (r.d2 + r.d3);
    const double As = pivier * std::pow(ds, 2);
    const double dT = 0.9 * r.d3;
    const double AT = pivier * std::pow(dT, 2);
    r.Siga = r.Fa / A3;
    r.SigA = uSA(d, e.iqu, e.isr);
    r.FSmax = r.FSA + (r.FMmax - r.FZ);
    const double Amin = e.idehn == 1 ? AT : As;
    r.Sigsa = r.FSA / Amin;
    r.Sigmax = r.FSmax / Amin;
    const double Ap = pivier * (std::pow(DK, 2) - std::pow(e.DF, 2));
    r.pP = r.FSmax / Ap;
    uRm(e.iqu, d, r.Rm, r.Rp);
    r.Fp02 = r.Rp * Amin;
    r.FBruch = r.Rm * Amin;
    return r;
}

std::string schraube_bericht(const double g[10], const double s[19], const double p[13],
                             int stat_dehns, int stat_schgs, const double e[20])
{
    static const char* const geometrie[9] = {
        "Nenndurchmesser d / mm:                      %7.5lf\n",
        "Steigung P / mm:                             %7.5lf\n",
        "min. Klemmkraft FK / N:                      %7.5lf\n",
        "max. Betriebskraft FAo / N:                  %7.5lf\n",
        "min. Betriebskraft FAu / N:                  %7.5lf\n",
        "Setzbetrag fZ / ym:                          %7.5lf\n",
        "Anziehfaktor alfaA / 1:                      %7.5lf\n",
        "Reibwert Gewinde yG / 1:                     %7.5lf\n",
        "Reibwert Kopf yK / 1:                        %7.5lf\n",
    };
    static const char* const platte[5] = {
        "Bohrung DB / mm:                             %7.5lf\n",
        "Kopfauflagedurchmesser DK / mm:              %7.5lf\n",
        "Fasendurchmesser DF / mm:                    %7.5lf\n",
        "Aussendurchmesser DA / mm:                   %7.5lf\n",
        "Krafteinleitungsfaktor n / 1:                %7.5lf\n",
    };
    static const char* const ergebnisse[20] = {
        "Kraftverhaeltnis PhiK / 1:                      %7.5g\n",
        "Nachgiebigkeit der Schraube /  (mm/N):          %7.5g\n",
        "Nachgiebigkeit der Platte / (mm/N):             %7.5g\n",
        "Ausschlagsspannung / (N/mm^2):                  %7.5lf\n",
        "zulaessige Ausschlagsspannung / (N/mm^2):       %7.5lf\n",
        "Spannungsdifferenz / (N/mm^2):                  %7.5lf\n",
        "max. Schraubenkraft / N:                        %7.5lf\n",
        "max. Spannung (N/mm^2):                         %7.5lf\n",
        "pP / (N/mm^2):                                  %7.5lf\n",
        "Rp02 / (N/mm^2):                                %7.5lf\n",
        "Rm / (N/mm^2):                                  %7.5lf\n",
        "Fp02 / N:                                       %7.5lf\n",
        "F Bruch / N:                                    %7.5lf\n",
        "Kraftverlust durch Setzen FZ / N:               %7.5lf\n",
        "Schraubenzusatzkraft FSA / N:                   %7.5lf\n",
        "Flanschentlastungskraft FPA / N:                %7.5lf\n",
        "max. Montagekraft FM max / N:                   %7.5lf\n",
        "Anziehmoment MA / Nm:                           %7.5lf\n",
        "Mittelkraft FM / N:                             %7.5lf\n",
        "Ausschlagskraft / N:                             %7.5lf\n",
    };
    std::string t = "Ergebnisse der Berechnung von TARVEX:\n\n\nEingabedaten:\n\nGeometriedaten:\n";
    for (int i = 0; i < 9; ++i)
        t += kv_format(geometrie[i], g[i]);
    t += kv_format("Qualitaet / 1:                               %7.1lf\n", g[9]);
    t += "\nNachgiebigkeit der Schraube:\ndi / mm\n";
    for (int k = 1; k <= 9; ++k)
        t += "di" + std::to_string(k) + kv_format(": %7.5lf\n", s[2 * k - 2]);
    t += "\nli / mm\n";
    for (int k = 1; k <= 9; ++k)
        t += "li" + std::to_string(k) + kv_format(": %7.5lf\n", s[2 * k - 1]);
    t += "\n" + kv_format("E-Modul / (N/mm^2):                          %7.5lf\n", s[18]);
    t += "\n\nNachgiebigkeit der Platte:\nEpi / (N/mm^2)\n";
    for (int k = 1; k <= 4; ++k)
        t += "Epi" + std::to_string(k) + kv_format(": %7.5lf\n", p[2 * k - 2]);
    t += "\nlpi / mm\n";
    for (int k = 1; k <= 4; ++k)
        t += "lpi" + std::to_string(k) + kv_format(": %7.5lf\n", p[2 * k - 1]);
    t += "\n";
    for (int i = 0; i < 5; ++i)
        t += kv_format(platte[i], p[8 + i]);
    t += "\nAuswahl:\n";
    t += std::string("Dehnschraube gewaehlt: ") + (stat_dehns == 900 ? "Ja\n" : "Nein\n");
    t += std::string("Schraube schlussgerollt gewaehlt: ") + (stat_schgs == 901 ? "Ja\n" : "Nein\n");
    t += "\n\n\nErgebnisse:\n\n";
    for (int i = 0; i < 20; ++i)
        t += kv_format(ergebnisse[i], e[i]);
    return t;
}
