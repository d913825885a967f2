// The joint diagram of a computed bolted joint: force over elongation of
// bolt and plates from the assembly preload, the loss by embedding, the
// axial service force with the additional bolt force and the plate relief,
// and the residual clamp force against the required one.  Plain C++.
#pragma once
#include "diagramm.h"
#include "schraube.h"

Diagramm schraube_diagramm(const SchraubeEingabe& e, const SchraubeErgebnis& r);

// The diagram of what the fields and options hold, as the command line and
// the diagram window draw it; false with the text of the window's message
// when there is nothing to draw.
bool tarvex_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
