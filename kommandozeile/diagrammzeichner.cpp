#include "rechnerliste.h"

#include "gleitlager_diagramm.h"
#include "knickung_diagramm.h"
#include "kupplung_diagramm.h"
#include "schraube_diagramm.h"
#include "tellerfeder_diagramm.h"

#include <utility>

KvDiagrammZeichner kv_diagramm_zeichner(const KvRechner& r)
{
    static const std::pair<const KvRechner*, KvDiagrammZeichner> zeichner[] = {
        {&stalor_rechner, stalor_diagramm}, {&tarvex_rechner, tarvex_diagramm},
        {&lupran_rechner, lupran_diagramm}, {&kopdra_rechner, kopdra_diagramm},
        {&wendis_rechner, wendis_diagramm},
    };
    for (const auto& [rechner, z] : zeichner)
        if (rechner == &r)
            return z;
    return nullptr;
}
