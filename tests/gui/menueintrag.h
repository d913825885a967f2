// An entry of the window's menu bar, found by the labels a reader sees.
#pragma once
#include "shell.h"

#include <string>

// The entry of a menu by their labels with mnemonics, in the reader's
// language; nullptr when there is none.
inline GtkWidget* menueintrag(const char* menue, const char* text)
{
    for (GtkWidget* m : kv_gtk_kinder(Menue_Leiste)) {
        GtkWidget* l = gtk_bin_get_child(GTK_BIN(m));
        if (!GTK_IS_LABEL(l) || gtk_label_get_label(GTK_LABEL(l)) != std::string(_(menue)))
            continue;
        for (GtkWidget* e : kv_gtk_kinder(gtk_menu_item_get_submenu(GTK_MENU_ITEM(m)))) {
            GtkWidget* el = gtk_bin_get_child(GTK_BIN(e));
            if (GTK_IS_LABEL(el) && gtk_label_get_label(GTK_LABEL(el)) == std::string(_(text)))
                return e;
        }
    }
    return nullptr;
}
