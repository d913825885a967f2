#include "stalor.h"

#include "knickung.h"

GtkWidget* INPUT_Geometrie[7];
const char* c_box_geometrie[7];
double d_box_geometrie[7];
GtkWidget* rButtons_Knickfall[4];
GSList* rButtons_Gruppe_Knickfall = nullptr;
int stat_knickfall = 0;
GtkWidget* LABEL_res[8];
GtkWidget* OUTPUT_Ergebnisse[7];
double d_box_ergebnisse[7];

namespace {

const KvRechner& R = stalor_rechner;

void signale()
{
    for (GtkWidget* b : rButtons_Knickfall)
        kv_gtk_klick(b, kv_gtk_check_rButtons);
}

void eingabe_widgets(KvEingabeWidgets& w)
{
    w.felder.assign(INPUT_Geometrie, INPUT_Geometrie + 7);
    w.optionen = {{rButtons_Knickfall, rButtons_Knickfall + 4}};
    w.ergebnisse.assign(OUTPUT_Ergebnisse, OUTPUT_Ergebnisse + 7);
    w.hinweise = {LABEL_res[7]};
}

} // namespace

int kv_gtk_geometrie()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    for (int i = 0; i < 7; ++i) {
        INPUT_Geometrie[i] = kv_gtk_feld(R.eingaben[i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, i, INPUT_Geometrie[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[0].rahmen), tabelle);
    return 0;
}

int kv_gtk_rButtons()
{
    for (int k = 0; k < 4; ++k) {
        rButtons_Knickfall[k] = gtk_radio_button_new_with_label(rButtons_Gruppe_Knickfall,
                                                                _(R.optionen[0].knoepfe[k]));
        rButtons_Gruppe_Knickfall =
            gtk_radio_button_get_group(GTK_RADIO_BUTTON(rButtons_Knickfall[k]));
    }
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[0]), TRUE);
    GtkWidget* tabelle = kv_gtk_tabelle(4, 2);
    for (int k = 0; k < 4; ++k) {
        const std::string bild = "Knickfall" + std::to_string(k + 1) + ".png";
        kv_gtk_zelle(tabelle, kv_gtk_bild(bild.c_str()), k, 0);
        kv_gtk_zelle(tabelle, rButtons_Knickfall[k], k, 1);
    }
    kv_gtk_im_rahmen(Pack_Box[1], _(R.optionen[0].rahmen), tabelle);
    return 0;
}

int kv_gtk_ergebnisse()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    for (int i = 0; i < 7; ++i)
        LABEL_res[i] = gtk_label_new(_(R.ergebnisse[i].beschriftung));
    LABEL_res[7] = gtk_label_new(_(R.hinweise[0].beschriftung));
    for (int i = 0; i < 7; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        // Results 0-3 down the left pair of columns, 4-6 down the right.
        const int zeile = i < 4 ? i : i - 4;
        const int spalte = i < 4 ? 0 : 2;
        kv_gtk_zelle(tabelle, LABEL_res[i], spalte, zeile);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
    }
    kv_gtk_zelle(tabelle, LABEL_res[7], 2, 3, 2);
    kv_gtk_im_rahmen(Pack_Box[4], _("Ergebnisse"), tabelle);
    return 0;
}

int kv_gtk_check_rButtons()
{
    gerechnet = 0;
    for (int k = 0; k < 4; ++k)
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[k])))
            stat_knickfall = KNICKFALL_1 + k;
    return 0;
}

int kv_c_berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    kv_gtk_check_rButtons();
    return kv_gtk_rechnen();
}

const KvProgramm stalor_programm = {
    .rechner = &stalor_rechner,
    .info_text =
        N_("Ein Rechenprogramm fuer Knickung\n\n"
           "Eulersche Knickfaelle 1 bis 4, Schlankheitsgrad und Grenzschlankheitsgrad,\n"
           "zulaessige Druckspannung und Maximalkraft.\n\n"
           "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026."),
    .eingabe_panels = {[] { kv_gtk_geometrie(); }, [] { kv_gtk_rButtons(); }},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .felder = {{c_box_geometrie, d_box_geometrie, 7}},
    .d_box_ergebnisse = d_box_ergebnisse,
    .eingabe_widgets = eingabe_widgets,
    .bilder = {"Knickfall1.png", "Knickfall2.png", "Knickfall3.png", "Knickfall4.png"},
};
