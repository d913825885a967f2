// Time and size of the calculation record of each calculator with its
// defaults, made in memory as the command line makes it: the first record of
// the process (fonts still to be loaded) and the median and maximum of the
// following ones.
#include "nachweis.h"
#include "rechnerliste.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 50;
    std::printf("%-7s %10s %10s %10s %9s %7s\n", "", "erster/ms", "Median/ms", "Maximum/ms",
                "Groesse", "Seiten");
    for (const KvRechner* r : kv_alle_rechner()) {
        const KvEingaben e = kv_vorgaben(*r);
        KvNachweisAngaben a;
        a.zeitpunkt = 1765000000;
        a.utc = true;
        std::vector<double> zeiten;
        std::string pdf, fehler;
        for (int i = 0; i <= n; ++i) {
            const auto start = std::chrono::steady_clock::now();
            if (!kv_nachweis_pdf(*r, e, r->diagramm, a, pdf, fehler)) {
                std::fprintf(stderr, "%s: %s\n", r->name, fehler.c_str());
                return 1;
            }
            zeiten.push_back(std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - start).count());
        }
        const double erster = zeiten[0];
        zeiten.erase(zeiten.begin());
        std::sort(zeiten.begin(), zeiten.end());
        size_t seiten = 0;
        for (size_t p = 0; (p = pdf.find("/Type /Page ", p)) != std::string::npos; ++p)
            ++seiten;
        std::printf("%-7s %10.1f %10.1f %10.1f %5.1f KiB %7zu\n", r->name, erster,
                    zeiten[zeiten.size() / 2], zeiten.back(), pdf.size() / 1024.0, seiten);
    }
    return 0;
}
