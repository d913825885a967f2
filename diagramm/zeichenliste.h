// What a laid-out diagram consists of, in drawing order and in pixels of
// the picture (points of a PDF page): filled and outlined rectangles,
// circles and polygons, stroked polylines, texts, and clipping to a
// rectangle.  Each painter (cairo, SVG) draws such a list.  Plain C++.
#pragma once
#include "diagramm.h"
#include "textmass.h"

#include <string>
#include <vector>

struct Rechteck {
    double x = 0, y = 0, b = 0, h = 0;
    double rechts() const { return x + b; }
    double unten() const { return y + h; }
    bool enthaelt(double px, double py) const
    {
        return px >= x && px <= rechts() && py >= y && py <= unten();
    }
    double ueberlappung(const Rechteck& o) const;
};

struct Linienstil {
    Farbe farbe;
    double breite = 1;
    Strich strich = Strich::voll;
    bool rund = false; // round joins
};

// Dash and gap lengths of a line of that width; empty when solid.
std::vector<double> strichmuster(Strich s, double breite);

// Where a text's position lies along its line.
enum class Anker { links, mitte, rechts };

enum class Zeichenart {
    rechteck, // r
    kreis,    // mitte, radius
    vieleck,  // pfade[0], closed
    linien,   // pfade, each an open polyline, stroked together
    text,
    kappen,      // from here on only inside r ...
    kappen_ende, // ... up to here
};

struct Zeichnung {
    Zeichenart art = Zeichenart::linien;
    Rechteck r;
    Punkt mitte;
    double radius = 0;
    std::vector<std::vector<Punkt>> pfade;

    bool fuellen = false;
    Farbe fuellfarbe;
    double deckung = 1; // of the filling
    bool umranden = false;
    Linienstil rand; // also the stroke of linien

    // A text's top left corner at (x, y), with the size it was laid out
    // in; the anchor says which point of the line is meant to stay put.
    std::string text;
    Schrift schrift;
    Farbe farbe;
    double x = 0, y = 0, breite = 0;
    Anker anker = Anker::links;
    double breite_max = -1; // wrapped to this width when > 0 ...
    bool zentriert = false; // ... each line centred in it
    bool senkrecht = false; // turned a quarter to the left about (x, y)
};

using Zeichenliste = std::vector<Zeichnung>;
