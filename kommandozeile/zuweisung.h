// NAME=WERT as the command line takes it, and the wrong use of a field that
// is no number: shared by the command line and the WebAssembly module.
// Plain C++, no GLib.
#pragma once
#include "rechner.h"

#include <set>
#include <string>

// Sets a field's text or an option's value from z; each name once (genannt
// collects them).  A result's name is a search's target: with mit_suche it
// only sets ergebnis, without it is wrong use.  Empty when z is taken,
// otherwise the message.
std::string kv_zuweisen(const KvRechner& r, const std::string& z, KvEingaben& e,
                        std::set<std::string>& genannt, bool mit_suche, bool& ergebnis);

// "Feld l1 (Knicklaenge L1 / mm)"
std::string kv_feld_text(const KvEingabe& f);

// The message for a computation refused at a field that is no number.
std::string kv_keine_zahl_text(const KvRechner& r, const KvRechnung& rechnung);
