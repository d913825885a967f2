// The module's C interface compiled natively, so a test can hold the
// WebAssembly module's diagram and working against the same code on this
// machine:
//   netz_nativ PROGRAMM BREITE HOEHE < NAME=WERT lines
//   netz_nativ PROGRAMM rechengang < NAME=WERT lines
// writes the SVG or the working to stdout and the message to stderr; exits
// with the status.
#include "schnittstelle.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    const bool rechengang = argc == 3 && std::strcmp(argv[2], "rechengang") == 0;
    if (argc != 4 && !rechengang) {
        std::fprintf(stderr, "netz_nativ PROGRAMM BREITE HOEHE < ZEILEN\nnetz_nativ PROGRAMM rechengang < ZEILEN\n");
        return 3;
    }
    const std::string zeilen{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const int status = rechengang ? netz_rechengang(argv[1], zeilen.c_str())
                                  : netz_diagramm(argv[1], zeilen.c_str(), std::atoi(argv[2]), std::atoi(argv[3]));
    std::fputs(rechengang ? netz_text() : netz_svg(), stdout);
    std::fputs(netz_meldung(), stderr);
    return status;
}
