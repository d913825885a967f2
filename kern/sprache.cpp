#include "sprache.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>

const char* kv_text(const char* deutsch)
{
    // The empty id is the catalogue's header, not a text.
    return deutsch && *deutsch ? dgettext(KV_TEXTDOMAIN, deutsch) : deutsch;
}

void kv_sprache_einrichten()
{
    // The messages' category alone: the character set of the catalogue's
    // texts is fixed below, and nothing else of the locale changes.
    std::setlocale(LC_MESSAGES, "");
    const char* ordner = std::getenv("KV_LOCALEDIR");
    bindtextdomain(KV_TEXTDOMAIN, ordner && *ordner ? ordner : KV_LOCALEDIR);
    bind_textdomain_codeset(KV_TEXTDOMAIN, "UTF-8");
}
