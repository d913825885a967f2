// Fuzz target of the buckling calculator: the bytes become the case buttons
// and the seven geometry fields, which go through "Rechnen" and "Speichern"
// as stalor's window does it.  Option byte 0: the buckling case (4).
#include "fuzz_felder.h"
#include "knickung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, stalor_rechner);
    const int stat_knickfall = KNICKFALL_1 + static_cast<int>(f.option(0, 4));

    double d_box_geometrie[7];
    if (!f.lesen(0, 7, d_box_geometrie))
        return 0;
    const double* v = d_box_geometrie;
    const KnickErgebnis r = knickung_berechnen({v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                                                stat_knickfall});
    const double d_box_ergebnisse[7] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                                        r.sig_druck, r.sig_druck_zul, r.F_max_zul};
    kv_fuzz::ergebnisse_schreiben(d_box_ergebnisse, 7, "%7.5lf");
    kv_fuzz::text_pruefen(r.knickung, "Knickung");
    kv_fuzz::text_pruefen(knickung_bericht(d_box_geometrie, stat_knickfall, d_box_ergebnisse,
                                           r.knickung),
                          "Bericht");
    return 0;
}
