// Start-up, the main window's boxes, the action bar and the signal wiring.
#include "shell.h"

#include <cstdio>

#include <malloc.h>
#include <string>

GtkWidget* window_main = nullptr;
GtkWidget* Pack_Box[7] = {};
GtkWidget* Fenster_Box = nullptr;
GtkWidget* pButton_rechnen = nullptr;
GtkWidget* pButton_speichern = nullptr;
GtkWidget* pButton_info = nullptr;
GtkWidget* pButton_ende = nullptr;
GtkTooltips* TT_pButton_rechnen = nullptr;
GtkTooltips* TT_pButton_speichern = nullptr;
GtkTooltips* TT_pButton_info = nullptr;
GtkTooltips* TT_pButton_ende = nullptr;
int gerechnet = 0;
int iret = 0;
int dret = 0;

const KvProgramm* kv_programm = nullptr;

namespace {

void handler_int(GtkWidget*, gpointer data)
{
    reinterpret_cast<int (*)()>(data)();
}

void handler_void(GtkWidget*, gpointer data)
{
    reinterpret_cast<void (*)()>(data)();
}

int hauptschleife_verlassen()
{
    gtk_main_quit();
    return 0;
}

GtkWidget* neue_box(KvBoxArt art)
{
    return art == KV_HORIZONTAL ? gtk_hbox_new(FALSE, 0) : gtk_vbox_new(FALSE, 0);
}

} // namespace

void kv_gtk_klick(GtkWidget* knopf, int (*handler)())
{
    g_signal_connect(knopf, "clicked", G_CALLBACK(handler_int),
                     reinterpret_cast<gpointer>(handler));
}

void kv_gtk_klick(GtkWidget* knopf, void (*handler)())
{
    g_signal_connect(knopf, "clicked", G_CALLBACK(handler_void),
                     reinterpret_cast<gpointer>(handler));
}

void kv_gtk_packen(GtkWidget* box, GtkWidget* kind)
{
    gtk_box_pack_start(GTK_BOX(box), kind, FALSE, FALSE, 3);
}

void kv_gtk_im_rahmen(GtkWidget* box, const char* titel, GtkWidget* inhalt)
{
    GtkWidget* rahmen = gtk_frame_new(titel);
    kv_gtk_packen(box, rahmen);
    gtk_container_add(GTK_CONTAINER(rahmen), inhalt);
}

std::vector<GtkWidget*> kv_gtk_kinder(GtkWidget* container)
{
    std::vector<GtkWidget*> v;
    GList* liste = gtk_container_get_children(GTK_CONTAINER(container));
    for (GList* l = liste; l; l = l->next)
        v.push_back(GTK_WIDGET(l->data));
    g_list_free(liste);
    return v;
}

GtkWidget* kv_gtk_tabelle(int zeilen, int spalten)
{
    GtkWidget* tabelle = gtk_table_new(zeilen, spalten, FALSE);
    gtk_table_set_row_spacings(GTK_TABLE(tabelle), 2);
    gtk_table_set_col_spacings(GTK_TABLE(tabelle), 3);
    gtk_container_set_border_width(GTK_CONTAINER(tabelle), 3);
    return tabelle;
}

void kv_gtk_zelle(GtkWidget* tabelle, GtkWidget* w, int spalte, int zeile, int breite)
{
    gtk_table_attach_defaults(GTK_TABLE(tabelle), w, spalte, spalte + breite, zeile, zeile + 1);
}

void kv_gtk_eingabe_zelle(GtkWidget* tabelle, const KvRechner& r, int i, GtkWidget* feld)
{
    const KvZelle z = kv_zelle(r, i);
    const char* beschriftung = _(r.eingaben[i].beschriftung);
    if (!z.unter_kopf) {
        kv_gtk_zelle(tabelle, gtk_label_new(beschriftung), 2 * z.spalte, z.zeile);
        kv_gtk_zelle(tabelle, feld, 2 * z.spalte + 1, z.zeile);
        return;
    }
    if (z.zeile == 1)
        kv_gtk_zelle(tabelle, gtk_label_new(beschriftung), z.spalte, 0);
    kv_gtk_zelle(tabelle, feld, z.spalte, z.zeile);
}

GtkWidget* kv_gtk_feld(const char* vorgabe)
{
    GtkWidget* feld = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(feld), vorgabe);
    return feld;
}

GtkWidget* kv_gtk_ergebnisfeld(const char* text)
{
    GtkWidget* feld = kv_gtk_feld(text);
    gtk_editable_set_editable(GTK_EDITABLE(feld), FALSE);
    return feld;
}

GtkWidget* xpm_label_box(const char* bild_datei, const char* text)
{
    GtkWidget* box = gtk_hbox_new(FALSE, 0);
    gtk_container_set_border_width(GTK_CONTAINER(box), 2);
    GtkWidget* bild = kv_gtk_bild(bild_datei);
    GtkWidget* label = gtk_label_new(text);
    gtk_box_pack_start(GTK_BOX(box), bild, FALSE, FALSE, 3);
    gtk_box_pack_start(GTK_BOX(box), label, FALSE, FALSE, 15);
    gtk_widget_show(bild);
    gtk_widget_show(label);
    return box;
}

GtkWidget* kv_gtk_knopf(const char* bild_datei, const char* text,
                        GtkTooltips** tooltip, const char* tip)
{
    GtkWidget* knopf = gtk_button_new();
    gtk_container_add(GTK_CONTAINER(knopf), xpm_label_box(bild_datei, text));
    if (tooltip) {
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        *tooltip = gtk_tooltips_new();
        gtk_tooltips_set_tip(*tooltip, knopf, tip, nullptr);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    return knopf;
}

int kv_gtk_pButtons()
{
    const std::string n = kv_programm->rechner->name;
    GtkWidget* leiste = gtk_hbutton_box_new();
    gtk_button_box_set_layout(GTK_BUTTON_BOX(leiste), GTK_BUTTONBOX_SPREAD);
    gtk_box_set_spacing(GTK_BOX(leiste), 40);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_button_box_set_child_size(GTK_BUTTON_BOX(leiste), 85, 20);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_container_set_border_width(GTK_CONTAINER(leiste), 5);

    pButton_rechnen = kv_gtk_knopf((n + "_rechnen.png").c_str(), _("Rechnen"),
                                   &TT_pButton_rechnen, _("Berechnung starten"));
    pButton_speichern = kv_gtk_knopf((n + "_speichern.png").c_str(), _("Speichern"),
                                     &TT_pButton_speichern, _("Speichern der Ergebnisse"));
    pButton_info = kv_gtk_knopf((n + "_info.png").c_str(), _("Info"),
                                &TT_pButton_info, _("Informationen anzeigen"));
    pButton_ende = kv_gtk_knopf((n + "_ende.png").c_str(), _("Beenden"),
                                kv_programm->beenden_tooltip ? &TT_pButton_ende : nullptr,
                                _("Programm beenden"));
    for (GtkWidget* k : {pButton_rechnen, pButton_speichern, pButton_info, pButton_ende})
        gtk_container_add(GTK_CONTAINER(leiste), k);

    kv_gtk_im_rahmen(Pack_Box[kv_programm->action_bar_box], _("Aktionen"), leiste);
    return 0;
}

int kv_gtk_signale_verbinden()
{
    kv_gtk_klick(pButton_rechnen, kv_programm->berechen);
    kv_gtk_klick(pButton_speichern, kv_c_speichern);
    kv_gtk_klick(pButton_info, kv_gtk_dlg_info);
    kv_gtk_klick(pButton_ende, hauptschleife_verlassen);
    if (kv_programm->eigene_signale)
        kv_programm->eigene_signale();
    return 0;
}

int kv_gtk_fenster_aufbauen()
{
    const KvProgramm& p = *kv_programm;
    for (int i = 0; i < 7; ++i)
        Pack_Box[i] = nullptr;
    // The menu bar above the calculator's own top box.
    Fenster_Box = gtk_vbox_new(FALSE, 0);
    gtk_container_add(GTK_CONTAINER(window_main), Fenster_Box);

    if (p.anzahl_boxen == 7) {
        // Disc springs: no input frame; input, actions, results and plot
        // stacked in box 6.
        for (int i = 0; i < 7; ++i)
            Pack_Box[i] = neue_box(i == 3 ? KV_HORIZONTAL : KV_VERTIKAL);
        for (auto* panel : p.eingabe_panels)
            if (panel) panel();
        kv_gtk_pButtons();
        p.ergebnisse();
        if (p.nach_ergebnissen) p.nach_ergebnissen();
        kv_gtk_signale_verbinden();
        gtk_box_pack_start(GTK_BOX(Fenster_Box), kv_gtk_menue_leiste(), FALSE, FALSE, 0);
        for (int i = 0; i < 7; ++i)
            if (p.rand[i])
                gtk_container_set_border_width(GTK_CONTAINER(Pack_Box[i]), 5);
        for (int i : {0, 1, 2, 5})
            kv_gtk_packen(Pack_Box[6], Pack_Box[i]);
        gtk_box_pack_start(GTK_BOX(Fenster_Box), Pack_Box[6], TRUE, TRUE, 0);
    } else {
        for (int i = 0; i < 6; ++i)
            Pack_Box[i] = neue_box(i < 3 ? p.box_art[i] : KV_VERTIKAL);
        for (auto* panel : p.eingabe_panels)
            if (panel) panel();
        kv_gtk_pButtons();
        p.ergebnisse();
        kv_gtk_signale_verbinden();
        gtk_box_pack_start(GTK_BOX(Fenster_Box), kv_gtk_menue_leiste(), FALSE, FALSE, 0);
        for (int i = 0; i < 6; ++i)
            if (p.rand[i])
                gtk_container_set_border_width(GTK_CONTAINER(Pack_Box[i]), 5);
        kv_gtk_packen(Pack_Box[2], Pack_Box[0]);
        kv_gtk_packen(Pack_Box[2], Pack_Box[1]);
        kv_gtk_im_rahmen(Pack_Box[5], _(KV_EINGABERAHMEN), Pack_Box[2]);
        kv_gtk_packen(Pack_Box[5], Pack_Box[3]);
        kv_gtk_packen(Pack_Box[5], Pack_Box[4]);
        gtk_box_pack_start(GTK_BOX(Fenster_Box), Pack_Box[5], TRUE, TRUE, 0);
    }
    kv_gtk_zugaenglich_machen(window_main);
    gtk_widget_show_all(window_main);
    return 0;
}

int kv_gtk_fenster_erzeugen(const KvProgramm& programm)
{
    // A calculator without a window layer of its own: the window its
    // description gives.
    static KvProgramm aus_beschreibung;
    kv_programm = &programm;
    if (!programm.ergebnisse) {
        aus_beschreibung = kv_programm_aus_beschreibung(programm);
        kv_programm = &aus_beschreibung;
    }
    window_main = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_main), _(programm.rechner->titel));
    gtk_window_set_position(GTK_WINDOW(window_main), GTK_WIN_POS_CENTER);
    const std::string icon = std::string(programm.rechner->name) + ".png";
    kv_gtk_fenster_icon(window_main, icon.c_str());
    g_signal_connect(window_main, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_container_set_reallocate_redraws(GTK_CONTAINER(window_main), TRUE);
    G_GNUC_END_IGNORE_DEPRECATIONS
    if (kv_programm->vor_fenster)
        kv_programm->vor_fenster();
    iret = kv_gtk_fenster_aufbauen();
    if (kv_programm->nach_fenster)
        iret = kv_programm->nach_fenster();
    kv_gtk_letzte_rechnung_vergessen();
    gerechnet = 0;
    return 0;
}

namespace {

// What the font and picture readers and the first layout left behind is
// handed back once the window has drawn itself.
gboolean startreste_freigeben(gpointer)
{
    malloc_trim(0);
    return G_SOURCE_REMOVE;
}

} // namespace

int kv_main(const KvProgramm& programm, int argc, char** argv)
{
    // Pango reads the font configuration in a thread of its own from the
    // moment its font map exists; made before the toolkit connects to the
    // display, that reading runs alongside instead of holding up the first
    // field.
    pango_cairo_font_map_get_default();
    kv_bilder_vorladen(programm);
    gtk_init(&argc, &argv);
    // The toolkit has taken the whole locale from the desktop; the messages
    // follow it, numbers keep the point (zahlen.h never asks the locale).
    kv_sprache_einrichten();
    std::vector<char*> rest;
    std::string fehler;
    if (!kv_fenster_aufruf_pruefen(argc, argv, rest, fehler)) {
        // Told as the toolkit tells its own option errors, before any window.
        std::fprintf(stderr, "%s: %s\n", programm.rechner->name, fehler.c_str());
        return 2;
    }
    kv_gtk_starten(programm, static_cast<int>(rest.size()) - 1, rest.data());
    g_idle_add_full(G_PRIORITY_LOW, startreste_freigeben, nullptr, nullptr);
    gtk_main();
    return 0;
}
