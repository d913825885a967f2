#include "biegeknicken.h"

#include "knickung.h"
#include "rechengang_aufzeichnen.h"
#include "sprache.h"

#include <algorithm>
#include <cmath>
#include <string>

const char* const knicklinie_namen[KNICKLINIEN] = {"a0", "a", "b", "c", "d"};
// Imperfection factors of the buckling curves, EN 1993-1-1 Table 6.1.
const double knicklinie_alpha[KNICKLINIEN] = {0.13, 0.21, 0.34, 0.49, 0.76};

BiegeknickErgebnis biegeknicken_berechnen(const BiegeknickEingabe& e, KvRechengang* gang)
{
    BiegeknickErgebnis r;
    if (!(e.gammaM1 > 0) || !std::isfinite(e.gammaM1)) {
        r.verweigert = N_("Der Teilsicherheitsbeiwert gammaM1 muss eine Zahl groesser als 0 sein!");
        return r;
    }
    const int linie = std::clamp(e.knicklinie, 0, KNICKLINIEN - 1);
    const double pi = knickung_pi;
    // (6.47) to (6.50), with the elastic critical force of the Euler strut.
    r.Ncr = (pi * pi) * e.E * e.I / (e.Lcr * e.Lcr);
    r.lambda_quer = std::sqrt(e.A * e.fy / r.Ncr);
    r.alpha = knicklinie_alpha[linie];
    r.Phi = 0.5 * (1 + r.alpha * (r.lambda_quer - 0.2) + r.lambda_quer * r.lambda_quer);
    // 6.3.1.2 (4): buckling may be ignored for a stocky strut or a small force.
    r.vernachlaessigbar = r.lambda_quer <= 0.2 || e.F / r.Ncr <= 0.04;
    // Above lambda_quer = 0.2 the curve stays below 1.
    r.chi = r.vernachlaessigbar ? 1.0
                                : 1 / (r.Phi + std::sqrt(r.Phi * r.Phi - r.lambda_quer * r.lambda_quer));
    r.Nb_Rd = r.chi * e.A * e.fy / e.gammaM1;
    r.Ausnutzung = e.F / r.Nb_Rd;
    const bool erfuellt = r.Ausnutzung <= 1;
    // The note names no number: the results and the check give them.
    r.hinweis = r.vernachlaessigbar
                    ? N_("Biegeknicken darf vernachlaessigt werden: lambda_quer oder F/Ncr klein genug")
                : erfuellt ? N_("Biegeknicken nachgewiesen")
                           : N_("Biegeknicken nicht nachgewiesen!");
    if (!gang)
        return r;

    KvRechengang& g = *gang;
    kv_schritt(&g, "Ncr", "(pi * pi) * E * I / (fkl * fkl)",
               {{"pi", pi}, {"E", e.E}, {"I", e.I}, {"fkl", e.Lcr}}, r.Ncr, "N");
    kv_schritt(&g, "lambda_quer", "sqrt(A * Re / Ncr)",
               {{"A", e.A}, {"Re", e.fy}, {"Ncr", r.Ncr}}, r.lambda_quer, "1");
    const std::string alpha_linie = std::string("alpha_") + knicklinie_namen[linie];
    kv_schritt(&g, "alpha", alpha_linie, {{alpha_linie, r.alpha}}, r.alpha, "1");
    kv_schritt(&g, "Phi", "0.5 * (1 + alpha * (lambda_quer - 0.2) + lambda_quer * lambda_quer)",
               {{"alpha", r.alpha}, {"lambda_quer", r.lambda_quer}}, r.Phi, "1");
    if (r.vernachlaessigbar)
        kv_schritt(&g, "chi", "1", {}, r.chi, "1");
    else
        kv_schritt(&g, "chi", "1 / (Phi + sqrt(Phi * Phi - lambda_quer * lambda_quer))",
                   {{"Phi", r.Phi}, {"lambda_quer", r.lambda_quer}}, r.chi, "1");
    kv_schritt(&g, "Nb_Rd", "chi * A * Re / gammaM1",
               {{"chi", r.chi}, {"A", e.A}, {"Re", e.fy}, {"gammaM1", e.gammaM1}}, r.Nb_Rd, "N");
    kv_schritt(&g, "Ausnutzung", "F / Nb_Rd", {{"F", e.F}, {"Nb_Rd", r.Nb_Rd}}, r.Ausnutzung, "1");
    kv_pruefung(g, N_("Biegeknicken: Ausnutzung F / Nb_Rd <= 1"), r.Ausnutzung, "1", "<=", 1.0, erfuellt,
                r.vernachlaessigbar ? r.hinweis : "");
    return r;
}

int knicklinie_gewalzt(double h, double b, double tf, bool starke_achse, bool s460)
{
    // Rolled I sections, Table 6.2: {y-y, z-z} in S235 to S420, then in S460.
    struct Zeile { int y, z, y460, z460; };
    static const Zeile schmal_duenn = {KNICKLINIE_A, KNICKLINIE_B, KNICKLINIE_A0, KNICKLINIE_A0};
    static const Zeile mittel = {KNICKLINIE_B, KNICKLINIE_C, KNICKLINIE_A, KNICKLINIE_A};
    static const Zeile dick = {KNICKLINIE_D, KNICKLINIE_D, KNICKLINIE_C, KNICKLINIE_C};
    const Zeile& z = tf > 100 ? dick : (h / b > 1.2 && tf <= 40) ? schmal_duenn : mittel;
    if (s460)
        return starke_achse ? z.y460 : z.z460;
    return starke_achse ? z.y : z.z;
}
