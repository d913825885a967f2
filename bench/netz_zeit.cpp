// Computations per second through the WebAssembly module's C interface,
// compiled natively: each one from the defaults, with the JSON and the
// report, as bench/netz_zeit.js makes them in the module.
#include "schnittstelle.h"

#include <chrono>
#include <cstdio>

int main()
{
    for (const char* programm : {"stalor", "tarvex", "lupran", "kopdra", "wendis"}) {
        using Uhr = std::chrono::steady_clock;
        const Uhr::time_point beginn = Uhr::now();
        long n = 0;
        while (Uhr::now() - beginn < std::chrono::seconds(2))
            for (int k = 0; k < 100; ++k, ++n)
                if (netz_rechnen(programm, "") != 0)
                    return 1;
        const double s = std::chrono::duration<double>(Uhr::now() - beginn).count();
        std::printf("%s %.0f\n", programm, n / s);
    }
}
