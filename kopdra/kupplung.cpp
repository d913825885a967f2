#include "kupplung.h"

#include "bericht.h"
#include "rechengang_aufzeichnen.h"

namespace {

// This program's value of pi: five decimals, every result depends on it.
const double pi = 3.14159;

std::string zeile(const char* format, double wert) { return kv_berichtszeile(format, wert); }

} // namespace

KupplungGegeben kupplung_tk_gegeben(const KupplungEingabe& e, KvRechengang* gang)
{
    KupplungGegeben r{};
    const double omega = 2 * pi * (e.n10 - e.n20) / 60;
    r.tb = omega / ((e.TK - e.TL) / e.JL - (e.TA - e.TK) / e.JAN);
    r.wr = (e.TK / 2) * omega * r.tb;
    r.pv = r.wr * e.Z;
    const double omega12 = 2 * pi * e.n20 / 60 + r.tb * (e.TK - e.TL) / e.JL;
    r.n12 = omega12 / (2 * pi) * 60;
    r.tctb = (2 * pi * (e.nL - r.n12) / 60) * (e.JAN + e.JL) / (e.TA - e.TL);
    r.tct0 = r.tb + r.tctb;
    if (!gang)
        return r;

    KvRechengang& g = *gang;
    kv_schritt(&g, "omega", "2 * pi * (n10 - n20) / 60",
               {{"pi", pi}, {"n10", e.n10}, {"n20", e.n20}}, omega, "1/s");
    kv_schritt(&g, "tb", "omega / ((TK - TL) / JL - (TA - TK) / JA)",
               {{"omega", omega}, {"TK", e.TK}, {"TL", e.TL}, {"JL", e.JL}, {"TA", e.TA}, {"JA", e.JAN}}, r.tb, "s");
    kv_schritt(&g, "wr", "(TK / 2) * omega * tb",
               {{"TK", e.TK}, {"omega", omega}, {"tb", r.tb}}, r.wr, "J");
    kv_schritt(&g, "pv", "wr * Z",
               {{"wr", r.wr}, {"Z", e.Z}}, r.pv, "J/h");
    kv_schritt(&g, "omega12", "2 * pi * n20 / 60 + tb * (TK - TL) / JL",
               {{"pi", pi}, {"n20", e.n20}, {"tb", r.tb}, {"TK", e.TK}, {"TL", e.TL}, {"JL", e.JL}}, omega12, "1/s");
    kv_schritt(&g, "n12", "omega12 / (2 * pi) * 60",
               {{"omega12", omega12}, {"pi", pi}}, r.n12, "1/min");
    kv_schritt(&g, "tctb", "(2 * pi * (nL - n12) / 60) * (JA + JL) / (TA - TL)",
               {{"pi", pi}, {"nL", e.nL}, {"n12", r.n12}, {"JA", e.JAN}, {"JL", e.JL}, {"TA", e.TA}, {"TL", e.TL}}, r.tctb, "s");
    kv_schritt(&g, "tct0", "tb + tctb",
               {{"tb", r.tb}, {"tctb", r.tctb}}, r.tct0, "s");
    kv_feststellung(g, N_("Betriebsart"), 0, "", N_("Kupplungsmoment TK gegeben: Rutschzeit, "
                    "Synchrondrehzahl, Reibarbeit und Hochlaufzeit gesucht"));
    kv_pruefung(g, N_("Synchronisation: Beschleunigungszeit tb > 0"), r.tb, "s", ">", 0, r.tb > 0,
                r.tb > 0 ? "" : N_("Kupplungsmoment zu klein?"));
    return r;
}

double kupplung_tk_gesucht(const KupplungEingabe& e, KvRechengang* gang)
{
    const double omega10 = 2 * pi * e.n10 / 60;
    const double omega20 = 2 * pi * e.n20 / 60;
    const double TK = (e.TA / e.JAN + e.TL / e.JL + omega10 / e.tb - omega20 / e.tb)
                    / (1 / e.JL + 1 / e.JAN);
    if (!gang)
        return TK;

    KvRechengang& g = *gang;
    kv_schritt(&g, "omega10", "2 * pi * n10 / 60",
               {{"pi", pi}, {"n10", e.n10}}, omega10, "1/s");
    kv_schritt(&g, "omega20", "2 * pi * n20 / 60",
               {{"pi", pi}, {"n20", e.n20}}, omega20, "1/s");
    kv_schritt(&g, "TK", "(TA / JA + TL / JL + omega10 / tB - omega20 / tB) "
               "/ (1 / JL + 1 / JA)",
               {{"TA", e.TA}, {"JA", e.JAN}, {"TL", e.TL}, {"JL", e.JL}, {"omega10", omega10}, {"tB", e.tb}, {"omega20", omega20}}, TK, "Nm");
    kv_feststellung(g, N_("Betriebsart"), 0, "", N_("Kupplungsmoment TK gesucht fuer die "
                    "Beschleunigungszeit tB"));
    return TK;
}

std::string kupplung_bericht(int window_status, const double d_box_drehmomente[3],
                             const double d_box_drehzahlen[4], const double d_box_drehmassen[2],
                             const double d_box_beschleunigung[1],
                             const double d_box_ergebnisse[7])
{
    std::string t;
    const std::string ta = zeile(N_("Antriebsmoment TA / Nm:                      %7.5lf\n"), d_box_drehmomente[0]);
    const std::string tl = zeile(N_("Lastmoment TL / Nm:                          %7.5lf\n"), d_box_drehmomente[1]);
    if (window_status == TK_GEGEBEN) {
        t += kv_berichtskopf("", N_("Ergebnisse, wenn das Kupplungsmoment gegeben ist:"), "\n\n\n");
        t += kv_berichtskopf("", N_("Eingabedaten:"), "\n\n")
           + kv_berichtskopf("", N_("Drehmomente:"), "\n") + ta + tl;
        t += zeile(N_("Kupplungsmoment TK / Nm:                     %7.5lf\n"), d_box_drehmomente[2]);
        t += kv_berichtskopf("\n", N_("Drehzahlen:"), "\n");
        t += zeile(N_("Drehzahl Antrieb n10 / (1/min):              %7.5lf\n"), d_box_drehzahlen[0]);
        t += zeile(N_("Lastdrehzahl vor dem Kuppeln n20 / (1/min):  %7.5lf\n"), d_box_drehzahlen[1]);
        t += zeile(N_("Lastdrehzahl nach dem Kuppeln nL / (1/min):  %7.5lf\n"), d_box_drehzahlen[2]);
        t += zeile(N_("Anzahl der Schaltungen Z / (1/h):            %7.5lf\n"), d_box_drehzahlen[3]);
        t += kv_berichtskopf("\n", N_("Drehmassen:"), "\n");
        t += zeile(N_("Drehmasse des Antriebs JA / kgm^2:           %7.5lf\n"), d_box_drehmassen[0]);
        t += zeile(N_("Drehmasse der Last JL / kgm^2:               %7.5lf\n"), d_box_drehmassen[1]);
        t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
        t += zeile(N_("Beschleunigungszeit tB / s:                  %7.5lf\n"), d_box_ergebnisse[0]);
        t += zeile(N_("Synchrondrehzahl n12 / (1/min):              %7.5lf\n"), d_box_ergebnisse[1]);
        t += zeile(N_("Zeit von tB bis tC / s:                      %7.5lf\n"), d_box_ergebnisse[2]);
        t += zeile(N_("Reibarbeit WR / J:                           %7.5lf\n"), d_box_ergebnisse[3]);
        t += zeile(N_("Verlustleistung PV / (J/h):                  %7.5lf\n"), d_box_ergebnisse[4]);
        t += zeile(N_("Hochlaufzeit tCt0 / s:                       %7.5lf\n"), d_box_ergebnisse[5]);
    } else if (window_status == TK_GESUCHT) {
        t += kv_berichtskopf("", N_("Ergebnisse, wenn das Kupplungsmoment gesucht ist:"), "\n\n\n");
        t += kv_berichtskopf("", N_("Eingabedaten:"), "\n\n")
           + kv_berichtskopf("", N_("Drehmomente:"), "\n") + ta + tl;
        t += kv_berichtskopf("\n", N_("Drehzahlen:"), "\n");
        t += zeile(N_("Drehzahl Antrieb n10 / (1/min):               %7.5lf\n"), d_box_drehzahlen[0]);
        t += zeile(N_("Lastdrehzahl vor dem Kuppeln n20 / (1/min):   %7.5lf\n"), d_box_drehzahlen[1]);
        t += kv_berichtskopf("\n", N_("Drehmassen:"), "\n");
        t += zeile(N_("Drehmasse des Antriebs JA / kgm^2:            %7.5lf\n"), d_box_drehmassen[0]);
        t += zeile(N_("Drehmasse der Last JL / kgm^2:                %7.5lf\n"), d_box_drehmassen[1]);
        t += kv_berichtskopf("\n", N_("Beschleunigungszeit:"), "\n");
        t += zeile(N_("Beschleunigungszeit tB / s:                   %7.5lf\n"), d_box_beschleunigung[0]);
        t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
        t += zeile(N_("Kupplungsmoment TK / Nm:                      %7.5lf\n"), d_box_ergebnisse[6]);
    }
    return t;
}
