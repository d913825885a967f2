// The module's language: which catalogues it holds, the one in use, and
// the page's own texts looked up in it (netz/schnittstelle.h).
#include "schnittstelle.h"

#include "ausgabe.h"
#include "sprache.h"
#include "sprache_eingebettet.h"

#include <string>

NETZ_EXPORT("sprachen") const char* netz_sprachen()
{
    static const std::string alle = [] {
        std::string t = "[\"de\"";
        for (const KvEingebetteteSprache* s = kv_eingebettete_sprachen; s->code; ++s) {
            t += ", ";
            kv_json_text_anhaengen(t, s->code);
        }
        return t + "]";
    }();
    return alle.c_str();
}

NETZ_EXPORT("sprache") int netz_sprache(const char* code) { return kv_sprache_setzen(code) ? 1 : 0; }

// A copy: the caller frees the text it passed in before it reads this one.
NETZ_EXPORT("uebersetzen") const char* netz_uebersetzen(const char* deutsch)
{
    static std::string t;
    t = kv_text(deutsch);
    return t.c_str();
}
