// Fuzz target of the clutch calculator: the bytes become the mode buttons and
// the ten input fields, which go through "Rechnen" and "Speichern" as kopdra's
// window does it.  Option byte 0: clutch torque given (even) or sought (odd).
// Fields: TA TL TK, n10 n20 nL Z, JA JL, tB; each mode reads only its own.
#include "fuzz_felder.h"
#include "kupplung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, kopdra_rechner);
    const int window_status = f.option(0, 2) == 0 ? TK_GEGEBEN : TK_GESUCHT;

    // Fields a mode does not read keep what a fresh window holds there: 0.
    double d_box_drehmomente[3] = {}, d_box_drehzahlen[4] = {}, d_box_drehmassen[2] = {};
    double d_box_beschleunigung[1] = {}, d_box_ergebnisse[7] = {};
    const double* m = d_box_drehmomente;
    const double* z = d_box_drehzahlen;
    const double* j = d_box_drehmassen;
    if (window_status == TK_GEGEBEN) {
        if (!f.lesen(0, 3, d_box_drehmomente) || !f.lesen(3, 4, d_box_drehzahlen)
            || !f.lesen(7, 2, d_box_drehmassen))
            return 0;
        const KupplungGegeben r =
            kupplung_tk_gegeben({m[0], m[1], m[2], z[0], z[1], z[2], z[3], j[0], j[1], 0});
        const double werte[6] = {r.tb, r.n12, r.tctb, r.wr, r.pv, r.tct0};
        for (int k = 0; k < 6; ++k)
            d_box_ergebnisse[k] = werte[k];
        kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse, 6, "%7.5lf");
    } else {
        // TK, nL and Z are neither read nor checked in this mode.
        if (!f.lesen(0, 2, d_box_drehmomente) || !f.lesen(3, 2, d_box_drehzahlen)
            || !f.lesen(7, 2, d_box_drehmassen) || !f.lesen(9, 1, d_box_beschleunigung))
            return 0;
        d_box_ergebnisse[6] = kupplung_tk_gesucht(
            {m[0], m[1], 0, z[0], z[1], 0, 0, j[0], j[1], d_box_beschleunigung[0]});
        kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse + 6, 1, "%7.5lf");
    }
    kv_fuzz::text_pruefen(kupplung_bericht(window_status, d_box_drehmomente, d_box_drehzahlen,
                                           d_box_drehmassen, d_box_beschleunigung,
                                           d_box_ergebnisse),
                          "Bericht");
    return 0;
}
