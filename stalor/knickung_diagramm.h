// The buckling diagram of a computed strut: Euler hyperbola over the
// slenderness, limit slenderness, yield strength, operating point and
// admissible stress, regime named.  Plain C++, no GTK, no cairo.
#pragma once
#include "diagramm.h"
#include "knickung.h"

Diagramm knickung_diagramm(const KnickEingabe& e, const KnickErgebnis& r);

// The diagram of what the fields and options hold, as the command line and
// the diagram window draw it; false with the text of the window's message
// when there is nothing to draw.
bool stalor_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
