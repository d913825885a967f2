// A laid-out diagram as an SVG file, written without any library: numbers
// with the point and at most two decimals whatever the locale, texts in
// DejaVu Sans placed as the table of its widths measures them, so the same
// diagram gives the same bytes on every machine and in the web page.
#pragma once
#include "diagramm.h"
#include "textmass.h"
#include "zeichenliste.h"

#include <string>

// The list z of a breite x hoehe picture, its texts broken into lines as m
// measures them (the measure the list was laid out with).
std::string svg_schreiben(const Zeichenliste& z, double breite, double hoehe, const Textmass& m);

// d laid out and written at breite x hoehe pixels, measured with the table.
std::string diagramm_svg(const Diagramm& d, double breite, double hoehe);
