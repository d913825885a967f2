// Where a label goes: among candidate boxes around the point it names, the
// one that covers least of the other labels, markers and lines and stays
// inside the plot and near its point.  Plain C++.
#pragma once
#include "diagramm.h"
#include "zeichenliste.h"

#include <vector>

struct Platzierung {
    std::vector<Rechteck> belegt; // boxes already taken
    std::vector<Punkt> linien;    // sampled pixels of the drawn lines
    Rechteck innen;               // where labels may go

    // Penalty of a box: outside the plot, over other boxes, over lines, and
    // far from the point (x, y) it names.
    double kosten(const Rechteck& r, double x, double y) const;
    // The cheapest candidate, now taken; the earlier one wins a tie.
    Rechteck waehlen(const std::vector<Rechteck>& kandidaten, double x, double y);
};

// Candidate boxes of size (b, h) around a point, at distance g, the
// preferred side first.
std::vector<Rechteck> rund_um(double x, double y, double b, double h, double g, Seite bevorzugt);
