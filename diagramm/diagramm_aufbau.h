// The layout of a diagram: axes with evenly stepped ticks and numbers, axis
// titles with units, grid, curves, reference lines, bands, dimensions,
// markers with their labels, legend, title and note, as a list of what to
// draw.  Margins are sized from the measured texts, so no number is
// clipped; labels are placed where they overlap least.  Plain C++: the
// texts are measured through m, the list is drawn by a painter.
#pragma once
#include "diagramm.h"
#include "textmass.h"
#include "zeichenliste.h"

#include <string>

// d on a white ground filling (0, 0, breite, hoehe).
Zeichenliste diagramm_aufbauen(const Diagramm& d, double breite, double hoehe, const Textmass& m);

// A short message in the middle of an otherwise empty white rectangle.
Zeichenliste meldung_aufbauen(const std::string& text, double breite, double hoehe,
                              const Textmass& m);

// Where the data point p lands when d is laid out at that size; false when
// it lies outside the plot area (or is not representable on a log axis).
bool diagramm_punkt(const Diagramm& d, double breite, double hoehe, const Textmass& m, Punkt p,
                    double& px, double& py);
