// A catalogue of GNU gettext (a compiled .mo file) read in memory, without
// gettext: where there is no gettext, as in the WebAssembly module.  The
// file's original texts are sorted, so a text is found by binary search; a
// hash table, if the file has one, is not needed.  Plain C++.
#pragma once
#include <cstddef>
#include <cstdint>

struct KvMoKatalog {
    const unsigned char* daten = nullptr;
    size_t groesse = 0;
    uint32_t anzahl = 0;          // texts, the header (the empty id) included
    uint32_t originale = 0;       // offset of the table of the original texts
    uint32_t uebersetzungen = 0;  // offset of the table of their translations
    bool getauscht = false;       // written in the other byte order
};

// The catalogue in daten (which must outlive it); false when the bytes are
// no .mo file of a known major revision or a table or text lies outside.
bool kv_mo_lesen(const unsigned char* daten, size_t groesse, KvMoKatalog& k);

// The translation of id, or nullptr when the catalogue has none.
const char* kv_mo_suchen(const KvMoKatalog& k, const char* id);
