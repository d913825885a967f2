// Speed of the search against single computations, for each calculator: a
// sizing search over the range offered by default (a tenth to ten times the
// field's value, two decades) and one over a decade, repeated for half a
// second each; single computations of the same calculator with the field's
// text changed each time (what one trial of a search costs) as the floor.
//   suche_messen
// prints per calculator: searches per second, computations per search,
// single computations per second, the floor (single computations per
// second over computations per search) and the search rate against it.
#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "suche.h"
#include "tellerfeder.h"
#include "zahlen.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Uhr = std::chrono::steady_clock;
constexpr double DAUER = 0.5; // seconds per measurement

struct Fall {
    const KvRechner& r;
    const char* feld;
    const char* ergebnis;
    const char* bei;   // the field's value whose result is the target
    const char* dekade; // VON:BIS over one decade
};

int ergebnis_index(const KvRechner& r, const char* name)
{
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (std::string(name) == r.ergebnisse[j].name)
            return static_cast<int>(j);
    return -1;
}

// Runs f until DAUER has passed; the number of runs per second.
template <typename F>
double je_sekunde(F f)
{
    long n = 0;
    const Uhr::time_point t0 = Uhr::now();
    double t = 0;
    do {
        for (int k = 0; k < 16; ++k)
            f(n++);
        t = std::chrono::duration<double>(Uhr::now() - t0).count();
    } while (t < DAUER);
    return static_cast<double>(n) / t;
}

} // namespace

int main()
{
    const Fall faelle[] = {
        {stalor_rechner, "l1", "F_max_zul", "300", "100:1000"},
        {kopdra_rechner, "TK", "tb", "20000", "10000:100000"},
        {wendis_rechner, "s", "F", "0.6", "0.1:1"},
        {lupran_rechner, "b", "pq", "60", "20:200"},
        {tarvex_rechner, "FAo", "FSA", "30000", "10000:100000"},
    };
    std::printf("%-7s %-10s %12s %10s %14s %10s %8s\n", "", "Bereich", "Suchen/s", "Rechn./S.",
                "Rechnungen/s", "Boden/s", "Anteil");
    for (const Fall& f : faelle) {
        KvEingaben e = kv_vorgaben(f.r);
        const int i = kv_eingabe_index(f.r, f.feld);
        KvSuche s;
        s.feld = i;
        s.ergebnis = ergebnis_index(f.r, f.ergebnis);
        e.texte[i] = f.bei;
        KvStand stand;
        s.ziel = kv_rechnen(f.r, e, stand).ergebnisse[s.ergebnis];
        e = kv_vorgaben(f.r);

        // One trial: the field's text changed, then computed.
        const double wert = kv_zahl_lesen(e.texte[i].c_str());
        double summe = 0;
        const double einzeln = je_sekunde([&](long n) {
            e.texte[i] = kv_feldtext(wert * (1 + 1e-6 * static_cast<double>(n & 1023)));
            summe += kv_rechnen(f.r, e, stand).ergebnisse[s.ergebnis];
        });
        e = kv_vorgaben(f.r);

        const std::string dekade = f.dekade;
        double bereiche[2][2];
        kv_suchbereich_vorgabe(wert, bereiche[0][0], bereiche[0][1]);
        bereiche[1][0] = kv_zahl_lesen(dekade.substr(0, dekade.find(':')).c_str());
        bereiche[1][1] = kv_zahl_lesen(dekade.substr(dekade.find(':') + 1).c_str());
        const char* namen[2] = {"Vorgabe", "Dekade"};
        for (int b = 0; b < 2; ++b) {
            s.von = bereiche[b][0];
            s.bis = bereiche[b][1];
            const KvSuchergebnis probe = kv_suchen(f.r, e, s);
            if (probe.status != KvSuchstatus::gefunden) {
                std::fprintf(stderr, "%s: %s\n", f.r.name, probe.meldung.c_str());
                return 1;
            }
            const double suchen = je_sekunde([&](long) { summe += kv_suchen(f.r, e, s).loesungen[0].wert; });
            const double boden = einzeln / static_cast<double>(probe.rechnungen);
            std::printf("%-7s %-10s %12.0f %10ld %14.0f %10.0f %7.0f%%\n", f.r.name, namen[b], suchen,
                        probe.rechnungen, einzeln, boden, 100 * suchen / boden);
        }
    }
    return 0;
}
