// Computations and searches per second through the WebAssembly module's C
// interface, compiled natively: each computation from the defaults with the
// JSON and the report, each search one of the README's with its JSON, as
// bench/netz_zeit.js makes them in the module.
#include "schnittstelle.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

// Calls per second of f over two seconds; false once a call fails.
bool messen(const char* name, const std::function<int()>& f)
{
    using Uhr = std::chrono::steady_clock;
    const Uhr::time_point beginn = Uhr::now();
    long n = 0;
    while (Uhr::now() - beginn < std::chrono::seconds(2))
        for (int k = 0; k < 10; ++k, ++n)
            if (f() != 0)
                return false;
    const double s = std::chrono::duration<double>(Uhr::now() - beginn).count();
    std::printf("%s %.0f\n", name, n / s);
    return true;
}

} // namespace

int main()
{
    for (const char* programm : {"stalor", "tarvex", "lupran", "kopdra", "wendis"})
        if (!messen(programm, [&] { return netz_rechnen(programm, ""); }))
            return 1;
    struct Suche {
        const char *name, *programm, *zeilen, *feld, *ergebnis, *ziel, *bereich;
    };
    for (const Suche& s : {Suche{"suche-stalor", "stalor", "", "l1", "F_max_zul", "2000", ""},
                           Suche{"suche-tarvex", "tarvex", "", "FAo", "Siga", "50", ""},
                           Suche{"suche-lupran", "lupran", "", "b", "h0", "0.012", ""},
                           Suche{"suche-kopdra", "kopdra", "", "TK", "tb", "0.5", ""},
                           Suche{"suche-wendis", "wendis", "t=2.5", "s", "F", "1500", "0:1"}})
        if (!messen(s.name, [&] { return netz_suchen(s.programm, s.zeilen, s.feld, s.ergebnis, s.ziel, s.bereich); }))
            return 1;
}
