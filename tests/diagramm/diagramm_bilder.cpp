// Writes every diagram of the five calculators at several sizes as PNG and
// PDF, and the window's message, into a folder: the pictures a change of
// the renderer is held against (tests/diagramm/bilder_vergleichen.sh).
// Also each as SVG from the plain writer (the 800x500 ones are the
// committed tests/diagramm/svg/NAME.svg).
#include "alle_diagramme.h"
#include "diagramm_cairo.h"
#include "diagramm_datei.h"
#include "diagramm_svg.h"

#include <cairo.h>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: diagramm_bilder ORDNER\n");
        return 2;
    }
    const std::string ordner = argv[1];
    const int groessen[][2] = {{800, 500}, {1000, 600}, {640, 400}, {400, 300},
                               {300, 200}, {1600, 1000}, {200, 150}};
    int fehler = 0;
    for (const auto& [name, d] : alle_diagramme())
        for (const auto& g : groessen)
            for (const char* endung : {"png", "pdf"}) {
                const std::string pfad = ordner + "/" + name + "_" + std::to_string(g[0]) + "x"
                                       + std::to_string(g[1]) + "." + endung;
                std::string grund;
                if (!diagramm_schreiben(d, pfad, g[0], g[1], grund)) {
                    std::fprintf(stderr, "%s\n", grund.c_str());
                    ++fehler;
                }
            }
    for (const auto& [name, d] : alle_diagramme())
        for (const auto& g : groessen) {
            std::ofstream aus(ordner + "/" + name + "_" + std::to_string(g[0]) + "x"
                                  + std::to_string(g[1]) + ".svg",
                              std::ios::binary);
            aus << diagramm_svg(d, g[0], g[1]);
            fehler += !aus.good();
        }
    for (const auto& g : groessen) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, g[0], g[1]);
        cairo_t* cr = cairo_create(s);
        diagramm_meldung_zeichnen(cr, "Noch nichts berechnet: erst Eingaben pruefen, dann rechnen.",
                                  g[0], g[1]);
        cairo_destroy(cr);
        const std::string pfad = ordner + "/meldung_" + std::to_string(g[0]) + "x"
                               + std::to_string(g[1]) + ".png";
        fehler += cairo_surface_write_to_png(s, pfad.c_str()) != CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(s);
    }
    return fehler == 0 ? 0 : 1;
}
