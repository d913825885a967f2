// Paints a diagram's layout (diagramm_aufbau.h) with cairo, its texts
// measured and set by pango: the window, the PNG, SVG and PDF files and the
// calculation record.
#pragma once
#include "diagramm.h"
#include "textmass.h"

#include <cairo.h>
#include <string>

// Text measured by pango as it is drawn on cr (with its surface's font
// options, hinted metrics on an image, exact ones in a PDF).
class PangoMass : public Textmass {
public:
    explicit PangoMass(cairo_t* cr) : cr_(cr) {}
    Textmasse messen(const std::string& text, Schrift s, double breite_max = -1) const override;

private:
    cairo_t* cr_;
};

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
