// Fuzz target of the plain-bearing calculator: the bytes become the oil-feed
// buttons, the "Eps direkt berechnen" check and the 13 input fields, which go
// through "Rechnen" and "Speichern" as lupran's window does it.
// Option byte 0: oil feed (3); option byte 1: eccentricity direct when odd.
#include "fuzz_felder.h"
#include "gleitlager.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, lupran_rechner);
    const int radio_status = SCHMIERLOCH_GEGENUEBER + static_cast<int>(f.option(0, 3));
    const int check_status = f.option(1, 2) == 1 ? EPS_DIREKT : EPS_ITERATIV;

    double d_box_geom_werkstoff[13];
    if (!f.lesen(0, 13, d_box_geom_werkstoff))
        return 0;
    const LagerEingabe e = gleitlager_eingabe(d_box_geom_werkstoff, radio_status, check_status);
    const LagerErgebnis r = gleitlager_berechnen(e);
    // Writing down the working changes no bit of the results.
    KvRechengang gang;
    const LagerErgebnis mit = gleitlager_berechnen(e, &gang);
    const std::array<double, 17> felder = gleitlager_ergebnisfelder(r);
    const std::array<double, 17> felder_mit = gleitlager_ergebnisfelder(mit);
    kv_fuzz::muss(std::memcmp(felder.data(), felder_mit.data(), sizeof felder) == 0
                      && r.iter == mit.iter,
                  "Rechengang aendert Ergebnisse");
    for (const KvSchritt& schritt : gang.schritte)
        kv_fuzz::text_pruefen(schritt.eingesetzt, "Rechengang");
    // A refused press shows its message and leaves nothing to save.
    if (r.abbruch != LagerAbbruch::keiner) {
        kv_fuzz::text_pruefen(gleitlager_abbruch_text(r.abbruch), "Abbruchmeldung");
        return 0;
    }
    const double* d_box_ergebnisse = felder.data();
    kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse, 17, "%7.5lf");
    kv_fuzz::text_pruefen(gleitlager_bericht(d_box_geom_werkstoff, radio_status, check_status,
                                             r.iter, d_box_ergebnisse,
                                             gleitlager_reynolds_erfuellt(r)),
                          "Bericht");
    return 0;
}
