#include "tellerfeder_diagramm.h"

#include "federsaeule.h"
#include "fenstertexte.h"
#include "sprache.h"

#include <algorithm>
#include <cmath>

namespace {

// What tells a stack's diagram from a single spring's.
struct Beschriftung {
    std::string titel, x, y, kurve, s, F, punkt, h0;
};

// The characteristic of i packets in series of n springs each, from i s1 to
// i s2; i = n = 1 is the single spring, drawn with the same numbers.
Diagramm kennlinie(const TellerEingabe& e, const TellerErgebnis& r, double s1, double s2,
                   double i, double n, const Beschriftung& b)
{
    Diagramm d;
    d.titel = b.titel;
    const int schritte = 100;
    const double von = i * s1, bis = i * s2;
    std::vector<Punkt> kennlinie;
    double F_min = 0, F_max = 0;
    for (int k = 0; k <= schritte; ++k) {
        const double s = von + (bis - von) * k / schritte;
        const double F = federsaeule_kraft(e, r, i, n, s);
        kennlinie.push_back({s, F});
        if (std::isfinite(F)) {
            F_min = std::min(F_min, F);
            F_max = std::max(F_max, F);
        }
    }
    const double s_p = i * e.s, F_p = n * r.F;
    const bool drin = e.s >= s1 && e.s <= s2;
    if (drin && std::isfinite(F_p)) {
        F_min = std::min(F_min, F_p);
        F_max = std::max(F_max, F_p);
    }
    const double rand = 0.1 * (F_max - F_min);
    d.x = {b.x, "mm", von, bis, false};
    d.y = {b.y, "N", F_min < 0 ? F_min - rand : 0, F_max + rand, false};
    d.kurve(std::move(kennlinie), farben::blau, b.kurve);
    d.bezug(true, i * e.h0, farben::grau, b.h0);
    d.marke({s_p, F_p}, farben::rot,
            b.s + " = " + diagramm_zahl(s_p) + " mm, " + b.F + " = " + diagramm_zahl(F_p) + " N",
            b.punkt, Form::kreis, Seite::oben);
    d.hinweis = kv_einsetzen(_("De = {1} mm, Di = {2} mm, t = {3} mm, h0 = {4} mm (h0/t = {5}); "
                               "Kennlinie von s1 = {6} mm bis s2 = {7} mm."),
                             {diagramm_zahl(e.De), diagramm_zahl(e.Di), diagramm_zahl(e.t),
                              diagramm_zahl(e.h0), diagramm_zahl(e.h0 / e.t), diagramm_zahl(s1),
                              diagramm_zahl(s2)});
    if (!drin)
        d.hinweis += _(" Der Betriebspunkt liegt ausserhalb dieses Bereichs.");
    return d;
}

} // namespace

Diagramm tellerfeder_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2)
{
    return kennlinie(e, r, s1, s2, 1, 1,
                     {_("Federkennlinie F(s) der Tellerfeder"), _("Federweg s"), _("Federkraft F"),
                      _("Kennlinie F(s)"), "s", "F", _("Betriebspunkt (s, F)"), "s = h0"});
}

Diagramm federsaeule_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2, double i, double n)
{
    Diagramm d = kennlinie(e, r, s1, s2, i, n,
                           {_("Kennlinie F_ges(s_ges) der Federsaeule"),
                            _("Federweg der Saeule s_ges"), _("Kraft der Saeule F_ges"),
                            _("Kennlinie F_ges(s_ges)"), "s_ges", "F_ges",
                            _("Betriebspunkt (s_ges, F_ges)"), "s_ges = i h0"});
    d.hinweis += " "
               + kv_einsetzen(_("Saeule aus i = {1} Paketen in Reihe zu je n = {2} Federn; "
                                "ohne Reibung zwischen den Federn und an den Raendern."),
                              {diagramm_zahl(i), diagramm_zahl(n)});
    return d;
}

bool wendis_diagramm(const KvStand& s, Diagramm& d, std::string& fehler)
{
    // The plot range as "Kennlinie zeichnen" reads it.
    const double s1 = s.werte[TELLER_S1], s2 = s.werte[TELLER_S2];
    if (!(s1 < s2)) {
        fehler = _(KV_FEHLER_BEREICH);
        return false;
    }
    const double i = s.werte[TELLER_I], n = s.werte[TELLER_N];
    if (const char* nein = federsaeule_verweigerung(i, n)) {
        fehler = _(nein);
        return false;
    }
    const TellerEingabe e = tellerfeder_eingabe(s);
    const TellerErgebnis r = tellerfeder_berechnen(e);
    // A single spring as it always was; a stack of more than one.
    d = i == 1 && n == 1 ? tellerfeder_diagramm(e, r, s1, s2)
                         : federsaeule_diagramm(e, r, s1, s2, i, n);
    return true;
}
