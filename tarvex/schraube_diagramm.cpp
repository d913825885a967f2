#include "schraube_diagramm.h"

#include "sprache.h"

#include <algorithm>
#include <cmath>

namespace {

std::string kraft(const char* name, double F) { return std::string(name) + " = " + diagramm_zahl(F) + " N"; }

} // namespace

Diagramm schraube_diagramm(const SchraubeEingabe& e, const SchraubeErgebnis& r)
{
    Diagramm d;
    d.titel = _("Verspannungsschaubild: Kraft ueber Verlaengerung");
    const double ds = r.deltas, dp = r.deltap;
    const double FM = r.FMmax;
    const double FV = FM - r.FZ;       // preload left after embedding
    const double FKR = FV - r.FPA;     // residual clamp force under the service force
    const double FS = r.FSmax;         // bolt force under the service force
    // The service force stands where the bolt has taken up FSA along the
    // line of load introduction (the bolt line itself for n = 1).
    const double x_V = FV * ds;
    const double x_A = x_V + r.FSA * (ds + (1 - e.n) * dp);
    // Where the forces change; with plates much stiffer than the bolt that is
    // a narrow strip at the right, so the axis then starts closer to it
    // (the strip takes about two fifths of the width).
    const double links = std::min(x_V, x_A), rechts = std::max(FM * (ds + dp), x_A);
    const double x_min = std::max(0.0, links - 1.5 * (rechts - links));
    const double x_max = rechts + 0.08 * (rechts - x_min);
    d.x = {_("Verlaengerung f"), "mm", x_min, x_max, false};
    d.y = {_("Kraft F"), "N", 0, 1.15 * std::max(FM, FS), false};

    const double F_oben = std::max(FM, FS);
    d.kurve({{0, 0}, {F_oben * ds, F_oben}}, farben::blau, _("Schraube (Steigung 1/deltas)"));
    d.kurve({{FM * ds, FM}, {FM * (ds + dp), 0}}, farben::gruen, _("Platten (Steigung -1/deltap)"));
    d.kurve({{x_V, FV}, {FV * (ds + dp), 0}}, farben::gruen, _("Platten nach dem Setzen"),
            Strich::gestrichelt);
    if (std::fabs(e.n - 1) > 1e-9) {
        d.kurve({{x_V, FV}, {x_A, FS}}, farben::grau,
                kv_einsetzen(_("Krafteinleitung n = {1}"), {diagramm_zahl(e.n)}), Strich::punktiert);
        d.kurve({{x_V, FV}, {x_A, FKR}}, farben::grau, "", Strich::punktiert);
    }
    d.bezug(false, e.FK, farben::violett, kraft("FK", e.FK), _("erforderliche Klemmkraft FK"));

    d.mass({FM * ds, FV}, {FM * ds, FM}, farben::schwarz, kraft("FZ", r.FZ), Seite::links);
    d.mass({x_A, FV}, {x_A, FS}, farben::rot, kraft("FSA", r.FSA), Seite::rechts);
    d.mass({x_A, FKR}, {x_A, FV}, farben::gruen, kraft("FPA", r.FPA), Seite::rechts);
    d.mass({x_A, 0}, {x_A, FKR}, farben::violett, kraft("FKR", FKR), Seite::rechts);
    const double x_FA = x_A - 0.03 * (x_max - x_min);
    d.mass({x_FA, FKR}, {x_FA, FS}, farben::orange, kraft("FA", e.FAo), Seite::links);

    d.marke({FM * ds, FM}, farben::blau, kraft("FMmax", FM), _("Montagevorspannkraft FMmax"),
            Form::kreis, Seite::oben);
    d.marke({x_V, FV}, farben::gruen, "", _("Vorspannkraft nach dem Setzen"), Form::quadrat);
    d.marke({x_A, FS}, farben::rot, "", _("Schraubenkraft FSmax unter FA"), Form::raute);

    d.hinweis = kv_einsetzen(FKR >= e.FK ? _("Betriebskraft FA = {1} N, Krafteinleitung n = {2}: "
                                             "FSA = {3} N, FPA = {4} N. Restklemmkraft "
                                             "FKR = FMmax - FZ - FPA = {5} N >= FK.")
                                         : _("Betriebskraft FA = {1} N, Krafteinleitung n = {2}: "
                                             "FSA = {3} N, FPA = {4} N. Restklemmkraft "
                                             "FKR = FMmax - FZ - FPA = {5} N < FK!"),
                             {diagramm_zahl(e.FAo), diagramm_zahl(e.n), diagramm_zahl(r.FSA),
                              diagramm_zahl(r.FPA), diagramm_zahl(FKR)});
    if (x_min > 0)
        d.hinweis += kv_einsetzen(_(" Die f-Achse beginnt bei {1} mm."), {diagramm_zahl(x_min)});
    return d;
}

bool tarvex_diagramm(const KvStand& s, Diagramm& d, std::string& fehler)
{
    const SchraubeEingabe e = schraube_eingabe(s);
    if (e.iqu == 0) {
        fehler = _(schraube_klassen_meldung);
        return false;
    }
    d = schraube_diagramm(e, schraube_berechnen(e));
    return true;
}
