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

const char* const eingabe_labels[7] = {
    "Kraft F / N", "Knicklaenge L1 / mm", "Flaeche A / mm^2",
    "Flaechentraegheitsmoment I / mm^4", "E-Modul E / (N/mm^2)",
    "Streckgrenze Re / (N/mm^2)", "Sicherheit / 1",
};
const char* const eingabe_vorgaben[7] = {"3500", "229", "78.54", "490.87", "206000", "500", "7"};

const char* const ergebnis_labels[8] = {
    "freie Knicklaenge / mm", "Traegheitsradius / mm", "Schlankheitsgrad / 1",
    "Grenzschlankheitsgrad / 1", "Druckspannung / (N/mm^2)",
    "zul. Druckspannung / (N/mm^2)", "zul. Maximalkraft / N", "Knickung?",
};

const char* const knickfall_labels[4] = {
    "Knickfall 1 (eingespannt/frei)", "Knickfall 2 (gelenkig/gelenkig)",
    "Knickfall 3 (eingespannt/gelenkig)", "Knickfall 4 (eingespannt/eingespannt)",
};

int eingabe_zeile(int i) { return i == 6 ? 3 : i % 3; }
int eingabe_spalte(int i) { return i >= 3 && i < 6 ? 2 : 0; }

void signale()
{
    for (GtkWidget* b : rButtons_Knickfall)
        kv_gtk_klick(b, kv_gtk_check_rButtons);
}

std::string bericht()
{
    return knickung_bericht(d_box_geometrie, stat_knickfall, d_box_ergebnisse,
                            gtk_label_get_text(GTK_LABEL(LABEL_res[7])));
}

} // namespace

int kv_gtk_geometrie()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    for (int i = 0; i < 7; ++i) {
        INPUT_Geometrie[i] = kv_gtk_feld(eingabe_vorgaben[i]);
        kv_gtk_zelle(tabelle, gtk_label_new(eingabe_labels[i]), eingabe_spalte(i), eingabe_zeile(i));
        kv_gtk_zelle(tabelle, INPUT_Geometrie[i], eingabe_spalte(i) + 1, eingabe_zeile(i));
    }
    kv_gtk_im_rahmen(Pack_Box[0], "Geometrie", tabelle);
    return 0;
}

int kv_gtk_rButtons()
{
    for (int k = 0; k < 4; ++k) {
        rButtons_Knickfall[k] = gtk_radio_button_new_with_label(rButtons_Gruppe_Knickfall,
                                                                knickfall_labels[k]);
        rButtons_Gruppe_Knickfall =
            gtk_radio_button_get_group(GTK_RADIO_BUTTON(rButtons_Knickfall[k]));
    }
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[0]), TRUE);
    GtkWidget* tabelle = kv_gtk_tabelle(4, 2);
    for (int k = 0; k < 4; ++k) {
        const std::string bild = "Knickfall" + std::to_string(k + 1) + ".png";
        kv_gtk_zelle(tabelle, gtk_image_new_from_file(bild.c_str()), k, 0);
        kv_gtk_zelle(tabelle, rButtons_Knickfall[k], k, 1);
    }
    kv_gtk_im_rahmen(Pack_Box[1], "Auswahl", tabelle);
    return 0;
}

int kv_gtk_ergebnisse()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    for (int i = 0; i < 8; ++i)
        LABEL_res[i] = gtk_label_new(ergebnis_labels[i]);
    for (int i = 0; i < 7; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld("");
        // Results 0-3 down the left pair of columns, 4-6 down the right.
        const int zeile = i < 4 ? i : i - 4;
        const int spalte = i < 4 ? 0 : 2;
        kv_gtk_zelle(tabelle, LABEL_res[i], spalte, zeile);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], spalte + 1, zeile);
    }
    kv_gtk_zelle(tabelle, LABEL_res[7], 2, 3, 2);
    kv_gtk_im_rahmen(Pack_Box[4], "Ergebnisse", tabelle);
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
    if (kv_gtk_felder_lesen(INPUT_Geometrie, c_box_geometrie, d_box_geometrie, 7) == -1)
        return -1;
    const double* v = d_box_geometrie;
    const KnickErgebnis r = knickung_berechnen({v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                                                stat_knickfall});
    const double werte[7] = {r.fkl, r.thr, r.lambda, r.lambda_grenz,
                             r.sig_druck, r.sig_druck_zul, r.F_max_zul};
    for (int j = 0; j < 7; ++j)
        d_box_ergebnisse[j] = werte[j];
    gtk_label_set_text(GTK_LABEL(LABEL_res[7]), r.knickung);
    kv_gtk_ergebnisse_schreiben(OUTPUT_Ergebnisse, d_box_ergebnisse, 7, "%7.5lf");
    gerechnet = 1;
    return 0;
}

const KvProgramm stalor_programm = {
    .name = "stalor",
    .titel = "Knickung von Bauteilen",
    .info_text =
        "Ein Rechenprogramm fuer Knickung\n\n"
        "Eulersche Knickfaelle 1 bis 4, Schlankheitsgrad und Grenzschlankheitsgrad,\n"
        "zulaessige Druckspannung und Maximalkraft.\n\n"
        "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026.",
    .eingabe_panels = {[] { kv_gtk_geometrie(); }, [] { kv_gtk_rButtons(); }},
    .ergebnisse = kv_gtk_ergebnisse,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .bericht = bericht,
};
