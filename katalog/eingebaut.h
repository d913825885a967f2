// The built-in tables a calculator declares in its folder: which shipped
// file, under which name and title, and what an entry of it fills; and the
// helpers its entries' rules share.  Plain C++, no GLib.
#pragma once
#include "katalog.h"

#include <string>
#include <string_view>
#include <vector>

// A built-in table read from a shipped file (katalog/tabellen/).
struct KvEingebaut {
    const char* name;  // what --katalog names: "regelgewinde"
    const char* datei; // the shipped file
    const char* titel;
    KvKatalogZuordnung zuordnung;
    const char* spalte; // the column the rule takes its value from, "" when none
    const char* inhalt; // what its entries fill, in a few words
    // The value an entry needs that the table lacks (an oil's nu100).
    KvKatalogKennwert kennwert = {};
    // A text field whose offered texts are the only entries offered (the
    // class box has no 9.8): its name, "" when none.
    const char* angebot = "";
};

// Adds the tables to tabellen, each from its shipped file, its entries once
// per designation, in table order.
void kv_eingebaute_tabellen(const KvRechner& r, const std::vector<KvEingebaut>& eingebaut,
                            std::vector<KvKatalog>& tabellen);

// The provenance of a table: its comment lines, one a line.
std::string kv_katalog_quelle(const KvCsvTabelle& t);

// The cell of row zeile in a column of a table, as text and as a number.
const std::string& kv_katalog_zelle(const KvKatalog& k, size_t zeile, std::string_view spalte);
double kv_katalog_zahl(const KvKatalog& k, size_t zeile, std::string_view spalte);

// The cell of the table's own column (KvKatalog::spalte) into one field;
// false with the reason when no source gives it for that entry.
bool kv_katalog_eine_spalte(const char* feld, const KvKatalog& k, size_t zeile, KvKatalogEintrag& aus,
                            std::string& fehler);

// Whether option option of the inputs stands at value wert.
bool kv_katalog_auswahl(const KvKatalogLage& l, const char* option, const char* wert);

// The number in a field's text; false with the reason when it is none.
bool kv_katalog_feldzahl(const KvKatalogLage& l, const char* name, double& wert, std::string& fehler);
