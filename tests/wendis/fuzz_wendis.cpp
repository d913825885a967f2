// Fuzz target of the disc-spring calculator: the bytes become the seven
// material and geometry fields and the two range fields of the plot, which go
// through "Rechnen", "Speichern" and "Kennlinie zeichnen" as wendis's window
// does it.  No options: the first line is ignored.
// Fields: De E Di nue t h0 s, then s1 s2.
#include "fuzz_felder.h"
#include "tellerfeder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, wendis_rechner);

    double d_box_werkstoffdaten[7];
    if (!f.lesen(0, 7, d_box_werkstoffdaten))
        return 0;
    const double* v = d_box_werkstoffdaten;
    const TellerEingabe feder{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    const TellerErgebnis r = tellerfeder_berechnen(feder);
    const double d_box_ergebnisse[6] = {r.F, r.sig1, r.W, r.sig2, r.sigom, r.sig3};
    kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse, 6, "%10.6lf");
    kv_fuzz::text_pruefen(tellerfeder_bericht(d_box_werkstoffdaten, d_box_ergebnisse), "Bericht");

    // The plot button: range fields checked, then s1 < s2 or code 4712.
    double d_box_Kennlinie[2];
    if (!f.lesen(7, 2, d_box_Kennlinie))
        return 0;
    const double s1 = d_box_Kennlinie[0], s2 = d_box_Kennlinie[1];
    if (!(s1 < s2))
        return 0;
    const Kennlinienbild bild = kennlinie_berechnen(feder, r, s1, s2);
    kv_fuzz::muss(bild.gitter.size() == 22, "22 Gitterlinien");
    kv_fuzz::muss(bild.kurve.size() == (bild.endlich ? 30u : 0u), "30 Kurvenstuecke oder keines");
    return 0;
}
