// Fuzz target of the plain-bearing calculator: the bytes become the oil-feed
// buttons, the "Eps direkt berechnen" check and the 13 input fields, which go
// through "Rechnen" and "Speichern" as lupran's window does it.
// Option byte 0: oil feed (3); option byte 1: eccentricity direct when odd.
#include "fuzz_felder.h"
#include "gleitlager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, lupran_rechner);
    const int radio_status = SCHMIERLOCH_GEGENUEBER + static_cast<int>(f.option(0, 3));
    const int check_status = f.option(1, 2) == 1 ? EPS_DIREKT : EPS_ITERATIV;

    double d_box_geom_werkstoff[13];
    if (!f.lesen(0, 13, d_box_geom_werkstoff))
        return 0;
    const double* v = d_box_geom_werkstoff;
    const LagerErgebnis r = gleitlager_berechnen({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                                                  v[8], v[9], v[10], v[11], v[12],
                                                  radio_status, check_status});
    // A refused press shows its message and leaves nothing to save.
    if (r.abbruch != LagerAbbruch::keiner) {
        kv_fuzz::text_pruefen(gleitlager_abbruch_text(r.abbruch), "Abbruchmeldung");
        return 0;
    }
    const double d_box_ergebnisse[17] = {r.bd, r.u, r.pq, r.brz, r.pf, r.t2, r.psi, r.so, r.eps,
                                         r.Q1, r.Q2, r.Q, r.beta, r.h0, r.re, r.epsue, r.soue};
    kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse, 17, "%7.5lf");
    kv_fuzz::text_pruefen(gleitlager_bericht(d_box_geom_werkstoff, radio_status, check_status,
                                             r.iter, d_box_ergebnisse, r.re <= r.rs),
                          "Bericht");
    return 0;
}
