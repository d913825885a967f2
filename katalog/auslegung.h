// Design to a standard size: the entries of a table from small to large,
// each applied to the inputs as they stand and computed; the first for
// which every check of the calculation passes and every condition on the
// results holds is chosen.  Plain C++, no GLib.
#pragma once
#include "katalog.h"
#include "rechengang.h"

#include <string>
#include <string_view>
#include <vector>

// A condition on a result: ERGEBNIS>=WERT or ERGEBNIS<=WERT.
struct KvBedingung {
    std::string text; // as given
    int ergebnis = -1;
    bool mindestens = true; // ">=", else "<="
    double grenze = 0;
};

// False with the reason when the text is no condition on a result of r.
bool kv_bedingung_lesen(const KvRechner& r, std::string_view text, KvBedingung& b, std::string& fehler);
// Whether the text has the shape NAME>=... or NAME<=... at all.
bool kv_ist_bedingung(std::string_view text);

// One entry tried: its checks and what it missed (the failed checks'
// names, the conditions not held, or why it could not be computed).
struct KvAuslegungseintrag {
    std::string bezeichnung;
    bool erfuellt = false;
    std::vector<std::string> verfehlt;
    std::vector<KvPruefung> pruefungen;
};

struct KvAuslegung {
    int gewaehlt = -1; // index of the first entry that passes; -1: none
    std::vector<KvAuslegungseintrag> eintraege;
};

KvAuslegung kv_auslegen(const KvRechner& r, const KvKataloge& k, const KvKatalog& tabelle,
                        const KvEingaben& eingaben, const std::vector<KvKatalogWahl>& vorher,
                        const std::vector<KvBedingung>& bedingungen);

// The entries tried as text: a heading with the table and the conditions,
// "BEZEICHNUNG: erfuellt" or "BEZEICHNUNG: verfehlt: A; B" per line, and
// "Gewaehlt: BEZEICHNUNG" or that none passes.
std::string kv_auslegung_liste(const KvKatalog& tabelle, const std::vector<KvBedingung>& bedingungen,
                               const KvAuslegung& a);
