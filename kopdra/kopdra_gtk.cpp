#include "kopdra.h"

#include "kupplung.h"

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

struct Zeile { const char* label; const char* vorgabe; };

// One row per quantity: label in column 0, entry in column 1.
GtkWidget* eingabe_tabelle(const Zeile* zeilen, int n, GtkWidget** felder)
{
    GtkWidget* tabelle = kv_gtk_tabelle(n, 2);
    for (int i = 0; i < n; ++i) {
        felder[i] = kv_gtk_feld(zeilen[i].vorgabe);
        kv_gtk_zelle(tabelle, gtk_label_new(zeilen[i].label), 0, i);
        kv_gtk_zelle(tabelle, felder[i], 1, i);
    }
    return tabelle;
}

void eingabe_panel(int box, const char* titel, const Zeile* zeilen, int n, GtkWidget** felder)
{
    GtkWidget* tabelle = eingabe_tabelle(zeilen, n, felder);
    if (!titel) {
        kv_gtk_packen(Pack_Box[box], tabelle);
        return;
    }
    kv_gtk_im_rahmen(Pack_Box[box], titel, tabelle);
}

void kv_gtk_drehmomente()
{
    static const Zeile z[3] = {{"Antriebsmoment TA / Nm", "15325"},
                               {"Lastmomet TL / Nm", "4000"},
                               {"Kupplungsmoment TK / Nm", "16000"}};
    eingabe_panel(0, "Drehmomente", z, 3, INPUT_Drehmomente);
}

void kv_gtk_drehzahlen()
{
    static const Zeile z[4] = {{"Drehzahl Antrieb n10 / (1/min)", "350"},
                               {"Lastdrehzahl vor dem Kuppeln n20 / (1/min)", "0"},
                               {"Lastdrehzahl nach dem Kuppeln nL / (1/min)", "350"},
                               {"Anzahl der Schaltungen Z / (1/h)", "200"}};
    eingabe_panel(0, "Drehzahlen", z, 4, INPUT_Drehzahlen);
}

void kv_gtk_drehmassen()
{
    static const Zeile z[2] = {{"Drehmasse des Antriebs JA / kgm^2", "76"},
                               {"Drehmasse der Last JL / kgm^2", "80"}};
    eingabe_panel(1, "Drehmassen", z, 2, INPUT_Drehmassen);
}

void kv_gtk_beschleunigungszeit()
{
    static const Zeile z[1] = {{"Beschleunigungszeit tB / s", "0.23069"}};
    eingabe_panel(1, nullptr, z, 1, INPUT_Beschleunigungszeit);
}

void kv_gtk_rButtons()
{
    GtkWidget* box = gtk_vbox_new(FALSE, 0);
    const char* labels[2] = {"Kupplungsmoment gegeben", "Kupplungsmoment gesucht"};
    for (int i = 0; i < 2; ++i) {
        rButtons[i] = gtk_radio_button_new_with_label(rButtons_Gruppe, labels[i]);
        rButtons_Gruppe = gtk_radio_button_get_group(GTK_RADIO_BUTTON(rButtons[i]));
        kv_gtk_packen(box, rButtons[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[1], "Auswahl", box);
}

int kv_gtk_ergebnisse()
{
    static const char* const labels[7] = {
        "Beschleunigungszeit tB / s", "Synchrondrehzahl n12 / (1/min)",
        "Zeit von tB bis tC / s", "Reibarbeit WR / J", "Verlustleistung PV / (J/h)",
        "Hochlaufzeit tCt0 / s", "Kupplungsmoment TK / Nm",
    };
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    // Two label/value pairs per row, filled row by row.
    for (int i = 0; i < 7; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        const int zeile = i / 2, spalte = (i % 2) * 2;
        kv_gtk_zelle(tabelle, gtk_label_new(labels[i]), spalte, zeile);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
    }
    kv_gtk_im_rahmen(Pack_Box[4], "Ergebnisse", tabelle);
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

std::string bericht()
{
    return kupplung_bericht(window_status, d_box_drehmomente, d_box_drehzahlen,
                            d_box_drehmassen, d_box_beschleunigung, d_box_ergebnisse);
}

int tk_gegeben_rechnen()
{
    if (kv_gtk_felder_lesen(INPUT_Drehmomente, c_box_drehmomente, d_box_drehmomente, 3) == -1
        || kv_gtk_felder_lesen(INPUT_Drehzahlen, c_box_drehzahlen, d_box_drehzahlen, 4) == -1
        || kv_gtk_felder_lesen(INPUT_Drehmassen, c_box_drehmassen, d_box_drehmassen, 2) == -1)
        return -1;
    const double* m = d_box_drehmomente;
    const double* n = d_box_drehzahlen;
    const KupplungGegeben r = kupplung_tk_gegeben(
        {m[0], m[1], m[2], n[0], n[1], n[2], n[3], d_box_drehmassen[0], d_box_drehmassen[1], 0});
    const double werte[6] = {r.tb, r.n12, r.tctb, r.wr, r.pv, r.tct0};
    for (int j = 0; j < 6; ++j)
        d_box_ergebnisse[j] = werte[j];
    kv_gtk_ergebnisse_schreiben(OUTPUT_Ergebnisse, d_box_ergebnisse, 6, "%7.5lf");
    return 0;
}

int tk_gesucht_rechnen()
{
    // TK, nL and Z are neither read nor checked in this mode.
    if (kv_gtk_felder_lesen(INPUT_Drehmomente, c_box_drehmomente, d_box_drehmomente, 2) == -1
        || kv_gtk_felder_lesen(INPUT_Drehzahlen, c_box_drehzahlen, d_box_drehzahlen, 2) == -1
        || kv_gtk_felder_lesen(INPUT_Drehmassen, c_box_drehmassen, d_box_drehmassen, 2) == -1
        || kv_gtk_felder_lesen(INPUT_Beschleunigungszeit, c_box_beschleunigung,
                               d_box_beschleunigung, 1) == -1)
        return -1;
    const double* m = d_box_drehmomente;
    const double* n = d_box_drehzahlen;
    d_box_ergebnisse[6] = kupplung_tk_gesucht(
        {m[0], m[1], 0, n[0], n[1], 0, 0, d_box_drehmassen[0], d_box_drehmassen[1],
         d_box_beschleunigung[0]});
    kv_gtk_ergebnisse_schreiben(OUTPUT_Ergebnisse + 6, d_box_ergebnisse + 6, 1, "%7.5lf");
    return 0;
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
    const int r = window_status == TK_GEGEBEN ? tk_gegeben_rechnen()
                : window_status == TK_GESUCHT ? tk_gesucht_rechnen() : 0;
    if (r == -1)
        return -1;
    if (window_status == TK_GEGEBEN || window_status == TK_GESUCHT)
        gerechnet = 1;
    return 0;
}

const KvProgramm kopdra_programm = {
    .name = "kopdra",
    .titel = "Berechung von Schaltgetrieben",
    .info_text =
        "Rechenprogramm fuer Schaltkupplungen\n\n"
        "Rutschzeit, Synchrondrehzahl, Reibarbeit, Verlustleistung und Hochlaufzeit,\n"
        "oder das noetige Kupplungsmoment fuer eine gegebene Rutschzeit.\n\n"
        "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026.",
    // Two input columns side by side.
    .box_art = {KV_VERTIKAL, KV_VERTIKAL, KV_HORIZONTAL},
    .eingabe_panels = {kv_gtk_drehmomente, kv_gtk_drehzahlen, kv_gtk_drehmassen,
                       kv_gtk_beschleunigungszeit, kv_gtk_rButtons},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .bericht = bericht,
    .vor_fenster = vor_fenster,
    .nach_fenster = kv_gtk_set_window_style,
};
