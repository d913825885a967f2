// The search a call asks for, "--suche FELD ERGEBNIS=WERT [--bereich
// VON:BIS]", checked and run: shared by the command line and the
// WebAssembly module.  Plain C++, no GLib.
#pragma once
#include "studie.h"
#include "suche.h"

#include <string>
#include <vector>

// The search for field feld with the target ziel ("ERGEBNIS=WERT", empty
// when none was given) in bereich ("VON:BIS"; empty: around the field's
// text), none of the fields varied being the one searched; s is set, or
// it is wrong use.
KvFehler kv_suchauftrag(const KvRechner& r, const KvEingaben& e, const std::string& feld,
                        const std::string& ziel, const std::string& bereich,
                        const std::vector<KvVariation>& variationen, KvSuche& s);

// Runs a single search: the field gets the text of the first solution.  A
// search refused is wrong use, none in the range a refusal.
KvFehler kv_suche_ausfuehren(const KvRechner& r, KvEingaben& e, const KvSuche& s, KvSuchergebnis& g);
