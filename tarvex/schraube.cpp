#include "schraube.h"

#include "bericht.h"
#include "rechengang_aufzeichnen.h"
#include "zahlen.h"

#include <cmath>
#include <cstring>
#include <vector>

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

// A sum as the loop adds it up, written down for the working only when
// there is one: each term's formula with its row number in place of '#'
// (in the text and in its operands' symbols), and the same with the values.
class Summe {
public:
    explicit Summe(KvRechengang* gang) : gang_(gang) {}
    void glied(std::string_view formel, int k, std::initializer_list<KvOperand> werte);
    // The step: vor, the terms joined by " + " ("0" for none), nach.
    void schritt(std::string_view symbol, std::string_view vor, std::string_view nach,
                 std::initializer_list<KvOperand> werte, double wert, std::string_view einheit);

private:
    KvRechengang* gang_;
    std::string formel_, eingesetzt_;
};

void Summe::glied(std::string_view formel, int k, std::initializer_list<KvOperand> werte)
{
    if (!gang_)
        return;
    const std::string nummer = std::to_string(k);
    auto zeile = [&](std::string_view t) {
        std::string z(t);
        for (std::size_t i; (i = z.find('#')) != std::string::npos;)
            z.replace(i, 1, nummer);
        return z;
    };
    std::vector<std::string> namen;
    for (const KvOperand& w : werte)
        namen.push_back(zeile(w.symbol));
    std::vector<KvOperand> operanden;
    for (std::size_t i = 0; i < namen.size(); ++i)
        operanden.push_back({namen[i], werte.begin()[i].wert});
    const std::string f = zeile(formel);
    if (!formel_.empty()) {
        formel_ += " + ";
        eingesetzt_ += " + ";
    }
    formel_ += f;
    eingesetzt_ += kv_eingesetzt(f, operanden);
}

void Summe::schritt(std::string_view symbol, std::string_view vor, std::string_view nach,
                    std::initializer_list<KvOperand> werte, double wert, std::string_view einheit)
{
    if (!gang_)
        return;
    const std::span<const KvOperand> w(werte.begin(), werte.size());
    const bool leer = formel_.empty();
    gang_->schritte.push_back({std::string(symbol),
                               std::string(vor) + (leer ? "0" : formel_) + std::string(nach),
                               kv_eingesetzt(vor, w) + (leer ? "0" : eingesetzt_)
                                   + kv_eingesetzt(nach, w),
                               wert, std::string(einheit)});
}

// The checks: the stress amplitude against the admissible one, the
// maximum stress against the yield strength; the surface pressure has no
// limit here, the plates' material gives it.
void pruefungen(const SchraubeErgebnis& r, KvRechengang& gang)
{
    gang.pruefungen.push_back({N_("Ausschlagsspannung Siga"), r.Siga, "N/mm^2", true, "<=", r.SigA,
                               r.Siga <= r.SigA, N_("zulaessige Ausschlagsspannung SigA")});
    gang.pruefungen.push_back({N_("Flaechenpressung pP"), r.pP, "N/mm^2", false, "", 0.0, true,
                               N_("ohne Grenzwert: mit der Grenzflaechenpressung des "
                                  "Plattenwerkstoffs vergleichen")});
    gang.pruefungen.push_back({N_("max. Spannung Sigmax"), r.Sigmax, "N/mm^2", true, "<=", r.Rp,
                               r.Sigmax <= r.Rp, N_("Streckgrenze Rp0.2")});
}

} // namespace

const char* const schraube_klassen_meldung =
    N_("Fehler in einem Eingabefeld\nQualitaet muss eine Festigkeitsklasse enthalten:\n"
       "4.6, 4.8, 5.6, 5.8, 6.8, 8.8, 10.9 oder 12.9!");

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

SchraubeErgebnis schraube_berechnen(const SchraubeEingabe& e, KvRechengang* gang)
{
    SchraubeErgebnis r{};
    const double d = e.d, P = e.P;
    r.d2 = d - 0.64952 * P;
    kv_schritt(gang, "d2", "d - 0.64952 * P", {{"d", d}, {"P", P}}, r.d2, "mm");
    r.d3 = d - 1.22687 * P;
    kv_schritt(gang, "d3", "d - 1.22687 * P", {{"d", d}, {"P", P}}, r.d3, "mm");
    const double AN = pi * std::pow(d, 2) / 4;
    kv_schritt(gang, "AN", "pi * d^2 / 4", {{"pi", pi}, {"d", d}}, AN, "mm^2");
    const double A3 = pi * std::pow(r.d3, 2) / 4;
    kv_schritt(gang, "A3", "pi * d3^2 / 4", {{"pi", pi}, {"d3", r.d3}}, A3, "mm^2");

    // Only sections with a diameter and plates with a modulus take part,
    // wherever their row stands.
    Summe abschnitte(gang);
    abschnitte.glied("0.4 * d / AN", 0, {{"d", d}, {"AN", AN}});
    double summe = 0.4 * d / AN;
    for (int k = 1; k <= 9; ++k)
        if (e.di[k] > 0) {
            summe += 4 * e.li[k] / (pi * std::pow(e.di[k], 2));
            abschnitte.glied("4 * li# / (pi * di#^2)", k,
                             {{"li#", e.li[k]}, {"pi", pi}, {"di#", e.di[k]}});
            ++r.is;
        }
    summe += 0.5 * d / A3 + 0.4 * d / AN;
    abschnitte.glied("(0.5 * d / A3 + 0.4 * d / AN)", 0, {{"d", d}, {"A3", A3}, {"AN", AN}});
    r.deltas = (1 / e.Es) * summe;
    abschnitte.schritt("deltas", "(1 / Es) * (", ")", {{"Es", e.Es}}, r.deltas, "mm/N");

    double nachgiebig = 0;
    Summe laengen(gang), platten(gang);
    for (int k = 1; k <= 4; ++k)
        if (e.Epi[k] > 0) {
            r.lk += e.lpi[k];
            nachgiebig += e.lpi[k] / e.Epi[k];
            ++r.ip;
            // A plate without thickness adds exactly 0 to both sums; the
            // working leaves it out, as the record does.
            if (e.lpi[k] == 0)
                continue;
            laengen.glied("lpi#", k, {{"lpi#", e.lpi[k]}});
            platten.glied("lpi# / Epi#", k, {{"lpi#", e.lpi[k]}, {"Epi#", e.Epi[k]}});
        }
    laengen.schritt("lk", "", "", {}, r.lk, "mm");
    const double DA = e.DA, DK = e.DK, DB = e.DB, lk = r.lk;
    const KvOperand massen[] = {{"DA", DA}, {"DK", DK}, {"DB", DB}, {"lk", lk},
                                {"pivier", pivier}, {"piacht", piacht}};
    if (DK >= DA) {
        r.AB = pivier * (std::pow(DA, 2) - std::pow(DB, 2));
        kv_schritt(gang, "AB", "pivier * (DA^2 - DB^2)", massen, r.AB, "mm^2");
    }
    if (DA > DK && DK + lk > DA) {
        const double x = std::pow(lk * DK / std::pow(DA, 2), 1.0 / 3.0);
        kv_schritt(gang, "x", "(lk * DK / DA^2)^(1/3)", massen, x, "1");
        r.AB = pivier * (std::pow(DK, 2) - std::pow(DB, 2))
             + piacht * DK * (DA - DK) * (std::pow(x + 1, 2) - 1);
        kv_schritt(gang, "AB", "pivier * (DK^2 - DB^2) + piacht * DK * (DA - DK) * ((x + 1)^2 - 1)",
                   {{"pivier", pivier}, {"piacht", piacht}, {"DA", DA}, {"DK", DK}, {"DB", DB},
                    {"x", x}}, r.AB, "mm^2");
    }
    if (DA >= DK + lk) {
        const double x = std::pow(lk * DK / std::pow(lk + DK, 2), 1.0 / 3.0);
        kv_schritt(gang, "x", "(lk * DK / (lk + DK)^2)^(1/3)", massen, x, "1");
        r.AB = pivier * (std::pow(DK, 2) - std::pow(DB, 2))
             + piacht * DK * lk * (std::pow(x + 1, 2) - 1);
        kv_schritt(gang, "AB", "pivier * (DK^2 - DB^2) + piacht * DK * lk * ((x + 1)^2 - 1)",
                   {{"pivier", pivier}, {"piacht", piacht}, {"DK", DK}, {"DB", DB}, {"lk", lk},
                    {"x", x}}, r.AB, "mm^2");
    }
    r.deltap = nachgiebig * (1 / r.AB);
    platten.schritt("deltap", "(", ") * (1 / AB)", {{"AB", r.AB}}, r.deltap, "mm/N");

    const KvOperand nachgiebigkeiten[] = {{"deltas", r.deltas}, {"deltap", r.deltap}};
    r.PhiK = r.deltap / (r.deltas + r.deltap);
    kv_schritt(gang, "PhiK", "deltap / (deltas + deltap)", nachgiebigkeiten, r.PhiK, "1");
    r.FZ = (e.fZ * 0.001) / (r.deltas + r.deltap);
    kv_schritt(gang, "FZ", "(fZ * 0.001) / (deltas + deltap)",
               {{"fZ", e.fZ}, {"deltas", r.deltas}, {"deltap", r.deltap}}, r.FZ, "N");
    const double FA = e.FAo;
    r.FSA = FA * (e.n * r.PhiK);
    kv_schritt(gang, "FSA", "FAo * (n * PhiK)", {{"FAo", FA}, {"n", e.n}, {"PhiK", r.PhiK}},
               r.FSA, "N");
    r.FPA = FA - r.FSA;
    kv_schritt(gang, "FPA", "FAo - FSA", {{"FAo", FA}, {"FSA", r.FSA}}, r.FPA, "N");
    r.FMmax = e.alfaA * (e.FK + r.FPA + r.FZ);
    kv_schritt(gang, "FMmax", "alfaA * (FK + FPA + FZ)",
               {{"alfaA", e.alfaA}, {"FK", e.FK}, {"FPA", r.FPA}, {"FZ", r.FZ}}, r.FMmax, "N");
    r.rm = 0.25 * (DK + DB);
    kv_schritt(gang, "rm", "0.25 * (DK + DB)", massen, r.rm, "mm");
    r.MA = 0.001 * ((0.16 * P + 0.58 * e.myG * r.d2 + e.myK * r.rm) * r.FMmax);
    kv_schritt(gang, "MA", "0.001 * ((0.16 * P + 0.58 * myG * d2 + myK * rm) * FMmax)",
               {{"P", P}, {"myG", e.myG}, {"d2", r.d2}, {"myK", e.myK}, {"rm", r.rm},
                {"FMmax", r.FMmax}}, r.MA, "Nm");
    r.Fa = (e.FAo - e.FAu) * (e.n * r.PhiK * 0.5);
    kv_schritt(gang, "Fa", "(FAo - FAu) * (n * PhiK * 0.5)",
               {{"FAo", e.FAo}, {"FAu", e.FAu}, {"n", e.n}, {"PhiK", r.PhiK}}, r.Fa, "N");
    r.Fm = r.FMmax - r.FZ + r.FSA - r.Fa;
    kv_schritt(gang, "Fm", "FMmax - FZ + FSA - Fa",
               {{"FMmax", r.FMmax}, {"FZ", r.FZ}, {"FSA", r.FSA}, {"Fa", r.Fa}}, r.Fm, "N");
    const double ds = 0.5 * (r.d2 + r.d3);
    kv_schritt(gang, "ds", "0.5 * (d2 + d3)", {{"d2", r.d2}, {"d3", r.d3}}, ds, "mm");
    const double As = pivier * std::pow(ds, 2);
    kv_schritt(gang, "As", "pivier * ds^2", {{"pivier", pivier}, {"ds", ds}}, As, "mm^2");
    const double dT = 0.9 * r.d3;
    kv_schritt(gang, "dT", "0.9 * d3", {{"d3", r.d3}}, dT, "mm");
    const double AT = pivier * std::pow(dT, 2);
    kv_schritt(gang, "AT", "pivier * dT^2", {{"pivier", pivier}, {"dT", dT}}, AT, "mm^2");
    r.Siga = r.Fa / A3;
    kv_schritt(gang, "Siga", "Fa / A3", {{"Fa", r.Fa}, {"A3", A3}}, r.Siga, "N/mm^2");
    r.SigA = uSA(d, e.iqu, e.isr);
    kv_schritt(gang, "SigA", "uSA(d, Qualitaet, schlussgerollt)",
               {{"d", d}, {"Qualitaet", klassen_zahl(e.iqu)}, {"schlussgerollt", double(e.isr)}},
               r.SigA, "N/mm^2");
    r.FSmax = r.FSA + (r.FMmax - r.FZ);
    kv_schritt(gang, "FSmax", "FSA + (FMmax - FZ)",
               {{"FSA", r.FSA}, {"FMmax", r.FMmax}, {"FZ", r.FZ}}, r.FSmax, "N");
    const double Amin = e.idehn == 1 ? AT : As;
    kv_schritt(gang, "Amin", e.idehn == 1 ? "AT" : "As", {{"AT", AT}, {"As", As}}, Amin, "mm^2");
    r.Sigsa = r.FSA / Amin;
    kv_schritt(gang, "Sigsa", "FSA / Amin", {{"FSA", r.FSA}, {"Amin", Amin}}, r.Sigsa, "N/mm^2");
    r.Sigmax = r.FSmax / Amin;
    kv_schritt(gang, "Sigmax", "FSmax / Amin", {{"FSmax", r.FSmax}, {"Amin", Amin}}, r.Sigmax,
               "N/mm^2");
    const double Ap = pivier * (std::pow(DK, 2) - std::pow(e.DF, 2));
    kv_schritt(gang, "Ap", "pivier * (DK^2 - DF^2)", {{"pivier", pivier}, {"DK", DK}, {"DF", e.DF}},
               Ap, "mm^2");
    r.pP = r.FSmax / Ap;
    kv_schritt(gang, "pP", "FSmax / Ap", {{"FSmax", r.FSmax}, {"Ap", Ap}}, r.pP, "N/mm^2");
    uRm(e.iqu, d, r.Rm, r.Rp);
    const KvOperand klasse[] = {{"d", d}, {"Qualitaet", klassen_zahl(e.iqu)}};
    kv_schritt(gang, "Rm", "uRm(d, Qualitaet)", klasse, r.Rm, "N/mm^2");
    kv_schritt(gang, "Rp", "uRm(d, Qualitaet)", klasse, r.Rp, "N/mm^2");
    r.Fp02 = r.Rp * Amin;
    kv_schritt(gang, "Fp02", "Rp * Amin", {{"Rp", r.Rp}, {"Amin", Amin}}, r.Fp02, "N");
    r.FBruch = r.Rm * Amin;
    kv_schritt(gang, "FBruch", "Rm * Amin", {{"Rm", r.Rm}, {"Amin", Amin}}, r.FBruch, "N");
    if (gang)
        pruefungen(r, *gang);
    return r;
}

std::string schraube_bericht(const double g[10], const double s[19], const double p[13],
                             int stat_dehns, int stat_schgs, const double e[20])
{
    static const char* const geometrie[9] = {
        N_("Nenndurchmesser d / mm:                      %7.5lf\n"),
        N_("Steigung P / mm:                             %7.5lf\n"),
        N_("min. Klemmkraft FK / N:                      %7.5lf\n"),
        N_("max. Betriebskraft FAo / N:                  %7.5lf\n"),
        N_("min. Betriebskraft FAu / N:                  %7.5lf\n"),
        N_("Setzbetrag fZ / ym:                          %7.5lf\n"),
        N_("Anziehfaktor alfaA / 1:                      %7.5lf\n"),
        N_("Reibwert Gewinde yG / 1:                     %7.5lf\n"),
        N_("Reibwert Kopf yK / 1:                        %7.5lf\n"),
    };
    static const char* const platte[5] = {
        N_("Bohrung DB / mm:                             %7.5lf\n"),
        N_("Kopfauflagedurchmesser DK / mm:              %7.5lf\n"),
        N_("Fasendurchmesser DF / mm:                    %7.5lf\n"),
        N_("Aussendurchmesser DA / mm:                   %7.5lf\n"),
        N_("Krafteinleitungsfaktor n / 1:                %7.5lf\n"),
    };
    static const char* const ergebnisse[20] = {
        N_("Kraftverhaeltnis PhiK / 1:                      %7.5g\n"),
        N_("Nachgiebigkeit der Schraube /  (mm/N):          %7.5g\n"),
        N_("Nachgiebigkeit der Platte / (mm/N):             %7.5g\n"),
        N_("Ausschlagsspannung / (N/mm^2):                  %7.5lf\n"),
        N_("zulaessige Ausschlagsspannung / (N/mm^2):       %7.5lf\n"),
        N_("Spannungsdifferenz / (N/mm^2):                  %7.5lf\n"),
        N_("max. Schraubenkraft / N:                        %7.5lf\n"),
        N_("max. Spannung (N/mm^2):                         %7.5lf\n"),
        N_("pP / (N/mm^2):                                  %7.5lf\n"),
        N_("Rp02 / (N/mm^2):                                %7.5lf\n"),
        N_("Rm / (N/mm^2):                                  %7.5lf\n"),
        N_("Fp02 / N:                                       %7.5lf\n"),
        N_("F Bruch / N:                                    %7.5lf\n"),
        N_("Kraftverlust durch Setzen FZ / N:               %7.5lf\n"),
        N_("Schraubenzusatzkraft FSA / N:                   %7.5lf\n"),
        N_("Flanschentlastungskraft FPA / N:                %7.5lf\n"),
        N_("max. Montagekraft FM max / N:                   %7.5lf\n"),
        N_("Anziehmoment MA / Nm:                           %7.5lf\n"),
        N_("Mittelkraft FM / N:                             %7.5lf\n"),
        N_("Ausschlagskraft / N:                             %7.5lf\n"),
    };
    std::string t = kv_berichtskopf("", N_("Ergebnisse der Berechnung von TARVEX:"), "\n\n\n")
                  + kv_berichtskopf("", N_("Eingabedaten:"), "\n\n")
                  + kv_berichtskopf("", N_("Geometriedaten:"), "\n");
    for (int i = 0; i < 9; ++i)
        t += kv_berichtszeile(geometrie[i], g[i]);
    t += kv_berichtszeile(N_("Qualitaet / 1:                               %7.1lf\n"), g[9]);
    t += kv_berichtskopf("\n", N_("Nachgiebigkeit der Schraube:"), "\ndi / mm\n");
    for (int k = 1; k <= 9; ++k)
        t += "di" + std::to_string(k) + kv_format(": %7.5lf\n", s[2 * k - 2]);
    t += "\nli / mm\n";
    for (int k = 1; k <= 9; ++k)
        t += "li" + std::to_string(k) + kv_format(": %7.5lf\n", s[2 * k - 1]);
    (t += "\n") += kv_berichtszeile(N_("E-Modul / (N/mm^2):                          %7.5lf\n"), s[18]);
    t += kv_berichtskopf("\n\n", N_("Nachgiebigkeit der Platte:"), "\nEpi / (N/mm^2)\n");
    for (int k = 1; k <= 4; ++k)
        t += "Epi" + std::to_string(k) + kv_format(": %7.5lf\n", p[2 * k - 2]);
    t += "\nlpi / mm\n";
    for (int k = 1; k <= 4; ++k)
        t += "lpi" + std::to_string(k) + kv_format(": %7.5lf\n", p[2 * k - 1]);
    t += "\n";
    for (int i = 0; i < 5; ++i)
        t += kv_berichtszeile(platte[i], p[8 + i]);
    t += kv_berichtskopf("\n", N_("Auswahl:"), "\n");
    t += _(stat_dehns == 900 ? N_("Dehnschraube gewaehlt: Ja\n") : N_("Dehnschraube gewaehlt: Nein\n"));
    t += _(stat_schgs == 901 ? N_("Schraube schlussgerollt gewaehlt: Ja\n")
                             : N_("Schraube schlussgerollt gewaehlt: Nein\n"));
    t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
    for (int i = 0; i < 20; ++i)
        t += kv_berichtszeile(ergebnisse[i], e[i]);
    return t;
}
