// NAME=WERT as the command line takes it: shared by the command line and the
// WebAssembly module.  Plain C++, no GLib.
#pragma once
#include "auslegung.h"
#include "rechner.h"

#include <set>
#include <string>
#include <vector>

// Sets a field's text or an option's value from z; each name once (genannt
// collects them).  A result's name is a search's target: with mit_suche it
// only sets ergebnis, without it is wrong use.
KvFehler kv_zuweisen(const KvRechner& r, const std::string& z, KvEingaben& e,
                     std::set<std::string>& genannt, bool mit_suche, bool& ergebnis);

// A name that is neither a field, an option nor a result of r.
KvFehler kv_unbekannter_name(const KvRechner& r, const std::string& name);

// The words after the program's name: NAME=WERT, a search's target
// ERGEBNIS=WERT (kept in ziel) and with a design the conditions
// ERGEBNIS>=WERT or ERGEBNIS<=WERT; the first that is not taken ends it.
KvFehler kv_zuweisungen(const KvRechner& r, const std::vector<std::string>& woerter, bool auslegung,
                        bool suche, KvEingaben& e, std::set<std::string>& genannt,
                        std::vector<KvBedingung>& bedingungen, std::string& ziel);
