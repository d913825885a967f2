#include "rechnerliste.h"

#include "sprache.h"

std::string kv_programmliste()
{
    std::string t;
    for (const KvRechner* r : kv_alle_rechner()) {
        if (!t.empty()) t += ", ";
        t += r->name;
    }
    return t;
}

KvFehler kv_unbekanntes_programm(std::string_view name)
{
    return kv_abgelehnt(kv_einsetzen(_("unbekanntes Programm \"{1}\" ({2})"), {std::string(name), kv_programmliste()}));
}
