#include "diagrammfenster.h"

#include "diagramm_cairo.h"
#include "diagramm_datei.h"
#include "shell.h"

#include <gdk/gdkkeysyms.h>

#include <string>

namespace {

GtkWidget* fenster = nullptr;
GtkWidget* flaeche = nullptr;
GtkWidget* knopf_speichern = nullptr;
KvDiagrammQuelle quelle;
std::optional<Diagramm> diagramm;
std::string letzter_ordner; // where the last diagram was saved

struct Filter {
    const char* name;
    const char* endung;
};
const Filter filter_liste[3] = {{N_("PNG-Bild (*.png)"), "png"},
                                {N_("SVG-Grafik (*.svg)"), "svg"},
                                {N_("PDF-Dokument (*.pdf)"), "pdf"}};

void abfragen()
{
    diagramm.reset();
    if (quelle)
        diagramm = quelle();
}

gboolean zeichnen(GtkWidget* w, GdkEventExpose*, gpointer)
{
    GtkAllocation a;
    gtk_widget_get_allocation(w, &a);
    cairo_t* cr = gdk_cairo_create(gtk_widget_get_window(w));
    if (diagramm)
        diagramm_zeichnen(cr, *diagramm, a.width, a.height);
    else
        diagramm_meldung_zeichnen(cr, _(KV_DIAGRAMM_NOCH_NICHTS), a.width, a.height);
    cairo_destroy(cr);
    return FALSE;
}

// The chosen name; without a known extension it gets the one of the chosen
// filter.  Empty when the user cancels.
std::string datei_waehlen()
{
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        _("Diagramm speichern"), GTK_WINDOW(fenster), GTK_FILE_CHOOSER_ACTION_SAVE,
        "gtk-ok", GTK_RESPONSE_OK, "gtk-cancel", GTK_RESPONSE_CANCEL, nullptr);
    GtkFileFilter* filter[3];
    for (int i = 0; i < 3; ++i) {
        filter[i] = gtk_file_filter_new();
        gtk_file_filter_set_name(filter[i], _(filter_liste[i].name));
        const std::string klein = std::string("*.") + filter_liste[i].endung;
        gchar* gross = g_ascii_strup(klein.c_str(), -1);
        gtk_file_filter_add_pattern(filter[i], klein.c_str());
        gtk_file_filter_add_pattern(filter[i], gross);
        g_free(gross);
        gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), filter[i]);
    }
    if (letzter_ordner.empty()) {
        gchar* hier = g_get_current_dir();
        letzter_ordner = hier;
        g_free(hier);
    }
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), letzter_ordner.c_str());
    // Uebersetzung: the name first proposed for a diagram's file.
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), _("diagramm.png"));
    std::string pfad = kv_gtk_datei_waehlen(dialog);
    if (!pfad.empty() && diagramm_dateiart(pfad) == Dateiart::unbekannt) {
        GtkFileFilter* gewaehlt = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(dialog));
        const char* endung = "png";
        for (int i = 0; i < 3; ++i)
            if (gewaehlt == filter[i])
                endung = filter_liste[i].endung;
        pfad += std::string(".") + endung;
    }
    kv_gtk_dateiauswahl_schliessen(dialog);
    return pfad;
}

void speichern()
{
    if (!diagramm) {
        kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, _(KV_DIAGRAMM_NOCH_NICHTS), fenster);
        return;
    }
    const std::string pfad = datei_waehlen();
    if (pfad.empty())
        return;
    if (g_file_test(pfad.c_str(), G_FILE_TEST_EXISTS)
        && kv_gtk_meldung(GTK_MESSAGE_QUESTION, GTK_BUTTONS_YES_NO,
                          kv_einsetzen(_("Die Datei ist schon vorhanden:\n{1}\nSoll sie ueberschrieben werden?"), {pfad}),
                          fenster)
               != GTK_RESPONSE_YES)
        return;
    gchar* ordner = g_path_get_dirname(pfad.c_str());
    letzter_ordner = ordner;
    g_free(ordner);
    // Saved as large as it is shown.
    GtkAllocation a;
    gtk_widget_get_allocation(flaeche, &a);
    std::string fehler;
    if (!diagramm_schreiben(*diagramm, pfad, std::max(a.width, 1), std::max(a.height, 1), fehler))
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, fehler, fenster);
}

gboolean taste(GtkWidget*, GdkEventKey* ev, gpointer)
{
    if (ev->keyval == GDK_Escape) {
        gtk_widget_destroy(fenster);
        return TRUE;
    }
    if ((ev->state & GDK_CONTROL_MASK) && (ev->keyval == GDK_s || ev->keyval == GDK_S)) {
        speichern();
        return TRUE;
    }
    return FALSE;
}

void geschlossen(GtkWidget*, gpointer)
{
    fenster = flaeche = knopf_speichern = nullptr;
}

GtkWidget* knopf(const char* bild, const char* text)
{
    GtkWidget* k = gtk_button_new_with_label(text);
    gtk_button_set_image(GTK_BUTTON(k), gtk_image_new_from_stock(bild, GTK_ICON_SIZE_BUTTON));
    return k;
}

void aufbauen()
{
    fenster = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (window_main)
        gtk_window_set_transient_for(GTK_WINDOW(fenster), GTK_WINDOW(window_main));
    gtk_window_set_default_size(GTK_WINDOW(fenster), DIAGRAMM_BREITE, DIAGRAMM_HOEHE + 40);

    flaeche = gtk_drawing_area_new();
    gtk_widget_set_size_request(flaeche, 320, 200);
    g_signal_connect(flaeche, "expose-event", G_CALLBACK(zeichnen), nullptr);

    knopf_speichern = knopf("gtk-save", _("Diagramm speichern..."));
    gtk_widget_set_tooltip_text(knopf_speichern, _("Diagramm als PNG, SVG oder PDF speichern (Strg+S)"));
    GtkWidget* knopf_schliessen = knopf("gtk-close", _("Schliessen"));
    g_signal_connect(knopf_speichern, "clicked", G_CALLBACK(+[](GtkWidget*, gpointer) { speichern(); }),
                     nullptr);
    g_signal_connect_swapped(knopf_schliessen, "clicked", G_CALLBACK(gtk_widget_destroy), fenster);

    GtkWidget* leiste = gtk_hbutton_box_new();
    gtk_button_box_set_layout(GTK_BUTTON_BOX(leiste), GTK_BUTTONBOX_END);
    gtk_box_set_spacing(GTK_BOX(leiste), 6);
    gtk_container_add(GTK_CONTAINER(leiste), knopf_speichern);
    gtk_container_add(GTK_CONTAINER(leiste), knopf_schliessen);

    GtkWidget* box = gtk_vbox_new(FALSE, 6);
    gtk_container_set_border_width(GTK_CONTAINER(box), 6);
    gtk_box_pack_start(GTK_BOX(box), flaeche, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(box), leiste, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(fenster), box);

    g_signal_connect(fenster, "key-press-event", G_CALLBACK(taste), nullptr);
    g_signal_connect(fenster, "destroy", G_CALLBACK(geschlossen), nullptr);
    gtk_widget_show_all(fenster);
}

} // namespace

void kv_gtk_diagrammfenster_zeigen(KvDiagrammQuelle q, const char* programmtitel)
{
    quelle = std::move(q);
    abfragen();
    if (!fenster)
        aufbauen();
    else
        gtk_widget_queue_draw(flaeche);
    const std::string titel = kv_einsetzen(_("{1} - Diagramm"), {programmtitel ? _(programmtitel) : ""});
    gtk_window_set_title(GTK_WINDOW(fenster), titel.c_str());
    gtk_window_present(GTK_WINDOW(fenster));
}

void kv_gtk_diagrammfenster_aktualisieren()
{
    if (!fenster)
        return;
    abfragen();
    gtk_widget_queue_draw(flaeche);
}

GtkWidget* kv_gtk_diagrammfenster() { return fenster; }
GtkWidget* kv_gtk_diagrammfenster_flaeche() { return flaeche; }
GtkWidget* kv_gtk_diagrammfenster_speichern() { return knopf_speichern; }
const Diagramm* kv_gtk_diagrammfenster_diagramm() { return diagramm ? &*diagramm : nullptr; }
