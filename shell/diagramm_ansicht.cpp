// "Ansicht" > "Diagramm": the diagram window of the last computation.
#include "diagrammfenster.h"
#include "shell.h"

#include <gdk/gdkkeysyms.h>

#include <optional>

extern const KvProgramm* kv_programm;

namespace {

std::optional<Diagramm> diagramm_der_letzten_rechnung()
{
    const std::optional<KvEingaben> e = kv_gtk_letzte_eingaben();
    if (!e)
        return std::nullopt;
    KvStand stand;
    KvRechnung rechnung;
    Diagramm d;
    std::string fehler;
    if (!kv_lesen(*kv_programm->rechner, *e, stand, rechnung, true)
        || !kv_programm->rechner->diagramm(stand, d, fehler))
        return std::nullopt;
    return d;
}

} // namespace

int kv_c_diagramm_zeigen()
{
    kv_gtk_diagrammfenster_zeigen(diagramm_der_letzten_rechnung, kv_programm->rechner->titel);
    return 0;
}

void kv_gtk_diagramm_anbinden()
{
    if (!kv_programm->rechner->diagramm)
        return;
    kv_gtk_menuepunkt({"Ansicht", N_("_Diagramm"), kv_c_diagramm_zeigen, GDK_d, GDK_CONTROL_MASK});
}
