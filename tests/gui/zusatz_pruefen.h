// The calculator's addition in its window, for every program that has
// one: none of its widgets in the window's frames; its menu entry opens a
// dialog beside the window with its fields, options, results and notes,
// each beside its caption; "Rechnen" there computes it with the window's
// inputs as the core does; closed, the window still holds what was typed.
#pragma once
#include "fenster_test.h"
#include "menueintrag.h"
#include "shell.h"

#include <set>
#include <string>

// The frames' captions in the window.
inline void rahmentitel(GtkWidget* w, std::set<std::string>& titel)
{
    if (GTK_IS_FRAME(w) && gtk_frame_get_label(GTK_FRAME(w)))
        titel.insert(gtk_frame_get_label(GTK_FRAME(w)));
    if (GTK_IS_CONTAINER(w))
        for (GtkWidget* k : kv_gtk_kinder(w))
            rahmentitel(k, titel);
}

// Checks the dialog; the first field of the addition is typed as wert.
inline void zusatz_im_dialog_pruefen(const KvRechner& R, const std::string& wert)
{
    const KvFensterteile f = kv_fensterteile(R);
    const KvEingabeWidgets w = kv_gtk_widgets();
    for (size_t i = f.eingaben; i < w.felder.size(); ++i)
        EXPECT_EQ(gtk_widget_get_parent(w.felder[i]), nullptr) << R.eingaben[i].name;
    for (size_t j = f.ergebnisse; j < w.ergebnisse.size(); ++j)
        EXPECT_EQ(gtk_widget_get_parent(w.ergebnisse[j]), nullptr) << R.ergebnisse[j].name;
    std::set<std::string> titel;
    rahmentitel(window_main, titel);
    EXPECT_FALSE(titel.count(_(R.zusatz.rahmen)));

    // The menu entry opens the dialog beside the window; each part beside
    // its caption.
    GtkWidget* eintrag = menueintrag("_Berechnung", R.zusatz.menue);
    ASSERT_NE(eintrag, nullptr);
    EXPECT_TRUE(ausfuehren([&] { gtk_menu_item_activate(GTK_MENU_ITEM(eintrag)); }, {}).empty());
    GtkWidget* dialog = kv_gtk_zusatz_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(dialog)), _(R.zusatz.rahmen));
    EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(dialog)), GTK_WINDOW(window_main));
    for (size_t i = f.eingaben; i < w.felder.size(); ++i) {
        GtkWidget* tabelle = gtk_widget_get_parent(w.felder[i]);
        ASSERT_TRUE(GTK_IS_TABLE(tabelle)) << R.eingaben[i].name;
        EXPECT_EQ(label(zelle(tabelle, 0, static_cast<guint>(i - f.eingaben))), _(R.eingaben[i].beschriftung));
    }
    for (size_t k = f.optionen; k < w.optionen.size(); ++k)
        for (size_t v = 0; v < R.optionen[k].knoepfe.size(); ++v)
            EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(w.optionen[k][v])), _(R.optionen[k].knoepfe[v]));
    for (size_t j = f.ergebnisse; j < w.ergebnisse.size(); ++j) {
        GtkWidget* tabelle = gtk_widget_get_parent(w.ergebnisse[j]);
        ASSERT_TRUE(GTK_IS_TABLE(tabelle)) << R.ergebnisse[j].name;
        EXPECT_EQ(label(zelle(tabelle, 0, static_cast<guint>(j - f.ergebnisse))), _(R.ergebnisse[j].beschriftung));
    }
    for (size_t k = f.hinweise; k < w.hinweise.size(); ++k)
        EXPECT_TRUE(GTK_IS_TABLE(gtk_widget_get_parent(w.hinweise[k]))) << R.hinweise[k].name;
    // Asked again, the same dialog.
    kv_c_zusatz();
    EXPECT_EQ(kv_gtk_zusatz_dialog(), dialog);

    // Typed in the dialog, computed there, then closed: as the core computes.
    ASSERT_LT(f.eingaben, static_cast<int>(w.felder.size()));
    setzen(w.felder[f.eingaben], wert);
    GtkWidget* rechnen = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_APPLY);
    ASSERT_NE(rechnen, nullptr);
    EXPECT_TRUE(klicken(rechnen, {}).empty());
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CLOSE);
    EXPECT_EQ(kv_gtk_zusatz_dialog(), nullptr);
    for (size_t i = f.eingaben; i < w.felder.size(); ++i)
        EXPECT_EQ(gtk_widget_get_parent(w.felder[i]), nullptr) << R.eingaben[i].name;
    EXPECT_EQ(gerechnet, 1);
    EXPECT_EQ(text(w.felder[f.eingaben]), wert);
    KvStand stand;
    const KvRechnung r = kv_rechnen(R, kv_gtk_eingaben_lesen(), stand);
    for (size_t j = 0; j < w.ergebnisse.size(); ++j)
        EXPECT_EQ(text(w.ergebnisse[j]), kv_ergebnistext(R, r, stand.optionen, static_cast<int>(j)))
            << R.ergebnisse[j].name;
    for (size_t k = 0; k < w.hinweise.size(); ++k)
        EXPECT_EQ(label(w.hinweise[k]), _(r.hinweise[k].c_str())) << R.hinweise[k].name;
}
