// Measures a study of the command line against its floor: the same rows'
// numbers formatted with the same number formatting and written to
// /dev/null, without computing or reading anything.
//   studie_boden PROGRAMM --variiere ... [--variiere ...]
// prints: rows, seconds and rows/s of the study (through the command line's
// own entry point, CSV into /dev/null), the same of the floor, and the ratio.
#include "kommandozeile.h"
#include "rechnerliste.h"
#include "studie.h"
#include "zahlen.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double sekunden(std::chrono::steady_clock::time_point a)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: studie_boden PROGRAMM --variiere NAME=VON:BIS:ANZAHL ...\n");
        return 2;
    }
    const KvRechner* r = kv_rechner_finden(argv[1]);
    std::vector<KvVariation> variationen;
    for (int i = 2; i + 1 < argc; i += 2) {
        KvVariation v;
        kv_variation_zerlegen(argv[i + 1], v);
        v.feld = kv_eingabe_index(*r, v.name);
        variationen.push_back(v);
    }

    // The study as a user runs it.
    std::vector<char*> aufruf = {argv[0]};
    for (int i = 1; i < argc; ++i)
        aufruf.push_back(argv[i]);
    std::string format = "--format=csv";
    aufruf.push_back(format.data());
    std::FILE* null = std::fopen("/dev/null", "w");
    auto t0 = std::chrono::steady_clock::now();
    const int status = kv_kommandozeile(static_cast<int>(aufruf.size()), aufruf.data(), null, stderr);
    const double t_studie = sekunden(t0);
    if (status != 0)
        return status;

    // The same numbers of every row: every input read and every result.
    KvEingaben e = kv_vorgaben(*r);
    KvStand stand;
    KvRechnung rechnung;
    kv_lesen(*r, e, stand, rechnung);
    std::vector<double> zahlen;
    uint64_t zeilen = 0;
    kv_studie_durchlaufen(variationen, [&](const std::vector<double>& werte) {
        for (size_t j = 0; j < variationen.size(); ++j)
            stand.werte[variationen[j].feld] = werte[j];
        r->berechnen(stand, rechnung);
        for (size_t i = 0; i < r->eingaben.size(); ++i)
            if (kv_gelesen(*r, static_cast<int>(i), stand.optionen))
                zahlen.push_back(stand.werte[i]);
        for (size_t j = 0; j < r->ergebnisse.size(); ++j)
            if (kv_gilt(r->ergebnisse[j].nur_bei, stand.optionen))
                zahlen.push_back(rechnung.ergebnisse[j]);
        ++zeilen;
        return true;
    });
    const size_t je_zeile = zahlen.size() / zeilen;

    t0 = std::chrono::steady_clock::now();
    std::string t;
    t.reserve(1 << 17);
    for (size_t k = 0; k < zahlen.size(); ++k) {
        kv_kurz_anhaengen(t, zahlen[k]);
        t += (k + 1) % je_zeile == 0 ? '\n' : ',';
        if (t.size() >= (1 << 16)) {
            std::fwrite(t.data(), 1, t.size(), null);
            t.clear();
        }
    }
    std::fwrite(t.data(), 1, t.size(), null);
    std::fflush(null);
    const double t_boden = sekunden(t0);
    std::fclose(null);

    std::printf("%-7s %9llu Zeilen, %2zu Zahlen je Zeile: Studie %6.3f s (%9.0f Zeilen/s), "
                "Boden %6.3f s (%9.0f Zeilen/s), Verhaeltnis %.2f\n",
                r->name, static_cast<unsigned long long>(zeilen), je_zeile, t_studie,
                zeilen / t_studie, t_boden, zeilen / t_boden, t_studie / t_boden);
    return 0;
}
