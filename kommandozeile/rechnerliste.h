// The five calculators the command line knows, by program name, and the
// diagram of each (kommandozeile/diagrammzeichner.cpp: the list itself needs
// no diagrams).
#pragma once
#include "rechner.h"

#include <string>
#include <string_view>
#include <vector>

const std::vector<const KvRechner*>& kv_alle_rechner();
// nullptr when no calculator has that name.
const KvRechner* kv_rechner_finden(std::string_view name);
// "stalor, kopdra, ...", and the message for a name that is none of them.
std::string kv_programmliste();
KvFehler kv_unbekanntes_programm(std::string_view name);

struct Diagramm;

// The diagram of a calculator's computation from the values as read (with
// the plot's fields); false with the text of the window's message.
using KvDiagrammZeichner = bool (*)(const KvStand& s, Diagramm& d, std::string& fehler);
KvDiagrammZeichner kv_diagramm_zeichner(const KvRechner& r);
