// Speeds over time while the clutch engages: driving and driven side from
// their start speeds to the synchronous speed at the end of slipping, then
// together up to the load speed.  Plain C++, no GTK, no cairo.
#pragma once
#include "diagramm.h"
#include "kupplung.h"

// Clutch torque given: the results of kupplung_tk_gegeben for e.
Diagramm kupplung_diagramm(const KupplungEingabe& e, const KupplungGegeben& r);
// Clutch torque sought: TK as kupplung_tk_gesucht computed it for e; nL and Z
// are not inputs of this mode, so the run-up after slipping is not shown.
Diagramm kupplung_diagramm_gesucht(const KupplungEingabe& e, double TK);

// The diagram of what the fields and options hold, as the command line and
// the diagram window draw it; false with the text of the window's message
// when there is nothing to draw.
bool kopdra_diagramm(const KvStand& s, Diagramm& d, std::string& fehler);
