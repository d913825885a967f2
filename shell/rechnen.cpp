// "Rechnen" in every window as every front-end computes: the inputs read
// through the calculator's description, checked and converted, computed by
// its core, its refusals and the dialogs of a field that is no number, the
// results shown.  The window keeps the fields as read in its c_box and d_box
// arrays and its results in d_box_ergebnisse.
#include "shell.h"
#include "zahlen.h"

extern const KvProgramm* kv_programm;

namespace {

// The texts and values of the fields the press read, in the program's
// arrays: those before the field rejected, or all.
void felder_ablegen(const KvEingabeWidgets& w, const KvStand& stand, const KvRechnung& rechnung)
{
    const KvRechner& r = *kv_programm->rechner;
    const int bis = rechnung.status == KvStatus::abgelehnt ? rechnung.feld + 1 : static_cast<int>(w.felder.size());
    int i = 0;
    for (const KvFeldgruppe& g : kv_programm->felder)
        for (int k = 0; k < g.anzahl; ++k, ++i) {
            if (!g.c_box || i >= bis || !kv_gelesen(r, i, stand.optionen))
                continue;
            g.c_box[k] = gtk_entry_get_text(GTK_ENTRY(w.felder[i]));
            if (i != rechnung.feld)
                g.d_box[k] = stand.werte[i];
        }
}

// The results of the window's mode, each in its format, and the notes.
void zeigen(const KvEingabeWidgets& w, const KvStand& stand, const KvRechnung& rechnung)
{
    const KvRechner& r = *kv_programm->rechner;
    for (size_t j = 0; j < r.ergebnisse.size(); ++j) {
        if (!kv_gilt(r.ergebnisse[j].nur_bei, stand.optionen))
            continue;
        if (double* d = kv_programm->d_box_ergebnisse; d && !kv_im_zusatz(r, r.ergebnisse[j].rahmen))
            d[j] = rechnung.ergebnisse[j];
        gtk_entry_set_text(GTK_ENTRY(w.ergebnisse[j]), kv_format(r.ergebnisse[j].format, rechnung.ergebnisse[j]).c_str());
    }
    for (size_t k = 0; k < r.hinweise.size(); ++k)
        gtk_label_set_text(GTK_LABEL(w.hinweise[k]), _(rechnung.hinweise[k].c_str()));
}

} // namespace

int kv_gtk_rechnen()
{
    const KvProgramm& p = *kv_programm;
    const KvEingabeWidgets w = kv_gtk_widgets();
    const KvEingaben e = kv_gtk_eingaben_lesen();
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*p.rechner, e, stand);
    felder_ablegen(w, stand, rechnung);
    switch (rechnung.status) {
    case KvStatus::abgelehnt:
        // Its position, then the input error.
        iret = kv_gtk_isdigit(e.texte[rechnung.feld].c_str());
        kv_gtk_fehler_eingabe();
        return -1;
    case KvStatus::verweigert:
        kv_gtk_meldung(p.verweigerung_ist_eingabefehler ? GTK_MESSAGE_ERROR : GTK_MESSAGE_INFO, GTK_BUTTONS_OK,
                       _(rechnung.meldung));
        return p.verweigerung_ist_eingabefehler ? -1 : 0;
    case KvStatus::berechnet:
        break;
    }
    zeigen(w, stand, rechnung);
    kv_gtk_letzte_rechnung_merken(e, stand, rechnung);
    gerechnet = 1;
    return 0;
}
