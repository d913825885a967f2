// The menu bar above every calculator's window: Datei, Berechnung (with the
// search of a target value and, where there are any, the catalogues), Hilfe, the program's own entries, and the
// shortcuts of all of them.  "Rechnen",
// "Bericht speichern...", "Info" and "Beenden" click the action bar's
// buttons, so menu, shortcut and button always do the same.
#include "eingabesatz.h"
#include "shell.h"

#include <gdk/gdkkeysyms.h>

extern const KvProgramm* kv_programm;

GtkWidget* Menue_Leiste = nullptr;
GtkAccelGroup* Tasten = nullptr;

namespace {

GtkWidget* zuletzt = nullptr; // "Zuletzt geoeffnet"
GtkWidget* zuletzt_liste = nullptr;

void knopf_klicken(GtkMenuItem*, gpointer knopf)
{
    gtk_button_clicked(GTK_BUTTON(*static_cast<GtkWidget**>(knopf)));
}

void handler_aufrufen(GtkMenuItem*, gpointer handler)
{
    reinterpret_cast<int (*)()>(handler)();
}

void taste(GtkWidget* eintrag, guint t, GdkModifierType umschalter, bool sichtbar = true)
{
    gtk_widget_add_accelerator(eintrag, "activate", Tasten, t, umschalter,
                               sichtbar ? GTK_ACCEL_VISIBLE : GtkAccelFlags(0));
}

// The titles of the menu bar with their mnemonics, as a menu is named in
// KvMenuepunkt (the first letter of each, in German).
const char* const MENUES[][2] = {{"Datei", N_("_Datei")},
                                 {"Berechnung", N_("_Berechnung")},
                                 {"Ansicht", N_("_Ansicht")},
                                 {"Hilfe", N_("_Hilfe")}};

std::string mit_mnemonic(const char* titel)
{
    for (const auto& m : MENUES)
        if (std::string(m[0]) == titel)
            return _(m[1]);
    return std::string("_") + titel;
}

// The menu of that title; a new one before "Hilfe" when there is none.
// Found by the title as shown, in the reader's language.
GtkWidget* menue(const char* titel)
{
    GtkWidget* gefunden = nullptr;
    int hilfe = -1, i = 0;
    const std::string gesucht = mit_mnemonic(titel);
    for (GtkWidget* eintrag : kv_gtk_kinder(Menue_Leiste)) {
        GtkWidget* l = gtk_bin_get_child(GTK_BIN(eintrag));
        const std::string t = GTK_IS_LABEL(l) ? gtk_label_get_label(GTK_LABEL(l)) : "";
        if (t == gesucht)
            gefunden = gtk_menu_item_get_submenu(GTK_MENU_ITEM(eintrag));
        if (t == mit_mnemonic("Hilfe"))
            hilfe = i;
        ++i;
    }
    if (gefunden)
        return gefunden;
    GtkWidget* eintrag = gtk_menu_item_new_with_mnemonic(gesucht.c_str());
    GtkWidget* m = gtk_menu_new();
    gtk_menu_set_accel_group(GTK_MENU(m), Tasten);
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(eintrag), m);
    gtk_menu_shell_insert(GTK_MENU_SHELL(Menue_Leiste), eintrag, hilfe);
    gtk_widget_show_all(eintrag);
    return m;
}

GtkWidget* eintrag(GtkWidget* m, const char* text)
{
    GtkWidget* e = gtk_menu_item_new_with_mnemonic(_(text));
    gtk_menu_shell_append(GTK_MENU_SHELL(m), e);
    gtk_widget_show(e);
    return e;
}

GtkWidget* knopf_eintrag(GtkWidget* m, const char* text, GtkWidget** knopf)
{
    GtkWidget* e = eintrag(m, text);
    g_signal_connect(e, "activate", G_CALLBACK(knopf_klicken), knopf);
    return e;
}

GtkWidget* handler_eintrag(GtkWidget* m, const char* text, int (*handler)())
{
    GtkWidget* e = eintrag(m, text);
    g_signal_connect(e, "activate", G_CALLBACK(handler_aufrufen),
                     reinterpret_cast<gpointer>(handler));
    return e;
}

void trenner(GtkWidget* m)
{
    GtkWidget* t = gtk_separator_menu_item_new();
    gtk_menu_shell_append(GTK_MENU_SHELL(m), t);
    gtk_widget_show(t);
}

void zuletzt_gewaehlt(GtkRecentChooser* liste, gpointer)
{
    gchar* uri = gtk_recent_chooser_get_current_uri(liste);
    gchar* pfad = uri ? g_filename_from_uri(uri, nullptr, nullptr) : nullptr;
    if (pfad)
        kv_gtk_eingabesatz_oeffnen(pfad);
    g_free(pfad);
    g_free(uri);
}

// The recent list reads the desktop's list of recently used files and
// watches it, so it is made when "Datei" first opens, not at start-up.  Only
// this program's input sets are offered; with none, the entry is greyed.
void datei_geoeffnet(GtkWidget*, gpointer)
{
    if (!zuletzt_liste) {
        zuletzt_liste = gtk_recent_chooser_menu_new();
        GtkRecentChooser* c = GTK_RECENT_CHOOSER(zuletzt_liste);
        GtkRecentFilter* filter = gtk_recent_filter_new();
        const std::string endung = kv_eingabesatz_endung(*kv_programm->rechner);
        gtk_recent_filter_add_pattern(filter, ("*" + endung).c_str());
        gtk_recent_filter_add_mime_type(filter, kv_eingabesatz_mime_typ().c_str());
        gtk_recent_chooser_set_filter(c, filter);
        gtk_recent_chooser_set_local_only(c, TRUE);
        gtk_recent_chooser_set_show_not_found(c, FALSE);
        gtk_recent_chooser_set_sort_type(c, GTK_RECENT_SORT_MRU);
        gtk_recent_chooser_set_limit(c, 10);
        gtk_recent_chooser_menu_set_show_numbers(GTK_RECENT_CHOOSER_MENU(zuletzt_liste), TRUE);
        g_signal_connect(zuletzt_liste, "item-activated", G_CALLBACK(zuletzt_gewaehlt), nullptr);
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(zuletzt), zuletzt_liste);
    }
    GList* eintraege = gtk_recent_chooser_get_items(GTK_RECENT_CHOOSER(zuletzt_liste));
    gtk_widget_set_sensitive(zuletzt, eintraege != nullptr);
    g_list_free_full(eintraege, reinterpret_cast<GDestroyNotify>(gtk_recent_info_unref));
}

} // namespace

GtkWidget* kv_gtk_menuepunkt(const KvMenuepunkt& punkt)
{
    GtkWidget* e = handler_eintrag(menue(punkt.menue), punkt.text, punkt.handler);
    if (punkt.taste)
        taste(e, punkt.taste, punkt.umschalter);
    return e;
}

GtkWidget* kv_gtk_menue_leiste()
{
    const auto strg = GDK_CONTROL_MASK;
    Tasten = gtk_accel_group_new();
    gtk_window_add_accel_group(GTK_WINDOW(window_main), Tasten);
    Menue_Leiste = gtk_menu_bar_new();
    zuletzt_liste = nullptr;

    GtkWidget* datei = menue("Datei");
    taste(handler_eintrag(datei, N_("Eingaben _oeffnen..."), kv_c_eingaben_oeffnen), GDK_o, strg);
    zuletzt = eintrag(datei, N_("_Zuletzt geoeffnet"));
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(zuletzt), gtk_menu_new()); // filled when shown
    taste(handler_eintrag(datei, N_("Eingaben speichern _unter..."), kv_c_eingaben_speichern_unter),
          GDK_s, GdkModifierType(strg | GDK_SHIFT_MASK));
    trenner(datei);
    taste(knopf_eintrag(datei, N_("_Bericht speichern..."), &pButton_speichern), GDK_s, strg);
    taste(handler_eintrag(datei, N_("_Nachweis als PDF..."), kv_c_nachweis_speichern), GDK_p, strg);
    trenner(datei);
    taste(knopf_eintrag(datei, N_("B_eenden"), &pButton_ende), GDK_q, strg);
    g_signal_connect(datei, "map", G_CALLBACK(datei_geoeffnet), nullptr);

    GtkWidget* rechnen = knopf_eintrag(menue("Berechnung"), N_("_Rechnen"), &pButton_rechnen);
    taste(rechnen, GDK_F5, GdkModifierType(0));
    taste(rechnen, GDK_Return, strg, false);
    taste(rechnen, GDK_KP_Enter, strg, false);
    if (kv_programm->eingabe_widgets)
        kv_gtk_menuepunkt({"Berechnung", N_("_Zielwert suchen..."), kv_c_zielwert_suchen, GDK_g, strg});
    if (kv_programm->eingabe_widgets) {
        // Without tables the entry stays where a user looks for it, greyed,
        // and says why.
        GtkWidget* k = kv_gtk_menuepunkt({"Berechnung", N_("Kata_log..."), kv_c_katalog, GDK_k, strg});
        if (!kv_gtk_hat_kataloge()) {
            gtk_widget_set_sensitive(k, FALSE);
            const KvRechner& r = *kv_programm->rechner;
            std::string warum = kv_ohne_kataloge(r);
            if (*r.ohne_kataloge)
                // Uebersetzung: "kopdra hat keine Kataloge" and why, e.g.
                // "seine Werte haengen vom Erzeugnis des Herstellers ab".
                warum = kv_einsetzen(_("{1}: {2}."), {warum, _(r.ohne_kataloge)});
            gtk_widget_set_tooltip_text(k, warum.c_str());
        }
    }

    if (kv_programm->eingabe_widgets && kv_gtk_hat_zusatz())
        kv_gtk_menuepunkt({"Berechnung", kv_programm->rechner->zusatz.menue, kv_c_zusatz});

    taste(knopf_eintrag(menue("Hilfe"), N_("_Info"), &pButton_info), GDK_F1, GdkModifierType(0));

    for (const KvMenuepunkt& p : kv_programm->menuepunkte)
        kv_gtk_menuepunkt(p);
    kv_gtk_diagramm_anbinden();
    return Menue_Leiste;
}
