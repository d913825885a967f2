// The reader's language where no gettext is (the WebAssembly module): the
// catalogues of po/ compiled into the program by the build
// (netz/sprachen_einbetten.cmake) and chosen here; kv_text() looks a text
// up in the chosen one.  German, the texts as written, until another is set.
#pragma once
#include <cstddef>

struct KvEingebetteteSprache {
    const char* code;  // "en": as po/LINGUAS names it
    const unsigned char* mo;
    size_t groesse;
};

// Every catalogue compiled in, in the order of po/LINGUAS; the last entry's
// code is nullptr.
extern const KvEingebetteteSprache kv_eingebettete_sprachen[];

// "de" is German, any code of kv_eingebettete_sprachen its language.  An
// unknown code, or a catalogue that cannot be read, gives German and false.
bool kv_sprache_setzen(const char* code);

// The language in use: "de" or the code set.
const char* kv_sprache();
