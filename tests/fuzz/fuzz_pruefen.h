// Checks shared by the fuzz targets of the input sets and the command line.
#pragma once
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kv_fuzz {

// Ends the run as a finding when a property that holds for every input fails.
inline void muss(bool gilt, const char* was)
{
    if (!gilt) {
        std::fprintf(stderr, "verletzt: %s\n", was);
        std::abort();
    }
}

// A number as the program shows it: the point, never a comma.
inline void punkt_pruefen(const std::string& t)
{
    muss(t.find(',') == std::string::npos, "Dezimalpunkt");
}

// The desktop's locale, as the programs run under it: under
// LC_ALL=de_DE.UTF-8 the C library alone would read and print commas.
inline void ortsangaben_der_umgebung() { std::setlocale(LC_ALL, ""); }

} // namespace kv_fuzz
