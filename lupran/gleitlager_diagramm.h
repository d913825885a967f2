// Sommerfeld number over relative eccentricity for the bearing's width
// ratio, as the chosen method relates them (bisection: So(eps); direct fit:
// eps(So)), with the operating point and the transition point.  Plain C++.
#pragma once
#include "diagramm.h"
#include "gleitlager.h"

// r from gleitlager_berechnen(e) without refusal.
Diagramm gleitlager_diagramm(const LagerEingabe& e, const LagerErgebnis& r);

// The diagram of what the fields and options hold, as the command line and
// the diagram window draw it; false with the text of the window's message
// when there is nothing to draw.
bool lupran_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
