// NAME=WERT as the command line takes it, and the wrong use of a field that
// is no number: shared by the command line and the WebAssembly module.
// Plain C++, no GLib.
#pragma once
#include "auslegung.h"
#include "rechner.h"

#include <set>
#include <string>
#include <vector>

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

// What the command line returns for wrong use and for a computation or a
// search the calculator refuses.
constexpr int KV_FALSCH = 2, KV_VERWEIGERT = 1;

// Wrong use is told in one line: every line break becomes ": ".
std::string kv_einzeilig(std::string text);

// The words after the program's name: NAME=WERT, a search's target
// ERGEBNIS=WERT (kept in ziel) and with a design the conditions
// ERGEBNIS>=WERT or ERGEBNIS<=WERT.  Empty when all are taken, otherwise
// the message of the first that is not.
std::string kv_zuweisungen(const KvRechner& r, const std::vector<std::string>& woerter, bool auslegung,
                           bool suche, KvEingaben& e, std::set<std::string>& genannt,
                           std::vector<KvBedingung>& bedingungen, std::string& ziel);

// 0 for a computation done; otherwise KV_FALSCH (a field that is no number)
// or KV_VERWEIGERT with the message.
int kv_rechnung_status(const KvRechner& r, const KvRechnung& rechnung, std::string& meldung);
