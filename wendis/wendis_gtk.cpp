#include "wendis.h"

#include "diagrammfenster.h"
#include "tellerfeder_diagramm.h"

#include <optional>

GtkWidget* INPUT_Werkstoffdaten[7];
const char* c_box_Werkstoffdaten[7];
double d_box_werkstoffdaten[7];
GtkWidget* INPUT_Kennlinie[2];
const char* c_box_Kennlinie[2];
double d_box_Kennlinie[2];
GtkWidget* OUTPUT_Ergebnisse[6];
double d_box_ergebnisse[6];
GtkWidget* Drawa = nullptr;
GtkWidget* pButton_kennlinie = nullptr;
GtkTooltips* TT_pButton_kennlinie = nullptr;

namespace {

TellerEingabe feder{};         // inputs of the last completed computation
TellerErgebnis feder_werte{};  // its coefficients and results
double reihe = 1, parallel = 1; // its stack: springs in series, nested in each packet
std::optional<Kennlinienbild> bild; // what the area shows, for repaints

const KvRechner& R = wendis_rechner;
// Where the plot range starts among the fields.
constexpr int KENNLINIE = 7;

void kv_gtk_werkstoffdaten()
{
    GtkWidget* tabelle = kv_gtk_tabelle(4, 4);
    for (int i = 0; i < 7; ++i) {
        INPUT_Werkstoffdaten[i] = kv_gtk_feld(R.eingaben[i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, i, INPUT_Werkstoffdaten[i]);
    }
    kv_gtk_im_rahmen(Pack_Box[0], _(R.eingaben[0].rahmen), tabelle);
}

int kv_gtk_ergebnisse()
{
    // Label/field pairs two to a row.
    GtkWidget* tabelle = kv_gtk_tabelle(3, 4);
    for (int i = 0; i < 6; ++i) {
        OUTPUT_Ergebnisse[i] = kv_gtk_ergebnisfeld(R.ergebnisse_vorher);
        kv_gtk_zelle(tabelle, gtk_label_new(_(R.ergebnisse[i].beschriftung)), (i % 2) * 2, i / 2);
        kv_gtk_zelle(tabelle, OUTPUT_Ergebnisse[i], (i % 2) * 2 + 1, i / 2);
    }
    kv_gtk_im_rahmen(Pack_Box[2], _("Ergebnisse"), tabelle);
    return 0;
}

void kv_gtk_federkenlinie()
{
    pButton_kennlinie = kv_gtk_knopf("wendis_zeichnen.png", _("Kennlinie zeichnen"),
                                     &TT_pButton_kennlinie, _("Federkennline zeichnen"));
    GtkWidget* tabelle = kv_gtk_tabelle(1, 4);
    for (int i = 0; i < 2; ++i) {
        INPUT_Kennlinie[i] = kv_gtk_feld(R.eingaben[KENNLINIE + i].vorgabe);
        kv_gtk_eingabe_zelle(tabelle, R, KENNLINIE + i, INPUT_Kennlinie[i]);
    }
    kv_gtk_packen(Pack_Box[3], tabelle);
    kv_gtk_packen(Pack_Box[3], pButton_kennlinie);
    kv_gtk_packen(Pack_Box[4], Pack_Box[3]);
    kv_gtk_packen(Pack_Box[4], Drawa);
    kv_gtk_im_rahmen(Pack_Box[5], _(R.eingaben[KENNLINIE].rahmen), Pack_Box[4]);
}

void zeichnen(const Kennlinienbild& b)
{
    GdkWindow* fenster = gtk_widget_get_window(Drawa);
    if (!fenster)
        return;
    GdkGC* schwarz = gtk_widget_get_style(Drawa)->black_gc;
    for (const auto* linien : {&b.gitter, &b.kurve})
        for (const Linie& l : *linien)
            gdk_draw_line(fenster, schwarz, l.x1, l.y1, l.x2, l.y2);
}

void flaeche_leeren()
{
    bild.reset();
    if (GdkWindow* fenster = gtk_widget_get_window(Drawa))
        gdk_window_clear(fenster);
}

gboolean neu_zeichnen(GtkWidget*, GdkEventExpose*, gpointer)
{
    if (bild)
        zeichnen(*bild);
    return FALSE;
}

void vor_fenster()
{
    Drawa = gtk_drawing_area_new();
    gtk_widget_set_size_request(Drawa, Z_BREITE_X, Z_HOEHE_Y);
}

void signale()
{
    kv_gtk_klick(pButton_kennlinie, kv_gtk_kennlinie_zeichnen);
    // The plot is kept and drawn again when the area is exposed.
    g_signal_connect(Drawa, "expose-event", G_CALLBACK(neu_zeichnen), nullptr);
}

// The plot range s1, s2 follows the spring's fields.
void eingabe_widgets(KvEingabeWidgets& w)
{
    w.felder.assign(INPUT_Werkstoffdaten, INPUT_Werkstoffdaten + 7);
    w.felder.insert(w.felder.end(), INPUT_Kennlinie, INPUT_Kennlinie + 2);
    w.ergebnisse.assign(OUTPUT_Ergebnisse, OUTPUT_Ergebnisse + 6);
}

} // namespace

const Kennlinienbild* kv_gtk_gezeichnetes_bild()
{
    return bild ? &*bild : nullptr;
}

int kv_c_berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    flaeche_leeren();
    if (kv_gtk_rechnen() == -1)
        return -1;
    // The spring of this computation, which "Kennlinie zeichnen" plots.
    feder = tellerfeder_eingabe(d_box_werkstoffdaten);
    feder_werte = tellerfeder_berechnen(feder);
    // And the stack it computed, whose characteristic that draws.
    KvStand stand;
    KvRechnung gelesen;
    if (const std::optional<KvEingaben> e = kv_gtk_letzte_eingaben(); e && kv_lesen(R, *e, stand, gelesen)) {
        reihe = stand.werte[TELLER_I];
        parallel = stand.werte[TELLER_N];
    }
    return 0;
}

int kv_gtk_kennlinie_zeichnen()
{
    if (gerechnet == 0) {
        kv_gtk_dlg_keine_ergebnisse();
        return 0;
    }
    flaeche_leeren();
    if (kv_gtk_felder_lesen(INPUT_Kennlinie, c_box_Kennlinie, d_box_Kennlinie, 2) == -1)
        return -1;
    const double s1 = d_box_Kennlinie[0], s2 = d_box_Kennlinie[1];
    if (!(s1 < s2)) {
        kv_gtk_fehler_eingabe(4712);
        return -1;
    }
    bild = kennlinie_berechnen(feder, feder_werte, s1, s2, reihe, parallel);
    zeichnen(*bild);
    // The diagram window draws the same range.
    kv_gtk_diagrammfenster_aktualisieren();
    if (!bild->endlich)
        kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK,
                       _("Kennlinie kann nicht gezeichnet werden!\n"
                         "Die Federkraft ist im gewaehlten Bereich nicht endlich."));
    return 0;
}

const KvProgramm wendis_programm = {
    .rechner = &wendis_rechner,
    .info_text =
        N_("Ein Rechenprogramm fuer Tellerfedern nach DIN 2093\n\n"
           "Federkraft, Federarbeit und Spannungen bei einem Federweg,\n"
           "Federkennlinie fuer einen waehlbaren Bereich.\n\n"
           "Programmiert von der Entwicklergruppe Maschinenelemente, Dezember 2026."),
    .anzahl_boxen = 7,
    .rand = {true, true, true, true, false, true, true},
    .eingabe_panels = {kv_gtk_werkstoffdaten},
    .ergebnisse = kv_gtk_ergebnisse,
    .nach_ergebnissen = kv_gtk_federkenlinie,
    .eigene_signale = signale,
    .berechen = kv_c_berechen,
    .felder = {{c_box_Werkstoffdaten, d_box_werkstoffdaten, 7}, {c_box_Kennlinie, d_box_Kennlinie, 2}},
    .d_box_ergebnisse = d_box_ergebnisse,
    // A stack of no whole number of springs is refused as an input error,
    // leaving the spring and stack "Kennlinie zeichnen" plots as they were.
    .verweigerung_ist_eingabefehler = true,
    .beenden_tooltip = false,
    .action_bar_box = 1,
    .vor_fenster = vor_fenster,
    .eingabe_widgets = eingabe_widgets,
    .menuepunkte = {{"Berechnung", N_("_Kennlinie zeichnen"), kv_gtk_kennlinie_zeichnen}},
    .bilder = {"wendis_zeichnen.png"},
};
