#include "tarvex.h"

#include "schraube.h"

GtkWidget* INPUT_Geometrie_Werkstoff[9];
const char* c_box_geometrie_werkstoff[9];
double d_box_geometrie_werkstoff[10];
GtkWidget* INPUT_Nachgiebigkeit_Schraube[19];
const char* c_box_nachgiebigkeit_schraube[19];
double d_box_nachgiebigkeit_schraube[19];
GtkWidget* INPUT_Nachgiebigkeit_Platte[13];
const char* c_box_nachgiebigkeit_platte[13];
double d_box_nachgiebigkeit_platte[13];
GtkWidget* Combo = nullptr;
GtkWidget* cButtons_Schraubenart[2];
int stat_dehns = 0;
int stat_schgs = 0;
GtkWidget* LABEL_res[20];
GtkWidget* OUTPUT_Ergebnisse[20];
double d_box_ergebnisse[20];

namespace {

const KvRechner& R = tarvex_rechner;
// Where the window's groups start among the fields.
enum { QUALITAET = 9, SCHRAUBE = 10, PLATTE = 29 };

GtkWidget* combo_eintrag()
{
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    return GTK_COMBO(Combo)->entry;
    G_GNUC_END_IGNORE_DEPRECATIONS
}

void kv_gtk_geometrie_werkstoff()
{
    GtkWidget* tabelle = kv_gtk_tabelle(10, 2);
    for (int i = 0; i < 9; ++i) {
        INPUT_Geometrie_Werkstoff[i] = kv_gtk_feld(R.eingaben[i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, i, INPUT_Geometrie_Werkstoff[i]);
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    Combo = gtk_combo_new();
    GList* liste = nullptr;
    for (const char* k : R.eingaben[QUALITAET].auswahl)
        liste = g_list_append(liste, const_cast<char*>(k));
    gtk_combo_set_popdown_strings(GTK_COMBO(Combo), liste);
    g_list_free(liste);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_entry_set_text(GTK_ENTRY(combo_eintrag()), R.eingaben[QUALITAET].vorgabe);
    kv_gtk_eingabe_zelle(tabelle, R, QUALITAET, Combo);
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[0].rahmen), tabelle);
}

void kv_gtk_nachgiebigkeit_schraube()
{
    GtkWidget* tabelle = kv_gtk_tabelle(11, 2);
    for (int i = 0; i < 19; ++i) {
        INPUT_Nachgiebigkeit_Schraube[i] = kv_gtk_feld(R.eingaben[SCHRAUBE + i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, SCHRAUBE + i, INPUT_Nachgiebigkeit_Schraube[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[SCHRAUBE].rahmen), tabelle);
}

void kv_gtk_nachgiebigkeit_platte()
{
    GtkWidget* tabelle = kv_gtk_tabelle(10, 2);
    for (int i = 0; i < 13; ++i) {
        INPUT_Nachgiebigkeit_Platte[i] = kv_gtk_feld(R.eingaben[PLATTE + i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, PLATTE + i, INPUT_Nachgiebigkeit_Platte[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[PLATTE].rahmen), tabelle);
}

void kv_gtk_cButtons()
{
    GtkWidget* box = gtk_vbox_new(FALSE, 0);
    for (int k = 0; k < 2; ++k)
        cButtons_Schraubenart[k] = gtk_check_button_new_with_label(_(R.optionen[k].beschriftung));
    for (GtkWidget* b : cButtons_Schraubenart)
        kv_gtk_packen(box, b);
    kv_gtk_im_rahmen(Pack_Box[1], _(R.optionen[0].rahmen), box);
}

int kv_gtk_ergebnisse()
{
    GtkWidget* box = gtk_vbox_new(FALSE, 0);
    GtkWidget* a = kv_gtk_tabelle(2, 3);
    GtkWidget* b = kv_gtk_tabelle(6, 6);
    for (int i = 0; i < 20; ++i) {
        LABEL_res[i] = gtk_label_new(_(R.ergebnisse[i].beschriftung));
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        if (i < 3) {
            // Resiliences and load factor: captions above their fields.
            kv_gtk_zelle(a, LABEL_res[i], i, 0);
            kv_gtk_zelle(a, OUTPUT_Ergebnisse[i], i, 1);
        } else {
            const int j = i - 3, spalte = (j / 6) * 2, zeile = j % 6;
            kv_gtk_zelle(b, LABEL_res[i], spalte, zeile);
            kv_gtk_zelle(b, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
        }
    }
    kv_gtk_packen(box, a);
    kv_gtk_packen(box, b);
    kv_gtk_im_rahmen(Pack_Box[4], _("Ergebnisse"), box);
    return 0;
}

void signale()
{
    for (GtkWidget* b : cButtons_Schraubenart)
        kv_gtk_klick(b, kv_gtk_check_cButtons);
}

// The class box's entry is the field Qualitaet, between the first group and
// the bolt's sections.
void eingabe_widgets(KvEingabeWidgets& w)
{
    w.felder.assign(INPUT_Geometrie_Werkstoff, INPUT_Geometrie_Werkstoff + 9);
    w.felder.push_back(combo_eintrag());
    w.felder.insert(w.felder.end(), INPUT_Nachgiebigkeit_Schraube, INPUT_Nachgiebigkeit_Schraube + 19);
    w.felder.insert(w.felder.end(), INPUT_Nachgiebigkeit_Platte, INPUT_Nachgiebigkeit_Platte + 13);
    w.optionen = {{cButtons_Schraubenart[0]}, {cButtons_Schraubenart[1]}};
    w.ergebnisse.assign(OUTPUT_Ergebnisse, OUTPUT_Ergebnisse + 20);
}

} // namespace

int kv_gtk_check_cButtons()
{
    gerechnet = 0;
    auto aktiv = [](GtkWidget* b) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(b)); };
    stat_dehns = aktiv(cButtons_Schraubenart[0]) ? 900 : 902;
    stat_schgs = aktiv(cButtons_Schraubenart[1]) ? 901 : 902;
    return 0;
}

int kv_c_berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    kv_gtk_check_cButtons();
    // The strength class must be one of the eight, never a leftover one: the
    // core refuses any other as an input error.
    if (kv_gtk_rechnen() == -1)
        return -1;
    d_box_geometrie_werkstoff[9] = klassen_zahl(festigkeitsklasse(gtk_entry_get_text(GTK_ENTRY(combo_eintrag()))));
    return 0;
}

const KvProgramm tarvex_programm = {
    .rechner = &tarvex_rechner,
    .info_text =
        N_("Ein Rechenprogramm zur Schraubenberechnung nach VDI 2230\n\n"
           "Nachgiebigkeiten, Kraftverhaeltnis, Vorspannkraefte, Anziehmoment und Spannungen.\n\n"
           "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026."),
    .eingabe_panels = {kv_gtk_geometrie_werkstoff, kv_gtk_nachgiebigkeit_schraube,
                       kv_gtk_nachgiebigkeit_platte, kv_gtk_cButtons},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .felder = {{c_box_geometrie_werkstoff, d_box_geometrie_werkstoff, 9},
               {nullptr, nullptr, 1},
               {c_box_nachgiebigkeit_schraube, d_box_nachgiebigkeit_schraube, 19},
               {c_box_nachgiebigkeit_platte, d_box_nachgiebigkeit_platte, 13}},
    .d_box_ergebnisse = d_box_ergebnisse,
    .verweigerung_ist_eingabefehler = true,
    .eingabe_widgets = eingabe_widgets,
};
