// Catalogues of standard parts and materials: the tables a calculator
// offers (built-in ones first, then the user's own), their entries, and the
// fields an entry fills as texts, as if typed.  Plain C++ without GLib and
// exceptions: the window, the command line and the browser share it.
#pragma once
#include "csv.h"
#include "rechner.h"

#include <string>
#include <string_view>
#include <vector>

struct KvKatalog;
struct KvKataloge;

// A field an entry fills and the text it gets; or an option and the name of
// the value it gets.
struct KvKatalogFeld {
    std::string name;
    std::string wert;
};

// An entry chosen: its table and designation; once applied, the value the
// user gave for the table's Kennwert, and the fields it set with the note.
struct KvKatalogWahl {
    std::string tabelle;
    std::string bezeichnung;
    std::string kennwert = {};
    std::vector<KvKatalogFeld> felder = {};
    std::string hinweis = {};
};

// What the values of an entry may depend on: the inputs as they stand and
// the entries taken before (a steel's yield strength by the thickness of
// the section chosen before it).
struct KvKatalogLage {
    const KvRechner& rechner;
    const KvEingaben& eingaben;
    const KvKataloge& kataloge;
    const std::vector<KvKatalogWahl>& vorher; // oldest first
    std::string_view kennwert = {};           // the text given for the table's Kennwert
};

// What an entry sets, with a note where a value was derived or chosen.
struct KvKatalogEintrag {
    std::vector<KvKatalogFeld> felder;
    std::string hinweis;
};

// Fills aus for row zeile of the table; false with the reason when the
// entry cannot be used with these inputs.
using KvKatalogZuordnung = bool (*)(const KvKatalog& k, size_t zeile, const KvKatalogLage& lage,
                                    KvKatalogEintrag& aus, std::string& fehler);

// A value an entry needs that its table lacks, brought by the user from the
// product's data sheet (an oil's viscosity at 100 degC).
struct KvKatalogKennwert {
    std::string name; // empty: the table needs none
    std::string beschriftung;
    std::string einheit;
};

struct KvKatalog {
    std::string name;   // what --katalog names: "regelgewinde", "hausnormen"
    std::string titel;
    std::string quelle; // the table's provenance, one line each
    std::string datei;  // the built-in file's name or the user file's path
    bool eigene = false; // the user's table
    KvCsvTabelle csv;
    std::vector<size_t> zeilen; // the rows offered as entries, in table order
    KvKatalogZuordnung zuordnung = nullptr;
    std::string spalte; // the column a built-in mapping takes its value from
    std::string inhalt; // what its entries fill, in a few words
    KvKatalogKennwert kennwert;
};

struct KvKataloge {
    std::vector<KvKatalog> tabellen;
    // The user tables refused: "file:line: reason", one each.
    std::vector<std::string> abgelehnt;
};

// "PROGRAMM hat keine Kataloge": what a calculator without tables says.
std::string kv_ohne_kataloge(const KvRechner& r);

// Why a table of that name cannot be chosen: the calculator has none, or
// none of that name (with where to look).
std::string kv_keine_tabelle(const KvRechner& r, const KvKataloge& k, std::string_view name);

// "nicht verwendbar: GRUND": an entry that cannot be used with the inputs.
std::string kv_nicht_verwendbar(const std::string& grund);

// The user's folder: $XDG_DATA_HOME/maschinenelemente/kataloge, or
// ~/.local/share/maschinenelemente/kataloge; empty when neither is set.
std::string kv_katalog_nutzerordner();

// The tables of this calculator: the built-in ones, then every file of
// ordner whose name begins with the program's name and "_" and ends in
// ".csv", in name order (ordner empty: none).  A calculator may have none.
KvKataloge kv_kataloge(const KvRechner& r, const std::string& ordner);

// Reads one user table from its text: false with the line and reason.
bool kv_nutzertabelle_lesen(const KvRechner& r, std::string_view text, const std::string& name,
                            const std::string& datei, KvKatalog& k, int& zeile, std::string& grund);

const KvKatalog* kv_katalog_finden(const KvKataloge& k, std::string_view name);
// Index into k.zeilen of the entry of that designation; -1 when none.
int kv_katalog_eintrag_index(const KvKatalog& k, std::string_view bezeichnung);
std::string_view kv_katalog_bezeichnung(const KvKatalog& k, size_t eintrag);

// The fields entry eintrag (index into k.zeilen) sets in this situation.
bool kv_katalog_eintrag(const KvKatalog& k, size_t eintrag, const KvKatalogLage& lage,
                        KvKatalogEintrag& aus, std::string& fehler);

// Sets the fields' texts; a name that is an option's sets that option to
// the value of that name (a section's buckling curve).
void kv_katalog_anwenden(const KvRechner& r, const KvKatalogEintrag& e, KvEingaben& eingaben);

// Looks up and applies one choice "TABELLE:EINTRAG" (for a table with a
// Kennwert "TABELLE:EINTRAG:NAME=WERT") and notes it with the fields it set
// in vorher; false with the reason in the reader's language (unknown table
// or entry, an entry not usable here).
bool kv_katalog_waehlen(const KvRechner& r, const KvKataloge& k, std::string_view wahl,
                        KvEingaben& eingaben, std::vector<KvKatalogWahl>& vorher,
                        std::string& fehler);

// The entries of vorher whose texts the inputs still hold in every field
// they set, oldest first: what a record or the JSON names as used.
std::vector<KvKatalogWahl> kv_katalog_verwendet(const KvRechner& r, const KvEingaben& eingaben,
                                                const std::vector<KvKatalogWahl>& vorher);

// One line naming an entry used: "Katalog regelgewinde (TITEL, DATEI): M16:
// d = 16, P = 2, ...", its Kennwert and note after it.
std::string kv_katalog_zeile(const KvKataloge& k, const KvKatalogWahl& w);
