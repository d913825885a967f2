// "--kataloge": a calculator's tables with their sources and entries and
// the fields each entry sets, as text or JSON.
#pragma once
#include "katalog.h"

#include <string>

// Text: per table a line NAME<TAB>TITEL<TAB>DATEI (and <TAB>KENNWERT for a
// table whose entries need one, TABELLE:EINTRAG:KENNWERT=WERT), its provenance as lines
// beginning with "# ", then one line per entry <TAB>BEZEICHNUNG<TAB>FELD=WERT
// ... (blank-separated), or "nicht verwendbar: GRUND".  JSON:
// {"programm", "tabellen": [{"name", "titel", "quelle", "datei",
// ("kennwert": {"name", "beschriftung", "einheit"},) "eintraege":
// [{"bezeichnung", "felder": {...}}]}]}.
std::string kv_katalogliste(const KvRechner& r, const KvKataloge& k, const KvEingaben& eingaben,
                            const std::vector<KvKatalogWahl>& vorher, bool json);

// The entries used (kv_katalog_verwendet) as the member "katalog" of a
// computation's JSON: [{"tabelle", "bezeichnung", "titel", "datei",
// "quelle", "felder": {...}, ("kennwert": {"name", "wert"},) ("hinweis")}],
// one a line indented by einzug; empty when none.
std::string kv_katalog_json(const KvKataloge& k, const std::vector<KvKatalogWahl>& verwendet,
                            const std::string& einzug);

#include "auslegung.h"

// "--auslegung": every entry tried with what it missed, then the choice.
// Text: "BEZEICHNUNG: erfuellt" or "BEZEICHNUNG: verfehlt: A; B" per line and
// "Gewaehlt: BEZEICHNUNG" (or none); JSON: {"tabelle", "bedingungen",
// "gewaehlt" (null for none), "eintraege": [{"bezeichnung", "erfuellt",
// "verfehlt", "pruefungen": [{"name", "wert", "grenze", "erfuellt"}]}]}.
std::string kv_auslegung_text(const KvKatalog& tabelle, const std::vector<KvBedingung>& bedingungen,
                              const KvAuslegung& a, bool json);

// "--auslegung TABELLE" with the inputs e: the entries tried (JSON with
// json) and in the text form after a choice a blank line and the report of
// the chosen entry.  Wrong use when there is no such table (text empty), a
// refusal when no entry passes (text still written).
KvFehler kv_auslegung_ausgabe(const KvRechner& r, const KvKataloge& k, const std::string& tabelle,
                              const KvEingaben& e, const std::vector<KvKatalogWahl>& vorher,
                              const std::vector<KvBedingung>& bedingungen, bool json, std::string& text);
