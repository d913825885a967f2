#include "kopdra.h"

#include "kupplung.h"

#include <string_view>

GtkWidget* INPUT_Drehmomente[3];
GtkWidget* INPUT_Drehzahlen[4];
GtkWidget* INPUT_Drehmassen[2];
GtkWidget* INPUT_Beschleunigungszeit[1];
const char* c_box_drehmomente[3];
const char* c_box_drehzahlen[4];
const char* c_box_drehmassen[2];
const char* c_box_beschleunigung[1];
double d_box_drehmomente[3];
double d_box_drehzahlen[4];
double d_box_drehmassen[2];
double d_box_beschleunigung[1];
GtkWidget* OUTPUT_Ergebnisse[7];
double d_box_ergebnisse[7];
GtkWidget* rButtons[2];
GSList* rButtons_Gruppe = nullptr;
int window_status = TK_GEGEBEN;

namespace {

const KvRechner& R = kopdra_rechner;

// Fields von to von + n - 1 of the description, one row per quantity.
GtkWidget* eingabe_tabelle(int von, int n, GtkWidget** felder)
{
    GtkWidget* tabelle = kv_gtk_tabelle(n, 2);
    for (int i = 0; i < n; ++i) {
        felder[i] = kv_gtk_feld(R.eingaben[von + i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, von + i, felder[i]);
    }
    return tabelle;
}

// The table in the frame the description names; a field of the input frame
// itself stands without one.
void eingabe_panel(int box, int von, int n, GtkWidget** felder)
{
    GtkWidget* tabelle = eingabe_tabelle(von, n, felder);
    const char* titel = R.eingaben[von].rahmen;
    if (std::string_view(titel) == KV_EINGABERAHMEN) {
        kv_gtk_packen(Pack_Box[box], tabelle);
        return;
    }
    kv_gtk_im_rahmen(Pack_Box[box], _(titel), tabelle);
}

// Where the window's groups start among the fields.
enum { DREHMOMENTE = 0, DREHZAHLEN = 3, DREHMASSEN = 7, BESCHLEUNIGUNG = 9 };

void kv_gtk_drehmomente() { eingabe_panel(0, DREHMOMENTE, 3, INPUT_Drehmomente); }
void kv_gtk_drehzahlen() { eingabe_panel(0, DREHZAHLEN, 4, INPUT_Drehzahlen); }
void kv_gtk_drehmassen() { eingabe_panel(1, DREHMASSEN, 2, INPUT_Drehmassen); }
void kv_gtk_beschleunigungszeit() { eingabe_panel(1, BESCHLEUNIGUNG, 1, INPUT_Beschleunigungszeit); }

void kv_gtk_rButtons()
{
    GtkWidget* box = gtk_vbox_new(FALSE, 0);
    for (int i = 0; i < 2; ++i) {
        rButtons[i] = gtk_radio_button_new_with_label(rButtons_Gruppe, _(R.optionen[0].knoepfe[i]));
        rButtons_Gruppe = gtk_radio_button_get_group(GTK_RADIO_BUTTON(rButtons[i]));
        kv_gtk_packen(box, rButtons[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[1], _(R.optionen[0].rahmen), box);
}

int kv_gtk_ergebnisse()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    // Two label/value pairs per row, filled row by row.
    for (int i = 0; i < 7; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        const int zeile = i / 2, spalte = (i % 2) * 2;
        kv_gtk_zelle(tabelle, gtk_label_new(_(R.ergebnisse[i].beschriftung)), spalte, zeile);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
    }
    kv_gtk_im_rahmen(Pack_Box[4], _("Ergebnisse"), tabelle);
    return 0;
}

void empfindlich(GtkWidget* w, bool an) { gtk_widget_set_sensitive(w, an ? TRUE : FALSE); }

void signale()
{
    // The first button also emits "clicked" when choosing the second one
    // deactivates it, so one connection sees every change of mode.
    kv_gtk_klick(rButtons[0], kv_gtk_check_rButtons);
}

void vor_fenster() { window_status = TK_GEGEBEN; }

void eingabe_widgets(KvEingabeWidgets& w)
{
    w.felder.assign(INPUT_Drehmomente, INPUT_Drehmomente + 3);
    w.felder.insert(w.felder.end(), INPUT_Drehzahlen, INPUT_Drehzahlen + 4);
    w.felder.insert(w.felder.end(), INPUT_Drehmassen, INPUT_Drehmassen + 2);
    w.felder.push_back(INPUT_Beschleunigungszeit[0]);
    w.optionen = {{rButtons[0], rButtons[1]}};
    w.ergebnisse.assign(OUTPUT_Ergebnisse, OUTPUT_Ergebnisse + 7);
}

} // namespace

int kv_gtk_set_window_style()
{
    if (window_status != TK_GEGEBEN && window_status != TK_GESUCHT)
        return 0;
    const bool gegeben = window_status == TK_GEGEBEN;
    for (GtkWidget* w : {INPUT_Drehmomente[2], INPUT_Drehzahlen[2], INPUT_Drehzahlen[3]})
        empfindlich(w, gegeben);
    empfindlich(INPUT_Beschleunigungszeit[0], !gegeben);
    for (int j = 0; j < 6; ++j) {
        empfindlich(OUTPUT_Ergebnisse[j], gegeben);
        if (!gegeben)
            gtk_entry_set_text(GTK_ENTRY(OUTPUT_Ergebnisse[j]), "--");
    }
    empfindlich(OUTPUT_Ergebnisse[6], !gegeben);
    if (gegeben)
        gtk_entry_set_text(GTK_ENTRY(OUTPUT_Ergebnisse[6]), "--");
    return 0;
}

int kv_gtk_check_rButtons()
{
    for (int i = 0; i < 2; ++i)
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(rButtons[i]))) {
            window_status = i == 0 ? TK_GEGEBEN : TK_GESUCHT;
            kv_gtk_set_window_style();
            gerechnet = 0;
        }
    return 0;
}

int kv_c_berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    // The fields and results of the mode: with TK given TK, nL and Z are
    // read and tB is not, with TK sought the other way round.
    return kv_gtk_rechnen();
}

const KvProgramm kopdra_programm = {
    .rechner = &kopdra_rechner,
    .info_text =
        N_("Rechenprogramm fuer Schaltkupplungen\n\n"
           "Rutschzeit, Synchrondrehzahl, Reibarbeit, Verlustleistung und Hochlaufzeit,\n"
           "oder das noetige Kupplungsmoment fuer eine gegebene Rutschzeit.\n\n"
           "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026."),
    // Two input columns side by side.
    .box_art = {KV_VERTIKAL, KV_VERTIKAL, KV_HORIZONTAL},
    .eingabe_panels = {kv_gtk_drehmomente, kv_gtk_drehzahlen, kv_gtk_drehmassen,
                       kv_gtk_beschleunigungszeit, kv_gtk_rButtons},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .felder = {{c_box_drehmomente, d_box_drehmomente, 3},
               {c_box_drehzahlen, d_box_drehzahlen, 4},
               {c_box_drehmassen, d_box_drehmassen, 2},
               {c_box_beschleunigung, d_box_beschleunigung, 1}},
    .d_box_ergebnisse = d_box_ergebnisse,
    .vor_fenster = vor_fenster,
    .nach_fenster = kv_gtk_set_window_style,
    .eingabe_widgets = eingabe_widgets,
};
