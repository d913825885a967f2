// The torsion bar's characteristic: the torque rises linearly with the angle
// of twist, T = c phi, up to a quarter beyond the working point, marked.
#include "diagramm.h"
#include "drehstab.h"

#include <cmath>

bool drillstab_diagramm(const KvStand& s, Diagramm& d, std::string& fehler)
{
    const DrehstabEingabe e = drehstab_eingabe(s);
    const DrehstabErgebnis r = drehstab_berechnen(e);
    if (!(e.T > 0) || !std::isfinite(r.phi) || !(r.phi > 0)) {
        fehler = "Kennlinie kann nicht gezeichnet werden!\nDas Drehmoment und der Verdrehwinkel muessen positiv sein.";
        return false;
    }
    d = {};
    d.titel = "Drehmoment ueber Verdrehwinkel";
    d.x = {"Verdrehwinkel phi", "Grad", 0, 1.25 * r.phi, false};
    d.y = {"Drehmoment T", "Nm", 0, 1.25 * e.T, false};
    d.kurve({{0, 0}, {1.25 * r.phi, 1.25 * e.T}}, farben::blau,
            "T = c phi (c = " + diagramm_zahl(r.c) + " Nm/rad)");
    d.marke({r.phi, e.T}, farben::rot, "phi = " + diagramm_zahl(r.phi) + " Grad, T = " + diagramm_zahl(e.T) + " Nm",
            "Betriebspunkt", Form::kreis, Seite::oben);
    d.hinweis = "tau = " + diagramm_zahl(r.tau) + " N/mm^2 bei zulaessig " + diagramm_zahl(e.tau_zul) + " N/mm^2.";
    return true;
}
