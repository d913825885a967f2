// Sommerfeld number over relative eccentricity for the bearing's width
// ratio, as the chosen method relates them (bisection: So(eps); direct fit:
// eps(So)), with the operating point and the transition point.  Plain C++.
#pragma once
#include "diagramm.h"
#include "gleitlager.h"

// r from gleitlager_berechnen(e) without refusal.
Diagramm gleitlager_diagramm(const LagerEingabe& e, const LagerErgebnis& r);
