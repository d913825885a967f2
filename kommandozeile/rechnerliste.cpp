#include "rechnerliste.h"

#include "gleitlager_diagramm.h"
#include "knickung_diagramm.h"
#include "kupplung_diagramm.h"
#include "schraube_diagramm.h"
#include "tellerfeder_diagramm.h"

namespace {

struct Eintrag {
    const KvRechner* rechner;
    KvDiagrammZeichner zeichner;
};

const Eintrag eintraege[] = {
    {&stalor_rechner, stalor_diagramm}, {&tarvex_rechner, tarvex_diagramm},
    {&lupran_rechner, lupran_diagramm}, {&kopdra_rechner, kopdra_diagramm},
    {&wendis_rechner, wendis_diagramm},
};

} // namespace

const std::vector<const KvRechner*>& kv_alle_rechner()
{
    static const std::vector<const KvRechner*> alle = [] {
        std::vector<const KvRechner*> v;
        for (const Eintrag& e : eintraege)
            v.push_back(e.rechner);
        return v;
    }();
    return alle;
}

const KvRechner* kv_rechner_finden(std::string_view name)
{
    for (const Eintrag& e : eintraege)
        if (name == e.rechner->name)
            return e.rechner;
    return nullptr;
}

KvDiagrammZeichner kv_diagramm_zeichner(const KvRechner& r)
{
    for (const Eintrag& e : eintraege)
        if (e.rechner == &r)
            return e.zeichner;
    return nullptr;
}
