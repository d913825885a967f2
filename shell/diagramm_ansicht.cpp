// "Ansicht" > "Diagramm": the diagram window of the last computation.  The
// inputs of each completed computation are kept, so the diagram shows what
// the result fields show even after fields are edited; only the plot range
// of the disc springs is taken as it stands, as "Kennlinie zeichnen" does.
#include "diagrammfenster.h"
#include "shell.h"

#include <gdk/gdkkeysyms.h>

#include <optional>

extern const KvProgramm* kv_programm;

bool kv_neu_rechnen_abgelehnt = false;

namespace {

std::optional<KvEingaben> berechnet_mit;

std::optional<Diagramm> diagramm_der_letzten_rechnung()
{
    if (!berechnet_mit)
        return std::nullopt;
    const KvRechner& r = *kv_programm->rechner;
    KvEingaben e = *berechnet_mit;
    const KvEingaben jetzt = kv_gtk_eingaben_lesen();
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (!r.eingaben[i].beim_rechnen)
            e.texte[i] = jetzt.texte[i];
    KvStand stand;
    KvRechnung rechnung;
    Diagramm d;
    std::string fehler;
    if (!kv_lesen(r, e, stand, rechnung, true) || !kv_programm->diagramm(stand, d, fehler))
        return std::nullopt;
    return d;
}

// After every press of "Rechnen": a computation that was carried out
// (not declined at the recompute question, no field rejected, not refused)
// is the diagram's new source.
void nach_rechnen(GtkWidget*, gpointer)
{
    if (!kv_neu_rechnen_abgelehnt && gerechnet == 1) {
        berechnet_mit = kv_gtk_eingaben_lesen();
        kv_gtk_diagrammfenster_aktualisieren();
    }
    kv_neu_rechnen_abgelehnt = false;
}

} // namespace

int kv_c_diagramm_zeigen()
{
    kv_gtk_diagrammfenster_zeigen(diagramm_der_letzten_rechnung, kv_programm->rechner->titel);
    return 0;
}

void kv_gtk_diagramm_anbinden()
{
    berechnet_mit.reset();
    if (!kv_programm->diagramm)
        return;
    g_signal_connect_after(pButton_rechnen, "clicked", G_CALLBACK(nach_rechnen), nullptr);
    kv_gtk_menuepunkt({"Ansicht", "_Diagramm", kv_c_diagramm_zeigen, GDK_d, GDK_CONTROL_MASK});
}
