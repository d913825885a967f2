// The characteristic of a computed disc spring: force over deflection from
// s1 to s2 with the operating point; of a stack of them, the stack's.
// Plain C++, no GTK, no cairo.
#pragma once
#include "diagramm.h"
#include "tellerfeder.h"

Diagramm tellerfeder_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2);

// The same for a stack of i packets in series of n springs each: force of
// the stack over its deflection from i s1 to i s2, working point (i s, n F).
Diagramm federsaeule_diagramm(const TellerEingabe& e, const TellerErgebnis& r, double s1,
                              double s2, double i, double n);

// The diagram of what the fields and options hold, as the command line and
// the diagram window draw it; false with the text of the window's message
// when there is nothing to draw.
bool wendis_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
