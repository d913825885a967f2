// The module's C interface compiled natively, so a test can hold the
// WebAssembly module's diagram against the same code on this machine:
//   netz_nativ PROGRAMM BREITE HOEHE < NAME=WERT lines
// writes the SVG to stdout and the message to stderr; exits with the status.
#include "schnittstelle.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "netz_nativ PROGRAMM BREITE HOEHE < ZEILEN\n");
        return 3;
    }
    const std::string zeilen{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const int status = netz_diagramm(argv[1], zeilen.c_str(), std::atoi(argv[2]), std::atoi(argv[3]));
    std::fputs(netz_svg(), stdout);
    std::fputs(netz_meldung(), stderr);
    return status;
}
