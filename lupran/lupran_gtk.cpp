#include "lupran.h"

#include "gleitlager.h"

GtkWidget* INPUT_Geom_Werkstoff[13];
const char* c_box_geom_werkstoff[13];
double d_box_geom_werkstoff[13];
GtkWidget* rButton[3];
GSList* rButtons_Gruppe = nullptr;
GtkWidget* cButton = nullptr;
int radio_status = SCHMIERLOCH_GEGENUEBER;
int check_status = EPS_ITERATIV;
GtkWidget* OUTPUT_Ergebnisse[17];
double d_box_ergebnisse[17];
GtkWidget* Label_eps = nullptr;
GtkWidget* Label_Reynolds = nullptr;

namespace {

const KvRechner& R = lupran_rechner;

void kv_gtk_geom_werkstoff()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 7);
    for (int i = 0; i < 13; ++i) {
        INPUT_Geom_Werkstoff[i] = kv_gtk_feld(R.eingaben[i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, i, INPUT_Geom_Werkstoff[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[0].rahmen), tabelle);
}

void kv_gtk_toggle_Buttons()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 1);
    gtk_table_set_col_spacings(GTK_TABLE(tabelle), 50);
    rButtons_Gruppe = nullptr;
    for (int i = 0; i < 3; ++i) {
        rButton[i] = gtk_radio_button_new_with_label(rButtons_Gruppe, _(R.optionen[0].knoepfe[i]));
        rButtons_Gruppe = gtk_radio_button_get_group(GTK_RADIO_BUTTON(rButton[i]));
        kv_gtk_zelle(tabelle, rButton[i], i, 0);
    }
    cButton = gtk_check_button_new_with_label(_(R.optionen[1].beschriftung));
    kv_gtk_zelle(tabelle, cButton, 3, 0);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(rButton[0]), TRUE);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(cButton), FALSE);
    radio_status = SCHMIERLOCH_GEGENUEBER;
    check_status = EPS_ITERATIV;
    kv_gtk_im_rahmen(Pack_Box[1], _(R.optionen[0].rahmen), tabelle);
}

int kv_gtk_ergebnisse()
{
    GtkWidget* tabelle = kv_gtk_tabelle(6, 6);
    GtkWidget* label[17];
    for (int i = 0; i < 17; ++i)
        label[i] = gtk_label_new(_(R.ergebnisse[i].beschriftung));
    Label_eps = label[8];
    Label_Reynolds = gtk_label_new("");
    for (int i = 0; i < 17; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        // Three caption/field pairs of columns, six results to a column pair.
        const int zeile = i % 6, spalte = (i / 6) * 2;
        kv_gtk_zelle(tabelle, label[i], spalte, zeile);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
    }
    kv_gtk_zelle(tabelle, Label_Reynolds, 4, 5, 2);
    kv_gtk_im_rahmen(Pack_Box[4], _("Ergebnisse"), tabelle);
    return 0;
}

void signale()
{
    for (GtkWidget* b : rButton)
        kv_gtk_klick(b, kv_gtk_check_toggle_Buttons);
    kv_gtk_klick(cButton, kv_gtk_check_toggle_Buttons);
}

void eingabe_widgets(KvEingabeWidgets& w)
{
    w.felder.assign(INPUT_Geom_Werkstoff, INPUT_Geom_Werkstoff + 13);
    w.optionen = {{rButton, rButton + 3}, {cButton}};
    w.ergebnisse.assign(OUTPUT_Ergebnisse, OUTPUT_Ergebnisse + 17);
    w.hinweise = {Label_eps, Label_Reynolds};
}

bool aktiv(GtkWidget* b) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(b)); }

} // namespace

int kv_gtk_check_toggle_Buttons()
{
    for (int i = 0; i < 3; ++i)
        if (aktiv(rButton[i]) && radio_status != SCHMIERLOCH_GEGENUEBER + i) {
            radio_status = SCHMIERLOCH_GEGENUEBER + i;
            gerechnet = 0;
        }
    // A change of the method keeps the results: the report names the
    // method they were computed with.
    check_status = aktiv(cButton) ? EPS_DIREKT : EPS_ITERATIV;
    return 0;
}

int kv_c_berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    // A width ratio the bearing refuses is told and ends the press as done.
    return kv_gtk_rechnen();
}

const KvProgramm lupran_programm = {
    .rechner = &lupran_rechner,
    .info_text =
        N_("Ein Rechenprogramm fuer hydrodynamische Radial-Gleitlager nach DIN 31652\n\n"
           "Sommerfeld-Zahl, relative Exzentrizitaet, Reibung, Oelmengen,\n"
           "Oelaustrittstemperatur, Schmierfilmdicke und Reynolds-Bedingung.\n\n"
           "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026."),
    .box_art = {KV_VERTIKAL, KV_HORIZONTAL, KV_VERTIKAL},
    .rand = {true, false, true, false, false, true, false},
    .eingabe_panels = {kv_gtk_geom_werkstoff, kv_gtk_toggle_Buttons},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .felder = {{c_box_geom_werkstoff, d_box_geom_werkstoff, 13}},
    .d_box_ergebnisse = d_box_ergebnisse,
    .eingabe_widgets = eingabe_widgets,
};
