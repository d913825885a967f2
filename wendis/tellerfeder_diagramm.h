// The characteristic of a computed disc spring: force over deflection from
// s1 to s2 with the operating point.  Plain C++, no GTK, no cairo.
#pragma once
#include "diagramm.h"
#include "tellerfeder.h"

Diagramm tellerfeder_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2);
