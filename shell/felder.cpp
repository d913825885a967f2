// Numeric input fields: the recompute question, the digit check and the
// read-check-convert loop of the fields a window reads by itself (the plot
// range).
#include "fenstertexte.h"
#include "shell.h"
#include "zahlen.h"

int kv_gtk_neu_rechnen()
{
    if (gerechnet != 1)
        return 0;
    dret = kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_YES_NO, _(KV_NEU_RECHNEN));
    if (dret != GTK_RESPONSE_YES)
        return -1;
    gerechnet = 0;
    return 0;
}

int kv_gtk_isdigit(const char* text)
{
    const int stelle = kv_erste_fehlstelle(text);
    if (stelle == 0)
        return 0;
    kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, kv_stelle_text(stelle));
    return -1;
}

int kv_gtk_fehler_eingabe(int code)
{
    kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                   _(code == 4712 ? KV_FEHLER_BEREICH : KV_FEHLER_EINGABE));
    return 0;
}

int kv_gtk_felder_lesen(GtkWidget* const* felder, const char** c_box,
                        double* d_box, int n)
{
    for (int i = 0; i < n; ++i) {
        c_box[i] = gtk_entry_get_text(GTK_ENTRY(felder[i]));
        iret = kv_gtk_isdigit(c_box[i]);
        if (iret == -1) {
            kv_gtk_fehler_eingabe();
            return -1;
        }
        d_box[i] = kv_zahl_lesen(c_box[i]);
    }
    return 0;
}
