#include "knickung.h"

#include "bericht.h"
#include "rechengang_aufzeichnen.h"

#include <cmath>

namespace {

const double pi = knickung_pi;

// The free buckling length of the case, and how it follows from l1.
double freie_knicklaenge(int stat_knickfall, double l1, const char*& vorlage)
{
    switch (stat_knickfall) {
    case KNICKFALL_1: vorlage = "l1 + l1"; return l1 + l1;
    case KNICKFALL_2: vorlage = "l1"; return l1;
    case KNICKFALL_3: vorlage = "l1 * 0.7071067811865476"; return l1 * 0.7071067811865476;
    case KNICKFALL_4: vorlage = "l1 * 0.5"; return l1 * 0.5;
    }
    vorlage = "0";
    return 0.0;
}

} // namespace

KnickErgebnis knickung_berechnen(const KnickEingabe& e, KvRechengang* gang)
{
    KnickErgebnis r{};
    const char* fall = "";
    r.fkl = freie_knicklaenge(e.stat_knickfall, e.l1, fall);
    r.thr = std::sqrt(e.I / e.A);
    r.lambda = r.fkl / r.thr;
    r.lambda_grenz = pi * std::sqrt(e.E / e.Re);
    r.sig_druck = e.F / e.A;
    r.sig_druck_zul = ((pi * pi) * e.E) / (e.S * (r.lambda * r.lambda));
    r.F_max_zul = e.A * r.sig_druck_zul;
    const bool tetmajer = r.lambda_grenz > r.lambda;
    // The regime's text stays German here (the results' id); each front-end
    // gives it in the reader's language.
    r.knickung = tetmajer ? N_("unelastische Knickung nach Tetmajer")
                          : N_("elastische Knickung nach Euler");
    if (!gang)
        return r;

    KvRechengang& g = *gang;
    kv_schritt(&g, "fkl", fall, {{"l1", e.l1}}, r.fkl, "mm");
    kv_schritt(&g, "thr", "sqrt(I / A)",
               {{"I", e.I}, {"A", e.A}}, r.thr, "mm");
    kv_schritt(&g, "lambda", "fkl / thr",
               {{"fkl", r.fkl}, {"thr", r.thr}}, r.lambda, "1");
    kv_schritt(&g, "lambda_grenz", "pi * sqrt(E / Re)",
               {{"pi", pi}, {"E", e.E}, {"Re", e.Re}}, r.lambda_grenz, "1");
    kv_schritt(&g, "sig_druck", "F / A",
               {{"F", e.F}, {"A", e.A}}, r.sig_druck, "N/mm^2");
    kv_schritt(&g, "sig_druck_zul", "((pi * pi) * E) / (S * (lambda * lambda))",
               {{"pi", pi}, {"E", e.E}, {"S", e.S}, {"lambda", r.lambda}}, r.sig_druck_zul, "N/mm^2");
    kv_schritt(&g, "F_max_zul", "A * sig_druck_zul",
               {{"A", e.A}, {"sig_druck_zul", r.sig_druck_zul}}, r.F_max_zul, "N");
    kv_pruefung(g, N_("Euler-Bereich: Schlankheitsgrad lambda >= Grenzschlankheitsgrad lambda_grenz"),
                r.lambda, "1", ">=", r.lambda_grenz, !tetmajer,
                tetmajer ? N_("unelastische Knickung nach Tetmajer: die zulaessige Druckspannung "
                              "ist nach Euler berechnet und gilt hier nicht")
                         : N_("elastische Knickung nach Euler"));
    kv_pruefung(g, N_("Druckspannung sig_druck <= zul. Druckspannung sig_druck_zul"), r.sig_druck,
                "N/mm^2", "<=", r.sig_druck_zul, r.sig_druck <= r.sig_druck_zul);
    return r;
}

std::string knickung_bericht(const double d_box_geometrie[7], int stat_knickfall,
                             const double d_box_ergebnisse[7], const std::string& knickung)
{
    static const char* const eingaben[7] = {
        N_("Kraft F / N:                             %7.5lf\n"),
        N_("Knicklaenge l1 / mm:                     %7.5lf\n"),
        N_("Flaeche A / mm^2:                        %7.5lf\n"),
        N_("Flaechentraegheitsmoment I / mm^4:       %7.5lf\n"),
        N_("E-Modul E / (N/mm^2):                    %7.5lf\n"),
        N_("Streckgrenze Re / (N/mm^2):              %7.5lf\n"),
        N_("Sicherheit S / 1:                        %7.5lf\n"),
    };
    static const char* const ergebnisse[7] = {
        N_("freie Knicklaenge / mm:                  %7.5lf\n"),
        N_("Traegheitsradius / mm:                   %7.5lf\n"),
        N_("Schlankheitsgrad / 1:                    %7.5lf\n"),
        N_("Grenzschlankheitsgrad / 1:               %7.5lf\n"),
        N_("Druckspannung / (N/mm^2):                %7.5lf\n"),
        N_("zul. Druckspannung (N/mm^2):             %7.5lf\n"),
        N_("zul. Maximalkraft / N:                   %7.5lf\n"),
    };
    std::string t = kv_berichtskopf("", N_("Ergebnisse der Berechnung:"), "\n\n\n")
                  + kv_berichtskopf("", N_("Eingabedaten:"), "\n\n")
                  + kv_berichtskopf("", N_("Geometriedaten:"), "\n");
    for (int i = 0; i < 7; ++i)
        t += kv_berichtszeile(eingaben[i], d_box_geometrie[i]);
    t += kv_berichtskopf("\n", N_("Auswahl:"), "\n");
    if (stat_knickfall >= KNICKFALL_1 && stat_knickfall <= KNICKFALL_4)
        t += kv_einsetzen(_("Knickfall: {1}\n"), {std::to_string(stat_knickfall - 879)});
    t += kv_berichtskopf("\n\n\n", N_("Ergebnisse:"), "\n\n");
    for (int i = 0; i < 7; ++i)
        t += kv_berichtszeile(ergebnisse[i], d_box_ergebnisse[i]);
    t += kv_einsetzen(_("Knickung:                                {1}\n"), {_(knickung.c_str())});
    return t;
}
