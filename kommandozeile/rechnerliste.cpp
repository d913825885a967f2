#include "rechnerliste.h"

#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "tellerfeder.h"

const std::vector<const KvRechner*>& kv_alle_rechner()
{
    static const std::vector<const KvRechner*> alle = {
        &stalor_rechner, &tarvex_rechner, &lupran_rechner, &kopdra_rechner, &wendis_rechner,
    };
    return alle;
}

const KvRechner* kv_rechner_finden(std::string_view name)
{
    for (const KvRechner* r : kv_alle_rechner())
        if (name == r->name)
            return r;
    return nullptr;
}

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
    return kv_abgelehnt("unbekanntes Programm \"" + std::string(name) + "\" (" + kv_programmliste() + ")");
}
