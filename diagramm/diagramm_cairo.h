// Draws any diagram description with cairo (texts through pango): axes
// with evenly stepped ticks and numbers, axis titles with units, grid,
// curves, reference lines, bands, dimensions, markers with their labels,
// legend, title and note.  Margins are sized from the measured texts, so
// no number is clipped; labels are placed where they overlap least.
#pragma once
#include "diagramm.h"

#include <cairo.h>
#include <string>

// Draws d into the rectangle (0, 0, breite, hoehe) of cr, in cr's units
// (pixels of an image, points of a PDF or SVG page), on a white ground.
void diagramm_zeichnen(cairo_t* cr, const Diagramm& d, double breite, double hoehe);

// A short message in the middle of an otherwise empty white rectangle.
void diagramm_meldung_zeichnen(cairo_t* cr, const std::string& text, double breite,
                               double hoehe);

// Where the data point p lands when d is drawn at that size; false when it
// lies outside the plot area (or is not representable on a log axis).
bool diagramm_position(const Diagramm& d, double breite, double hoehe, Punkt p, double& px,
                       double& py);
