// The joint diagram of a computed bolted joint: force over elongation of
// bolt and plates from the assembly preload, the loss by embedding, the
// axial service force with the additional bolt force and the plate relief,
// and the residual clamp force against the required one.  Plain C++.
#pragma once
#include "diagramm.h"
#include "schraube.h"

Diagramm schraube_diagramm(const SchraubeEingabe& e, const SchraubeErgebnis& r);
