// Fuzz target of the bolted-joint calculator: the bytes become the two option
// check buttons, the 41 numeric fields and the strength-class text, which go
// through "Rechnen" and "Speichern" as tarvex's window does it.
// Option byte 0: reduced-shank bolt when odd; option byte 1: thread rolled
// after heat treatment when odd.
// Fields: d P FK FAo FAu fZ alfaA myG myK, the class text (free text),
// di1 li1 ... di9 li9 Es, Ep1 lp1 ... Ep4 lp4 DB DK DF DA n.
#include "fuzz_felder.h"
#include "schraube.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const kv_fuzz::Fenster f(daten, n, tarvex_rechner);
    const int stat_dehns = f.option(0, 2) == 1 ? 900 : 902;
    const int stat_schgs = f.option(1, 2) == 1 ? 901 : 902;

    double g[10], s[19], p[13];
    if (!f.lesen(0, 9, g) || !f.lesen(10, 19, s) || !f.lesen(29, 13, p))
        return 0;
    const int iqu = festigkeitsklasse(f.text(9));
    if (iqu == 0)
        return 0;
    g[9] = klassen_zahl(iqu);

    const SchraubeEingabe eingabe =
        schraube_eingabe(g, s, p, iqu, stat_dehns == 900 ? 1 : 0, stat_schgs == 901 ? 1 : 0);
    const SchraubeErgebnis r = schraube_berechnen(eingabe);
    // Writing down the working changes no bit of the results.
    KvRechengang gang;
    const SchraubeErgebnis mit = schraube_berechnen(eingabe, &gang);
    kv_fuzz::muss(std::memcmp(&r, &mit, sizeof r) == 0, "Rechengang aendert Ergebnisse");
    for (const KvSchritt& schritt : gang.schritte)
        kv_fuzz::text_pruefen(schritt.eingesetzt, "Rechengang");
    const std::array<double, 20> e = schraube_ergebnisfelder(r);
    const double* w = e.data();
    kv_fuzz::ergebnisse_schreiben(w, 3, "%7.5g");
    kv_fuzz::ergebnisse_schreiben(w + 3, 17, "%7.5lf");
    kv_fuzz::text_pruefen(schraube_bericht(g, s, p, stat_dehns, stat_schgs, w), "Bericht");
    return 0;
}
