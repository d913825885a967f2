// The buckling diagram of a computed strut: Euler hyperbola over the
// slenderness, limit slenderness, yield strength, operating point and
// admissible stress, regime named.  Plain C++, no GTK, no cairo.
#pragma once
#include "diagramm.h"
#include "knickung.h"

Diagramm knickung_diagramm(const KnickEingabe& e, const KnickErgebnis& r);
