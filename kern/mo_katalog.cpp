#include "mo_katalog.h"

#include <cstring>

namespace {

uint32_t wort(const KvMoKatalog& k, size_t stelle)
{
    const unsigned char* p = k.daten + stelle;
    const uint32_t w = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return k.getauscht ? __builtin_bswap32(w) : w;
}

// The i-th text of a table: its length and offset, the text ending in a
// zero byte that its length does not count.
const char* text(const KvMoKatalog& k, uint32_t tabelle, uint32_t i)
{
    return reinterpret_cast<const char*>(k.daten + wort(k, tabelle + 8 * size_t(i) + 4));
}

bool texte_im_rahmen(const KvMoKatalog& k, uint32_t tabelle)
{
    if (tabelle > k.groesse || (k.groesse - tabelle) / 8 < k.anzahl)
        return false;
    for (uint32_t i = 0; i < k.anzahl; ++i) {
        const uint32_t laenge = wort(k, tabelle + 8 * size_t(i)), stelle = wort(k, tabelle + 8 * size_t(i) + 4);
        if (stelle >= k.groesse || k.groesse - stelle <= laenge || k.daten[stelle + laenge] != 0)
            return false;
    }
    return true;
}

} // namespace

bool kv_mo_lesen(const unsigned char* daten, size_t groesse, KvMoKatalog& k)
{
    k = {};
    if (!daten || groesse < 28)
        return false;
    KvMoKatalog g;
    g.daten = daten;
    g.groesse = groesse;
    const uint32_t magisch = wort(g, 0);
    if (magisch != 0x950412de) {
        if (magisch != 0xde120495)
            return false;
        g.getauscht = true;
    }
    // Major revisions 0 and 1 are read alike; a minor one only adds.
    if (wort(g, 4) >> 16 > 1)
        return false;
    g.anzahl = wort(g, 8);
    g.originale = wort(g, 12);
    g.uebersetzungen = wort(g, 16);
    if (!texte_im_rahmen(g, g.originale) || !texte_im_rahmen(g, g.uebersetzungen))
        return false;
    k = g;
    return true;
}

const char* kv_mo_suchen(const KvMoKatalog& k, const char* id)
{
    uint32_t von = 0, bis = k.anzahl;
    while (von < bis) {
        const uint32_t mitte = von + (bis - von) / 2;
        // As strcmp orders the file's texts: by unsigned bytes.
        const int v = std::strcmp(id, text(k, k.originale, mitte));
        if (v == 0)
            return text(k, k.uebersetzungen, mitte);
        if (v < 0)
            bis = mitte;
        else
            von = mitte + 1;
    }
    return nullptr;
}
