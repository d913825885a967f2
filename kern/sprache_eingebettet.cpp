#include "sprache.h"
#include "sprache_eingebettet.h"

#include "mo_katalog.h"

#include <cstring>

namespace {

KvMoKatalog katalog;
const char* gewaehlt = "de";

} // namespace

const char* kv_text(const char* deutsch)
{
    // The empty id is the catalogue's header, not a text.
    if (!deutsch || !*deutsch || !katalog.daten)
        return deutsch;
    const char* t = kv_mo_suchen(katalog, deutsch);
    return t ? t : deutsch;
}

void kv_sprache_einrichten() {}

bool kv_sprache_setzen(const char* code)
{
    katalog = {};
    gewaehlt = "de";
    if (!code || std::strcmp(code, "de") == 0)
        return true;
    for (const KvEingebetteteSprache* s = kv_eingebettete_sprachen; s->code; ++s)
        if (std::strcmp(code, s->code) == 0 && kv_mo_lesen(s->mo, s->groesse, katalog)) {
            gewaehlt = s->code;
            return true;
        }
    return false;
}

const char* kv_sprache() { return gewaehlt; }
