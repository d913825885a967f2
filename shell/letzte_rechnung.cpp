// What the last completed computation started from: the inputs at the press
// of "Rechnen" and when it was made.  The diagram window and the calculation
// record show that computation even after fields are edited; only the plot
// range of the disc springs is taken as it stands, as "Kennlinie zeichnen"
// does.
#include "diagrammfenster.h"
#include "shell.h"

#include <optional>

extern const KvProgramm* kv_programm;

bool kv_neu_rechnen_abgelehnt = false;

namespace {

std::optional<KvEingaben> berechnet_mit;
KvNachweisAngaben berechnet_am;

// After every press of "Rechnen": a computation that was carried out
// (not declined at the recompute question, no field rejected, not refused)
// is the new source.
void nach_rechnen(GtkWidget*, gpointer)
{
    if (!kv_neu_rechnen_abgelehnt && gerechnet == 1) {
        berechnet_mit = kv_gtk_eingaben_lesen();
        berechnet_am = kv_nachweis_jetzt();
        if (kv_programm->rechner->diagramm)
            kv_gtk_diagrammfenster_aktualisieren();
    }
    kv_neu_rechnen_abgelehnt = false;
}

} // namespace

std::optional<KvEingaben> kv_gtk_letzte_eingaben()
{
    if (!berechnet_mit)
        return std::nullopt;
    const KvRechner& r = *kv_programm->rechner;
    KvEingaben e = *berechnet_mit;
    const KvEingaben jetzt = kv_gtk_eingaben_lesen();
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (!r.eingaben[i].beim_rechnen)
            e.texte[i] = jetzt.texte[i];
    return e;
}

KvNachweisAngaben kv_gtk_letzte_rechnung_zeit() { return berechnet_am; }

void kv_gtk_letzte_rechnung_anbinden()
{
    berechnet_mit.reset();
    g_signal_connect_after(pButton_rechnen, "clicked", G_CALLBACK(nach_rechnen), nullptr);
}
